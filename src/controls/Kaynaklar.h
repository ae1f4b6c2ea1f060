#pragma once

#include <QIcon>
#include <QPixmap>
#include <QString>

// The program's own pictures, looked up by their resource names ("KLASOR_EKLE", "ALARM").
namespace Kaynaklar {
QIcon simge(const QString& ad);
// The picture drawn at the given size in pixels.
QPixmap resim(const QString& ad, const QSize& boyut);
bool varMı(const QString& ad);
} // namespace Kaynaklar
