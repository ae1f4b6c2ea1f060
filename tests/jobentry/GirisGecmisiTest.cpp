#include "TestOrtami.h"

#include "jobentry/GirisGecmisi.h"
#include "jobentry/IlkHarfler.h"
#include "settings/AyarDeposu.h"

class GirisGecmisiTest : public QObject {
    Q_OBJECT
private slots:
    void init() { TestOrtami::sıfırla(); }

    void capitalisation_data() {
        QTest::addColumn<QString>("girdi");
        QTest::addColumn<QString>("beklenen");
        QTest::newRow("kelimeler") << "ali veli"
                                   << "Ali Veli";
        QTest::newRow("noktalı i") << "istanbul izmir"
                                   << "İstanbul İzmir";
        QTest::newRow("noktasız ı") << "ırmak ılıca"
                                    << "Irmak Ilıca";
        QTest::newRow("ayırıcılar") << "a/b-c.d"
                                    << "A/B-C.D";
        QTest::newRow("boşluklar") << "  ahmet  "
                                   << "Ahmet";
        // Words typed in capitals keep every letter; mixed-case words follow the rule.
        QTest::newRow("ili") << "ANKARA İLİ"
                             << "ANKARA İLİ";
        QTest::newRow("mahkeme") << " 3. ASLİYE HUKUK MAHKEMESİ"
                                 << "3. ASLİYE HUKUK MAHKEMESİ";
        QTest::newRow("esas no") << "2026/154 E."
                                 << "2026/154 E.";
        QTest::newRow("büyük ve küçük") << "KADIKÖY adliyesi"
                                        << "KADIKÖY Adliyesi";
        QTest::newRow("karışık") << "KADIKöy İLİ-iSTANBUL"
                                 << "KADıKöy İLİ-İSTANBUL";
        QTest::newRow("dava no") << "dava no:123/a"
                                 << "Dava No:123/A";
        QTest::newRow("türkçe harfler") << "çay şeker öğün ünlü"
                                        << "Çay Şeker Öğün Ünlü";
        QTest::newRow("sonda ayırıcı") << "a-"
                                       << "A-";
        QTest::newRow("yalnız boşluk") << "   "
                                       << "";
    }
    void capitalisation() {
        QFETCH(QString, girdi);
        QFETCH(QString, beklenen);
        QCOMPARE(İlkHarfleriBüyüt(girdi), beklenen);
    }

    void knownEntriesInTurkishCase() {
        GirişGeçmişi g("Yapilacak Is Bilgileri\\Yerler");
        QVERIFY(g.ekle("KADıKÖY", 5));
        QVERIFY(g.ekle("İzmir", 5));
        QVERIFY(g.içerir("kadıköy") && g.içerir("Kadıköy") && g.içerir("izmir"));
        // Dotless and dotted i are different letters.
        QVERIFY(!g.içerir("ızmir") && !g.içerir("kadiköy"));
    }

    // A cap of 0, or one lowered below the stored count, remembers nothing new.
    void zeroOrLoweredCap() {
        const QString bölüm = "Yapilacak Is Bilgileri\\Sayilar";
        GirişGeçmişi sıfır(bölüm);
        QVERIFY(!sıfır.ekle("2026/15", 0));
        QVERIFY(sıfır.liste().isEmpty() && AyarDeposu::GetAllSettings(bölüm).isEmpty());

        for (int i = 1; i <= 4; ++i)
            AyarDeposu::SaveSetting(bölüm, GirişGeçmişi::anahtar(i), QString::number(i));
        GirişGeçmişi g(bölüm);
        g.yükle();
        QVERIFY(!g.ekle("yeni", 2));
        QCOMPARE(g.liste(), QStringList({"1", "2", "3", "4"}));
        QCOMPARE(AyarDeposu::GetAllSettings(bölüm).size(), 4);
    }
};

TARVELA_TEST_MAIN(GirisGecmisiTest)
#include "GirisGecmisiTest.moc"
