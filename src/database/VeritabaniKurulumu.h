#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

// moc cannot read Turkish identifiers; it needs nothing from this header.
#ifndef Q_MOC_RUN

// Making and looking after the job database file outside the program: the database tool
// and the tests use these; the program itself never creates the file.
namespace VeritabanıKurulumu {

inline const QString DosyaAdı = QStringLiteral("Lodra.vtb");
inline const QString Parola = QStringLiteral("KMZ1994");

// Creates an empty, encrypted database with both tables and their indexes, and a random
// identity of the database (the table VeritabaniBilgileri, see Veritabanı::kimlik). Refuses
// (Hata 3204) when the file exists already; the file appears only when complete.
void oluştur(const QString& dosya, const QString& parola = Parola);

// Integrity and schema check of an existing file. Empty when the file is sound, otherwise
// the problems found (Turkish). Things that do not stop the file from working (an index an
// older tool did not make) go to uyarılar when given. Never changes the file.
QStringList denetle(const QString& dosya, const QString& parola = Parola,
                    QStringList* uyarılar = nullptr);

// Adds the due-reminder index to a file made without it, in one transaction. False when the
// file has it already.
bool dizinEkle(const QString& dosya, const QString& parola = Parola);

// Puts a backup copy in place of the database file after checking the copy. The replaced
// file is kept beside it as "Lodra.vtb.eski-" + the time of the restore, never deleted; the
// restored file takes its permissions. Throws Hata when the copy is not sound or the folder
// cannot be written (3051).
void geriYükle(const QString& yedek, const QString& dosya, const QString& parola = Parola);

struct ÖrnekAyarları {
    int klasörSayısı = 12;
    int işSayısı = 200;
    QDate bugün;           // invalid: the program's clock
    unsigned tohum = 2026; // the same seed gives the same data
};
// Adds demo folders (nested) and jobs (around today, some done, some to be reminded) in one
// transaction.
void örnekVeriDoldur(const QString& dosya, const ÖrnekAyarları& ayarlar,
                     const QString& parola = Parola);

// The expected fields of the two tables, in order.
const QStringList& klasörAlanları();
const QStringList& işAlanları();
// Whether the program keeps text in the field (folder keys and names, subject, place,
// reference number, description).
bool metinAlanıMı(const QString& alan);

} // namespace VeritabanıKurulumu
#endif
