// Printing a long job list: 10,000 jobs (about 250 pages) into a PDF file, against writing
// the same rows' text into a plain file.
#include "Olcum.h"
#include "lists/ListeYazdirici.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QPageLayout>
#include <QTemporaryDir>
#include <QTextStream>
#include <cstdio>

namespace {
QList<İşSatırı> satırlar(int sayı) {
    const QString açıklamalar[] = {
        QString(), QStringLiteral("Dosya hazır"),
        QStringLiteral("Duruşma saat onda\r\nbaşlayacak - tanık listesi verilecek"),
        QStringLiteral("Bilirkişi raporuna itiraz süresi dolmadan dilekçe verilecek, "
                       "müvekkile bilgi verilecek ve masraf avansı yatırılacak")};
    QList<İşSatırı> l;
    l.reserve(sayı);
    for (int i = 0; i < sayı; ++i)
        l << İşSatırı{QStringLiteral("%1.12.2026").arg(1 + i % 28, 2, 10, QChar(u'0')),
                      QStringLiteral("%1:30:00").arg(8 + i % 10, 2, 10, QChar(u'0')),
                      QStringLiteral("Duruşma %1").arg(i),
                      QStringLiteral("Ankara %1. Asliye Hukuk").arg(1 + i % 30),
                      QStringLiteral("2026/%1").arg(i),
                      açıklamalar[i % 4],
                      QString::number(i),
                      2,
                      QString()};
    return l;
}
} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication uygulama(argc, argv);
    QTemporaryDir klasör;
    const QList<İşSatırı> liste = satırlar(10000);
    const QString metinDosyası = klasör.filePath(QStringLiteral("liste.txt"));
    const QString pdf = klasör.filePath(QStringLiteral("liste.pdf"));

    const double metin = ortanca(5, [&] {
        QFile f(metinDosyası);
        f.open(QIODevice::WriteOnly | QIODevice::Truncate);
        QTextStream s(&f);
        for (const İşSatırı& r : liste)
            s << r.tarih << '\t' << r.saat << '\t' << r.konu << '\t' << r.yer << '\t' << r.sayı
              << '\t' << r.açıklama << '\n';
    });
    int sayfa = 0;
    const double yazdırma = ortanca(3, [&] {
        ListeYazdırıcı::pdfYaz(pdf, ListeYazdırıcı::pdfSayfası(), liste,
                               QStringLiteral("Tüm İşler"), Yazdırma::SayıSütunuListe,
                               [&](int s, int) { return (sayfa = s), true; });
    });
    std::printf("Liste yazdırma, 10.000 iş (ortanca süre)\n");
    std::printf("  düz metin dosyası : %8.1f ms (%lld bayt)\n", metin * 1e3,
                QFileInfo(metinDosyası).size());
    std::printf("  PDF, %d sayfa     : %8.1f ms (%lld bayt), sayfa başına %.2f ms\n", sayfa,
                yazdırma * 1e3, QFileInfo(pdf).size(), yazdırma * 1e3 / qMax(sayfa, 1));
    std::printf("  oran PDF / metin  : %8.0f\n", yazdırma / metin);
    return 0;
}
