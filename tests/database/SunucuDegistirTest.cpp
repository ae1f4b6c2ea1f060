#include "TestOrtami.h"

#include "BaglantiTestDestegi.h"
#include "controls/MesajKutusu.h"
#include "controls/Modal.h"
#include "database/AgaGozat.h"
#include "database/SunucuDegistirFormu.h"
#include "database/Veritabani.h"
#include "database/VeritabaninaBaglanFormu.h"
#include "settings/AyarDeposu.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>

namespace {
QListWidget* liste(QDialog* d) {
    return d->findChild<QListWidget*>("SunucuListesi");
}
QString seçilen(QDialog* d) {
    return d->findChild<QLabel*>("Etiket2")->text();
}
QStringList satırlar(QDialog* d) {
    QStringList metinler;
    for (int i = 0; i < liste(d)->count(); ++i)
        metinler << liste(d)->item(i)->text();
    return metinler;
}
} // namespace

class SunucuDegistirTest : public QObject {
    Q_OBJECT
    SahteAnaForm* form = nullptr;
    QStringList klasörler;

    void sakla(const QStringList& anahtarlar) {
        for (int i = 0; i < anahtarlar.size(); ++i)
            AyarDeposu::SaveSetting("Sunucular", anahtarlar[i], klasörler[i]);
    }

private slots:
    void initTestCase() {
        AgaGozatTest::etkinleştir();
        for (const char* ad : {"a", "b", "c", "d"})
            klasörler << veritabanlıKlasör(vtKökü(), ad);
    }
    void init() {
        TestOrtami::sıfırla();
        form = new SahteAnaForm;
        anaFormuAyarla(form);
    }
    void cleanup() {
        anaFormuAyarla(nullptr);
        delete form;
    }

    // The list from the store with the folder in use selected and shown, the buttons inside
    // the window.
    void opening() {
        sakla({"Sunucu-1", "Sunucu-2", "Sunucu-3"});
        AyarDeposu::SaveSetting("Ayarlar", "Veritabani", "1");
        ModalTest::sıradaki([&](QDialog* d) {
            QCOMPARE(satırlar(d), klasörler.mid(0, 3));
            QCOMPARE(liste(d)->currentRow(), 1);
            QCOMPARE(seçilen(d), klasörler[1]);
            QTest::mouseClick(liste(d)->viewport(), Qt::LeftButton, {},
                              liste(d)->visualItemRect(liste(d)->item(2)).center());
            QCOMPARE(seçilen(d), klasörler[2]);
            for (QPushButton* düğme : d->findChildren<QPushButton*>())
                QVERIFY(düğme->geometry().right() < d->width());
        });
        SunucuDeğiştir(form->pencere());
    }

    // Choosing a folder: cancel and a folder without the file change nothing; a folder with
    // the file is stored, listed and selected, without connecting.
    void choosingAServer() {
        sakla({"Sunucu-1"});
        ModalTest::sıradaki([&](QDialog* d) {
            AgaGozatTest::iptal();
            düğmeyeBas(d, "SunucuSeçDüğmesi");
            AgaGozatTest::yanıtla(yeniKlasör(vtKökü(), "dosyasiz"));
            düğmeyeBas(d, "SunucuSeçDüğmesi");
            QCOMPARE(MesajKutusuTest::kayıtlar().size(), 1);
            QCOMPARE(MesajKutusuTest::son().metin, BaglantiMetinleri::DosyaYok);
            QCOMPARE(satırlar(d), klasörler.mid(0, 1));

            AgaGozatTest::yanıtla(klasörler[1]);
            düğmeyeBas(d, "SunucuSeçDüğmesi");
            QCOMPARE(satırlar(d), klasörler.mid(0, 2));
            QCOMPARE(liste(d)->currentRow(), 1);
            QCOMPARE(seçilen(d), klasörler[1]);
            QCOMPARE(saklıSunucular(),
                     QStringList({"Sunucu-1=" + klasörler[0], "Sunucu-2=" + klasörler[1]}));
        });
        SunucuDeğiştir(form->pencere());
        QVERIFY(!AçıkVeritabanı::açıkMı());
        QCOMPARE(form->klasörYükleme, 0);
    }

    // Connecting to the selected folder replaces the open database, reloads the tree and
    // saves the position. A failure keeps the open database and every server.
    void connecting() {
        sakla({"Sunucu-1", "Sunucu-2", "Sunucu-3"});
        AçıkVeritabanı::ayarla(Veritabanı::OpenDatabase(klasörler[0] + "/Lodra.vtb"));
        const QString kayıp = yeniKlasör(vtKökü(), "kayip");
        AyarDeposu::SaveSetting("Sunucular", "Sunucu-4", kayıp);
        ModalTest::sıradaki([&](QDialog* d) {
            liste(d)->setCurrentRow(3);
            düğmeyeBas(d, "SeçilenSunucuyaBağlanDüğmesi");
            QVERIFY(d->isVisible());
            QCOMPARE(MesajKutusuTest::son().metin,
                     QString("Veritabanı dosyası bulunamadı. Lütfen, kontrol edip tekrar "
                             "deneyiniz!"));
            QCOMPARE(MesajKutusuTest::son().simge, QMessageBox::Information);

            // A file that is no database: the common error report.
            QFile::copy(bozukDosyalıKlasör(vtKökü(), "bozuk") + "/Lodra.vtb", kayıp + "/Lodra.vtb");
            düğmeyeBas(d, "SeçilenSunucuyaBağlanDüğmesi");
            QVERIFY(d->isVisible());
            QCOMPARE(MesajKutusuTest::son().başlık, QString("Hata oluştu!"));
            QVERIFY(MesajKutusuTest::son().metin.contains("Hata Kodu: 3031"));
            QCOMPARE(AçıkVeritabanı::al().yol(), klasörler[0] + "/Lodra.vtb");
            QCOMPARE(saklıSunucular().size(), 4);
            QCOMPARE(form->klasörYükleme, 0);

            liste(d)->setCurrentRow(2);
            düğmeyeBas(d, "SeçilenSunucuyaBağlanDüğmesi");
            QVERIFY(!d->isVisible());
        });
        SunucuDeğiştir(form->pencere());
        QCOMPARE(AçıkVeritabanı::al().yol(), klasörler[2] + "/Lodra.vtb");
        QCOMPARE(form->ağaçBoşaltma, 1);
        QCOMPARE(form->klasörYükleme, 1);
        QCOMPARE(form->durum.value(2), BaglantiMetinleri::BağlantıTamam);
        QCOMPARE(AyarDeposu::GetSetting("Ayarlar", "Veritabani"), QString("2"));
        QCOMPARE(form->kapatma, 0);
    }

    // Keys that do not run 1..n are written again before the position is saved, so that the
    // next start opens the folder that was connected to.
    void gappedKeysNextStart() {
        sakla({"Sunucu-3", "Sunucu-7"});
        ModalTest::sıradaki([&](QDialog* d) {
            liste(d)->setCurrentRow(1);
            düğmeyeBas(d, "SeçilenSunucuyaBağlanDüğmesi");
        });
        SunucuDeğiştir(form->pencere());
        QCOMPARE(saklıSunucular(),
                 QStringList({"Sunucu-1=" + klasörler[0], "Sunucu-2=" + klasörler[1]}));
        AçıkVeritabanı::kapat();
        ModalTest::sıradaki([](QDialog*) { QCoreApplication::processEvents(); });
        QVERIFY(VeritabanınaBağlan());
        QCOMPARE(AçıkVeritabanı::al().yol(), klasörler[1] + "/Lodra.vtb");
    }

    // Cancelling keeps the program running while a database is open; without one it ends.
    void cancelling() {
        sakla({"Sunucu-1"});
        ModalTest::sıradaki([](QDialog* d) { QTest::keyClick(d, Qt::Key_Escape); });
        SunucuDeğiştir(form->pencere());
        QCOMPARE(form->kapatma, 1);

        AçıkVeritabanı::ayarla(Veritabanı::OpenDatabase(klasörler[0] + "/Lodra.vtb"));
        ModalTest::sıradaki([](QDialog* d) { düğmeyeBas(d, "VaçgeçDüğmesi"); });
        SunucuDeğiştir(form->pencere());
        QCOMPARE(form->kapatma, 1);
        QCOMPARE(AyarDeposu::GetSetting("Ayarlar", "Veritabani", "yok"), QString("yok"));
    }
};

TARVELA_TEST_MAIN(SunucuDegistirTest)
#include "SunucuDegistirTest.moc"
