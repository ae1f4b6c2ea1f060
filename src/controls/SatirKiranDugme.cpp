#include "controls/SatirKiranDugme.h"

#include <QStyleOptionButton>
#include <QStylePainter>

namespace {
constexpr int Bayraklar = Qt::AlignCenter | Qt::TextWordWrap | Qt::TextShowMnemonic;
}

SatırKıranDüğme::SatırKıranDüğme(const QString& başlık, QWidget* üst) : QPushButton(başlık, üst) {}

QRect SatırKıranDüğme::başlıkAlanı(const QRect& düğmeAlanı) const {
    QStyleOptionButton seçenek;
    initStyleOption(&seçenek);
    seçenek.rect = düğmeAlanı;
    return style()->subElementRect(QStyle::SE_PushButtonContents, &seçenek, this);
}

int SatırKıranDüğme::heightForWidth(int genişlik) const {
    const QRect alan = başlıkAlanı(QRect(0, 0, genişlik, 1000));
    const QRect gereken =
        fontMetrics().boundingRect(QRect(0, 0, alan.width(), 1000), Bayraklar, text());
    const int kenar = 1000 - alan.height();
    return qMax(sizeHint().height(), gereken.height() + kenar + 2);
}

void SatırKıranDüğme::paintEvent(QPaintEvent* olay) {
    const QRect alan = başlıkAlanı(rect());
    const QRect tekSatır = fontMetrics().boundingRect(QRect(0, 0, 100000, alan.height()),
                                                      Qt::TextShowMnemonic, text());
    if (tekSatır.width() <= alan.width()) {
        QPushButton::paintEvent(olay);
        return;
    }
    // The button without its caption, then the caption in lines within the same area.
    QStylePainter boyacı(this);
    QStyleOptionButton seçenek;
    initStyleOption(&seçenek);
    seçenek.text.clear();
    boyacı.drawControl(QStyle::CE_PushButton, seçenek);
    int bayraklar = Bayraklar;
    if (!style()->styleHint(QStyle::SH_UnderlineShortcut, &seçenek, this))
        bayraklar = (bayraklar & ~Qt::TextShowMnemonic) | Qt::TextHideMnemonic;
    boyacı.drawItemText(alan, bayraklar, palette(), isEnabled(), text(), QPalette::ButtonText);
}
