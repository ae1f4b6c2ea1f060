#include "TestOrtami.h"

#include "controls/Modal.h"
#include "controls/ProgramSaati.h"
#include "jobentry/GirisGecmisi.h"
#include "jobentry/IlkHarfler.h"
#include "jobentry/KayitDenetimi.h"
#include "jobentry/TakvimFormu.h"
#include "settings/AyarDeposu.h"

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

using namespace KayıtDenetimi;

namespace {
QStringList saklanan(const QString& bölüm) {
    QStringList l;
    for (const auto& [anahtar, değer] : AyarDeposu::GetAllSettings(bölüm))
        l << anahtar + "=" + değer;
    return l;
}

// Shows the picker on the start date, its window active, lets the handler act in it, and
// returns the result.
QString seç(const QString& başlangıç, const std::function<void(TakvimFormu*)>& iş) {
    ModalTest::sıradaki([iş](QDialog* d) {
        d->activateWindow();
        if (!QTest::qWaitForWindowActive(d))
            qWarning("takvim penceresi etkin değil");
        iş(dynamic_cast<TakvimFormu*>(d));
    });
    return TakvimdenTarihSeç(nullptr, başlangıç);
}

void ayıTıkla(TakvimFormu* t, int ay) {
    QListWidget* liste = t->ayKutusu();
    QTest::mouseClick(liste->viewport(), Qt::LeftButton, {},
                      liste->visualItemRect(liste->item(ay - 1)).center());
}
} // namespace

// The rules of the job entry (save checks, entry histories, capitalisation) and the date
// picker.
class IsGirisiTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        TestOrtami::sıfırla();
        ProgramSaati::ayarla(QDateTime(QDate(2026, 12, 6), QTime(10, 0)));
    }

    // The save checks of the entry window: which boxes, in which order. Each box is written
    // as "?" (question) or "!" (information), the box that takes the focus (T date, S hour,
    // K subject, H reminder) and the start of its text.
    void checksInOrder_data() {
        QTest::addColumn<QDate>("tarih");
        QTest::addColumn<int>("saat");
        QTest::addColumn<int>("dakika");
        QTest::addColumn<QString>("konu");
        QTest::addColumn<bool>("yapıldı");
        QTest::addColumn<QStringList>("beklenen");
        const QDate bugün(2026, 12, 6), dün(2026, 12, 5), yarın(2026, 12, 7);
        QTest::newRow("no date stops first")
            << QDate() << -1 << -1 << "" << false << QStringList{"!T Lütfen, işin TARİHİ"};
        QTest::newRow("past date, no hour")
            << dün << -1 << -1 << "x" << false
            << QStringList{"?T GEÇMİŞ TARİHLİ", "!S Lütfen, işin SAATİ"};
        QTest::newRow("past date of a done job") << dün << 9 << 0 << "x" << true << QStringList{};
        QTest::newRow("earlier today, done") << bugün << 9 << 0 << "x" << true << QStringList{};
        QTest::newRow("minute unset counts as 00")
            << bugün << 14 << -1 << "x" << false
            << QStringList{"?S GEÇMİŞ ZAMANLI", "?H 'İŞ HATIRLATILSIN'"};
        QTest::newRow("this minute is past by its seconds")
            << bugün << 14 << 35 << " " << false
            << QStringList{"?S GEÇMİŞ ZAMANLI", "!K Lütfen, işin KONUSU"};
        QTest::newRow("next minute, blank subject")
            << bugün << 14 << 36 << "  " << false << QStringList{"!K Lütfen, işin KONUSU"};
        QTest::newRow("future without reminder")
            << yarın << 9 << 0 << "x" << false << QStringList{"?H 'İŞ HATIRLATILSIN'"};
    }
    void checksInOrder() {
        QFETCH(QDate, tarih);
        QFETCH(int, saat);
        QFETCH(int, dakika);
        QFETCH(QString, konu);
        QFETCH(bool, yapıldı);
        QFETCH(QStringList, beklenen);
        const Girdi g{
            tarih, saat, dakika, konu, yapıldı, false, QDate(2026, 12, 6), QTime(14, 35, 20, 500)};
        QStringList bulunan;
        for (const Uyarı& u : uyarılar(g))
            bulunan << QString(u.soru ? "?" : "!") + "TSKH"[int(u.kutu)] + ' ' +
                           u.metin.left(beklenen.value(bulunan.size()).size() - 3);
        QCOMPARE(bulunan, beklenen);
        // Ticking the reminder removes only the reminder question, whose default is No.
        Girdi hatırlatmalı = g;
        hatırlatmalı.hatırlatma = true;
        const auto a = uyarılar(g), b = uyarılar(hatırlatmalı);
        QCOMPARE(a.size() - b.size(), qsizetype(beklenen.contains("?H 'İŞ HATIRLATILSIN'")));
        for (const Uyarı& u : a)
            QCOMPARE(u.evetVarsayılan, u.kutu != Kutu::Hatırlatma);
    }

    void capitalisation() {
        // Words typed in capitals keep every letter; mixed-case words follow the rule.
        const QList<std::pair<QString, QString>> örnekler = {
            {"istanbul ırmak ılıca", "İstanbul Irmak Ilıca"},
            {"a/b-c.d", "A/B-C.D"},
            {"  ahmet  ", "Ahmet"},
            {" 3. ASLİYE HUKUK MAHKEMESİ", "3. ASLİYE HUKUK MAHKEMESİ"},
            {"KADIKöy İLİ-iSTANBUL", "KADıKöy İLİ-İSTANBUL"},
            {"a-", "A-"},
            {"   ", ""},
            // A capital İ in a mixed-case word keeps its dot.
            {"İcra dairesi", "İcra Dairesi"},
            {"İTİRAZ ve İstinaf", "İTİRAZ Ve İstinaf"},
            // The part before an apostrophe without a small letter stays as typed (a proper
            // name in capitals); its suffix follows the rule.
            {"İZMİR'de keşif", "İZMİR'de Keşif"},
            {"İZMİR’de keşif", "İZMİR’de Keşif"},
            {"KADIKÖY’de duruşma", "KADIKÖY’de Duruşma"},
            {"KADIKÖY'İN icra dairesi", "KADIKÖY'İN İcra Dairesi"},
            {"ANKARA’dakİ iş", "ANKARA’daki İş"},
            {"istanbul'da O'NUN", "İstanbul'da O'NUN"},
            {"Kadıköy'de", "Kadıköy'de"},
            {"2026'da", "2026'da"},
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

    void monthGrid() {
        const TakvimAyı şubat(2027, 2);
        QCOMPARE(şubat.gün(0), 1);
        QCOMPARE(şubat.gün(27), 28);
        for (int i = 28; i < TakvimAyı::HücreSayısı; ++i)
            QCOMPARE(şubat.gün(i), 0);
        const TakvimAyı mart(2026, 3);
        QCOMPARE(mart.gün(5), 0);
        QCOMPARE(mart.gün(6), 1);
        QCOMPARE(mart.gün(36), 31);
        // A day the month lacks selects day 1.
        const TakvimAyı nisan(2026, 4);
        QCOMPARE(nisan.hücre(31), nisan.hücre(1));
    }

    void cellsAndClicks() {
        const QString sonuç = seç("15.02.2027", [](TakvimFormu* t) {
            QCOMPARE(t->yılKutusu()->currentText(), QString("2027"));
            QCOMPARE(t->seçilenTarihEtiketi()->text(), QString("15.02.2027"));
            // An empty cell cannot be chosen; a day can.
            QTest::mouseClick(t->günEtiketi(30), Qt::LeftButton);
            QCOMPARE(t->SeçilenTarih, QString("15.02.2027"));
            QTest::mouseClick(t->günEtiketi(2), Qt::LeftButton);
            QCOMPARE(t->seçilenTarihÇerçevesi()->x(), t->günEtiketi(2)->x());
            QTest::mouseClick(t->tamamDüğmesi(), Qt::LeftButton);
        });
        QCOMPARE(sonuç, QString("03.02.2027"));
    }

    void choosingMonthOrYearKeepsTheDayOrFallsBackToDayOne() {
        QCOMPARE(seç("31.03.2026",
                     [](TakvimFormu* t) {
                         QCOMPARE(t->günEtiketi(36)->text(), QString("31"));
                         ayıTıkla(t, 4);
                         QCOMPARE(t->SeçilenTarih, QString("01.04.2026"));
                         ayıTıkla(t, 5);
                         t->tamamDüğmesi()->click();
                     }),
                 QString("01.05.2026"));
        QCOMPARE(seç("29.02.2028",
                     [](TakvimFormu* t) {
                         t->yılKutusu()->setFocus();
                         QTest::keyClick(t->yılKutusu(), Qt::Key_Down);
                         t->tamamDüğmesi()->click();
                     }),
                 QString("01.02.2029"));
    }

    void arrowKeysStayInTheMonth() {
        QCOMPARE(seç("29.04.2026",
                     [](TakvimFormu* t) {
                         QWidget* altlık = t->altlık();
                         QCOMPARE(t->focusWidget(), altlık);
                         QTest::keyClick(altlık, Qt::Key_Right);
                         QTest::keyClick(altlık, Qt::Key_Right);
                         QTest::keyClick(altlık, Qt::Key_Down);
                         QCOMPARE(t->SeçilenTarih, QString("30.04.2026"));
                         QTest::keyClick(altlık, Qt::Key_Up);
                         QTest::keyClick(altlık, Qt::Key_Left);
                         QTest::keyClick(altlık, Qt::Key_Return);
                     }),
                 QString("22.04.2026"));
        QCOMPARE(seç("01.04.2026",
                     [](TakvimFormu* t) {
                         QTest::keyClick(t->altlık(), Qt::Key_Up);
                         QTest::keyClick(t->altlık(), Qt::Key_Left);
                         QTest::keyClick(t->altlık(), Qt::Key_Enter);
                     }),
                 QString("01.04.2026"));
    }

    // The cancel button (after a click on a day), Esc and the title bar all return nothing.
    void cancelReturnsEmpty() {
        const std::function<void(TakvimFormu*)> vazgeç[] = {
            [](TakvimFormu* t) {
                QTest::mouseClick(t->günEtiketi(10), Qt::LeftButton);
                QTest::mouseClick(t->iptalDüğmesi(), Qt::LeftButton);
            },
            [](TakvimFormu* t) { QTest::keyClick(t->altlık(), Qt::Key_Escape); },
            [](TakvimFormu* t) { t->close(); }};
        for (const auto& iş : vazgeç)
            QCOMPARE(seç("10.10.2026", iş), QString());
    }

    void todayAndUnshowableYears() {
        QCOMPARE(seç("01.01.1899", [](TakvimFormu* t) { t->tamamDüğmesi()->click(); }),
                 QString("06.12.2026"));
        QCOMPARE(seç("31.12.2100",
                     [](TakvimFormu* t) {
                         QTest::mouseClick(t->bugüneGitDüğmesi(), Qt::LeftButton);
                         QCOMPARE(t->ayKutusu()->currentRow(), 11);
                         t->tamamDüğmesi()->click();
                     }),
                 QString("06.12.2026"));
    }
};

TARVELA_TEST_MAIN(IsGirisiTest)
#include "IsGirisiTest.moc"
