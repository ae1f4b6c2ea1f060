#include "TestOrtami.h"

#include "jobentry/GirisGecmisi.h"
#include "jobentry/IlkHarfler.h"
#include "settings/AyarDeposu.h"

namespace {
QStringList saklanan(const QString& bölüm) {
    QStringList l;
    for (const auto& [anahtar, değer] : AyarDeposu::GetAllSettings(bölüm))
        l << anahtar + "=" + değer;
    return l;
}
} // namespace

class GirisGecmisiTest : public QObject {
    Q_OBJECT
private slots:
    void init() { TestOrtami::sıfırla(); }

    void capitalisation() {
        // Words typed in capitals keep every letter; mixed-case words follow the rule.
        const QList<std::pair<QString, QString>> örnekler = {
            {"ali veli", "Ali Veli"},
            {"istanbul ırmak ılıca", "İstanbul Irmak Ilıca"},
            {"a/b-c.d", "A/B-C.D"},
            {"  ahmet  ", "Ahmet"},
            {" 3. ASLİYE HUKUK MAHKEMESİ", "3. ASLİYE HUKUK MAHKEMESİ"},
            {"2026/154 E.", "2026/154 E."},
            {"KADIKÖY adliyesi", "KADIKÖY Adliyesi"},
            {"KADIKöy İLİ-iSTANBUL", "KADıKöy İLİ-İSTANBUL"},
            {"dava no:123/a", "Dava No:123/A"},
            {"çay şeker öğün ünlü", "Çay Şeker Öğün Ünlü"},
            {"a-", "A-"},
            {"   ", ""},
        };
        for (const auto& [girdi, beklenen] : örnekler)
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

    // Below the cap a new entry goes on top and to the end of the section; at the cap the
    // last one drops out and the section is rewritten in the list's order.
    void capRollsTheOldestOut() {
        const QString bölüm = "Yapilacak Is Bilgileri\\Konular";
        AyarDeposu::SaveSetting(bölüm, "Sira-1", "A");
        AyarDeposu::SaveSetting(bölüm, "Sira-2", "B");
        GirişGeçmişi g(bölüm);
        g.yükle();
        QVERIFY(g.ekle("X", 3));
        QCOMPARE(g.liste(), QStringList({"X", "A", "B"}));
        QCOMPARE(saklanan(bölüm), QStringList({"Sira-1=A", "Sira-2=B", "Sira-3=X"}));
        QVERIFY(!g.ekle("b", 3));
        QVERIFY(g.ekle("Y", 3));
        QCOMPARE(g.liste(), QStringList({"Y", "X", "A"}));
        QCOMPARE(saklanan(bölüm), QStringList({"Sira-1=Y", "Sira-2=X", "Sira-3=A"}));
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
