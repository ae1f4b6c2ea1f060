#pragma once

#include "controls/IsSatiri.h"

#include <QDate>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QTime>

class Veritabanı;

// One due job as the reminder list shows it, with the job's date and number as values.
struct HatırlatılacakİŞ {
    İşSatırı satır;
    QDate tarih;
    QTime saat;
    qint32 isNo = 0;
};

// Today's jobs whose time has come by the given moment (the current minute counts, its
// seconds do not), that ask to be reminded and are not done, ordered by time.
QList<HatırlatılacakİŞ> hatırlatılacakİşler(Veritabanı& vt, const QDateTime& an);

// Reminders missed while the program was not running: the span they fell in, and the jobs.
// Reminders are looked for no further back than this many days before today's midnight.
inline constexpr int KaçırılanGünSınırı = 14;

struct KaçırılanAralık {
    QDateTime başı; // exclusive: the minute of the last check was looked at by that check
    QDateTime sonu; // exclusive: today's midnight, from which on the due-job check looks
    bool geçerli() const { return başı.isValid() && sonu.isValid() && başı < sonu; }
};

// The span to look at when the last check was made on an earlier day than the moment an
// (the first check of a run, or the first after a gap over midnight); an invalid span
// otherwise, also when there was no earlier check on this computer.
KaçırılanAralık kaçırılanAralığı(const QDateTime& sonDenetim, const QDateTime& an);

// Jobs with the reminder on, not done, whose moment lies inside the span, by date and time.
QList<HatırlatılacakİŞ> kaçırılanİşler(Veritabanı& vt, const KaçırılanAralık& aralık);

// The moment to keep as the last check after a check made at an. Missed jobs that were listed
// and not settled (done, put off, no more reminding) must be listed again by the next check,
// so while any is left the kept moment lies a minute before the earliest of them (the minute
// of a check counts as seen); otherwise it is an.
QDateTime saklanacakDenetimAnı(const QDateTime& an, const QDateTime& ilkBekleyenKaçırılan);

// The moment of the last check as the settings store keeps it, and back.
QString denetimMetni(const QDateTime& an);
QDateTime denetimAnı(const QString& metin);

// What the user decides for a listed job.
enum class İşSonucu { Yapıldı = 0, Ertelendi = 1, TekrarHatırlatılmasın = 2 };

inline constexpr int ErtelemeSaniyesi = 15 * 60;

// The update that records the decision for job isNo, whose date is işinTarihi, made at the
// moment an. Putting off stores the moment 15 minutes later: only the time when that moment
// falls on the job's own date, the date and the time together when it does not (a job put
// off from 23:45 on moves to the next day instead of wrapping to an earlier time of its day).
QString sonuçDeyimi(İşSonucu sonuç, qint32 isNo, const QDate& işinTarihi, const QDateTime& an);

// The count line above the list: today's jobs as planned for now, the missed ones as missed.
QString sayıSatırı(int bugünkü, int kaçırılan = 0);

// The question asked when the window is closed with jobs still listed.
QString kapatmaSorusu();
