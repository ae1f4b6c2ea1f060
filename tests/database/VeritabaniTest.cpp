#include "HataNumarasi.h"
#include "TestOrtami.h"

#include "controls/Hata.h"
#include "controls/ProgramSaati.h"
#include "database/AnahtarSayaci.h"
#include "database/Deyimler.h"
#include "database/JetCevirici.h"
#include "database/TurkceBenzer.h"
#include "database/Veritabani.h"
#include "database/VeritabaniIc.h"
#include "database/VeritabaniKurulumu.h"

#include <QDir>
#include <QProcess>
#include <QStandardPaths>

#include <sys/stat.h>

namespace {

QString klasör() {
    return TestOrtami::şimdiki().veritabanıKlasörü();
}
QString vtDosyası() {
    return klasör() + "/Lodra.vtb";
}

QByteArray içerik(const QString& yol) {
    QFile f(yol);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void yaz(const QString& yol, const QByteArray& veri) {
    QFile f(yol);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(veri);
}

// The number of the error that opening the file gives (0 when it opens).
int açılışHatası(const QString& yol, const QString& bağlantı = Veritabanı::BağlantıMetni) {
    try {
        Veritabanı::OpenDatabase(yol, false, false, bağlantı);
        return 0;
    } catch (const Hata& h) {
        return h.numara();
    }
}

qint64 işSayısı(Veritabanı& vt) {
    auto rs = vt.OpenRecordset("SELECT * FROM YapilacakIslerTablosu");
    qint64 n = 0;
    for (; !rs->Eof(); rs->MoveNext())
        ++n;
    return n;
}

// A raw connection, for files made by other means.
void hamVeritabanı(const QString& yol, const char* parola, const char* sql) {
    sqlite3* db = nullptr;
    QCOMPARE(sqlite3_open_v2(QFile::encodeName(yol).constData(), &db,
                             SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr),
             SQLITE_OK);
    if (parola)
        sqlite3_key(db, parola, int(strlen(parola)));
    QCOMPARE(sqlite3_exec(db, sql, nullptr, nullptr, nullptr), SQLITE_OK);
    sqlite3_close(db);
}

QString araç() {
    return qEnvironmentVariable("TARVELA_BIN") + "/LodraVt";
}

} // namespace

class VeritabaniTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        TestOrtami::sıfırla();
        ProgramSaati::ayarla(QDateTime(QDate(2026, 12, 6), QTime(9, 0)));
        QDir d(klasör());
        d.setFilter(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
        for (const QFileInfo& f : d.entryInfoList()) {
            ::chmod(QFile::encodeName(f.absoluteFilePath()).constData(), 0755);
            f.isDir() ? void(QDir(f.absoluteFilePath()).removeRecursively())
                      : void(QFile::remove(f.absoluteFilePath()));
        }
        ::chmod(QFile::encodeName(klasör()).constData(), 0755);
        VeritabanıKurulumu::oluştur(vtDosyası());
        VeritabanıKurulumu::örnekVeriDoldur(vtDosyası(), {3, 400, QDate(2026, 12, 6), 7});
    }
    void cleanup() { ::chmod(QFile::encodeName(klasör()).constData(), 0755); }

    void translation_data() {
        QTest::addColumn<QString>("jet");
        QTest::addColumn<QString>("sqlite");
        QTest::newRow("delete star") << "DELETE * FROM YapilacakIslerTablosu WHERE IsNo=5"
                                     << "DELETE FROM YapilacakIslerTablosu WHERE IsNo = 5";
        QTest::newRow("date and bool")
            << "UPDATE YapilacakIslerTablosu SET IsYapildi=True WHERE IsinTarihi < #1/5/2027#"
            << "UPDATE YapilacakIslerTablosu SET IsYapildi = 1 WHERE IsinTarihi < '2027-01-05'";
        QTest::newRow("time literal") << "DELETE FROM T WHERE IsinSaati<= #09:05:0# AND x=false"
                                      << "DELETE FROM T WHERE IsinSaati <= '09:05:00' AND x = 0";
        QTest::newRow("texts untouched")
            << "UPDATE T SET a='#1/2/2026# True ''x'' DELETE * FROM'"
            << "UPDATE T SET a = '#1/2/2026# True ''x'' DELETE * FROM'";
        QTest::newRow("like wildcards")
            << "SELECT a FROM T, U WHERE a LIKE '*50%_?[*]x\\*'"
            << "SELECT a FROM T , U WHERE a LIKE '%50\\%\\__*x\\\\%' ESCAPE '\\'";
        QTest::newRow("parentheses, one table")
            << "(SELECT * FROM YapilacakIslerTablosu WHERE Anahtari='1-Anahtar' ORDER BY "
               "IsinTarihi)"
            << "SELECT rowid , * FROM YapilacakIslerTablosu WHERE Anahtari = '1-Anahtar' ORDER BY "
               "IsinTarihi , rowid";
        QTest::newRow("insertion order")
            << "SELECT Adi FROM KlasorBilgileriTablosu;"
            << "SELECT rowid , Adi FROM KlasorBilgileriTablosu ORDER BY rowid";
        QTest::newRow("bracket name, concatenation") << "SELECT [Is No] & \"x\" FROM T"
                                                     << "SELECT \"Is No\" || 'x' FROM T";
    }
    void translation() {
        QFETCH(QString, jet);
        QFETCH(QString, sqlite);
        QCOMPARE(JetÇevirici::çevir(jet).sql, sqlite);
    }

    void translationRefusals_data() {
        QTest::addColumn<QString>("jet");
        QTest::addColumn<int>("numara");
        QTest::newRow("second statement") << "SELECT * FROM T; DELETE FROM T" << 3142;
        QTest::newRow("not DML") << "DROP TABLE YapilacakIslerTablosu" << 3075;
        QTest::newRow("pragma") << "PRAGMA key='x'" << 3075;
        QTest::newRow("attach") << "ATTACH 'x' AS y" << 3075;
        QTest::newRow("open text") << "SELECT * FROM T WHERE a='x" << 3075;
        QTest::newRow("comment") << "SELECT * FROM T -- x" << 0; // two minus signs, no comment
        QTest::newRow("bad date") << "SELECT * FROM T WHERE d=#2/30/2026#" << 3076;
        QTest::newRow("parameter") << "SELECT * FROM T WHERE a=?" << 3075;
        QTest::newRow("empty") << "  ;  " << 3075;
    }
    void translationRefusals() {
        QFETCH(QString, jet);
        QFETCH(int, numara);
        QCOMPARE(hataNumarası([&] { JetÇevirici::çevir(jet); }), numara);
    }

    void statementsOutsideTheTablesAreRefused() {
        auto vt = Veritabanı::OpenDatabase(vtDosyası());
        QCOMPARE(hataNumarası([&] { vt->OpenRecordset("SELECT * FROM sqlite_master"); }), 3075);
        QCOMPARE(hataNumarası([&] { vt->Execute("DELETE FROM sqlite_sequence"); }), 3075);
        QCOMPARE(hataNumarası([&] { vt->OpenRecordset("SELECT * FROM Yok"); }), 3078);
        QCOMPARE(hataNumarası([&] { vt->OpenRecordset("SELECT Yok FROM YapilacakIslerTablosu"); }),
                 3061);
        QCOMPARE(işSayısı(*vt), 400);
    }

    void turkishLike() {
        using TürkçeBenzer::eşleşir;
        QVERIFY(eşleşir(u"%istanbul%", u"Yeni İstanbul Adliyesi"));
        QVERIFY(eşleşir(u"%ırmak%", u"IRMAK"));
        QVERIFY(eşleşir(u"%IRMAK%", u"ırmak"));
        QVERIFY(!eşleşir(u"%irmak%", u"IRMAK"));
        QVERIFY(eşleşir(u"%ŞÖÇÜĞ%", u"aşöçüğb"));
        QVERIFY(eşleşir(u"a_c", u"abc"));
        QVERIFY(!eşleşir(u"a\\_c", u"abc", u'\\'));
        QVERIFY(eşleşir(u"a\\_c", u"a_c", u'\\'));
        QVERIFY(eşleşir(u"%50\\%%", u"yüzde 50% indirim", u'\\'));
        QVERIFY(!eşleşir(u"%50\\%%", u"yüzde 50 indirim", u'\\'));
        QVERIFY(eşleşir(u"%", u""));
        QVERIFY(!eşleşir(u"_", u""));
        // Many wildcards over a long text stay fast.
        const QString uzun(20000, u'a');
        QVERIFY(!eşleşir(QString("%a%a%a%a%a%a%a%a%b"), uzun));

        auto vt = Veritabanı::OpenDatabase(vtDosyası());
        vt->Execute("UPDATE YapilacakIslerTablosu SET IsinYeri='Kâr %50_oran' WHERE IsNo=1");
        const auto say = [&](const QString& aranan) {
            auto rs = vt->OpenRecordset(Deyim::J14("IsinYeri", aranan));
            int n = 0;
            for (; !rs->Eof(); rs->MoveNext())
                ++n;
            return n;
        };
        QCOMPARE(say("%50_"), 1);
        QCOMPARE(say("%5"), 1);
        QCOMPARE(say("_oran"), 1);
        QCOMPARE(say("%x"), 0);
        QVERIFY(say("İSTANBUL") > 0);
        QCOMPARE(say("İSTANBUL"), say("istanbul"));
    }

    void keyCounter() {
        AnahtarSayacı s;
        QCOMPARE(s.yeniAnahtar(), QString("1-Anahtar"));
        AnahtarSayacı t;
        for (const char* a : {"3-Anahtar", "12-Anahtar", "7-Anahtar", "Anahtar", "", "007-x"})
            t.güncelle(a);
        QCOMPARE(t.yeniAnahtar(), QString("13-Anahtar"));
        QCOMPARE(t.yeniAnahtar(), QString("14-Anahtar"));
        // Never goes down, also after a reload with lower keys.
        t.güncelle("13-Anahtar");
        QCOMPARE(t.yeniAnahtar(), QString("15-Anahtar"));

        AnahtarSayacı dolu;
        dolu.güncelle("99999999999999999999-Anahtar");
        QCOMPARE(int(dolu.değer()), 32767);
        QCOMPARE(hataNumarası([&] { dolu.yeniAnahtar(); }), 6);
        AnahtarSayacı sınırda;
        sınırda.güncelle("32766-Anahtar");
        QCOMPARE(sınırda.yeniAnahtar(), QString("32767-Anahtar"));
        try {
            sınırda.yeniAnahtar();
            QFAIL("no error");
        } catch (const Hata& h) {
            QVERIFY(h.açıklama().contains("tükendi"));
        }
        QCOMPARE(int(sınırda.değer()), 32767);
    }

    void recordsetRules() {
        auto vt = Veritabanı::OpenDatabase(vtDosyası());
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
        QVERIFY(rs->Eof());
        QCOMPARE(hataNumarası([&] { rs->MoveNext(); }), 3021);
        QCOMPARE(hataNumarası([&] { rs->alan("IsNo"); }), 3021);
        rs->Close();
        QCOMPARE(hataNumarası([&] { rs->Eof(); }), 3420);

        // A joined or computed selection reads but cannot be changed.
        auto hesap = vt->OpenRecordset("SELECT count(*) AS Sayi FROM YapilacakIslerTablosu");
        QCOMPARE(hesap->alan("Sayi").toLongLong(), 400);
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
        QVERIFY(!e->Eof());
        QCOMPARE(e->alan("IsNo").toLongLong(), 4);
        QCOMPARE(e->alan("IsYapildi"), QVariant(true));
        QVERIFY(!e->alan("Aciklama").isValid());
        // A yes/no field stored as null reads as no.
        vt->Execute("UPDATE YapilacakIslerTablosu SET Hatirlatma=NULL WHERE IsNo=4");
        QCOMPARE(vt->OpenRecordset(Deyim::J8(4))->alan("Hatirlatma"), QVariant(false));
        QCOMPARE(hataNumarası([] {
                     AçıkVeritabanı::kapat();
                     AçıkVeritabanı::al();
                 }),
                 91);
    }

    // The rows after the first are read when the program moves on: rows changed in between
    // are read as they are then, and no row is listed twice or skipped.
    void rowsAfterTheFirstAreReadLater() {
        auto vt = Veritabanı::OpenDatabase(vtDosyası());
        auto başka = Veritabanı::OpenDatabase(vtDosyası());
        auto rs = vt->OpenRecordset("SELECT * FROM YapilacakIslerTablosu WHERE IsNo <= 5");
        QCOMPARE(rs->alan("IsNo").toLongLong(), 1);
        başka->Execute(Deyim::J6(3));
        başka->Execute("UPDATE YapilacakIslerTablosu SET IsinKonusu='Yeni' WHERE IsNo=4");
        QList<qint64> numaralar;
        QStringList konular;
        for (; !rs->Eof(); rs->MoveNext()) {
            numaralar << rs->alan("IsNo").toLongLong();
            konular << rs->alan("IsinKonusu").toString();
        }
        QCOMPARE(numaralar, (QList<qint64>{1, 2, 4, 5}));
        QCOMPARE(konular[2], QString("Yeni"));
        // The first row itself was deleted before the rest was read.
        auto ikinci = vt->OpenRecordset("SELECT * FROM YapilacakIslerTablosu WHERE IsNo <= 5");
        başka->Execute(Deyim::J6(1));
        numaralar.clear();
        for (; !ikinci->Eof(); ikinci->MoveNext())
            numaralar << ikinci->alan("IsNo").toLongLong();
        QCOMPARE(numaralar, (QList<qint64>{1, 2, 4, 5}));
    }

    // Each unusable file gives its number and stays byte for byte as it was.
    void openingRefusals() {
        const QString k = klasör();
        const QByteArray sağlam = içerik(vtDosyası());
        QCOMPARE(açılışHatası(vtDosyası()), 0);
        QCOMPARE(açılışHatası(k + "/yok/Lodra.vtb"), HataNo::YolGeçersiz);
        QCOMPARE(açılışHatası(k + "/Baska.vtb"), HataNo::DosyaBulunamadı);
        QVERIFY(!QFile::exists(k + "/Baska.vtb"));
        QCOMPARE(açılışHatası(""), HataNo::DosyaAdıGeçersiz);
        QCOMPARE(açılışHatası(k + "/" + QString(300, u'a') + ".vtb"), HataNo::DosyaAdıGeçersiz);
        QCOMPARE(açılışHatası(vtDosyası(), ";Pwd=yanlis"), HataNo::VeritabanıDeğil);
        QCOMPARE(açılışHatası(vtDosyası(), ""), HataNo::VeritabanıDeğil);
        QDir(k).mkdir("klasor.vtb");
        QCOMPARE(açılışHatası(k + "/klasor.vtb"), HataNo::DosyaAçılamıyor);

        struct Durum {
            const char* ad;
            QByteArray veri;
            int numara;
        };
        QByteArray ilkSayfa = sağlam, sonrakiSayfa = sağlam;
        ilkSayfa[100] = char(ilkSayfa[100] ^ 0x01);
        sonrakiSayfa[sağlam.size() / 2 + 50] = char(sonrakiSayfa[sağlam.size() / 2 + 50] ^ 0x01);
        const QString düz = k + "/duz.db";
        hamVeritabanı(düz, nullptr, "CREATE TABLE KlasorBilgileriTablosu(Anahtari, Bagi, Adi);");
        const QString tetikli = k + "/tetikli.db";
        QFile::copy(vtDosyası(), tetikli);
        hamVeritabanı(
            tetikli, "KMZ1994",
            "CREATE TRIGGER t AFTER INSERT ON KlasorBilgileriTablosu BEGIN SELECT 1; END;");
        const QString fazlaTablo = k + "/fazla.db";
        QFile::copy(vtDosyası(), fazlaTablo);
        hamVeritabanı(fazlaTablo, "KMZ1994", "CREATE TABLE Baska(x)");
        const QString eksikAlan = k + "/eksik.db";
        hamVeritabanı(eksikAlan, "KMZ1994",
                      "CREATE TABLE KlasorBilgileriTablosu(Anahtari, Bagi, Adi);"
                      "CREATE TABLE YapilacakIslerTablosu(IsNo INTEGER PRIMARY KEY, Anahtari);");
        const Durum durumlar[] = {
            {"text file", "Bu bir veritabanı değil.\n", HataNo::VeritabanıDeğil},
            {"plain SQLite", içerik(düz), HataNo::VeritabanıDeğil},
            {"empty", QByteArray(), HataNo::VeritabanıDeğil},
            {"truncated", sağlam.left(sağlam.size() / 2), VeritabanıHataNo::Bozuk},
            {"first page flipped", ilkSayfa, HataNo::VeritabanıDeğil},
            {"later page flipped", sonrakiSayfa, VeritabanıHataNo::Bozuk},
            {"trigger", içerik(tetikli), HataNo::VeritabanıDeğil},
            {"other table", içerik(fazlaTablo), HataNo::VeritabanıDeğil},
            {"missing fields", içerik(eksikAlan), HataNo::VeritabanıDeğil},
        };
        const QString deneme = k + "/deneme/Lodra.vtb";
        QDir(k).mkdir("deneme");
        for (const Durum& d : durumlar) {
            yaz(deneme, d.veri);
            QVERIFY2(açılışHatası(deneme) == d.numara,
                     qPrintable(QString("%1: %2").arg(d.ad).arg(açılışHatası(deneme))));
            QVERIFY2(içerik(deneme) == d.veri, d.ad);
            QVERIFY2(!QFile::exists(deneme + "-journal"), d.ad);
            QVERIFY2(VeritabanıKurulumu::denetle(deneme).size() > 0, d.ad);
        }

        // No permission: files and folders without any write permission are refused, also
        // when the tests run as the administrator.
        QFile::copy(vtDosyası(), deneme + ".kopya");
        QFile::remove(deneme);
        QFile::rename(deneme + ".kopya", deneme);
        for (mode_t kip : {0444, 0000}) {
            ::chmod(QFile::encodeName(deneme).constData(), kip);
            QCOMPARE(açılışHatası(deneme), HataNo::DosyaAçılamıyor);
        }
        ::chmod(QFile::encodeName(deneme).constData(), 0644);
        ::chmod(QFile::encodeName(k + "/deneme").constData(), 0555);
        QCOMPARE(açılışHatası(deneme), HataNo::DosyaAçılamıyor);
        ::chmod(QFile::encodeName(k + "/deneme").constData(), 0755);
        QCOMPARE(açılışHatası(deneme), 0);
        QCOMPARE(içerik(vtDosyası()), sağlam);
    }

    void fileUnreadableWithoutPassword() {
        sqlite3* db = nullptr;
        QCOMPARE(sqlite3_open_v2(QFile::encodeName(vtDosyası()).constData(), &db,
                                 SQLITE_OPEN_READONLY, nullptr),
                 SQLITE_OK);
        QCOMPARE(sqlite3_exec(db, "SELECT count(*) FROM sqlite_master", nullptr, nullptr, nullptr),
                 SQLITE_NOTADB);
        sqlite3_close(db);
        QVERIFY(!içerik(vtDosyası()).contains("YapilacakIslerTablosu"));
        QVERIFY(!içerik(vtDosyası()).contains("SQLite format 3"));
        const QString python = QStandardPaths::findExecutable("python3");
        if (python.isEmpty())
            return;
        QProcess p;
        p.start(python,
                {"-c",
                 "import sqlite3,sys; c=sqlite3.connect(sys.argv[1]);\n"
                 "try:\n c.execute('select * from sqlite_master').fetchall(); print('OKUNDU')\n"
                 "except sqlite3.DatabaseError as e: print('REDDEDILDI', e)",
                 vtDosyası()});
        QVERIFY(p.waitForFinished(20000));
        QVERIFY2(p.readAllStandardOutput().startsWith("REDDEDILDI"), "python3 read the file");
    }

    // Changes to the file while it is open are reported by number; nothing is recreated.
    void fileChangesWhileOpen() {
        auto vt = Veritabanı::OpenDatabase(vtDosyası());
        const QByteArray önce = içerik(vtDosyası());
        vt->Execute(Deyim::J10(1)); // first write of the day: makes the day's copy

        ::chmod(QFile::encodeName(klasör()).constData(), 0555);
        QCOMPARE(hataNumarası([&] { vt->Execute(Deyim::J10(2)); }), HataNo::DosyaAçılamıyor);
        ::chmod(QFile::encodeName(klasör()).constData(), 0755);
        ::chmod(QFile::encodeName(vtDosyası()).constData(), 0444);
        QCOMPARE(hataNumarası([&] { vt->Execute(Deyim::J10(2)); }), HataNo::DosyaAçılamıyor);
        ::chmod(QFile::encodeName(vtDosyası()).constData(), 0644);
        vt->Execute(Deyim::J10(2));
        QVERIFY(içerik(vtDosyası()) != önce);

        QVERIFY(QFile::rename(vtDosyası(), klasör() + "/tasindi.vtb"));
        QCOMPARE(hataNumarası([&] { vt->Execute(Deyim::J10(3)); }), HataNo::DosyaBulunamadı);
        QCOMPARE(hataNumarası([&] { vt->OpenRecordset(Deyim::J2()); }), HataNo::DosyaBulunamadı);
        QVERIFY(!QFile::exists(vtDosyası()));
        QVERIFY(!QFile::exists(vtDosyası() + "-journal"));
        QVERIFY(QFile::rename(klasör() + "/tasindi.vtb", vtDosyası()));
        QCOMPARE(işSayısı(*vt), 400);

        const QString başka = klasör() + "-tasindi";
        QVERIFY(QDir().rename(klasör(), başka));
        QCOMPARE(hataNumarası([&] { vt->Execute(Deyim::J10(3)); }), HataNo::YolGeçersiz);
        QVERIFY(!QDir(klasör()).exists());
        QVERIFY(QDir().rename(başka, klasör()));

        QVERIFY(QFile::remove(vtDosyası()));
        QCOMPARE(hataNumarası([&] { vt->Execute(Deyim::J10(3)); }), HataNo::DosyaBulunamadı);
        QVERIFY(!QFile::exists(vtDosyası()));
    }

    void dailyCopy() {
        auto vt = Veritabanı::OpenDatabase(vtDosyası());
        const QString yedekler = klasör() + "/Yedekler";
        vt->OpenRecordset(Deyim::J2());
        QVERIFY(!QDir(yedekler).exists()); // reading makes no copy
        vt->Execute(Deyim::J6(1));
        QCOMPARE(QDir(yedekler).entryList(QDir::Files), QStringList{"Lodra-2026-12-06.vtb"});
        vt->Execute(Deyim::J6(2));
        QCOMPARE(QDir(yedekler).entryList(QDir::Files).size(), 1);
        // The copy holds the file as it was before the day's first write, encrypted.
        auto kopya = Veritabanı::OpenDatabase(yedekler + "/Lodra-2026-12-06.vtb");
        QCOMPARE(işSayısı(*kopya), 400);
        QCOMPARE(VeritabanıKurulumu::denetle(yedekler + "/Lodra-2026-12-06.vtb"), QStringList());
        QCOMPARE(açılışHatası(yedekler + "/Lodra-2026-12-06.vtb", ";Pwd=yanlis"),
                 HataNo::VeritabanıDeğil);
        // The copy keeps the job counter: a number once given is not given again.
        kopya->Execute(Deyim::J6(400));
        auto rs = kopya->OpenRecordset(Deyim::J7());
        rs->AddNew();
        rs->alanYaz("IsinKonusu", "Yeni");
        rs->Update();
        auto son =
            kopya->OpenRecordset("SELECT IsNo FROM YapilacakIslerTablosu ORDER BY IsNo DESC");
        QCOMPARE(son->alan("IsNo").toLongLong(), 401);
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
        const QString k = klasör() + "/arac";
        QDir().mkpath(k);
        const auto çalıştır = [&](const QStringList& args, QString* çıktı = nullptr) {
            QProcess p;
            p.start(araç(), args);
            p.waitForFinished(120000);
            if (çıktı)
                *çıktı = QString::fromUtf8(p.readAllStandardOutput() + p.readAllStandardError());
            return p.exitCode();
        };
        QString çıktı;
        QCOMPARE(çalıştır({"--help"}, &çıktı), 0);
        QVERIFY(çıktı.contains("olustur"));
        QCOMPARE(çalıştır({"olustur", k + "/yok"}), 2);
        QCOMPARE(çalıştır({"olustur", k, "--ornek", "--klasor", "5", "--is", "300"}), 0);
        const QByteArray ilk = içerik(k + "/Lodra.vtb");
        QCOMPARE(çalıştır({"olustur", k}, &çıktı), 1);
        QVERIFY(çıktı.contains("zaten var"));
        QCOMPARE(içerik(k + "/Lodra.vtb"), ilk);
        QCOMPARE(çalıştır({"denetle", k}), 0);
        QDir().mkpath(k + "/kopya");
        QFile::copy(k + "/Lodra.vtb", k + "/kopya/Lodra.vtb");

        auto vt = Veritabanı::OpenDatabase(k + "/Lodra.vtb");
        QCOMPARE(işSayısı(*vt), 300);
        {
            auto f = vt->OpenRecordset(Deyim::F1());
            QCOMPARE(f->alan("Bagi").toString(), QString("Klasor")); // the first row is top-level
        }
        vt->Execute("DELETE * FROM YapilacakIslerTablosu");
        QCOMPARE(işSayısı(*vt), 0);

        // A damaged copy is refused and changes nothing.
        QByteArray bozuk = ilk;
        bozuk[bozuk.size() / 2] = char(bozuk[bozuk.size() / 2] ^ 0x40);
        yaz(k + "/bozuk.vtb", bozuk);
        QCOMPARE(çalıştır({"denetle", k + "/bozuk.vtb"}, &çıktı), 1);
        QCOMPARE(çalıştır({"geri-yukle", k + "/bozuk.vtb", k}), 1);
        QCOMPARE(işSayısı(*vt), 0);
        // The sound copy goes in place; the open database sees it at its next statement.
        QCOMPARE(çalıştır({"geri-yukle", k + "/kopya/Lodra.vtb", k}, &çıktı), 0);
        QVERIFY(QFile::exists(k + "/Lodra.vtb.eski"));
        QCOMPARE(işSayısı(*vt), 300);
        vt->Execute(Deyim::J6(1));
        QCOMPARE(işSayısı(*Veritabanı::OpenDatabase(k + "/Lodra.vtb")), 299);
        QCOMPARE(işSayısı(*Veritabanı::OpenDatabase(k + "/Lodra.vtb.eski")), 0);
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
        QVERIFY2(!kütüphaneler.contains("libsqlite3"), qPrintable(kütüphaneler));
        QVERIFY(!kütüphaneler.contains("Qt6Sql"));
        QCOMPARE(QString(sqlite3_libversion()), QString(SQLITE_VERSION));
    }
};

TARVELA_TEST_MAIN(VeritabaniTest)
#include "VeritabaniTest.moc"
