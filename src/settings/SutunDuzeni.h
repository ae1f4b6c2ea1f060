#pragma once

#include <QString>

class QAbstractItemView;
class QHeaderView;

// Column layout of a job list kept in the settings store: for the column with index i
// (counted from 1 in creation order), "Konum-i" holds its display position (1 = leftmost) and
// "Genislik-i" its width in twips. Every column is kept, hidden ones (width 0) included.
//
// A width in twips rarely comes to whole pixels (2500 twips are 166.7 pixels); the header
// remembers the twips each column was given, so that a width the user did not change is
// written back exactly as it was read.
namespace SütunDüzeni {
// Gives a column its width in twips; on screen it is at least enAzPiksel wide unless it is
// hidden (0 twips).
void genişlikVer(QHeaderView* başlık, int sütun, int twip, int enAzPiksel = 0);
// The column's width in twips: the twips it was given while the user has not changed it.
int genişlik(const QHeaderView* başlık, int sütun);
// Right after the columns were made with their default widths: for each column in index
// order, its position from "Konum-i" (default i), then its width from "Genislik-i" (default:
// its current width).
void uygula(QHeaderView* başlık, const QString& bölüm);
// When the window closes: every column's current position and width.
void kaydet(const QHeaderView* başlık, const QString& bölüm);
// Pixels a column needs to show a whole short date with the row's small icon.
int tarihGenişliği(const QAbstractItemView* liste);
} // namespace SütunDüzeni
