#include "TestOrtami.h"

#include "jobentry/GirisGecmisi.h"
#include "jobentry/IlkHarfler.h"
#include "settings/AyarDeposu.h"

namespace {
// The sections as the settings store names them.
const QString Konular = QStringLiteral("Yapilacak Is Bilgileri\\Konular");
const QString Yerler = QStringLiteral("Yapilacak Is Bilgileri\\Yerler");
const QString Sayılar = QStringLiteral("Yapilacak Is Bilgileri\\Sayilar");

QStringList saklananlar(const QString& bölüm) {
    QStringList sonuç;
    for (const auto& [anahtar, değer] : AyarDeposu::GetAllSettings(bölüm))
        sonuç << anahtar + u'=' + değer;
    return sonuç;
}
} // namespace

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
        QTest::newRow("büyük İ") << "İSTANBUL"
                                 << "İSTANBUL";
        QTest::newRow("ili") << "ANKARA İLİ"
                             << "ANKARA İLi";
        QTest::newRow("kadıköy") << "KADIKÖY"
                                 << "KADıKÖY";
        QTest::newRow("ışık") << "ışık"
                              << "Işık";
        QTest::newRow("iğne") << "iğne"
                              << "İğne";
        QTest::newRow("dava no") << "dava no:123/a"
                                 << "Dava No:123/A";
        QTest::newRow("türkçe harfler") << "çay şeker öğün ünlü"
                                        << "Çay Şeker Öğün Ünlü";
        QTest::newRow("sonda ayırıcı") << "a-"
                                       << "A-";
        QTest::newRow("boş") << ""
                             << "";
        QTest::newRow("yalnız boşluk") << "   "
                                       << "";
    }
    void capitalisation() {
        QFETCH(QString, girdi);
        QFETCH(QString, beklenen);
        QCOMPARE(İlkHarfleriBüyüt(girdi), beklenen);
    }

    // Below the cap the new entry goes on top on screen and to the end of the store.
    void belowCapAddsOnTopAndStoresAtEnd() {
        AyarDeposu::SaveSetting(Konular, "Sira-1", "A");
        AyarDeposu::SaveSetting(Konular, "Sira-2", "B");
        GirişGeçmişi g(Konular);
        g.yükle();
        QCOMPARE(g.liste(), QStringList({"A", "B"}));
        QVERIFY(g.ekle("X", 3));
        QCOMPARE(g.liste(), QStringList({"X", "A", "B"}));
        QCOMPARE(saklananlar(Konular), QStringList({"Sira-1=A", "Sira-2=B", "Sira-3=X"}));

        // At the cap the last entry drops out and the section is rewritten from the screen.
        QVERIFY(g.ekle("Y", 3));
        QCOMPARE(g.liste(), QStringList({"Y", "X", "A"}));
        QCOMPARE(saklananlar(Konular), QStringList({"Sira-1=Y", "Sira-2=X", "Sira-3=A"}));

        // Known entries in any letter case, and empty ones, change nothing.
        for (const QString& t : QStringList{"y", "x", "a", ""})
            QVERIFY(!g.ekle(t, 3));
        QCOMPARE(g.liste(), QStringList({"Y", "X", "A"}));

        // A reload shows the stored order.
        GirişGeçmişi yeniden(Konular);
        yeniden.yükle();
        QCOMPARE(yeniden.liste(), QStringList({"Y", "X", "A"}));
    }

    void turkishCaseMatching() {
        GirişGeçmişi g(Yerler);
        QVERIFY(g.ekle("KADıKÖY", 5));
        QVERIFY(g.içerir("kadıköy"));
        QVERIFY(g.içerir("Kadıköy"));
        QVERIFY(g.ekle("İzmir", 5));
        QVERIFY(g.içerir("izmir"));
        // Dotless and dotted i are different letters.
        QVERIFY(!g.içerir("ızmir"));
        QVERIFY(!g.içerir("kadiköy"));
    }

    void zeroOrLoweredCapRemembersNothing() {
        GirişGeçmişi sıfır(Sayılar);
        QVERIFY(!sıfır.ekle("2026/15", 0));
        QVERIFY(sıfır.liste().isEmpty());
        QVERIFY(AyarDeposu::GetAllSettings(Sayılar).isEmpty());

        for (int i = 1; i <= 4; ++i)
            AyarDeposu::SaveSetting(Sayılar, GirişGeçmişi::anahtar(i), QString::number(i));
        GirişGeçmişi g(Sayılar);
        g.yükle();
        QVERIFY(!g.ekle("yeni", 2));
        QCOMPARE(g.liste(), QStringList({"1", "2", "3", "4"}));
        QCOMPARE(AyarDeposu::GetAllSettings(Sayılar).size(), 4);
    }
};

TARVELA_TEST_MAIN(GirisGecmisiTest)
#include "GirisGecmisiTest.moc"
