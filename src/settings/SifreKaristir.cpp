#include "settings/SifreKaristir.h"

QString ŞifreKarıştır(const QString& metin, const QString& alfabe, const QString& anahtar) {
    const qsizetype uzunluk = alfabe.size();
    QString sonuç;
    if (uzunluk == 0 || anahtar.isEmpty())
        return sonuç;
    sonuç.reserve(metin.size());
    qsizetype k = 0;
    for (const QChar c : metin) {
        const qsizetype p = alfabe.indexOf(c);
        const qsizetype d = alfabe.indexOf(anahtar.at(k));
        // Row i of the table is the alphabet turned left by i places; the first row whose
        // character at p is the key character starts with alphabet[(d - p) mod L].
        if (p >= 0 && d >= 0)
            sonuç.append(alfabe.at(((d - p) % uzunluk + uzunluk) % uzunluk));
        k = (k + 1) % anahtar.size();
    }
    return sonuç;
}
