#pragma once

#include <QString>

// The alphabet and key the login password is scrambled with.
inline const QString ŞifreAlfabesi = QStringLiteral("5820913746");
inline const QString ŞifreAnahtarı = QStringLiteral("6071");

// Scrambles a text over the alphabet with the key: each character c becomes the alphabet
// character at (x(d) - x(c)) mod L, d being the key character in turn. A character missing
// from the alphabet or the key gives nothing. Scrambling twice gives the text back.
QString ŞifreKarıştır(const QString& metin, const QString& alfabe = ŞifreAlfabesi,
                      const QString& anahtar = ŞifreAnahtarı);
