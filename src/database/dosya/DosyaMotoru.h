#pragma once

#include "database/VeritabaniMotoru.h"

#include <memory>

// moc cannot read Turkish identifiers; it needs nothing from this header.
#ifndef Q_MOC_RUN

// The job database as one SQLCipher file on a shared folder.
namespace DosyaMotoru {
// Opens the file shared and read-write with the key; never creates a file.
std::shared_ptr<VeritabanıMotoru> aç(const QString& dosya, const QString& anahtar);
} // namespace DosyaMotoru

#endif
