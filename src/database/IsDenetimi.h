#pragma once

#include "controls/IsSatiri.h"

#include <QString>
#include <optional>

class Veritabanı;

// moc cannot read Turkish identifiers; it needs nothing from this header.
#ifndef Q_MOC_RUN

// Changes made from a list on screen while other computers work on the same file: a change
// is written only when the job still reads as the list showed it, and must change exactly
// that one row. Otherwise nothing is written and Reddedilen says what happened.
namespace İşDenetimi {
// The job as a list row shows it (texts as on screen, icon, folder key); none when the file
// no longer holds it.
std::optional<İşSatırı> oku(Veritabanı& vt, qint32 isNo);

// Whether the file's row is what the list showed: every shown column and the icon, and the
// folder key when the shown row carries one.
bool gösterildiğiGibiMi(const İşSatırı& gösterilen, const İşSatırı& dosyada);

// Runs the update or delete of the shown job in one write transaction, after reading the job
// inside it. Throws Reddedilen (3167) when the job is gone, (3197) when it differs from what
// was shown or the statement did not change exactly one row.
// With a target folder (a move) the folder must be in the file too (Reddedilen 3201).
void yaz(Veritabanı& vt, const İşSatırı& gösterilen, const QString& deyim,
         const QString& hedefKlasör = QString());

// The user's message for a job that is gone, and for one that reads differently now.
QString silinmişMesajı();
QString değişmişMesajı(const İşSatırı& dosyada);
} // namespace İşDenetimi
#endif
