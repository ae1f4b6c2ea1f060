#include "startup/IsletimSistemi.h"

#include <QOperatingSystemVersion>
#include <QSysInfo>

DenetimSonucu işletimSistemiDenetle(const SürümKaydı& kayıt) {
    if (!kayıt.okundu)
        return {false, false};
    const bool nt = kayıt.platformKimliği == 2;
    if (nt && kayıt.anaSürüm < 4)
        return {false, nt};
    if (nt && kayıt.anaSürüm == 4) {
        const int nul = kayıt.servisPaketi.indexOf('\0');
        const QByteArray paket = nul >= 0 ? kayıt.servisPaketi.left(nul) : kayıt.servisPaketi;
        if (paket == "Service Pack 1" || paket == "Service Pack 2")
            return {false, nt};
    }
    return {true, nt};
}

SürümKaydı buSisteminKaydı() {
    SürümKaydı kayıt;
    kayıt.okundu = true;
    kayıt.platformKimliği = 2;
    const auto sürüm = QOperatingSystemVersion::current();
    if (sürüm.type() == QOperatingSystemVersion::Windows) {
        kayıt.anaSürüm = sürüm.majorVersion();
        kayıt.altSürüm = sürüm.minorVersion();
    } else {
        // Other systems have no version in the NT sense; their kernel's version stands in.
        const QStringList parçalar = QSysInfo::kernelVersion().split('.');
        kayıt.anaSürüm = qMax(5, parçalar.value(0).toInt());
        kayıt.altSürüm = parçalar.value(1).toInt();
    }
    return kayıt;
}
