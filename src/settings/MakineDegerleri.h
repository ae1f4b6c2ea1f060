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
void otomatikBaşlatmaSil();
// Sets or removes the entry after the preference "Otomatik Baslasin" was saved.
void otomatikBaşlatmayıUygula(bool açık, const QString& programKlasörü);

// The computer's registered owner (the account's full name) and organisation (empty).
QString kayıtlıKullanıcı();
QString kayıtlıKuruluş();
} // namespace MakineDeğerleri
