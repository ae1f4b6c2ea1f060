#include "AnaFormTestDestegi.h"
#include "TestOrtami.h"

#include "controls/HataBildirici.h"
#include "controls/MesajKutusu.h"
#include "controls/ProgramSaati.h"
#include "controls/Twip.h"
#include "mainwindow/AnaForm.h"
#include "mainwindow/AnaFormDenetimleri.h"
#include "reminders/Hatirlatici.h"
#include "settings/AyarDeposu.h"
#include "settings/Tercihler.h"

#include <QCheckBox>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QScreen>
#include <QToolBar>

using namespace AnaFormTest;

namespace {
QString ayar(const char* anahtar) {
    return AyarDeposu::GetSetting("Ayarlar", QString::fromLatin1(anahtar));
}
QString sütunAyarı(const char* anahtar) {
    return AyarDeposu::GetSetting("Listeler\\Liste-1", QString::fromLatin1(anahtar));
}
} // namespace

class AnaFormCerceveTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        TestOrtami::sıfırla();
        yeniVeritabanı();
    }

    void loadsWithDefaultsAndDisabledEntries() {
        QVERIFY(AnaForm::ekranYeterli(600));
        QVERIFY(!AnaForm::ekranYeterli(599));
        ProgramSaati::ayarla(QDateTime(QDate(2026, 12, 5), QTime(9, 0)));
        auto form = yeniForm();
        // First start: the outer window as wide as the screen, 400 twips less high, at the
        // top left corner.
        const QRect ekran = form->screen()->geometry();
        QVERIFY(form->frameGeometry() != form->geometry());
        QCOMPARE(form->frameGeometry().width(), ekran.width());
        QCOMPARE(form->frameGeometry().height(), twipten(pikselden(ekran.height()) - 400));
        QCOMPARE(form->pos(), QPoint(0, 0));
        QVERIFY(!form->isMaximized());
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
        QCOMPARE(form->Etiket[2]->text(), QString("5 Aralık 2026 Cumartesi"));
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
            QCOMPARE(MesajKutusuTest::son().metin, QString("Programdan çıkmak istiyor musunuz?"));
            QVERIFY(form->isVisible());
            QCOMPARE(sütunAyarı("Konum-4"), QString("1"));
            QCOMPARE(sütunAyarı("Genislik-4"), QString::number(pikselden(250)));
            QCOMPARE(ayar("Yukseklik"), QString());
            // Yes: geometry and state are stored; the size is the outer one, frame included.
            dış = form->frameGeometry();
            QVERIFY(dış.width() > 700 && dış.height() > 480);
            MesajKutusuTest::yanıtla(QMessageBox::Yes);
            form->close();
            QVERIFY(!form->isVisible());
        }
        QCOMPARE(ayar("Genislik"), QString::number(pikselden(dış.width())));
        QCOMPARE(ayar("Yukseklik"), QString::number(pikselden(dış.height())));
        // Widths the user did not change go back as they came, whole twips and all.
        QCOMPARE(sütunAyarı("Genislik-1"), QString("1200"));
        QCOMPARE(sütunAyarı("Genislik-5"), QString("1000"));
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
        QVERIFY(MesajKutusuTest::kayıtlar().isEmpty());
        QVERIFY(!ProgramSonu::sonlandıMı());
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
};

TARVELA_TEST_MAIN(AnaFormCerceveTest)
#include "AnaFormCerceveTest.moc"
