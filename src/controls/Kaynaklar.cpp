#include "controls/Kaynaklar.h"

#include <QFile>
#include <QPainter>
#include <QSvgRenderer>

// The resources are compiled into the static library; naming their initialiser here makes
// the linker keep them in every program that shows a picture.
static void kaynaklarıBağla() {
    static const bool bağlandı = [] {
        Q_INIT_RESOURCE(tarvela);
        return true;
    }();
    (void)bağlandı;
}

namespace {
QString yol(const QString& ad) {
    kaynaklarıBağla();
    return QStringLiteral(":/simgeler/") + ad + QStringLiteral(".svg");
}
} // namespace

namespace Kaynaklar {
QIcon simge(const QString& ad) { return QIcon(yol(ad)); }

QPixmap resim(const QString& ad, const QSize& boyut) {
    QPixmap resim(boyut);
    resim.fill(Qt::transparent);
    QSvgRenderer çizici(yol(ad));
    QPainter ressam(&resim);
    çizici.render(&ressam);
    return resim;
}

bool varMı(const QString& ad) { return QFile::exists(yol(ad)); }
} // namespace Kaynaklar
