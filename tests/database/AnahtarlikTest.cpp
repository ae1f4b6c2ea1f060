// Run twice by anahtarlik-testi.sh inside a private D-Bus session with its own keyring daemon:
// the first start types the office key, the second must open without asking.
#include "TestOrtami.h"

#include "SahteAnaForm.h"
#include "controls/Modal.h"
#include "database/GizliServisDeposu.h"
#include "database/Veritabani.h"
#include "database/VeritabaninaBaglanFormu.h"
#include "settings/AyarDeposu.h"

#include <QLineEdit>
#include <QPushButton>

class AnahtarlikTest : public QObject {
    Q_OBJECT
    SahteAnaForm form;
    const QString klasör = qEnvironmentVariable("ANAHTARLIK_KLASORU");
    const QString dosya = klasör + "/Lodra.vtb";
private slots:
    void init() {
        QVERIFY(!klasör.isEmpty());
        TestOrtami::sıfırla();
        AnahtarDeposuSeçimi::ayarla(std::make_unique<GizliServisDeposu>());
        anaFormuAyarla(&form);
        AyarDeposu::SaveSetting("Sunucular", "Sunucu-1", klasör);
        ModalTest::sıradaki([](QDialog*) { QCoreApplication::processEvents(); });
    }

    void firstStart() {
        const QString anahtar = qEnvironmentVariable("ANAHTARLIK_ANAHTARI");
        ModalTest::sıradaki([&](QDialog* d) {
            QTest::keyClicks(d->findChild<QLineEdit*>("AnahtarKutusu"), anahtar);
            QTest::mouseClick(d->findChild<QPushButton*>("TamamDüğmesi"), Qt::LeftButton);
        });
        QVERIFY(VeritabanınaBağlan());
        QCOMPARE(ModalTest::gösterilenler(),
                 QStringList({"VeritabanınaBağlanFormu", "BüroAnahtarıFormu"}));
        QCOMPARE(GizliServisDeposu().oku(dosya), std::optional(anahtar));
    }

    void secondStart() {
        QVERIFY(VeritabanınaBağlan());
        QCOMPARE(AçıkVeritabanı::al().yol(), dosya);
        QCOMPARE(ModalTest::gösterilenler(), QStringList({"VeritabanınaBağlanFormu"}));
    }
};

TARVELA_TEST_MAIN(AnahtarlikTest)
#include "AnahtarlikTest.moc"
