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
    // Inputs that start with 0xA5 also go through the store (slow: a file each time), into
    // one of the numeric keys chosen by their length.
    if (veri[0] == 0xA5) {
        static const Ayar sayısal[] = {Ayar::SaklanacakGirişSayısı, Ayar::Veritabanı,
                                       Ayar::Yükseklik, Ayar::GirişŞifresiSor};
        const Ayar ayar = sayısal[boyut % 4];
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
