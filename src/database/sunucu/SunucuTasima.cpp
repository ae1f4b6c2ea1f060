#include "database/sunucu/SunucuTasima.h"

#include "database/Veritabani.h"
#include "database/VeritabaniMotoru.h"
#include "database/dosya/DosyaIc.h"
#include "database/sunucu/SunucuIc.h"

#include <QCryptographicHash>
#include <QDate>
#include <QScopeGuard>
#include <QTime>
#include <algorithm>

namespace {

using Satır = QList<QVariant>;

struct Tablo {
    const char* ad;
    // The fields copied, the first the row's number: the file's row id of a folder (kept as
    // the server's row number, so that folders come in the file's order), the job number.
    QStringList alanlar;
    QString dosyadakiNo;
    QString sunucudakiNo;
};

const Tablo Klasörler{"KlasorBilgileriTablosu",
                      {"SatirNo", "Anahtari", "Bagi", "Adi"},
                      QStringLiteral("rowid"),
                      QStringLiteral("SatirNo")};
const Tablo İşler{"YapilacakIslerTablosu",
                  {"IsNo", "Anahtari", "IsinTarihi", "IsinSaati", "IsinKonusu", "IsinYeri",
                   "IsinSayisi", "Aciklama", "Hatirlatma", "IsYapildi"},
                  QStringLiteral("IsNo"),
                  QStringLiteral("IsNo")};

// A file's cell typed as the program reads it: a date or time that cannot be read is empty,
// an empty flag is false.
QVariant dosyaDeğeri(sqlite3_stmt* d, int sütun, AlanTürü tür) {
    const int sqlTürü = sqlite3_column_type(d, sütun);
    if (tür == AlanTürü::Sayaç)
        return qint64(sqlite3_column_int64(d, sütun));
    if (tür == AlanTürü::EvetHayır) {
        if (sqlTürü == SQLITE_NULL)
            return false;
        if (sqlTürü == SQLITE_INTEGER || sqlTürü == SQLITE_FLOAT)
            return sqlite3_column_int64(d, sütun) != 0;
    }
    if (sqlTürü == SQLITE_NULL)
        return QVariant();
    const QString m =
        QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(d, sütun)),
                          sqlite3_column_bytes(d, sütun));
    switch (tür) {
    case AlanTürü::EvetHayır:
        return m.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0 || m.toLongLong() != 0;
    case AlanTürü::Tarih: {
        const QDate t = QDate::fromString(m.left(10), Qt::ISODate);
        return t.isValid() ? QVariant(t) : QVariant();
    }
    case AlanTürü::Saat: {
        QTime z;
        for (const char* biçim : {"HH:mm:ss", "H:mm:ss", "H:mm"})
            if (!z.isValid())
                z = QTime::fromString(m, QLatin1String(biçim));
        return z.isValid() ? QVariant(z) : QVariant();
    }
    default:
        return m;
    }
}

// A value as the server writes it in text: ISO date, time to the second, t/f.
QString sunucuMetni(const QVariant& v) {
    switch (v.typeId()) {
    case QMetaType::QDate:
        return v.toDate().toString(Qt::ISODate);
    case QMetaType::QTime:
        return v.toTime().toString(QStringLiteral("HH:mm:ss"));
    case QMetaType::Bool:
        return v.toBool() ? QStringLiteral("t") : QStringLiteral("f");
    default:
        return v.toString();
    }
}

// Adds a field to a row's digest: empty and "" differ, and no text can pass for two fields.
void ekle(QCryptographicHash& özet, bool boş, const QString& metin) {
    if (boş) {
        özet.addData("-");
        return;
    }
    const QByteArray b = metin.toUtf8();
    özet.addData(QByteArray::number(b.size()) + ':');
    özet.addData(b);
}

QList<Satır> dosyadanOku(sqlite3* db, const Tablo& t, const QString& dosya) {
    QStringList seçilen = t.alanlar;
    seçilen[0] = t.dosyadakiNo;
    const QByteArray sql = QStringLiteral("SELECT %1 FROM %2 ORDER BY %3")
                               .arg(seçilen.join(", "), QLatin1String(t.ad), t.dosyadakiNo)
                               .toUtf8();
    sqlite3_stmt* d = nullptr;
    int sonuç = sqlite3_prepare_v2(db, sql.constData(), -1, &d, nullptr);
    if (sonuç != SQLITE_OK)
        throw Veritabanıİç::hata(db, sonuç, dosya);
    QList<AlanTürü> türler;
    for (const QString& a : t.alanlar)
        türler << (a == t.sunucudakiNo ? AlanTürü::Sayaç : alanTürü(a));
    QList<Satır> satırlar;
    while ((sonuç = sqlite3_step(d)) == SQLITE_ROW) {
        Satır s;
        for (int i = 0; i < türler.size(); ++i)
            s << dosyaDeğeri(d, i, türler[i]);
        satırlar << s;
    }
    sqlite3_finalize(d);
    if (sonuç != SQLITE_DONE)
        throw Veritabanıİç::hata(db, sonuç, dosya);
    return satırlar;
}

QString ad(const QString& a) {
    return QLatin1Char('"') + a + QLatin1Char('"');
}

// Inserts the rows many at a time, every value a parameter.
void yaz(PGconn* c, const Tablo& t, const QList<Satır>& satırlar) {
    const qsizetype sütun = t.alanlar.size();
    const qsizetype parti = 500;
    QStringList adlar;
    for (const QString& a : t.alanlar)
        adlar << ad(a);
    const QString baş = QStringLiteral("INSERT INTO \"%1\" (%2) OVERRIDING SYSTEM VALUE VALUES ")
                            .arg(QLatin1String(t.ad), adlar.join(", "));
    for (qsizetype i = 0; i < satırlar.size(); i += parti) {
        QStringList gruplar;
        QList<QVariant> değerler;
        for (qsizetype j = i; j < std::min(satırlar.size(), i + parti); ++j) {
            QStringList yer;
            for (qsizetype k = 0; k < sütun; ++k)
                yer << QStringLiteral("$%1").arg(değerler.size() + k + 1);
            gruplar << QLatin1Char('(') + yer.join(", ") + QLatin1Char(')');
            değerler << satırlar[j];
        }
        Sunucuİç::çalıştır(c, baş + gruplar.join(", "), değerler);
    }
}

QByteArray dosyaÖzeti(const QList<Satır>& satırlar) {
    QCryptographicHash özet(QCryptographicHash::Sha256);
    for (const Satır& s : satırlar)
        for (const QVariant& v : s)
            ekle(özet, v.isNull(), sunucuMetni(v));
    return özet.result();
}

// The digest of the server's rows, read back in the order of their numbers, and their count.
QByteArray sunucuÖzeti(PGconn* c, const Tablo& t, qint64& sayı) {
    QStringList adlar;
    for (const QString& a : t.alanlar)
        adlar << ad(a);
    const Sunucuİç::Sonuç r =
        Sunucuİç::çalıştır(c, QStringLiteral("SELECT %1 FROM \"%2\" ORDER BY %3")
                                  .arg(adlar.join(", "), QLatin1String(t.ad), ad(t.sunucudakiNo)));
    QCryptographicHash özet(QCryptographicHash::Sha256);
    sayı = PQntuples(r.get());
    for (int i = 0; i < sayı; ++i)
        for (int k = 0; k < PQnfields(r.get()); ++k)
            ekle(özet, PQgetisnull(r.get(), i, k), Sunucuİç::metin(r.get(), i, k));
    return özet.result();
}

} // namespace

namespace SunucuTaşıma {

Sonuç taşı(const QString& dosya, const QString& dosyaParolası, const QString& adres,
           const QString& sunucuParolası) {
    // The file is read in one read transaction and closed before the server is written.
    QList<Satır> klasörler, işler;
    QString kimlik;
    {
        sqlite3* db = Veritabanıİç::mevcutAç(dosya, dosyaParolası, false);
        const auto kapat = qScopeGuard([db] { sqlite3_close_v2(db); });
        const QStringList sorunlar = Veritabanıİç::şemaSorunları(db, dosya);
        if (!sorunlar.isEmpty())
            throw Hata(HataNo::VeritabanıDeğil,
                       QStringLiteral("Dosya bir Tarvela veritabanı değil: ") +
                           sorunlar.join("; "));
        Veritabanıİç::çalıştır(db, "BEGIN", dosya);
        klasörler = dosyadanOku(db, Klasörler, dosya);
        işler = dosyadanOku(db, İşler, dosya);
        kimlik = Veritabanıİç::kimlik(db, "main", dosya);
        Veritabanıİç::çalıştır(db, "COMMIT", dosya);
    }

    const Sunucuİç::Bağlantı bağlantı = Sunucuİç::bağlan(adres, sunucuParolası);
    PGconn* c = bağlantı.get();
    const QStringList sorunlar = Sunucuİç::şemaSorunları(c);
    if (!sorunlar.isEmpty())
        throw Hata(HataNo::VeritabanıDeğil,
                   QStringLiteral("Sunucudaki veritabanının tabloları programınkilere uymuyor: ") +
                       sorunlar.join("; "));
    Sunucuİç::çalıştır(c, QStringLiteral("BEGIN"));
    try {
        // No program may write to the tables until the copy is committed; another copy into
        // the same database waits here and then finds it full.
        Sunucuİç::çalıştır(
            c, QStringLiteral("SET LOCAL lock_timeout = %1").arg(Veritabanıİç::beklemeSüresi()));
        Sunucuİç::çalıştır(c, QStringLiteral("LOCK TABLE \"KlasorBilgileriTablosu\", "
                                             "\"YapilacakIslerTablosu\" IN SHARE ROW EXCLUSIVE "
                                             "MODE"));
        const Sunucuİç::Sonuç dolu = Sunucuİç::çalıştır(
            c, QStringLiteral("SELECT EXISTS (SELECT 1 FROM \"KlasorBilgileriTablosu\") OR "
                              "EXISTS (SELECT 1 FROM \"YapilacakIslerTablosu\")"));
        if (Sunucuİç::metin(dolu.get(), 0, 0) == QLatin1String("t"))
            throw Hata(3204, QStringLiteral("Sunucudaki veritabanında klasör ya da iş var; "
                                            "taşıma yalnız boş bir veritabanına yapılır, hiçbir "
                                            "şey yazılmadı: %1")
                                 .arg(Sunucuİç::gösterilenAdres(adres)));
        yaz(c, Klasörler, klasörler);
        yaz(c, İşler, işler);
        // The counters go on after the largest number copied.
        for (const Tablo* t : {&Klasörler, &İşler})
            Sunucuİç::çalıştır(c,
                               QStringLiteral("SELECT setval(pg_get_serial_sequence($1, $2), "
                                              "max(%1)) FROM \"%2\" HAVING count(*) > 0")
                                   .arg(ad(t->sunucudakiNo), QLatin1String(t->ad)),
                               {ad(QLatin1String(t->ad)), t->sunucudakiNo});
        Sunucuİç::çalıştır(
            c,
            QStringLiteral("INSERT INTO \"%1\" (\"Adi\", \"Degeri\") VALUES ($1, $2) ON CONFLICT "
                           "(\"Adi\") DO UPDATE SET \"Degeri\" = EXCLUDED.\"Degeri\"")
                .arg(QLatin1String(Veritabanıİç::BilgiTablosu)),
            {QString::fromLatin1(Veritabanıİç::KimlikAdı), kimlik});

        // What the server holds now, read back, must be what the file holds.
        QStringList farklar;
        const auto karşılaştır = [&](const Tablo& t, const QList<Satır>& satırlar) {
            qint64 sayı = 0;
            const QByteArray özet = sunucuÖzeti(c, t, sayı);
            if (sayı != satırlar.size())
                farklar << QStringLiteral("%1: dosyada %2, sunucuda %3 satır")
                               .arg(QLatin1String(t.ad))
                               .arg(satırlar.size())
                               .arg(sayı);
            else if (özet != dosyaÖzeti(satırlar))
                farklar
                    << QStringLiteral("%1: satırların değerleri farklı").arg(QLatin1String(t.ad));
        };
        karşılaştır(Klasörler, klasörler);
        karşılaştır(İşler, işler);
        const Sunucuİç::Sonuç k =
            Sunucuİç::çalıştır(c,
                               QStringLiteral("SELECT \"Degeri\" FROM \"%1\" WHERE \"Adi\" = $1")
                                   .arg(QLatin1String(Veritabanıİç::BilgiTablosu)),
                               {QString::fromLatin1(Veritabanıİç::KimlikAdı)});
        if (PQntuples(k.get()) != 1 || Sunucuİç::metin(k.get(), 0, 0) != kimlik)
            farklar << QStringLiteral("veritabanının kimliği farklı");
        if (!farklar.isEmpty())
            throw Hata(HataNo::Beklenmeyen,
                       QStringLiteral("Taşınan satırlar dosyadakilerle aynı değil; taşıma geri "
                                      "alındı, sunucuya bir şey yazılmadı (%1).")
                           .arg(farklar.join("; ")));
        Sunucuİç::çalıştır(c, QStringLiteral("COMMIT"));
    } catch (...) {
        PQclear(PQexec(c, "ROLLBACK"));
        throw;
    }
    return {klasörler.size(), işler.size()};
}

} // namespace SunucuTaşıma
