#include "TestOrtami.h"

#include "HataNumarasi.h"

#include "controls/Hata.h"
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
    bool hatırlat = false;
    bool yapıldı = false;
    QString yer = {};
    QString açıklama = {};
};

// Adds a job the way the entry window does.
void işEkle(Veritabanı& vt, const İş& iş) {
    auto rs = vt.OpenRecordset(Deyim::J7());
    rs->AddNew();
    rs->alanYaz("Anahtari", iş.anahtar);
    rs->alanYaz("IsinTarihi", iş.tarih.toString("dd.MM.yyyy"));
    rs->alanYaz("IsinSaati", iş.saat);
    rs->alanYaz("IsinKonusu", iş.konu);
    rs->alanYaz("IsinYeri", iş.yer);
    rs->alanYaz("Aciklama", iş.açıklama);
    rs->alanYaz("Hatirlatma", iş.hatırlat);
    rs->alanYaz("IsYapildi", iş.yapıldı);
    rs->Update();
}

QStringList konular(Veritabanı& vt, const QString& deyim) {
    QStringList sonuç;
    for (auto rs = vt.OpenRecordset(deyim); !rs->Eof(); rs->MoveNext())
        sonuç << rs->alan("IsinKonusu").toString();
    return sonuç;
}

QStringList klasörler(Veritabanı& vt) {
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

} // namespace

class DeyimlerTest : public QObject {
    Q_OBJECT

    std::shared_ptr<Veritabanı> vt;

private slots:
    void init() {
        TestOrtami::sıfırla();
        const QString dosya = TestOrtami::şimdiki().veritabanıKlasörü() + "/Lodra.vtb";
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
            QCOMPARE(Deyim::tarihLiterali(QDate(987, 3, 4)), QString("#3/4/0987#"));
            QCOMPARE(Deyim::saatLiterali(QTime(9, 5, 59)), QString("#09:05:0#"));
        }
    }

    // Searched texts match only themselves; an apostrophe in a key can neither break nor
    // widen a statement; a field name outside the searchable ones is refused.
    void specialCharactersStayLiteral() {
        klasörEkle(*vt, "Klasor", "1-Anahtar");
        const QDate gün(2026, 12, 5);
        işEkle(*vt, {"1-Anahtar", gün, "10:00", "O'Neil *?#[%_"});
        işEkle(*vt, {"1-Anahtar", gün, "11:00", "Diğer 7 ab"});
        for (const char* aranan : {"O'Neil", "'", "*", "?", "#", "[", "%", "_"})
            QCOMPARE(konular(*vt, Deyim::J14("IsinKonusu", aranan)), QStringList{"O'Neil *?#[%_"});
        QCOMPARE(hataNumarası([&] { Deyim::J14("IsNo = 1 OR IsinYeri", "x"); }),
                 HataNo::Beklenmeyen);

        const QString kötü = "x' OR '1'='1";
        vt->Execute(Deyim::F5(kötü));
        vt->Execute(Deyim::J5(kötü, 1));
        QCOMPARE(konular(*vt, Deyim::J2()).size(), 2);
        QCOMPARE(konular(*vt, Deyim::J1(kötü)), QStringList{"O'Neil *?#[%_"});
        QCOMPARE(vt->OpenRecordset(Deyim::J8(1))->alan("Anahtari").toString(), kötü);
        QVERIFY(vt->OpenRecordset(Deyim::F3(kötü))->Eof());
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
        {
            auto rs = vt->OpenRecordset(Deyim::F3("3-Anahtar"));
            rs->Edit();
            rs->alanYaz("Adi", "Duruşmalar");
            rs->Update();
        }
        QCOMPARE(klasörler(*vt).last(), QString("3-Anahtar:Klasor:Duruşmalar"));

        // Jobs 1 to 6, numbered from 1 in a new file.
        işEkle(*vt, {"1-Anahtar", bugün, "09:00", "A bugün", true});
        işEkle(*vt, {"1-Anahtar", bugün.addDays(-1), "08:00", "B dün"});
        işEkle(*vt, {"2-Anahtar", bugün, "15:00", "C bugün geç", true});
        işEkle(*vt, {"2-Anahtar", bugün, "07:00", "D yapıldı", true, true});
        işEkle(*vt,
               {"3-Anahtar", bugün.addDays(2), "10:00", "E ileride", false, false, "İstanbul"});
        işEkle(*vt,
               {"3-Anahtar", bugün, "08:30", "F hatırlatma yok", false, false, "", "ırmak kenarı"});

        QCOMPARE(konular(*vt, Deyim::J1("1-Anahtar")), (QStringList{"B dün", "A bugün"}));
        // J2 orders by date only; jobs of one date stay in the order they were added.
        QCOMPARE(konular(*vt, Deyim::J2()),
                 (QStringList{"B dün", "A bugün", "C bugün geç", "D yapıldı", "F hatırlatma yok",
                              "E ileride"}));
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
        QCOMPARE(konular(*vt, Deyim::J9(bugün, QTime(23, 59))), QStringList{"E ileride"});
        QCOMPARE(konular(*vt, Deyim::J13(Deyim::Liste::Yapılanlar)),
                 (QStringList{"D yapıldı", "A bugün"}));
        vt->Execute(Deyim::J6(4));
        QCOMPARE(konular(*vt, Deyim::J2()),
                 (QStringList{"B dün", "A bugün", "C bugün geç", "E ileride", "F hatırlatma yok"}));
    }

    // Deleting a folder (F5, F4) takes its whole branch as the file holds it, or nothing at
    // all; a folder added afterwards still comes after its parent.
    void folderDeletionTakesTheBranchOrNothing() {
        for (const char* k : {"1-Anahtar", "4-Anahtar"})
            klasörEkle(*vt, "Klasor", k);
        klasörEkle(*vt, "1-Anahtar", "2-Anahtar");
        klasörEkle(*vt, "2-Anahtar", "3-Anahtar");
        for (const char* k : {"1-Anahtar", "2-Anahtar", "3-Anahtar", "4-Anahtar"})
            işEkle(*vt, {k, QDate(2026, 12, 6), "09:00", k, true});
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
        QCOMPARE(klasörler(*vt), QStringList({"4-Anahtar:Klasor:Yeni Klasör"}));
        QCOMPARE(konular(*vt, Deyim::J7()), QStringList({"4-Anahtar"}));
        klasörEkle(*vt, "4-Anahtar", "5-Anahtar");
        QCOMPARE(klasörler(*vt).last(), QString("5-Anahtar:4-Anahtar:Yeni Klasör"));
    }

    // A job added without the yes/no fields stores "no" in both: a reminder never fires.
    void jobWithoutFlagsStoresNo() {
        auto rs = vt->OpenRecordset(Deyim::J7());
        rs->AddNew();
        rs->alanYaz("Anahtari", "1-Anahtar");
        rs->alanYaz("IsinTarihi", QDate(2026, 12, 6));
        rs->alanYaz("IsinSaati", "00:00");
        rs->Update();
        auto oku = vt->OpenRecordset(
            "SELECT * FROM YapilacakIslerTablosu WHERE Hatirlatma=False AND IsYapildi=False");
        QCOMPARE(oku->alan("IsinSayisi"), QVariant());
        QVERIFY(konular(*vt, Deyim::J9(QDate(2026, 12, 6), QTime(23, 59))).isEmpty());
    }
};

TARVELA_TEST_MAIN(DeyimlerTest)
#include "DeyimlerTest.moc"
