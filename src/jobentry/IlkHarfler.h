#pragma once

#include <QChar>
#include <QString>

// The capital form of one character with the Turkish dotted and dotless i: "ı" gives "I",
// "i" gives "İ", everything else its general upper-case form (figures and signs stay).
QChar TürkçeBüyük(QChar harf);

// Rewrites a subject, place or number so that every word starts with a capital: blanks
// around it removed, "I" and "İ" first made small ("ı", "i"), then the character after each
// blank, "/", "-" and "." and the first character made capital. Other capitals stay. A word
// between those separators that has no small letter is left exactly as typed, so
// "KADIKÖY adliyesi" gives "KADIKÖY Adliyesi" and "ANKARA İLİ" stays as it is; so is the
// part of a word before an apostrophe (' or ’) that has no small letter, while the suffix
// after it follows the rule: "İZMİR’de keşif" gives "İZMİR’de Keşif".
QString İlkHarfleriBüyüt(const QString& metin);

// The form two entries are compared in when the case of their letters does not count,
// with the Turkish pairs I/ı and İ/i.
QString TürkçeKüçükHarfli(const QString& metin);
