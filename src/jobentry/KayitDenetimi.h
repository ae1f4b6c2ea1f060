#pragma once

#include <QDate>
#include <QList>
#include <QString>
#include <QTime>

// moc cannot read Turkish identifiers; it needs nothing from this header.
#ifndef Q_MOC_RUN

// The checks of the entry window's save button, without the window: what was typed goes in,
// the boxes to show, in their order, come out.
namespace KayıtDenetimi {

// The entry window's values at the moment of saving.
struct Girdi {
    QDate tarih;     // the date read from the date box; invalid when the box is empty
    int saat = -1;   // the chosen hour, -1 when none is chosen
    int dakika = -1; // the chosen minute, -1 when none is chosen (counts as 0)
    QString konu;    // the subject as typed
    bool yapıldı = false;
    bool hatırlatma = false;
    QDate bugün; // today and now, by the program clock
    QTime şimdi;
};

// The box that takes the focus when the save stops at a check.
enum class Kutu { Tarih, Saat, Konu, Hatırlatma };

struct Uyarı {
    // An information box always stops the save; a question stops it when answered "no".
    bool soru = false;
    QString metin;
    Kutu kutu = Kutu::Tarih;
    bool evetVarsayılan = true;
};

// Every check that applies, in the order the window shows them. The save goes on past a
// question answered "yes" and stops at the first information box or "no".
QList<Uyarı> uyarılar(const Girdi& g);

} // namespace KayıtDenetimi
#endif
