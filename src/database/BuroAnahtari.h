#pragma once

#include <QString>
#include <QStringList>

// moc cannot read Turkish identifiers; it needs nothing from this header.
#ifndef Q_MOC_RUN

// The office key: a passphrase of the office's own that encrypts the job file in place of
// the password every copy of the program knows. The engine derives the page key from it
// (PRAGMA key with a passphrase); nothing here does any cryptography of its own.
namespace BüroAnahtarı {

inline constexpr int EnAzUzunluk = 12;
// The error number of a missing or wrong office key, and of a key that may not be set.
inline constexpr int AnahtarHatası = 3029;

// Why the text cannot be set as an office key; empty when it can.
QString anahtarSorunu(const QString& anahtar);

// True when the file looks like an encrypted database: whole pages, no plain database header
// and a first page that looks random. A text file or a plain database does not.
bool şifreliGörünüyor(const QString& dosya);

// True when the key decrypts the file, false when it does not. Other failures (a missing
// or unreadable file) are thrown.
bool açarMı(const QString& dosya, const QString& anahtar);

// Encrypts the file anew with a new office key, keeping the old file readable until the new
// one is complete: a copy under the new key is written beside the file, checked, flushed to
// disk and renamed over the file in one step. Writers on other computers are held off by the
// file's write lock meanwhile. Throws Hata when the old key does not open the file or the
// copy cannot be made; the file is then unchanged.
void anahtarDeğiştir(const QString& dosya, const QString& eskiAnahtar, const QString& yeniAnahtar);

// Removes what key changes cut off midway left beside the file (".Lodra.vtb.anahtarlaniyor-"
// and the process number, and its journal) when that process no longer runs on this
// computer; the paths removed.
QStringList yarımKalanlarıTemizle(const QString& dosya);

// The copies of the file that a key change leaves under their old key: the daily copies and
// the file a restore kept beside it.
QStringList eskiKopyalar(const QString& dosya);

} // namespace BüroAnahtarı
#endif
