#pragma once

// Inner helpers of the database layer that do not depend on the engine, shared by the
// engines, the database tool and the tests. Not for the windows.

#include <QString>

namespace Veritabanıİç {

// How long a statement waits for another computer's lock before it gives up (10 s; tests
// shorten it).
int beklemeSüresi();
void beklemeSüresiniAyarla(int ms);
// How many times statements of this process have waited for a lock (for measurements).
long beklemeSayısı();
void beklemeSay();
// For tests of the windows: the database step after the next `atlanacak` ones (a recordset
// opened, or a write begun) throws Hata with the number instead of touching the database.
void sonrakiAdımdaHata(int numara, int atlanacak = 0);
// Called by the engines at the start of such a step: throws the planned error when its turn
// has come.
void planlıHatayıAt();

// The password inside a connect text such as ";Pwd=KMZ1994".
QString parolaAyıkla(const QString& bağlantı);

// The database's identity, the same on every computer whatever path or address reaches it
// (the calendar export builds its event identities on it). The database tool stores a
// random one in a new database, in the table VeritabaniBilgileri under the name "Kimlik".
inline constexpr const char* BilgiTablosu = "VeritabaniBilgileri";
inline constexpr const char* KimlikAdı = "Kimlik";
// A new random identity (32 hexadecimal digits).
QString yeniKimlik();

} // namespace Veritabanıİç
