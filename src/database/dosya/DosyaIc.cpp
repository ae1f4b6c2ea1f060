#include "database/dosya/DosyaIc.h"

#include "database/JetCevirici.h"
#include "database/TurkceBenzer.h"
#include "database/Veritabani.h"
#include "database/VeritabaniKurulumu.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSysInfo>
#include <algorithm>

#include <cerrno>
#include <climits>
#include <csignal>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

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

// Waits a little longer each time, until the wait time is used up.
int kilidiBekle(void*, int kaçıncı) {
    static constexpr int adımlar[] = {1, 2, 5, 10, 15, 20, 25, 25, 25, 50, 50, 100};
    constexpr int adımSayısı = int(sizeof adımlar / sizeof adımlar[0]);
    const int sınır = beklemeSüresi();
    int geçen = 0;
    for (int i = 0; i < std::min(kaçıncı, adımSayısı); ++i)
        geçen += adımlar[i];
    if (kaçıncı > adımSayısı)
        geçen += (kaçıncı - adımSayısı) * 100;
    const int adım = kaçıncı < adımSayısı ? adımlar[kaçıncı] : 100;
    if (geçen >= sınır)
        return 0;
    beklemeSay();
    sqlite3_sleep(std::min(adım, sınır - geçen));
    return 1;
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

// Half-made copies carry the computer's name and the process number: "…vtb.yeni-HOST-PID",
// and "-journal" for the journal beside one.
QString bilgisayarAdı() {
    QString ad = QSysInfo::machineHostName();
    for (QChar& c : ad)
        if (!(c.isLetterOrNumber() && c.unicode() < 128) && c != u'.' && c != u'-')
            c = u'_';
    return ad.isEmpty() ? QStringLiteral("bilgisayar") : ad;
}

namespace {
bool süreçÇalışıyor(qint64 no) {
    if (no <= 0 || no > INT_MAX)
        return false;
    return ::kill(pid_t(no), 0) == 0 || errno != ESRCH;
}
} // namespace

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

sqlite3* mevcutAç(const QString& dosya, const QString& parola, bool yazılabilir) {
    QString açıklama;
    const int yolHatası = yolDenetle(dosya, &açıklama);
    // Checking a read-only file is allowed; everything else must be openable.
    if (yolHatası != 0 && (yazılabilir || yolHatası != HataNo::DosyaAçılamıyor))
        throw Hata(yolHatası, açıklama);
    sqlite3* db = nullptr;
    const int bayrak = yazılabilir ? SQLITE_OPEN_READWRITE : SQLITE_OPEN_READONLY;
    int sonuç = sqlite3_open_v2(QFile::encodeName(dosya).constData(), &db, bayrak, nullptr);
    if (sonuç != SQLITE_OK) {
        const Hata h = hata(db, sonuç, dosya);
        sqlite3_close_v2(db);
        throw h;
    }
    try {
        hazırla(db, parola);
        sonuç = sqlite3_exec(db, "SELECT count(*) FROM sqlite_master", nullptr, nullptr, nullptr);
        // A journal left by a write that was cut off must be played back before the file
        // can be read; a read-only check cannot do that.
        if (sonuç == SQLITE_READONLY_ROLLBACK)
            throw Hata(
                HataNo::DosyaAçılamıyor,
                QStringLiteral("Sıcak günlük: %1-journal dosyası, yarıda kalmış bir "
                               "yazmanın geri alınması için bekliyor. Günlük dosyasını "
                               "silmeyiniz ya da taşımayınız; veritabanını Tarvela ile "
                               "bir kez açmak yarım yazmayı geri alır. Sonra tekrar denetleyiniz.")
                    .arg(QFileInfo(dosya).fileName()));
        if (sonuç != SQLITE_OK)
            throw hata(db, sonuç, dosya);
    } catch (...) {
        sqlite3_close_v2(db);
        throw;
    }
    return db;
}

} // namespace Veritabanıİç
