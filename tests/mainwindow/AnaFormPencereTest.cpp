#include "AnaFormTestDestegi.h"
#include "TestOrtami.h"

#include "controls/HataBildirici.h"
#include "controls/MesajKutusu.h"
#include "controls/Modal.h"
#include "controls/ProgramSaati.h"
#include "controls/Siralama.h"
#include "controls/Twip.h"
#include "database/Deyimler.h"
#include "database/Veritabani.h"
#include "database/VeritabaniIc.h"
#include "jobentry/IsEklemeDegistirmeFormu.h"
#include "lists/IsListesiModeli.h"
#include "lists/ListeIzleyici.h"
#include "lists/YapilacakIslerListesiFormu.h"
#include "mainwindow/AnaForm.h"
#include "mainwindow/AnaFormDenetimleri.h"
#include "reminders/Hatirlatici.h"
#include "search/AramaIslemleriFormu.h"
#include "settings/AyarDeposu.h"
#include "settings/Tercihler.h"

#include <QCheckBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QProcess>
#include <QScreen>
#include <QSignalSpy>
#include <QToolBar>

using namespace AnaFormTest;

namespace {
const QDate Bugün(2026, 12, 6);

QString ayar(const char* anahtar) {
    return AyarDeposu::GetSetting("Ayarlar", QString::fromLatin1(anahtar));
}
QString sütunAyarı(const char* anahtar) {
    return AyarDeposu::GetSetting("Listeler\\Liste-1", QString::fromLatin1(anahtar));
}

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

class AnaFormPencereTest : public QObject {
    Q_OBJECT

    // Folder A with four jobs around today, B with one job of today and one of tomorrow; a
    // main window listing A.
    std::unique_ptr<AnaForm> örnekForm() {
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
        auto form = yeniForm();
        düğümTıkla(*form, "1-Anahtar");
        return form;
    }

private slots:
    void init() {
        TestOrtami::sıfırla();
        ProgramSaati::ayarla(QDateTime(Bugün, QTime(10, 0)));
        yeniVeritabanı();
    }

    void loadsWithDefaultsAndDisabledEntries() {
        QVERIFY(AnaForm::ekranYeterli(600));
        QVERIFY(!AnaForm::ekranYeterli(599));
        auto form = yeniForm();
        // First start: the outer window as wide as the screen, 400 twips less high, at the
        // top left corner.
        const QRect ekran = form->screen()->geometry();
        QVERIFY(form->frameGeometry() != form->geometry());
        QCOMPARE(form->frameGeometry().width(), ekran.width());
        QCOMPARE(form->frameGeometry().height(), twipten(pikselden(ekran.height()) - 400));
        QCOMPARE(form->pos(), QPoint(0, 0));
        QVERIFY(!form->bildirimSimgesiVar());
        // Reminders are checked every 32 s from load on; a coarse timer could fire early.
        const QTimer& hatırlatma = form->YapılacakİşKontrolü->zamanlayıcı();
        QVERIFY(hatırlatma.isActive());
        QCOMPARE(hatırlatma.interval(), 32000);
        QCOMPARE(hatırlatma.timerType(), Qt::PreciseTimer);
        // An entry without a handler (its window is not in the program yet) is shown but
        // disabled, and stays so when the list's boxes switch finding on and off.
        form->SadeceBugünYapılacakİşleriListeleOnayı->click();
        form->SadeceBugünYapılacakİşleriListeleOnayı->click();
        QList<QAction*> eylemler = form->DüğmeÇubuğu->actions();
        for (QMenu* m : {form->ProgramMenüsü, form->YapılacakİşlerMenüsü, form->YardımMenüsü,
                         form->KlasörMenüsü, form->YapılacakİşListesiMenüsü})
            eylemler += m->actions();
        int kapalı = 0;
        for (QAction* a : eylemler)
            if (!a->isSeparator() && !a->text().isEmpty() && !a->property("isleyiciVar").toBool()) {
                QVERIFY2(!a->isEnabled(), qPrintable(a->text()));
                ++kapalı;
            }
        QVERIFY(kapalı > 0 && form->YeniİşEkleMenüsü1->isEnabled());

        // Activation writes the date and names the password entry by whether one is set.
        form->Form_Activate();
        QCOMPARE(form->Etiket[2]->text(), QString("6 Aralık 2026 Pazar"));
        QVERIFY(form->GirişŞifresiBelirleDeğiştirMenüsü->text().contains("Belirle"));
        tercihler().girişŞifresiSor = true;
        form->Form_Activate();
        QVERIFY(form->GirişŞifresiBelirleDeğiştirMenüsü->text().contains("Değiştir"));
        // The date label sits at the top right, 435 twips in from the outer edge.
        const int sağ = form->Etiket[2]->x() + form->Etiket[2]->width();
        QCOMPARE(pikselden(form->frameGeometry().width() - sağ) / 15, 435 / 15);
    }

    void geometryAndColumnsComeBackInASecondWindow() {
        QRect dış;
        {
            auto form = yeniForm();
            form->move(60, 45);
            form->resize(700, 480);
            QHeaderView* başlık = form->YapılacakİşlerListesi->header();
            başlık->moveSection(başlık->visualIndex(3), 0);
            başlık->resizeSection(3, 250);
            // The close box with No: the columns are saved all the same, the window stays.
            MesajKutusuTest::yanıtla(QMessageBox::No);
            form->close();
            QVERIFY(form->isVisible());
            QCOMPARE(sütunAyarı("Konum-4"), QString("1"));
            QCOMPARE(sütunAyarı("Genislik-4"), QString::number(pikselden(250)));
            QCOMPARE(ayar("Yukseklik"), QString());
            // Yes: geometry and state are stored; the size is the outer one, frame included.
            dış = form->frameGeometry();
            MesajKutusuTest::yanıtla(QMessageBox::Yes);
            form->close();
            QVERIFY(!form->isVisible());
        }
        QCOMPARE(ayar("Genislik"), QString::number(pikselden(dış.width())));
        QCOMPARE(ayar("Yukseklik"), QString::number(pikselden(dış.height())));
        // Widths the user did not change go back as they came, whole twips and all.
        QCOMPARE(sütunAyarı("Genislik-1"), QString("1200"));
        QCOMPARE(ayar("Baslama Konumu"), QString("0"));
        QCOMPARE(sütunAyarı("Genislik-7"), QString("0"));
        {
            auto form = yeniForm();
            QCOMPARE(form->frameGeometry(), dış);
            QHeaderView* başlık = form->YapılacakİşlerListesi->header();
            QCOMPARE(başlık->visualIndex(3), 0);
            QCOMPARE(başlık->sectionSize(3), 250);
            QCOMPARE(başlık->sectionSize(6), 0);
            // Closed maximised: state 2, the normal size stays as it was stored.
            form->showMaximized();
            QTRY_VERIFY(form->isMaximized());
            form->programıKapat();
        }
        QCOMPARE(ayar("Baslama Konumu"), QString("2"));
        QCOMPARE(ayar("Genislik"), QString::number(pikselden(dış.width())));
        {
            auto form = yeniForm();
            QVERIFY(form->isMaximized());
            // Closed minimised: nothing about the geometry is stored.
            form->showMinimized();
            QTRY_VERIFY(form->isMinimized());
            AyarDeposu::SaveSetting("Ayarlar", "Baslama Konumu", "7");
            form->programıKapat();
            QCOMPARE(ayar("Baslama Konumu"), QString("7"));
        }
    }

    void backgroundModeHidesOnTheCloseBox() {
        tercihler().arkaplandaÇalışsın = 1;
        auto form = yeniForm();
        form->close();
        QVERIFY(!form->isVisible());
        QVERIFY(form->bildirimSimgesiVar());
        QVERIFY(form->YapılacakİşKontrolü->zamanlayıcı().isActive());

        // A double click on the icon shows the window again; other messages do nothing.
        form->SimgeKutusu_MouseMove(512);
        QVERIFY(!form->isVisible());
        form->SimgeKutusu_MouseMove(515);
        QVERIFY(form->isVisible());
        form->SimgeKutusu_MouseMove(516);
        QVERIFY(form->BildirimAlanıMenüsü->isVisible());
        QCOMPARE(form->BildirimAlanıMenüsü->defaultAction(), form->GösterMenüsü);
        form->BildirimAlanıMenüsü->close();

        // Çıkış ends without a question, also in background mode.
        form->ÇıkışMenüsü2->trigger();
        QVERIFY(!form->isVisible());
        QVERIFY(MesajKutusuTest::kayıtlar().isEmpty());
        QVERIFY(!form->bildirimSimgesiVar());
        QVERIFY(!form->YapılacakİşKontrolü->zamanlayıcı().isActive());
        QVERIFY(!ayar("Baslama Konumu").isEmpty());
    }

    void resizeRule() {
        auto form = yeniForm();
        form->resize(640, 480);
        QCoreApplication::processEvents();
        const int H = pikselden(form->frameGeometry().height());
        const int ağaç = form->KlasörListesi->height();
        QCOMPARE(ağaç, twipten(H - 2700 - pikselden(form->TümKlasörlerOnayı->height())));
        QCOMPARE(form->YapılacakİşlerListesi->width(),
                 twipten(pikselden(form->frameGeometry().width()) - 3975));
        QCOMPARE(form->TümKlasörlerOnayı->y(), form->SadeceBugünYapılacakİşleriListeleOnayı->y());

        // At 2600 twips high or 3975 wide, or smaller, nothing moves.
        const QRect önce = form->YapılacakİşlerListesi->geometry();
        const QPoint onay = form->TümKlasörlerOnayı->pos();
        form->resize(twipten(3975) - (form->frameGeometry().width() - form->width()), 400);
        QCoreApplication::processEvents();
        QCOMPARE(form->YapılacakİşlerListesi->geometry(), önce);
        QCOMPARE(form->TümKlasörlerOnayı->pos(), onay);
    }

    void loadingChoosingAndMenus() {
        klasörEkle("3-Anahtar", "Klasor", "Davalar");
        klasörEkle("12-Anahtar", "3-Anahtar", "İcra");
        klasörEkle("7-Anahtar", "12-Anahtar", "Ankara");
        klasörEkle("9-Anahtar", "44-Anahtar", "Yetim");
        klasörEkle("5-Anahtar", "Klasor", "Danışmanlık");
        işEkle("5-Anahtar", QDate(2026, 12, 1), QTime(9, 0), "Duruşma");
        işEkle("5-Anahtar", QDate(2026, 12, 2), QTime(9, 0), "Keşif");
        auto form = yeniForm();

        KlasörAğacı* ağaç = form->KlasörListesi;
        QTreeWidgetItem* klasörlerim = düğüm(*form, "Klasor");
        QCOMPARE(klasörlerim->parent(), ağaç->topLevelItem(0));
        QCOMPARE(ağaç->currentItem(), klasörlerim);
        QVERIFY(klasörlerim->isExpanded());
        QCOMPARE(düğüm(*form, "7-Anahtar")->parent(), düğüm(*form, "12-Anahtar"));
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

        // Choosing a folder lists and counts its jobs, an empty one too (not taken for a failed
        // read); a reserved node empties the list and leaves the status text alone.
        düğümTıkla(*form, "3-Anahtar");
        QCOMPARE(form->Panel[2]->text(), QString("   0 iş listelendi"));
        düğümTıkla(*form, "5-Anahtar");
        düğümTıkla(*form, "Klasor");
        QCOMPARE(form->işModeli->satırSayısı(), 0);
        QCOMPARE(form->Panel[2]->text(), QString("   2 iş listelendi"));

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
        klasörEkle("3-Anahtar", "Klasor", "Davalar");
        klasörEkle("12-Anahtar", "3-Anahtar", "İcra");
        auto form = yeniForm();

        // With the root selected the folder goes under "Klasörlerim", with the next key.
        form->KlasörListesi->setCurrentItem(düğüm(*form, "Program"));
        form->YeniKlasörEkleMenüsü1->trigger();
        QTreeWidgetItem* yeni = düğüm(*form, "13-Anahtar");
        QCOMPARE(yeni->parent(), düğüm(*form, "Klasor"));
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
        auto form = örnekForm();
        form->KlasörListesi->setCurrentItem(düğüm(*form, "Klasor"));
        form->KlasörSilMenüsü->trigger();
        QCOMPARE(MesajKutusuTest::son().metin, QString("Bu klasör silinimez!"));
        // A sub-folder another computer added after the tree was loaded counts as well.
        klasörEkle("30-Anahtar", "1-Anahtar", "Başkasının");
        form->KlasörListesi->setCurrentItem(düğüm(*form, "1-Anahtar"));
        form->KlasörSilMenüsü->trigger();
        QVERIFY(MesajKutusuTest::son().metin.contains("'Alt Klasör'leri olduğu için"));
        QCOMPARE(klasörSayısı(), 4);

        düğüm(*form, "2-Anahtar")->setExpanded(true);
        form->KlasörListesi->setCurrentItem(düğüm(*form, "3-Anahtar"));
        MesajKutusuTest::yanıtla(QMessageBox::No);
        form->KlasörSilMenüsü->trigger();
        QVERIFY(MesajKutusuTest::son().metin.startsWith("'B-alt' adlı"));
        QCOMPARE(MesajKutusuTest::son().varsayılan, QMessageBox::Yes);
        QCOMPARE(klasörSayısı(), 4);

        MesajKutusuTest::yanıtla(QMessageBox::Yes);
        form->KlasörSilMenüsü->trigger();
        QCOMPARE(klasörSayısı(), 3);
        QCOMPARE(işSayısı("3-Anahtar"), 0);
        QVERIFY(!form->KlasörListesi->anahtarlıDüğüm("3-Anahtar"));
    }

    // The selections are tested on their statements; here each box must pick its listing and
    // switch the commands that do not fit it.
    void listsWithColoursAndFilters() {
        auto form = örnekForm();
        İşListesiModeli* m = form->işModeli;
        // By date only; same-date rows keep the engine's order.
        QCOMPARE(sütun(*form, 2), QStringList({"Dün", "Bugün açık", "Bugün yapıldı", "Yarın"}));
        QStringList satır;
        for (int s = 0; s < 6; ++s)
            satır << m->metin(1, s);
        QCOMPARE(satır, QStringList({"06.12.2026", "14:35:00", "Bugün açık", "Adliye", "2026/12",
                                     "Açıklama"}));
        // The date column is coloured past, today and future.
        const QList<std::pair<int, QColor>> renkler = {
            {0, {150, 40, 40}}, {1, {40, 40, 150}}, {3, {10, 140, 10}}};
        for (const auto& [i, renk] : renkler)
            QCOMPARE(m->index(i, 0).data(Qt::ForegroundRole).value<QColor>(), renk);
        QVERIFY(!m->index(1, 0).data(Qt::DecorationRole).value<QIcon>().isNull());
        QCOMPARE(seçiliSatır(*form), 0);

        form->SadeceBugünYapılacakİşleriListeleOnayı->click();
        QCOMPARE(sütun(*form, 2), QStringList({"Bugün açık"}));
        QVERIFY(!form->BulMenüsü->isEnabled());

        // Both boxes: rows of all folders, each tagged with its folder; no new folders. The
        // first row's folder is selected in the tree, also from "Klasörlerim": a new job goes
        // there.
        düğümTıkla(*form, "Klasor");
        form->TümKlasörlerOnayı->click();
        QCOMPARE(sütun(*form, 2), QStringList({"Bugün açık", "Başka klasör"}));
        QCOMPARE(form->seçiliKlasörAnahtarı(), QString("1-Anahtar"));
        QCOMPARE(açılanBaşlık(form->YeniİşEkleMenüsü1), QString("Yapılacak İş Ekleme (A)"));
        QVERIFY(!form->KlasörListesi->isEnabled());
        for (QAction* a :
             {form->Düğme[2], form->YeniKlasörEkleMenüsü1, form->YeniKlasörEkleMenüsü2})
            QVERIFY2(!a->isEnabled(), qPrintable(a->text()));
        // Clicking a row selects its folder in the tree, which stays out of use.
        satıraTıkla(*form, 1);
        QCOMPARE(form->seçiliKlasörAnahtarı(), QString("3-Anahtar"));

        form->SadeceBugünYapılacakİşleriListeleOnayı->click();
        QCOMPARE(m->satırSayısı(), 6);
        QVERIFY(!form->BulMenüsü->isEnabled());

        // Back to the tree: the selected folder is listed, untagged, and the commands come back.
        form->TümKlasörlerOnayı->click();
        QVERIFY(form->KlasörListesi->isEnabled());
        QVERIFY(form->Düğme[2]->isEnabled());
        QCOMPARE(form->BulMenüsü->isEnabled(), form->BulMenüsü->property("isleyiciVar").toBool());
        QCOMPARE(sütun(*form, 2), QStringList({"Başka klasör", "Başka yarın"}));
        QCOMPARE(m->anahtar(0), QString());
    }

    void sortsByHeaderClicks() {
        auto form = örnekForm();
        işEkle("1-Anahtar", Bugün.addDays(-30), QTime(7, 0), "eski");
        işEkle("1-Anahtar", Bugün.addDays(40), QTime(23, 0), "Çok ileri");
        düğümTıkla(*form, "1-Anahtar");
        auto* başlık = static_cast<SıralamaBaşlığı*>(form->YapılacakİşlerListesi->header());
        // The load step marks the list as sorted by date, ascending.
        QCOMPARE(başlık->simgeliSütun(), 0);
        QCOMPARE(başlık->simgeYönü(), 0);

        // First click on "Tarihi" sorts by date descending (by date value: 05.01 after
        // 06.12 as text, but earlier as a date); equal dates keep their order.
        başlığaTıkla(*form, 0);
        QCOMPARE(sütun(*form, 2),
                 QStringList({"Çok ileri", "Yarın", "Bugün açık", "Bugün yapıldı", "Dün", "eski"}));
        QCOMPARE(başlık->simgeYönü(), 1);

        // Another column sorts ascending by its text, letter case aside, Turkish order.
        başlığaTıkla(*form, 2);
        QCOMPARE(sütun(*form, 2),
                 QStringList({"Bugün açık", "Bugün yapıldı", "Çok ileri", "Dün", "eski", "Yarın"}));
        QCOMPARE(başlık->simgeliSütun(), 2);
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
    }

    void deletesRowsAndSelectsTheNeighbour() {
        auto form = örnekForm();
        MesajKutusuTest::yanıtla(QMessageBox::No);
        form->İşiSilMenüsü1->trigger();
        QCOMPARE(form->işModeli->satırSayısı(), 4);

        // A middle row goes: the row before it is selected.
        satıraTıkla(*form, 2);
        MesajKutusuTest::yanıtla(QMessageBox::Yes);
        form->Düğme[6]->trigger();
        QCOMPARE(seçiliSatır(*form), 1);
        QCOMPARE(sütun(*form, 2), QStringList({"Dün", "Bugün açık", "Yarın"}));

        // The first row goes, then the only row: the list is empty with nothing selected and
        // the jobs have left the file.
        düğümTıkla(*form, "3-Anahtar");
        for (int i = 0; i < 2; ++i) {
            MesajKutusuTest::yanıtla(QMessageBox::Yes);
            form->İşiSilMenüsü1->trigger();
        }
        QCOMPARE(form->işModeli->satırSayısı(), 0);
        QCOMPARE(seçiliSatır(*form), -1);
        QCOMPARE(işSayısı("3-Anahtar"), 0);
        // With nothing selected the command asks nothing.
        const int kutular = MesajKutusuTest::kayıtlar().size();
        form->İşiSilMenüsü1->trigger();
        QCOMPARE(MesajKutusuTest::kayıtlar().size(), kutular);
    }

    void movesJobByDraggingOntoAFolder() {
        auto form = örnekForm();
        düğüm(*form, "2-Anahtar")->setExpanded(true);
        satıraTıkla(*form, 1); // "Bugün açık"
        const qint64 isNo = form->işModeli->isNo(1);

        // Onto a reserved node or empty space: no question, nothing changes.
        ağacaBırak(*form, düğüm(*form, "Klasor"));
        ağacaBırak(*form, nullptr);
        QCOMPARE(MesajKutusuTest::kayıtlar().size(), 0);
        QVERIFY(!form->KlasörListesi->damlaVurgusu());

        MesajKutusuTest::yanıtla(QMessageBox::No);
        ağacaBırak(*form, düğüm(*form, "3-Anahtar"));
        QCOMPARE(MesajKutusuTest::kayıtlar().size(), 1);
        QCOMPARE(işSayısı("1-Anahtar"), 4);
        QVERIFY(!form->KlasörListesi->damlaVurgusu());

        // Yes: the job moves, the target is selected and listed, the job selected in it.
        MesajKutusuTest::yanıtla(QMessageBox::Yes);
        ağacaBırak(*form, düğüm(*form, "3-Anahtar"));
        QCOMPARE(işSayısı("3-Anahtar"), 3);
        QCOMPARE(form->seçiliKlasörAnahtarı(), QString("3-Anahtar"));
        QCOMPARE(form->işModeli->isNo(seçiliSatır(*form)), isNo);
        QVERIFY(!form->KlasörListesi->damlaVurgusu());
    }

    void addChangeAndTheRowMenu() {
        auto form = örnekForm();
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

        // No folder chosen: a note, no window.
        düğümTıkla(*form, "Klasor");
        form->YeniİşEkleMenüsü1->trigger();
        QCOMPARE(MesajKutusuTest::son().simge, QMessageBox::Information);
        QCOMPARE(ModalTest::gösterilenler().size(), 3);
    }

    // The main window when a database step fails: the lock held past the wait (3260), the file
    // gone (3024) or its folder gone (3044, which ends the program), a row changed by another
    // computer (3197). Every command reports the error and leaves the file and the window as
    // they were.
    void commandsKeepFileAndWindow_data() {
        QTest::addColumn<int>("no");
        for (int no : {3260, 3024, 3044, 3197})
            QTest::addRow("%d", no) << no;
    }
    void commandsKeepFileAndWindow() {
        QFETCH(int, no);
        auto form = örnekForm();
        // Expanded beforehand: a drag over a closed folder opens it, which lists again.
        düğüm(*form, "2-Anahtar")->setExpanded(true);
        const QStringList işler = sütun(*form, 2);
        // Runs the command with its next database step failing; the error is reported once.
        const auto başarısız = [&](const std::function<void()>& komut) {
            MesajKutusuTest::temizle();
            ProgramSonu::sıfırla();
            Veritabanıİç::sonrakiAdımdaHata(no);
            komut();
            if (no == 3044)
                QVERIFY(ProgramSonu::sonlandıMı());
            else
                QVERIFY(MesajKutusuTest::son().metin.contains(QString::number(no)));
            ProgramSonu::sıfırla();
        };

        başarısız([&] { form->İşiSil(); });
        QCOMPARE(sütun(*form, 2), işler);
        başarısız([&] { ağacaBırak(*form, düğüm(*form, "2-Anahtar")); });
        QCOMPARE(form->seçiliKlasörAnahtarı(), QString("1-Anahtar"));
        QCOMPARE(sütun(*form, 2), işler);
        başarısız([&] { form->YeniKlasörEkle(); });
        başarısız([&] {
            QVERIFY(!form->KlasörListesi_AfterLabelEdit(düğüm(*form, "1-Anahtar"), "Yeni"));
        });
        // A leaf: the step that fails is the reading of its sub-folders.
        form->KlasörListesi->setCurrentItem(düğüm(*form, "3-Anahtar"));
        başarısız([&] { form->KlasörSilMenüsü->trigger(); });
        QCOMPARE(klasörSayısı(), 3);
        QCOMPARE(işSayısı("1-Anahtar"), 4);
        QCOMPARE(adı("1-Anahtar"), QString("A"));
        QCOMPARE(form->KlasörListesi->tümDüğümler().size(), 5);
        // A failed listing shows nothing and is not passed off as an empty folder; the next
        // one shows the folder again.
        başarısız([&] { düğümTıkla(*form, "1-Anahtar"); });
        QVERIFY(sütun(*form, 2).isEmpty());
        QCOMPARE(form->Panel[2]->text(), QString("   İş listesi okunamadı!"));
        düğümTıkla(*form, "1-Anahtar");
        QCOMPARE(sütun(*form, 2), işler);
    }

    // Another computer adds a job, renames a folder and deletes a job: each shows at the
    // next look with the selected job kept, but not while the entry window is open, only
    // right after it closes. The program's own delete is not read a second time.
    void followsAnotherComputer() {
        auto form = örnekForm();
        const QString dosya = AçıkVeritabanı::al().yol();
        const auto başkası = [&](const QStringList& komut) {
            QProcess p;
            p.start(qEnvironmentVariable("TARVELA_BIN") + "/VtYardimci",
                    QStringList{komut[0], dosya} + komut.mid(1));
            QVERIFY(p.waitForFinished(60000) && p.exitCode() == 0);
        };
        const auto seçiliKonu = [&] {
            return seçiliSatır(*form) < 0 ? QString()
                                          : form->işModeli->metin(seçiliSatır(*form), 2);
        };
        düğüm(*form, "2-Anahtar")->setExpanded(true);
        form->YapılacakİşlerListesi_ColumnClick(0);
        form->işSatırıSeç(form->işModeli->isNoSatırı(3) + 1);
        başkası({"ekle", "1", "Ön büro"});
        form->değişiklikleriDenetle();
        QCOMPARE(sütun(*form, 2).first(), QString("Yarın"));
        QVERIFY(sütun(*form, 2).contains("Ön büro-0"));
        QCOMPARE(seçiliKonu(), QString("Bugün açık"));
        QCOMPARE(form->Panel[2]->text(), QString("   5 iş listelendi"));
        başkası({"klasor-adi", "2-Anahtar", "Ceza"});
        form->değişiklikleriDenetle();
        QCOMPARE(düğüm(*form, "2-Anahtar")->text(0), QString("Ceza"));
        QVERIFY(düğüm(*form, "2-Anahtar")->isExpanded());
        ModalTest::sıradaki([&](QDialog*) {
            başkası({"sil-cift", "2"});
            form->değişiklikleriDenetle();
            QVERIFY(sütun(*form, 2).contains("Dün"));
        });
        form->YeniİşEkle();
        QTRY_VERIFY(!sütun(*form, 2).contains("Dün"));
        QCOMPARE(seçiliKonu(), QString("Bugün açık"));
        QSignalSpy okumalar(form->işModeli, &QAbstractItemModel::modelReset);
        MesajKutusuTest::yanıtla(QMessageBox::Yes);
        form->İşiSil();
        const int okunan = okumalar.count();
        form->değişiklikleriDenetle();
        QCOMPARE(okumalar.count(), okunan);
        // An open job lists window and search window follow as well.
        ModalTest::sıradaki([&](QDialog* d) {
            auto* listeler = static_cast<YapılacakİşlerListesiFormu*>(d);
            listeler->TümİşleriListeleDüğmesi_Click();
            listeler->YapılacakİşlerListesi->setCurrentIndex(listeler->işModeli->index(2, 0));
            const qint64 seçili = listeler->işModeli->isNo(2);
            başkası({"ekle", "1", "Liste"});
            listeler->izleyici->denetle();
            QCOMPARE(listeler->Etiket[0]->text(), QString("Tüm İşleriniz (Toplam: 6)"));
            QCOMPARE(
                listeler->işModeli->isNo(listeler->YapılacakİşlerListesi->currentIndex().row()),
                seçili);
        });
        form->YapılacakİşleriListele();
        ModalTest::sıradaki([&](QDialog* d) {
            auto* arama = static_cast<AramaİşlemleriFormu*>(d);
            arama->ArananKutusu->setText("Liste");
            arama->AraDüğmesi_Click();
            başkası({"ekle", "1", "Liste"});
            arama->izleyici->denetle();
            QCOMPARE(arama->sonuçSayısı(), 2);
        });
        form->BulMenüsü->trigger();
    }
};

TARVELA_TEST_MAIN(AnaFormPencereTest)
#include "AnaFormPencereTest.moc"
