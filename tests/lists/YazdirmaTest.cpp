#include "TestOrtami.h"

#ifndef Q_MOC_RUN
#include "../mainwindow/AnaFormTestDestegi.h"
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
#include <QFileInfo>
#include <QLineEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QTemporaryDir>

namespace {
QList<İşSatırı> satırlar(int sayı) {
    QList<İşSatırı> l;
    for (int i = 1; i <= sayı; ++i)
        l << İşSatırı{
            "05.12.2026", "09:00:00", QStringLiteral("İş %1").arg(i), "", "", "", "", 2, ""};
    return l;
}

// The next choice window picks the entry and presses "Tamam", then runs `sonra`.
void seç(const QString& yazıcı, std::function<void()> sonra = {}) {
    ModalTest::sıradaki([=](QDialog* p) {
        auto* f = static_cast<YazıcıSeçmeFormu*>(p);
        f->YazıcıAdlarıKutusu->setCurrentIndex(f->YazıcıAdlarıKutusu->findText(yazıcı));
        QTest::mouseClick(f->TamamDüğmesi, Qt::LeftButton);
        if (sonra)
            sonra();
    });
}

void dosyaAdı(const QString& yol) {
    ModalTest::sıradaki([=](QDialog* p) {
        static_cast<QFileDialog*>(p)->selectFile(yol);
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
        YazicilarTest::temizle();
        YazicilarTest::yerine(İkiYazıcı);
        ListeYazdiriciTest::temizle();
    }

    void secimPenceresi() {
        YazicilarTest::yerine(İkiYazıcı, "Kat2");
        {
            YazıcıSeçmeFormu f;
            QCOMPARE(f.windowTitle(), QStringLiteral("Yazıcı Seç"));
            QCOMPARE(girdiler(f), (QStringList{"Ofis", "Kat2", "PDF dosyası"}));
            QCOMPARE(f.seçiliYazıcı(), QStringLiteral("Kat2"));
            QCOMPARE(f.BağlantıNoktasıKutusu->text(), QStringLiteral("Kat 2 koridor"));
            f.YazıcıAdlarıKutusu->setCurrentIndex(0);
            QCOMPARE(f.BağlantıNoktasıKutusu->text(), QStringLiteral("ipp://sunucu/printers/Ofis"));
            f.show();
            QTest::mouseClick(f.TamamDüğmesi, Qt::LeftButton);
            QVERIFY(!Yazıcılar::yazdırmaİptalEdildi());
        }
        // The choice holds for the run; Esc cancels and changes nothing.
        YazıcıSeçmeFormu f;
        QCOMPARE(f.seçiliYazıcı(), QStringLiteral("Ofis"));
        f.show();
        f.YazıcıAdlarıKutusu->setCurrentIndex(1);
        QTest::keyClick(&f, Qt::Key_Escape);
        QVERIFY(Yazıcılar::yazdırmaİptalEdildi());
        QCOMPARE(Yazıcılar::seçilen(), QStringLiteral("Ofis"));
    }

    void yaziciYok() {
        YazicilarTest::yerine({});
        YazıcıSeçmeFormu f;
        QCOMPARE(girdiler(f), QStringList{"PDF dosyası"});
        QCOMPARE(f.seçiliYazıcı(), QStringLiteral("PDF dosyası"));

        QCOMPARE(ListeyiYazdır(nullptr, satırlar(1), "L"), YazdırmaSonucu::İptal);
        QVERIFY(MesajKutusuTest::son().metin.startsWith(
            "Bilgisayarınızda yüklü bir YAZICI yok!\r\n\r\n"));
        QCOMPARE(ModalTest::gösterilenler(), QStringList{"YazıcıSeçmeFormu"});
    }

    void bosListe() {
        QCOMPARE(ListeyiYazdır(nullptr, {}, "L"), YazdırmaSonucu::Boş);
        QVERIFY(ModalTest::gösterilenler().isEmpty());
        QVERIFY(MesajKutusuTest::kayıtlar().isEmpty());
    }

    void pdfDosyasi() {
        const QString yol = klasör_.filePath("liste.pdf");
        seç("PDF dosyası");
        dosyaAdı(yol);
        QCOMPARE(ListeyiYazdır(nullptr, satırlar(3), "L"), YazdırmaSonucu::Yazdırıldı);
        QFile f(yol);
        QVERIFY(f.open(QIODevice::ReadOnly) && f.read(5) == "%PDF-");
        // Cancelling the file name cancels the print.
        seç("PDF dosyası");
        QCOMPARE(ListeyiYazdır(nullptr, satırlar(3), "L"), YazdırmaSonucu::İptal);
        QVERIFY(MesajKutusuTest::kayıtlar().isEmpty());
    }

    // Each way a print can fail is told to the user, never passed as printed.
    void basarisizlikBildirilir_data() {
        QTest::addColumn<QString>("yazıcı");
        QTest::addColumn<bool>("kaybolur");
        QTest::addColumn<QString>("neden");
        QTest::newRow("dosya yazılamıyor") << "PDF dosyası" << false << "dosyasına yazılamıyor";
        QTest::newRow("yazıcı seçildikten sonra kalktı")
            << "Ofis" << true << "\"Ofis\" adlı yazıcı artık yüklü değil.";
        QTest::newRow("kuyruk işi almadı") << "Ofis" << false << "";
    }
    void basarisizlikBildirilir() {
        QFETCH(QString, yazıcı);
        QFETCH(bool, kaybolur);
        QFETCH(QString, neden);
        seç(yazıcı, [=] {
            if (kaybolur)
                YazicilarTest::yerine({İkiYazıcı[1]});
        });
        dosyaAdı("/proc/tarvela-liste.pdf");
        QCOMPARE(ListeyiYazdır(nullptr, satırlar(2), "L"), YazdırmaSonucu::Başarısız);
        const MesajKaydı m = MesajKutusuTest::son();
        QCOMPARE(m.simge, QMessageBox::Warning);
        QVERIFY2(m.metin.startsWith("Liste yazdırılamadı!\r\n\r\n") && m.metin.contains(neden),
                 qPrintable(m.metin));
        QVERIFY(m.metin.size() > 26);
    }

    void ilerlemeVeIptal() {
        const QString yol = klasör_.filePath("uzun.pdf");
        QList<int> görülen;
        ListeYazdiriciTest::ilerlemede([&](QProgressDialog* p, int sayfa) {
            görülen << sayfa;
            if (sayfa == 3)
                p->cancel();
        });
        // A few pages print without a progress window.
        seç("PDF dosyası");
        dosyaAdı(yol);
        QCOMPARE(ListeyiYazdır(nullptr, satırlar(100), "L"), YazdırmaSonucu::Yazdırıldı);
        QVERIFY(görülen.isEmpty());
        // A long list shows it; cancelling stops the print and leaves no file.
        QFile::remove(yol);
        seç("PDF dosyası");
        dosyaAdı(yol);
        QCOMPARE(ListeyiYazdır(nullptr, satırlar(600), "L"), YazdırmaSonucu::İptal);
        QCOMPARE(görülen, (QList<int>{1, 2, 3}));
        QVERIFY(!QFile::exists(yol));
        QVERIFY(MesajKutusuTest::kayıtlar().isEmpty());
    }

    void hatirlatmaPenceresi() {
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
        QCOMPARE(ModalTest::gösterilenler(), QStringList{"YazıcıSeçmeFormu"});
        QVERIFY(form.YazdırDüğmesi->isEnabled());
        QCOMPARE(form.focusWidget(), form.YazdırDüğmesi);
    }

    void anaPencere() {
        AnaFormTest::yeniVeritabanı();
        AnaFormTest::klasörEkle("1-Anahtar", "Klasor", "Boş");
        AnaFormTest::klasörEkle("2-Anahtar", "Klasor", "Dolu");
        AnaFormTest::işEkle("2-Anahtar", ProgramSaati::bugün(), QTime(9, 0), "Keşif");
        auto form = AnaFormTest::yeniForm();
        AnaFormTest::düğümTıkla(*form, "1-Anahtar");
        form->Düğme[12]->trigger();
        QVERIFY(ModalTest::gösterilenler().isEmpty());
        AnaFormTest::düğümTıkla(*form, "2-Anahtar");
        form->Düğme[12]->trigger();
        QCOMPARE(ModalTest::gösterilenler(), QStringList{"YazıcıSeçmeFormu"});
    }

    // The job lists window prints what it lists; a cancelled choice gives the button back.
    void isListeleriPenceresi() {
        AnaFormTest::yeniVeritabanı();
        AnaFormTest::klasörEkle("1-Anahtar", "Klasor", "Dolu");
        AnaFormTest::işEkle("1-Anahtar", ProgramSaati::bugün(), QTime(9, 0), "Keşif");
        YapılacakİşlerListesiFormu form;
        form.show();
        QTest::mouseClick(form.YazdırDüğmesi, Qt::LeftButton);
        QVERIFY(ModalTest::gösterilenler().isEmpty());
        QTest::mouseClick(form.TümİşleriListeleDüğmesi, Qt::LeftButton);
        const QString yol = klasör_.filePath("listeler.pdf");
        seç("PDF dosyası");
        dosyaAdı(yol);
        QTest::mouseClick(form.YazdırDüğmesi, Qt::LeftButton);
        QVERIFY(QFileInfo(yol).size() > 0);
        ModalTest::sıradaki([](QDialog* p) { p->reject(); });
        QTest::mouseClick(form.YazdırDüğmesi, Qt::LeftButton);
        QVERIFY(form.YazdırDüğmesi->isEnabled());
        QCOMPARE(form.focusWidget(), form.YazdırDüğmesi);
    }
};

TARVELA_TEST_MAIN(YazdirmaTest)
#include "YazdirmaTest.moc"
