// Renders every window of the program to a PNG file, offscreen, over a demo database made for
// the purpose: `make screenshots` writes them under the build folder.

#include "Pencereler.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QTextStream>
#include <QWidget>

int main(int argc, char** argv) {
    QTemporaryDir çalışma;
    qputenv("XDG_CONFIG_HOME", (çalışma.path() + QStringLiteral("/ayarlar")).toUtf8());
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication uygulama(argc, argv);

    QString hedefKlasör = qEnvironmentVariable("TARVELA_EKRAN_KLASORU");
    if (hedefKlasör.isEmpty())
        hedefKlasör = argc > 1 ? QString::fromLocal8Bit(argv[1])
                               : QDir::currentPath() + QStringLiteral("/ekran-goruntuleri");
    QDir().mkpath(hedefKlasör);

    QStringList yazılanlar;
    herPencereyiAç(çalışma.path(), [&](QWidget* pencere, const QString& ad) {
        const QString dosya = hedefKlasör + '/' + ad + QStringLiteral(".png");
        if (pencere->grab().save(dosya))
            yazılanlar << dosya;
    });

    QTextStream çıktı(stdout);
    for (const QString& dosya : yazılanlar)
        çıktı << dosya << '\n';
    çıktı << yazılanlar.size() << " pencere resmi yazıldı.\n";
    return yazılanlar.size() >= 17 ? 0 : 1;
}
