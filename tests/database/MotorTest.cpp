// The database face on both engines: every case runs on a file and on a server database
// (the "sunucu" rows need the test server; see SunucuTestDestegi.h). What only one engine
// has (daily copies, the file's paths; a server's users and connections) is tested beside.

#include "HataNumarasi.h"
#include "SunucuTestDestegi.h"
#include "TestOrtami.h"

#include "BaglantiTestDestegi.h"
#include "controls/ProgramSaati.h"
#include "database/AnahtarSayaci.h"
#include "database/BuroAnahtari.h"
#include "database/Deyimler.h"
#include "database/Klasorler.h"
#include "database/VeritabaniIc.h"
#include "database/sunucu/SunucuIc.h"

namespace {

const QDate Bugün(2026, 12, 6);

// Every field of every row of the statement, one line a row.
QStringList satırlar(Veritabanı& vt, const QString& deyim) {
    QStringList sonuç;
    for (auto k = vt.OpenRecordset(deyim, Veritabanı::Okuma::Tamamı); !k->Eof(); k->MoveNext()) {
        QStringList alanlar;
        for (const char* ad : {"IsNo", "Anahtari", "Bagi", "Adi", "IsinTarihi", "IsinSaati",
                               "IsinKonusu", "IsinYeri", "Aciklama", "Hatirlatma", "IsYapildi"})
            if (hataNumarası([&] { k->alanNo(QString::fromLatin1(ad)); }) == 0)
                alanlar << k->alan(QString::fromLatin1(ad)).toString();
        sonuç << alanlar.join(u'|');
    }
    return sonuç;
}

qint64 işEkle(Veritabanı& vt, const QString& konu, const QString& anahtar = "1-Anahtar") {
    auto k = vt.OpenRecordset(Deyim::J7());
    k->AddNew();
    k->alanYaz("Anahtari", anahtar);
    k->alanYaz("IsinTarihi", Bugün);
    k->alanYaz("IsinSaati", "10:30");
    k->alanYaz("IsinKonusu", konu);
    k->Update();
    return vt.OpenRecordset("SELECT * FROM YapilacakIslerTablosu ORDER BY IsNo DESC")
        ->alan("IsNo")
        .toLongLong();
}

} // namespace

class MotorTest : public QObject {
    Q_OBJECT

    std::unique_ptr<SunucuTest::GeçiciVeritabanı> sunucu_;
    QString yer_;

    void motorlar() {
        QTest::addColumn<bool>("sunucuda");
        QTest::newRow("dosya") << false;
        QTest::newRow("sunucu") << true;
    }

    // An empty database on the engine of the row, at yer_; false when the row is skipped.
    bool hazırla() {
        QFETCH(bool, sunucuda);
        QDir(vtKökü()).removeRecursively();
        QDir().mkpath(vtKökü());
        sunucu_.reset();
        if (!sunucuda) {
            VeritabanıKurulumu::oluştur(vtDosyası());
            yer_ = vtDosyası();
            return true;
        }
        if (SunucuTest::yöneticiAdresi().isEmpty()) {
            QTest::qSkip(SunucuTest::YokNedeni, __FILE__, __LINE__);
            return false;
        }
        sunucu_ = std::make_unique<SunucuTest::GeçiciVeritabanı>();
        yer_ = sunucu_->adres();
        return true;
    }

private slots:
    void init() {
        TestOrtami::sıfırla();
        ProgramSaati::ayarla(QDateTime(Bugün, QTime(9, 0)));
        Veritabanıİç::beklemeSüresiniAyarla(10000);
    }
    void cleanup() {
        sunucu_.reset();
        Veritabanıİç::beklemeSüresiniAyarla(10000);
    }

    // Every catalogue statement gives the server the rows the file gives, in the same order,
    // on the same data: ties, empty values, Turkish letters and characters that mean
    // something to a pattern or to SQL included.
    void catalogueSameRowsAsTheFile() {
        if (SunucuTest::yöneticiAdresi().isEmpty())
            QSKIP(SunucuTest::YokNedeni);
        VeritabanıKurulumu::oluştur(vtDosyası());
        VeritabanıKurulumu::örnekVeriDoldur(vtDosyası(), {4, 300, Bugün, 11});
        {
            auto vt = Veritabanı::OpenDatabase(vtDosyası());
            for (const char* konu : {"İSTİNAFÇ duruşması", "ılıkğ", "ILIKĞ", "ilikğ", "Zeytin",
                                     "zeytin", "%100 'tırnak' _x_", "Çağrı", "çağrı"})
                işEkle(*vt, konu);
            auto k = vt->OpenRecordset(Deyim::J7());
            k->AddNew(); // a job with nothing but its folder: empty date, time and texts
            k->alanYaz("Anahtari", "1-Anahtar");
            k->Update();
        }
        SunucuTest::GeçiciVeritabanı sunucu;
        SunucuTest::aktar(vtDosyası(), sunucu.adres());
        auto dosya = Veritabanı::OpenDatabase(vtDosyası());
        auto ağ = Veritabanı::OpenDatabase(sunucu.adres());
        QStringList deyimler = {Deyim::F1(), Deyim::J2(), Deyim::J4(Bugün), Deyim::J7(),
                                Deyim::J9(Bugün, QTime(23, 0))};
        for (const char* a : {"1-Anahtar", "2-Anahtar", "3-Anahtar", "Yok"})
            deyimler << Deyim::F3(a) << Deyim::J1(a) << Deyim::J3(Bugün, a);
        for (Deyim::Liste l : {Deyim::Liste::Hepsi, Deyim::Liste::Yapılanlar,
                               Deyim::Liste::Gecikenler, Deyim::Liste::Tarihteki})
            deyimler << Deyim::J13(l, Bugün);
        for (qint32 no : {1, 150, 301, 9999})
            deyimler << Deyim::J8(no);
        for (const char* aranan : {"istinafç", "ılıkğ", "ILIKĞ", "İlikğ", "zeytin", "%100",
                                   "'tırnak'", "_x_", "ÇAĞRI", "*", "?"})
            deyimler << Deyim::J14("IsinKonusu", aranan);
        deyimler << Deyim::J14("Aciklama", "a") << Deyim::J14("IsinYeri", "ş");
        for (const QString& d : deyimler)
            QVERIFY2(satırlar(*dosya, d) == satırlar(*ağ, d), qPrintable(d));
        // The Turkish pairs: I/ı and İ/i, and nothing else.
        const auto konular = [&](const QString& aranan) {
            QStringList k;
            for (const QString& s : satırlar(*ağ, Deyim::J14("IsinKonusu", aranan)))
                k << s.section(u'|', 4, 4);
            return k;
        };
        QCOMPARE(konular("istinafç"), QStringList{"İSTİNAFÇ duruşması"});
        QCOMPARE(konular("ılıkğ"), (QStringList{"ılıkğ", "ILIKĞ"}));
        QCOMPARE(konular("ILIKĞ"), (QStringList{"ılıkğ", "ILIKĞ"}));
        QCOMPARE(konular("İLİKĞ"), QStringList{"ilikğ"});
        QCOMPARE(konular("%100 'tırnak'"), QStringList{"%100 'tırnak' _x_"});
    }

    // The recordset's rules are the face's: the same numbers on either engine.
    void recordsetRules_data() { motorlar(); }
    void recordsetRules() {
        if (!hazırla())
            return;
        auto vt = Veritabanı::OpenDatabase(yer_);
        AnahtarSayacı sayaç;
        Klasörler::ekle(*vt, sayaç, Klasörler::KlasörAnahtarı);
        işEkle(*vt, "Bir");
        auto k = vt->OpenRecordset(Deyim::J7());
        QCOMPARE(hataNumarası([&] { k->Update(); }), VeritabanıHataNo::DüzenlemeYok);
        QCOMPARE(hataNumarası([&] { k->alan("Yok"); }), VeritabanıHataNo::AlanYok);
        k->Edit();
        QCOMPARE(hataNumarası([&] { k->alanYaz("IsinTarihi", "31.02.2026"); }),
                 VeritabanıHataNo::TürDönüşümü);
        QCOMPARE(hataNumarası([&] { k->alanYaz("IsNo", 5); }), VeritabanıHataNo::AlanGüncellenemez);
        k->alanYaz("IsinSaati", "7:05");
        k->alanYaz("IsYapildi", "Evet");
        k->Update();
        QCOMPARE(k->alan("IsinSaati").toTime(), QTime(7, 5));
        k->MoveNext();
        QVERIFY(k->Eof());
        QCOMPARE(hataNumarası([&] { k->MoveNext(); }), VeritabanıHataNo::GeçerliKayıtYok);
        auto okunan = vt->OpenRecordset(Deyim::J8(1));
        QCOMPARE(okunan->alan("IsinSaati").toTime(), QTime(7, 5));
        QCOMPARE(okunan->alan("IsYapildi").toBool(), true);
        QCOMPARE(okunan->alan("Hatirlatma").toBool(), false);
        QCOMPARE(okunan->alan("IsinTarihi").toDate(), Bugün);
        QCOMPARE(okunan->alan("IsinYeri"), QVariant());
        auto sayım = vt->OpenRecordset("SELECT count(*) AS Sayi FROM YapilacakIslerTablosu");
        QCOMPARE(hataNumarası([&] { sayım->AddNew(); }), VeritabanıHataNo::SaltOkunur);
        // A folder key is unique.
        auto f = vt->OpenRecordset(Deyim::F1());
        f->AddNew();
        f->alanYaz("Anahtari", "1-Anahtar");
        QCOMPARE(hataNumarası([&] { f->Update(); }), VeritabanıHataNo::YinelenenDeğer);
        // A text that looks like SQL is only a text.
        QVERIFY(
            vt->OpenRecordset(Deyim::J14("IsinKonusu", "'; DELETE FROM YapilacakIslerTablosu; --"))
                ->Eof());
        QCOMPARE(işSayısı(*vt), 1);
        // Nothing outside the program's two tables can be named.
        QVERIFY(hataNumarası([&] { vt->OpenRecordset("SELECT * FROM VeritabaniBilgileri"); }) !=
                    0 ||
                !sunucu_);
    }

    // Two computers: a row changed or deleted by the other after it was read is not
    // overwritten; nothing is written.
    void changedOrDeletedByTheOther_data() { motorlar(); }
    void changedOrDeletedByTheOther() {
        if (!hazırla())
            return;
        auto a = Veritabanı::OpenDatabase(yer_);
        auto b = Veritabanı::OpenDatabase(yer_);
        işEkle(*a, "Bir");
        işEkle(*a, "İki");
        auto ka = a->OpenRecordset(Deyim::J8(1));
        b->Execute(Deyim::J12(1, "16:00"));
        ka->Edit();
        ka->alanYaz("IsinKonusu", "A'nın");
        QCOMPARE(hataNumarası([&] { ka->Update(); }), VeritabanıHataNo::VeriDeğişti);
        QCOMPARE(b->OpenRecordset(Deyim::J8(1))->alan("IsinKonusu").toString(), QString("Bir"));
        auto kb = a->OpenRecordset(Deyim::J8(2));
        b->Execute(Deyim::J6(2));
        kb->Edit();
        kb->alanYaz("IsinKonusu", "A'nın");
        QCOMPARE(hataNumarası([&] { kb->Update(); }), VeritabanıHataNo::KayıtSilinmiş);
        QCOMPARE(hataNumarası([&] { kb->Delete(); }), VeritabanıHataNo::KayıtSilinmiş);
        QCOMPARE(işSayısı(*b), 1);
        // Both see the same identity; the other's writes change the stamp, one's own do not.
        QCOMPARE(a->kimlik(), b->kimlik());
        QCOMPARE(a->kimlik().size(), 32);
        const quint64 önce = a->değişiklikDamgası();
        işEkle(*a, "Üç");
        QCOMPARE(a->değişiklikDamgası(), önce);
        b->Execute(Deyim::J10(1));
        QTRY_VERIFY_WITH_TIMEOUT(a->değişiklikDamgası() != önce, 10000);
    }

    // A lock held by another computer longer than the wait: 3260 with the file's words, and
    // nothing written.
    void lockLongerThanTheWait() {
        if (SunucuTest::yöneticiAdresi().isEmpty())
            QSKIP(SunucuTest::YokNedeni);
        SunucuTest::GeçiciVeritabanı sunucu;
        auto vt = Veritabanı::OpenDatabase(sunucu.adres());
        işEkle(*vt, "Bir");
        const Sunucuİç::Bağlantı kilit = Sunucuİç::bağlan(sunucu.adres(), QString());
        Sunucuİç::çalıştır(kilit.get(), "BEGIN");
        Sunucuİç::çalıştır(kilit.get(), "SELECT * FROM \"YapilacakIslerTablosu\" FOR UPDATE");
        Veritabanıİç::beklemeSüresiniAyarla(300);
        try {
            vt->Execute(Deyim::J10(1));
            QFAIL("the write did not wait for the lock");
        } catch (const Hata& h) {
            QCOMPARE(h.numara(), VeritabanıHataNo::Meşgul);
            QVERIFY(h.açıklama().startsWith("Veritabanı şu anda başka bir bilgisayar"));
        }
        Sunucuİç::çalıştır(kilit.get(), "ROLLBACK");
        QCOMPARE(işSayısı(*vt, "WHERE IsYapildi=True"), 0);
        vt->Execute(Deyim::J10(1));
        QCOMPARE(işSayısı(*vt, "WHERE IsYapildi=True"), 1);
    }

    // The server ends the connection: the next step connects again by itself; a
    // transaction cut off in the middle leaves nothing of itself.
    void reconnectAfterTheConnectionIsDropped() {
        if (SunucuTest::yöneticiAdresi().isEmpty())
            QSKIP(SunucuTest::YokNedeni);
        SunucuTest::GeçiciVeritabanı sunucu;
        auto vt = Veritabanı::OpenDatabase(sunucu.adres());
        işEkle(*vt, "Bir");
        const quint64 önce = vt->değişiklikDamgası();
        SunucuTest::bağlantılarıKes(sunucu.ad());
        QCOMPARE(işSayısı(*vt), 1);
        // Notices may have been missed while the connection was down.
        QVERIFY(vt->değişiklikDamgası() != önce);
        const int hata = hataNumarası([&] {
            vt->işlem([&] {
                işEkle(*vt, "İki");
                SunucuTest::bağlantılarıKes(sunucu.ad());
                işEkle(*vt, "Üç");
            });
        });
        QCOMPARE(hata, HataNo::DiskVeyaAğHatası);
        QCOMPARE(işSayısı(*vt), 1);
        işEkle(*vt, "Dört");
        QCOMPARE(işSayısı(*vt), 2);
    }

    // The user's password goes to the server; a wrong or missing one gives the office key's
    // number, so that the connect window asks for it. The file's built-in password is never
    // sent. A user without the right to write is told so.
    void serverUsersAndPasswords() {
        if (SunucuTest::yöneticiAdresi().isEmpty())
            QSKIP(SunucuTest::YokNedeni);
        SunucuTest::GeçiciVeritabanı sunucu;
        const QString kullanıcı = sunucu.ad() + "_katip";
        SunucuTest::yönet(QString("DROP ROLE IF EXISTS %1; CREATE ROLE %1 LOGIN PASSWORD "
                                  "'KMZ1994'; GRANT SELECT ON ALL TABLES IN SCHEMA public TO %1")
                              .arg(kullanıcı),
                          sunucu.ad());
        const auto sil = qScopeGuard([&] {
            SunucuTest::yönet(QString("DROP OWNED BY %1; DROP ROLE %1").arg(kullanıcı),
                              sunucu.ad());
        });
        const QString adres = SunucuTest::adres(sunucu.ad(), kullanıcı);
        try {
            Sunucuİç::bağlan(adres, "yanlis");
            QSKIP("The test server lets users in without a password.");
        } catch (const Hata&) {
        }
        for (const QString& bağlantı : {Veritabanı::BağlantıMetni, QString(";Pwd=yanlis")}) {
            try {
                Veritabanı::OpenDatabase(adres, false, false, bağlantı);
                QFAIL("opened with a wrong password");
            } catch (const Hata& h) {
                QCOMPARE(h.numara(), BüroAnahtarı::AnahtarHatası);
                QCOMPARE(h.açıklama(), QString("Kullanıcı adı veya parola geçersiz."));
            }
        }
        SunucuTest::yönet(QString("ALTER ROLE %1 PASSWORD 'doğru;parola'").arg(kullanıcı));
        auto vt = Veritabanı::anahtarlaAç(adres, "doğru;parola");
        QCOMPARE(işSayısı(*vt), 0);
        try {
            işEkle(*vt, "Bir");
            QFAIL("a user who may only read wrote");
        } catch (const Hata& h) {
            QCOMPARE(h.numara(), HataNo::DosyaAçılamıyor);
            QVERIFY(h.açıklama().contains("yetkisi yok"));
        }
    }

    // The tool makes the schema once and checks it with the file's words.
    void toolOnAServer() {
        if (SunucuTest::yöneticiAdresi().isEmpty())
            QSKIP(SunucuTest::YokNedeni);
        SunucuTest::GeçiciVeritabanı sunucu;
        QString çıktı;
        QCOMPARE(araç({"olustur", sunucu.adres()}, &çıktı), 1);
        QVERIFY2(çıktı.contains("3204"), qPrintable(çıktı));
        QCOMPARE(araç({"denetle", sunucu.adres()}, &çıktı), 0);
        QVERIFY2(!çıktı.contains("Uyarı"), qPrintable(çıktı));
        SunucuTest::yönet("ALTER TABLE \"YapilacakIslerTablosu\" DROP COLUMN \"IsinYeri\"; "
                          "ALTER TABLE \"YapilacakIslerTablosu\" ALTER \"Aciklama\" TYPE integer "
                          "USING 0",
                          sunucu.ad());
        QCOMPARE(araç({"denetle", sunucu.adres()}, &çıktı), 1);
        QVERIFY2(çıktı.contains("YapilacakIslerTablosu tablosunda eksik alanlar: IsinYeri"),
                 qPrintable(çıktı));
        QVERIFY2(çıktı.contains("değerlerini tutamayan alanlar: Aciklama (integer)"),
                 qPrintable(çıktı));
        QCOMPARE(hataNumarası([&] { Veritabanı::OpenDatabase(sunucu.adres()); }),
                 HataNo::VeritabanıDeğil);
    }
    // Moving an office to a server: every row as in the file with its job number, the counter
    // past the largest one, the same identity, the file untouched; a full target is refused.
    void toolMovesAFileToAServer() {
        if (SunucuTest::yöneticiAdresi().isEmpty())
            QSKIP(SunucuTest::YokNedeni);
        VeritabanıKurulumu::oluştur(vtDosyası());
        VeritabanıKurulumu::örnekVeriDoldur(vtDosyası(), {3, 8, Bugün, 5});
        {
            auto vt = Veritabanı::OpenDatabase(vtDosyası());
            işEkle(*vt, "Av. O'Neil'ın 'İSTİNAF' dilekçesi; ğüşıöç");
            auto k = vt->OpenRecordset(Deyim::J7());
            k->AddNew(); // no date, no time, no texts
            k->alanYaz("Anahtari", "2-Anahtar");
            k->alanYaz("Hatirlatma", true);
            k->alanYaz("IsYapildi", true);
            k->Update();
            vt->Execute("DELETE FROM YapilacakIslerTablosu WHERE IsNo = 4");
        }
        QFile f(vtDosyası());
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray önce = f.readAll();
        f.close();
        SunucuTest::GeçiciVeritabanı sunucu;
        QString çıktı;
        QCOMPARE(araç({"tasi", vtKökü(), sunucu.adres()}, &çıktı), 0);
        QVERIFY2(çıktı.contains("3 klasör ve 9 iş taşındı: postgresql://"), qPrintable(çıktı));
        auto dosya = Veritabanı::OpenDatabase(vtDosyası());
        auto ağ = Veritabanı::OpenDatabase(sunucu.adres());
        for (const QString& d : {Deyim::F1(), Deyim::J2(), Deyim::J7()})
            QVERIFY2(satırlar(*dosya, d) == satırlar(*ağ, d), qPrintable(d));
        QVERIFY(satırlar(*ağ, Deyim::J7()).join('\n').contains("O'Neil'ın 'İSTİNAF'"));
        QCOMPARE(işSayısı(*ağ, "WHERE IsNo = 4"), 0);
        QCOMPARE(işEkle(*ağ, "Sonraki"), 11);
        QCOMPARE(ağ->kimlik(), dosya->kimlik());
        dosya.reset();
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), önce);

        const QStringList sonra = satırlar(*ağ, Deyim::J7());
        QCOMPARE(araç({"tasi", vtKökü(), sunucu.adres()}, &çıktı), 1);
        QVERIFY2(çıktı.contains("3204") && çıktı.contains("hiçbir şey yazılmadı"),
                 qPrintable(çıktı));
        QCOMPARE(satırlar(*ağ, Deyim::J7()), sonra);
    }
};

TARVELA_TEST_MAIN(MotorTest)
#include "MotorTest.moc"
