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

// The straight and the typographic apostrophe: Turkish writes the suffix of a proper name
// after one ("İZMİR’de").
bool kesmeMi(QChar c) {
    return c == u'\'' || c == u'\u2019';
}

bool küçükHarfVar(QStringView parça) {
    for (const QChar c : parça)
        if (c.isLower())
            return true;
    return false;
}

// Marks the characters that keep every letter as typed: a word (a run between separators)
// without a small letter was typed in capitals on purpose ("KADIKÖY", "2026/154 E."), and so
// was the part of a word before an apostrophe that has no small letter ("İZMİR" of
// "İZMİR'de"), whose suffix follows the rule.
QList<bool> büyükHarfliKelimeler(const QString& metin) {
    QList<bool> korunan(metin.size(), false);
    qsizetype baş = 0;
    while (baş < metin.size()) {
        qsizetype son = baş;
        while (son < metin.size() && !ayırıcıMı(metin[son]))
            ++son;
        const QStringView kelime = QStringView(metin).mid(baş, son - baş);
        if (!küçükHarfVar(kelime)) {
            for (qsizetype i = baş; i < son; ++i)
                korunan[i] = true;
        } else {
            qsizetype parçaBaşı = baş;
            for (qsizetype i = baş; i < son; ++i) {
                if (!kesmeMi(metin[i]))
                    continue;
                if (!küçükHarfVar(QStringView(metin).mid(parçaBaşı, i - parçaBaşı)))
                    for (qsizetype j = parçaBaşı; j < i; ++j)
                        korunan[j] = true;
                parçaBaşı = i + 1;
            }
        }
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
