#pragma once

#include "controls/IsSatiri.h"

#include <QString>

class QWidget;

// Opening the one job entry window of the run, as the job list and the reminder window do.

// Add mode: the caption, the editing state, tag "Ekle", the remind box ticked; shown
// modally over the owner. The job goes into the folder selected in the tree when saved.
void İşEklemeyiAç(QWidget* sahip, const QString& başlık);

// Change mode, filled from a list row: date, hour and minute from the time text, subject,
// place, number, description, the remind box ticked when the row's icon is 1 (the done box
// starts cleared and enabled); caption and tag (the job number) set; shown modally. With
// enÜstte the entry window and its calendar stay above an always-on-top owner.
void İşDeğiştirmeyiAç(QWidget* sahip, const İşSatırı& satır, const QString& başlık,
                      bool enÜstte = false);
