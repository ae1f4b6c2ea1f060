#pragma once

#include "database/VeritabaniMotoru.h"

#include <memory>

// moc cannot read Turkish identifiers; it needs nothing from this header.
#ifndef Q_MOC_RUN

// The job database on a PostgreSQL server, reached through libpq at a postgresql:// address.
namespace SunucuMotoru {
// Connects and checks the schema; a non-empty password goes to the server as the user's
// password.
std::shared_ptr<VeritabanıMotoru> aç(const QString& adres, const QString& parola);
} // namespace SunucuMotoru

#endif
