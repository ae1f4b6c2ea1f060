#pragma once

// Inner helpers of the server engine shared with the database tool: connecting through
// libpq, sending statements with their values as parameters, and mapping the server's
// SQLSTATE codes to the program's errors. Not for the windows.

#include "controls/Hata.h"

#include <libpq-fe.h>

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <memory>

namespace Sunucuİç {

// Whether the path of a database is a server address rather than a file.
bool adresMi(const QString& yol);

// The address without its password, to be shown and written to logs.
QString gösterilenAdres(const QString& adres);

// A connection that is closed with its owner.
struct BağlantıSilici {
    void operator()(PGconn* c) const { PQfinish(c); }
};
using Bağlantı = std::unique_ptr<PGconn, BağlantıSilici>;

struct SonuçSilici {
    void operator()(PGresult* r) const { PQclear(r); }
};
using Sonuç = std::unique_ptr<PGresult, SonuçSilici>;

// Opens a connection to the address (a libpq URI). TLS is required unless the address says
// otherwise; a non-empty password is given to libpq as a keyword of its own, never put into
// the address. Dates travel as ISO text. Throws the program's error when it fails.
Bağlantı bağlan(const QString& adres, const QString& parola);

// The program's error for a failed statement (r may be null when nothing came back).
Hata hata(PGconn* c, PGresult* r);
// The five-character SQLSTATE of a result, empty when there is none.
QString durumKodu(PGresult* r);

// Runs a statement with its values as parameters ($1, $2, ... in the text): QString as
// text, QDate, QTime, QDateTime, bool, qint64 and double in the server's own types, a null
// QVariant as NULL. Throws the mapped error unless the statement succeeds; the SQLSTATE of
// the failure goes to `durum` when given.
Sonuç çalıştır(PGconn* c, const QString& sql, const QList<QVariant>& değerler = {},
               QString* durum = nullptr);

// The schema's problems, in the words used for a file: missing tables and fields, fields
// whose type cannot hold the program's values, extra fields that cannot stay empty.
QStringList şemaSorunları(PGconn* c);

// The text of a cell of a text-format result.
inline QString metin(PGresult* r, int satır, int sütun) {
    return QString::fromUtf8(PQgetvalue(r, satır, sütun), PQgetlength(r, satır, sütun));
}

// The channel the two tables' triggers notify on every change.
inline constexpr const char* Kanal = "tarvela_degisiklik";

} // namespace Sunucuİç
