// The fields of the two tables: what the schema check, the translator and both engines
// agree on. Kept apart from the set-up code so that the translator needs nothing else.
#include "database/VeritabaniKurulumu.h"

namespace VeritabanıKurulumu {

const QStringList& klasörAlanları() {
    static const QStringList alanlar = {"Anahtari", "Bagi", "Adi"};
    return alanlar;
}

const QStringList& işAlanları() {
    static const QStringList alanlar = {"IsNo",       "Anahtari", "IsinTarihi", "IsinSaati",
                                        "IsinKonusu", "IsinYeri", "IsinSayisi", "Aciklama",
                                        "Hatirlatma", "IsYapildi"};
    return alanlar;
}

bool metinAlanıMı(const QString& alan) {
    static const QStringList alanlar = {"Anahtari", "Bagi",       "Adi",     "IsinKonusu",
                                        "IsinYeri", "IsinSayisi", "Aciklama"};
    return alanlar.contains(alan, Qt::CaseInsensitive);
}

} // namespace VeritabanıKurulumu
