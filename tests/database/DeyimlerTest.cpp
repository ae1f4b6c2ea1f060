#include "TestOrtami.h"

#include "HataNumarasi.h"

#include "controls/Hata.h"
#include "controls/ProgramSaati.h"
#include "database/Deyimler.h"
#include "database/Klasorler.h"
#include "database/Veritabani.h"
#include "database/VeritabaniKurulumu.h"

#include <QDir>
#include <QLocale>

namespace {

struct İş {
    QString anahtar;
    QDate tarih;
    QString saat;
    QString konu;
    QString yer;
    QString açıklama;
    bool hatırlat;
    bool yapıldı;
};

// Adds a job the way the entry window does (J7).
qint64 işEkle(Veritabanı& vt, const İş& iş) {
    auto rs = vt.OpenRecordset(Deyim::J7());
    rs->AddNew();
    rs->alanYaz("Anahtari", iş.anahtar);
    rs->alanYaz("IsinTarihi", iş.tarih.toString("dd.MM.yyyy"));
    rs->alanYaz("IsinSaati", iş.saat);
    rs->alanYaz("IsinKonusu", iş.konu);
    rs->alanYaz("IsinYeri", iş.yer);
    rs->alanYaz("IsinSayisi", QString());
    rs->alanYaz("Aciklama", iş.açıklama);
    rs->alanYaz("Hatirlatma", iş.hatırlat);
    rs->alanYaz("IsYapildi", iş.yapıldı);
    rs->Update();
    rs->Close();
    auto son = vt.OpenRecordset("SELECT * FROM YapilacakIslerTablosu ORDER BY IsNo DESC");
    return son->alan("IsNo").toLongLong();
}

QStringList konular(Veritabanı& vt, const QString& deyim) {
    QStringList sonuç;
    auto rs = vt.OpenRecordset(deyim);
    while (!rs->Eof()) {
        sonuç << rs->alan("IsinKonusu").toString();
        rs->MoveNext();
    }
    rs->Close();
    return sonuç;
}

QStringList klasörler(Veritabanı& vt) {
    QStringList sonuç;
    auto rs = vt.OpenRecordset(Deyim::F1());
    while (!rs->Eof()) {
        sonuç << rs->alan("Anahtari").toString() + ":" + rs->alan("Bagi").toString() + ":" +
                     rs->alan("Adi").toString();
        rs->MoveNext();
    }
    return sonuç;
}

void klasörEkle(Veritabanı& vt, const QString& bağı, const QString& anahtar) {
    auto rs = vt.OpenRecordset(Deyim::F2());
    rs->AddNew();
    rs->alanYaz("Bagi", bağı);
    rs->alanYaz("Anahtari", anahtar);
    rs->alanYaz("Adi", QStringLiteral("Yeni Klasör"));
    rs->Update();
    rs->Close();
}

} // namespace

class DeyimlerTest : public QObject {
    Q_OBJECT

    QString dosya;
    std::shared_ptr<Veritabanı> vt;

private slots:
    void init() {
        TestOrtami::sıfırla();
        dosya = TestOrtami::şimdiki().veritabanıKlasörü() + "/Lodra.vtb";
        QFile::remove(dosya);
        QDir(TestOrtami::şimdiki().veritabanıKlasörü() + "/Yedekler").removeRecursively();
        VeritabanıKurulumu::oluştur(dosya);
        vt = Veritabanı::OpenDatabase(dosya);
    }
    void cleanup() {
        vt.reset();
        QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey));
    }

    void literalsIgnoreTheLocale() {
        for (const QLocale& yerel : {QLocale(QLocale::Turkish, QLocale::Turkey),
                                     QLocale(QLocale::English, QLocale::UnitedStates)}) {
            QLocale::setDefault(yerel);
            QCOMPARE(Deyim::tarihLiterali(QDate(2027, 1, 5)), QString("#1/5/2027#"));
            QCOMPARE(Deyim::tarihLiterali(QDate(2026, 12, 25)), QString("#12/25/2026#"));
            QCOMPARE(Deyim::tarihLiterali(QDate(987, 3, 4)), QString("#3/4/0987#"));
            QCOMPARE(Deyim::saatLiterali(QTime(9, 5, 59)), QString("#09:05:0#"));
            QCOMPARE(Deyim::saatLiterali(QTime(14, 35, 48)), QString("#14:35:0#"));
            QCOMPARE(Deyim::J4(QDate(2026, 12, 5)),
                     QString("(SELECT * FROM YapilacakIslerTablosu WHERE IsinTarihi = #12/5/2026# "
                             "AND IsYapildi= False ORDER BY IsinTarihi)"));
        }
    }

    void catalogueTexts() {
        const QDate gün(2026, 12, 5);
        QCOMPARE(Deyim::F1(), QString("SELECT * FROM KlasorBilgileriTablosu"));
        QCOMPARE(Deyim::F2(), QString("SELECT * FROM KlasorBilgileriTablosu"));
        QCOMPARE(Deyim::F3("12-Anahtar"),
                 QString("SELECT Adi FROM KlasorBilgileriTablosu WHERE Anahtari= '12-Anahtar'"));
        QCOMPARE(Deyim::F4("12-Anahtar"), Deyim::F3("12-Anahtar"));
        QCOMPARE(Deyim::F5("12-Anahtar"),
                 QString("DELETE * FROM YapilacakIslerTablosu WHERE Anahtari= '12-Anahtar'"));
        QCOMPARE(Deyim::J1("12-Anahtar"),
                 QString("SELECT * FROM YapilacakIslerTablosu WHERE Anahtari='12-Anahtar' ORDER BY "
                         "IsinTarihi"));
        QCOMPARE(Deyim::J2(), QString("SELECT * FROM YapilacakIslerTablosu ORDER BY IsinTarihi"));
        QCOMPARE(Deyim::J3(gün, "3-Anahtar"),
                 QString("(SELECT * FROM YapilacakIslerTablosu WHERE IsinTarihi = #12/5/2026# AND "
                         "IsYapildi= False AND Anahtari='3-Anahtar' ORDER BY IsinTarihi)"));
        QCOMPARE(Deyim::J5("7-Anahtar", 57),
                 QString("UPDATE YapilacakIslerTablosu SET Anahtari= '7-Anahtar' WHERE IsNo= 57"));
        QCOMPARE(Deyim::J6(57), QString("DELETE * FROM YapilacakIslerTablosu WHERE IsNo=57"));
        QCOMPARE(Deyim::J7(), QString("SELECT * FROM YapilacakIslerTablosu"));
        QCOMPARE(Deyim::J8(57), QString("SELECT * FROM YapilacakIslerTablosu WHERE IsNo= 57"));
        QCOMPARE(Deyim::J9(gün, QTime(14, 35, 48)),
                 QString("SELECT * FROM YapilacakIslerTablosu WHERE IsinTarihi= #12/5/2026# AND "
                         "IsinSaati<= #14:35:0# AND Hatirlatma= True AND IsYapildi= False ORDER BY "
                         "IsinTarihi, IsinSaati"));
        QCOMPARE(Deyim::J10(57),
                 QString("UPDATE YapilacakIslerTablosu SET IsYapildi=True WHERE IsNo=57"));
        QCOMPARE(Deyim::J11(57),
                 QString("UPDATE YapilacakIslerTablosu SET Hatirlatma=False WHERE IsNo=57"));
        QCOMPARE(Deyim::J12(57, "14:50:48"),
                 QString("UPDATE YapilacakIslerTablosu SET IsinSaati='14:50:48' WHERE IsNo=57"));
        QCOMPARE(Deyim::J13(Deyim::Liste::Hepsi),
                 QString("SELECT * FROM YapilacakIslerTablosu ORDER BY IsinTarihi, IsinSaati"));
        QCOMPARE(
            Deyim::J13(Deyim::Liste::Yapılanlar),
            QString("SELECT * FROM YapilacakIslerTablosu WHERE IsYapildi=True ORDER BY IsinTarihi, "
                    "IsinSaati"));
        QCOMPARE(Deyim::J13(Deyim::Liste::Gecikenler, gün),
                 QString("SELECT * FROM YapilacakIslerTablosu WHERE IsinTarihi < #12/5/2026# AND "
                         "IsYapildi=False ORDER BY IsinTarihi, IsinSaati"));
        QCOMPARE(Deyim::J13(Deyim::Liste::Tarihteki, gün),
                 QString("SELECT * FROM YapilacakIslerTablosu WHERE IsinTarihi = #12/5/2026# AND "
                         "IsYapildi=False ORDER BY IsinTarihi, IsinSaati"));
        QCOMPARE(Deyim::J14("IsinYeri", "Adliye"),
                 QString("SELECT * FROM YapilacakIslerTablosu WHERE IsinYeri LIKE '*Adliye*'"));
        QCOMPARE(Deyim::J14("IsinKonusu", "a*b?c#d[e'f%_"),
                 QString("SELECT * FROM YapilacakIslerTablosu WHERE IsinKonusu LIKE "
                         "'*a[*]b[?]c[#]d[[]e''f%_*'"));
        QVERIFY_THROWS_EXCEPTION(Hata, Deyim::J14("IsNo = 1 OR IsinYeri", "x"));
    }

    void apostropheNeitherBreaksNorChangesAStatement() {
        QCOMPARE(Deyim::F3("a'b"),
                 QString("SELECT Adi FROM KlasorBilgileriTablosu WHERE Anahtari= 'a''b'"));
        klasörEkle(*vt, "Klasor", "1-Anahtar");
        klasörEkle(*vt, "Klasor", "2-Anahtar");
        işEkle(*vt, {"1-Anahtar", QDate(2026, 12, 5), "10:00", "O'Neil", "", "", false, false});
        işEkle(*vt, {"2-Anahtar", QDate(2026, 12, 5), "11:00", "Diğer", "", "", false, false});
        QCOMPARE(konular(*vt, Deyim::J14("IsinKonusu", "O'Neil")), QStringList{"O'Neil"});
        QCOMPARE(konular(*vt, Deyim::J14("IsinKonusu", "'")), QStringList{"O'Neil"});
        // A key that tries to widen the condition matches nothing and deletes nothing.
        const QString kötü = "x' OR '1'='1";
        vt->Execute(Deyim::F5(kötü));
        vt->Execute(Deyim::J5(kötü, 1));
        QCOMPARE(konular(*vt, Deyim::J2()), (QStringList{"O'Neil", "Diğer"}));
        QCOMPARE(konular(*vt, Deyim::J1(kötü)), QStringList{"O'Neil"});
        auto rs = vt->OpenRecordset(Deyim::J8(1));
        QCOMPARE(rs->alan("Anahtari").toString(), kötü);
        QVERIFY(konular(*vt, Deyim::J1("1-Anahtar")).isEmpty());
        QCOMPARE(vt->OpenRecordset(Deyim::F3(kötü))->Eof(), true);
    }

    // Every statement of the catalogue on a real encrypted file.
    void catalogueOnARealFile() {
        const QDate bugün(2026, 12, 6);
        klasörEkle(*vt, "Klasor", "1-Anahtar");
        klasörEkle(*vt, "1-Anahtar", "2-Anahtar");
        klasörEkle(*vt, "Klasor", "3-Anahtar");
        QCOMPARE(klasörler(*vt),
                 (QStringList{"1-Anahtar:Klasor:Yeni Klasör", "2-Anahtar:1-Anahtar:Yeni Klasör",
                              "3-Anahtar:Klasor:Yeni Klasör"}));
        // F3: rename; F4: delete the folder row.
        {
            auto rs = vt->OpenRecordset(Deyim::F3("3-Anahtar"));
            rs->Edit();
            rs->alanYaz("Adi", "Duruşmalar");
            rs->Update();
            rs->Close();
        }
        QCOMPARE(klasörler(*vt).last(), QString("3-Anahtar:Klasor:Duruşmalar"));

        const qint64 a = işEkle(*vt, {"1-Anahtar", bugün, "09:00", "A bugün", "", "", true, false});
        const qint64 b =
            işEkle(*vt, {"1-Anahtar", bugün.addDays(-1), "08:00", "B dün", "", "", false, false});
        const qint64 c =
            işEkle(*vt, {"2-Anahtar", bugün, "15:00", "C bugün geç", "", "", true, false});
        const qint64 d =
            işEkle(*vt, {"2-Anahtar", bugün, "07:00", "D yapıldı", "", "", true, true});
        const qint64 e = işEkle(*vt, {"3-Anahtar", bugün.addDays(2), "10:00", "E ileride",
                                      "İstanbul", "", false, false});
        const qint64 f = işEkle(*vt, {"3-Anahtar", bugün, "08:30", "F hatırlatma yok", "",
                                      "ırmak kenarı", false, false});
        QCOMPARE(b, a + 1);

        QCOMPARE(konular(*vt, Deyim::J1("1-Anahtar")), (QStringList{"B dün", "A bugün"}));
        // J2 orders by date only; jobs of one date stay in the order they were added.
        QCOMPARE(konular(*vt, Deyim::J2()),
                 (QStringList{"B dün", "A bugün", "C bugün geç", "D yapıldı", "F hatırlatma yok",
                              "E ileride"}));
        QCOMPARE(konular(*vt, Deyim::J3(bugün, "2-Anahtar")), QStringList{"C bugün geç"});
        QCOMPARE(konular(*vt, Deyim::J4(bugün)),
                 (QStringList{"A bugün", "C bugün geç", "F hatırlatma yok"}));
        QCOMPARE(konular(*vt, Deyim::J9(bugün, QTime(9, 0, 59))), QStringList{"A bugün"});
        QCOMPARE(konular(*vt, Deyim::J9(bugün, QTime(23, 59))),
                 (QStringList{"A bugün", "C bugün geç"}));
        QCOMPARE(konular(*vt, Deyim::J13(Deyim::Liste::Hepsi)),
                 (QStringList{"B dün", "D yapıldı", "F hatırlatma yok", "A bugün", "C bugün geç",
                              "E ileride"}));
        QCOMPARE(konular(*vt, Deyim::J13(Deyim::Liste::Yapılanlar)), QStringList{"D yapıldı"});
        QCOMPARE(konular(*vt, Deyim::J13(Deyim::Liste::Gecikenler, bugün)), QStringList{"B dün"});
        QCOMPARE(konular(*vt, Deyim::J13(Deyim::Liste::Tarihteki, bugün)),
                 (QStringList{"F hatırlatma yok", "A bugün", "C bugün geç"}));
        // J14 ignores case the Turkish way.
        QCOMPARE(konular(*vt, Deyim::J14("IsinYeri", "istanbul")), QStringList{"E ileride"});
        QCOMPARE(konular(*vt, Deyim::J14("Aciklama", "IRMAK")), QStringList{"F hatırlatma yok"});
        QCOMPARE(konular(*vt, Deyim::J14("IsinKonusu", "BUGÜN")),
                 (QStringList{"A bugün", "C bugün geç"}));

        // J8 reads one job and changes it: only that job moves to 06:15 with a reminder.
        {
            auto rs = vt->OpenRecordset(Deyim::J8(qint32(e)));
            rs->Edit();
            rs->alanYaz("IsinTarihi", "06.12.2026");
            rs->alanYaz("IsinSaati", "06:15");
            rs->alanYaz("Hatirlatma", true);
            rs->Update();
            rs->Close();
        }
        QCOMPARE(konular(*vt, Deyim::J9(bugün, QTime(6, 15))), QStringList{"E ileride"});

        vt->Execute(Deyim::J5("1-Anahtar", qint32(c)));
        QCOMPARE(konular(*vt, Deyim::J1("1-Anahtar")),
                 (QStringList{"B dün", "A bugün", "C bugün geç"}));
        vt->Execute(Deyim::J10(qint32(a)));
        vt->Execute(Deyim::J11(qint32(c)));
        vt->Execute(Deyim::J12(qint32(e), "23:59:00"));
        QCOMPARE(konular(*vt, Deyim::J9(bugün, QTime(23, 0))), QStringList());
        QCOMPARE(konular(*vt, Deyim::J9(bugün, QTime(23, 59))), QStringList{"E ileride"});
        QCOMPARE(konular(*vt, Deyim::J13(Deyim::Liste::Yapılanlar)),
                 (QStringList{"D yapıldı", "A bugün"}));
        vt->Execute(Deyim::J6(qint32(d)));
        vt->Execute(Deyim::F5("3-Anahtar"));
        QCOMPARE(konular(*vt, Deyim::J2()), (QStringList{"B dün", "A bugün", "C bugün geç"}));
        Q_UNUSED(f);
        {
            auto rs = vt->OpenRecordset(Deyim::F4("3-Anahtar"));
            rs->Delete();
            rs->Close();
        }
        QCOMPARE(klasörler(*vt).size(), 2);
        // A new folder after a deleted one still comes after its parent.
        klasörEkle(*vt, "2-Anahtar", "4-Anahtar");
        QCOMPARE(klasörler(*vt).last(), QString("4-Anahtar:2-Anahtar:Yeni Klasör"));
    }

    // Deleting a folder takes its whole branch as the file holds it, or nothing at all.
    void folderDeletionTakesTheBranchOrNothing() {
        for (const char* k : {"1-Anahtar", "4-Anahtar"})
            klasörEkle(*vt, "Klasor", k);
        klasörEkle(*vt, "1-Anahtar", "2-Anahtar");
        klasörEkle(*vt, "2-Anahtar", "3-Anahtar");
        for (const char* k : {"1-Anahtar", "2-Anahtar", "3-Anahtar", "4-Anahtar"})
            işEkle(*vt, {k, QDate(2026, 12, 6), "09:00", k, "", "", true, false});
        QCOMPARE(Klasörler::altKlasörler(*vt, "1-Anahtar"),
                 QStringList({"2-Anahtar", "3-Anahtar"}));
        const QString tümü = "SELECT * FROM YapilacakIslerTablosu";
        QCOMPARE(hataNumarası([&] {
                     vt->işlem([&] {
                         vt->Execute(Deyim::F5("3-Anahtar"));
                         throw Hata(VeritabanıHataNo::VeriDeğişti, "yarıda");
                     });
                 }),
                 VeritabanıHataNo::VeriDeğişti);
        QCOMPARE(konular(*vt, tümü).size(), 4);
        Klasörler::sil(*vt, "1-Anahtar");
        QCOMPARE(klasörler(*vt), QStringList({"4-Anahtar:Klasor:Yeni Klasör"}));
        QCOMPARE(konular(*vt, tümü), QStringList({"4-Anahtar"}));
    }

    void jobWithoutFlagsStoresNo() {
        klasörEkle(*vt, "Klasor", "1-Anahtar");
        auto rs = vt->OpenRecordset(Deyim::J7());
        rs->AddNew();
        rs->alanYaz("Anahtari", "1-Anahtar");
        rs->alanYaz("IsinTarihi", QDate(2026, 12, 6));
        rs->alanYaz("IsinSaati", "00:00");
        rs->alanYaz("IsinKonusu", "Bayraksız");
        rs->Update();
        rs->Close();
        auto oku = vt->OpenRecordset(
            "SELECT * FROM YapilacakIslerTablosu WHERE Hatirlatma=False AND IsYapildi=False");
        QVERIFY(!oku->Eof());
        QCOMPARE(oku->alan("Hatirlatma"), QVariant(false));
        QCOMPARE(oku->alan("IsinSayisi"), QVariant());
        QCOMPARE(konular(*vt, Deyim::J9(QDate(2026, 12, 6), QTime(23, 59))), QStringList());
    }
};

TARVELA_TEST_MAIN(DeyimlerTest)
#include "DeyimlerTest.moc"
