#pragma once

#include <QString>

class QHeaderView;

// Column layout of a job list kept in the settings store: for the column with index i
// (counted from 1 in creation order), "Konum-i" holds its display position (1 = leftmost) and
// "Genislik-i" its width in twips. Every column is kept, hidden ones (width 0) included.
namespace SütunDüzeni {
// Right after the columns were made with their default widths: for each column in index
// order, its position from "Konum-i" (default i), then its width from "Genislik-i" (default:
// its current width).
void uygula(QHeaderView* başlık, const QString& bölüm);
// When the window closes: every column's current position and width.
void kaydet(const QHeaderView* başlık, const QString& bölüm);
} // namespace SütunDüzeni
