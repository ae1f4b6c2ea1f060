#pragma once

#include <QString>

// Databases on the test server. The test harness gives the address of a superuser on a
// running server in TARVELA_PG_YONETICI_URI; every test makes its own database from it and
// drops it at the end. Without the variable, server variants of tests are skipped.
namespace SunucuTest {

// The administrator's address; empty when no server is given.
QString yöneticiAdresi();
// The reason a server variant is skipped, for QSKIP.
inline constexpr const char* YokNedeni =
    "TARVELA_PG_YONETICI_URI is not set: no test server (make test starts one).";

// The address of the same server with another database (and another user, when given).
QString adres(const QString& veritabanı, const QString& kullanıcı = QString());

// Runs statements as the administrator on the database (the server's own when empty).
void yönet(const QString& sql, const QString& veritabanı = QString());

// A new database with the program's tables (as the database tool makes them), dropped with
// its connections when the object goes.
class GeçiciVeritabanı {
public:
    GeçiciVeritabanı();
    ~GeçiciVeritabanı();
    GeçiciVeritabanı(const GeçiciVeritabanı&) = delete;
    GeçiciVeritabanı& operator=(const GeçiciVeritabanı&) = delete;
    const QString& ad() const { return ad_; }
    QString adres() const { return SunucuTest::adres(ad_); }

private:
    QString ad_;
};

// Copies the folders and jobs of a file database into a server database through the
// database face, in the file's order (job numbers follow the same order).
void aktar(const QString& dosya, const QString& adres);

// Ends the server connections of the program on the database and waits until they are gone.
void bağlantılarıKes(const QString& veritabanı);

} // namespace SunucuTest
