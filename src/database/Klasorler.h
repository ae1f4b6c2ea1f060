#pragma once

#include <QString>
#include <QStringList>

class Veritabanı;

// moc cannot read Turkish identifiers; it needs nothing from this header.
#ifndef Q_MOC_RUN

// Folder rules that need no window: the two fixed keys of the tree and deleting a folder.
namespace Klasörler {
// The tree's root and its top folder "Klasörlerim": no jobs go into them and they can be
// neither renamed nor deleted.
inline const QString ProgramAnahtarı = QStringLiteral("Program");
inline const QString KlasörAnahtarı = QStringLiteral("Klasor");
bool ayrılmışMı(const QString& anahtar);

// Keys of every folder below the folder, at any depth, as the file holds them now.
QStringList altKlasörler(Veritabanı& vt, const QString& anahtar);

// Deletes the folder, every folder below it and the jobs of all of them in one transaction:
// either everything goes or nothing does. The folders below are read from the file inside
// the transaction, so one that another computer has just added goes as well.
void sil(Veritabanı& vt, const QString& anahtar);
} // namespace Klasörler
#endif
