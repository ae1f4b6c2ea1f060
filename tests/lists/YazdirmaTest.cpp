#include "TestOrtami.h"

#ifndef Q_MOC_RUN
#include "AnaFormTestDestegi.h"
#include "controls/MesajKutusu.h"
#include "controls/Modal.h"
#include "controls/ProgramSaati.h"
#include "lists/ListeYazdirici.h"
#include "lists/YapilacakIslerListesiFormu.h"
#include "lists/YaziciSecmeFormu.h"
#include "mainwindow/AnaForm.h"
#include "reminders/HatirlatmaFormu.h"
#endif

#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QProgressDialog>
#include <QPushButton>

namespace {
QList<İşSatırı> satırlar(int sayı) {
    QList<İşSatırı> l;
    for (int i = 1; i <= sayı; ++i)
        l << İşSatırı{
            "05.12.2026", "09:00:00", QStringLiteral("İş %1").arg(i), "", "", "", "", 2, ""};
    return l;
}

// The next choice window picks the printer and presses "Tamam", then runs `sonra`; the file
// name, when given, is chosen in the save window that follows.
void seç(const QString& yazıcı, const QString& dosya = {}, std::function<void()> sonra = {}) {
    ModalTest::sıradaki([=](QDialog* p) {
        auto* f = static_cast<YazıcıSeçmeFormu*>(p);
        f->YazıcıAdlarıKutusu->setCurrentIndex(f->YazıcıAdlarıKutusu->findText(yazıcı));
        QTest::mouseClick(f->TamamDüğmesi, Qt::LeftButton);
        if (sonra)
            sonra();
    });
    if (!dosya.isEmpty())
        ModalTest::sıradaki([=](QDialog* p) {
            static_cast<QFileDialog*>(p)->selectFile(dosya);
            p->accept();
        });
}

QStringList girdiler(const YazıcıSeçmeFormu& f) {
    QStringList l;
    for (int i = 0; i < f.YazıcıAdlarıKutusu->count(); ++i)
        l << f.YazıcıAdlarıKutusu->itemText(i);
    return l;
}

const QList<YazıcıBilgisi> İkiYazıcı{{"Ofis", "ipp://sunucu/printers/Ofis"},
                                     {"Kat2", "Kat 2 koridor"}};
} // namespace

class YazdirmaTest : public QObject {
    Q_OBJECT
    QTemporaryDir klasör_;

private slots:
    void initTestCase() {
        // No spooler answers here: a job handed over is refused.
        qputenv("CUPS_SERVER", (klasör_.path() + "/yok.sock").toUtf8());
    }
    void init() {
        TestOrtami::sıfırla();
        YazicilarTest::yerine(İkiYazıcı);
        ListeYazdiriciTest::temizle();
    }

    void choiceWindow() {
        YazicilarTest::yerine(İkiYazıcı, "Kat2");
        {
            YazıcıSeçmeFormu f;
            QCOMPARE(girdiler(f), (QStringList{"Ofis", "Kat2", "PDF dosyası"}));
            QCOMPARE(f.seçiliYazıcı(), QStringLiteral("Kat2"));
            QCOMPARE(f.BağlantıNoktasıKutusu->text(), QStringLiteral("Kat 2 koridor"));
            f.YazıcıAdlarıKutusu->setCurrentIndex(0);
            f.show();
            QTest::mouseClick(f.TamamDüğmesi, Qt::LeftButton);
            QVERIFY(!Yazıcılar::yazdırmaİptalEdildi());
        }
        // The choice holds for the run; Esc cancels and changes nothing.
        YazıcıSeçmeFormu f;
        QCOMPARE(f.seçiliYazıcı(), QStringLiteral("Ofis"));
        // Opened on the first entry, its port is shown all the same.
        QCOMPARE(f.BağlantıNoktasıKutusu->text(), QStringLiteral("ipp://sunucu/printers/Ofis"));
        f.show();
        f.YazıcıAdlarıKutusu->setCurrentIndex(1);
        QTest::keyClick(&f, Qt::Key_Escape);
        QVERIFY(Yazıcılar::yazdırmaİptalEdildi());
        QCOMPARE(Yazıcılar::seçilen(), QStringLiteral("Ofis"));
    }

    // Nothing to print asks nothing; no printer offers only the PDF file and says why.
    void emptyListAndNoPrinter() {
        QCOMPARE(ListeyiYazdır(nullptr, {}, "L"), YazdırmaSonucu::Boş);
        QVERIFY(ModalTest::gösterilenler().isEmpty());
        YazicilarTest::yerine({});
        QCOMPARE(girdiler(YazıcıSeçmeFormu()), QStringList{"PDF dosyası"});
        QCOMPARE(ListeyiYazdır(nullptr, satırlar(1), "L"), YazdırmaSonucu::İptal);
        QVERIFY(MesajKutusuTest::son().metin.startsWith(
            "Bilgisayarınızda yüklü bir YAZICI yok!\r\n\r\n"));
        QCOMPARE(ModalTest::gösterilenler(), QStringList{"YazıcıSeçmeFormu"});
    }

    // Each way a print can fail is told to the user, never passed as printed.
    void failureIsReported_data() {
        QTest::addColumn<QString>("yazıcı");
        QTest::addColumn<bool>("kaybolur");
        QTest::addColumn<QString>("neden");
        QTest::newRow("file not writable") << "PDF dosyası" << false << "dosyasına yazılamıyor";
        QTest::newRow("printer removed after the choice")
            << "Ofis" << true << "\"Ofis\" adlı yazıcı artık yüklü değil.";
        QTest::newRow("queue refused the job") << "Ofis" << false << "";
    }
    void failureIsReported() {
        QFETCH(QString, yazıcı);
        QFETCH(bool, kaybolur);
        QFETCH(QString, neden);
        seç(yazıcı, "/proc/tarvela-liste.pdf", [=] {
            if (kaybolur)
                YazicilarTest::yerine({İkiYazıcı[1]});
        });
        QCOMPARE(ListeyiYazdır(nullptr, satırlar(2), "L"), YazdırmaSonucu::Başarısız);
        const MesajKaydı m = MesajKutusuTest::son();
        QCOMPARE(m.simge, QMessageBox::Warning);
        QVERIFY2(m.metin.startsWith("Liste yazdırılamadı!\r\n\r\n") && m.metin.size() > 26 &&
                     m.metin.contains(neden),
                 qPrintable(m.metin));
    }

    // A few pages print without a progress window; a long list shows it, and cancelling there
    // or in the file name window stops the print, leaves no file and says nothing.
    void progressAndCancel() {
        const QString yol = klasör_.filePath("uzun.pdf");
        QList<int> görülen;
        ListeYazdiriciTest::ilerlemede([&](QProgressDialog* p, int sayfa) {
            görülen << sayfa;
            if (sayfa == 3)
                p->cancel();
        });
        seç("PDF dosyası", yol);
        QCOMPARE(ListeyiYazdır(nullptr, satırlar(100), "L"), YazdırmaSonucu::Yazdırıldı);
        QVERIFY(görülen.isEmpty());
        QFile::remove(yol);
        seç("PDF dosyası", yol);
        QCOMPARE(ListeyiYazdır(nullptr, satırlar(600), "L"), YazdırmaSonucu::İptal);
        QCOMPARE(görülen, (QList<int>{1, 2, 3}));
        QVERIFY(!QFile::exists(yol));
        seç("PDF dosyası");
        QCOMPARE(ListeyiYazdır(nullptr, satırlar(3), "L"), YazdırmaSonucu::İptal);
        QVERIFY(MesajKutusuTest::kayıtlar().isEmpty());
    }

    // The choice window stays above a reminder window that does, and the button comes back.
    void reminderWindow() {
        HatırlatmaFormu form;
        HatırlatılacakİŞ iş;
        iş.satır = satırlar(1)[0];
        form.listeyiDoldur({iş});
        form.show();
        form.HerZamanÜstteOlsunOnayı->setChecked(true);
        bool üstte = false;
        ModalTest::sıradaki(
            [&](QDialog* p) { üstte = p->windowFlags() & Qt::WindowStaysOnTopHint; });
        QTest::mouseClick(form.YazdırDüğmesi, Qt::LeftButton);
        QVERIFY(üstte);
        QVERIFY(form.YazdırDüğmesi->isEnabled());
        QCOMPARE(form.focusWidget(), form.YazdırDüğmesi);
    }

    // The main window and the job lists window print only a list that has jobs (the print
    // itself is checked by the real-print test); a cancelled choice gives the button back.
    void mainAndListsWindows() {
        AnaFormTest::yeniVeritabanı();
        AnaFormTest::klasörEkle("1-Anahtar", "Klasor", "Boş");
        AnaFormTest::klasörEkle("2-Anahtar", "Klasor", "Dolu");
        AnaFormTest::işEkle("2-Anahtar", ProgramSaati::bugün(), QTime(9, 0), "Keşif");
        auto ana = AnaFormTest::yeniForm();
        AnaFormTest::düğümTıkla(*ana, "1-Anahtar");
        ana->Düğme[12]->trigger();
        QVERIFY(ModalTest::gösterilenler().isEmpty());
        AnaFormTest::düğümTıkla(*ana, "2-Anahtar");
        ModalTest::sıradaki([](QDialog* p) { p->reject(); });
        ana->Düğme[12]->trigger();
        QCOMPARE(ModalTest::gösterilenler(), QStringList{"YazıcıSeçmeFormu"});

        YapılacakİşlerListesiFormu form;
        form.show();
        QTest::mouseClick(form.YazdırDüğmesi, Qt::LeftButton);
        QCOMPARE(ModalTest::gösterilenler().size(), 1);
        QTest::mouseClick(form.TümİşleriListeleDüğmesi, Qt::LeftButton);
        ModalTest::sıradaki([](QDialog* p) { p->reject(); });
        QTest::mouseClick(form.YazdırDüğmesi, Qt::LeftButton);
        QCOMPARE(ModalTest::gösterilenler().size(), 2);
        QVERIFY(form.YazdırDüğmesi->isEnabled());
        QCOMPARE(form.focusWidget(), form.YazdırDüğmesi);
    }
};

TARVELA_TEST_MAIN(YazdirmaTest)
#include "YazdirmaTest.moc"
