#include "database/Veritabani.h"

#include "controls/ProgramSaati.h"
#include "controls/TarihBicimi.h"
#include "database/JetCevirici.h"
#include "database/TurkceBenzer.h"
#include "database/VeritabaniIc.h"
#include "database/VeritabaniKurulumu.h"

#include <QCryptographicHash>
#include <QDebug>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>
#include <QSysInfo>
#include <QThread>
#include <QUuid>
#include <atomic>
#include <utility>
#include <vector>

#include <cerrno>
#include <climits>
#include <csignal>
#include <functional>
#include <sys/stat.h>
#include <unistd.h>

// ---------------------------------------------------------------------------------------
// Shared inner helpers
// ---------------------------------------------------------------------------------------

namespace Veritabanıİç {

namespace {
QString klasörü(const QString& dosya) {
    return QFileInfo(dosya).absolutePath();
}

bool yazmaBitiVar(mode_t kip) {
    return (kip & (S_IWUSR | S_IWGRP | S_IWOTH)) != 0;
}
} // namespace

int yolDenetle(const QString& dosya, QString* açıklama) {
    const auto yaz = [&](const QString& metin) {
        if (açıklama)
            *açıklama = metin;
    };
    if (dosya.trimmed().isEmpty() || dosya.contains(QChar(0))) {
        yaz(QStringLiteral("Dosya adı geçersiz: '%1'").arg(dosya));
        return HataNo::DosyaAdıGeçersiz;
    }
    const QByteArray yerel = QFile::encodeName(dosya);
    if (yerel.size() >= PATH_MAX) {
        yaz(QStringLiteral("Dosya adı çok uzun."));
        return HataNo::DosyaAdıGeçersiz;
    }
    for (const QByteArray& parça : yerel.split('/'))
        if (parça.size() > NAME_MAX) {
            yaz(QStringLiteral("Dosya adının bir parçası çok uzun."));
            return HataNo::DosyaAdıGeçersiz;
        }
    if (yerel.endsWith('/')) {
        yaz(QStringLiteral("Dosya adı geçersiz: '%1'").arg(dosya));
        return HataNo::DosyaAdıGeçersiz;
    }

    struct stat klasörBilgisi {};
    const QByteArray klasör = QFile::encodeName(klasörü(dosya));
    if (::stat(klasör.constData(), &klasörBilgisi) != 0 || !S_ISDIR(klasörBilgisi.st_mode)) {
        const int hataKodu = errno;
        if (hataKodu == EACCES) {
            yaz(QStringLiteral("Klasöre erişim izni yok: %1").arg(klasörü(dosya)));
            return HataNo::DosyaAçılamıyor;
        }
        if (hataKodu == EIO) {
            yaz(QStringLiteral("Klasör okunurken giriş/çıkış hatası: %1").arg(klasörü(dosya)));
            return HataNo::DiskVeyaAğHatası;
        }
        yaz(QStringLiteral("Klasör bulunamadı: %1").arg(klasörü(dosya)));
        return HataNo::YolGeçersiz;
    }

    struct stat bilgi {};
    if (::stat(yerel.constData(), &bilgi) != 0) {
        const int hataKodu = errno;
        if (hataKodu == ENOENT) {
            yaz(QStringLiteral("Veritabanı dosyası bulunamadı: %1").arg(dosya));
            return HataNo::DosyaBulunamadı;
        }
        if (hataKodu == EACCES) {
            yaz(QStringLiteral("Dosyaya erişim izni yok: %1").arg(dosya));
            return HataNo::DosyaAçılamıyor;
        }
        if (hataKodu == ENAMETOOLONG || hataKodu == ELOOP || hataKodu == ENOTDIR) {
            yaz(QStringLiteral("Dosya adı geçersiz: '%1'").arg(dosya));
            return HataNo::DosyaAdıGeçersiz;
        }
        yaz(QStringLiteral("Dosya okunamıyor: %1 (%2)")
                .arg(dosya, QString::fromLocal8Bit(strerror(hataKodu))));
        return HataNo::DiskVeyaAğHatası;
    }
    if (!S_ISREG(bilgi.st_mode)) {
        yaz(QStringLiteral("Bir dosya değil: %1").arg(dosya));
        return HataNo::DosyaAçılamıyor;
    }
    // No database is smaller than its smallest page: the engine would take such a file for
    // an empty database instead of saying what it is.
    if (bilgi.st_size < 512) {
        yaz(QStringLiteral("Dosya bir veritabanı değil (%1 bayt): %2")
                .arg(bilgi.st_size)
                .arg(dosya));
        return HataNo::VeritabanıDeğil;
    }
    // A file or folder without any write permission counts as read-only, also for the
    // administrator (as a read-only file does elsewhere); the file is opened read-write only.
    if (::access(yerel.constData(), R_OK | W_OK) != 0 || !yazmaBitiVar(bilgi.st_mode)) {
        yaz(QStringLiteral("Dosya salt okunur ya da erişim izni yok: %1").arg(dosya));
        return HataNo::DosyaAçılamıyor;
    }
    if (::access(klasör.constData(), W_OK | X_OK) != 0 || !yazmaBitiVar(klasörBilgisi.st_mode)) {
        yaz(QStringLiteral("Veritabanının klasörüne yazılamıyor: %1").arg(klasörü(dosya)));
        return HataNo::DosyaAçılamıyor;
    }
    return 0;
}

Hata hata(sqlite3* db, int kod, const QString& dosya) {
    const QString ileti = db ? QString::fromUtf8(sqlite3_errmsg(db)) : QString();
    const int ana = kod & 0xff;
    switch (ana) {
    case SQLITE_NOTADB:
        return Hata(HataNo::VeritabanıDeğil,
                    QStringLiteral("Dosya bir veritabanı değil ya da parola yanlış."));
    case SQLITE_CORRUPT:
        return Hata(VeritabanıHataNo::Bozuk, QStringLiteral("Veritabanı dosyası bozuk."));
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return Hata(VeritabanıHataNo::Meşgul,
                    QStringLiteral("Veritabanı şu anda başka bir bilgisayar tarafından "
                                   "kullanılıyor. Lütfen, biraz sonra tekrar deneyiniz."));
    case SQLITE_READONLY:
    case SQLITE_PERM:
        return Hata(
            HataNo::DosyaAçılamıyor,
            QStringLiteral("Veritabanı dosyasına yazılamıyor (salt okunur ya da izin yok)."));
    case SQLITE_CANTOPEN: {
        if (!dosya.isEmpty()) {
            QString açıklama;
            const int yolHatası = yolDenetle(dosya, &açıklama);
            if (yolHatası != 0)
                return Hata(yolHatası, açıklama);
        }
        return Hata(HataNo::DosyaAçılamıyor, QStringLiteral("Veritabanı dosyası açılamıyor."));
    }
    case SQLITE_FULL:
        return Hata(HataNo::DiskVeyaAğHatası, QStringLiteral("Diskte yer kalmadı."));
    case SQLITE_IOERR:
        if (!dosya.isEmpty()) {
            QString açıklama;
            const int yolHatası = yolDenetle(dosya, &açıklama);
            if (yolHatası == HataNo::DosyaBulunamadı || yolHatası == HataNo::YolGeçersiz)
                return Hata(yolHatası, açıklama);
        }
        return Hata(HataNo::DiskVeyaAğHatası,
                    QStringLiteral("Disk ya da ağ hatası: %1").arg(ileti));
    case SQLITE_CONSTRAINT:
        return Hata(VeritabanıHataNo::YinelenenDeğer,
                    QStringLiteral("Bu değer zaten var; kayıt yapılamadı. (%1)").arg(ileti));
    case SQLITE_NOMEM:
        return Hata(7, QStringLiteral("Bellek yetersiz."));
    case SQLITE_TOOBIG:
        return Hata(3163, QStringLiteral("Değer, alana sığmayacak kadar büyük."));
    case SQLITE_AUTH:
        return Hata(JetÇevirici::SözdizimiHatası,
                    QStringLiteral("Bu deyime izin verilmiyor. (%1)").arg(ileti));
    case SQLITE_ERROR:
        if (ileti.startsWith(QLatin1String("no such table")))
            return Hata(3078, QStringLiteral("Tablo bulunamadı. (%1)").arg(ileti));
        if (ileti.startsWith(QLatin1String("no such column")))
            return Hata(3061, QStringLiteral("Alan bulunamadı. (%1)").arg(ileti));
        return Hata(JetÇevirici::SözdizimiHatası,
                    QStringLiteral("Sorgu ifadesinde hata. (%1)").arg(ileti));
    default:
        return Hata(HataNo::Beklenmeyen,
                    QStringLiteral("Veritabanı hatası %1: %2").arg(kod).arg(ileti));
    }
}

void çalıştır(sqlite3* db, const char* sql, const QString& dosya) {
    const int sonuç = sqlite3_exec(db, sql, nullptr, nullptr, nullptr);
    if (sonuç != SQLITE_OK)
        throw hata(db, sonuç, dosya);
}

QString tekSatır(sqlite3* db, const char* sql, const QString& dosya) {
    sqlite3_stmt* d = nullptr;
    int sonuç = sqlite3_prepare_v2(db, sql, -1, &d, nullptr);
    if (sonuç == SQLITE_OK)
        sonuç = sqlite3_step(d);
    const QString değer =
        sonuç == SQLITE_ROW
            ? QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(d, 0)))
            : QString();
    sqlite3_finalize(d);
    if (sonuç != SQLITE_ROW)
        throw hata(db, sonuç, dosya);
    return değer;
}

namespace {
std::atomic<int> beklemeSınırı{10000};
std::atomic<long> beklemeler{0};

// Waits a little longer each time, until the wait time is used up.
int kilidiBekle(void*, int kaçıncı) {
    static constexpr int adımlar[] = {1, 2, 5, 10, 15, 20, 25, 25, 25, 50, 50, 100};
    constexpr int adımSayısı = int(sizeof adımlar / sizeof adımlar[0]);
    int geçen = 0;
    for (int i = 0; i < std::min(kaçıncı, adımSayısı); ++i)
        geçen += adımlar[i];
    if (kaçıncı > adımSayısı)
        geçen += (kaçıncı - adımSayısı) * 100;
    const int adım = kaçıncı < adımSayısı ? adımlar[kaçıncı] : 100;
    if (geçen >= beklemeSınırı.load())
        return 0;
    ++beklemeler;
    sqlite3_sleep(std::min(adım, beklemeSınırı.load() - geçen));
    return 1;
}
} // namespace

int beklemeSüresi() {
    return beklemeSınırı.load();
}
void beklemeSüresiniAyarla(int ms) {
    beklemeSınırı = ms;
}
long beklemeSayısı() {
    return beklemeler.load();
}

namespace {
// The failure planned for a coming database step: its number, and how many steps go first.
struct PlanlıHata {
    int numara = 0;
    int atlanacak = 0;
} planlıHata;
} // namespace

void sonrakiAdımdaHata(int numara, int atlanacak) {
    planlıHata = {numara, atlanacak};
}

QString parolaAyıkla(const QString& bağlantı) {
    for (const QString& parça : bağlantı.split(u';', Qt::SkipEmptyParts)) {
        const qsizetype eşit = parça.indexOf(u'=');
        if (eşit > 0 &&
            parça.left(eşit).trimmed().compare(QLatin1String("Pwd"), Qt::CaseInsensitive) == 0)
            return parça.mid(eşit + 1);
    }
    return QString();
}

void hazırla(sqlite3* db, const QString& parola) {
    sqlite3_extended_result_codes(db, 1);
    if (!parola.isEmpty()) {
        const QByteArray anahtar = parola.toUtf8();
        if (sqlite3_key(db, anahtar.constData(), int(anahtar.size())) != SQLITE_OK)
            throw hata(db, SQLITE_NOTADB);
    }
    sqlite3_busy_handler(db, kilidiBekle, nullptr);
    if (TürkçeBenzer::kaydet(db) != SQLITE_OK)
        throw hata(db, SQLITE_ERROR);
}

QStringList şemaSorunları(sqlite3* db, const QString& dosya) {
    QStringList sorunlar;
    bool klasörTablosu = false, işTablosu = false;
    {
        sqlite3_stmt* deyim = nullptr;
        int sonuç = sqlite3_prepare_v2(db, "SELECT name FROM sqlite_master WHERE type = 'table'",
                                       -1, &deyim, nullptr);
        if (sonuç != SQLITE_OK)
            throw hata(db, sonuç, dosya);
        // Other tables, views, indexes and triggers belong to whoever added them; the program
        // neither reads nor changes them.
        while ((sonuç = sqlite3_step(deyim)) == SQLITE_ROW) {
            const QString ad =
                QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(deyim, 0)));
            if (ad.compare(QLatin1String("KlasorBilgileriTablosu"), Qt::CaseInsensitive) == 0)
                klasörTablosu = true;
            else if (ad.compare(QLatin1String("YapilacakIslerTablosu"), Qt::CaseInsensitive) == 0)
                işTablosu = true;
        }
        sqlite3_finalize(deyim);
        if (sonuç != SQLITE_DONE)
            throw hata(db, sonuç, dosya);
    }
    const auto alanlarıDenetle = [&](const char* tablo, const QStringList& beklenen) {
        QStringList bulunan, eksik, uymayan, zorunlu;
        const QByteArray sql = QByteArray("PRAGMA table_info(") + tablo + ")";
        sqlite3_stmt* d = nullptr;
        int s = sqlite3_prepare_v2(db, sql.constData(), -1, &d, nullptr);
        if (s != SQLITE_OK)
            throw hata(db, s, dosya);
        const auto metin = [&](int sütun) {
            return QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(d, sütun)));
        };
        while ((s = sqlite3_step(d)) == SQLITE_ROW) {
            const QString ad = metin(1), tür = metin(2).toUpper();
            const bool boşOlamaz = sqlite3_column_int(d, 3) != 0;
            const bool varsayılanVar = sqlite3_column_type(d, 4) != SQLITE_NULL;
            const bool anahtar = sqlite3_column_int(d, 5) != 0;
            bulunan << ad;
            if (!beklenen.contains(ad, Qt::CaseInsensitive)) {
                // The program adds rows without it: it must be able to stay empty.
                if (boşOlamaz && !varsayılanVar && !anahtar)
                    zorunlu << ad;
            } else if (ad.compare(QLatin1String("IsNo"), Qt::CaseInsensitive) == 0) {
                // The job number is given by the database: the row's own number.
                if (tür != QLatin1String("INTEGER") || !anahtar)
                    uymayan << ad + QStringLiteral(" (") + metin(2) + QStringLiteral(")");
            } else if (VeritabanıKurulumu::metinAlanıMı(ad) &&
                       (tür.contains(QLatin1String("INT")) ||
                        (!tür.contains(QLatin1String("CHAR")) &&
                         !tür.contains(QLatin1String("CLOB")) &&
                         !tür.contains(QLatin1String("TEXT")) &&
                         !tür.contains(QLatin1String("BLOB")) && !tür.isEmpty()))) {
                // A numeric field would turn a text such as "007" into the number 7.
                uymayan << ad + QStringLiteral(" (") + metin(2) + QStringLiteral(")");
            }
        }
        sqlite3_finalize(d);
        if (s != SQLITE_DONE)
            throw hata(db, s, dosya);
        for (const QString& a : beklenen)
            if (!bulunan.contains(a, Qt::CaseInsensitive))
                eksik << a;
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
    if (!klasörTablosu)
        sorunlar << QStringLiteral("KlasorBilgileriTablosu tablosu yok.");
    else
        alanlarıDenetle("KlasorBilgileriTablosu", VeritabanıKurulumu::klasörAlanları());
    if (!işTablosu)
        sorunlar << QStringLiteral("YapilacakIslerTablosu tablosu yok.");
    else
        alanlarıDenetle("YapilacakIslerTablosu", VeritabanıKurulumu::işAlanları());
    return sorunlar;
}

bool şemadaVar(sqlite3* db, const char* şema, const char* tür, const char* ad,
               const QString& dosya) {
    const QByteArray sql = QByteArray("SELECT count(*) FROM \"") + şema +
                           "\".sqlite_master WHERE type = ? AND name = ? COLLATE NOCASE";
    sqlite3_stmt* d = nullptr;
    int sonuç = sqlite3_prepare_v2(db, sql.constData(), -1, &d, nullptr);
    if (sonuç == SQLITE_OK) {
        sqlite3_bind_text(d, 1, tür, -1, SQLITE_STATIC);
        sqlite3_bind_text(d, 2, ad, -1, SQLITE_STATIC);
        sonuç = sqlite3_step(d);
    }
    const bool var = sonuç == SQLITE_ROW && sqlite3_column_int(d, 0) > 0;
    sqlite3_finalize(d);
    if (sonuç != SQLITE_ROW)
        throw hata(db, sonuç, dosya);
    return var;
}

QString saklıKimlik(sqlite3* db, const char* şema, const QString& dosya) {
    const QByteArray ş(şema);
    if (!şemadaVar(db, şema, "table", BilgiTablosu, dosya))
        return QString();
    const QByteArray sql =
        "SELECT Degeri FROM \"" + ş + "\"." + BilgiTablosu + " WHERE Adi = '" + KimlikAdı + "'";
    sqlite3_stmt* d = nullptr;
    int sonuç = sqlite3_prepare_v2(db, sql.constData(), -1, &d, nullptr);
    // A table of that name made by someone else, without these fields, holds no identity.
    if (sonuç == SQLITE_ERROR) {
        sqlite3_finalize(d);
        return QString();
    }
    if (sonuç == SQLITE_OK)
        sonuç = sqlite3_step(d);
    QString değer;
    if (sonuç == SQLITE_ROW && sqlite3_column_type(d, 0) != SQLITE_NULL)
        değer =
            QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(d, 0))).trimmed();
    sqlite3_finalize(d);
    if (sonuç != SQLITE_ROW && sonuç != SQLITE_DONE)
        throw hata(db, sonuç, dosya);
    return değer;
}

QString tuzKimliği(const QString& dosya) {
    QFile f(dosya);
    QByteArray tuz;
    if (f.open(QIODevice::ReadOnly))
        tuz = f.read(16);
    if (tuz.size() != 16)
        throw Hata(HataNo::DiskVeyaAğHatası,
                   QStringLiteral("Veritabanı dosyasının başı okunamadı: %1").arg(dosya));
    return QString::fromLatin1(
        QCryptographicHash::hash("Tarvela-kimlik:" + tuz, QCryptographicHash::Sha256)
            .toHex()
            .left(32));
}

QString kimlik(sqlite3* db, const char* şema, const QString& dosya) {
    const QString saklı = saklıKimlik(db, şema, dosya);
    return saklı.isEmpty() ? tuzKimliği(dosya) : saklı;
}

QString yeniKimlik() {
    return QUuid::createUuid().toString(QUuid::Id128);
}

void kimliğiSakla(sqlite3* db, const char* şema, const QString& kimlik, const QString& dosya) {
    const QByteArray ş = QByteArray("\"") + şema + "\".";
    çalıştır(
        db,
        ("CREATE TABLE IF NOT EXISTS " + ş + BilgiTablosu + " (Adi TEXT PRIMARY KEY, Degeri TEXT)")
            .constData(),
        dosya);
    const QByteArray sql = "INSERT OR IGNORE INTO " + ş + BilgiTablosu +
                           " (Adi, Degeri) VALUES ('" + KimlikAdı + "', ?)";
    sqlite3_stmt* d = nullptr;
    int sonuç = sqlite3_prepare_v2(db, sql.constData(), -1, &d, nullptr);
    if (sonuç == SQLITE_OK) {
        const QByteArray değer = kimlik.toUtf8();
        sqlite3_bind_text(d, 1, değer.constData(), int(değer.size()), SQLITE_TRANSIENT);
        sonuç = sqlite3_step(d);
    }
    sqlite3_finalize(d);
    if (sonuç != SQLITE_DONE)
        throw hata(db, sonuç, dosya);
}

} // namespace Veritabanıİç

using namespace Veritabanıİç;

// ---------------------------------------------------------------------------------------
// The connection
// ---------------------------------------------------------------------------------------

namespace {

// Field types, fixed by the schema.
enum class AlanTürü { Metin, Tarih, Saat, EvetHayır, Sayaç };

AlanTürü alanTürü(const QString& ad) {
    if (ad.compare(QLatin1String("IsinTarihi"), Qt::CaseInsensitive) == 0)
        return AlanTürü::Tarih;
    if (ad.compare(QLatin1String("IsinSaati"), Qt::CaseInsensitive) == 0)
        return AlanTürü::Saat;
    if (ad.compare(QLatin1String("Hatirlatma"), Qt::CaseInsensitive) == 0 ||
        ad.compare(QLatin1String("IsYapildi"), Qt::CaseInsensitive) == 0)
        return AlanTürü::EvetHayır;
    if (ad.compare(QLatin1String("IsNo"), Qt::CaseInsensitive) == 0)
        return AlanTürü::Sayaç;
    return AlanTürü::Metin;
}

// The stored forms "YYYY-MM-DD" and "HH:MM:SS" read directly: Qt's general parsers cost more
// than everything else of a row. Anything else is left to them (an invalid result here).
bool rakam(char c) {
    return c >= '0' && c <= '9';
}
int sayı(const char* m, int n) {
    int s = 0;
    for (int i = 0; i < n; ++i)
        s = s * 10 + (m[i] - '0');
    return s;
}
QDate saklananTarih(const char* m, int n) {
    if (n < 10 || m[4] != '-' || m[7] != '-')
        return QDate();
    for (int i : {0, 1, 2, 3, 5, 6, 8, 9})
        if (!rakam(m[i]))
            return QDate();
    return QDate(sayı(m, 4), sayı(m + 5, 2), sayı(m + 8, 2));
}
QTime saklananSaat(const char* m, int n) {
    if (n != 8 || m[2] != ':' || m[5] != ':')
        return QTime();
    for (int i : {0, 1, 3, 4, 6, 7})
        if (!rakam(m[i]))
            return QTime();
    return QTime(sayı(m, 2), sayı(m + 3, 2), sayı(m + 6, 2));
}

// A stored value as the program reads it.
QVariant okunan(AlanTürü tür, sqlite3_stmt* d, int sütun) {
    const int değerTürü = sqlite3_column_type(d, sütun);
    if (tür == AlanTürü::EvetHayır) {
        if (değerTürü == SQLITE_NULL)
            return false;
        if (değerTürü == SQLITE_TEXT) {
            const QString m =
                QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(d, sütun)));
            return m.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0 ||
                   m.toLongLong() != 0;
        }
        return sqlite3_column_int64(d, sütun) != 0;
    }
    if (değerTürü == SQLITE_NULL)
        return QVariant();
    switch (tür) {
    case AlanTürü::Sayaç:
        return qint64(sqlite3_column_int64(d, sütun));
    case AlanTürü::Tarih: {
        const QDate hızlı =
            saklananTarih(reinterpret_cast<const char*>(sqlite3_column_text(d, sütun)),
                          sqlite3_column_bytes(d, sütun));
        if (hızlı.isValid())
            return hızlı;
        const QString m =
            QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(d, sütun)));
        const QDate t = QDate::fromString(m.left(10), Qt::ISODate);
        return t.isValid() ? QVariant(t) : QVariant();
    }
    case AlanTürü::Saat: {
        const QTime hızlı =
            saklananSaat(reinterpret_cast<const char*>(sqlite3_column_text(d, sütun)),
                         sqlite3_column_bytes(d, sütun));
        if (hızlı.isValid())
            return hızlı;
        const QString m =
            QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(d, sütun)));
        QTime z = QTime::fromString(m, QStringLiteral("HH:mm:ss"));
        if (!z.isValid())
            z = QTime::fromString(m, QStringLiteral("H:mm:ss"));
        if (!z.isValid())
            z = QTime::fromString(m, QStringLiteral("H:mm"));
        return z.isValid() ? QVariant(z) : QVariant();
    }
    default: {
        // Straight from the stored UTF-8: one conversion instead of the engine's and a copy.
        const auto* veri = reinterpret_cast<const char*>(sqlite3_column_text(d, sütun));
        return QString::fromUtf8(veri, sqlite3_column_bytes(d, sütun));
    }
    }
}

[[noreturn]] void dönüştürülemez(const QString& alan, const QVariant& değer) {
    throw Hata(VeritabanıHataNo::TürDönüşümü,
               QStringLiteral("Veri türü dönüştürme hatası: '%1' değeri %2 alanına yazılamaz.")
                   .arg(değer.toString().left(40), alan));
}

// A value written through a field, converted to what is stored: dates as YYYY-MM-DD, times
// as HH:MM:SS, yes/no as 0/1. Date texts are read in the user's date format.
QVariant saklanan(const QString& alan, const QVariant& değer) {
    const AlanTürü tür = alanTürü(alan);
    if (tür == AlanTürü::Sayaç)
        throw Hata(
            VeritabanıHataNo::AlanGüncellenemez,
            QStringLiteral("%1 alanı güncelleştirilemez; numarayı veritabanı verir.").arg(alan));
    const bool boş = !değer.isValid() || değer.isNull() ||
                     (değer.typeId() == QMetaType::QString &&
                      değer.toString().trimmed().isEmpty() && tür != AlanTürü::Metin);
    if (tür == AlanTürü::EvetHayır) {
        if (boş)
            return qint64(0);
        switch (değer.typeId()) {
        case QMetaType::Bool:
            return qint64(değer.toBool() ? 1 : 0);
        case QMetaType::Int:
        case QMetaType::LongLong:
        case QMetaType::UInt:
        case QMetaType::ULongLong:
        case QMetaType::Double:
            return qint64(değer.toDouble() != 0 ? 1 : 0);
        default: {
            const QString m = değer.toString().trimmed();
            if (m.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0 ||
                m == QLatin1String("-1") || m == QLatin1String("1") ||
                m.compare(QLatin1String("Evet"), Qt::CaseInsensitive) == 0)
                return qint64(1);
            if (m.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0 ||
                m == QLatin1String("0") ||
                m.compare(QLatin1String("Hayır"), Qt::CaseInsensitive) == 0)
                return qint64(0);
            dönüştürülemez(alan, değer);
        }
        }
    }
    if (boş)
        return QVariant();
    if (tür == AlanTürü::Tarih) {
        QDate t;
        if (değer.typeId() == QMetaType::QDate)
            t = değer.toDate();
        else if (değer.typeId() == QMetaType::QDateTime)
            t = değer.toDateTime().date();
        else {
            const QString m = değer.toString().trimmed();
            t = TarihBiçimi::çöz(m);
            if (!t.isValid())
                t = QDate::fromString(m, Qt::ISODate);
        }
        if (!t.isValid())
            dönüştürülemez(alan, değer);
        return t.toString(QStringLiteral("yyyy-MM-dd"));
    }
    if (tür == AlanTürü::Saat) {
        QTime z;
        if (değer.typeId() == QMetaType::QTime)
            z = değer.toTime();
        else if (değer.typeId() == QMetaType::QDateTime)
            z = değer.toDateTime().time();
        else {
            const QString m = değer.toString().trimmed();
            static const QRegularExpression biçim(
                QStringLiteral("^(\\d{1,2}):(\\d{2})(?::(\\d{1,2}))?$"));
            const auto e = biçim.match(m);
            if (e.hasMatch())
                z = QTime(e.captured(1).toInt(), e.captured(2).toInt(),
                          e.hasCaptured(3) ? e.captured(3).toInt() : 0);
        }
        if (!z.isValid())
            dönüştürülemez(alan, değer);
        return z.toString(QStringLiteral("HH:mm:ss"));
    }
    return değer.toString();
}

QVariant saklanandanOkunan(const QString& alan, const QVariant& saklanan) {
    switch (alanTürü(alan)) {
    case AlanTürü::EvetHayır:
        return saklanan.toLongLong() != 0;
    case AlanTürü::Tarih:
        return saklanan.isNull() ? QVariant()
                                 : QVariant(QDate::fromString(saklanan.toString(), Qt::ISODate));
    case AlanTürü::Saat:
        return saklanan.isNull()
                   ? QVariant()
                   : QVariant(QTime::fromString(saklanan.toString(), QStringLiteral("HH:mm:ss")));
    default:
        return saklanan;
    }
}

void bağla(sqlite3* db, sqlite3_stmt* d, int sıra, const QVariant& değer) {
    int sonuç;
    if (!değer.isValid() || değer.isNull())
        sonuç = sqlite3_bind_null(d, sıra);
    else if (değer.typeId() == QMetaType::LongLong)
        sonuç = sqlite3_bind_int64(d, sıra, değer.toLongLong());
    else {
        const QString m = değer.toString();
        sonuç = sqlite3_bind_text16(d, sıra, m.utf16(), int(m.size() * 2), SQLITE_TRANSIENT);
    }
    if (sonuç != SQLITE_OK)
        throw hata(db, sonuç);
}

// Statements sent by the program may read and change rows of the two tables only.
int yetkiDenetimi(void*, int işlem, const char* a, const char*, const char*, const char*) {
    const auto sistemTablosu = [&]() { return a && sqlite3_strnicmp(a, "sqlite_", 7) == 0; };
    switch (işlem) {
    case SQLITE_SELECT:
    case SQLITE_FUNCTION:
        return SQLITE_OK;
    case SQLITE_READ:
    case SQLITE_INSERT:
    case SQLITE_UPDATE:
    case SQLITE_DELETE:
        return sistemTablosu() ? SQLITE_DENY : SQLITE_OK;
    default:
        return SQLITE_DENY;
    }
}

struct Bağlantı {
    sqlite3* db = nullptr;
    QString dosya;
    QString parola;
    dev_t aygıt = 0;
    ino_t düğüm = 0;
    QDate yedekDenenenGün;
    // True while a transaction of several steps runs: its writes join it.
    bool işlemde = false;
    // The change counter's statement, prepared once, and the number of this opening of the
    // file (a file opened afresh starts its counter anew).
    sqlite3_stmt* sürüm = nullptr;
    quint64 kuşak = 0;
    ~Bağlantı() { kapat(); }
    void kapat() {
        sqlite3_finalize(sürüm);
        sürüm = nullptr;
        if (db)
            sqlite3_close_v2(db);
        db = nullptr;
    }
};

std::atomic<quint64> açılışSayısı{0};

QString yedekKlasörü(const QString& dosya) {
    return QFileInfo(dosya).absolutePath() + QStringLiteral("/Yedekler");
}

constexpr int SaklananYedekSayısı = 7;

// The checks after the password has been proven: the tables and every page. A failure here
// is the file's, not the folder's.
void içeriğiDenetle(sqlite3* db, const QString& dosya) {
    try {
        const QStringList sorunlar = şemaSorunları(db, dosya);
        if (!sorunlar.isEmpty())
            throw Hata(HataNo::VeritabanıDeğil,
                       QStringLiteral("Dosya bir Tarvela veritabanı değil: ") +
                           sorunlar.join("; "));
        // Every page is read once, so that a damaged page is found now and not in the
        // middle of the work.
        const QString durum = tekSatır(db, "PRAGMA quick_check", dosya);
        if (durum != QLatin1String("ok"))
            throw Hata(VeritabanıHataNo::Bozuk,
                       QStringLiteral("Veritabanı dosyası bozuk: ") + durum.left(200));
    } catch (const Hata& h) {
        if (h.numara() != HataNo::VeritabanıDeğil && h.numara() != VeritabanıHataNo::Bozuk)
            throw;
        throw AçılanDosyaHatası(h);
    }
}

void aç(Bağlantı& b) {
    b.kapat();
    QString açıklama;
    if (const int yolHatası = yolDenetle(b.dosya, &açıklama))
        throw Hata(yolHatası, açıklama);
    const QByteArray yerel = QFile::encodeName(b.dosya);
    sqlite3* db = nullptr;
    // Read-write and never create: a missing file stays missing.
    int sonuç = sqlite3_open_v2(yerel.constData(), &db, SQLITE_OPEN_READWRITE, nullptr);
    if (sonuç != SQLITE_OK) {
        const Hata h = hata(db, sonuç, b.dosya);
        sqlite3_close_v2(db);
        throw h;
    }
    try {
        if (sqlite3_db_readonly(db, "main") == 1)
            throw Hata(HataNo::DosyaAçılamıyor,
                       QStringLiteral("Veritabanı dosyası salt okunur: %1").arg(b.dosya));
        hazırla(db, b.parola);
        // The first read proves the key; a file that is no database fails here.
        sonuç = sqlite3_exec(db, "SELECT count(*) FROM sqlite_master", nullptr, nullptr, nullptr);
        if ((sonuç & 0xff) == SQLITE_BUSY)
            throw Hata(HataNo::DosyaAçılamıyor,
                       QStringLiteral("Veritabanı dosyası başka bir bilgisayarda kilitli."));
        if (sonuç != SQLITE_OK)
            throw hata(db, sonuç, b.dosya);
        içeriğiDenetle(db, b.dosya);
        // Durable commits with a rollback journal beside the file.
        çalıştır(db, "PRAGMA synchronous=FULL", b.dosya);
        sqlite3_stmt* g = nullptr;
        if (sqlite3_prepare_v2(db, "PRAGMA journal_mode", -1, &g, nullptr) == SQLITE_OK &&
            sqlite3_step(g) == SQLITE_ROW &&
            sqlite3_stricmp(reinterpret_cast<const char*>(sqlite3_column_text(g, 0)), "delete") !=
                0) {
            sqlite3_finalize(g);
            g = nullptr;
            çalıştır(db, "PRAGMA journal_mode=DELETE", b.dosya);
        }
        sqlite3_finalize(g);
    } catch (...) {
        sqlite3_close_v2(db);
        throw;
    }
    struct stat bilgi {};
    if (::stat(yerel.constData(), &bilgi) == 0) {
        b.aygıt = bilgi.st_dev;
        b.düğüm = bilgi.st_ino;
    }
    b.db = db;
    b.kuşak = ++açılışSayısı;
}

// Before every statement: the file must still be the one that was opened. A file that is
// gone is reported and never made again; a file put in its place (a restored copy) is
// opened afresh.
void dosyaDenetle(Bağlantı& b) {
    if (planlıHata.numara != 0 && planlıHata.atlanacak-- == 0) {
        const int no = std::exchange(planlıHata.numara, 0);
        throw Hata(no, QStringLiteral("Planlanmış hata %1").arg(no));
    }
    struct stat bilgi {};
    const QByteArray yerel = QFile::encodeName(b.dosya);
    if (::stat(yerel.constData(), &bilgi) != 0) {
        QString açıklama;
        int no = yolDenetle(b.dosya, &açıklama);
        if (no == 0) {
            no = HataNo::DiskVeyaAğHatası;
            açıklama = QStringLiteral("Veritabanı dosyasına ulaşılamıyor.");
        }
        throw Hata(no, açıklama);
    }
    if (!b.db || bilgi.st_dev != b.aygıt || bilgi.st_ino != b.düğüm)
        aç(b);
}

sqlite3_stmt* hazırlaDeyim(Bağlantı& b, const QString& sql) {
    const QByteArray metin = sql.toUtf8();
    sqlite3_stmt* d = nullptr;
    const char* kalan = nullptr;
    sqlite3_set_authorizer(b.db, yetkiDenetimi, nullptr);
    const int sonuç = sqlite3_prepare_v2(b.db, metin.constData(), int(metin.size()), &d, &kalan);
    sqlite3_set_authorizer(b.db, nullptr, nullptr);
    if (sonuç != SQLITE_OK) {
        sqlite3_finalize(d);
        throw hata(b.db, sonuç, b.dosya);
    }
    if (!d)
        throw Hata(JetÇevirici::SözdizimiHatası, QStringLiteral("Boş deyim."));
    while (kalan && *kalan && (*kalan == ' ' || *kalan == '\n' || *kalan == '\t' || *kalan == '\r'))
        ++kalan;
    if (kalan && *kalan) {
        sqlite3_finalize(d);
        throw Hata(JetÇevirici::DeyimSonundaFazlalık,
                   QStringLiteral("SQL deyiminin sonundan sonra karakter bulundu."));
    }
    return d;
}

struct DeyimSilici {
    sqlite3_stmt* d;
    ~DeyimSilici() { sqlite3_finalize(d); }
};

std::function<void(const QString&)>& yedekUyarısıAlıcısı() {
    static std::function<void(const QString&)> alıcı;
    return alıcı;
}

// A day's copy that could not be made: on standard error every time, to the user once a day.
void yedekUyarısı(const QString& neden) {
    qWarning().noquote() << "Günlük yedek alınamadı:" << neden;
    static QDate bildirilenGün;
    const QDate bugün = ProgramSaati::bugün();
    if (bildirilenGün == bugün || !yedekUyarısıAlıcısı())
        return;
    bildirilenGün = bugün;
    yedekUyarısıAlıcısı()(neden);
}

// Half-made copies carry the computer's name and the process number: "…vtb.yeni-HOST-PID",
// and "-journal" for the journal beside one.
QString bilgisayarAdı() {
    QString ad = QSysInfo::machineHostName();
    for (QChar& c : ad)
        if (!(c.isLetterOrNumber() && c.unicode() < 128) && c != u'.' && c != u'-')
            c = u'_';
    return ad.isEmpty() ? QStringLiteral("bilgisayar") : ad;
}

bool süreçÇalışıyor(qint64 no) {
    if (no <= 0 || no > INT_MAX)
        return false;
    return ::kill(pid_t(no), 0) == 0 || errno != ESRCH;
}

} // namespace

namespace Veritabanıİç {
// Removes the half-made copies of processes of this computer that no longer run. Those of
// other computers (the folder is shared) are removed once they are an hour old: whether
// their process still runs cannot be seen from here.
void yarımYedekleriTemizle(const QString& klasör) {
    const QString buBilgisayar = bilgisayarAdı();
    const QString ek = QStringLiteral(".vtb.yeni-");
    for (const QFileInfo& yarım :
         QDir(klasör).entryInfoList({QStringLiteral("Lodra-*.vtb.yeni-*")}, QDir::Files)) {
        QString kalan = yarım.fileName().mid(yarım.fileName().indexOf(ek) + ek.size());
        if (kalan.endsWith(QLatin1String("-journal")))
            kalan.chop(8);
        const qsizetype çizgi = kalan.lastIndexOf(u'-');
        bool sayı = false;
        const qint64 süreç = kalan.mid(çizgi + 1).toLongLong(&sayı);
        const bool bizim = çizgi > 0 && sayı && kalan.left(çizgi) == buBilgisayar;
        const bool eski = yarım.lastModified().secsTo(QDateTime::currentDateTime()) > 3600;
        if (bizim ? !süreçÇalışıyor(süreç) : eski)
            QFile::remove(yarım.absoluteFilePath());
    }
}
} // namespace Veritabanıİç

namespace {

// Keeps an encrypted copy of the file before the first write of each day: Yedekler/
// Lodra-YYYY-MM-DD.vtb beside the file, the newest few kept. The copy is made with the
// engine's own export inside one read transaction, so it is consistent while other
// computers write. A copy that cannot be made does not stop the work; the user is told.
void günlükYedek(Bağlantı& b) {
    const QDate bugün = ProgramSaati::bugün();
    if (b.yedekDenenenGün == bugün)
        return;
    b.yedekDenenenGün = bugün;
    const QString klasör = yedekKlasörü(b.dosya);
    const QString ad =
        QStringLiteral("Lodra-%1.vtb").arg(bugün.toString(QStringLiteral("yyyy-MM-dd")));
    const QString hedef = klasör + u'/' + ad;
    if (QFileInfo::exists(hedef))
        return;
    if (!QDir().mkpath(klasör)) {
        yedekUyarısı(QStringLiteral("Yedek klasörü oluşturulamadı: %1").arg(klasör));
        return;
    }
    const QString geçici =
        hedef + QStringLiteral(".yeni-%1-%2").arg(bilgisayarAdı()).arg(::getpid());
    QFile::remove(geçici);
    // The connection never creates files, so the copy is started as an empty file.
    {
        QFile boş(geçici);
        if (!boş.open(QIODevice::WriteOnly)) {
            yedekUyarısı(QStringLiteral("Yedek dosyası oluşturulamadı: %1").arg(geçici));
            return;
        }
    }
    bool bağlı = false;
    try {
        sqlite3_stmt* d = nullptr;
        int sonuç = sqlite3_prepare_v2(b.db, "ATTACH DATABASE ? AS yedek KEY ?", -1, &d, nullptr);
        if (sonuç != SQLITE_OK)
            throw hata(b.db, sonuç);
        {
            DeyimSilici silici{d};
            bağla(b.db, d, 1, QFile::encodeName(geçici).constData());
            bağla(b.db, d, 2, b.parola);
            sonuç = sqlite3_step(d);
            if (sonuç != SQLITE_DONE)
                throw hata(b.db, sonuç);
        }
        bağlı = true;
        çalıştır(b.db, "BEGIN");
        sonuç = sqlite3_exec(b.db, "SELECT sqlcipher_export('yedek')", nullptr, nullptr, nullptr);
        if (sonuç != SQLITE_OK) {
            const Hata h = hata(b.db, sonuç);
            sqlite3_exec(b.db, "ROLLBACK", nullptr, nullptr, nullptr);
            throw h;
        }
        // The copy starts with a salt of its own: a file that does not store its identity
        // gives the copy the one derived from its own start, so that a restored copy keeps
        // the identities of the calendar export. A copy without it is still a copy.
        try {
            kimliğiSakla(b.db, "yedek", kimlik(b.db, "main", b.dosya), geçici);
        } catch (const Hata& h) {
            qWarning().noquote() << "Yedeğe veritabanı kimliği yazılamadı:" << h.açıklama();
        }
        çalıştır(b.db, "COMMIT");
        çalıştır(b.db, "DETACH DATABASE yedek");
        bağlı = false;
        if (!QFile::rename(geçici, hedef)) {
            QFile::remove(geçici);
            yedekUyarısı(QStringLiteral("Yedek yerine konamadı: %1").arg(hedef));
            return;
        }
    } catch (const Hata& h) {
        if (bağlı)
            sqlite3_exec(b.db, "DETACH DATABASE yedek", nullptr, nullptr, nullptr);
        QFile::remove(geçici);
        QFile::remove(geçici + QStringLiteral("-journal"));
        yedekUyarısı(h.açıklama());
        return;
    }
    yarımYedekleriTemizle(klasör);
    QStringList yedekler = QDir(klasör).entryList({QStringLiteral("Lodra-\?\?\?\?-\?\?-\?\?.vtb")},
                                                  QDir::Files, QDir::Name);
    while (yedekler.size() > SaklananYedekSayısı)
        QFile::remove(klasör + u'/' + yedekler.takeFirst());
}

// Runs one write in an immediate transaction. When another computer holds the lock past
// the engine's wait, the whole write is tried again until the wait time is over; then the
// user is told that the database is in use.
template <class İş> void yazma(Bağlantı& b, İş&& iş) {
    if (b.işlemde) {
        iş();
        return;
    }
    dosyaDenetle(b);
    // A file or folder that became read-only is reported before anything is tried.
    QString açıklama;
    if (const int yolHatası = yolDenetle(b.dosya, &açıklama))
        throw Hata(yolHatası, açıklama);
    günlükYedek(b);
    QElapsedTimer süre;
    süre.start();
    while (true) {
        int sonuç = sqlite3_exec(b.db, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr);
        if (sonuç == SQLITE_OK) {
            try {
                // The lock is ours now; if the file was replaced while this computer waited
                // for it, the write goes to the new file.
                struct stat bilgi {};
                if (::stat(QFile::encodeName(b.dosya).constData(), &bilgi) != 0 ||
                    bilgi.st_dev != b.aygıt || bilgi.st_ino != b.düğüm) {
                    sqlite3_exec(b.db, "ROLLBACK", nullptr, nullptr, nullptr);
                    dosyaDenetle(b);
                    continue;
                }
                iş();
                sonuç = sqlite3_exec(b.db, "COMMIT", nullptr, nullptr, nullptr);
                if (sonuç == SQLITE_OK)
                    return;
            } catch (const Hata& h) {
                if (!sqlite3_get_autocommit(b.db))
                    sqlite3_exec(b.db, "ROLLBACK", nullptr, nullptr, nullptr);
                if (h.numara() != VeritabanıHataNo::Meşgul)
                    throw;
                sonuç = SQLITE_BUSY;
            }
            if (!sqlite3_get_autocommit(b.db))
                sqlite3_exec(b.db, "ROLLBACK", nullptr, nullptr, nullptr);
        }
        if ((sonuç & 0xff) != SQLITE_BUSY && (sonuç & 0xff) != SQLITE_LOCKED)
            throw hata(b.db, sonuç, b.dosya);
        if (süre.elapsed() >= beklemeSüresi())
            throw hata(b.db, SQLITE_BUSY);
        QThread::msleep(20);
    }
}

void adımAt(Bağlantı& b, sqlite3_stmt* d) {
    const int sonuç = sqlite3_step(d);
    if (sonuç != SQLITE_DONE && sonuç != SQLITE_ROW)
        throw hata(b.db, sonuç, b.dosya);
}

} // namespace

// ---------------------------------------------------------------------------------------
// Veritabanı
// ---------------------------------------------------------------------------------------

void GünlükYedek::uyarıAlıcısıAyarla(std::function<void(const QString&)> alıcı) {
    yedekUyarısıAlıcısı() = std::move(alıcı);
}

struct Veritabanı::İç {
    std::shared_ptr<Bağlantı> bağlantı;
};

struct KayıtKümesi::İç {
    std::shared_ptr<Bağlantı> bağlantı;
    QString sql;
    bool tamamı = true; // every row has been read
    void kalanıOku();
    QString tablo;
    bool değiştirilebilir = false;
    QStringList adlar;
    QHash<QString, int> sıralar; // lower-case name -> column
    std::vector<QVariant> hücreler;
    std::vector<qint64> satırNo;
    std::vector<bool> silindi;
    qsizetype satırSayısı = 0;
    qsizetype konum = 0;
    bool kapalı = false;
    enum class Kip { Yok, Ekle, Düzenle } kip = Kip::Yok;
    QHash<int, QVariant> tampon;

    void açıkMı() const {
        if (kapalı)
            throw Hata(VeritabanıHataNo::NesneGeçersiz, QStringLiteral("Kayıt kümesi kapatılmış."));
    }
    void geçerliSatır() const {
        açıkMı();
        if (konum >= satırSayısı)
            throw Hata(VeritabanıHataNo::GeçerliKayıtYok, QStringLiteral("Geçerli kayıt yok."));
        if (silindi[konum])
            throw Hata(VeritabanıHataNo::KayıtSilinmiş, QStringLiteral("Kayıt silinmiş."));
    }
    int sütun(const QString& ad) const {
        açıkMı();
        const auto bulunan = sıralar.constFind(ad.toLower());
        if (bulunan == sıralar.constEnd())
            throw Hata(VeritabanıHataNo::AlanYok,
                       QStringLiteral("Bu koleksiyonda öğe bulunamadı: %1").arg(ad));
        return *bulunan;
    }
};

Veritabanı::Veritabanı(std::unique_ptr<İç> iç) : iç_(std::move(iç)) {}
Veritabanı::~Veritabanı() = default;

std::shared_ptr<Veritabanı> Veritabanı::OpenDatabase(const QString& yol, bool özel, bool saltOkunur,
                                                     const QString& bağlantı) {
    // The program always opens shared and read-write; the other modes are not offered.
    if (özel || saltOkunur)
        throw Hata(HataNo::DosyaAçılamıyor,
                   QStringLiteral("Veritabanı yalnız paylaşımlı ve okuma-yazma kipinde açılır."));
    return anahtarlaAç(yol, parolaAyıkla(bağlantı));
}

std::shared_ptr<Veritabanı> Veritabanı::anahtarlaAç(const QString& yol, const QString& anahtar) {
    auto b = std::make_shared<Bağlantı>();
    b->dosya = yol;
    b->parola = anahtar;
    aç(*b);
    // Copies left half-made by a program that was stopped go at the next start.
    if (QFileInfo(yedekKlasörü(yol)).isDir())
        yarımYedekleriTemizle(yedekKlasörü(yol));
    auto iç = std::make_unique<İç>();
    iç->bağlantı = std::move(b);
    return std::shared_ptr<Veritabanı>(new Veritabanı(std::move(iç)));
}

QString Veritabanı::yol() const {
    return iç_->bağlantı->dosya;
}

QString Veritabanı::kimlik() {
    Bağlantı& b = *iç_->bağlantı;
    dosyaDenetle(b);
    return Veritabanıİç::kimlik(b.db, "main", b.dosya);
}

void Veritabanı::işlem(const std::function<void()>& iş) {
    Bağlantı& b = *iç_->bağlantı;
    if (b.işlemde)
        throw Hata(HataNo::Beklenmeyen, QStringLiteral("İç içe işlem açılamaz."));
    yazma(b, [&]() {
        struct Bayrak {
            bool& b;
            ~Bayrak() { b = false; }
        } bayrak{b.işlemde = true};
        iş();
    });
}

qint64 Veritabanı::Execute(const QString& deyim) {
    const JetÇevirici::Sonuç çeviri = JetÇevirici::çevir(deyim);
    Bağlantı& b = *iç_->bağlantı;
    qint64 değişen = 0;
    yazma(b, [&]() {
        sqlite3_stmt* d = hazırlaDeyim(b, çeviri.sql);
        DeyimSilici silici{d};
        while (true) {
            const int sonuç = sqlite3_step(d);
            if (sonuç == SQLITE_DONE)
                break;
            if (sonuç != SQLITE_ROW)
                throw hata(b.db, sonuç, b.dosya);
        }
        değişen = sqlite3_changes(b.db);
    });
    return değişen;
}

quint64 Veritabanı::değişiklikDamgası() {
    Bağlantı& b = *iç_->bağlantı;
    struct stat bilgi {};
    if (!b.db || ::stat(QFile::encodeName(b.dosya).constData(), &bilgi) != 0 ||
        bilgi.st_dev != b.aygıt || bilgi.st_ino != b.düğüm)
        dosyaDenetle(b);
    if (!b.sürüm) {
        const int sonuç = sqlite3_prepare_v2(b.db, "PRAGMA data_version", -1, &b.sürüm, nullptr);
        if (sonuç != SQLITE_OK)
            throw hata(b.db, sonuç, b.dosya);
    }
    // A look, not a wait: while another computer writes, the answer comes at the next look.
    sqlite3_busy_handler(b.db, nullptr, nullptr);
    const int sonuç = sqlite3_step(b.sürüm);
    const quint64 sürüm = sonuç == SQLITE_ROW ? quint64(sqlite3_column_int64(b.sürüm, 0)) : 0;
    sqlite3_reset(b.sürüm);
    sqlite3_busy_handler(b.db, kilidiBekle, nullptr);
    if (sonuç != SQLITE_ROW)
        throw hata(b.db, sonuç, b.dosya);
    return (b.kuşak << 40) ^ sürüm;
}

namespace {
// Reads rows of the recordset's statement: with `hepsi` false only the first row (and
// whether a second one exists), otherwise every row. The statement is finished before
// returning, so no lock is kept while the program works through the rows.
void satırlarıOku(KayıtKümesi::İç& iç, bool hepsi, std::vector<QVariant>& hücreler,
                  std::vector<qint64>& satırNo, bool& dahaVar) {
    Bağlantı& b = *iç.bağlantı;
    QElapsedTimer süre;
    süre.start();
    while (true) {
        sqlite3_stmt* d = hazırlaDeyim(b, iç.sql);
        DeyimSilici silici{d};
        const int ilk = iç.değiştirilebilir ? 1 : 0;
        const int sütunSayısı = sqlite3_column_count(d);
        iç.adlar.clear();
        iç.sıralar.clear();
        std::vector<AlanTürü> türler;
        for (int s = ilk; s < sütunSayısı; ++s) {
            const QString ad = QString::fromUtf8(sqlite3_column_name(d, s));
            iç.adlar << ad;
            iç.sıralar.insert(ad.toLower(), s - ilk);
            türler.push_back(alanTürü(ad));
        }
        hücreler.clear();
        satırNo.clear();
        dahaVar = false;
        int sonuç;
        qsizetype okunanSatır = 0;
        while ((sonuç = sqlite3_step(d)) == SQLITE_ROW) {
            if (!hepsi && okunanSatır == 1) {
                dahaVar = true;
                sonuç = SQLITE_DONE;
                break;
            }
            ++okunanSatır;
            satırNo.push_back(ilk ? sqlite3_column_int64(d, 0) : 0);
            for (int s = ilk; s < sütunSayısı; ++s)
                hücreler.push_back(okunan(türler[s - ilk], d, s));
        }
        if (sonuç == SQLITE_DONE)
            return;
        if ((sonuç & 0xff) == SQLITE_BUSY && süre.elapsed() < beklemeSüresi()) {
            QThread::msleep(20);
            continue;
        }
        throw hata(b.db, sonuç, b.dosya);
    }
}
} // namespace

std::unique_ptr<KayıtKümesi> Veritabanı::OpenRecordset(const QString& deyim, Okuma okuma) {
    const JetÇevirici::Sonuç çeviri = JetÇevirici::çevir(deyim);
    Bağlantı& b = *iç_->bağlantı;
    // Inside a transaction the lock is held and the file cannot have been replaced.
    if (!b.işlemde)
        dosyaDenetle(b);
    auto iç = std::make_unique<KayıtKümesi::İç>();
    iç->bağlantı = iç_->bağlantı;
    iç->sql = çeviri.sql;
    iç->tablo = çeviri.tablo;
    iç->değiştirilebilir = çeviri.değiştirilebilir;
    // Unless every row is asked for, only the first row is read now: a recordset opened to
    // add or change one row costs the same on a large file as on a small one. The rest is
    // read on the first MoveNext.
    bool dahaVar = false;
    satırlarıOku(*iç, okuma == Okuma::Tamamı, iç->hücreler, iç->satırNo, dahaVar);
    iç->tamamı = !dahaVar;
    iç->satırSayısı = qsizetype(iç->satırNo.size());
    iç->silindi.assign(size_t(iç->satırSayısı), false);
    return std::unique_ptr<KayıtKümesi>(new KayıtKümesi(std::move(iç)));
}

void KayıtKümesi::İç::kalanıOku() {
    if (tamamı)
        return;
    std::vector<QVariant> yeniHücreler;
    std::vector<qint64> yeniSatırNo;
    bool dahaVar = false;
    satırlarıOku(*this, true, yeniHücreler, yeniSatırNo, dahaVar);
    tamamı = true;
    // The rows after the first one: found by the first row's id where there is one (the
    // file may have changed in between), otherwise by position.
    size_t baş = 1;
    if (değiştirilebilir) {
        const auto bulunan = std::find(yeniSatırNo.begin(), yeniSatırNo.end(), satırNo.front());
        baş = bulunan == yeniSatırNo.end() ? 0 : size_t(bulunan - yeniSatırNo.begin()) + 1;
    }
    baş = std::min(baş, yeniSatırNo.size());
    const size_t genişlik = size_t(adlar.size());
    satırNo.insert(satırNo.end(), yeniSatırNo.begin() + qsizetype(baş), yeniSatırNo.end());
    hücreler.insert(hücreler.end(), yeniHücreler.begin() + qsizetype(baş * genişlik),
                    yeniHücreler.end());
    satırSayısı = qsizetype(satırNo.size());
    silindi.resize(size_t(satırSayısı), false);
}

// ---------------------------------------------------------------------------------------
// KayıtKümesi
// ---------------------------------------------------------------------------------------

KayıtKümesi::KayıtKümesi(std::unique_ptr<İç> iç) : iç_(std::move(iç)) {}
KayıtKümesi::~KayıtKümesi() = default;

bool KayıtKümesi::Eof() const {
    iç_->açıkMı();
    return iç_->konum >= iç_->satırSayısı;
}

void KayıtKümesi::MoveNext() {
    iç_->açıkMı();
    if (iç_->konum >= iç_->satırSayısı)
        throw Hata(VeritabanıHataNo::GeçerliKayıtYok, QStringLiteral("Geçerli kayıt yok."));
    ++iç_->konum;
    if (iç_->konum >= iç_->satırSayısı)
        iç_->kalanıOku();
    iç_->kip = İç::Kip::Yok;
    iç_->tampon.clear();
}

int KayıtKümesi::alanNo(const QString& ad) const {
    return iç_->sütun(ad);
}

QVariant KayıtKümesi::alan(const QString& ad) const {
    return alan(iç_->sütun(ad));
}

QVariant KayıtKümesi::alan(int no) const {
    iç_->açıkMı();
    if (no < 0 || no >= iç_->adlar.size())
        throw Hata(VeritabanıHataNo::AlanYok,
                   QStringLiteral("Bu koleksiyonda öğe bulunamadı: %1").arg(no));
    if (iç_->kip != İç::Kip::Yok && iç_->tampon.contains(no))
        return saklanandanOkunan(iç_->adlar[no], iç_->tampon.value(no));
    if (iç_->kip == İç::Kip::Ekle)
        return alanTürü(iç_->adlar[no]) == AlanTürü::EvetHayır ? QVariant(false) : QVariant();
    iç_->geçerliSatır();
    return iç_->hücreler[size_t(iç_->konum * iç_->adlar.size() + no)];
}

void KayıtKümesi::alanYaz(const QString& ad, const QVariant& değer) {
    const int no = iç_->sütun(ad);
    if (iç_->kip == İç::Kip::Yok)
        throw Hata(VeritabanıHataNo::DüzenlemeYok,
                   QStringLiteral("AddNew veya Edit olmadan alan yazılamaz."));
    // Converted now, so that a wrong value is reported at the field that got it.
    iç_->tampon.insert(no, saklanan(iç_->adlar[no], değer));
}

// Only a recordset over one table can add, change or delete rows.
static void değiştirilebilirOlmalı(const KayıtKümesi::İç& iç, const QString& ne) {
    if (!iç.değiştirilebilir)
        throw Hata(VeritabanıHataNo::SaltOkunur,
                   ne + QStringLiteral("; veritabanı veya nesne salt okunur."));
}

void KayıtKümesi::AddNew() {
    iç_->açıkMı();
    değiştirilebilirOlmalı(*iç_, QStringLiteral("Güncelleştirilemiyor"));
    iç_->kip = İç::Kip::Ekle;
    iç_->tampon.clear();
}

void KayıtKümesi::Edit() {
    iç_->açıkMı();
    değiştirilebilirOlmalı(*iç_, QStringLiteral("Güncelleştirilemiyor"));
    iç_->geçerliSatır();
    iç_->kip = İç::Kip::Düzenle;
    iç_->tampon.clear();
}

void KayıtKümesi::Update() {
    iç_->açıkMı();
    if (iç_->kip == İç::Kip::Yok)
        throw Hata(VeritabanıHataNo::DüzenlemeYok,
                   QStringLiteral("AddNew veya Edit olmadan Update kullanılamaz."));
    Bağlantı& b = *iç_->bağlantı;
    // Names come from the engine's own column list of this table, never from the caller.
    const auto tırnaklı = [](const QString& ad) {
        QString a = ad;
        a.replace(u'"', QStringLiteral("\"\""));
        return u'"' + a + u'"';
    };
    QList<int> sütunlar = iç_->tampon.keys();
    std::sort(sütunlar.begin(), sütunlar.end());
    if (iç_->kip == İç::Kip::Ekle) {
        // Yes/no fields that were not set are stored as no.
        for (int s = 0; s < iç_->adlar.size(); ++s)
            if (alanTürü(iç_->adlar[s]) == AlanTürü::EvetHayır && !iç_->tampon.contains(s)) {
                iç_->tampon.insert(s, qint64(0));
                sütunlar << s;
            }
        std::sort(sütunlar.begin(), sütunlar.end());
        QStringList adlar, yerler;
        for (int s : sütunlar) {
            adlar << tırnaklı(iç_->adlar[s]);
            yerler << QStringLiteral("?");
        }
        const QString sql =
            adlar.isEmpty()
                ? QStringLiteral("INSERT INTO %1 DEFAULT VALUES").arg(tırnaklı(iç_->tablo))
                : QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                      .arg(tırnaklı(iç_->tablo), adlar.join(", "), yerler.join(", "));
        yazma(b, [&]() {
            sqlite3_stmt* d = hazırlaDeyim(b, sql);
            DeyimSilici silici{d};
            for (int i = 0; i < sütunlar.size(); ++i)
                bağla(b.db, d, i + 1, iç_->tampon.value(sütunlar[i]));
            adımAt(b, d);
        });
    } else {
        if (!sütunlar.isEmpty()) {
            QStringList atamalar;
            for (int s : sütunlar)
                atamalar << tırnaklı(iç_->adlar[s]) + QStringLiteral(" = ?");
            const QString sql = QStringLiteral("UPDATE %1 SET %2 WHERE rowid = ?")
                                    .arg(tırnaklı(iç_->tablo), atamalar.join(", "));
            const qint64 satır = iç_->satırNo[size_t(iç_->konum)];
            QStringList okunanlar;
            for (const QString& ad : iç_->adlar)
                okunanlar << tırnaklı(ad);
            const QString denetim = QStringLiteral("SELECT %1 FROM %2 WHERE rowid = ?")
                                        .arg(okunanlar.join(", "), tırnaklı(iç_->tablo));
            yazma(b, [&]() {
                // The row must still hold what was read: a change made meanwhile by another
                // computer is not overwritten unseen.
                {
                    sqlite3_stmt* d = hazırlaDeyim(b, denetim);
                    DeyimSilici silici{d};
                    sqlite3_bind_int64(d, 1, satır);
                    const int sonuç = sqlite3_step(d);
                    if (sonuç == SQLITE_DONE)
                        throw Hata(VeritabanıHataNo::KayıtSilinmiş,
                                   QStringLiteral(
                                       "Kayıt, bu arada başka bir kullanıcı tarafından silinmiş."));
                    if (sonuç != SQLITE_ROW)
                        throw hata(b.db, sonuç, b.dosya);
                    const qsizetype genişlik = iç_->adlar.size();
                    for (int s = 0; s < genişlik; ++s)
                        if (okunan(alanTürü(iç_->adlar[s]), d, s) !=
                            iç_->hücreler[size_t(iç_->konum * genişlik + s)])
                            throw Hata(VeritabanıHataNo::VeriDeğişti,
                                       QStringLiteral("Kayıt, okunduktan sonra başka bir kullanıcı "
                                                      "tarafından değiştirilmiş. Lütfen, listeyi "
                                                      "yenileyip tekrar deneyiniz."));
                }
                sqlite3_stmt* d = hazırlaDeyim(b, sql);
                DeyimSilici silici{d};
                int i = 1;
                for (int s : sütunlar)
                    bağla(b.db, d, i++, iç_->tampon.value(s));
                sqlite3_bind_int64(d, i, satır);
                adımAt(b, d);
                if (sqlite3_changes(b.db) == 0)
                    throw Hata(
                        VeritabanıHataNo::KayıtSilinmiş,
                        QStringLiteral("Kayıt, bu arada başka bir kullanıcı tarafından silinmiş."));
            });
            for (int s : sütunlar)
                iç_->hücreler[size_t(iç_->konum * iç_->adlar.size() + s)] =
                    saklanandanOkunan(iç_->adlar[s], iç_->tampon.value(s));
        }
    }
    iç_->kip = İç::Kip::Yok;
    iç_->tampon.clear();
}

void KayıtKümesi::Delete() {
    iç_->açıkMı();
    değiştirilebilirOlmalı(*iç_, QStringLiteral("Silinemiyor"));
    iç_->geçerliSatır();
    Bağlantı& b = *iç_->bağlantı;
    const qint64 satır = iç_->satırNo[size_t(iç_->konum)];
    QString tablo = iç_->tablo;
    tablo.replace(u'"', QStringLiteral("\"\""));
    const QString sql = QStringLiteral("DELETE FROM \"%1\" WHERE rowid = ?").arg(tablo);
    yazma(b, [&]() {
        sqlite3_stmt* d = hazırlaDeyim(b, sql);
        DeyimSilici silici{d};
        sqlite3_bind_int64(d, 1, satır);
        adımAt(b, d);
        if (sqlite3_changes(b.db) == 0)
            throw Hata(VeritabanıHataNo::KayıtSilinmiş,
                       QStringLiteral("Kayıt, bu arada başka bir kullanıcı tarafından silinmiş."));
    });
    iç_->silindi[size_t(iç_->konum)] = true;
    iç_->kip = İç::Kip::Yok;
    iç_->tampon.clear();
}

void KayıtKümesi::Close() {
    iç_->kapalı = true;
    iç_->hücreler.clear();
    iç_->hücreler.shrink_to_fit();
    iç_->bağlantı.reset();
}

// ---------------------------------------------------------------------------------------
// The program-wide open database
// ---------------------------------------------------------------------------------------

namespace AçıkVeritabanı {
namespace {
std::shared_ptr<Veritabanı>& tutulan() {
    static std::shared_ptr<Veritabanı> vt;
    return vt;
}
} // namespace

Veritabanı& al() {
    if (!tutulan())
        throw Hata(VeritabanıHataNo::AçıkVeritabanıYok, QStringLiteral("Açık bir veritabanı yok."));
    return *tutulan();
}
bool açıkMı() {
    return bool(tutulan());
}
void ayarla(std::shared_ptr<Veritabanı> vt) {
    tutulan() = std::move(vt);
}
void kapat() {
    tutulan().reset();
}
} // namespace AçıkVeritabanı
