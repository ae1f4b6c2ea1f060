#include "TestOrtami.h"

// moc cannot read namespace names with Turkish letters; it needs none of these.
#ifndef Q_MOC_RUN
#include "settings/ProgramDegerleri.h"
#include "startup/IsletimSistemi.h"
#include "startup/TekKopya.h"
#endif

#include <QElapsedTimer>
#include <QProcess>

class BaslangicTest : public QObject {
    Q_OBJECT
private slots:
    void init() { TestOrtami::sıfırla(); }

    void titleFromTheVersionNumbers() {
        QCOMPARE(buSürümünBaşlığı(), QStringLiteral("Selvane - Tarvela 2.33 (İstemci)"));
        QCOMPARE(uygulamaBaşlığınıOluştur(3, 10, 2),
                 QStringLiteral("Selvane - Tarvela 3.102 (İstemci)"));
        QCOMPARE(programKlasörünüOluştur("/opt/tarvela"), QStringLiteral("/opt/tarvela/"));
        QCOMPARE(programKlasörünüOluştur("/opt/tarvela/"), QStringLiteral("/opt/tarvela/"));
        QCOMPARE(programKlasörünüOluştur("/"), QStringLiteral("/"));
        QCOMPARE(programKlasörünüOluştur("C:\\"), QStringLiteral("C:\\"));
    }

    void operatingSystemRules() {
        auto kayıt = [](bool okundu, int platform, int ana, QByteArray paket = {}) {
            SürümKaydı k;
            k.okundu = okundu;
            k.platformKimliği = platform;
            k.anaSürüm = ana;
            k.servisPaketi = paket;
            return k;
        };
        QVERIFY(!işletimSistemiDenetle(kayıt(false, 2, 10)).uygun);
        QVERIFY(!işletimSistemiDenetle(kayıt(true, 2, 3)).uygun);
        QVERIFY(!işletimSistemiDenetle(kayıt(true, 2, 4, "Service Pack 1")).uygun);
        QVERIFY(!işletimSistemiDenetle(kayıt(true, 2, 4, QByteArray("Service Pack 2\0x", 16))).uygun);
        QVERIFY(işletimSistemiDenetle(kayıt(true, 2, 4, "Service Pack 3")).uygun);
        QVERIFY(işletimSistemiDenetle(kayıt(true, 2, 4)).uygun);
        QVERIFY(işletimSistemiDenetle(kayıt(true, 2, 4, "service pack 1")).uygun);
        QVERIFY(işletimSistemiDenetle(kayıt(true, 2, 5)).ntBayrağı);
        // Outside the NT family nothing more is tested.
        const auto eski = işletimSistemiDenetle(kayıt(true, 1, 3));
        QVERIFY(eski.uygun);
        QVERIFY(!eski.ntBayrağı);
        // This machine passes.
        QVERIFY(işletimSistemiDenetle(buSisteminKaydı()).uygun);
    }

    void socketNameDependsOnTitleAndUser() {
        const QString a = TekKopya::soketAdı("Selvane - Tarvela 2.33 (İstemci)", "ayse");
        QCOMPARE(a, TekKopya::soketAdı("Selvane - Tarvela 2.33 (İstemci)", "ayse"));
        QVERIFY(a != TekKopya::soketAdı("Selvane - Tarvela 2.33 (İstemci)", "mehmet"));
        QVERIFY(a != TekKopya::soketAdı("Selvane - Tarvela 2.34 (İstemci)", "ayse"));
    }

    // Two real copies of the program: the second finds the first, asks it to show its main
    // window, and ends at once.
    void secondCopyBringsTheFirstForward() {
        const QString program = qEnvironmentVariable("TARVELA_BIN") + "/Lodra";
        QVERIFY2(QFile::exists(program), qPrintable(program));
        QProcessEnvironment ortam = QProcessEnvironment::systemEnvironment();
        ortam.insert("TARVELA_IZ", "1");
        ortam.insert("QT_QPA_PLATFORM", "offscreen");
        // A settings folder of this test's own: the first copy waits in its connect window.
        ortam.insert("XDG_CONFIG_HOME", TestOrtami::şimdiki().ayarKlasörü() + "/iki-kopya");
        // Another user name keeps these copies apart from any copy a developer runs.
        ortam.insert("USER", "tarvela-test-iki-kopya");

        QProcess birinci;
        birinci.setProcessEnvironment(ortam);
        birinci.setProcessChannelMode(QProcess::SeparateChannels);
        birinci.start(program, {"-Simge"});
        QVERIFY(birinci.waitForStarted());
        QByteArray birinciÇıktı;
        QElapsedTimer süre;
        süre.start();
        while (!birinciÇıktı.contains("TARVELA_IZ basladi") && süre.elapsed() < 20000) {
            birinci.waitForReadyRead(200);
            birinciÇıktı += birinci.readAllStandardError();
        }
        QVERIFY2(birinciÇıktı.contains("TARVELA_IZ basladi"), birinciÇıktı.constData());

        QProcess ikinci;
        ikinci.setProcessEnvironment(ortam);
        süre.restart();
        ikinci.start(program, QStringList());
        QVERIFY(ikinci.waitForFinished(15000));
        QCOMPARE(ikinci.exitCode(), 0);
        QVERIFY(ikinci.readAllStandardError().contains("TARVELA_IZ onceki-kopya-bulundu"));

        while (!birinciÇıktı.contains("TARVELA_IZ goster-istegi") && süre.elapsed() < 10000) {
            birinci.waitForReadyRead(200);
            birinciÇıktı += birinci.readAllStandardError();
        }
        QVERIFY2(birinciÇıktı.contains("TARVELA_IZ goster-istegi"), birinciÇıktı.constData());
        QCOMPARE(birinci.state(), QProcess::Running);
        birinci.kill();
        birinci.waitForFinished();
    }
};

TARVELA_TEST_MAIN(BaslangicTest)
#include "BaslangicTest.moc"
