#pragma once

// Inner helpers of the file engine shared with the database tool and the key change: opening
// and checking a SQLCipher file, and mapping its result codes to the program's errors. Not
// for the windows.

#define SQLITE_HAS_CODEC 1
#include <sqlcipher/sqlite3.h>

#include "controls/Hata.h"
#include "database/VeritabaniIc.h"

#include <QString>
#include <QStringList>

namespace Veritabanıİç {

// The program's error for an engine result code; the file path helps to tell a vanished
// file from a vanished folder.
Hata hata(sqlite3* db, int kod, const QString& dosya = QString());
// Runs internal statements; throws the mapped error.
void çalıştır(sqlite3* db, const char* sql, const QString& dosya = QString());
// The first column of the first row of an internal statement (a pragma's answer); throws the
// mapped error when it gives no row.
QString tekSatır(sqlite3* db, const char* sql, const QString& dosya = QString());
// Sets the key, the lock wait and the Turkish LIKE on a fresh connection.
void hazırla(sqlite3* db, const QString& parola);
// The engine's wait for another computer's lock: a little longer each time, until
// beklemeSüresi() is used up.
int kilidiBekle(void*, int kaçıncı);
// Problems of the schema: a missing table or field, a field whose type cannot hold the
// program's values, an extra field that cannot stay empty. Other objects are no problem.
QStringList şemaSorunları(sqlite3* db, const QString& dosya);
// The category of a path that cannot be opened (3024, 3044, 3051, 3055, 3043), checked
// before the engine is asked; 0 when the file looks openable read-write.
int yolDenetle(const QString& dosya, QString* açıklama);

// Whether the schema ("main" or an attached one) holds an object of the type ("table",
// "index") and name, the name compared without regard to case.
bool şemadaVar(sqlite3* db, const char* şema, const char* tür, const char* ad,
               const QString& dosya);

// The stored identity of the schema ("main" or an attached one); empty when none is stored.
// A file made before the identity was stored has none: its identity is derived from the 16
// random bytes that SQLCipher puts at the start of every file it creates (the key's salt),
// which no write changes. Copies that get a salt of their own (the daily copy, a copy under
// a new office key) have the source's identity stored in them, so that it survives them.
QString saklıKimlik(sqlite3* db, const char* şema, const QString& dosya);
// The identity derived from the start of the file.
QString tuzKimliği(const QString& dosya);
// The stored identity, or the one derived from the file.
QString kimlik(sqlite3* db, const char* şema, const QString& dosya);
// Stores the identity in the schema unless it has one (makes the table when missing).
void kimliğiSakla(sqlite3* db, const char* şema, const QString& kimlik, const QString& dosya);

// Opens an existing file with the key (read-only unless `yazılabilir`) and checks that it
// decrypts. A read-only open is allowed on a file that cannot be written; one that needs a
// journal played back first is refused with advice.
sqlite3* mevcutAç(const QString& dosya, const QString& parola, bool yazılabilir);

// This computer's name as it goes into the names of half-made copies.
QString bilgisayarAdı();
// Removes the daily copies left half-made by processes that no longer run.
void yarımYedekleriTemizle(const QString& klasör);

} // namespace Veritabanıİç
