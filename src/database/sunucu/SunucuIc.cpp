#include "database/sunucu/SunucuIc.h"

#include "database/BuroAnahtari.h"
#include "database/JetCevirici.h"
#include "database/Veritabani.h"
#include "database/VeritabaniKurulumu.h"
#include "database/VeritabaniMotoru.h"

#include <QDate>
#include <QDateTime>
#include <QHash>
#include <QRegularExpression>
#include <QTime>
#include <QUrl>
#include <vector>

namespace Sunucuİç {

bool adresMi(const QString& yol) {
    return yol.startsWith(QLatin1String("postgresql://"), Qt::CaseInsensitive) ||
           yol.startsWith(QLatin1String("postgres://"), Qt::CaseInsensitive);
}

QString gösterilenAdres(const QString& adres) {
    QUrl url(adres);
    if (!url.isValid())
        return QStringLiteral("postgresql://…");
    url.setPassword(QString());
    QString gösterilen = url.toString();
    // A password may also stand in the query part.
    static const QRegularExpression parola(QStringLiteral("([?&]password=)[^&]*"),
                                           QRegularExpression::CaseInsensitiveOption);
    gösterilen.replace(parola, QStringLiteral("\\1…"));
    return gösterilen;
}

Bağlantı bağlan(const QString& adres, const QString& parola) {
    // Keywords after the address override what it says; those before it are defaults it may
    // override. TLS is the default; the address may ask for less (a local socket uses none).
    std::vector<QByteArray> adlar = {"sslmode", "dbname", "application_name", "client_encoding",
                                     "connect_timeout"};
    std::vector<QByteArray> değerler = {"require", adres.toUtf8(), "Tarvela", "UTF8", "10"};
    if (!parola.isEmpty()) {
        adlar.push_back("password");
        değerler.push_back(parola.toUtf8());
    }
    std::vector<const char*> a, d;
    for (size_t i = 0; i < adlar.size(); ++i) {
        a.push_back(adlar[i].constData());
        d.push_back(değerler[i].constData());
    }
    a.push_back(nullptr);
    d.push_back(nullptr);
    Bağlantı c(PQconnectdbParams(a.data(), d.data(), 1));
    if (!c)
        throw Hata(7, QStringLiteral("Bellek yetersiz."));
    if (PQstatus(c.get()) != CONNECTION_OK) {
        const QString ileti = QString::fromUtf8(PQerrorMessage(c.get())).trimmed();
        // The server turns a wrong password and an unknown user away with the same words;
        // libpq says when it was asked for a password it did not have.
        if (PQconnectionNeedsPassword(c.get()) ||
            ileti.contains(QLatin1String("authentication failed")) ||
            ileti.contains(QLatin1String("no password supplied")) ||
            (ileti.contains(QLatin1String("role \"")) &&
             ileti.contains(QLatin1String("does not exist"))))
            throw Hata(BüroAnahtarı::AnahtarHatası,
                       QStringLiteral("Kullanıcı adı veya parola geçersiz."));
        if (ileti.contains(QLatin1String("database \"")) &&
            ileti.contains(QLatin1String("does not exist")))
            throw Hata(HataNo::DosyaBulunamadı,
                       QStringLiteral("Sunucuda veritabanı bulunamadı: %1 (%2)")
                           .arg(gösterilenAdres(adres), ileti));
        if (ileti.contains(QLatin1String("invalid")) || ileti.contains(QLatin1String("URI")))
            throw Hata(HataNo::DosyaAdıGeçersiz, QStringLiteral("Sunucu adresi geçersiz: %1 (%2)")
                                                     .arg(gösterilenAdres(adres), ileti));
        throw Hata(
            HataNo::DiskVeyaAğHatası,
            QStringLiteral("Sunucuya bağlanılamadı: %1 (%2)").arg(gösterilenAdres(adres), ileti));
    }
    çalıştır(c.get(), QStringLiteral("SET DateStyle = ISO"));
    return c;
}

QString durumKodu(PGresult* r) {
    const char* kod = r ? PQresultErrorField(r, PG_DIAG_SQLSTATE) : nullptr;
    return kod ? QString::fromLatin1(kod) : QString();
}

Hata hata(PGconn* c, PGresult* r) {
    const QString kod = durumKodu(r);
    QString ileti = QString::fromUtf8(r ? PQresultErrorMessage(r) : PQerrorMessage(c)).trimmed();
    if (ileti.isEmpty())
        ileti = QString::fromUtf8(PQerrorMessage(c)).trimmed();
    // A connection that broke (the server went away, the network dropped, an administrator
    // ended it): the change in flight was not made; the next step connects again.
    if (PQstatus(c) != CONNECTION_OK || kod.startsWith(QLatin1String("08")) ||
        kod == QLatin1String("57P01") || kod == QLatin1String("57P02") ||
        kod == QLatin1String("57P03"))
        return Hata(HataNo::DiskVeyaAğHatası,
                    QStringLiteral("Sunucuyla bağlantı koptu: %1").arg(ileti));
    if (kod == QLatin1String("55P03") || kod == QLatin1String("40001") ||
        kod == QLatin1String("40P01"))
        return Hata(VeritabanıHataNo::Meşgul,
                    QStringLiteral("Veritabanı şu anda başka bir bilgisayar tarafından "
                                   "kullanılıyor. Lütfen, biraz sonra tekrar deneyiniz."));
    if (kod == QLatin1String("23505"))
        return Hata(VeritabanıHataNo::YinelenenDeğer,
                    QStringLiteral("Bu değer zaten var; kayıt yapılamadı. (%1)").arg(ileti));
    if (kod == QLatin1String("23503"))
        return Hata(VeritabanıHataNo::İlgiliKayıtYok,
                    QStringLiteral("İlgili kayıt bulunamadı; kayıt yapılamadı. (%1)").arg(ileti));
    if (kod == QLatin1String("28P01") || kod == QLatin1String("28000"))
        return Hata(BüroAnahtarı::AnahtarHatası,
                    QStringLiteral("Kullanıcı adı veya parola geçersiz."));
    if (kod == QLatin1String("42501"))
        return Hata(HataNo::DosyaAçılamıyor,
                    QStringLiteral("Sunucudaki kullanıcınızın bu işlem için yetkisi yok. "
                                   "Veritabanı yöneticinize başvurunuz. (%1)")
                        .arg(ileti));
    if (kod == QLatin1String("42P01"))
        return Hata(3078, QStringLiteral("Tablo bulunamadı. (%1)").arg(ileti));
    if (kod == QLatin1String("42703"))
        return Hata(3061, QStringLiteral("Alan bulunamadı. (%1)").arg(ileti));
    if (kod == QLatin1String("3D000"))
        return Hata(HataNo::DosyaBulunamadı,
                    QStringLiteral("Sunucuda veritabanı bulunamadı. (%1)").arg(ileti));
    if (kod == QLatin1String("53100"))
        return Hata(HataNo::DiskVeyaAğHatası,
                    QStringLiteral("Sunucunun diskinde yer kalmadı. (%1)").arg(ileti));
    if (kod.startsWith(QLatin1String("22")))
        return Hata(VeritabanıHataNo::TürDönüşümü,
                    QStringLiteral("Veri türü dönüştürme hatası. (%1)").arg(ileti));
    if (kod.startsWith(QLatin1String("42")))
        return Hata(JetÇevirici::SözdizimiHatası,
                    QStringLiteral("Sorgu ifadesinde hata. (%1)").arg(ileti));
    return Hata(HataNo::Beklenmeyen,
                QStringLiteral("Sunucu hatası %1: %2").arg(kod.isEmpty() ? "-" : kod, ileti));
}

Sonuç çalıştır(PGconn* c, const QString& sql, const QList<QVariant>& değerler, QString* durum) {
    const qsizetype n = değerler.size();
    std::vector<QByteArray> metinler;
    metinler.resize(size_t(n));
    std::vector<const char*> göstergeler(size_t(n), nullptr);
    std::vector<Oid> türler(size_t(n), 0);
    for (qsizetype i = 0; i < n; ++i) {
        const QVariant& v = değerler[i];
        if (!v.isValid() || v.isNull())
            continue;
        QByteArray& m = metinler[size_t(i)];
        switch (v.typeId()) {
        case QMetaType::QDate:
            m = v.toDate().toString(Qt::ISODate).toUtf8();
            türler[size_t(i)] = 1082; // date
            break;
        case QMetaType::QTime:
            m = v.toTime().toString(QStringLiteral("HH:mm:ss")).toUtf8();
            türler[size_t(i)] = 1083; // time
            break;
        case QMetaType::QDateTime:
            m = v.toDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")).toUtf8();
            türler[size_t(i)] = 1114; // timestamp
            break;
        case QMetaType::Bool:
            m = v.toBool() ? "t" : "f";
            türler[size_t(i)] = 16; // boolean
            break;
        case QMetaType::Int:
        case QMetaType::LongLong:
            m = QByteArray::number(v.toLongLong());
            türler[size_t(i)] = 20; // bigint
            break;
        case QMetaType::Double:
            m = QByteArray::number(v.toDouble(), 'g', 17);
            türler[size_t(i)] = 1700; // numeric
            break;
        default:
            // Text goes untyped: the server reads it as the type of the field it meets.
            m = v.toString().toUtf8();
            break;
        }
        göstergeler[size_t(i)] = m.constData();
    }
    Sonuç r(PQexecParams(c, sql.toUtf8().constData(), int(n), türler.data(), göstergeler.data(),
                         nullptr, nullptr, 0));
    const ExecStatusType sonuç = r ? PQresultStatus(r.get()) : PGRES_FATAL_ERROR;
    if (sonuç != PGRES_COMMAND_OK && sonuç != PGRES_TUPLES_OK) {
        if (durum)
            *durum = durumKodu(r.get());
        throw hata(c, r.get());
    }
    return r;
}

QStringList şemaSorunları(PGconn* c) {
    QStringList sorunlar;
    struct Alan {
        QString tür;
        bool boşOlamaz = false, varsayılanVar = false, sayaç = false;
    };
    QHash<QString, QHash<QString, Alan>> tablolar;
    const Sonuç r = çalıştır(
        c,
        QStringLiteral(
            "SELECT table_name, column_name, data_type, is_nullable = 'NO', "
            "column_default IS NOT NULL, is_identity = 'YES' FROM information_schema.columns "
            "WHERE table_schema = current_schema() AND table_name = ANY ($1::text[])"),
        {QStringLiteral("{KlasorBilgileriTablosu,YapilacakIslerTablosu}")});
    for (int i = 0; i < PQntuples(r.get()); ++i)
        tablolar[metin(r.get(), i, 0)][metin(r.get(), i, 1)] = {
            metin(r.get(), i, 2), metin(r.get(), i, 3) == QLatin1String("t"),
            metin(r.get(), i, 4) == QLatin1String("t"), metin(r.get(), i, 5) == QLatin1String("t")};
    const auto denetle = [&](const QString& tablo, const QStringList& beklenen) {
        if (!tablolar.contains(tablo)) {
            sorunlar << QStringLiteral("%1 tablosu yok.").arg(tablo);
            return;
        }
        const QHash<QString, Alan>& alanlar = tablolar[tablo];
        QStringList eksik, uymayan, zorunlu;
        for (const QString& ad : beklenen) {
            if (!alanlar.contains(ad)) {
                eksik << ad;
                continue;
            }
            const Alan& a = alanlar[ad];
            QString istenen;
            switch (alanTürü(ad)) {
            case AlanTürü::Sayaç:
                istenen = QStringLiteral("bigint");
                break;
            case AlanTürü::Tarih:
                istenen = QStringLiteral("date");
                break;
            case AlanTürü::Saat:
                istenen = QStringLiteral("time without time zone");
                break;
            case AlanTürü::EvetHayır:
                istenen = QStringLiteral("boolean");
                break;
            case AlanTürü::Metin:
                istenen = QStringLiteral("text");
                break;
            }
            const bool uyar =
                a.tür == istenen ||
                (istenen == QLatin1String("text") && a.tür == QLatin1String("character varying")) ||
                (istenen == QLatin1String("bigint") && a.tür == QLatin1String("integer"));
            if (!uyar || (alanTürü(ad) == AlanTürü::Sayaç && !a.sayaç && !a.varsayılanVar))
                uymayan << ad + QStringLiteral(" (") + a.tür + QStringLiteral(")");
        }
        // The hidden row counter of the folder table numbers the rows in the order they came.
        const QString satırNo = JetÇevirici::sunucuSatırNo(tablo);
        if (!beklenen.contains(satırNo)) {
            if (!alanlar.contains(satırNo))
                eksik << satırNo;
            else if (!alanlar[satırNo].sayaç && !alanlar[satırNo].varsayılanVar)
                uymayan << satırNo + QStringLiteral(" (") + alanlar[satırNo].tür +
                               QStringLiteral(")");
        }
        for (auto i = alanlar.cbegin(); i != alanlar.cend(); ++i)
            if (!beklenen.contains(i.key()) && i.key() != satırNo && i->boşOlamaz &&
                !i->varsayılanVar && !i->sayaç)
                zorunlu << i.key();
        zorunlu.sort();
        if (!eksik.isEmpty())
            sorunlar
                << QStringLiteral("%1 tablosunda eksik alanlar: %2").arg(tablo, eksik.join(", "));
        if (!uymayan.isEmpty())
            sorunlar << QStringLiteral("%1 tablosunda türü programın değerlerini tutamayan "
                                       "alanlar: %2")
                            .arg(tablo, uymayan.join(", "));
        if (!zorunlu.isEmpty())
            sorunlar << QStringLiteral("%1 tablosunda boş bırakılamayan, varsayılanı olmayan "
                                       "fazladan alanlar: %2")
                            .arg(tablo, zorunlu.join(", "));
    };
    denetle(QStringLiteral("KlasorBilgileriTablosu"), VeritabanıKurulumu::klasörAlanları());
    denetle(QStringLiteral("YapilacakIslerTablosu"), VeritabanıKurulumu::işAlanları());
    return sorunlar;
}

} // namespace Sunucuİç
