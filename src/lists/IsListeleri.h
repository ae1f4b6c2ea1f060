#pragma once

#include <QDate>
#include <QString>

// moc cannot read Turkish identifiers; it needs nothing from this header.
#ifndef Q_MOC_RUN

// The five standard lists of the job lists window, across all folders: the statement of each
// and the texts that tell what it found.
namespace İşListeleri {

enum class Seçim {
    Bugünkü,          // today's open jobs
    GünüGeçen,        // open jobs dated before today
    SeçilenTarihteki, // open jobs of a date picked in the calendar
    Yapılmış,         // done jobs
    Tüm,              // every job
};

// The title when the window opens, and after a list that found nothing ("&" marks the
// label's access key and is not shown).
inline const QString AçılışBaşlığı = QStringLiteral("Yapılacak İşler");
inline const QString BoşBaşlık = QStringLiteral("&Yapılacak İşler");

// The statement of a list; `tarih` is today, or the picked date, and is used by the lists of
// one date and of the overdue jobs.
QString deyim(Seçim seçim, const QDate& tarih);
// The title with the count; `tarihMetni` is the picked date as the calendar handed it back.
QString başlık(Seçim seçim, int sayı, const QString& tarihMetni = QString());
// The information text when the list is empty.
QString boşMesajı(Seçim seçim, const QString& tarihMetni = QString());

} // namespace İşListeleri
#endif
