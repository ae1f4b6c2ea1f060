#pragma once

#include <QList>
#include <QString>

class QWidget;

// "Dışa Aktar (iCalendar)...": asks for a file name and writes the listed jobs, given by
// their numbers in list order, into it as calendar events. True when the file was written.
bool TakvimeAktar(QWidget* sahip, const QList<qint32>& numaralar);

inline const QString TakvimeAktarBaşlığı = QStringLiteral("Dışa Aktar (iCalendar)...");
