#include "AnaFormTestDestegi.h"
#include "TestOrtami.h"

#include "controls/MesajKutusu.h"
#include "database/Deyimler.h"
#include "lists/IsListesiModeli.h"
#include "mainwindow/AnaForm.h"
#include "mainwindow/AnaFormDenetimleri.h"

#include <QLabel>
#include <QLineEdit>
#include <QMenu>

using namespace AnaFormTest;

namespace {
// The folder's name as stored.
QString adı(const QString& anahtar) {
    return ilkAlan(Deyim::F3(anahtar), QStringLiteral("Adi")).toString();
}
int klasörSayısı() {
    return satırSayısı(Deyim::F1());
}
int işSayısı(const QString& anahtar) {
    return satırSayısı(Deyim::J1(anahtar));
}

QLineEdit* düzenleyici(AnaForm& form) {
    for (QLineEdit* e : form.KlasörListesi->viewport()->findChildren<QLineEdit*>())
        if (e->isVisible())
            return e;
    return nullptr;
}

void sağTıkla(AnaForm& form, const QPoint& konum) {
    QWidget* yüzey = form.KlasörListesi->viewport();
    QTest::mousePress(yüzey, Qt::RightButton, {}, konum);
    QTest::mouseRelease(yüzey, Qt::RightButton, {}, konum);
}
} // namespace

class KlasorAgaciTest : public QObject {
    Q_OBJECT
private slots:
    void init() { TestOrtami::sıfırla(); }

    void loadingChoosingAndMenus() {
        yeniVeritabanı();
        klasörEkle("3-Anahtar", "Klasor", "Davalar");
        klasörEkle("12-Anahtar", "3-Anahtar", "İcra");
        klasörEkle("7-Anahtar", "12-Anahtar", "Ankara");
        klasörEkle("9-Anahtar", "44-Anahtar", "Yetim");
        klasörEkle("5-Anahtar", "Klasor", "Danışmanlık");
        işEkle("5-Anahtar", QDate(2026, 12, 1), QTime(9, 0), "Duruşma");
        işEkle("5-Anahtar", QDate(2026, 12, 2), QTime(9, 0), "Keşif");
        auto form = yeniForm();

        KlasörAğacı* ağaç = form->KlasörListesi;
        QCOMPARE(ağaç->topLevelItemCount(), 1);
        QTreeWidgetItem* klasörlerim = düğüm(*form, "Klasor");
        QCOMPARE(klasörlerim->parent(), ağaç->topLevelItem(0));
        QCOMPARE(ağaç->currentItem(), klasörlerim);
        QVERIFY(klasörlerim->isExpanded());
        QCOMPARE(düğüm(*form, "7-Anahtar")->parent(), düğüm(*form, "12-Anahtar"));
        QCOMPARE(düğüm(*form, "12-Anahtar")->parent(), düğüm(*form, "3-Anahtar"));
        QCOMPARE(düğüm(*form, "3-Anahtar")->text(0), QString("Davalar"));
        // The row whose parent is missing is reported and left out; the rows after it load.
        QVERIFY(!ağaç->anahtarlıDüğüm("9-Anahtar"));
        QCOMPARE(düğüm(*form, "5-Anahtar")->parent(), klasörlerim);
        QCOMPARE(MesajKutusuTest::kayıtlar().size(), 1);
        QVERIFY(MesajKutusuTest::son().metin.contains("Hata Kodu: 35601"));

        // A folder shows image 4 only while it is expanded; "Klasörlerim" keeps its own.
        auto resmi = [&](QTreeWidgetItem* d, int no) {
            return d->icon(0).cacheKey() == form->KlasörListesiSimgeleri[no - 1].cacheKey();
        };
        QTreeWidgetItem* davalar = düğüm(*form, "3-Anahtar");
        davalar->setExpanded(true);
        QVERIFY(resmi(davalar, 4));
        davalar->setExpanded(false);
        QVERIFY(resmi(davalar, 3));
        klasörlerim->setExpanded(false);
        klasörlerim->setExpanded(true);
        QVERIFY(resmi(klasörlerim, 2));

        // Choosing a folder lists its jobs; the root and "Klasörlerim" empty the list and
        // leave the status text alone.
        düğümTıkla(*form, "3-Anahtar");
        QCOMPARE(form->Panel[2]->text(), QString("   0 iş listelendi"));
        düğümTıkla(*form, "5-Anahtar");
        QCOMPARE(form->işModeli->satırSayısı(), 2);
        for (const char* ayrılmış : {"Klasor", "Program"}) {
            düğümTıkla(*form, ayrılmış);
            QCOMPARE(form->işModeli->satırSayısı(), 0);
            QCOMPARE(form->Panel[2]->text(), QString("   2 iş listelendi"));
        }

        // F5 empties the tree and loads it again, with rows stored meanwhile.
        klasörEkle("13-Anahtar", "Klasor", "Yeni Gelen");
        form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
        QTest::keyClick(form->KlasörListesi, Qt::Key_F5);
        QVERIFY(düğüm(*form, "13-Anahtar"));
        QCOMPARE(form->KlasörListesi->topLevelItemCount(), 1);

        // The right button follows the selection made before it: with "Klasörlerim" selected
        // the menu shows the reserved-node entries, even over a folder.
        QMenu* menü = form->KlasörMenüsü;
        const QRect alan = form->KlasörListesi->visualItemRect(düğüm(*form, "5-Anahtar"));
        sağTıkla(*form, alan.center());
        QVERIFY(menü->isVisible());
        QVERIFY(form->TümKlasörleriGösterMenüsü->isVisible());
        QVERIFY(!form->KlasörAdıDeğiştirMenüsü->isEnabled());
        QCOMPARE(menü->defaultAction(), form->YeniKlasörEkleMenüsü2);
        QCOMPARE(form->seçiliKlasörAnahtarı(), QString("5-Anahtar"));
        QVERIFY(!form->KlasörListesi->damlaVurgusu());
        menü->close();
        // Now the folder is selected: rename and delete are on, the expand entries hidden.
        sağTıkla(*form, alan.center());
        QVERIFY(!form->TümKlasörleriGösterMenüsü->isVisible());
        QVERIFY(form->KlasörSilMenüsü->isEnabled());
        menü->close();
        // Over empty space no menu opens.
        sağTıkla(*form, QPoint(5, form->KlasörListesi->viewport()->height() - 5));
        QVERIFY(!menü->isVisible());
    }

    void newFolderAndRename() {
        yeniVeritabanı();
        klasörEkle("3-Anahtar", "Klasor", "Davalar");
        klasörEkle("12-Anahtar", "3-Anahtar", "İcra");
        auto form = yeniForm();

        // With the root selected the folder goes under "Klasörlerim", with the next key.
        form->KlasörListesi->setCurrentItem(düğüm(*form, "Program"));
        form->YeniKlasörEkleMenüsü1->trigger();
        QTreeWidgetItem* yeni = düğüm(*form, "13-Anahtar");
        QCOMPARE(yeni->parent(), düğüm(*form, "Klasor"));
        QCOMPARE(adı("13-Anahtar"), QString("Yeni Klasör"));
        QCOMPARE(ilkAlan(Deyim::F1() + " WHERE Anahtari='13-Anahtar'", "Bagi").toString(),
                 QString("Klasor"));
        QCOMPARE(form->KlasörListesi->currentItem(), yeni);

        // The user names it at once: the editor is open on the new node.
        QLineEdit* kutu = düzenleyici(*form);
        QVERIFY(kutu);
        kutu->selectAll();
        kutu->insert("Müvekkil'ler");
        QTest::keyClick(kutu, Qt::Key_Return);
        // The editor hands its text in from the event loop.
        QTRY_COMPARE(yeni->text(0), QString("Müvekkil'ler"));
        QCOMPARE(adı("13-Anahtar"), QString("Müvekkil'ler"));

        // An empty name is refused: message, old text in the tree and the table, edit again.
        form->KlasörAdıDeğiştirMenüsü->trigger();
        düzenleyici(*form)->clear();
        QTest::keyClick(düzenleyici(*form), Qt::Key_Return);
        QTRY_COMPARE(MesajKutusuTest::kayıtlar().size(), 1);
        QCOMPARE(yeni->text(0), QString("Müvekkil'ler"));
        QCOMPARE(adı("13-Anahtar"), QString("Müvekkil'ler"));
        QTRY_VERIFY(düzenleyici(*form));
        QTest::keyClick(düzenleyici(*form), Qt::Key_Escape);

        // With a folder selected the new folder becomes its sub-folder.
        form->KlasörListesi->setCurrentItem(düğüm(*form, "12-Anahtar"));
        form->Düğme[2]->trigger();
        QCOMPARE(düğüm(*form, "14-Anahtar")->parent(), düğüm(*form, "12-Anahtar"));
        QTest::keyClick(düzenleyici(*form), Qt::Key_Escape);

        // F2 does not rename "Klasörlerim".
        form->KlasörListesi->setCurrentItem(düğüm(*form, "Klasor"));
        form->KlasörListesi->setFocus();
        QTest::keyClick(form->KlasörListesi, Qt::Key_F2);
        QVERIFY(!düzenleyici(*form));
        QCOMPARE(klasörSayısı(), 4);
    }

    // Which folders may go; the branch and its jobs going together is tested on the rule.
    void deleteFolder() {
        yeniVeritabanı();
        klasörEkle("1-Anahtar", "Klasor", "Üst");
        klasörEkle("2-Anahtar", "1-Anahtar", "Alt");
        klasörEkle("3-Anahtar", "Klasor", "Diğer");
        işEkle("2-Anahtar", QDate(2026, 12, 1), QTime(9, 0), "Birinci");
        işEkle("3-Anahtar", QDate(2026, 12, 2), QTime(9, 0), "Kalan");
        auto form = yeniForm();

        form->KlasörListesi->setCurrentItem(düğüm(*form, "Klasor"));
        form->KlasörSilMenüsü->trigger();
        QCOMPARE(MesajKutusuTest::son().metin, QString("Bu klasör silinimez!"));
        // A sub-folder another computer added after the tree was loaded counts as well.
        klasörEkle("30-Anahtar", "3-Anahtar", "Başkasının");
        form->KlasörListesi->setCurrentItem(düğüm(*form, "3-Anahtar"));
        form->KlasörSilMenüsü->trigger();
        QVERIFY(MesajKutusuTest::son().metin.contains("'Alt Klasör'leri olduğu için"));
        QCOMPARE(klasörSayısı(), 4);

        düğüm(*form, "1-Anahtar")->setExpanded(true);
        form->KlasörListesi->setCurrentItem(düğüm(*form, "2-Anahtar"));
        MesajKutusuTest::yanıtla(QMessageBox::No);
        form->KlasörSilMenüsü->trigger();
        QCOMPARE(MesajKutusuTest::son().metin,
                 QString("'Alt' adlı bu klasörü silmek istediğinizden emin misiniz?"));
        QCOMPARE(MesajKutusuTest::son().varsayılan, QMessageBox::Yes);
        QCOMPARE(klasörSayısı(), 4);

        MesajKutusuTest::yanıtla(QMessageBox::Yes);
        form->KlasörSilMenüsü->trigger();
        QCOMPARE(klasörSayısı(), 3);
        QCOMPARE(işSayısı("2-Anahtar"), 0);
        QCOMPARE(işSayısı("3-Anahtar"), 1);
        QVERIFY(!form->KlasörListesi->anahtarlıDüğüm("2-Anahtar"));
    }
};

TARVELA_TEST_MAIN(KlasorAgaciTest)
#include "KlasorAgaciTest.moc"
