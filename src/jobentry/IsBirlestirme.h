#pragma once

#include "controls/IsSatiri.h"

#include <QList>
#include <QString>
#include <array>

class KayıtKümesi;

// moc cannot read Turkish identifiers; it needs nothing from this header.
#ifndef Q_MOC_RUN

// Saving a changed job while another computer may have changed it too: the job as the entry
// window showed it (the base), as the user leaves it, and as the file holds it now. A field
// that only one side changed keeps that side's value; for a field both changed the user
// chooses.
namespace İşBirleştirme {
enum Alan { Tarih, Saat, Konu, Yer, Sayı, Açıklama, Hatırlatma, Yapıldı, AlanSayısı };

// Every field as text, as the entry window holds it: the date in the short form, the time as
// HH:MM, the yes/no fields as "1" or "0".
using Değerler = std::array<QString, AlanSayısı>;

// The job's fields in the recordset's current row.
Değerler dosyadan(const KayıtKümesi& kayıt);
// The fields of a list row as the window showed them. A done job's row does not show its
// remind flag, which then counts as unchanged (the file's).
Değerler gösterilenden(const İşSatırı& satır, const Değerler& dosyada);

// The fields in which b differs from a.
QList<Alan> farklar(const Değerler& a, const Değerler& b);
// The values to store: each field from the side that changed it; where both did, the user's
// when benimki, the file's otherwise.
Değerler birleştir(const Değerler& taban, const Değerler& benim, const Değerler& dosyada,
                   bool benimki);
// Whether both sides changed a field to different values.
bool çakışmaVar(const Değerler& taban, const Değerler& benim, const Değerler& dosyada);
// The question put to the user: what the other computer changed and, when both changed a
// field, what the choices do (Yes, No, Cancel); otherwise Yes saves both, No goes back.
QString soru(const Değerler& taban, const Değerler& benim, const Değerler& dosyada);
} // namespace İşBirleştirme
#endif
