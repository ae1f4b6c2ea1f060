#include "HataNumarasi.h"
#include "TestOrtami.h"

#include "BaglantiTestDestegi.h"

#include "controls/ProgramSaati.h"
#include "database/AnahtarSayaci.h"
#include "database/BuroAnahtari.h"
#include "database/Deyimler.h"
#include "database/JetCevirici.h"
#include "database/Klasorler.h"
#include "database/TurkceBenzer.h"

#include <QRegularExpression>
#include <QSysInfo>

#include <sys/stat.h>

namespace {

void kip(const QString& yol, mode_t kip) {
    ::chmod(QFile::encodeName(yol).constData(), kip);
}

// The number of the error that opening the file gives (0 when it opens).
int açılışHatası(const QString& yol, const QString& bağlantı = Veritabanı::BağlantıMetni) {
    return hataNumarası([&] { Veritabanı::OpenDatabase(yol, false, false, bağlantı); });
}

// The engine's query plan for a statement, one step a line.
QString sorguPlanı(const QString& sql) {
    sqlite3* db = nullptr;
    sqlite3_open_v2(QFile::encodeName(vtDosyası()).constData(), &db, SQLITE_OPEN_READONLY, nullptr);
    Veritabanıİç::hazırla(db, "KMZ1994");
    sqlite3_stmt* d = nullptr;
    sqlite3_prepare_v2(db, ("EXPLAIN QUERY PLAN " + sql).toUtf8().constData(), -1, &d, nullptr);
    QString plan;
    while (sqlite3_step(d) == SQLITE_ROW)
        plan += QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(d, 3))) + '\n';
    sqlite3_finalize(d);
    sqlite3_close(db);
    return plan;
}

// Adds a job the way the entry window does.
void işEkle(Veritabanı& vt, const QString& anahtar, const QDate& tarih, const QString& saat,
            const QString& konu, bool hatırlat = false, bool yapıldı = false,
            const QString& yer = {}) {
    auto rs = vt.OpenRecordset(Deyim::J7());
    rs->AddNew();
    rs->alanYaz("Anahtari", anahtar);
    rs->alanYaz("IsinTarihi", tarih.toString("dd.MM.yyyy"));
    rs->alanYaz("IsinSaati", saat);
    rs->alanYaz("IsinKonusu", konu);
    rs->alanYaz("IsinYeri", yer);
    rs->alanYaz("Hatirlatma", hatırlat);
    rs->alanYaz("IsYapildi", yapıldı);
    rs->Update();
}

QStringList konular(Veritabanı& vt, const QString& deyim) {
    QStringList sonuç;
    for (auto rs = vt.OpenRecordset(deyim); !rs->Eof(); rs->MoveNext())
        sonuç << rs->alan("IsinKonusu").toString();
    return sonuç;
}

QStringList klasörSatırları(Veritabanı& vt) {
    QStringList sonuç;
    for (auto rs = vt.OpenRecordset(Deyim::F1()); !rs->Eof(); rs->MoveNext())
        sonuç << rs->alan("Anahtari").toString() + ":" + rs->alan("Bagi").toString() + ":" +
                     rs->alan("Adi").toString();
    return sonuç;
}

void klasörEkle(Veritabanı& vt, const QString& bağı, const QString& anahtar) {
    auto rs = vt.OpenRecordset(Deyim::F2());
    rs->AddNew();
    rs->alanYaz("Bagi", bağı);
    rs->alanYaz("Anahtari", anahtar);
    rs->alanYaz("Adi", QStringLiteral("Yeni Klasör"));
    rs->Update();
}

// A new, empty database in place of the sample one: job numbers start at 1.
std::shared_ptr<Veritabanı> boşVeritabanı() {
    QFile::remove(vtDosyası());
    VeritabanıKurulumu::oluştur(vtDosyası());
    return Veritabanı::OpenDatabase(vtDosyası());
}

} // namespace

class VeritabaniTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        TestOrtami::sıfırla();
        ProgramSaati::ayarla(QDateTime(QDate(2026, 12, 6), QTime(9, 0)));
        QDir d(vtKökü());
        d.setFilter(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
        for (const QFileInfo& f : d.entryInfoList()) {
            kip(f.absoluteFilePath(), 0755);
            f.isDir() ? void(QDir(f.absoluteFilePath()).removeRecursively())
                      : void(QFile::remove(f.absoluteFilePath()));
        }
        kip(vtKökü(), 0755);
        VeritabanıKurulumu::oluştur(vtDosyası());
        VeritabanıKurulumu::örnekVeriDoldur(vtDosyası(), {3, 400, QDate(2026, 12, 6), 7});
    }
    void cleanup() { kip(vtKökü(), 0755); }

    void translation_data() {
        QTest::addColumn<QString>("jet");
        QTest::addColumn<QString>("sqlite"); // empty: not compared
        QTest::addColumn<int>("numara");
        QTest::newRow("delete star") << "DELETE * FROM YapilacakIslerTablosu WHERE IsNo=5"
                                     << "DELETE FROM YapilacakIslerTablosu WHERE IsNo = 5" << 0;
        QTest::newRow("date and bool")
            << "UPDATE YapilacakIslerTablosu SET IsYapildi=True WHERE IsinTarihi < #1/5/2027#"
            << "UPDATE YapilacakIslerTablosu SET IsYapildi = 1 WHERE IsinTarihi < '2027-01-05'"
            << 0;
        QTest::newRow("time literal")
            << "DELETE FROM T WHERE IsinSaati<= #09:05:0# AND x=false"
            << "DELETE FROM T WHERE IsinSaati <= '09:05:00' AND x = 0" << 0;
        QTest::newRow("texts untouched")
            << "UPDATE T SET a='#1/2/2026# True ''x'' DELETE * FROM'"
            << "UPDATE T SET a = '#1/2/2026# True ''x'' DELETE * FROM'" << 0;
        QTest::newRow("like wildcards")
            << "SELECT a FROM T, U WHERE a LIKE '*50%_?[*]x\\*'"
            << "SELECT a FROM T , U WHERE a LIKE '%50\\%\\__*x\\\\%' ESCAPE '\\'" << 0;
        QTest::newRow("like brackets")
            << "SELECT a FROM T, U WHERE a LIKE '[%][_][?][\\]x'"
            << "SELECT a FROM T , U WHERE a LIKE '\\%\\_?\\\\x' ESCAPE '\\'" << 0;
        QTest::newRow("parentheses, one table")
            << "(SELECT * FROM YapilacakIslerTablosu WHERE Anahtari='1-Anahtar' ORDER BY "
               "IsinTarihi)"
            << "SELECT rowid , * FROM YapilacakIslerTablosu WHERE Anahtari = '1-Anahtar' ORDER BY "
               "IsinTarihi , rowid"
            << 0;
        QTest::newRow("insertion order")
            << "SELECT Adi FROM KlasorBilgileriTablosu;"
            << "SELECT rowid , Adi FROM KlasorBilgileriTablosu ORDER BY rowid" << 0;
        QTest::newRow("bracket name, concatenation") << "SELECT [Is No] & \"x\" FROM T"
                                                     << "SELECT \"Is No\" || 'x' FROM T" << 0;
        const QString yok;
        QTest::newRow("second statement") << "SELECT * FROM T; DELETE FROM T" << yok << 3142;
        QTest::newRow("not DML") << "DROP TABLE YapilacakIslerTablosu" << yok << 3075;
        QTest::newRow("open text") << "SELECT * FROM T WHERE a='x" << yok << 3075;
        QTest::newRow("comment") << "SELECT * FROM T -- x" << yok << 0; // two minus signs
        QTest::newRow("bad date") << "SELECT * FROM T WHERE d=#2/30/2026#" << yok << 3076;
        QTest::newRow("parameter") << "SELECT * FROM T WHERE a=?" << yok << 3075;
        QTest::newRow("empty") << "  ;  " << yok << 3075;
    }
    void translation() {
        QFETCH(QString, jet);
        QFETCH(QString, sqlite);
        QFETCH(int, numara);
        QString çıkan;
        QCOMPARE(hataNumarası([&] { çıkan = JetÇevirici::çevir(jet).sql; }), numara);
        if (!sqlite.isEmpty())
            QCOMPARE(çıkan, sqlite);
    }

    void turkishLike() {
        using TürkçeBenzer::eşleşir;
        QVERIFY(eşleşir(u"%ırmak%", u"IRMAK"));
        QVERIFY(eşleşir(u"%ŞÖÇÜĞ%", u"aşöçüğb"));
        QVERIFY(eşleşir(u"a_c", u"abc"));
        QVERIFY(!eşleşir(u"a\\_c", u"abc", u'\\'));
        QVERIFY(eşleşir(u"a\\_c", u"a_c", u'\\'));
        QVERIFY(eşleşir(u"%", u""));
        QVERIFY(!eşleşir(u"_", u""));
        // Many wildcards over a long text stay fast (a backtracking matcher never ends).
        QVERIFY(!eşleşir(QString("%a%a%a%a%a%a%a%a%b"), QString(20000, u'a')));

        // The engine's UTF-8 path, which looks for "%text%" only where a character that can
        // fold to its first letter begins, answers as the general matcher for every pattern
        // and text of up to three letters among the Turkish pairs, the Kelvin sign (folds to
        // k), a letter beyond 16 bits and a plain one.
        const QStringList harfler = {"i", "I", "ı", "İ", "k", "\u212A", "ş", "Ş", "😀", "a"};
        QStringList metinler = {QString()};
        for (int uzunluk = 1; uzunluk <= 3; ++uzunluk)
            for (const QString& m : QStringList(metinler))
                if (m.size() >= uzunluk - 1) // adds a letter to the longest ones only
                    for (const QString& h : harfler)
                        metinler << m + h;
        metinler.removeDuplicates();
        const QStringList ikinciler = QStringList(harfler) << QString();
        int farklı = 0;
        for (const QString& a : harfler)
            for (const QString& b : ikinciler)
                for (const QString& desen : {"%" + a + b + "%", a + b + "%", "%" + a + "_" + b})
                    for (const QString& m : metinler)
                        farklı += eşleşir(desen, m) != eşleşir(desen, QByteArrayView(m.toUtf8()));
        QCOMPARE(farklı, 0);
        // A byte outside any valid sequence stands for one U+FFFD and never hides the
        // letters after it.
        QVERIFY(eşleşir(u"%i%", QByteArrayView("\xC4i")));
        QVERIFY(!eşleşir(u"%i%", QByteArrayView("\xC4")));
        QVERIFY(eşleşir(u"%ka%", QByteArrayView("\xE2\x84ka")));
        QVERIFY(eşleşir(u"%haciz%", QByteArrayView("\xFFHAC\xC4\xB0Z")));
        QVERIFY(!eşleşir(u"%haciz%", QByteArrayView("HAC\xFFIZ")));
    }

    void keyCounter() {
        AnahtarSayacı s;
        QCOMPARE(s.yeniAnahtar(), QString("1-Anahtar"));
        for (const char* a : {"3-Anahtar", "12-Anahtar", "7-Anahtar", "Anahtar", "", "007-x"})
            s.güncelle(a);
        QCOMPARE(s.yeniAnahtar(), QString("13-Anahtar"));
        s.güncelle("99999999999999999999-Anahtar");
        QCOMPARE(int(s.değer()), 32767);
        AnahtarSayacı sınırda;
        sınırda.güncelle("32766-Anahtar");
        QCOMPARE(sınırda.yeniAnahtar(), QString("32767-Anahtar"));
        QCOMPARE(hataNumarası([&] { sınırda.yeniAnahtar(); }), 6);
        QCOMPARE(int(sınırda.değer()), 32767);
    }

    void recordsetRules() {
        auto vt = Veritabanı::OpenDatabase(vtDosyası());
        // Only the program's two tables and their fields can be reached.
        QCOMPARE(hataNumarası([&] { vt->OpenRecordset("SELECT * FROM sqlite_master"); }), 3075);
        QCOMPARE(hataNumarası([&] { vt->OpenRecordset("SELECT * FROM Yok"); }), 3078);
        QCOMPARE(hataNumarası([&] { vt->OpenRecordset("SELECT Yok FROM YapilacakIslerTablosu"); }),
                 3061);

        auto rs = vt->OpenRecordset(Deyim::J8(1));
        QCOMPARE(hataNumarası([&] { rs->alan("Yok"); }), 3265);
        QCOMPARE(hataNumarası([&] { rs->alanYaz("IsinKonusu", "x"); }), 3020);
        QCOMPARE(hataNumarası([&] { rs->Update(); }), 3020);
        rs->Edit();
        QCOMPARE(hataNumarası([&] { rs->alanYaz("IsNo", 5); }), 3164);
        QCOMPARE(hataNumarası([&] { rs->alanYaz("IsinTarihi", "31.02.2026"); }), 3421);
        QCOMPARE(hataNumarası([&] { rs->alanYaz("IsinSaati", "25:00"); }), 3421);
        QCOMPARE(hataNumarası([&] { rs->alanYaz("Hatirlatma", "belki"); }), 3421);
        rs->MoveNext();
        QCOMPARE(hataNumarası([&] { rs->MoveNext(); }), 3021);
        QCOMPARE(hataNumarası([&] { rs->alan("IsNo"); }), 3021);
        rs->Close();
        QCOMPARE(hataNumarası([&] { rs->Eof(); }), 3420);

        // A computed selection reads but cannot be changed.
        auto hesap = vt->OpenRecordset("SELECT count(*) AS Sayi FROM YapilacakIslerTablosu");
        QCOMPARE(hataNumarası([&] { hesap->AddNew(); }), 3027);

        // A row deleted or changed by someone else between reading and saving is not
        // overwritten unseen.
        auto a = vt->OpenRecordset(Deyim::J8(2));
        auto b = vt->OpenRecordset(Deyim::J8(3));
        vt->Execute(Deyim::J6(2));
        vt->Execute(Deyim::J12(3, "23:59:00"));
        a->Edit();
        a->alanYaz("IsinKonusu", "x");
        QCOMPARE(hataNumarası([&] { a->Update(); }), 3167);
        b->Edit();
        b->alanYaz("IsinKonusu", "x");
        QCOMPARE(hataNumarası([&] { b->Update(); }), 3197);
        auto c = vt->OpenRecordset(Deyim::J8(3));
        QCOMPARE(c->alan("IsinSaati").toTime(), QTime(23, 59));
        QVERIFY(c->alan("IsinKonusu").toString() != "x");
        c->Delete();
        QCOMPARE(hataNumarası([&] { c->alan("IsinKonusu"); }), 3167);
        QCOMPARE(işSayısı(*vt), 398);

        // Written values are stored in the fixed forms and read back typed.
        auto d = vt->OpenRecordset(Deyim::J8(4));
        d->Edit();
        d->alanYaz("IsinTarihi", "5/1/27");
        d->alanYaz("IsinSaati", QTime(7, 5, 9));
        d->alanYaz("IsYapildi", -1);
        d->alanYaz("Aciklama", QVariant());
        d->Update();
        auto e = vt->OpenRecordset("SELECT * FROM YapilacakIslerTablosu WHERE "
                                   "IsinTarihi=#1/5/2027# AND IsinSaati=#07:05:09#");
        QCOMPARE(e->alan("IsNo").toLongLong(), 4);
        QCOMPARE(e->alan("IsYapildi"), QVariant(true));
        QVERIFY(!e->alan("Aciklama").isValid());
        // A yes/no field stored as null reads as no.
        vt->Execute("UPDATE YapilacakIslerTablosu SET Hatirlatma=NULL WHERE IsNo=4");
        QCOMPARE(vt->OpenRecordset(Deyim::J8(4))->alan("Hatirlatma"), QVariant(false));
        AçıkVeritabanı::kapat();
        QCOMPARE(hataNumarası([] { AçıkVeritabanı::al(); }), 91);
    }

    // The rows after the first are read when the program moves on: rows changed in between
    // are read as they are then, and no row is listed twice or skipped, also when the first
    // row itself was deleted.
    void rowsAfterTheFirstAreReadLater() {
        auto vt = Veritabanı::OpenDatabase(vtDosyası());
        auto başka = Veritabanı::OpenDatabase(vtDosyası());
        const QString ilkBeş = "SELECT * FROM YapilacakIslerTablosu WHERE IsNo <= 5";
        auto rs = vt->OpenRecordset(ilkBeş);
        başka->Execute(Deyim::J6(3));
        başka->Execute("UPDATE YapilacakIslerTablosu SET IsinKonusu='Yeni' WHERE IsNo=4");
        QStringList okunan;
        for (; !rs->Eof(); rs->MoveNext())
            okunan << rs->alan("IsNo").toString() + rs->alan("IsinKonusu").toString().left(4);
        QCOMPARE(okunan.size(), 4);
        QCOMPARE(okunan[2], QString("4Yeni"));
        auto ikinci = vt->OpenRecordset(ilkBeş);
        başka->Execute(Deyim::J6(1));
        QList<qint64> numaralar;
        for (; !ikinci->Eof(); ikinci->MoveNext())
            numaralar << ikinci->alan("IsNo").toLongLong();
        QCOMPARE(numaralar, (QList<qint64>{1, 2, 4, 5}));
    }

    // Each unusable file gives its number and stays byte for byte as it was.
    void openingRefusals() {
        const QString k = vtKökü();
        const QByteArray sağlam = içerik(vtDosyası());
        QCOMPARE(açılışHatası(k + "/yok/Lodra.vtb"), HataNo::YolGeçersiz);
        QCOMPARE(açılışHatası(k + "/Baska.vtb"), HataNo::DosyaBulunamadı);
        QVERIFY(!QFile::exists(k + "/Baska.vtb"));
        QCOMPARE(açılışHatası(""), HataNo::DosyaAdıGeçersiz);
        QCOMPARE(açılışHatası(k + "/" + QString(300, u'a') + ".vtb"), HataNo::DosyaAdıGeçersiz);
        // A wrong or missing password: the file is unreadable without the right one.
        QCOMPARE(açılışHatası(vtDosyası(), ";Pwd=yanlis"), HataNo::VeritabanıDeğil);
        QCOMPARE(açılışHatası(vtDosyası(), ""), HataNo::VeritabanıDeğil);
        QDir(k).mkdir("klasor.vtb");
        QCOMPARE(açılışHatası(k + "/klasor.vtb"), HataNo::DosyaAçılamıyor);

        // An empty file is no database (the engine would take it for a new one). A damaged
        // later page is found by reading every page beside the work: the open goes on, and
        // the first write is refused, with no day's copy made of the damaged file.
        QByteArray sonrakiSayfa = sağlam;
        sonrakiSayfa[sağlam.size() / 2 + 50] = char(sonrakiSayfa[sağlam.size() / 2 + 50] ^ 0x01);
        const QString deneme = k + "/deneme/Lodra.vtb";
        QDir(k).mkdir("deneme");
        for (const QByteArray& veri : {QByteArray(), sonrakiSayfa}) {
            QVERIFY(dosyaYaz(deneme, veri));
            if (veri.isEmpty()) {
                QCOMPARE(açılışHatası(deneme), HataNo::VeritabanıDeğil);
            } else {
                auto vt = Veritabanı::OpenDatabase(deneme);
                QCOMPARE(hataNumarası([&] { vt->Execute(Deyim::J10(1)); }),
                         VeritabanıHataNo::Bozuk);
                QCOMPARE(hataNumarası([&] { vt->Execute(Deyim::J10(1)); }),
                         VeritabanıHataNo::Bozuk);
            }
            QCOMPARE(içerik(deneme), veri);
            QVERIFY(!QFile::exists(deneme + "-journal"));
            QVERIFY(!QDir(k + "/deneme/Yedekler").exists());
            QVERIFY(!VeritabanıKurulumu::denetle(deneme).isEmpty());
        }

        // Files and folders without write permission are refused, also when the tests run
        // as the administrator.
        QFile::remove(deneme);
        QFile::copy(vtDosyası(), deneme);
        kip(deneme, 0444);
        QCOMPARE(açılışHatası(deneme), HataNo::DosyaAçılamıyor);
        kip(deneme, 0644);
        kip(k + "/deneme", 0555);
        QCOMPARE(açılışHatası(deneme), HataNo::DosyaAçılamıyor);
        kip(k + "/deneme", 0755);
        QCOMPARE(açılışHatası(deneme), 0);
        QCOMPARE(içerik(vtDosyası()), sağlam);
    }

    // Changes to the file while it is open are reported by number; nothing is recreated.
    void fileChangesWhileOpen() {
        auto vt = Veritabanı::OpenDatabase(vtDosyası());
        vt->Execute(Deyim::J10(1)); // first write of the day: makes the day's copy
        const auto hata = [&] { return hataNumarası([&] { vt->Execute(Deyim::J10(3)); }); };

        kip(vtKökü(), 0555);
        QCOMPARE(hata(), HataNo::DosyaAçılamıyor);
        kip(vtKökü(), 0755);
        kip(vtDosyası(), 0444);
        QCOMPARE(hata(), HataNo::DosyaAçılamıyor);
        kip(vtDosyası(), 0644);
        vt->Execute(Deyim::J10(2));

        QVERIFY(QFile::rename(vtDosyası(), vtKökü() + "/tasindi.vtb"));
        QCOMPARE(hata(), HataNo::DosyaBulunamadı);
        QVERIFY(!QFile::exists(vtDosyası()));
        QVERIFY(!QFile::exists(vtDosyası() + "-journal"));
        QVERIFY(QFile::rename(vtKökü() + "/tasindi.vtb", vtDosyası()));
        QCOMPARE(işSayısı(*vt), 400);

        const QString başka = vtKökü() + "-tasindi";
        QVERIFY(QDir().rename(vtKökü(), başka));
        QCOMPARE(hata(), HataNo::YolGeçersiz);
        QVERIFY(!QDir(vtKökü()).exists());
        QVERIFY(QDir().rename(başka, vtKökü()));
    }

    // One copy a day, made at the day's first write, keeping seven.
    void dailyCopy() {
        auto vt = Veritabanı::OpenDatabase(vtDosyası());
        const QString yedekler = vtKökü() + "/Yedekler",
                      kopyası = yedekler + "/Lodra-2026-12-06.vtb";
        vt->OpenRecordset(Deyim::J2());
        QVERIFY(!QDir(yedekler).exists()); // reading makes no copy
        vt->Execute(Deyim::J6(1));
        vt->Execute(Deyim::J6(2));
        QCOMPARE(QDir(yedekler).entryList(QDir::Files), QStringList{"Lodra-2026-12-06.vtb"});
        // The copy holds the file as it was before the day's first write, encrypted.
        auto kopya = Veritabanı::OpenDatabase(kopyası);
        QCOMPARE(işSayısı(*kopya), 400);
        QCOMPARE(açılışHatası(kopyası, ";Pwd=yanlis"), HataNo::VeritabanıDeğil);
        // The copy keeps the job counter: a number once given is not given again.
        kopya->Execute(Deyim::J6(400));
        auto rs = kopya->OpenRecordset(Deyim::J7());
        rs->AddNew();
        rs->alanYaz("IsinKonusu", "Yeni");
        rs->Update();
        QCOMPARE(kopya->OpenRecordset("SELECT IsNo FROM YapilacakIslerTablosu ORDER BY IsNo DESC")
                     ->alan("IsNo")
                     .toLongLong(),
                 401);
        for (int gün = 1; gün <= 9; ++gün) {
            ProgramSaati::ayarla(QDateTime(QDate(2026, 12, 6 + gün), QTime(9, 0)));
            vt->Execute(Deyim::J10(3));
        }
        const QStringList kalan = QDir(yedekler).entryList(QDir::Files, QDir::Name);
        QCOMPARE(kalan.size(), 7);
        QCOMPARE(kalan.first(), QString("Lodra-2026-12-09.vtb"));
        QCOMPARE(kalan.last(), QString("Lodra-2026-12-15.vtb"));
    }

    void databaseTool() {
        const QString k = vtKökü() + "/arac";
        QDir().mkpath(k);
        QString çıktı;
        QCOMPARE(araç({"olustur", k + "/yok"}), 2);
        QCOMPARE(araç({"ornek", k, "--tohum", "99999999999"}, &çıktı), 2);
        QVERIFY(çıktı.contains("aralık dışında"));
        QCOMPARE(araç({"olustur", k, "--ornek", "--klasor", "5", "--is", "300"}), 0);
        const QByteArray ilk = içerik(k + "/Lodra.vtb");
        QCOMPARE(araç({"olustur", k}, &çıktı), 1);
        QVERIFY(çıktı.contains("zaten var"));
        QCOMPARE(içerik(k + "/Lodra.vtb"), ilk);
        QDir().mkpath(k + "/kopya");
        QFile::copy(k + "/Lodra.vtb", k + "/kopya/Lodra.vtb");

        auto vt = Veritabanı::OpenDatabase(k + "/Lodra.vtb");
        QCOMPARE(vt->OpenRecordset(Deyim::F1())->alan("Bagi").toString(), QString("Klasor"));
        vt->Execute("DELETE * FROM YapilacakIslerTablosu");

        // A damaged copy is refused and changes nothing.
        QByteArray bozuk = ilk;
        bozuk[bozuk.size() / 2] = char(bozuk[bozuk.size() / 2] ^ 0x40);
        QVERIFY(dosyaYaz(k + "/bozuk.vtb", bozuk));
        QCOMPARE(araç({"denetle", k + "/bozuk.vtb"}), 1);
        QCOMPARE(araç({"geri-yukle", k + "/bozuk.vtb", k}), 1);
        QCOMPARE(işSayısı(*vt), 0);
        // The sound copy (the sample of 300) goes in place; the open database sees it at its
        // next statement and writes to it.
        QCOMPARE(araç({"geri-yukle", k + "/kopya/Lodra.vtb", k}), 0);
        QCOMPARE(işSayısı(*vt), 300);
        vt->Execute(Deyim::J6(1));
        QCOMPARE(işSayısı(*Veritabanı::OpenDatabase(k + "/Lodra.vtb")), 299);
    }

    // The database's identity, on which the calendar export builds its event identities:
    // made by the tool with the file, read alike through any path and from any copy of the
    // file. A file made before identities were stored is accepted as it was; its identity is
    // derived from its own start, and writes, the day's copy (restored or not) and a new
    // office key keep it.
    void databaseIdentity() {
        const QRegularExpression biçim(QStringLiteral("^[0-9a-f]{32}$"));
        const auto kimlik = [](const QString& yol, const QString& anahtar = "KMZ1994") {
            return Veritabanı::anahtarlaAç(yol, anahtar)->kimlik();
        };
        const QString asıl = kimlik(vtDosyası());
        QVERIFY2(biçim.match(asıl).hasMatch(), qPrintable(asıl));
        // Another computer reaches the folder by another path.
        const QString bağ = vtKökü() + "-baska-yol";
        QFile::remove(bağ);
        QVERIFY(QFile::link(vtKökü(), bağ));
        QCOMPARE(kimlik(bağ + "/Lodra.vtb"), asıl);
        QFile::remove(bağ);
        // Another file is another database.
        const QString ikinci = vtKökü() + "/ikinci.vtb";
        VeritabanıKurulumu::oluştur(ikinci);
        const QString ikincininKimliği = kimlik(ikinci);
        QVERIFY(biçim.match(ikincininKimliği).hasMatch() && ikincininKimliği != asıl);
        // A stored identity stays under a new office key.
        BüroAnahtarı::anahtarDeğiştir(ikinci, "KMZ1994", "ofisin yeni anahtarı");
        QCOMPARE(kimlik(ikinci, "ofisin yeni anahtarı"), ikincininKimliği);

        // A file of an older tool, without the table.
        hamDeyim(vtDosyası(), "KMZ1994", "DROP TABLE VeritabaniBilgileri");
        QCOMPARE(VeritabanıKurulumu::denetle(vtDosyası()), QStringList());
        QCOMPARE(araç({"denetle", vtDosyası()}), 0);
        auto vt = Veritabanı::OpenDatabase(vtDosyası());
        const QString eski = vt->kimlik();
        QVERIFY2(biçim.match(eski).hasMatch() && eski != asıl, qPrintable(eski));
        QVERIFY(QFile::link(vtKökü(), bağ));
        QCOMPARE(kimlik(bağ + "/Lodra.vtb"), eski);
        QFile::remove(bağ);
        vt->Execute(Deyim::J6(1));
        QCOMPARE(vt->kimlik(), eski);
        // The day's copy, made at that first write, starts with a salt of its own.
        const QString kopya = vtKökü() + "/Yedekler/Lodra-2026-12-06.vtb";
        QVERIFY(içerik(kopya).left(16) != içerik(vtDosyası()).left(16));
        QCOMPARE(kimlik(kopya), eski);
        VeritabanıKurulumu::geriYükle(kopya, vtDosyası());
        QCOMPARE(vt->kimlik(), eski);
        vt.reset();
        BüroAnahtarı::anahtarDeğiştir(vtDosyası(), "KMZ1994", "ofisin yeni anahtarı");
        QVERIFY(içerik(vtDosyası()).left(16) != içerik(kopya).left(16));
        QCOMPARE(kimlik(vtDosyası(), "ofisin yeni anahtarı"), eski);
    }

    // The due-job query reads the partial reminder index (no sort step); files made without
    // the index still work, the tool reports it missing and adds it once.
    void dueJobIndex() {
        const QDateTime an(QDate(2026, 12, 6), QTime(14, 35, 12));
        const QString j9 = JetÇevirici::çevir(Deyim::J9(an.date(), an.time())).sql;
        const QString plan = sorguPlanı(j9);
        QVERIFY2(plan.contains("USING INDEX HatirlatmaZamani (IsinTarihi=? AND IsinSaati<?)"),
                 qPrintable(plan));
        QVERIFY2(!plan.contains("TEMP B-TREE"), qPrintable(plan));
        auto vt = Veritabanı::OpenDatabase(vtDosyası());
        const auto due = [&] { return vt->OpenRecordset(Deyim::J9(an.date(), an.time()))->Eof(); };
        hamDeyim(vtDosyası(), "KMZ1994", "DROP INDEX HatirlatmaZamani");
        QVERIFY(!due());
        QStringList uyarılar;
        QCOMPARE(VeritabanıKurulumu::denetle(vtDosyası(), "KMZ1994", &uyarılar), QStringList());
        QCOMPARE(uyarılar.size(), 1);
        QVERIFY(uyarılar[0].contains("dizin-ekle"));
        QVERIFY(VeritabanıKurulumu::dizinEkle(vtDosyası()));
        QVERIFY(!VeritabanıKurulumu::dizinEkle(vtDosyası()));
        QVERIFY(sorguPlanı(j9).contains("HatirlatmaZamani"));
    }

    // Rows tying on the asked order, and statements without one, come in the order the
    // rows were added, whatever index the engine picks.
    void rowOrderOfTheStatements() {
        auto vt = Veritabanı::OpenDatabase(vtDosyası());
        for (int no : {300, 7, 50})
            vt->Execute(QString("UPDATE YapilacakIslerTablosu SET IsinTarihi=#12/6/2026#, "
                                "IsinSaati='10:00:00', Hatirlatma=True, IsYapildi=False, "
                                "Aciklama='sira' WHERE IsNo=%1")
                            .arg(no));
        const QDate gün(2026, 12, 6);
        // One statement of each form: one ordering field, in parentheses, two ordering fields
        // with and without the reminder index, no order asked.
        for (const QString& deyim :
             {Deyim::J1("1-Anahtar"), Deyim::J3(gün, "2-Anahtar"), Deyim::J9(gün, QTime(23, 0)),
              Deyim::J13(Deyim::Liste::Tarihteki, gün), Deyim::J14("Aciklama", "sira")}) {
            const bool saatli = deyim.contains("IsinSaati");
            const bool tarihli = deyim.contains("ORDER BY IsinTarihi");
            QString önceki;
            int satır = 0;
            for (auto rs = vt->OpenRecordset(deyim); !rs->Eof(); rs->MoveNext(), ++satır) {
                const QString sıra =
                    (tarihli ? rs->alan("IsinTarihi").toDate().toString(Qt::ISODate) : "") +
                    (saatli ? rs->alan("IsinSaati").toTime().toString() : "") +
                    QString("%1").arg(rs->alan("IsNo").toLongLong(), 6, 10, QChar('0'));
                QVERIFY2(önceki < sıra, qPrintable(deyim + ": " + önceki + " > " + sıra));
                önceki = sıra;
            }
            QVERIFY2(satır > 1, qPrintable(deyim));
        }
    }

    // A list of every job is read in table order and sorted by the program: it must give the
    // rows, values and order the engine's own ORDER BY gives, also for empty dates, numbers
    // and odd texts in the date field, and rows that tie.
    void wholeTableListsSortAsTheEngine() {
        auto vt = Veritabanı::OpenDatabase(vtDosyası());
        for (const char* atama :
             {"IsinTarihi=NULL WHERE IsNo IN (3, 40)", "IsinTarihi=20261206 WHERE IsNo=9",
              "IsinTarihi=2026.5 WHERE IsNo=11", "IsinTarihi='2026-1-5' WHERE IsNo=12",
              "IsinTarihi='2026-12-06x' WHERE IsNo=13", "IsinSaati=NULL WHERE IsNo > 100",
              "IsinTarihi=#12/6/2026#, IsinSaati='10:00:00' WHERE IsNo IN (30, 8, 77)"})
            vt->Execute(QStringLiteral("UPDATE YapilacakIslerTablosu SET ") + atama);
        const auto oku = [&](const QString& deyim) {
            QStringList satırlar;
            auto rs = vt->OpenRecordset(deyim, Veritabanı::Okuma::Tamamı);
            for (; !rs->Eof(); rs->MoveNext()) {
                QStringList s;
                for (int i = 0; i < 10; ++i)
                    s << rs->alan(i).toString();
                satırlar << s.join('|');
            }
            return satırlar;
        };
        for (const QString& deyim : {Deyim::J2(), Deyim::J13(Deyim::Liste::Hepsi)}) {
            const QStringList kendi = oku(deyim);
            QVERIFY(kendi.size() > 100);
            QCOMPARE(kendi, oku(QString(deyim).replace("ORDER BY", "WHERE IsNo > 0 ORDER BY")));
        }
    }

    // Objects others added, and extra fields the program can leave empty, are accepted;
    // missing fields, fields that cannot hold the program's values and extra fields that
    // must be filled are refused.
    void schemaTolerance_data() {
        QTest::addColumn<QString>("sql");
        QTest::addColumn<int>("numara");
        QTest::newRow("table") << "CREATE TABLE Notlar(x)" << 0;
        QTest::newRow("nullable field")
            << "ALTER TABLE YapilacakIslerTablosu ADD COLUMN Not1 TEXT" << 0;
        QTest::newRow("defaulted field")
            << "ALTER TABLE YapilacakIslerTablosu ADD COLUMN Oncelik INTEGER NOT NULL DEFAULT 1"
            << 0;
        // The folder table made again with these fields.
        const QString yerine =
            ");DROP TABLE KlasorBilgileriTablosu; ALTER TABLE K2 RENAME TO KlasorBilgileriTablosu";
        QTest::newRow("required field")
            << "CREATE TABLE K2(Anahtari TEXT, Bagi TEXT, Adi TEXT, Renk TEXT NOT NULL" + yerine
            << 3031;
        QTest::newRow("numeric text field")
            << "CREATE TABLE K2(Anahtari TEXT, Bagi TEXT, Adi INTEGER" + yerine << 3031;
        QTest::newRow("missing field")
            << "CREATE TABLE K2(Anahtari TEXT, Bagi TEXT" + yerine << 3031;
    }
    void schemaTolerance() {
        QFETCH(QString, sql);
        QFETCH(int, numara);
        hamDeyim(vtDosyası(), "KMZ1994", sql.toUtf8().constData());
        QCOMPARE(açılışHatası(vtDosyası()), numara);
        QCOMPARE(VeritabanıKurulumu::denetle(vtDosyası()).isEmpty(), numara == 0);
        if (numara != 0)
            return;
        // The program adds, changes and reads rows as before.
        auto vt = Veritabanı::OpenDatabase(vtDosyası());
        auto rs = vt->OpenRecordset(Deyim::J7());
        rs->AddNew();
        rs->alanYaz("Anahtari", "1-Anahtar");
        rs->alanYaz("IsinKonusu", "Yeni");
        rs->Update();
        vt->Execute(Deyim::J10(401));
        QCOMPARE(işSayısı(*vt), 401);
    }

    // Restoring twice keeps both replaced files; the restored file keeps the permissions of
    // the one it replaces; a folder that cannot be written is refused and left alone.
    void restoreKeepsReplacedFiles() {
        const QString k = vtKökü() + "/geri";
        QDir().mkpath(k);
        const QString dosya = k + "/Lodra.vtb";
        QFile::copy(vtDosyası(), dosya);
        kip(dosya, 0640);
        const QByteArray asıl = içerik(dosya);
        const QString yanlış = vtKökü() + "/yanlis.vtb";
        VeritabanıKurulumu::oluştur(yanlış);
        VeritabanıKurulumu::geriYükle(yanlış, dosya);
        VeritabanıKurulumu::geriYükle(vtDosyası(), dosya); // the same second: a second name
        const QStringList eskiler = QDir(k).entryList({"Lodra.vtb.eski*"}, QDir::Files);
        QCOMPARE(eskiler.size(), 2);
        QCOMPARE(içerik(k + "/" + eskiler[0]), asıl);
        QCOMPARE(içerik(k + "/" + eskiler[1]), içerik(yanlış));
        struct stat bilgi {};
        ::stat(QFile::encodeName(dosya).constData(), &bilgi);
        QCOMPARE(bilgi.st_mode & 07777, mode_t(0640));

        kip(k, 0555);
        QCOMPARE(hataNumarası([&] { VeritabanıKurulumu::geriYükle(yanlış, dosya); }), 3051);
        kip(k, 0755);
        QCOMPARE(QDir(k).entryList(QDir::Files | QDir::Hidden).size(), 3);
        QCOMPARE(içerik(dosya), içerik(vtDosyası()));

        // Through a link: the linked file takes the data, the link stays, and the old data is
        // kept beside the link as a file of its own.
        const QString bağ = vtKökü() + "/bag/Lodra.vtb";
        QDir().mkpath(vtKökü() + "/bag");
        QVERIFY(QFile::link(dosya, bağ));
        VeritabanıKurulumu::geriYükle(yanlış, bağ);
        QVERIFY(QFileInfo(bağ).isSymLink());
        QCOMPARE(içerik(dosya), içerik(yanlış));
        const auto eski = QDir(vtKökü() + "/bag").entryInfoList({"Lodra.vtb.eski*"});
        QCOMPARE(eski.size(), 1);
        QVERIFY(!eski[0].isSymLink());
        QCOMPARE(içerik(eski[0].filePath()), içerik(vtDosyası()));
    }

    // Half-made daily copies of this computer's ended processes go when the file is next
    // opened; a running process's copy and another computer's fresh one stay.
    void halfMadeCopiesOfEndedProcesses() {
        QProcess biten;
        biten.start("true");
        QVERIFY(biten.waitForStarted());
        const qint64 bitenNo = biten.processId();
        QVERIFY(biten.waitForFinished());
        const QString yedekler = vtKökü() + "/Yedekler";
        QDir().mkpath(yedekler);
        const QString ön = yedekler + "/Lodra-2026-12-05.vtb.yeni-" + QSysInfo::machineHostName();
        const QString ölü = ön + QString("-%1").arg(bitenNo);
        const QString canlı = ön + QString("-%1").arg(QCoreApplication::applicationPid());
        const QString başka = yedekler + "/Lodra-2026-12-05.vtb.yeni-baska-pc-1";
        for (const QString& yol : {ölü, ölü + "-journal", canlı, başka})
            QVERIFY(dosyaYaz(yol, "yarim"));
        Veritabanı::OpenDatabase(vtDosyası());
        QVERIFY(!QFile::exists(ölü));
        QVERIFY(!QFile::exists(ölü + "-journal"));
        QVERIFY(QFile::exists(canlı));
        QVERIFY(QFile::exists(başka));
    }

    // The check names the cause: a tiny file is no database, a journal left by a cut-off
    // write is a hot journal.
    void checkNamesTheCause() {
        const QString bir = vtKökü() + "/bir.vtb";
        QVERIFY(dosyaYaz(bir, "x"));
        QVERIFY(VeritabanıKurulumu::denetle(bir).join(' ').contains("bir veritabanı değil"));
        QVERIFY(dosyaYaz(vtDosyası() + "-journal", QByteArray(2048, 'j')));
        QVERIFY(VeritabanıKurulumu::denetle(vtDosyası()).join(' ').contains("Sıcak günlük"));
    }

    // The program links SQLCipher and no other SQLite library.
    void onlyOneSqliteLibrary() {
        const QString program = qEnvironmentVariable("TARVELA_BIN") + "/Lodra";
        QVERIFY2(QFile::exists(program), qPrintable(program));
        QProcess ldd;
        ldd.start("ldd", {program});
        QVERIFY(ldd.waitForFinished(30000));
        const QString kütüphaneler = QString::fromUtf8(ldd.readAllStandardOutput());
        QVERIFY(kütüphaneler.contains("libsqlcipher"));
        QVERIFY2(!kütüphaneler.contains("libsqlite3") && !kütüphaneler.contains("Qt6Sql"),
                 qPrintable(kütüphaneler));
        QCOMPARE(QString(sqlite3_libversion()), QString(SQLITE_VERSION));
    }

    // Under the Turkish locale the tests run in: any locale format would differ from these.
    void literalsIgnoreTheLocale() {
        QCOMPARE(Deyim::tarihLiterali(QDate(2027, 1, 5)), QString("#1/5/2027#"));
        QCOMPARE(Deyim::tarihLiterali(QDate(987, 3, 4)), QString("#3/4/0987#"));
        QCOMPARE(Deyim::saatLiterali(QTime(9, 5, 59)), QString("#09:05:0#"));
    }

    // Searched texts match only themselves; an apostrophe in a key can neither break nor
    // widen a statement; a field name outside the searchable ones is refused.
    void specialCharactersStayLiteral() {
        auto vt = boşVeritabanı();
        klasörEkle(*vt, "Klasor", "1-Anahtar");
        const QDate gün(2026, 12, 5);
        işEkle(*vt, "1-Anahtar", gün, "10:00", "O'Neil *?#[%_");
        işEkle(*vt, "1-Anahtar", gün, "11:00", "Diğer 7 ab");
        for (const char* aranan : {"O'Neil", "'", "*", "?", "#", "[", "%", "_"})
            QCOMPARE(konular(*vt, Deyim::J14("IsinKonusu", aranan)), QStringList{"O'Neil *?#[%_"});
        QCOMPARE(hataNumarası([&] { Deyim::J14("IsNo = 1 OR IsinYeri", "x"); }),
                 HataNo::Beklenmeyen);

        const QString kötü = "x' OR '1'='1";
        vt->Execute(Deyim::F5(kötü));
        vt->Execute(Deyim::J5(kötü, 1));
        QCOMPARE(konular(*vt, Deyim::J2()).size(), 2);
        QCOMPARE(konular(*vt, Deyim::J1(kötü)), QStringList{"O'Neil *?#[%_"});
        QVERIFY(vt->OpenRecordset(Deyim::F3(kötü))->Eof());
    }

    // Every statement of the catalogue on a real encrypted file.
    void catalogueOnARealFile() {
        auto vt = boşVeritabanı();
        const QDate bugün(2026, 12, 6);
        klasörEkle(*vt, "Klasor", "1-Anahtar");
        klasörEkle(*vt, "1-Anahtar", "2-Anahtar");
        klasörEkle(*vt, "Klasor", "3-Anahtar");
        {
            auto rs = vt->OpenRecordset(Deyim::F3("3-Anahtar"));
            rs->Edit();
            rs->alanYaz("Adi", "Duruşmalar");
            rs->Update();
        }
        QCOMPARE(klasörSatırları(*vt).last(), QString("3-Anahtar:Klasor:Duruşmalar"));

        // Jobs 1 to 6, numbered from 1 in a new file.
        işEkle(*vt, "1-Anahtar", bugün, "09:00", "A bugün", true);
        işEkle(*vt, "1-Anahtar", bugün.addDays(-1), "08:00", "B dün");
        işEkle(*vt, "2-Anahtar", bugün, "15:00", "C bugün geç", true);
        işEkle(*vt, "2-Anahtar", bugün, "07:00", "D yapıldı", true, true);
        işEkle(*vt, "3-Anahtar", bugün.addDays(2), "10:00", "E ileride", false, false, "İstanbul");
        işEkle(*vt, "3-Anahtar", bugün, "08:30", "F hatırlatma yok");

        QCOMPARE(konular(*vt, Deyim::J1("1-Anahtar")), (QStringList{"B dün", "A bugün"}));
        QCOMPARE(konular(*vt, Deyim::J3(bugün, "2-Anahtar")), QStringList{"C bugün geç"});
        QCOMPARE(konular(*vt, Deyim::J4(bugün)),
                 (QStringList{"A bugün", "C bugün geç", "F hatırlatma yok"}));
        QCOMPARE(konular(*vt, Deyim::J9(bugün, QTime(9, 0, 59))), QStringList{"A bugün"});
        QCOMPARE(konular(*vt, Deyim::J13(Deyim::Liste::Hepsi)),
                 (QStringList{"B dün", "D yapıldı", "F hatırlatma yok", "A bugün", "C bugün geç",
                              "E ileride"}));
        QCOMPARE(konular(*vt, Deyim::J13(Deyim::Liste::Yapılanlar)), QStringList{"D yapıldı"});
        QCOMPARE(konular(*vt, Deyim::J13(Deyim::Liste::Gecikenler, bugün)), QStringList{"B dün"});
        QCOMPARE(konular(*vt, Deyim::J13(Deyim::Liste::Tarihteki, bugün)),
                 (QStringList{"F hatırlatma yok", "A bugün", "C bugün geç"}));
        // J14 ignores case the Turkish way, also in the text as the engine hands it over.
        QCOMPARE(konular(*vt, Deyim::J14("IsinYeri", "istanbul")), QStringList{"E ileride"});

        // J8 changes only the job it reads.
        {
            auto rs = vt->OpenRecordset(Deyim::J8(5));
            rs->Edit();
            rs->alanYaz("IsinTarihi", "06.12.2026");
            rs->alanYaz("IsinSaati", "06:15");
            rs->alanYaz("Hatirlatma", true);
            rs->Update();
        }
        QCOMPARE(konular(*vt, Deyim::J9(bugün, QTime(6, 15))), QStringList{"E ileride"});

        vt->Execute(Deyim::J5("1-Anahtar", 3));
        QCOMPARE(konular(*vt, Deyim::J1("1-Anahtar")),
                 (QStringList{"B dün", "A bugün", "C bugün geç"}));
        vt->Execute(Deyim::J10(1));
        vt->Execute(Deyim::J11(3));
        vt->Execute(Deyim::J12(5, "23:59:00"));
        QCOMPARE(konular(*vt, Deyim::J9(bugün, QTime(23, 0))), QStringList());
        QCOMPARE(konular(*vt, Deyim::J13(Deyim::Liste::Yapılanlar)),
                 (QStringList{"D yapıldı", "A bugün"}));
        vt->Execute(Deyim::J6(4));
        QCOMPARE(konular(*vt, Deyim::J2()),
                 (QStringList{"B dün", "A bugün", "C bugün geç", "E ileride", "F hatırlatma yok"}));

        // A job added without the yes/no fields stores "no" in both (a reminder never fires:
        // at 23:59 only the job moved there by J12 is due) and leaves the unwritten text
        // fields empty.
        auto rs = vt->OpenRecordset(Deyim::J7());
        rs->AddNew();
        rs->alanYaz("Anahtari", "1-Anahtar");
        rs->alanYaz("IsinTarihi", bugün);
        rs->alanYaz("IsinSaati", "00:00");
        rs->Update();
        QCOMPARE(işSayısı(*vt, "WHERE Hatirlatma=False AND IsYapildi=False AND IsinSayisi IS NULL"),
                 4);
        QCOMPARE(konular(*vt, Deyim::J9(bugün, QTime(23, 59))), QStringList{"E ileride"});
    }

    // Deleting a folder (F5, F4) takes its whole branch as the file holds it, or nothing at
    // all; a folder added afterwards still comes after its parent.
    void folderDeletionTakesTheBranchOrNothing() {
        // Only the two fixed keys are reserved; a folder named like the top one is not.
        QVERIFY(Klasörler::ayrılmışMı("Program") && Klasörler::ayrılmışMı("Klasor"));
        for (const char* k : {"1-Anahtar", "Klasörlerim", ""})
            QVERIFY2(!Klasörler::ayrılmışMı(k), k);
        auto vt = boşVeritabanı();
        for (const char* k : {"1-Anahtar", "4-Anahtar"})
            klasörEkle(*vt, "Klasor", k);
        klasörEkle(*vt, "1-Anahtar", "2-Anahtar");
        klasörEkle(*vt, "2-Anahtar", "3-Anahtar");
        for (const char* k : {"1-Anahtar", "2-Anahtar", "3-Anahtar", "4-Anahtar"})
            işEkle(*vt, k, QDate(2026, 12, 6), "09:00", k, true);
        QCOMPARE(Klasörler::altKlasörler(*vt, "1-Anahtar"),
                 QStringList({"2-Anahtar", "3-Anahtar"}));
        QCOMPARE(hataNumarası([&] {
                     vt->işlem([&] {
                         vt->Execute(Deyim::F5("3-Anahtar"));
                         throw Hata(VeritabanıHataNo::VeriDeğişti, "yarıda");
                     });
                 }),
                 VeritabanıHataNo::VeriDeğişti);
        QCOMPARE(konular(*vt, Deyim::J7()).size(), 4);
        Klasörler::sil(*vt, "1-Anahtar");
        QCOMPARE(klasörSatırları(*vt), QStringList({"4-Anahtar:Klasor:Yeni Klasör"}));
        QCOMPARE(konular(*vt, Deyim::J7()), QStringList({"4-Anahtar"}));
        klasörEkle(*vt, "4-Anahtar", "5-Anahtar");
        QCOMPARE(klasörSatırları(*vt).last(), QString("5-Anahtar:4-Anahtar:Yeni Klasör"));
    }
};

TARVELA_TEST_MAIN(VeritabaniTest)
#include "VeritabaniTest.moc"
