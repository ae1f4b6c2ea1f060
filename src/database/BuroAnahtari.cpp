#include "database/BuroAnahtari.h"

#include "database/Veritabani.h"
#include "database/dosya/DosyaIc.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <bitset>

#include <cerrno>
#include <climits>
#include <csignal>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Veritabanıİç;

namespace BüroAnahtarı {

namespace {

struct Kapatıcı {
    sqlite3* db = nullptr;
    ~Kapatıcı() {
        if (db)
            sqlite3_close_v2(db);
    }
};

void aç(Kapatıcı& k, const QString& dosya, int bayrak) {
    const int sonuç = sqlite3_open_v2(QFile::encodeName(dosya).constData(), &k.db, bayrak, nullptr);
    if (sonuç != SQLITE_OK)
        throw hata(k.db, sonuç, dosya);
}

qint64 sayı(sqlite3* db, const char* sql, const QString& dosya) {
    sqlite3_stmt* d = nullptr;
    int sonuç = sqlite3_prepare_v2(db, sql, -1, &d, nullptr);
    if (sonuç == SQLITE_OK)
        sonuç = sqlite3_step(d);
    const qint64 değer = sonuç == SQLITE_ROW ? sqlite3_column_int64(d, 0) : -1;
    sqlite3_finalize(d);
    if (sonuç != SQLITE_ROW)
        throw hata(db, sonuç, dosya);
    return değer;
}

struct Sayılar {
    qint64 klasör = 0, iş = 0, sıra = 0;
    bool operator==(const Sayılar&) const = default;
};

Sayılar sayılar(sqlite3* db, const QString& dosya) {
    return {sayı(db, "SELECT count(*) FROM KlasorBilgileriTablosu", dosya),
            sayı(db, "SELECT count(*) FROM YapilacakIslerTablosu", dosya),
            sayı(db, "SELECT coalesce(max(seq), 0) FROM sqlite_sequence", dosya)};
}

void diskeYaz(const QString& yol, bool klasör) {
    const int fd = ::open(QFile::encodeName(yol).constData(), klasör ? O_RDONLY : O_RDWR);
    const bool yazıldı = fd >= 0 && ::fsync(fd) == 0;
    if (fd >= 0)
        ::close(fd);
    // A folder that cannot be flushed still holds the renamed file.
    if (!yazıldı && !klasör)
        throw Hata(HataNo::DiskVeyaAğHatası, QStringLiteral("Dosya diske yazılamadı: %1").arg(yol));
}

// Writes the file's content under the new key into `hedef`, an empty file, while `kaynak`
// (a connection holding the write lock) keeps others from changing it.
void kopyala(const QString& dosya, const QString& eski, const QString& hedef, const QString& yeni) {
    Kapatıcı aktaran;
    aç(aktaran, dosya, SQLITE_OPEN_READWRITE);
    hazırla(aktaran.db, eski);
    sqlite3_stmt* d = nullptr;
    int sonuç = sqlite3_prepare_v2(aktaran.db, "ATTACH DATABASE ? AS yeni KEY ?", -1, &d, nullptr);
    if (sonuç == SQLITE_OK) {
        const QByteArray yol = QFile::encodeName(hedef), anahtar = yeni.toUtf8();
        sqlite3_bind_text(d, 1, yol.constData(), int(yol.size()), SQLITE_TRANSIENT);
        sqlite3_bind_text(d, 2, anahtar.constData(), int(anahtar.size()), SQLITE_TRANSIENT);
        sonuç = sqlite3_step(d);
    }
    sqlite3_finalize(d);
    if (sonuç != SQLITE_DONE && sonuç != SQLITE_OK)
        throw hata(aktaran.db, sonuç, hedef);
    çalıştır(aktaran.db, "PRAGMA yeni.synchronous=FULL", hedef);
    çalıştır(aktaran.db, "BEGIN", dosya);
    sonuç = sqlite3_exec(aktaran.db, "SELECT sqlcipher_export('yeni')", nullptr, nullptr, nullptr);
    if (sonuç == SQLITE_OK) {
        // The copy gets a salt of its own: a file that does not store its identity (made by
        // an older tool) gives the copy the one derived from its own start, so that the
        // database keeps its identity under the new key.
        try {
            kimliğiSakla(aktaran.db, "yeni", kimlik(aktaran.db, "main", dosya), hedef);
        } catch (...) {
            sqlite3_exec(aktaran.db, "ROLLBACK", nullptr, nullptr, nullptr);
            throw;
        }
    }
    if (sonuç != SQLITE_OK) {
        const Hata h = hata(aktaran.db, sonuç, hedef);
        sqlite3_exec(aktaran.db, "ROLLBACK", nullptr, nullptr, nullptr);
        throw h;
    }
    çalıştır(aktaran.db, "COMMIT", hedef);
    çalıştır(aktaran.db, "DETACH DATABASE yeni", hedef);
}

} // namespace

QString anahtarSorunu(const QString& anahtar) {
    if (anahtar.size() < EnAzUzunluk)
        return QStringLiteral("Büro anahtarı en az %1 karakter olmalıdır.").arg(EnAzUzunluk);
    if (anahtar != anahtar.trimmed())
        return QStringLiteral("Büro anahtarı boşlukla başlayamaz ve bitemez.");
    for (const QChar c : anahtar)
        if (c.category() == QChar::Other_Control)
            return QStringLiteral("Büro anahtarında denetim karakteri olamaz.");
    // The engine reads x'...' as a raw key instead of a passphrase.
    if (anahtar.startsWith(QLatin1String("x'"), Qt::CaseInsensitive))
        return QStringLiteral("Büro anahtarı x' ile başlayamaz.");
    return QString();
}

bool şifreliGörünüyor(const QString& dosya) {
    QFile f(dosya);
    if (!f.open(QIODevice::ReadOnly))
        return false;
    const qint64 boyut = f.size();
    if (boyut < 1024 || boyut % 512 != 0)
        return false;
    const QByteArray baş = f.read(1024);
    if (baş.startsWith(QByteArray("SQLite format 3\0", 16)))
        return false;
    std::bitset<256> görülen;
    for (const char c : baş)
        görülen.set(static_cast<unsigned char>(c));
    // About 251 of the 256 byte values show up in a random kilobyte.
    return görülen.count() >= 200;
}

bool açarMı(const QString& dosya, const QString& anahtar) {
    QString açıklama;
    const int yolHatası = yolDenetle(dosya, &açıklama);
    // A read-only file can still be tried.
    if (yolHatası != 0 && yolHatası != HataNo::DosyaAçılamıyor)
        throw Hata(yolHatası, açıklama);
    Kapatıcı k;
    aç(k, dosya, SQLITE_OPEN_READONLY);
    hazırla(k.db, anahtar);
    const int sonuç =
        sqlite3_exec(k.db, "SELECT count(*) FROM sqlite_master", nullptr, nullptr, nullptr);
    if (sonuç == SQLITE_OK)
        return true;
    if ((sonuç & 0xff) == SQLITE_NOTADB)
        return false;
    throw hata(k.db, sonuç, dosya);
}

void anahtarDeğiştir(const QString& dosya, const QString& eskiAnahtar, const QString& yeniAnahtar) {
    if (const QString sorun = anahtarSorunu(yeniAnahtar); !sorun.isEmpty())
        throw Hata(AnahtarHatası, sorun);
    if (yeniAnahtar == eskiAnahtar)
        throw Hata(AnahtarHatası, QStringLiteral("Yeni büro anahtarı eskisiyle aynı."));
    QString açıklama;
    if (const int yolHatası = yolDenetle(dosya, &açıklama))
        throw Hata(yolHatası, açıklama);
    if (QFileInfo::exists(dosya + QStringLiteral("-journal")))
        throw Hata(VeritabanıHataNo::Meşgul,
                   QStringLiteral("Veritabanı şu anda kullanılıyor (günlük dosyası var). Önce "
                                  "programları kapatıp tekrar deneyiniz."));
    struct stat eskiBilgi {};
    if (::stat(QFile::encodeName(dosya).constData(), &eskiBilgi) != 0)
        throw Hata(HataNo::DosyaBulunamadı, QStringLiteral("Dosya bulunamadı: %1").arg(dosya));

    // The write lock is held from before the copy until the copy has taken the file's place:
    // a write from another computer lands either in the copy or waits and then finds the new
    // file.
    Kapatıcı kilit;
    aç(kilit, dosya, SQLITE_OPEN_READWRITE);
    hazırla(kilit.db, eskiAnahtar);
    const int okuma =
        sqlite3_exec(kilit.db, "SELECT count(*) FROM sqlite_master", nullptr, nullptr, nullptr);
    if ((okuma & 0xff) == SQLITE_NOTADB)
        throw Hata(AnahtarHatası, QStringLiteral("Eski anahtar bu dosyayı açmıyor: %1").arg(dosya));
    if (okuma != SQLITE_OK)
        throw hata(kilit.db, okuma, dosya);
    çalıştır(kilit.db, "BEGIN IMMEDIATE", dosya);
    if (const QStringList sorunlar = şemaSorunları(kilit.db, dosya); !sorunlar.isEmpty())
        throw Hata(HataNo::VeritabanıDeğil,
                   QStringLiteral("Dosya bir Tarvela veritabanı değil: ") + sorunlar.join("; "));
    const Sayılar önce = sayılar(kilit.db, dosya);

    const QFileInfo bilgi(dosya);
    const QString klasör = bilgi.absolutePath();
    const QString önek = QStringLiteral(".%1.anahtarlaniyor-").arg(bilgi.fileName());
    // Copies left by a change that was cut off; none can be under way while the lock is ours.
    for (const QString& yarım :
         QDir(klasör).entryList({önek + u'*'}, QDir::Files | QDir::Hidden | QDir::System))
        QFile::remove(klasör + u'/' + yarım);
    const QString geçici = klasör + u'/' + önek + QString::number(::getpid());
    {
        // The copy holds the office's data: only its owner may read it until it is in place.
        const int fd = ::open(QFile::encodeName(geçici).constData(),
                              O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        if (fd < 0)
            throw Hata(HataNo::DosyaAçılamıyor,
                       QStringLiteral("Geçici dosya oluşturulamadı: %1").arg(geçici));
        ::close(fd);
    }
    try {
        kopyala(dosya, eskiAnahtar, geçici, yeniAnahtar);
        {
            Kapatıcı denetim;
            aç(denetim, geçici, SQLITE_OPEN_READONLY);
            hazırla(denetim.db, yeniAnahtar);
            const QString durum = tekSatır(denetim.db, "PRAGMA integrity_check", geçici);
            if (durum != QLatin1String("ok") || !şemaSorunları(denetim.db, geçici).isEmpty() ||
                !(sayılar(denetim.db, geçici) == önce))
                throw Hata(VeritabanıHataNo::Bozuk,
                           QStringLiteral("Yeni anahtarlı kopya denetimden geçmedi; dosya "
                                          "değiştirilmedi."));
        }
        diskeYaz(geçici, false);
        const QByteArray yerel = QFile::encodeName(geçici);
        ::chmod(yerel.constData(), eskiBilgi.st_mode & 07777);
        if (::chown(yerel.constData(), eskiBilgi.st_uid, eskiBilgi.st_gid) != 0) {
            // Only the administrator may give the file away; the owner keeps it otherwise.
        }
        // rename() replaces the file in one step: the name always holds a whole file under
        // the old key or a whole file under the new one.
        if (::rename(yerel.constData(), QFile::encodeName(dosya).constData()) != 0)
            throw Hata(HataNo::DosyaAçılamıyor,
                       QStringLiteral("Dosya yerine konamadı: %1").arg(dosya));
    } catch (...) {
        QFile::remove(geçici);
        QFile::remove(geçici + QStringLiteral("-journal"));
        throw;
    }
    diskeYaz(klasör, true);
    sqlite3_exec(kilit.db, "ROLLBACK", nullptr, nullptr, nullptr);
}

QStringList yarımKalanlarıTemizle(const QString& dosya) {
    const QFileInfo bilgi(dosya);
    const QString önek = QStringLiteral(".%1.anahtarlaniyor-").arg(bilgi.fileName());
    QStringList silinenler;
    for (const QFileInfo& yarım :
         QDir(bilgi.absolutePath())
             .entryInfoList({önek + u'*'}, QDir::Files | QDir::Hidden | QDir::System)) {
        QString no = yarım.fileName().mid(önek.size());
        if (no.endsWith(QLatin1String("-journal")))
            no.chop(8);
        bool sayı = false;
        const qint64 süreç = no.toLongLong(&sayı);
        // A process of this number that still runs may be making the copy; a number that is
        // no process any more leaves a copy nobody finishes.
        const bool çalışıyor = sayı && süreç > 0 && süreç <= INT_MAX &&
                               (::kill(pid_t(süreç), 0) == 0 || errno != ESRCH);
        if (!çalışıyor && QFile::remove(yarım.absoluteFilePath()))
            silinenler << yarım.absoluteFilePath();
    }
    return silinenler;
}

QStringList eskiKopyalar(const QString& dosya) {
    const QFileInfo bilgi(dosya);
    const QString yedekler = bilgi.absolutePath() + QStringLiteral("/Yedekler");
    QStringList kopyalar;
    for (const QString& ad : QDir(yedekler).entryList(
             {QStringLiteral("Lodra-\?\?\?\?-\?\?-\?\?.vtb")}, QDir::Files, QDir::Name))
        kopyalar << yedekler + u'/' + ad;
    if (QFileInfo::exists(dosya + QStringLiteral(".eski")))
        kopyalar << dosya + QStringLiteral(".eski");
    return kopyalar;
}

} // namespace BüroAnahtarı
