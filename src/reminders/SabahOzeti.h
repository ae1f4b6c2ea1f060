#pragma once

#include "controls/IsSatiri.h"

#include <QDate>
#include <QList>
#include <QString>

class TatilTakvimi;
class Veritabanı;

// The morning summary: the open jobs of today and of the next few working days.
namespace SabahÖzeti {
// The last day covered: the n-th working day after today (today itself when n is 0). The
// days between, weekends and holidays too, are covered as well.
QDate sonGün(const QDate& bugün, int işGünü, const TatilTakvimi& takvim);

// Whether the summary is due: not yet shown on this computer today.
bool gerekliMi(const QDate& sonGösterilen, const QDate& bugün);

// Jobs not done from ilk to son (both included), by date and time, as job rows.
QList<İşSatırı> işler(Veritabanı& vt, const QDate& ilk, const QDate& son);

// The window's title line.
QString başlık(const QDate& ilk, const QDate& son, int işSayısı);
} // namespace SabahÖzeti
