#pragma once

#include "deadline/TatilTakvimi.h"

#include <QDate>
#include <QStringList>

// The last day on which a deadline can still be met in court, from the day on which it
// ends by the calendar:
// - with the judicial recess extension, a day from 20 July to 31 August becomes 7 September;
// - a day on a weekend or a full-day holiday moves on to the next working day;
// - a half day (an arefe, 28 October) stays: the deadline ends that day before noon. Where
//   the law is unsettled the earlier day is given, so that filing by it is always in time.
// A year whose religious holidays are unknown is said so in the reasons and those holidays
// are not guessed; estimated holiday dates that decided the day are said so too.
struct YasalSonGün {
    QDate tarih;
    // Short reasons in the order in which the rules applied.
    QStringList gerekçeler;
    bool yarımGün = false;

    QString gerekçeMetni() const { return gerekçeler.join(QStringLiteral("; ")); }
};

YasalSonGün yasalSonGünüBul(const QDate& son, bool adliTatilUzatması, const TatilTakvimi& takvim);
