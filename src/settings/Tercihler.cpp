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
            // "0" is what the preferences window stores with keeping turned off, and reads
            // back as keeping off; otherwise a field keeps between 1 and 20 entries, whatever
            // a hand-edited store says.
            const int sayı = ayarSayıOku(Ayar::SaklanacakGirişSayısı);
            t.saklanacakGirişSayısı =
                static_cast<std::uint8_t>(std::clamp(sayı, 0, SaklanacakGirişEnÇok));
            if (t.saklanacakGirişSayısı == 0)
                t.girişlerSaklansın = 0;
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
            // Limited like the entry count: a hand-edited store never stops the start.
            t.sabahÖzetiGünSayısı =
                std::clamp(ayarSayıOku(Ayar::SabahÖzetiGünSayısı), 0, SabahÖzetiEnÇokGün);
        },
    });
}
