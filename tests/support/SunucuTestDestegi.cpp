#include "SunucuTestDestegi.h"

#include "database/Deyimler.h"
#include "database/Veritabani.h"
#include "database/VeritabaniKurulumu.h"
#include "database/sunucu/SunucuIc.h"
#include "database/sunucu/SunucuKurulumu.h"

#include <QCoreApplication>
#include <QTest>
#include <QUrl>

namespace SunucuTest {

QString yöneticiAdresi() {
    return qEnvironmentVariable("TARVELA_PG_YONETICI_URI");
}

QString adres(const QString& veritabanı, const QString& kullanıcı) {
    QUrl url(yöneticiAdresi());
    if (!veritabanı.isEmpty())
        url.setPath(QLatin1Char('/') + veritabanı);
    if (!kullanıcı.isEmpty()) {
        url.setUserName(kullanıcı);
        url.setPassword(QString());
    }
    return url.toString();
}

void yönet(const QString& sql, const QString& veritabanı) {
    const Sunucuİç::Bağlantı c =
        Sunucuİç::bağlan(veritabanı.isEmpty() ? yöneticiAdresi() : adres(veritabanı), QString());
    PQclear(PQexec(c.get(), "SET client_min_messages = warning"));
    const Sunucuİç::Sonuç r(PQexec(c.get(), sql.toUtf8().constData()));
    if (PQresultStatus(r.get()) != PGRES_COMMAND_OK && PQresultStatus(r.get()) != PGRES_TUPLES_OK)
        throw Sunucuİç::hata(c.get(), r.get());
}

GeçiciVeritabanı::GeçiciVeritabanı() {
    static int sayı = 0;
    ad_ = QStringLiteral("tarvela_test_%1_%2").arg(QCoreApplication::applicationPid()).arg(++sayı);
    yönet(QStringLiteral("DROP DATABASE IF EXISTS %1 WITH (FORCE)").arg(ad_));
    yönet(QStringLiteral("CREATE DATABASE %1").arg(ad_));
    SunucuKurulumu::oluştur(adres());
}

GeçiciVeritabanı::~GeçiciVeritabanı() {
    try {
        yönet(QStringLiteral("DROP DATABASE IF EXISTS %1 WITH (FORCE)").arg(ad_));
    } catch (const Hata& h) {
        qWarning().noquote() << "Test veritabanı silinemedi:" << h.açıklama();
    }
}

void aktar(const QString& dosya, const QString& hedefAdres) {
    auto kaynak = Veritabanı::OpenDatabase(dosya);
    auto hedef = Veritabanı::OpenDatabase(hedefAdres);
    hedef->işlem([&] {
        for (const QString& deyim : {Deyim::F1(), Deyim::J7()}) {
            auto k = kaynak->OpenRecordset(deyim, Veritabanı::Okuma::Tamamı);
            auto h = hedef->OpenRecordset(deyim);
            QStringList alanlar = deyim == Deyim::F1() ? VeritabanıKurulumu::klasörAlanları()
                                                       : VeritabanıKurulumu::işAlanları();
            alanlar.removeAll(QStringLiteral("IsNo"));
            for (; !k->Eof(); k->MoveNext()) {
                h->AddNew();
                for (const QString& a : alanlar)
                    h->alanYaz(a, k->alan(a));
                h->Update();
            }
        }
    });
}

void bağlantılarıKes(const QString& veritabanı) {
    yönet(QStringLiteral("SELECT pg_terminate_backend(pid) FROM pg_stat_activity WHERE datname = "
                         "'%1' AND application_name = 'Tarvela' AND pid <> pg_backend_pid()")
              .arg(veritabanı));
    // pg_terminate_backend only asks; the connection is gone when the server lists it no more.
    for (int i = 0; i < 500; ++i) {
        const Sunucuİç::Bağlantı c = Sunucuİç::bağlan(yöneticiAdresi(), QString());
        const Sunucuİç::Sonuç r = Sunucuİç::çalıştır(
            c.get(),
            QStringLiteral("SELECT count(*) FROM pg_stat_activity WHERE datname = $1 AND "
                           "application_name = 'Tarvela' AND pid <> pg_backend_pid()"),
            {veritabanı});
        if (Sunucuİç::metin(r.get(), 0, 0) == QLatin1String("0"))
            return;
        QTest::qWait(10);
    }
    QFAIL("server connections did not end");
}

} // namespace SunucuTest
