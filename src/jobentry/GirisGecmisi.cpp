#include "jobentry/GirisGecmisi.h"

#include "jobentry/IlkHarfler.h"
#include "settings/AyarDeposu.h"

#include <utility>

GirişGeçmişi::GirişGeçmişi(QString bölüm) : bölüm_(std::move(bölüm)) {}

void GirişGeçmişi::yükle() {
    for (const auto& [anahtar, değer] : AyarDeposu::GetAllSettings(bölüm_)) {
        Q_UNUSED(anahtar);
        liste_.append(değer);
    }
}

bool GirişGeçmişi::içerir(const QString& metin) const {
    const QString aranan = TürkçeKüçükHarfli(metin);
    for (const QString& giriş : liste_)
        if (TürkçeKüçükHarfli(giriş) == aranan)
            return true;
    return false;
}

bool GirişGeçmişi::ekle(const QString& metin, int üstSınır) {
    const int sayı = static_cast<int>(liste_.size());
    // With a cap of 0 the new entry would drop out again at once.
    if (üstSınır <= 0 || sayı > üstSınır || metin.isEmpty() || içerir(metin))
        return false;
    liste_.prepend(metin);
    if (sayı < üstSınır) {
        // The store gets the new entry at its end while the list shows it on top.
        AyarDeposu::SaveSetting(bölüm_, anahtar(sayı + 1), metin);
        return true;
    }
    liste_.removeLast();
    for (int i = 0; i < liste_.size(); ++i)
        AyarDeposu::SaveSetting(bölüm_, anahtar(i + 1), liste_[i]);
    return true;
}
