// Stored setting texts of any form: a number reads as that number or throws Hata (never
// anything else), and the number written back reads the same.

#include "controls/Hata.h"
#include "settings/AyarDeposu.h"
#include "settings/AyarTablosu.h"

#include <QCoreApplication>
#include <QDir>
#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    // A settings folder of the fuzzer's own, never the user's.
    const QString klasör = QDir::tempPath() + "/tarvela-ayar-fuzz";
    QDir().mkpath(klasör);
    qputenv("XDG_CONFIG_HOME", klasör.toUtf8());
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* veri, size_t boyut) {
    if (boyut == 0)
        return 0;
    const QString metin =
        QString::fromUtf8(reinterpret_cast<const char*>(veri + 1), qsizetype(boyut - 1));
    try {
        const int sayı = sayıyaÇevir(metin, "Fuzz");
        if (sayıyaÇevir(QString::number(sayı), "Fuzz") != sayı)
            std::abort();
    } catch (const Hata& h) {
        if (h.numara() != HataNo::GeçersizSayı)
            std::abort();
    }
    // One in eight inputs also goes through the store, into one of the numeric keys.
    if ((veri[0] & 7) == 0) {
        static const Ayar sayısal[] = {Ayar::SaklanacakGirişSayısı, Ayar::Veritabanı,
                                       Ayar::Yükseklik, Ayar::GirişŞifresiSor};
        const Ayar ayar = sayısal[(veri[0] >> 3) % 4];
        ayarYaz(ayar, metin);
        try {
            if (ayar == Ayar::GirişŞifresiSor)
                ayarBayrakOku(ayar);
            else
                ayarSayıOku(ayar, 0);
        } catch (const Hata& h) {
            if (h.numara() != HataNo::GeçersizSayı)
                std::abort();
        }
    }
    return 0;
}
