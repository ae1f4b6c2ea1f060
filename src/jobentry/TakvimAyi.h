#pragma once

#include <QDate>
#include <QString>
#include <QStringList>
#include <array>

// One month laid out on the picker's grid of 37 day cells: cell i stands in column i mod 7
// (Monday to Sunday) and row i div 7; day 1 falls in the column of its weekday.
class TakvimAyı {
public:
    static constexpr int HücreSayısı = 37;
    static constexpr int İlkYıl = 1900;
    static constexpr int SonYıl = 2100;

    TakvimAyı(int yıl, int ay);

    int yıl() const { return yıl_; }
    int ay() const { return ay_; }
    // Cells before day 1: 0 when the month starts on a Monday, 6 on a Sunday.
    int kayma() const { return kayma_; }
    // The day number shown in a cell; 0 for an empty cell or a position outside the grid.
    int gün(int hücre) const;
    // The cell to select for a day: the day's own cell, or day 1's cell when the month has
    // no such day (31 in a 30-day month).
    int hücre(int gün) const;
    // The cell reached from a cell by a step (±1, ±7); -1 when that is empty or outside.
    int adım(int hücre, int fark) const;
    QDate tarih(int hücre) const;

    static bool yılGösterilebilirMi(int yıl) { return yıl >= İlkYıl && yıl <= SonYıl; }

private:
    int yıl_;
    int ay_;
    int kayma_;
    std::array<int, HücreSayısı> günler_{};
};

// Names in the user's locale: abbreviated weekdays Monday first, full month names January
// first.
QStringList günAdları();
QStringList ayAdları();
