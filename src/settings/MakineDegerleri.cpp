#include "settings/MakineDegerleri.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QStandardPaths>

#include <algorithm>

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

QString masaüstüExecArgümanı(const QString& argüman) {
    // Characters that a desktop entry's Exec line reserves: an argument holding any of them
    // is written in double quotes, inside which ", `, $ and \ take a backslash.
    static const QString ayrılmış = QStringLiteral(" \t\n\"'\\><~|&;$*?#()`");
    QString sonuç = argüman;
    if (std::any_of(argüman.begin(), argüman.end(), [](QChar c) { return ayrılmış.contains(c); })) {
        sonuç.clear();
        for (QChar c : argüman) {
            if (c == '"' || c == '`' || c == '$' || c == '\\')
                sonuç.append('\\');
            sonuç.append(c);
        }
        sonuç = '"' + sonuç + '"';
    }
    // A lone % would start a field code.
    sonuç.replace('%', QStringLiteral("%%"));
    return sonuç;
}

QString masaüstüDeğeri(const QString& metin) {
    QString sonuç;
    for (QChar c : metin) {
        if (c == '\\')
            sonuç.append(QStringLiteral("\\\\"));
        else if (c == '\n')
            sonuç.append(QStringLiteral("\\n"));
        else if (c == '\t')
            sonuç.append(QStringLiteral("\\t"));
        else if (c == '\r')
            sonuç.append(QStringLiteral("\\r"));
        else
            sonuç.append(c);
    }
    return sonuç;
}

void otomatikBaşlatmaYaz(const QString& programKlasörü) {
    const QString yol = otomatikBaşlatmaDosyası();
    QDir().mkpath(QFileInfo(yol).absolutePath());
    QSaveFile dosya(yol);
    if (!dosya.open(QIODevice::WriteOnly))
        return;
    const QString program = programKlasörü + QStringLiteral("Lodra");
    // GLib looks the first word of Exec up as a file before it turns %% back into %: a
    // program folder holding a % goes through the shell, which is handed the path.
    QStringList komut{program, QStringLiteral("-Simge")};
    if (program.contains('%'))
        komut = QStringList{QStringLiteral("/bin/sh"), QStringLiteral("-c"),
                            QStringLiteral("exec \"$0\" -Simge"), program};
    QStringList exec;
    for (const QString& argüman : komut)
        exec << masaüstüExecArgümanı(argüman);
    // TryExec lets the session skip the entry once the program is uninstalled.
    const QString içerik =
        QStringLiteral("[Desktop Entry]\nType=Application\nName=Tarvela\nTryExec=%1\n"
                       "Exec=%2\nX-GNOME-Autostart-enabled=true\n")
            .arg(masaüstüDeğeri(program), masaüstüDeğeri(exec.join(' ')));
    dosya.write(içerik.toUtf8());
    dosya.commit();
}

void otomatikBaşlatmaSil() {
    QFile::remove(otomatikBaşlatmaDosyası());
}

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

QString kayıtlıKuruluş() {
    return {};
}

} // namespace MakineDeğerleri
