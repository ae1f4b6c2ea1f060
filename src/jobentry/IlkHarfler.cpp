#include "jobentry/IlkHarfler.h"

namespace {
constexpr QChar BüyükNoktasızI = u'I';
constexpr QChar BüyükNoktalıİ = u'\u0130';
constexpr QChar KüçükNoktasızı = u'\u0131';
constexpr QChar KüçükNoktalıi = u'i';

// Only the blank character counts here; tabs and other white space stay.
QString boşluklarıAt(const QString& metin) {
    qsizetype baş = 0, son = metin.size();
    while (baş < son && metin[baş] == u' ')
        ++baş;
    while (son > baş && metin[son - 1] == u' ')
        --son;
    return metin.mid(baş, son - baş);
}

void büyüt(QString& metin, qsizetype konum) {
    if (konum >= 0 && konum < metin.size())
        metin[konum] = TürkçeBüyük(metin[konum]);
}
} // namespace

QChar TürkçeBüyük(QChar harf) {
    if (harf == KüçükNoktasızı)
        return BüyükNoktasızI;
    if (harf == KüçükNoktalıi)
        return BüyükNoktalıİ;
    return harf.toUpper();
}

QString İlkHarfleriBüyüt(const QString& metin) {
    QString sonuç = boşluklarıAt(metin);
    sonuç.replace(BüyükNoktasızI, KüçükNoktasızı);
    sonuç.replace(BüyükNoktalıİ, KüçükNoktalıi);
    for (QChar ayırıcı : {u' ', u'/', u'-', u'.'}) {
        for (qsizetype konum = sonuç.indexOf(ayırıcı); konum >= 0;
             konum = sonuç.indexOf(ayırıcı, konum + 1))
            büyüt(sonuç, konum + 1);
        büyüt(sonuç, 0);
    }
    return sonuç;
}

QString TürkçeKüçükHarfli(const QString& metin) {
    QString sonuç = metin;
    sonuç.replace(BüyükNoktasızI, KüçükNoktasızı);
    sonuç.replace(BüyükNoktalıİ, KüçükNoktalıi);
    return sonuç.toLower();
}
