#include "jobentry/IlkHarfler.h"

#include <QList>

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

bool ayırıcıMı(QChar c) {
    return c == u' ' || c == u'/' || c == u'-' || c == u'.';
}

// Marks the characters of every word (a run between separators) that has no small letter:
// such a word was typed in capitals on purpose ("KADIKÖY", "2026/154 E.") and keeps every
// letter as typed.
QList<bool> büyükHarfliKelimeler(const QString& metin) {
    QList<bool> korunan(metin.size(), false);
    qsizetype baş = 0;
    while (baş < metin.size()) {
        qsizetype son = baş;
        bool küçükVar = false;
        for (; son < metin.size() && !ayırıcıMı(metin[son]); ++son)
            küçükVar = küçükVar || metin[son].isLower();
        for (qsizetype i = baş; i < son; ++i)
            korunan[i] = !küçükVar;
        baş = son + 1;
    }
    return korunan;
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
    const QList<bool> korunan = büyükHarfliKelimeler(sonuç);
    for (qsizetype i = 0; i < sonuç.size(); ++i) {
        if (korunan[i])
            continue;
        if (sonuç[i] == BüyükNoktasızI)
            sonuç[i] = KüçükNoktasızı;
        else if (sonuç[i] == BüyükNoktalıİ)
            sonuç[i] = KüçükNoktalıi;
    }
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
