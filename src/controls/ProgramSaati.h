#pragma once

#include <QDate>
#include <QDateTime>
#include <QTime>

// The one clock of the program. Every "now" and "today" reads it; tests set it.
namespace ProgramSaati {
QDateTime şimdi();
QDate bugün();
QTime şuAn();

// Fixes the clock at the given moment (tests). It stays there until moved or released.
void ayarla(const QDateTime& an);
// Moves a fixed clock on by the given number of seconds.
void ilerlet(qint64 saniye);
// Back to the system clock.
void serbestBırak();
bool ayarlıMı();
} // namespace ProgramSaati
