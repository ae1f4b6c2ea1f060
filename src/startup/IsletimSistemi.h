#pragma once

#include <QByteArray>

// What the platform tells about the operating system's version.
struct SürümKaydı {
    bool okundu = false;          // whether the platform answered at all
    int platformKimliği = 0;      // 2 for the NT family
    int anaSürüm = 0;
    int altSürüm = 0;
    QByteArray servisPaketi;      // may hold text after a NUL; only the part before counts
};

struct DenetimSonucu {
    bool uygun = false;
    bool ntBayrağı = false;
};

// The operating-system check: NT systems before 4.0 and 4.0 with service pack 1 or 2 are
// refused, as is a platform that cannot say its version.
DenetimSonucu işletimSistemiDenetle(const SürümKaydı& kayıt);

// The record of the system the program runs on. Off Windows it describes a current system
// of the NT family's kind, so it passes.
SürümKaydı buSisteminKaydı();

inline constexpr const char* EskiSistemMesajı =
    "Programın çalışabilmesi için bilgisayarınızda NT 4.0 ile \"Servis Pack 3\" veya daha "
    "yüksek bir sürümün yüklü olması gerekiyor.";
