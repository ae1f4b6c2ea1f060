#pragma once

#include <QByteArray>
#include <QDate>
#include <QList>
#include <QString>
#include <QTime>

class Veritabanı;

// Jobs written to an iCalendar (.ics) file that phone and web calendars import.
namespace TakvimDosyası {

struct İş {
    qint32 isNo = 0;
    QDate tarih;
    QTime saat;
    QString konu;
    QString yer;
    QString sayı;
    QString açıklama;
    bool hatırlatma = false;
    bool yapıldı = false;
};

// The jobs of the given numbers, in that order; numbers no longer in the database are left
// out.
QList<İş> oku(Veritabanı& vt, const QList<qint32>& numaralar);

// The identity of a job in calendars: its number and the identity of the database it lives
// in (Veritabanı::kimlik, which the file carries and no path changes), so that importing the
// same job again, exported on any computer of the office, updates the event instead of
// adding a second one.
QString kimlik(qint32 isNo, const QString& veritabanıKimliği);

// The calendar text: one event per job at its date and time in the time zone named (an IANA
// name such as "Europe/Istanbul", described by a VTIMEZONE; UTC times when the name is not
// known), with an alarm at the job's time when the job is still to be reminded. `damga` is
// the moment of writing.
QByteArray metin(const QList<İş>& işler, const QString& veritabanıKimliği,
                 const QString& saatDilimi, const QDateTime& damga);

// The local time zone's IANA name.
QString yerelSaatDilimi();

// Writes the text into the file as a whole: under a temporary name beside it, renamed over
// an old file only when complete (a failed write leaves the old file as it was, and a
// write-protected one is not replaced). False with the reason in `hata` when it cannot be
// written.
bool yaz(const QString& yol, const QByteArray& metin, QString* hata = nullptr);

} // namespace TakvimDosyası
