#pragma once

#include <QByteArrayView>
#include <QChar>
#include <QStringView>

// moc cannot read Turkish identifiers; it needs nothing from this header.
#ifndef Q_MOC_RUN

struct sqlite3;

// LIKE as a Turkish user expects it: letter case does not count, with the Turkish pairs
// I/ı and İ/i ("istanbul" finds "İstanbul", "ırmak" finds "IRMAK").
namespace TürkçeBenzer {
// A letter in its Turkish lower-case form.
QChar küçük(QChar c);
// % any run, _ one character, `kaçış` makes the next character literal. Works in time
// proportional to the lengths' product at worst.
bool eşleşir(QStringView desen, QStringView metin, QChar kaçış = QChar());
// The same over the engine's UTF-8 text, the way the engine's like() compares each row: a
// byte that is not part of a valid sequence stands for U+FFFD.
bool eşleşir(QStringView desen, QByteArrayView metin, QChar kaçış = QChar());
// Replaces the engine's like() with the one above on this connection.
int kaydet(sqlite3* bağlantı);
} // namespace TürkçeBenzer
#endif
