#include "TestOrtami.h"

#include "controls/Hata.h"
#include "database/SunucuListesi.h"
#include "settings/AyarDeposu.h"

namespace {
QStringList saklananlar() {
    QStringList satırlar;
    for (const auto& [anahtar, değer] : AyarDeposu::GetAllSettings("Sunucular"))
        satırlar << anahtar + "=" + değer;
    return satırlar;
}

void sakla(const QStringList& klasörler) {
    for (int i = 0; i < klasörler.size(); ++i)
        AyarDeposu::SaveSetting("Sunucular", SunucuAnahtarı(i + 1), klasörler.at(i));
}
} // namespace

class SunucuListesiTest : public QObject {
    Q_OBJECT
private slots:
    void init() { TestOrtami::sıfırla(); }

    // The store's numeric key order, and positions past either end falling back to 0 at
    // start-up while the change-server window selects nothing for them.
    void positions() {
        for (int i : {10, 2, 1})
            AyarDeposu::SaveSetting("Sunucular", SunucuAnahtarı(i), QString("/s%1").arg(i));
        const SunucuListesi liste = SunucuListesi::yükle();
        QCOMPARE(liste.klasörler(), QStringList({"/s1", "/s2", "/s10"}));
        QCOMPARE(liste.kullanılacakKonum(), 0);
        QCOMPARE(liste.seçilecekKonum(), 0);
        const QList<QPair<QString, QPair<int, int>>> durumlar = {
            {"2", {2, 2}}, {"3", {0, -1}}, {"7", {0, -1}}, {"-1", {0, -1}}};
        for (const auto& [değer, beklenen] : durumlar) {
            AyarDeposu::SaveSetting("Ayarlar", "Veritabani", değer);
            QCOMPARE(liste.kullanılacakKonum(), beklenen.first);
            QCOMPARE(liste.seçilecekKonum(), beklenen.second);
        }
        AyarDeposu::SaveSetting("Ayarlar", "Veritabani", "iki");
        QVERIFY_THROWS_EXCEPTION(Hata, liste.kullanılacakKonum());
        QCOMPARE(SunucuListesi().seçilecekKonum(), -1);
    }

    // Below four a folder already listed (in any case, as a whole entry) is selected; at four
    // a new folder takes the fourth place and one already listed selects the fourth; above
    // four (a list made longer by hand) the last entry is selected and nothing added.
    void lookupAndOverlongLists() {
        sakla({"/srv/a", "/srv/b"});
        SunucuListesi liste = SunucuListesi::yükle();
        QCOMPARE(liste.yeniSunucuSeç("/SRV/B"), 1);
        QCOMPARE(liste.bul("/srv"), -1);
        QCOMPARE(liste.yeniSunucuSeç("/srv"), 2);
        QCOMPARE(saklananlar(),
                 QStringList({"Sunucu-1=/srv/a", "Sunucu-2=/srv/b", "Sunucu-3=/srv"}));

        sakla({"/a", "/b", "/c", "/d"});
        SunucuListesi dört = SunucuListesi::yükle();
        QCOMPARE(dört.yeniSunucuSeç("/e"), 3);
        QCOMPARE(dört.yeniSunucuSeç("/a"), 3);
        QCOMPARE(saklananlar(),
                 QStringList({"Sunucu-1=/a", "Sunucu-2=/b", "Sunucu-3=/c", "Sunucu-4=/e"}));

        sakla({"/a", "/b", "/c", "/d", "/e"});
        SunucuListesi uzun = SunucuListesi::yükle();
        QCOMPARE(uzun.yeniSunucuSeç("/f"), 4);
        QCOMPARE(uzun.yeniSunucuSeç("/a"), 4);
        QCOMPARE(saklananlar().size(), 5);
    }

    // Keys with a gap: adding must not overwrite a stored folder, a rewrite leaves no stale
    // key behind, and keys not running 1..n are written again as 1..n before a position is
    // stored.
    void gapsInTheKeys() {
        AyarDeposu::SaveSetting("Sunucular", "Sunucu-1", "/a");
        AyarDeposu::SaveSetting("Sunucular", "Sunucu-2", "/b");
        AyarDeposu::SaveSetting("Sunucular", "Sunucu-3", "/c");
        AyarDeposu::SaveSetting("Sunucular", "Sunucu-7", "/g");
        SunucuListesi liste = SunucuListesi::yükle();
        QCOMPARE(liste.yeniSunucuSeç("/e"), 3);
        QCOMPARE(saklananlar(),
                 QStringList({"Sunucu-1=/a", "Sunucu-2=/b", "Sunucu-3=/c", "Sunucu-4=/e"}));

        TestOrtami::sıfırla();
        AyarDeposu::SaveSetting("Sunucular", "Sunucu-1", "/a");
        AyarDeposu::SaveSetting("Sunucular", "Sunucu-3", "/c");
        liste = SunucuListesi::yükle();
        QCOMPARE(liste.ekle("/n"), 2);
        QCOMPARE(saklananlar(), QStringList({"Sunucu-1=/a", "Sunucu-2=/c", "Sunucu-3=/n"}));

        TestOrtami::sıfırla();
        AyarDeposu::SaveSetting("Sunucular", "Sunucu-3", "/c");
        AyarDeposu::SaveSetting("Sunucular", "Sunucu-7", "/g");
        SunucuListesi::yükle().anahtarlarıDüzelt();
        QCOMPARE(saklananlar(), QStringList({"Sunucu-1=/c", "Sunucu-2=/g"}));
    }
};

TARVELA_TEST_MAIN(SunucuListesiTest)
#include "SunucuListesiTest.moc"
