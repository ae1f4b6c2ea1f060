#pragma once

// Sizes and positions are kept in twips; a pixel is always 15 twips.
inline constexpr int TwipPerPiksel = 15;
inline constexpr int pikselden(int piksel) {
    return piksel * TwipPerPiksel;
}
inline constexpr int twipten(int twip) {
    return twip / TwipPerPiksel;
}

#include <QRect>

// A rectangle given in twips, in pixels.
inline QRect twipAlanı(int sol, int üst, int genişlik, int yükseklik) {
    return QRect(twipten(sol), twipten(üst), twipten(genişlik), twipten(yükseklik));
}

#include <QWidget>

// The windows' layouts in twips were measured for an 8-point face; a larger desktop face
// would cut captions off, so a window laid out that way keeps to 8 points.
inline void tasarımYazısıKullan(QWidget* pencere) {
    QFont yazı = pencere->font();
    if (yazı.pointSizeF() > 8) {
        yazı.setPointSizeF(8);
        pencere->setFont(yazı);
    }
}
