#pragma once

#include <QString>
#include <QStringList>

class Veritabanı;
class AnahtarSayacı;

// moc cannot read Turkish identifiers; it needs nothing from this header.
#ifndef Q_MOC_RUN

// Folder rules that need no window: the two fixed keys of the tree and deleting a folder.
namespace Klasörler {
inline const QString YeniKlasörAdı = QStringLiteral("Yeni Klasör");
// The tree's root and its top folder "Klasörlerim": no jobs go into them and they can be
// neither renamed nor deleted.
inline const QString ProgramAnahtarı = QStringLiteral("Program");
inline const QString KlasörAnahtarı = QStringLiteral("Klasor");
bool ayrılmışMı(const QString& anahtar);

// Keys of every folder below the folder, at any depth, as the file holds them now.
QStringList altKlasörler(Veritabanı& vt, const QString& anahtar);

// Inside a write transaction: throws Reddedilen (3201) when the file holds no folder row with
// the key (another computer deleted it), so that nothing is put into it.
void varOlmalı(Veritabanı& vt, const QString& anahtar);

// Adds a folder named "Yeni Klasör" below the parent in one write transaction and returns
// its key: the next key above every key the file holds (read inside the transaction, so a
// key taken meanwhile by another computer is skipped and the counter catches up). Refused
// (Reddedilen 3201) when the parent is a folder that is gone.
QString ekle(Veritabanı& vt, AnahtarSayacı& sayaç, const QString& üstAnahtar);

// Deletes the folder, every folder below it and the jobs of all of them in one transaction:
// either everything goes or nothing does. The folders below are read from the file inside
// the transaction, so one that another computer has just added goes as well.
void sil(Veritabanı& vt, const QString& anahtar);
} // namespace Klasörler
#endif
