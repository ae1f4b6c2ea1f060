#include "TestOrtami.h"

// moc cannot read namespace names with Turkish letters; it needs none of these.
#ifndef Q_MOC_RUN
#include "settings/ProgramDegerleri.h"
#include "startup/IsletimSistemi.h"
#include "startup/TekKopya.h"
#endif

#include <QElapsedTimer>
#include <QProcess>

namespace {
// A copy of the real program, offscreen, with the trace on; killed when it goes.
struct Kopya {
    QProcess süreç;
    QByteArray çıktı;
    Kopya(QProcessEnvironment ortam, const QString& ekran, const QStringList& argümanlar) {
        ortam.insert("DISPLAY", ekran);
        süreç.setProcessEnvironment(ortam);
        süreç.setProcessChannelMode(QProcess::SeparateChannels);
        süreç.start(qEnvironmentVariable("TARVELA_BIN") + "/Lodra", argümanlar);
        süreç.waitForStarted();
    }
    ~Kopya() {
        süreç.kill();
        süreç.waitForFinished();
    }
    bool bekle(const char* olay) {
        const QByteArray satır = QByteArray("TARVELA_IZ ") + olay;
        QElapsedTimer süre;
        süre.start();
        while (!çıktı.contains(satır) && süre.elapsed() < 20000 &&
               süreç.state() == QProcess::Running) {
            süreç.waitForReadyRead(200);
            çıktı += süreç.readAllStandardError();
        }
        çıktı += süreç.readAllStandardError();
        return çıktı.contains(satır);
    }
};

QProcessEnvironment kopyaOrtamı(const QString& ad) {
    QProcessEnvironment ortam = QProcessEnvironment::systemEnvironment();
    ortam.insert("TARVELA_IZ", "1");
    ortam.insert("QT_QPA_PLATFORM", "offscreen");
    ortam.remove("WAYLAND_DISPLAY");
    // A settings folder of this test's own: the copies wait in their connect windows.
    ortam.insert("XDG_CONFIG_HOME", TestOrtami::şimdiki().ayarKlasörü() + "/" + ad);
    // Another user name keeps these copies apart from any copy a developer runs.
    ortam.insert("USER", "tarvela-test-" + ad);
    return ortam;
}
} // namespace

class BaslangicTest : public QObject {
    Q_OBJECT
private slots:
    void init() { TestOrtami::sıfırla(); }

    void titleFromTheVersionNumbers() {
        QCOMPARE(uygulamaBaşlığınıOluştur(3, 10, 2),
                 QStringLiteral("Selvane - Tarvela 3.102 (İstemci)"));
    }

    // The NT family needs version 4 with service pack 3 or later; only the text before a NUL
    // counts, and outside that family nothing more is tested.
    void operatingSystemRules() {
        auto kayıt = [](int platform, int ana, const QByteArray& paket = {}) {
            return SürümKaydı{true, platform, ana, 0, paket};
        };
        const QList<std::pair<SürümKaydı, bool>> kayıtlar = {
            {SürümKaydı{false, 2, 10, 0, {}}, false},
            {kayıt(2, 3), false},
            {kayıt(2, 4, "Service Pack 1"), false},
            {kayıt(2, 4, QByteArray("Service Pack 2\0x", 16)), false},
            {kayıt(2, 4, "Service Pack 3"), true},
            {kayıt(2, 4), true},
            {kayıt(2, 4, "service pack 1"), true},
            {kayıt(1, 3), true}};
        for (const auto& [k, uygun] : kayıtlar)
            QCOMPARE(işletimSistemiDenetle(k).uygun, uygun);
        QVERIFY(işletimSistemiDenetle(kayıt(2, 5)).ntBayrağı);
        QVERIFY(!işletimSistemiDenetle(kayıt(1, 3)).ntBayrağı);
        // This machine passes.
        QVERIFY(işletimSistemiDenetle(buSisteminKaydı()).uygun);
    }

    void socketNameDependsOnTitleUserAndDesktop() {
        const QString başlık = "Selvane - Tarvela 2.33 (İstemci)";
        const QString a = TekKopya::soketAdı(başlık, "ayse", ":0");
        QCOMPARE(a, TekKopya::soketAdı(başlık, "ayse", ":0"));
        QVERIFY(a != TekKopya::soketAdı(başlık, "mehmet", ":0"));
        QVERIFY(a != TekKopya::soketAdı("Selvane - Tarvela 2.34 (İstemci)", "ayse", ":0"));
        QVERIFY(a != TekKopya::soketAdı(başlık, "ayse", ":1"));
        // The same desktop however it is written; the first of Wayland, X and session.
        QCOMPARE(TekKopya::masaüstüAdı("", ":0.0", "3"), QString("x11::0"));
        QCOMPARE(TekKopya::masaüstüAdı("", "unix:0.1", ""), QString("x11::0"));
        QCOMPARE(TekKopya::masaüstüAdı("", "uzak:10.0", ""), QString("x11:uzak:10"));
        QCOMPARE(TekKopya::masaüstüAdı("wayland-1", ":0", "3"), QString("wayland:wayland-1"));
        QCOMPARE(TekKopya::masaüstüAdı("", "", "3"), QString("oturum:3"));
    }

    // Real copies of the program on desktops of one user: each desktop runs its own copy; a
    // second start on a desktop asks that desktop's copy to show its main window and ends at
    // once. Any argument starts the main window hidden, also one that Qt takes for itself.
    void oneCopyPerDesktopAndHiddenStart() {
        QProcessEnvironment ortam = kopyaOrtamı("kopyalar");
        Kopya birinci(ortam, ":91", {"-Simge"});
        QVERIFY2(birinci.bekle("ana-pencere-gizli"), birinci.çıktı.constData());
        Kopya öbürMasaüstü(ortam, ":92.0", {});
        QVERIFY2(öbürMasaüstü.bekle("ana-pencere-gorunur"), öbürMasaüstü.çıktı.constData());
        Kopya qtArgümanlı(ortam, ":93", {"-style", "fusion"});
        QVERIFY2(qtArgümanlı.bekle("ana-pencere-gizli"), qtArgümanlı.çıktı.constData());

        Kopya ikinci(ortam, ":91.0", {});
        QVERIFY(ikinci.süreç.waitForFinished(15000));
        QCOMPARE(ikinci.süreç.exitCode(), 0);
        QVERIFY(ikinci.süreç.readAllStandardError().contains("TARVELA_IZ onceki-kopya-bulundu"));
        QVERIFY2(birinci.bekle("goster-istegi"), birinci.çıktı.constData());
        QVERIFY(!öbürMasaüstü.çıktı.contains("goster-istegi"));
        QCOMPARE(birinci.süreç.state(), QProcess::Running);
    }
};

TARVELA_TEST_MAIN(BaslangicTest)
#include "BaslangicTest.moc"
