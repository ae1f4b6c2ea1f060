#include "database/VeritabaniKurulumu.h"

#include "controls/ProgramSaati.h"
#include "database/Klasorler.h"
#include "database/Veritabani.h"
#include "database/dosya/DosyaIc.h"

#include <QFile>
#include <QFileInfo>
#include <random>
#include <utility>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Veritabanıİç;

namespace VeritabanıKurulumu {

namespace {

const char* const Şema = R"(
CREATE TABLE KlasorBilgileriTablosu (
    Anahtari TEXT,
    Bagi TEXT,
    Adi TEXT
);
CREATE UNIQUE INDEX KlasorAnahtari ON KlasorBilgileriTablosu (Anahtari);
CREATE TABLE YapilacakIslerTablosu (
    IsNo INTEGER PRIMARY KEY AUTOINCREMENT,
    Anahtari TEXT,
    IsinTarihi DATE,
    IsinSaati TIME,
    IsinKonusu TEXT,
    IsinYeri TEXT,
    IsinSayisi TEXT,
    Aciklama TEXT,
    Hatirlatma BOOLEAN DEFAULT 0,
    IsYapildi BOOLEAN DEFAULT 0
);
CREATE INDEX IsinTarihi ON YapilacakIslerTablosu (IsinTarihi);
CREATE INDEX IsAnahtari ON YapilacakIslerTablosu (Anahtari);
)";

// The due-reminder query reads today's open, to-be-reminded jobs up to the current time,
// ordered by time. This partial index holds only such jobs, keyed by date and time, so the
// query reads just the due rows in order. Statements that do not ask for both flags cannot
// use it, so every other statement keeps its plan and its row order.
const char* const HatırlatmaDizini =
    "CREATE INDEX IF NOT EXISTS HatirlatmaZamani ON YapilacakIslerTablosu "
    "(IsinTarihi, IsinSaati) WHERE Hatirlatma = 1 AND IsYapildi = 0";

bool hatırlatmaDiziniVar(sqlite3* db, const QString& dosya) {
    return Veritabanıİç::şemadaVar(db, "main", "index", "HatirlatmaZamani", dosya);
}

struct Kapatıcı {
    sqlite3* db = nullptr;
    ~Kapatıcı() {
        if (db)
            sqlite3_close_v2(db);
    }
};

// A name for the replaced file that no earlier restore has used: the time of the restore,
// and a number after it when that name is taken already.
QString eskiDosyaAdı(const QString& dosya, int sıra) {
    QString ad = dosya + QStringLiteral(".eski-") +
                 ProgramSaati::şimdi().toString(QStringLiteral("yyyy-MM-dd-HHmmss"));
    if (sıra > 1)
        ad += QStringLiteral("-%1").arg(sıra);
    return ad;
}

// Opens a program database for writing: it must decrypt and hold the program's tables, and
// every commit reaches the disk before the call returns.
sqlite3* yazmakİçinAç(const QString& dosya, const QString& parola) {
    Kapatıcı k;
    k.db = mevcutAç(dosya, parola, true);
    const QStringList sorunlar = şemaSorunları(k.db, dosya);
    if (!sorunlar.isEmpty())
        throw Hata(HataNo::VeritabanıDeğil,
                   QStringLiteral("Dosya bir Tarvela veritabanı değil: ") + sorunlar.join("; "));
    çalıştır(k.db, "PRAGMA synchronous=FULL", dosya);
    return std::exchange(k.db, nullptr);
}

} // namespace

void oluştur(const QString& dosya, const QString& parola) {
    const QFileInfo bilgi(dosya);
    if (bilgi.exists() || bilgi.isSymLink())
        throw Hata(3204, QStringLiteral("Dosya zaten var; üzerine yazılmaz: %1").arg(dosya));
    if (!QFileInfo(bilgi.absolutePath()).isDir())
        throw Hata(HataNo::YolGeçersiz,
                   QStringLiteral("Klasör bulunamadı: %1").arg(bilgi.absolutePath()));
    // Built under a temporary name and put in place only when complete.
    const QString geçici =
        bilgi.absolutePath() +
        QStringLiteral("/.%1.olusturuluyor-%2").arg(bilgi.fileName()).arg(::getpid());
    QFile::remove(geçici);
    QFile::remove(geçici + QStringLiteral("-journal"));
    {
        Kapatıcı k;
        const int sonuç = sqlite3_open_v2(QFile::encodeName(geçici).constData(), &k.db,
                                          SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
        try {
            if (sonuç != SQLITE_OK)
                throw hata(k.db, sonuç, geçici);
            hazırla(k.db, parola);
            çalıştır(k.db, "PRAGMA journal_mode=DELETE", geçici);
            çalıştır(k.db, "PRAGMA synchronous=FULL", geçici);
            çalıştır(k.db, "BEGIN IMMEDIATE", geçici);
            çalıştır(k.db, Şema, geçici);
            çalıştır(k.db, HatırlatmaDizini, geçici);
            // The file's identity, made once here and kept by every copy of the file.
            kimliğiSakla(k.db, "main", yeniKimlik(), geçici);
            çalıştır(k.db, "COMMIT", geçici);
        } catch (...) {
            sqlite3_close_v2(k.db);
            k.db = nullptr;
            QFile::remove(geçici);
            throw;
        }
    }
    // link() refuses to replace a file that appeared in the meantime.
    const QByteArray kaynak = QFile::encodeName(geçici), hedef = QFile::encodeName(dosya);
    if (::link(kaynak.constData(), hedef.constData()) == 0) {
        ::unlink(kaynak.constData());
    } else {
        const int hataKodu = errno;
        if (hataKodu == EEXIST) {
            ::unlink(kaynak.constData());
            throw Hata(3204, QStringLiteral("Dosya zaten var; üzerine yazılmaz: %1").arg(dosya));
        }
        // File systems without hard links: the name is still checked just before.
        if (QFileInfo::exists(dosya) || !QFile::rename(geçici, dosya)) {
            QFile::remove(geçici);
            throw Hata(HataNo::DosyaAçılamıyor,
                       QStringLiteral("Dosya oluşturulamadı: %1").arg(dosya));
        }
    }
}

QStringList denetle(const QString& dosya, const QString& parola, QStringList* uyarılar) {
    QStringList sorunlar;
    Kapatıcı k;
    try {
        k.db = mevcutAç(dosya, parola, false);
        sorunlar << şemaSorunları(k.db, dosya);
        if (sorunlar.isEmpty() && uyarılar && !hatırlatmaDiziniVar(k.db, dosya))
            *uyarılar << QStringLiteral(
                "Hatırlatma dizini (HatirlatmaZamani) yok: dosya çalışır, ama çok işli bir "
                "dosyada hatırlatma denetimi yavaşlar. 'LodraVt dizin-ekle YER' ile ekleyiniz.");
        sqlite3_stmt* d = nullptr;
        int sonuç = sqlite3_prepare_v2(k.db, "PRAGMA integrity_check", -1, &d, nullptr);
        if (sonuç != SQLITE_OK)
            throw hata(k.db, sonuç, dosya);
        while ((sonuç = sqlite3_step(d)) == SQLITE_ROW) {
            const QString satır =
                QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(d, 0)));
            if (satır != QLatin1String("ok"))
                sorunlar << QStringLiteral("Bütünlük: ") + satır;
        }
        sqlite3_finalize(d);
        if (sonuç != SQLITE_DONE)
            throw hata(k.db, sonuç, dosya);
    } catch (const Hata& h) {
        sorunlar << QStringLiteral("Hata %1: %2").arg(h.numara()).arg(h.açıklama());
    }
    return sorunlar;
}

bool dizinEkle(const QString& dosya, const QString& parola) {
    Kapatıcı k;
    k.db = yazmakİçinAç(dosya, parola);
    çalıştır(k.db, "BEGIN IMMEDIATE", dosya);
    try {
        const bool vardı = hatırlatmaDiziniVar(k.db, dosya);
        if (!vardı)
            çalıştır(k.db, HatırlatmaDizini, dosya);
        çalıştır(k.db, "COMMIT", dosya);
        return !vardı;
    } catch (...) {
        sqlite3_exec(k.db, "ROLLBACK", nullptr, nullptr, nullptr);
        throw;
    }
}

void geriYükle(const QString& yedek, const QString& dosya, const QString& parola) {
    // Through a symbolic link the file it names is restored and the link stays; the replaced
    // data is kept beside the link under the link's name, as a file of its own.
    QString yer = dosya;
    if (QFileInfo(dosya).isSymLink()) {
        yer = QFileInfo(dosya).canonicalFilePath();
        if (yer.isEmpty())
            throw Hata(HataNo::DosyaBulunamadı,
                       QStringLiteral("Bağlantının gösterdiği dosya bulunamadı: %1").arg(dosya));
    }
    const QFileInfo hedef(yer);
    const QString klasör = hedef.absolutePath();
    for (const QString& k : {klasör, QFileInfo(dosya).absolutePath()}) {
        struct stat klasörBilgisi {};
        if (::stat(QFile::encodeName(k).constData(), &klasörBilgisi) != 0 ||
            !S_ISDIR(klasörBilgisi.st_mode))
            throw Hata(HataNo::YolGeçersiz, QStringLiteral("Klasör bulunamadı: %1").arg(k));
        // A folder without write permission is refused, also for the administrator, as the
        // program refuses to work in it.
        if (::access(QFile::encodeName(k).constData(), W_OK | X_OK) != 0 ||
            (klasörBilgisi.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0)
            throw Hata(HataNo::DosyaAçılamıyor,
                       QStringLiteral("Veritabanının klasörüne yazılamıyor: %1").arg(k));
    }
    const QStringList sorunlar = denetle(yedek, parola);
    if (!sorunlar.isEmpty())
        throw Hata(VeritabanıHataNo::Bozuk,
                   QStringLiteral("Yedek dosya sağlam değil: ") + sorunlar.join("; "));
    // A journal beside the file means a write is under way (or was cut off): the journal
    // belongs to the old file and would spoil the copy.
    if (QFileInfo::exists(dosya + QStringLiteral("-journal")) ||
        QFileInfo::exists(yer + QStringLiteral("-journal")))
        throw Hata(VeritabanıHataNo::Meşgul,
                   QStringLiteral("Veritabanı şu anda kullanılıyor (günlük dosyası var). Önce "
                                  "programları kapatıp tekrar deneyiniz."));
    const QString geçici =
        klasör + QStringLiteral("/.%1.geriyukleniyor-%2").arg(hedef.fileName()).arg(::getpid());
    QFile::remove(geçici);
    if (!QFile::copy(yedek, geçici))
        throw Hata(HataNo::DiskVeyaAğHatası, QStringLiteral("Yedek kopyalanamadı: %1").arg(yedek));
    const QByteArray geçiciYerel = QFile::encodeName(geçici);
    {
        const int fd = ::open(geçiciYerel.constData(), O_RDWR);
        const bool yazıldı = fd >= 0 && ::fsync(fd) == 0;
        if (fd >= 0)
            ::close(fd);
        if (!yazıldı) {
            QFile::remove(geçici);
            throw Hata(HataNo::DiskVeyaAğHatası, QStringLiteral("Yedek diske yazılamadı."));
        }
    }
    // The restored file gets the permissions (and, where allowed, the owner) of the file it
    // replaces; with no file to replace, those of any new file.
    struct stat eski {};
    if (::stat(QFile::encodeName(yer).constData(), &eski) == 0) {
        ::chmod(geçiciYerel.constData(), eski.st_mode & 07777);
        if (::chown(geçiciYerel.constData(), eski.st_uid, eski.st_gid) != 0 &&
            ::chown(geçiciYerel.constData(), uid_t(-1), eski.st_gid) != 0) {
            // Neither owner nor group may be kept: the file stays the restoring user's.
        }
    } else {
        const mode_t maske = ::umask(0);
        ::umask(maske);
        ::chmod(geçiciYerel.constData(), 0666 & ~maske);
    }
    // The replaced file is kept under a name of its own; no earlier one is touched.
    if (hedef.exists()) {
        bool saklandı = false;
        for (int sıra = 1; !saklandı && sıra < 1000; ++sıra) {
            const QString ad = eskiDosyaAdı(dosya, sıra);
            if (::link(QFile::encodeName(yer).constData(), QFile::encodeName(ad).constData()) == 0)
                saklandı = true;
            else if (errno != EEXIST)
                saklandı = !QFileInfo::exists(ad) && QFile::copy(yer, ad);
        }
        if (!saklandı) {
            QFile::remove(geçici);
            throw Hata(HataNo::DosyaAçılamıyor,
                       QStringLiteral("Eski dosya saklanamadı: %1").arg(dosya));
        }
    }
    // rename() replaces the file in one step; programs that have it open notice the new
    // file before their next statement.
    if (::rename(geçiciYerel.constData(), QFile::encodeName(yer).constData()) != 0) {
        QFile::remove(geçici);
        throw Hata(HataNo::DosyaAçılamıyor, QStringLiteral("Dosya yerine konamadı: %1").arg(dosya));
    }
}

void örnekVeriDoldur(const QString& dosya, const ÖrnekAyarları& ayarlar, const QString& parola) {
    Kapatıcı k;
    k.db = yazmakİçinAç(dosya, parola);
    const QDate bugün = ayarlar.bugün.isValid() ? ayarlar.bugün : ProgramSaati::bugün();
    std::mt19937 üreteç(ayarlar.tohum);
    const auto zar = [&](int n) { return int(üreteç() % unsigned(std::max(n, 1))); };

    static const QStringList üstAdlar = {"Davalar",      "İcra Takipleri", "Danışmanlık",
                                         "Arabuluculuk", "Şirketler",      "Kira İşleri",
                                         "Miras İşleri", "Ceza Dosyaları", "İdari Davalar"};
    static const QStringList altAdlar = {"Ağır Ceza",    "Asliye Hukuk", "Sulh Hukuk",
                                         "İş Mahkemesi", "Tüketici",     "Aile Mahkemesi",
                                         "Ticaret",      "Çocuk",        "Gözlem"};
    static const QStringList konular = {"Duruşma",
                                        "Keşif",
                                        "Bilirkişi incelemesi",
                                        "Cevap dilekçesi",
                                        "İstinaf süresi",
                                        "Müvekkil görüşmesi",
                                        "Tanık dinlenmesi",
                                        "Haciz",
                                        "Tebligat takibi",
                                        "Uzlaşma toplantısı",
                                        "İhtarname",
                                        "Temyiz süresi"};
    static const QStringList yerler = {"İstanbul Çağlayan Adliyesi",
                                       "Ankara Adliyesi",
                                       "İzmir Adliyesi",
                                       "Büro",
                                       "Kadıköy İcra Dairesi",
                                       "Bakırköy Adliyesi",
                                       "Üsküdar Tapu Müdürlüğü",
                                       "Müvekkilin işyeri"};
    static const QStringList açıklamalar = {
        "Dosya fotokopileri alınacak.",
        "Ödeme belgeleri hazırlanacak.",
        "Tanık listesi gözden geçirilecek; ıslah dilekçesi düşünülebilir.",
        "Şöför Ümit Bey'in ifadesi okunacak.",
        "",
        "Harç yatırılacak.",
        "Öğleden sonra müvekkil aranacak."};

    çalıştır(k.db, "BEGIN IMMEDIATE", dosya);
    try {
        // Folder keys go on from the highest one already there.
        int sayaç = 0;
        QStringList mevcutKlasörler;
        {
            sqlite3_stmt* d = nullptr;
            sqlite3_prepare_v2(k.db, "SELECT Anahtari FROM KlasorBilgileriTablosu ORDER BY rowid",
                               -1, &d, nullptr);
            while (sqlite3_step(d) == SQLITE_ROW) {
                const QString a =
                    QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(d, 0)));
                mevcutKlasörler << a;
                sayaç = std::max(sayaç, a.section(u'-', 0, 0).toInt());
            }
            sqlite3_finalize(d);
        }
        QStringList yeniKlasörler;
        sqlite3_stmt* klasörEkle = nullptr;
        int sonuç = sqlite3_prepare_v2(
            k.db, "INSERT INTO KlasorBilgileriTablosu (Anahtari, Bagi, Adi) VALUES (?, ?, ?)", -1,
            &klasörEkle, nullptr);
        if (sonuç != SQLITE_OK)
            throw hata(k.db, sonuç, dosya);
        for (int i = 0; i < ayarlar.klasörSayısı; ++i) {
            if (sayaç >= 32767)
                throw Hata(6, QStringLiteral("Klasör anahtarları tükendi."));
            const QString anahtar = QStringLiteral("%1-Anahtar").arg(++sayaç);
            // About a third of the folders go below an earlier one, up to three levels.
            QString bağı = Klasörler::KlasörAnahtarı;
            QString ad = üstAdlar[i % üstAdlar.size()];
            if (!yeniKlasörler.isEmpty() && zar(3) == 0) {
                bağı = yeniKlasörler[zar(int(yeniKlasörler.size()))];
                ad = altAdlar[zar(int(altAdlar.size()))];
            }
            if (i >= üstAdlar.size() && bağı == Klasörler::KlasörAnahtarı)
                ad += QStringLiteral(" %1").arg(i / üstAdlar.size() + 1);
            const QByteArray a = anahtar.toUtf8(), b = bağı.toUtf8(), c = ad.toUtf8();
            sqlite3_bind_text(klasörEkle, 1, a.constData(), int(a.size()), SQLITE_TRANSIENT);
            sqlite3_bind_text(klasörEkle, 2, b.constData(), int(b.size()), SQLITE_TRANSIENT);
            sqlite3_bind_text(klasörEkle, 3, c.constData(), int(c.size()), SQLITE_TRANSIENT);
            sonuç = sqlite3_step(klasörEkle);
            sqlite3_reset(klasörEkle);
            if (sonuç != SQLITE_DONE) {
                sqlite3_finalize(klasörEkle);
                throw hata(k.db, sonuç, dosya);
            }
            yeniKlasörler << anahtar;
        }
        sqlite3_finalize(klasörEkle);

        const QStringList klasörler = mevcutKlasörler + yeniKlasörler;
        if (ayarlar.işSayısı > 0 && klasörler.isEmpty())
            throw Hata(HataNo::Beklenmeyen, QStringLiteral("İşler için önce klasör gerekir."));
        sqlite3_stmt* işEkle = nullptr;
        sonuç = sqlite3_prepare_v2(
            k.db,
            "INSERT INTO YapilacakIslerTablosu (Anahtari, IsinTarihi, IsinSaati, IsinKonusu, "
            "IsinYeri, IsinSayisi, Aciklama, Hatirlatma, IsYapildi) VALUES (?,?,?,?,?,?,?,?,?)",
            -1, &işEkle, nullptr);
        if (sonuç != SQLITE_OK)
            throw hata(k.db, sonuç, dosya);
        for (int i = 0; i < ayarlar.işSayısı; ++i) {
            int fark;
            const int seçim = zar(100);
            if (seçim < 10)
                fark = 0;
            else if (seçim < 15)
                fark = -1;
            else if (seçim < 20)
                fark = 1;
            else
                fark = zar(241) - 120;
            const QDate tarih = bugün.addDays(fark);
            const QTime saat(8 + zar(11), zar(12) * 5, 0);
            const bool yapıldı = fark < 0 ? zar(10) < 6 : zar(20) == 0;
            const bool hatırlat = !yapıldı && zar(10) < 4;
            const QString sayı =
                QStringLiteral("%1/%2").arg(tarih.year() - zar(3)).arg(1 + zar(999));
            const QByteArray değerler[] = {klasörler[zar(int(klasörler.size()))].toUtf8(),
                                           tarih.toString(QStringLiteral("yyyy-MM-dd")).toUtf8(),
                                           saat.toString(QStringLiteral("HH:mm:ss")).toUtf8(),
                                           konular[zar(int(konular.size()))].toUtf8(),
                                           yerler[zar(int(yerler.size()))].toUtf8(),
                                           (zar(5) == 0 ? QString() : sayı).toUtf8(),
                                           açıklamalar[zar(int(açıklamalar.size()))].toUtf8()};
            for (int s = 0; s < 7; ++s)
                sqlite3_bind_text(işEkle, s + 1, değerler[s].constData(), int(değerler[s].size()),
                                  SQLITE_TRANSIENT);
            sqlite3_bind_int(işEkle, 8, hatırlat ? 1 : 0);
            sqlite3_bind_int(işEkle, 9, yapıldı ? 1 : 0);
            sonuç = sqlite3_step(işEkle);
            sqlite3_reset(işEkle);
            if (sonuç != SQLITE_DONE) {
                sqlite3_finalize(işEkle);
                throw hata(k.db, sonuç, dosya);
            }
        }
        sqlite3_finalize(işEkle);
        çalıştır(k.db, "COMMIT", dosya);
    } catch (...) {
        sqlite3_exec(k.db, "ROLLBACK", nullptr, nullptr, nullptr);
        throw;
    }
}

} // namespace VeritabanıKurulumu
