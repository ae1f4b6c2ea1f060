#include "settings/Tercihler.h"

#include "controls/HataBildirici.h"
#include "settings/AyarTablosu.h"

#include <algorithm>

TercihDeğerleri& tercihler() {
    static TercihDeğerleri değerler;
    return değerler;
}

void tercihleriOku() {
    auto& t = tercihler();
    Adımlar({
        [&] { t.girişlerSaklansın = ayarSayıOku(Ayar::GirişlerSaklansın); },
        [&] {
            // A field keeps between 1 and 20 entries, whatever a hand-edited store says.
            const int sayı = ayarSayıOku(Ayar::SaklanacakGirişSayısı);
            t.saklanacakGirişSayısı = static_cast<std::uint8_t>(std::clamp(sayı, 1, 20));
        },
        [&] { t.ilkHarflerBüyük = ayarSayıOku(Ayar::İlkHarflerBüyük); },
        [&] { t.otomatikBaşlasın = ayarSayıOku(Ayar::OtomatikBaşlasın); },
        [&] { t.arkaplandaÇalışsın = ayarSayıOku(Ayar::ArkaplandaÇalışsın); },
        [&] { t.sesliUyarıBilgisi = ayarSayıOku(Ayar::SesliUyarıBilgisi); },
        [&] { t.sesDosyasıAdı = ayarOku(Ayar::SesDosyasıAdı); },
        [&] { t.sesDosyasıYolu = ayarOku(Ayar::SesDosyasıYolu); },
        [&] { t.hatırlatmaEnÜstte = ayarSayıOku(Ayar::HatırlatmaEnÜstte); },
        [&] { t.kaçırılanHatırlatmalar = ayarSayıOku(Ayar::KaçırılanHatırlatmalar); },
        [&] { t.sabahÖzeti = ayarSayıOku(Ayar::SabahÖzeti); },
        [&] {
            const int gün = ayarSayıOku(Ayar::SabahÖzetiGünSayısı);
            if (gün < 0 || gün > SabahÖzetiEnÇokGün)
                throw Hata(6, QStringLiteral("Taşma: sabah özetinin gün sayısı 0 ile %1 "
                                             "arasında olmalı.")
                                  .arg(SabahÖzetiEnÇokGün));
            t.sabahÖzetiGünSayısı = gün;
        },
    });
}
