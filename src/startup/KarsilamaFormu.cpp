#include "startup/KarsilamaFormu.h"

#include "controls/Kaynaklar.h"
#include "controls/Twip.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>

KarşılamaFormu::KarşılamaFormu(QWidget* üst)
    : QWidget(üst, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
    setObjectName(QStringLiteral("KarşılamaFormu"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(twipten(GenişlikTwip), twipten(YükseklikTwip));
    if (QScreen* ekran = QGuiApplication::primaryScreen())
        move(ekran->geometry().center() - rect().center());
}

void KarşılamaFormu::paintEvent(QPaintEvent*) {
    QPainter ressam(this);
    ressam.drawPixmap(rect(), Kaynaklar::resim(QStringLiteral("KARSILAMA"), size()));
}

void KarşılamaFormu::mousePressEvent(QMouseEvent* olay) {
    olay->accept();
    close();
}
