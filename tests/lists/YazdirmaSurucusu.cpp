// Prints a two-page job list through the program's print path and checks the printed PDF's
// text positions with poppler's pdftotext -bbox.
//   yazdir <printer or "PDF dosyası"> [pdf]   prints; on success writes "ALAN left top width
//                                             height", the printable area in mm
//   denetle <pdf> <left> <top> <width> <height>   exit 0 when the layout is right, else 1

#include "TestOrtami.h"

#include "controls/MesajKutusu.h"
#include "controls/Modal.h"
#include "lists/ListeYazdirici.h"
#include "lists/YaziciSecmeFormu.h"

#include <QComboBox>
#include <QFileDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QPushButton>
#include <QTextStream>
#include <QXmlStreamReader>
#include <cmath>
#include <cstdio>

namespace {
const QString Başlık = QStringLiteral("Klasörlerim - Deneme Listesi");
constexpr double Pay = 0.8; // mm

QTextStream& çıktı() {
    static QTextStream s(stdout);
    return s;
}

// Seventy rows make two pages on every common paper size.
QList<İşSatırı> ikiSayfalıkListe() {
    QList<İşSatırı> l;
    for (int i = 1; i <= 70; ++i) {
        const QString n = QString::number(i);
        l << İşSatırı("05.12.2026", "14:35:00", "Duruşma " + n, "Ankara Adliyesi", "2026/" + n,
                      "Dosya hazır", n, 2, QString());
    }
    return l;
}

int yazdır(const QString& yazıcı, const QString& dosya) {
    ModalTest::sıradaki([yazıcı](QDialog* p) {
        auto* form = static_cast<YazıcıSeçmeFormu*>(p);
        form->YazıcıAdlarıKutusu->setCurrentIndex(form->YazıcıAdlarıKutusu->findText(yazıcı));
        form->TamamDüğmesi->click();
    });
    ModalTest::sıradaki([dosya](QDialog* p) {
        static_cast<QFileDialog*>(p)->selectFile(dosya);
        p->accept();
    });
    const YazdırmaSonucu sonuç = ListeyiYazdır(nullptr, ikiSayfalıkListe(), Başlık);
    if (sonuç != YazdırmaSonucu::Yazdırıldı) {
        çıktı() << "yazdirilamadi: " << int(sonuç) << ' ' << MesajKutusuTest::son().metin << '\n';
        return 1;
    }
    const QPageLayout sayfa = yazıcı == Yazıcılar::PdfDosyası
                                  ? ListeYazdırıcı::pdfSayfası()
                                  : QPrinter(QPrinterInfo::printerInfo(yazıcı)).pageLayout();
    const QRectF alan = sayfa.paintRect(QPageLayout::Millimeter);
    çıktı() << "ALAN " << alan.left() << ' ' << alan.top() << ' ' << alan.width() << ' '
            << alan.height() << '\n';
    return 0;
}

struct Sözcük {
    int sayfa;
    QRectF kutu; // mm
    QString metin;
};

QList<Sözcük> sözcükler(const QString& pdf, int& sayfaSayısı, QStringList& hatalar) {
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
    p.waitForFinished(60000);
    // Letters outside Latin-1 (ı, ş, ğ) lose their text on a queue's PostScript step and come
    // back as control characters, which XML refuses; the words checked here have none.
    QByteArray xml = p.readAllStandardOutput();
    for (char& c : xml)
        if (uchar(c) < 0x20 && c != '\n')
            c = ' ';
    QXmlStreamReader x(xml);
    QList<Sözcük> liste;
    sayfaSayısı = 0;
    constexpr double mm = 25.4 / 72;
    while (!x.atEnd()) {
        if (x.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (x.name() == u"page") {
            ++sayfaSayısı;
        } else if (x.name() == u"word") {
            const auto a = x.attributes();
            auto d = [&](const char* ad) { return a.value(QLatin1String(ad)).toDouble() * mm; };
            const QRectF kutu(QPointF(d("xMin"), d("yMin")), QPointF(d("xMax"), d("yMax")));
            liste.append({sayfaSayısı, kutu, x.readElementText().trimmed()});
        }
    }
    if (x.hasError())
        hatalar << QStringLiteral("pdftotext çıktısı okunamadı: ") + x.errorString();
    return liste;
}

int denetle(const QString& pdf, double sol, double üst, double W, double H) {
    int sayfaSayısı = 0;
    QStringList hatalar;
    const QList<Sözcük> s = sözcükler(pdf, sayfaSayısı, hatalar);
    auto yakın = [&](double olan, double beklenen, const QString& ne) {
        if (std::abs(olan - beklenen) > Pay)
            hatalar << QStringLiteral("%1: %2 mm, beklenen %3 mm").arg(ne).arg(olan).arg(beklenen);
    };
    auto bul = [&](int sayfa, const QString& metin) -> const Sözcük* {
        for (const Sözcük& w : s)
            if (w.sayfa == sayfa && w.metin == metin)
                return &w;
        hatalar << QStringLiteral("sayfa %1: \"%2\" yok").arg(sayfa).arg(metin);
        return nullptr;
    };
    if (sayfaSayısı != 2)
        hatalar << QStringLiteral("%1 sayfa, beklenen 2").arg(sayfaSayısı);

    // The title: centred across the printable width, at 10 mm; real font widths decide it.
    double solUç = 1e9, sağUç = -1e9;
    for (const Sözcük& w : s)
        if (w.sayfa == 1 && std::abs(w.kutu.top() - (üst + 10)) < 2) {
            solUç = qMin(solUç, w.kutu.left());
            sağUç = qMax(sağUç, w.kutu.right());
        }
    yakın((solUç + sağUç) / 2, sol + W / 2, QStringLiteral("başlığın ortası"));

    for (int p = 1; p <= 2; ++p) {
        const QString sp = QStringLiteral("sayfa %1, ").arg(p);
        const std::pair<const char*, double> başlıklar[] = {
            {"Tarihi", 15}, {"Saati", 35}, {"Konusu", 48}, {"Yeri", 80}};
        for (const auto& [metin, x] : başlıklar)
            if (const Sözcük* w = bul(p, QString::fromLatin1(metin))) {
                yakın(w->kutu.left(), sol + x, sp + w->metin + QStringLiteral(" x"));
                yakın(w->kutu.top(), üst + 20, sp + w->metin + QStringLiteral(" y"));
            }
        // The footer "Sayfa - n": 15 mm above the bottom, its right end 10 mm from the right.
        if (const Sözcük* w = bul(p, QStringLiteral("Sayfa")))
            yakın(w->kutu.top(), üst + H - 15, sp + QStringLiteral("alt bilgi y"));
        for (const Sözcük& w : s)
            if (w.sayfa == p && w.metin == QString::number(p) &&
                std::abs(w.kutu.top() - (üst + H - 15)) < 2)
                yakın(w.kutu.right(), sol + W - 10, sp + QStringLiteral("alt bilginin sağ ucu"));
    }

    for (const QString& h : hatalar)
        çıktı() << "HATA " << h << '\n';
    çıktı() << (hatalar.isEmpty() ? "dizilim dogru\n" : "");
    return hatalar.isEmpty() ? 0 : 1;
}
} // namespace

int main(int argc, char** argv) {
    TestOrtami ortam(argc, argv);
    const QStringList a = QCoreApplication::arguments();
    int sonuç = 2;
    if (a.size() >= 3 && a[1] == u"yazdir")
        sonuç = yazdır(a[2], a.value(3));
    else if (a.size() == 7 && a[1] == u"denetle")
        sonuç = denetle(a[2], a[3].toDouble(), a[4].toDouble(), a[5].toDouble(), a[6].toDouble());
    else
        çıktı() << "kullanım: yazdir <yazıcı> [pdf] | denetle <pdf> <sol> <üst> <gen> <yük>\n";
    çıktı().flush();
    return sonuç;
}
