#pragma once

#include <QString>
#include <QStringList>

// Draws the entry window (filled in with an example job, as while typing) and the calendar
// picker into PNG files in the folder: "IsEklemeDegistirmeFormu.png" and "TakvimFormu.png".
// Returns the files written; nothing touches the database or the settings store.
QStringList İşGirişiEkranGörüntüleriniAl(const QString& klasör);
