#include "settings/MakineDegerleri.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QStandardPaths>

#ifdef Q_OS_UNIX
#include <pwd.h>
#include <unistd.h>
#endif

namespace MakineDeğerleri {

QString otomatikBaşlatmaDosyası() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/autostart/Tarvela.desktop");
}

QString otomatikBaşlatmaKomutu(const QString& programKlasörü) {
    return programKlasörü + QStringLiteral("Lodra -Simge");
}

void otomatikBaşlatmaYaz(const QString& programKlasörü) {
    const QString yol = otomatikBaşlatmaDosyası();
    QDir().mkpath(QFileInfo(yol).absolutePath());
    QSaveFile dosya(yol);
    if (!dosya.open(QIODevice::WriteOnly))
        return;
    QString komut = otomatikBaşlatmaKomutu(programKlasörü);
    // A desktop entry's Exec needs a program path with blanks quoted.
    const QString program = programKlasörü + QStringLiteral("Lodra");
    if (program.contains(' '))
        komut = '"' + program + QStringLiteral("\" -Simge");
    const QString içerik = QStringLiteral("[Desktop Entry]\nType=Application\nName=Tarvela\n"
                                          "Exec=%1\nX-GNOME-Autostart-enabled=true\n")
                               .arg(komut);
    dosya.write(içerik.toUtf8());
    dosya.commit();
}

void otomatikBaşlatmaSil() { QFile::remove(otomatikBaşlatmaDosyası()); }

void otomatikBaşlatmayıUygula(bool açık, const QString& programKlasörü) {
    if (açık)
        otomatikBaşlatmaYaz(programKlasörü);
    else
        otomatikBaşlatmaSil();
}

QString kayıtlıKullanıcı() {
#ifdef Q_OS_UNIX
    if (const passwd* kayıt = getpwuid(getuid()); kayıt && kayıt->pw_gecos) {
        // The full name is the first comma-separated field of GECOS.
        return QString::fromLocal8Bit(kayıt->pw_gecos).section(QLatin1Char(','), 0, 0);
    }
#endif
    return {};
}

QString kayıtlıKuruluş() { return {}; }

} // namespace MakineDeğerleri
