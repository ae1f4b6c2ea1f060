#include "TestOrtami.h"

// moc cannot read names with Turkish letters; it needs none of these.
#ifndef Q_MOC_RUN
#include "AnaFormTestDestegi.h"
#include "controls/MesajKutusu.h"
#include "controls/Modal.h"
#include "controls/ProgramSaati.h"
#include "database/Veritabani.h"
#include "mainwindow/AnaForm.h"
#include "mainwindow/AnaFormDenetimleri.h"
#include "search/AramaIslemleriFormu.h"
#endif

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>

using Form = AramaİşlemleriFormu;
using AnaFormTest::işEkle;

namespace {
const QDate Bugün(2026, 12, 6);

QStringList değerler(const Form& f) {
    QStringList d;
    for (int i = 0; i < f.sonuçSayısı(); ++i)
        d << f.sonuç(i).değer;
    return d;
}

void ara(Form& f, int yer, const QString& metin) {
    f.AranacakYerKutusu->setCurrentIndex(yer);
    f.ArananKutusu->clear();
    f.ArananKutusu->insert(metin);
    QTest::mouseClick(f.AraDüğmesi, Qt::LeftButton);
}

void satırSeç(Form& f, int satır) {
    QListView* l = f.AramaSonuçlarıListesi;
    QTest::mouseClick(l->viewport(), Qt::LeftButton, {},
                      l->visualRect(l->model()->index(satır, 0)).center());
}
} // namespace

class AramaTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        TestOrtami::sıfırla();
        ProgramSaati::ayarla(QDateTime(Bugün, QTime(10, 0)));
        AnaFormTest::yeniVeritabanı();
    }
    void cleanup() { AçıkVeritabanı::kapat(); }

    // Refused characters are dropped; a text needs two characters as the user sees them.
    void textRules() {
        const struct {
            const char *girilen, *süzülmüş;
            bool yeterli;
        } durumlar[] = {{"  a  ", "  a  ", false},
                        {" ab ", " ab ", true},
                        {"a'#*?", "a", false},
                        {"e\u0301", "e\u0301", false},
                        {"%_[", "%_[", true}};
        for (const auto& d : durumlar) {
            const QString süzülmüş = Arama::süz(QString::fromUtf8(d.girilen));
            QCOMPARE(süzülmüş, QString::fromUtf8(d.süzülmüş));
            QCOMPARE(Arama::yeterliMi(Arama::kırp(süzülmüş)), d.yeterli);
        }
    }

    void searchWindow() {
        işEkle("1-Anahtar", Bugün, QTime(9, 0), "Adalet", false, false, "Adliye");
        işEkle("2-Anahtar", Bugün.addDays(-3), QTime(9, 0), "Dava dilekçesi", false, true);
        işEkle("3-Anahtar", Bugün.addDays(5), QTime(9, 0), "Keşif", true, false, "Tapu", "",
               "bilirkişi raporu");
        Form f;
        f.show();
        f.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&f));
        QCOMPARE(f.AranacakYerKutusu->currentText(), QStringLiteral("İşin Konusu"));
        QVERIFY(!f.AyrıntıGösterDüğmesi->isEnabled());

        // Refused characters, typed or pasted, never reach the box.
        f.ArananKutusu->setFocus();
        QTest::keyClicks(f.ArananKutusu, "d'#*?a");
        f.ArananKutusu->insert(QStringLiteral("'x#*?"));
        QCOMPARE(f.ArananKutusu->text(), QStringLiteral("dax"));
        // Enter moves on and searches nothing; the focused label is dark red.
        QCOMPARE(f.Etiket[1]->palette().color(QPalette::WindowText), QColor(128, 0, 0));
        QTest::keyClick(f.ArananKutusu, Qt::Key_Return);
        QVERIFY(!f.ArananKutusu->hasFocus());
        QCOMPARE(f.sonuçSayısı(), 0);
        QVERIFY(f.Etiket[1]->palette().color(QPalette::WindowText) != QColor(128, 0, 0));

        // Subject "da": every folder, done or not; a chosen row enables the details.
        ara(f, 0, "da");
        QCOMPARE(değerler(f), (QStringList{"Adalet", "Dava dilekçesi"}));
        QCOMPARE(f.Etiket[3]->text(), QStringLiteral("(2 iş bulundu!)"));
        satırSeç(f, 1);
        QVERIFY(f.AyrıntıGösterDüğmesi->isEnabled());

        // A second search shows only its own results.
        ara(f, 1, "tapu");
        QCOMPARE(değerler(f), QStringList{"Tapu"});
        QVERIFY(!f.AyrıntıGösterDüğmesi->isEnabled());
        // The description field, matched in the other Turkish case.
        ara(f, 2, "BİLİRKİŞİ");
        QCOMPARE(değerler(f), QStringList{"bilirkişi raporu"});

        // Another computer holds the file: the error is told, and no "not found" box or count.
        {
            AnaFormTest::Kilit kilit;
            ara(f, 0, "da");
        }
        QCOMPARE(MesajKutusuTest::kayıtlar().size(), 1);
        QVERIFY(MesajKutusuTest::son().metin.contains("Hata Kodu: 3260"));
        QVERIFY(f.Etiket[3]->text().isEmpty());
        QCOMPARE(f.sonuçSayısı(), 0);

        // Nothing found: an exclamation box, no count.
        ara(f, 2, "yok");
        QCOMPARE(MesajKutusuTest::son().simge, QMessageBox::Warning);
        QCOMPARE(MesajKutusuTest::son().metin, Arama::BulunamadıMesajı);
        QVERIFY(f.Etiket[3]->text().isEmpty());
        QVERIFY(f.ArananKutusu->hasFocus());

        // One character in blanks: refused, and the box keeps the trimmed text.
        ara(f, 0, "  a  ");
        QCOMPARE(MesajKutusuTest::son().metin, Arama::İkiKarakterMesajı);
        QCOMPARE(f.ArananKutusu->text(), QStringLiteral("a"));
        QCOMPARE(MesajKutusuTest::kayıtlar().size(), 3);
    }

    // The details action through the main window: right folder, right row by the exact job
    // number, the window closed; a vanished folder says so and changes nothing.
    void detailsGoesToTheJobsRow() {
        AnaFormTest::klasörEkle("1-Anahtar", "Klasor", "Bir");
        AnaFormTest::klasörEkle("2-Anahtar", "1-Anahtar", "Alt");
        işEkle("2-Anahtar", Bugün.addDays(-1), QTime(9, 0), "3 numaralı dava");
        işEkle("1-Anahtar", Bugün, QTime(9, 0), "Kira davası");
        işEkle("2-Anahtar", Bugün, QTime(9, 0), "Miras davası");
        işEkle("9-Anahtar", Bugün, QTime(9, 0), "Sahipsiz dava");
        auto ana = AnaFormTest::yeniForm();
        AnaFormTest::düğümTıkla(*ana, "1-Anahtar");
        int sonuç = -1;
        ModalTest::sıradaki([&](QDialog* d) {
            auto* f = dynamic_cast<Form*>(d);
            QVERIFY(f);
            ara(*f, 0, "dava");
            QCOMPARE(değerler(*f), (QStringList{"3 numaralı dava", "Kira davası", "Miras davası",
                                                "Sahipsiz dava"}));
            satırSeç(*f, 3);
            QTest::mouseClick(f->AyrıntıGösterDüğmesi, Qt::LeftButton);
            QCOMPARE(MesajKutusuTest::son().metin, KlasörYokMesajı);
            QVERIFY(f->isVisible());
            QCOMPARE(ana->seçiliKlasörAnahtarı(), QStringLiteral("1-Anahtar"));
            QCOMPARE(AnaFormTest::sütun(*ana, 2), QStringList{"Kira davası"});

            // A double click is the first click, then the second one.
            satırSeç(*f, 2);
            QListView* l = f->AramaSonuçlarıListesi;
            QTest::mouseDClick(l->viewport(), Qt::LeftButton, {},
                               l->visualRect(l->model()->index(2, 0)).center());
            sonuç = f->result();
        });
        ana->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(ana.get()));
        QTest::keyClick(ana->YapılacakİşlerListesi, Qt::Key_F3);
        QCOMPARE(ModalTest::gösterilenler(), QStringList{"AramaİşlemleriFormu"});
        QCOMPARE(sonuç, int(QDialog::Accepted));
        QCOMPARE(ana->seçiliKlasörAnahtarı(), QStringLiteral("2-Anahtar"));
        QCOMPARE(AnaFormTest::sütun(*ana, 2), (QStringList{"3 numaralı dava", "Miras davası"}));
        QCOMPARE(ana->YapılacakİşlerListesi->seçiliSatır(), 1);
        QCOMPARE(şimdikiİşNo(), 3);

        // The menu entries and the toolbar buttons open the search and the lists windows.
        for (QAction* a :
             {ana->BulMenüsü, ana->Düğme[8], ana->YapılacakİşleriListeleMenüsü, ana->Düğme[10]})
            a->trigger();
        QCOMPARE(ModalTest::gösterilenler().join(' '),
                 "AramaİşlemleriFormu AramaİşlemleriFormu AramaİşlemleriFormu "
                 "YapılacakİşlerListesiFormu YapılacakİşlerListesiFormu");
    }
};

TARVELA_TEST_MAIN(AramaTest)
#include "AramaTest.moc"
