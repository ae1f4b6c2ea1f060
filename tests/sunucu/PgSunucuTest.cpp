// The tests' private PostgreSQL server is what the server tests take it for: logins over the
// socket and over TLS only with SCRAM, a certificate that verify-full accepts for 127.0.0.1
// and for no other name, and Turkish case rules from ICU.
#include <QFile>
#include <QTest>
#include <libpq-fe.h>
#include <memory>

namespace {

using Bağlantı = std::unique_ptr<PGconn, decltype(&PQfinish)>;

// Connects with the URI; each extra keyword (a password, a host name) overrides the URI's.
Bağlantı bağlan(const QByteArray& uri,
                std::initializer_list<std::pair<const char*, QByteArray>> ekler = {}) {
    std::vector<const char*> anahtarlar{"dbname"}, değerler{uri.constData()};
    for (const auto& [anahtar, değer] : ekler) {
        anahtarlar.push_back(anahtar);
        değerler.push_back(değer.constData());
    }
    anahtarlar.push_back(nullptr);
    değerler.push_back(nullptr);
    return Bağlantı(PQconnectdbParams(anahtarlar.data(), değerler.data(), 1), &PQfinish);
}

bool bağlı(const Bağlantı& b) {
    return PQstatus(b.get()) == CONNECTION_OK;
}

// The first field of the statement's first row, or the error.
QString değer(const Bağlantı& b, const char* sql) {
    std::unique_ptr<PGresult, decltype(&PQclear)> s(PQexec(b.get(), sql), &PQclear);
    if (PQresultStatus(s.get()) != PGRES_TUPLES_OK || PQntuples(s.get()) < 1)
        return QStringLiteral("HATA: ") + QString::fromUtf8(PQerrorMessage(b.get()));
    return QString::fromUtf8(PQgetvalue(s.get(), 0, 0));
}

} // namespace

class PgSunucuTest : public QObject {
    Q_OBJECT
    QByteArray soket, tls;

private slots:
    void initTestCase() {
        soket = qgetenv("TARVELA_PG_YONETICI_URI");
        if (soket.isEmpty())
            QSKIP("TARVELA_PG_YONETICI_URI yok: bu makinede PostgreSQL sunucusu (initdb) yok");
        QFile dosya(qEnvironmentVariable("TARVELA_PG_KLASORU") + QStringLiteral("/tls-uri"));
        QVERIFY2(dosya.open(QIODevice::ReadOnly), qPrintable(dosya.fileName()));
        tls = dosya.readAll().trimmed();
    }

    // The socket: a SCRAM verifier stored, every rule SCRAM or a refusal, a wrong password
    // turned away; Turkish dotted and dotless i through ICU.
    void socketScramAndTurkish() {
        const Bağlantı b = bağlan(soket);
        QVERIFY2(bağlı(b), PQerrorMessage(b.get()));
        QCOMPARE(değer(b, "SELECT ssl FROM pg_stat_ssl WHERE pid = pg_backend_pid()"), "f");
        QCOMPARE(değer(b, "SELECT left(rolpassword, 14) FROM pg_authid WHERE rolname = "
                          "current_user"),
                 "SCRAM-SHA-256$");
        QCOMPARE(değer(b, "SELECT string_agg(DISTINCT auth_method, ',') FROM pg_hba_file_rules"),
                 "reject,scram-sha-256");
        const Bağlantı yanlış = bağlan(soket, {{"password", "yanlis-parola"}});
        QVERIFY(!bağlı(yanlış));
        QVERIFY2(QByteArray(PQerrorMessage(yanlış.get())).contains("password authentication"),
                 PQerrorMessage(yanlış.get()));

        QCOMPARE(değer(b, "SELECT lower('İSTİNAF' COLLATE \"tr-x-icu\")"), "istinaf");
        QCOMPARE(değer(b, "SELECT upper('ılık' COLLATE \"tr-x-icu\")"), "ILIK");
    }

    // TCP: verify-full with the test CA, channel binding (which only SCRAM-SHA-256-PLUS can
    // give), and TLS in use; another host name fails verify-full but not verify-ca; a
    // connection without TLS is refused by pg_hba.
    void tlsOnly() {
        const Bağlantı b = bağlan(tls, {{"channel_binding", "require"}});
        QVERIFY2(bağlı(b), PQerrorMessage(b.get()));
        QVERIFY(PQsslInUse(b.get()));
        QCOMPARE(değer(b, "SELECT ssl FROM pg_stat_ssl WHERE pid = pg_backend_pid()"), "t");

        const QByteArray başkaAd = "tarvela.invalid";
        const Bağlantı adYanlış = bağlan(tls, {{"host", başkaAd}, {"hostaddr", "127.0.0.1"}});
        QVERIFY(!bağlı(adYanlış));
        const Bağlantı yalnızCa =
            bağlan(tls, {{"host", başkaAd}, {"hostaddr", "127.0.0.1"}, {"sslmode", "verify-ca"}});
        QVERIFY2(bağlı(yalnızCa), PQerrorMessage(yalnızCa.get()));

        const Bağlantı düz = bağlan(tls, {{"sslmode", "disable"}});
        QVERIFY(!bağlı(düz));
        QVERIFY2(QByteArray(PQerrorMessage(düz.get())).contains("pg_hba.conf rejects"),
                 PQerrorMessage(düz.get()));
    }
};

QTEST_GUILESS_MAIN(PgSunucuTest)
#include "PgSunucuTest.moc"
