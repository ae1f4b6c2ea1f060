#include "search/Arama.h"

#include "database/Deyimler.h"
#include "database/Veritabani.h"

#include <QTextBoundaryFinder>
#include <iterator>

namespace Arama {

QString alan(int sıra) {
    static const char* const alanlar[] = {"IsinKonusu", "IsinYeri", "Aciklama"};
    if (sıra < 0 || sıra >= int(std::size(alanlar)))
        return QString();
    return QString::fromLatin1(alanlar[sıra]);
}

bool reddedilir(QChar c) {
    return c == u'\'' || c == u'#' || c == u'*' || c == u'?';
}

QString süz(const QString& metin) {
    QString sonuç;
    sonuç.reserve(metin.size());
    for (QChar c : metin)
        if (!reddedilir(c))
            sonuç += c;
    return sonuç;
}

int karakterSayısı(const QString& metin) {
    QTextBoundaryFinder sınırlar(QTextBoundaryFinder::Grapheme, metin);
    int sayı = 0;
    while (sınırlar.toNextBoundary() > 0)
        ++sayı;
    return sayı;
}

QString kırp(const QString& metin) {
    return metin.trimmed();
}

bool yeterliMi(const QString& kırpılmış) {
    return karakterSayısı(kırpılmış) >= EnAzKarakter;
}

QString deyim(int sıra, const QString& metin) {
    return Deyim::J14(alan(sıra), metin);
}

void ara(Veritabanı& vt, int sıra, const QString& metin, QList<Sonuç>& sonuçlar) {
    auto kayıtlar = vt.OpenRecordset(deyim(sıra, metin), Veritabanı::Okuma::Tamamı);
    const int değerNo = kayıtlar->alanNo(alan(sıra));
    const int isNoNo = kayıtlar->alanNo(QStringLiteral("IsNo"));
    const int anahtarNo = kayıtlar->alanNo(QStringLiteral("Anahtari"));
    for (; !kayıtlar->Eof(); kayıtlar->MoveNext())
        sonuçlar.append({kayıtlar->alan(değerNo).toString(), kayıtlar->alan(isNoNo).toLongLong(),
                         kayıtlar->alan(anahtarNo).toString()});
    kayıtlar->Close();
}

QString sonuçSatırı(int sayı) {
    return QStringLiteral("(") + QString::number(sayı) + QStringLiteral(" iş bulundu!)");
}

} // namespace Arama
