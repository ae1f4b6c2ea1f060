#include "AnaFormTestDestegi.h"
#include "TestOrtami.h"

#include "controls/HataBildirici.h"
#include "controls/MesajKutusu.h"
#include "database/Deyimler.h"
#include "database/VeritabaniIc.h"
#include "mainwindow/AnaForm.h"
#include "mainwindow/AnaFormDenetimleri.h"

#include <QLabel>

using namespace AnaFormTest;

// The main window when a database step fails: the lock held past the wait (3260), the file
// gone (3024) or its folder gone (3044, which ends the program), a row changed by another
// computer (3197). Every command reports the error and leaves the file and the window as
// they were.
class VeritabaniHatasiTest : public QObject {
    Q_OBJECT
private slots:
    void init() { TestOrtami::sıfırla(); }

    void commandsKeepFileAndWindow_data() {
        QTest::addColumn<int>("no");
        for (int no : {3260, 3024, 3044, 3197})
            QTest::addRow("%d", no) << no;
    }
    void commandsKeepFileAndWindow() {
        QFETCH(int, no);
        yeniVeritabanı();
        klasörEkle("1-Anahtar", "Klasor", "Davalar");
        klasörEkle("2-Anahtar", "Klasor", "İcra");
        işEkle("1-Anahtar", QDate(2030, 1, 7), QTime(9, 0), "Duruşma");
        auto form = yeniForm();
        düğümTıkla(*form, "1-Anahtar");
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
        const auto yerinde = [&] {
            QCOMPARE(satırSayısı(Deyim::F1()), 2);
            QCOMPARE(satırSayısı(Deyim::J1("1-Anahtar")), 1);
            QCOMPARE(ilkAlan(Deyim::F3("1-Anahtar"), "Adi").toString(), QString("Davalar"));
            QCOMPARE(form->KlasörListesi->tümDüğümler().size(), 4);
        };

        başarısız([&] { form->İşiSil(); });
        QCOMPARE(sütun(*form, 2), QStringList({"Duruşma"}));
        başarısız([&] { ağacaBırak(*form, düğüm(*form, "2-Anahtar")); });
        QCOMPARE(form->seçiliKlasörAnahtarı(), QString("1-Anahtar"));
        QCOMPARE(sütun(*form, 2), QStringList({"Duruşma"}));
        başarısız([&] { form->YeniKlasörEkle(); });
        başarısız([&] {
            QVERIFY(!form->KlasörListesi_AfterLabelEdit(düğüm(*form, "1-Anahtar"), "Yeni"));
        });
        form->KlasörListesi->setCurrentItem(düğüm(*form, "2-Anahtar"));
        başarısız([&] { form->KlasörSilMenüsü->trigger(); });
        yerinde();
        // A failed listing shows nothing and is not passed off as an empty folder; the next
        // one shows the folder again.
        başarısız([&] { düğümTıkla(*form, "1-Anahtar"); });
        QVERIFY(sütun(*form, 2).isEmpty());
        QCOMPARE(form->Panel[2]->text(), QString("   İş listesi okunamadı!"));
        düğümTıkla(*form, "1-Anahtar");
        QCOMPARE(sütun(*form, 2), QStringList({"Duruşma"}));
        yerinde();
    }
};

TARVELA_TEST_MAIN(VeritabaniHatasiTest)
#include "VeritabaniHatasiTest.moc"
