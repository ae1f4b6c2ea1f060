#include "controls/Kaynaklar.h"

#include <QFile>
#include <QPainter>
#include <QSvgRenderer>

namespace {
QString yol(const QString& ad) { return QStringLiteral(":/simgeler/") + ad + QStringLiteral(".svg"); }
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
