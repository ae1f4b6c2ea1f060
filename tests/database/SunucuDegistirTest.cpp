#include "TestOrtami.h"

#include "BaglantiTestDestegi.h"
#include "controls/MesajKutusu.h"
#include "controls/Modal.h"
#include "controls/Twip.h"
#include "database/AgaGozat.h"
#include "database/SunucuDegistirFormu.h"
#include "database/Veritabani.h"
#include "database/VeritabaninaBaglanFormu.h"
#include "settings/AyarDeposu.h"

#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

namespace {
QStringList sunucular() {
    QStringList satırlar;
    for (const auto& [anahtar, değer] : AyarDeposu::GetAllSettings("Sunucular"))
        satırlar << değer;
    return satırlar;
}

QString kök() {
    return TestOrtami::şimdiki().veritabanıKlasörü();
}

QListWidget* liste(QDialog* d) {
    return d->findChild<QListWidget*>("SunucuListesi");
}
QString seçilen(QDialog* d) {
    return d->findChild<QLabel*>("Etiket2")->text();
}
void tıkla(QDialog* d, const char* ad) {
    QTest::mouseClick(d->findChild<QPushButton*>(QString::fromUtf8(ad)), Qt::LeftButton);
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
private slots:
    void initTestCase() {
        AgaGozatTest::etkinleştir();
        for (const char* ad : {"a", "b", "c", "d", "e"})
            klasörler << veritabanlıKlasör(kök(), ad);
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

    // The list from the store with the folder in use selected and shown.
    void opening() {
        for (int i = 0; i < 3; ++i)
            AyarDeposu::SaveSetting("Sunucular", QString("Sunucu-%1").arg(i + 1), klasörler[i]);
        AyarDeposu::SaveSetting("Ayarlar", "Veritabani", "1");
        ModalTest::sıradaki([&](QDialog* d) {
            QCOMPARE(d->windowTitle(), QString("Sunucu Değiştirme"));
            QCOMPARE(satırlar(d), klasörler.mid(0, 3));
            QCOMPARE(liste(d)->currentRow(), 1);
            QCOMPARE(seçilen(d), klasörler[1]);
            QTest::mouseClick(liste(d)->viewport(), Qt::LeftButton, {},
                              liste(d)->visualItemRect(liste(d)->item(2)).center());
            QCOMPARE(seçilen(d), klasörler[2]);
            // The buttons stand in one column at 4710 twips, inside the window.
            for (const char* ad :
                 {"SunucuSeçDüğmesi", "SeçilenSunucuyaBağlanDüğmesi", "VaçgeçDüğmesi"}) {
                const QRect alan = d->findChild<QPushButton*>(QString::fromUtf8(ad))->geometry();
                QCOMPARE(pikselden(alan.x()), 4710);
                QVERIFY(alan.right() < d->width());
            }
        });
        SunucuDeğiştir(form->pencere());
    }

    // Choosing folders: cancel and a folder without the file change nothing; then the list
    // grows to four, a fifth replaces the fourth, and one of the four selects the fourth.
    void choosingServers() {
        const QString dosyasız = yeniKlasör(kök(), "dosyasiz");
        AyarDeposu::SaveSetting("Sunucular", "Sunucu-1", klasörler[0]);
        ModalTest::sıradaki([&](QDialog* d) {
            AgaGozatTest::iptal();
            tıkla(d, "SunucuSeçDüğmesi");
            AgaGozatTest::yanıtla(dosyasız);
            tıkla(d, "SunucuSeçDüğmesi");
            QCOMPARE(MesajKutusuTest::kayıtlar().size(), 1);
            QCOMPARE(MesajKutusuTest::son().simge, QMessageBox::Warning);
            QCOMPARE(satırlar(d), QStringList({klasörler[0]}));

            for (int i = 1; i < 4; ++i) {
                AgaGozatTest::yanıtla(klasörler[i]);
                tıkla(d, "SunucuSeçDüğmesi");
                QCOMPARE(liste(d)->currentRow(), i);
                QCOMPARE(seçilen(d), klasörler[i]);
            }
            QCOMPARE(sunucular(), klasörler.mid(0, 4));

            AgaGozatTest::yanıtla(klasörler[4]);
            tıkla(d, "SunucuSeçDüğmesi");
            const QStringList beklenen = {klasörler[0], klasörler[1], klasörler[2], klasörler[4]};
            QCOMPARE(satırlar(d), beklenen);
            QCOMPARE(sunucular(), beklenen);
            QCOMPARE(liste(d)->currentRow(), 3);
            QCOMPARE(seçilen(d), klasörler[4]);

            liste(d)->setCurrentRow(0);
            AgaGozatTest::yanıtla(klasörler[1]);
            tıkla(d, "SunucuSeçDüğmesi");
            QCOMPARE(liste(d)->currentRow(), 3);
            QCOMPARE(sunucular(), beklenen);
        });
        SunucuDeğiştir(form->pencere());
        // Choosing does not connect.
        QVERIFY(!AçıkVeritabanı::açıkMı());
        QCOMPARE(form->klasörYükleme, 0);
    }

    // Connecting to the selected folder replaces the open database, reloads the tree and
    // saves the position. A failure keeps the open database and every server.
    void connecting() {
        for (int i = 0; i < 3; ++i)
            AyarDeposu::SaveSetting("Sunucular", QString("Sunucu-%1").arg(i + 1), klasörler[i]);
        AçıkVeritabanı::ayarla(Veritabanı::OpenDatabase(klasörler[0] + "/Lodra.vtb"));

        const QString kayıp = veritabanlıKlasör(kök(), "kayip");
        const QString başkaParola = bozukDosyalıKlasör(kök(), "parola");
        AyarDeposu::SaveSetting("Sunucular", "Sunucu-4", kayıp);
        QFile::remove(kayıp + "/Lodra.vtb");
        AgaGozatTest::yanıtla(başkaParola);
        ModalTest::sıradaki([&](QDialog* d) {
            liste(d)->setCurrentRow(3);
            tıkla(d, "SeçilenSunucuyaBağlanDüğmesi");
            QVERIFY(d->isVisible());
            QCOMPARE(MesajKutusuTest::son().metin,
                     QString("Veritabanı dosyası bulunamadı. Lütfen, kontrol edip tekrar "
                             "deneyiniz!"));
            QCOMPARE(MesajKutusuTest::son().simge, QMessageBox::Information);

            // The fifth folder takes the fourth place; its file is no database.
            tıkla(d, "SunucuSeçDüğmesi");
            tıkla(d, "SeçilenSunucuyaBağlanDüğmesi");
            QVERIFY(d->isVisible());
            QCOMPARE(MesajKutusuTest::son().başlık, QString("Hata oluştu!"));
            QVERIFY(MesajKutusuTest::son().metin.contains("Hata Kodu: 3031"));
            QCOMPARE(AçıkVeritabanı::al().yol(), klasörler[0] + "/Lodra.vtb");
            QCOMPARE(sunucular().size(), 4);
            QCOMPARE(form->klasörYükleme, 0);

            liste(d)->setCurrentRow(2);
            tıkla(d, "SeçilenSunucuyaBağlanDüğmesi");
            QVERIFY(!d->isVisible());
        });
        SunucuDeğiştir(form->pencere());
        QCOMPARE(AçıkVeritabanı::al().yol(), klasörler[2] + "/Lodra.vtb");
        QCOMPARE(form->ağaçBoşaltma, 1);
        QCOMPARE(form->klasörYükleme, 1);
        QCOMPARE(form->durum.value(2), QString("Veritabanı bağlantısı tamam!   "));
        QCOMPARE(AyarDeposu::GetSetting("Ayarlar", "Veritabani"), QString("2"));
        QCOMPARE(form->kapatma, 0);
    }

    // Stored keys that do not run 1..n are written again as 1..n before the position is
    // saved, so that the next start opens the folder that was connected to.
    void gappedKeysNextStart_data() {
        QTest::addColumn<QList<int>>("anahtarlar");
        QTest::addColumn<int>("bağlanılan"); // -1: the folder newly chosen
        QTest::newRow("5, 6 and a new one") << QList<int>{5, 6} << -1;
        QTest::newRow("1, 2, 10 and a new one") << QList<int>{1, 2, 10} << -1;
        QTest::newRow("3, 7, the second") << QList<int>{3, 7} << 1;
    }
    void gappedKeysNextStart() {
        QFETCH(QList<int>, anahtarlar);
        QFETCH(int, bağlanılan);
        for (int i = 0; i < anahtarlar.size(); ++i)
            AyarDeposu::SaveSetting("Sunucular", QString("Sunucu-%1").arg(anahtarlar[i]),
                                    klasörler[i]);
        const QString yeni = klasörler[4];
        const QString beklenen = bağlanılan < 0 ? yeni : klasörler[bağlanılan];
        ModalTest::sıradaki([&](QDialog* d) {
            if (bağlanılan < 0) {
                AgaGozatTest::yanıtla(yeni);
                tıkla(d, "SunucuSeçDüğmesi");
            } else {
                liste(d)->setCurrentRow(bağlanılan);
            }
            tıkla(d, "SeçilenSunucuyaBağlanDüğmesi");
        });
        SunucuDeğiştir(form->pencere());
        QStringList anahtarAdları;
        for (const auto& [anahtar, değer] : AyarDeposu::GetAllSettings("Sunucular"))
            anahtarAdları << anahtar;
        QCOMPARE(anahtarAdları.size(), anahtarlar.size() + (bağlanılan < 0 ? 1 : 0));
        for (int i = 0; i < anahtarAdları.size(); ++i)
            QCOMPARE(anahtarAdları[i], QString("Sunucu-%1").arg(i + 1));

        AçıkVeritabanı::kapat();
        ModalTest::sıradaki([](QDialog*) { QCoreApplication::processEvents(); });
        QVERIFY(VeritabanınaBağlan());
        QCOMPARE(AçıkVeritabanı::al().yol(), beklenen + "/Lodra.vtb");
    }

    // Cancelling keeps the program running while a database is open; without one it ends.
    void cancelling() {
        AyarDeposu::SaveSetting("Sunucular", "Sunucu-1", klasörler[0]);
        ModalTest::sıradaki([](QDialog* d) { QTest::keyClick(d, Qt::Key_Escape); });
        SunucuDeğiştir(form->pencere());
        QCOMPARE(form->kapatma, 1);

        AçıkVeritabanı::ayarla(Veritabanı::OpenDatabase(klasörler[0] + "/Lodra.vtb"));
        ModalTest::sıradaki([](QDialog* d) { tıkla(d, "VaçgeçDüğmesi"); });
        SunucuDeğiştir(form->pencere());
        QCOMPARE(form->kapatma, 1);
        QCOMPARE(AyarDeposu::GetSetting("Ayarlar", "Veritabani", "yok"), QString("yok"));
    }
};

TARVELA_TEST_MAIN(SunucuDegistirTest)
#include "SunucuDegistirTest.moc"
