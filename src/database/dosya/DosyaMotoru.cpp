#include "database/dosya/DosyaMotoru.h"

#include "controls/ProgramSaati.h"
#include "database/JetCevirici.h"
#include "database/Veritabani.h"
#include "database/dosya/DosyaIc.h"

#include <QDebug>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QThread>
#include <atomic>
#include <condition_variable>
#include <cstdlib>
#include <mutex>
#include <optional>
#include <thread>
#include <utility>
#include <vector>

#include <sys/stat.h>
#include <unistd.h>

using namespace Veritabanıİç;

namespace {

// Reads the statement's current row into the rows, value by value from column `ilk` on, as
// the file stores each value.
void hamSatırEkle(HamSatırlar& r, sqlite3_stmt* d, int ilk, int sütunSayısı) {
    for (int s = ilk; s < sütunSayısı; ++s) {
        switch (sqlite3_column_type(d, s)) {
        case SQLITE_NULL:
            r.boş();
            break;
        case SQLITE_INTEGER:
            r.tamsayı(sqlite3_column_int64(d, s));
            break;
        case SQLITE_FLOAT: {
            const double değer = sqlite3_column_double(d, s);
            const auto* m = reinterpret_cast<const char*>(sqlite3_column_text(d, s));
            r.kesirli(değer, m, sqlite3_column_bytes(d, s));
            break;
        }
        case SQLITE_BLOB: {
            const auto* v = static_cast<const char*>(sqlite3_column_blob(d, s));
            r.metin(v, sqlite3_column_bytes(d, s), true);
            break;
        }
        default: {
            const auto* m = reinterpret_cast<const char*>(sqlite3_column_text(d, s));
            r.metin(m, sqlite3_column_bytes(d, s));
        }
        }
    }
}

// A value in the face's stored types bound as the file keeps it: dates as YYYY-MM-DD,
// times as HH:MM:SS, yes/no as 0/1.
void bağla(sqlite3* db, sqlite3_stmt* d, int sıra, const QVariant& değer) {
    int sonuç;
    if (!değer.isValid() || değer.isNull())
        sonuç = sqlite3_bind_null(d, sıra);
    else if (değer.typeId() == QMetaType::LongLong)
        sonuç = sqlite3_bind_int64(d, sıra, değer.toLongLong());
    else if (değer.typeId() == QMetaType::Bool)
        sonuç = sqlite3_bind_int64(d, sıra, değer.toBool() ? 1 : 0);
    else {
        const QString m = değer.typeId() == QMetaType::QDate
                              ? değer.toDate().toString(QStringLiteral("yyyy-MM-dd"))
                          : değer.typeId() == QMetaType::QTime
                              ? değer.toTime().toString(QStringLiteral("HH:mm:ss"))
                              : değer.toString();
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

// Every page of the file read once after it is opened, on a connection of its own beside
// the program's, so that a damaged page is found within a moment of the start without
// holding up the first window. Writes wait for the answer: nothing is written into a
// damaged file, and no daily copy of it pushes out a sound one.
class SayfaDenetimi {
public:
    SayfaDenetimi(const QString& dosya, const QString& parola)
        : iş_((kaydet(this), [this, dosya, parola] {
              çalış(dosya, parola);
              kaydıSil(this);
          })) {}
    ~SayfaDenetimi() {
        durdur();
        iş_.join();
    }
    SayfaDenetimi(const SayfaDenetimi&) = delete;
    SayfaDenetimi& operator=(const SayfaDenetimi&) = delete;

    // Waits for the answer; a damaged page gives Bozuk. A check that could not run (the
    // file busy for long, a read error) lets the work go on: the program's own reads and
    // writes meet such faults themselves.
    void bekle() {
        std::unique_lock kilit(m_);
        bitti_.wait(kilit, [this] { return bittiMi_; });
        if (bozukluk_)
            throw Hata(VeritabanıHataNo::Bozuk, *bozukluk_);
    }

private:
    void durdur() {
        std::lock_guard kilit(m_);
        durdur_ = true;
        if (db_)
            sqlite3_interrupt(db_);
    }

    // Checks still running when the process ends are stopped and waited for before the
    // crypto library's clean-up at exit frees what their key derivation uses. The handler
    // is registered after the first open has used the library, so it runs before that
    // clean-up.
    struct Çalışanlar {
        std::mutex m;
        std::condition_variable boşaldı;
        std::vector<SayfaDenetimi*> hepsi;
    };
    static Çalışanlar& çalışanlar() {
        static auto* ç = new Çalışanlar; // outlives every thread
        return *ç;
    }
    static void kaydet(SayfaDenetimi* d) {
        static std::once_flag bir;
        std::call_once(bir, [] { std::atexit(hepsiniBitir); });
        std::lock_guard kilit(çalışanlar().m);
        çalışanlar().hepsi.push_back(d);
    }
    static void kaydıSil(SayfaDenetimi* d) {
        std::lock_guard kilit(çalışanlar().m);
        std::erase(çalışanlar().hepsi, d);
        çalışanlar().boşaldı.notify_all();
    }
    static void hepsiniBitir() {
        std::unique_lock kilit(çalışanlar().m);
        for (SayfaDenetimi* d : çalışanlar().hepsi)
            d->durdur();
        çalışanlar().boşaldı.wait(kilit, [] { return çalışanlar().hepsi.empty(); });
    }

    // Another computer's write is waited for up to ten seconds, unless the check is to stop.
    static int kilitBekle(void* bu, int kaçıncı) {
        if (static_cast<SayfaDenetimi*>(bu)->durdur_ || kaçıncı >= 500)
            return 0;
        sqlite3_sleep(20);
        return 1;
    }

    void çalış(const QString& dosya, const QString& parola) {
        std::optional<QString> bozukluk;
        sqlite3* db = nullptr;
        int sonuç = sqlite3_open_v2(QFile::encodeName(dosya).constData(), &db,
                                    SQLITE_OPEN_READONLY | SQLITE_OPEN_NOMUTEX, nullptr);
        {
            std::lock_guard kilit(m_);
            db_ = db;
            if (durdur_)
                sonuç = SQLITE_INTERRUPT;
        }
        if (sonuç == SQLITE_OK && !parola.isEmpty()) {
            const QByteArray anahtar = parola.toUtf8();
            sonuç = sqlite3_key(db, anahtar.constData(), int(anahtar.size()));
        }
        sqlite3_stmt* d = nullptr;
        if (sonuç == SQLITE_OK) {
            sqlite3_busy_handler(db, &SayfaDenetimi::kilitBekle, this);
            sonuç = sqlite3_prepare_v2(db, "PRAGMA quick_check", -1, &d, nullptr);
        }
        if (sonuç == SQLITE_OK)
            sonuç = sqlite3_step(d);
        if (sonuç == SQLITE_ROW) {
            const QString durum =
                QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(d, 0)));
            if (durum != QLatin1String("ok"))
                bozukluk = QStringLiteral("Veritabanı dosyası bozuk: ") + durum.left(200);
        } else if ((sonuç & 0xff) == SQLITE_CORRUPT || (sonuç & 0xff) == SQLITE_NOTADB) {
            // The program's connection has proven the key: an unreadable page is damage.
            bozukluk = QStringLiteral("Veritabanı dosyası bozuk.");
        } else if ((sonuç & 0xff) != SQLITE_INTERRUPT) {
            qWarning().noquote() << "Veritabanının sayfaları denetlenemedi:"
                                 << (db ? QString::fromUtf8(sqlite3_errmsg(db)) : QString());
        }
        sqlite3_finalize(d);
        std::lock_guard kilit(m_);
        db_ = nullptr;
        sqlite3_close_v2(db);
        bozukluk_ = bozukluk;
        bittiMi_ = true;
        bitti_.notify_all();
    }

    std::mutex m_;
    std::condition_variable bitti_;
    sqlite3* db_ = nullptr;
    std::atomic<bool> durdur_ = false;
    bool bittiMi_ = false;
    std::optional<QString> bozukluk_;
    std::thread iş_; // last: started once the members above are made
};

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
    // The reading of every page since this opening; writes wait for it.
    std::unique_ptr<SayfaDenetimi> sayfalar;
    ~Bağlantı() { kapat(); }
    void kapat() {
        sayfalar.reset();
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

// The check after the password has been proven: the tables (every page is read beside the
// work, see SayfaDenetimi). A failure here is the file's, not the folder's.
void içeriğiDenetle(sqlite3* db, const QString& dosya) {
    try {
        const QStringList sorunlar = şemaSorunları(db, dosya);
        if (!sorunlar.isEmpty())
            throw Hata(HataNo::VeritabanıDeğil,
                       QStringLiteral("Dosya bir Tarvela veritabanı değil: ") +
                           sorunlar.join("; "));
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
    // A connection is used by one thread only, so the engine need not lock it on every call.
    int sonuç = sqlite3_open_v2(yerel.constData(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX,
                                nullptr);
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
        // 32 MB of pages: an office's whole file stays decrypted in memory between reads for
        // as long as no other computer writes (the default 2 MB holds a fraction of it).
        çalıştır(db, "PRAGMA cache_size=-32768", b.dosya);
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
    b.sayfalar = std::make_unique<SayfaDenetimi>(b.dosya, b.parola);
}

// Before every statement: the file must still be the one that was opened. A file that is
// gone is reported and never made again; a file put in its place (a restored copy) is
// opened afresh.
void dosyaDenetle(Bağlantı& b) {
    planlıHatayıAt();
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

// A day's copy that could not be made: on standard error every time, to the user once a
// day.
void yedekUyarısı(const QString& neden) {
    qWarning().noquote() << "Günlük yedek alınamadı:" << neden;
    static QDate bildirilenGün;
    const QDate bugün = ProgramSaati::bugün();
    if (bildirilenGün == bugün || !yedekUyarısıAlıcısı())
        return;
    bildirilenGün = bugün;
    yedekUyarısıAlıcısı()(neden);
}

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
    if (b.sayfalar)
        b.sayfalar->bekle();
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

class Dosya final : public VeritabanıMotoru {
public:
    explicit Dosya(std::shared_ptr<Bağlantı> b) : b_(std::move(b)) {}

    QString yol() const override { return b_->dosya; }

    // Reads rows of the statement: with `hepsi` false only the first row (and whether a
    // second one exists), otherwise every row. The statement is finished before returning,
    // so no lock is kept while the program works through the rows.
    OkunanSatırlar oku(const QString& deyim, bool hepsi, bool* değiştirilebilir,
                       QString* tablo) override {
        const JetÇevirici::Sonuç çeviri = JetÇevirici::çevir(deyim);
        Bağlantı& b = *b_;
        // Inside a transaction the lock is held and the file cannot have been replaced.
        if (!b.işlemde)
            dosyaDenetle(b);
        if (değiştirilebilir)
            *değiştirilebilir = çeviri.değiştirilebilir;
        if (tablo)
            *tablo = çeviri.tablo;
        // Every row of a whole table is read in the table's own order and sorted here:
        // walking the date index across the table visits its pages out of order.
        bool kendimiz = hepsi && !çeviri.tabloSırasıyla.isEmpty();
        QElapsedTimer süre;
        süre.start();
        OkunanSatırlar o;
        while (true) {
            sqlite3_stmt* d = hazırlaDeyim(b, kendimiz ? çeviri.tabloSırasıyla : çeviri.sql);
            DeyimSilici silici{d};
            const int ilk = çeviri.değiştirilebilir ? 1 : 0;
            const int sütunSayısı = sqlite3_column_count(d);
            o = OkunanSatırlar();
            for (int s = ilk; s < sütunSayısı; ++s)
                o.adlar << QString::fromUtf8(sqlite3_column_name(d, s));
            o.ham = HamSatırlar(sütunSayısı - ilk);
            int sonuç;
            qsizetype okunanSatır = 0;
            while ((sonuç = sqlite3_step(d)) == SQLITE_ROW) {
                if (!hepsi && okunanSatır == 1) {
                    o.dahaVar = true;
                    sonuç = SQLITE_DONE;
                    break;
                }
                ++okunanSatır;
                o.satırNo.push_back(ilk ? sqlite3_column_int64(d, 0) : 0);
                hamSatırEkle(o.ham, d, ilk, sütunSayısı);
            }
            if (sonuç == SQLITE_DONE) {
                if (kendimiz && !satırlarıSırala(o, çeviri.sıralamaAlanları)) {
                    // An order by something that is no column of its own: the engine sorts.
                    kendimiz = false;
                    continue;
                }
                return o;
            }
            if ((sonuç & 0xff) == SQLITE_BUSY && süre.elapsed() < beklemeSüresi()) {
                QThread::msleep(20);
                continue;
            }
            throw hata(b.db, sonuç, b.dosya);
        }
    }

    void yazma(const std::function<void()>& iş) override { ::yazma(*b_, iş); }

    void işlem(const std::function<void()>& iş) override {
        Bağlantı& b = *b_;
        if (b.işlemde)
            throw Hata(HataNo::Beklenmeyen, QStringLiteral("İç içe işlem açılamaz."));
        ::yazma(b, [&]() {
            struct Bayrak {
                bool& b;
                ~Bayrak() { b = false; }
            } bayrak{b.işlemde = true};
            iş();
        });
    }

    void ekle(const QString& tablo, const QStringList& adlar,
              const QList<QVariant>& değerler) override {
        QStringList sütunlar, yerler;
        for (const QString& ad : adlar) {
            sütunlar << tırnaklı(ad);
            yerler << QStringLiteral("?");
        }
        const QString sql =
            adlar.isEmpty() ? QStringLiteral("INSERT INTO %1 DEFAULT VALUES").arg(tırnaklı(tablo))
                            : QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                                  .arg(tırnaklı(tablo), sütunlar.join(", "), yerler.join(", "));
        sqlite3_stmt* d = hazırlaDeyim(*b_, sql);
        DeyimSilici silici{d};
        for (int i = 0; i < değerler.size(); ++i)
            bağla(b_->db, d, i + 1, değerler[i]);
        adımAt(*b_, d);
    }

    std::optional<std::vector<QVariant>> satırıKilitle(const QString& tablo, qint64 satır,
                                                       const QStringList& adlar) override {
        // The write transaction holds the file's write lock already.
        QStringList okunanlar;
        for (const QString& ad : adlar)
            okunanlar << tırnaklı(ad);
        sqlite3_stmt* d = hazırlaDeyim(*b_, QStringLiteral("SELECT %1 FROM %2 WHERE rowid = ?")
                                                .arg(okunanlar.join(", "), tırnaklı(tablo)));
        DeyimSilici silici{d};
        sqlite3_bind_int64(d, 1, satır);
        const int sonuç = sqlite3_step(d);
        if (sonuç == SQLITE_DONE)
            return std::nullopt;
        if (sonuç != SQLITE_ROW)
            throw hata(b_->db, sonuç, b_->dosya);
        HamSatırlar şimdiki(int(adlar.size()));
        hamSatırEkle(şimdiki, d, 0, int(adlar.size()));
        std::vector<QVariant> değerler;
        for (int s = 0; s < adlar.size(); ++s)
            değerler.push_back(okunan(alanTürü(adlar[s]), şimdiki, şimdiki.hücre(0, s)));
        return değerler;
    }

    qint64 güncelle(const QString& tablo, qint64 satır, const QStringList& adlar,
                    const QList<QVariant>& değerler) override {
        QStringList atamalar;
        for (const QString& ad : adlar)
            atamalar << tırnaklı(ad) + QStringLiteral(" = ?");
        sqlite3_stmt* d = hazırlaDeyim(*b_, QStringLiteral("UPDATE %1 SET %2 WHERE rowid = ?")
                                                .arg(tırnaklı(tablo), atamalar.join(", ")));
        DeyimSilici silici{d};
        int i = 1;
        for (const QVariant& değer : değerler)
            bağla(b_->db, d, i++, değer);
        sqlite3_bind_int64(d, i, satır);
        adımAt(*b_, d);
        return sqlite3_changes(b_->db);
    }

    qint64 sil(const QString& tablo, qint64 satır) override {
        sqlite3_stmt* d = hazırlaDeyim(
            *b_, QStringLiteral("DELETE FROM %1 WHERE rowid = ?").arg(tırnaklı(tablo)));
        DeyimSilici silici{d};
        sqlite3_bind_int64(d, 1, satır);
        adımAt(*b_, d);
        return sqlite3_changes(b_->db);
    }

    qint64 çalıştır(const QString& deyim) override {
        const JetÇevirici::Sonuç çeviri = JetÇevirici::çevir(deyim);
        Bağlantı& b = *b_;
        qint64 değişen = 0;
        ::yazma(b, [&]() {
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

    quint64 değişiklikDamgası() override {
        Bağlantı& b = *b_;
        struct stat bilgi {};
        if (!b.db || ::stat(QFile::encodeName(b.dosya).constData(), &bilgi) != 0 ||
            bilgi.st_dev != b.aygıt || bilgi.st_ino != b.düğüm)
            dosyaDenetle(b);
        if (!b.sürüm) {
            const int sonuç =
                sqlite3_prepare_v2(b.db, "PRAGMA data_version", -1, &b.sürüm, nullptr);
            if (sonuç != SQLITE_OK)
                throw hata(b.db, sonuç, b.dosya);
        }
        // A look, not a wait: while another computer writes, the answer comes at the next
        // look.
        sqlite3_busy_handler(b.db, nullptr, nullptr);
        const int sonuç = sqlite3_step(b.sürüm);
        const quint64 sürüm = sonuç == SQLITE_ROW ? quint64(sqlite3_column_int64(b.sürüm, 0)) : 0;
        sqlite3_reset(b.sürüm);
        sqlite3_busy_handler(b.db, kilidiBekle, nullptr);
        if (sonuç != SQLITE_ROW)
            throw hata(b.db, sonuç, b.dosya);
        return (b.kuşak << 40) ^ sürüm;
    }

    QString kimlik() override {
        dosyaDenetle(*b_);
        return Veritabanıİç::kimlik(b_->db, "main", b_->dosya);
    }

private:
    // Names come from the engine's own column list of this table, never from the caller.
    static QString tırnaklı(const QString& ad) {
        QString a = ad;
        a.replace(u'"', QStringLiteral("\"\""));
        return u'"' + a + u'"';
    }

    std::shared_ptr<Bağlantı> b_;
};

} // namespace

void GünlükYedek::uyarıAlıcısıAyarla(std::function<void(const QString&)> alıcı) {
    yedekUyarısıAlıcısı() = std::move(alıcı);
}

namespace DosyaMotoru {
std::shared_ptr<VeritabanıMotoru> aç(const QString& dosya, const QString& anahtar) {
    auto b = std::make_shared<Bağlantı>();
    b->dosya = dosya;
    b->parola = anahtar;
    ::aç(*b);
    // Copies left half-made by a program that was stopped go at the next start.
    if (QFileInfo(yedekKlasörü(dosya)).isDir())
        yarımYedekleriTemizle(yedekKlasörü(dosya));
    return std::make_shared<Dosya>(std::move(b));
}
} // namespace DosyaMotoru
