// SimgeCiz: draws an SVG picture into square PNG files, one per size, for the icon theme.
//
//   SimgeCiz KAYNAK.svg HEDEF_KLASÖRÜ BOYUT...
//
// Writes HEDEF_KLASÖRÜ/BOYUTxBOYUT/apps/<name of KAYNAK without .svg>.png for each size.

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>

int main(int argc, char** argv) {
    // Drawing needs no display: the build may run on a machine without one.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication uygulama(argc, argv);
    const QStringList args = uygulama.arguments().mid(1);
    if (args.size() < 3) {
        std::fprintf(stderr, "Kullanım: SimgeCiz KAYNAK.svg HEDEF_KLASÖRÜ BOYUT...\n");
        return 2;
    }
    QSvgRenderer çizici(args[0]);
    if (!çizici.isValid()) {
        std::fprintf(stderr, "SimgeCiz: okunamadı: %s\n", qPrintable(args[0]));
        return 1;
    }
    const QString ad = QFileInfo(args[0]).completeBaseName();
    for (const QString& boyutMetni : args.mid(2)) {
        bool tamam = false;
        const int boyut = boyutMetni.toInt(&tamam);
        if (!tamam || boyut <= 0 || boyut > 4096) {
            std::fprintf(stderr, "SimgeCiz: geçersiz boyut: %s\n", qPrintable(boyutMetni));
            return 2;
        }
        QImage resim(boyut, boyut, QImage::Format_ARGB32_Premultiplied);
        resim.fill(Qt::transparent);
        {
            QPainter boya(&resim);
            boya.setRenderHint(QPainter::Antialiasing);
            çizici.render(&boya, QRectF(0, 0, boyut, boyut));
        }
        const QString klasör = QStringLiteral("%1/%2x%2/apps").arg(args[1]).arg(boyut);
        if (!QDir().mkpath(klasör) || !resim.save(klasör + '/' + ad + QStringLiteral(".png"))) {
            std::fprintf(stderr, "SimgeCiz: yazılamadı: %s\n", qPrintable(klasör));
            return 1;
        }
    }
    return 0;
}
