#pragma once

#include <QDate>
#include <QString>
#include <QTime>

// Dates as the user sees and types them, in the system locale's short and long forms.
namespace TarihBiçimi {
// The locale's short date pattern with two-figure day and month and a four-figure year
// (Turkish: dd.MM.yyyy).
QString kısaDesen();
QString kısa(const QDate& tarih);
// The locale's long date form (Turkish: 5 Aralık 2026 Cumartesi).
QString uzun(const QDate& tarih);
// Reads a typed date in the locale's order of day, month and year; ".", "/" and "-" all
// separate. An invalid date when the text is not one.
QDate çöz(const QString& metin);
// A time of day as HH:MM:SS.
QString saat(const QTime& zaman);
} // namespace TarihBiçimi
