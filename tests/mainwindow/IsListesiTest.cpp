#include "AnaFormTestDestegi.h"
#include "TestOrtami.h"

#include "controls/MesajKutusu.h"
#include "controls/Modal.h"
#include "controls/ProgramSaati.h"
#include "controls/Siralama.h"
#include "database/Deyimler.h"
#include "jobentry/IsEklemeDegistirmeFormu.h"
#include "lists/IsListesiModeli.h"
#include "mainwindow/AnaForm.h"
#include "mainwindow/AnaFormDenetimleri.h"

#include <QCheckBox>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>

using namespace AnaFormTest;

namespace {
const QDate Bugün(2026, 12, 6);

void tıkla(QCheckBox* onay) {
    QTest::mouseClick(onay, Qt::LeftButton, {}, QPoint(6, onay->height() / 2));
}

void başlığaTıkla(AnaForm& form, int sütun) {
    QHeaderView* başlık = form.YapılacakİşlerListesi->header();
    const int x = başlık->sectionViewportPosition(sütun) + başlık->sectionSize(sütun) / 2;
    QTest::mouseClick(başlık->viewport(), Qt::LeftButton, {}, QPoint(x, başlık->height() / 2));
}

void satıraTıkla(AnaForm& form, int satır, Qt::MouseButton tuş = Qt::LeftButton) {
    İşListesiGörünümü* liste = form.YapılacakİşlerListesi;
    const QRect alan = liste->visualRect(form.işModeli->index(satır, 2));
    QTest::mouseClick(liste->viewport(), tuş, {}, alan.center());
}

int seçiliSatır(AnaForm& form) {
    return form.YapılacakİşlerListesi->seçiliSatır();
}

// The caption of the window the command opens.
QString açılanBaşlık(QAction* komut) {
    QString başlık;
    ModalTest::sıradaki([&](QDialog* d) { başlık = d->windowTitle(); });
    komut->trigger();
    return başlık;
}
} // namespace

class IsListesiTest : public QObject {
    Q_OBJECT

    // Folder A with four jobs around today, B with one job of today and one of tomorrow.
    void örnekVeri() {
        yeniVeritabanı();
        klasörEkle("1-Anahtar", "Klasor", "A");
        klasörEkle("2-Anahtar", "Klasor", "B");
        klasörEkle("3-Anahtar", "2-Anahtar", "B-alt");
        işEkle("1-Anahtar", Bugün.addDays(1), QTime(9, 0), "Yarın", false, false);
        işEkle("1-Anahtar", Bugün.addDays(-1), QTime(9, 0), "Dün", true, true);
        işEkle("1-Anahtar", Bugün, QTime(14, 35), "Bugün açık", true, false, "Adliye", "2026/12",
               "Açıklama");
        işEkle("1-Anahtar", Bugün, QTime(8, 0), "Bugün yapıldı", false, true);
        işEkle("3-Anahtar", Bugün, QTime(11, 0), "Başka klasör", false, false);
        işEkle("3-Anahtar", Bugün.addDays(1), QTime(11, 0), "Başka yarın", false, false);
    }

private slots:
    void init() {
        TestOrtami::sıfırla();
        ProgramSaati::ayarla(QDateTime(Bugün, QTime(10, 0)));
    }

    // The selections are tested on their statements; here each box must pick its listing and
    // switch the commands that do not fit it.
    void listsWithColoursAndFilters() {
        örnekVeri();
        auto form = yeniForm();
        düğümTıkla(*form, "1-Anahtar");
        İşListesiModeli* m = form->işModeli;
        // By date only; same-date rows keep the engine's order.
        QCOMPARE(sütun(*form, 2), QStringList({"Dün", "Bugün açık", "Bugün yapıldı", "Yarın"}));
        QStringList satır;
        for (int s = 0; s < 6; ++s)
            satır << m->metin(1, s);
        QCOMPARE(satır, QStringList({"06.12.2026", "14:35:00", "Bugün açık", "Adliye", "2026/12",
                                     "Açıklama"}));
        // The date column is coloured past, today (done or not) and future.
        const QList<QColor> renkler = {{150, 40, 40}, {40, 40, 150}, {40, 40, 150}, {10, 140, 10}};
        for (int i = 0; i < 4; ++i)
            QCOMPARE(m->index(i, 0).data(Qt::ForegroundRole).value<QColor>(), renkler[i]);
        QVERIFY(!m->index(1, 0).data(Qt::DecorationRole).value<QIcon>().isNull());
        QCOMPARE(seçiliSatır(*form), 0);

        tıkla(form->SadeceBugünYapılacakİşleriListeleOnayı);
        QCOMPARE(sütun(*form, 2), QStringList({"Bugün açık"}));
        QVERIFY(!form->BulMenüsü->isEnabled());
        QVERIFY(!form->Düğme[8]->isEnabled());

        // Both boxes: rows of all folders, each tagged with its folder; no new folders. The
        // first row's folder is selected in the tree, also from "Klasörlerim": a new job goes
        // there.
        düğümTıkla(*form, "Klasor");
        tıkla(form->TümKlasörlerOnayı);
        QCOMPARE(sütun(*form, 2), QStringList({"Bugün açık", "Başka klasör"}));
        QCOMPARE(form->seçiliKlasörAnahtarı(), QString("1-Anahtar"));
        QCOMPARE(açılanBaşlık(form->YeniİşEkleMenüsü1), QString("Yapılacak İş Ekleme (A)"));
        QCOMPARE(m->anahtar(1), QString("3-Anahtar"));
        QVERIFY(!form->KlasörListesi->isEnabled());
        for (QAction* a :
             {form->Düğme[2], form->YeniKlasörEkleMenüsü1, form->YeniKlasörEkleMenüsü2})
            QVERIFY2(!a->isEnabled(), qPrintable(a->text()));
        // Clicking a row selects its folder in the tree, which stays out of use.
        satıraTıkla(*form, 1);
        QCOMPARE(form->seçiliKlasörAnahtarı(), QString("3-Anahtar"));
        QCOMPARE(seçiliSatır(*form), 1);

        tıkla(form->SadeceBugünYapılacakİşleriListeleOnayı);
        QCOMPARE(m->satırSayısı(), 6);
        QVERIFY(!form->BulMenüsü->isEnabled());

        // Back to the tree: the selected folder is listed and the commands come back.
        tıkla(form->TümKlasörlerOnayı);
        QVERIFY(form->KlasörListesi->isEnabled());
        QVERIFY(form->Düğme[2]->isEnabled());
        QCOMPARE(form->BulMenüsü->isEnabled(), form->BulMenüsü->property("isleyiciVar").toBool());
        QCOMPARE(sütun(*form, 2), QStringList({"Başka klasör", "Başka yarın"}));
        QCOMPARE(form->Panel[2]->text(), QString("   2 iş listelendi"));
        QCOMPARE(m->anahtar(0), QString());
    }

    void sortsByHeaderClicks() {
        örnekVeri();
        işEkle("1-Anahtar", Bugün.addDays(-30), QTime(7, 0), "eski");
        işEkle("1-Anahtar", Bugün.addDays(40), QTime(23, 0), "Çok ileri");
        auto form = yeniForm();
        düğümTıkla(*form, "1-Anahtar");
        auto* başlık = static_cast<SıralamaBaşlığı*>(form->YapılacakİşlerListesi->header());
        // The load step marks the list as sorted by date, ascending.
        QCOMPARE(başlık->simgeliSütun(), 0);
        QCOMPARE(başlık->simgeYönü(), 0);
        QCOMPARE(sütun(*form, 2),
                 QStringList({"eski", "Dün", "Bugün açık", "Bugün yapıldı", "Yarın", "Çok ileri"}));

        // First click on "Tarihi" sorts by date descending (by date value: 05.01 after
        // 06.12 as text, but earlier as a date); equal dates keep their order.
        başlığaTıkla(*form, 0);
        QCOMPARE(sütun(*form, 2),
                 QStringList({"Çok ileri", "Yarın", "Bugün açık", "Bugün yapıldı", "Dün", "eski"}));
        QCOMPARE(başlık->simgeYönü(), 1);
        başlığaTıkla(*form, 0);
        QCOMPARE(sütun(*form, 2).first(), QString("eski"));

        // Another column sorts ascending by its text, letter case aside, Turkish order.
        başlığaTıkla(*form, 2);
        QCOMPARE(sütun(*form, 2),
                 QStringList({"Bugün açık", "Bugün yapıldı", "Çok ileri", "Dün", "eski", "Yarın"}));
        QCOMPARE(başlık->simgeliSütun(), 2);
        QCOMPARE(başlık->simgeYönü(), 0);
        başlığaTıkla(*form, 1);
        // A text-sorted list stays sorted through the next fill.
        düğümTıkla(*form, "1-Anahtar");
        QCOMPARE(sütun(*form, 1), QStringList({"07:00:00", "08:00:00", "09:00:00", "09:00:00",
                                               "14:35:00", "23:00:00"}));
        // Back on "Tarihi" after another column: ascending again, equal dates staying in the
        // order the time sort gave them.
        başlığaTıkla(*form, 0);
        QCOMPARE(sütun(*form, 2),
                 QStringList({"eski", "Dün", "Bugün yapıldı", "Bugün açık", "Yarın", "Çok ileri"}));
        QCOMPARE(başlık->simgeliSütun(), 0);
    }

    void deletesRowsAndSelectsTheNeighbour() {
        örnekVeri();
        auto form = yeniForm();
        düğümTıkla(*form, "1-Anahtar");
        MesajKutusuTest::yanıtla(QMessageBox::No);
        form->İşiSilMenüsü1->trigger();
        QCOMPARE(MesajKutusuTest::son().simge, QMessageBox::Question);
        QCOMPARE(form->işModeli->satırSayısı(), 4);

        // A middle row goes: the row before it is selected; the first row goes: the new first
        // row is selected.
        for (const auto& [satır, seçilen] : {std::pair{2, 1}, {0, 0}}) {
            satıraTıkla(*form, satır);
            MesajKutusuTest::yanıtla(QMessageBox::Yes);
            form->Düğme[6]->trigger();
            QCOMPARE(seçiliSatır(*form), seçilen);
        }
        QCOMPARE(sütun(*form, 2), QStringList({"Bugün açık", "Yarın"}));
        QCOMPARE(satırSayısı(Deyim::J1("1-Anahtar")), 2);

        // The only row goes: the list is empty with nothing selected.
        düğümTıkla(*form, "3-Anahtar");
        for (int i = 0; i < 2; ++i) {
            MesajKutusuTest::yanıtla(QMessageBox::Yes);
            form->İşiSilMenüsü1->trigger();
        }
        QCOMPARE(form->işModeli->satırSayısı(), 0);
        QCOMPARE(seçiliSatır(*form), -1);
        QCOMPARE(satırSayısı(Deyim::J1("3-Anahtar")), 0);
        // With nothing selected the command asks nothing.
        const int kutular = MesajKutusuTest::kayıtlar().size();
        form->İşiSilMenüsü1->trigger();
        QCOMPARE(MesajKutusuTest::kayıtlar().size(), kutular);
    }

    void movesJobByDraggingOntoAFolder() {
        örnekVeri();
        auto form = yeniForm();
        düğüm(*form, "2-Anahtar")->setExpanded(true);
        düğümTıkla(*form, "1-Anahtar");
        satıraTıkla(*form, 1); // "Bugün açık"
        const qint64 isNo = form->işModeli->isNo(1);

        // Onto the root, "Klasörlerim" or empty space: no question, nothing changes.
        for (const char* anahtar : {"Program", "Klasor"})
            ağacaBırak(*form, düğüm(*form, anahtar));
        ağacaBırak(*form, nullptr);
        QCOMPARE(MesajKutusuTest::kayıtlar().size(), 0);
        QVERIFY(!form->KlasörListesi->damlaVurgusu());

        MesajKutusuTest::yanıtla(QMessageBox::No);
        ağacaBırak(*form, düğüm(*form, "3-Anahtar"));
        QCOMPARE(MesajKutusuTest::kayıtlar().size(), 1);
        QCOMPARE(satırSayısı(Deyim::J1("1-Anahtar")), 4);
        QVERIFY(!form->KlasörListesi->damlaVurgusu());

        // Yes: the job moves, the target is selected and listed, the job selected in it.
        MesajKutusuTest::yanıtla(QMessageBox::Yes);
        ağacaBırak(*form, düğüm(*form, "3-Anahtar"));
        QCOMPARE(satırSayısı(Deyim::J1("1-Anahtar")), 3);
        QCOMPARE(satırSayısı(Deyim::J1("3-Anahtar")), 3);
        QCOMPARE(form->seçiliKlasörAnahtarı(), QString("3-Anahtar"));
        QCOMPARE(form->işModeli->satırSayısı(), 3);
        QCOMPARE(form->işModeli->isNo(seçiliSatır(*form)), isNo);
        QVERIFY(!form->KlasörListesi->damlaVurgusu());
    }

    void addChangeAndTheRowMenu() {
        örnekVeri();
        auto form = yeniForm();
        // No folder chosen: a note, no window.
        form->YeniİşEkleMenüsü1->trigger();
        QCOMPARE(MesajKutusuTest::son().simge, QMessageBox::Information);
        QVERIFY(ModalTest::gösterilenler().isEmpty());

        düğümTıkla(*form, "1-Anahtar");
        QCOMPARE(açılanBaşlık(form->Düğme[4]), QString("Yapılacak İş Ekleme (A)"));

        // A done job asks first; No opens nothing.
        satıraTıkla(*form, 2); // "Bugün yapıldı"
        MesajKutusuTest::yanıtla(QMessageBox::No);
        form->DeğişiklikYapMenüsü1->trigger();
        QVERIFY(MesajKutusuTest::son().metin.contains("YAPILDI"));
        QCOMPARE(ModalTest::gösterilenler().size(), 1);

        // Yes: the entry window opens for row 3 (it clears the done box itself).
        MesajKutusuTest::yanıtla(QMessageBox::Yes);
        form->DeğişiklikYapMenüsü2->trigger();
        QCOMPARE(ModalTest::gösterilenler().size(), 2);
        QCOMPARE(düzenlenenSatır(), qint16(3));

        // A double click changes the job too.
        const QRect alan = form->YapılacakİşlerListesi->visualRect(form->işModeli->index(1, 2));
        satıraTıkla(*form, 1);
        QTest::mouseDClick(form->YapılacakİşlerListesi->viewport(), Qt::LeftButton, {},
                           alan.center());
        QCOMPARE(ModalTest::gösterilenler().size(), 3);
        QCOMPARE(düzenlenenSatır(), qint16(2));

        // The right button selects the row and opens the list menu.
        satıraTıkla(*form, 0, Qt::RightButton);
        QVERIFY(form->YapılacakİşListesiMenüsü->isVisible());
        QVERIFY(!form->YapılacakİşListesiMenüsü->defaultAction());
        QCOMPARE(seçiliSatır(*form), 0);
        form->YapılacakİşListesiMenüsü->close();
        QCOMPARE(form->YapılacakİşlerListesi->damlaVurgusu(), -1);
    }
};

TARVELA_TEST_MAIN(IsListesiTest)
#include "IsListesiTest.moc"
