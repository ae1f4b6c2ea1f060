#pragma once

#include <QString>

// The two machine-wide values the program touches outside its settings store. Both fail
// silently: a file that cannot be written leaves auto start unregistered.
namespace MakineDeğerleri {
// The auto-start entry: "Tarvela.desktop" in the user's autostart folder, running the
// program folder's "Lodra -Simge".
QString otomatikBaşlatmaDosyası();
QString otomatikBaşlatmaKomutu(const QString& programKlasörü);
void otomatikBaşlatmaYaz(const QString& programKlasörü);
// One argument of a desktop entry's Exec line: quoted where it holds a reserved character,
// with % doubled. The line is then written through masaüstüDeğeri like any other value.
QString masaüstüExecArgümanı(const QString& argüman);
// A desktop entry value with backslash, line break, tab and carriage return escaped.
QString masaüstüDeğeri(const QString& metin);
void otomatikBaşlatmaSil();
// Sets or removes the entry after the preference "Otomatik Baslasin" was saved.
void otomatikBaşlatmayıUygula(bool açık, const QString& programKlasörü);

// The computer's registered owner (the account's full name) and organisation (empty).
QString kayıtlıKullanıcı();
QString kayıtlıKuruluş();
} // namespace MakineDeğerleri
