#pragma once

#include <QString>
#include <QStringList>

// moc cannot read Turkish identifiers; it needs nothing from this header.
#ifndef Q_MOC_RUN

// Making and checking the program's tables in a database on a server, for the database tool:
// the administrator makes the database and its users; the program itself never creates
// tables.
namespace SunucuKurulumu {

// Makes the two tables, their indexes (the reminder index as in the file), the identity
// table with a new identity and the change-notice triggers, in one transaction. Refuses
// (Hata 3204) a database that holds the tables already.
void oluştur(const QString& adres, const QString& parola = QString());

// The schema check of the program (the same words as for a file), and whether the
// reminder index, the identity and the change notices are in place (as warnings: the
// program works without them, but slower or without noticing other computers).
QStringList denetle(const QString& adres, const QString& parola = QString(),
                    QStringList* uyarılar = nullptr);

} // namespace SunucuKurulumu
#endif
