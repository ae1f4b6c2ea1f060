#include "SahteAnaForm.h"
#include "TestOrtami.h"

// moc cannot read namespace names with Turkish letters; it needs none of these.
#ifndef Q_MOC_RUN
#include "../database/BaglantiTestDestegi.h"
#include "controls/HataBildirici.h"
#include "controls/MesajKutusu.h"
#include "controls/Modal.h"
#include "settings/AyarDeposu.h"
#include "settings/GirisSifresiBelirleDegistirFormu.h"
#include "settings/GirisSifresiSorFormu.h"
#include "settings/ProgramDegerleri.h"
#include "settings/SifreKaristir.h"
#include "settings/Tercihler.h"
#include "startup/IsletimSistemi.h"
#include "startup/TekKopya.h"
#endif

#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>

namespace {
// A copy of the real program, offscreen, with the trace on; killed when it goes.
struct Kopya {
    QProcess süreç;
    QByteArray çıktı;
    Kopya(const QString& ekran, const QStringList& argümanlar) {
        QProcessEnvironment ortam = QProcessEnvironment::systemEnvironment();
        ortam.insert("TARVELA_IZ", "1");
        ortam.insert("QT_QPA_PLATFORM", "offscreen");
        ortam.remove("WAYLAND_DISPLAY");
        ortam.insert("DISPLAY", ekran);
        // A settings folder of this test's own: the copies wait in their connect windows.
        ortam.insert("XDG_CONFIG_HOME", TestOrtami::şimdiki().ayarKlasörü() + "/kopyalar");
        // Another user name keeps these copies apart from any copy a developer runs.
        ortam.insert("USER", "tarvela-test-kopyalar");
        süreç.setProcessEnvironment(ortam);
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

QString ayar(const QString& anahtar) {
    return AyarDeposu::GetSetting("Ayarlar", anahtar, "yok");
}

QLineEdit* kutu(QDialog* d, const char* ad) {
    return d->findChild<QLineEdit*>(QString::fromUtf8(ad));
}

// Types into the box as a user would (its old text replaced) and presses OK.
void yazVeTamam(QDialog* d, const QString& şifre) {
    QLineEdit* k = kutu(d, "ŞifreKutusu");
    k->selectAll();
    QTest::keyClick(k, Qt::Key_Backspace);
    QTest::keyClicks(k, şifre);
    düğmeyeBas(d, "TamamDüğmesi");
}

QStringList metinler() {
    QStringList m;
    for (const auto& k : MesajKutusuTest::kayıtlar())
        m << k.metin;
    return m;
}

void şifreAyarla(const QString& şifre) {
    AyarDeposu::SaveSetting("Ayarlar", "Giris Sifresi Sor", "-1");
    AyarDeposu::SaveSetting("Ayarlar", "Giris Sifresi", ŞifreKarıştır(şifre));
    tercihler().girişŞifresiSor = true;
}
using namespace ŞifreMetinleri;
} // namespace

class BaslangicTest : public QObject {
    Q_OBJECT
    SahteAnaForm* form = nullptr;
private slots:
    void init() {
        TestOrtami::sıfırla();
        form = new SahteAnaForm;
        anaFormuAyarla(form);
    }
    void cleanup() {
        anaFormuAyarla(nullptr);
        delete form;
    }

    // Empty and short entries are refused without counting; two wrong entries then the right
    // one let the program go on.
    void login() {
        şifreAyarla("4711");
        ModalTest::sıradaki([&](QDialog* d) {
            QVERIFY(kutu(d, "ŞifreKutusu")->validator());
            for (const char* giriş : {"", "471", "1234", "47110", "4711"})
                yazVeTamam(d, giriş);
        });
        QVERIFY(GirişŞifresiSor(form->pencere()));
        QCOMPARE(metinler(), QStringList({Boş, Kısa, Yanlış, Yanlış}));
        QCOMPARE(form->kapatma, 0);

        // The third wrong entry and (without a main window) cancel end it.
        ModalTest::sıradaki([&](QDialog* d) {
            for (const char* yanlış : {"1111", "2222", "3333"})
                yazVeTamam(d, yanlış);
        });
        QVERIFY(!GirişŞifresiSor(form->pencere()));
        QCOMPARE(MesajKutusuTest::son().simge, QMessageBox::Warning);
        QCOMPARE(form->kapatma, 1);

        anaFormuAyarla(nullptr);
        ModalTest::sıradaki([](QDialog* d) { düğmeyeBas(d, "İptalDüğmesi"); });
        QVERIFY(!GirişŞifresiSor(nullptr));
        QVERIFY(ProgramSonu::sonlandıMı());
    }

    // Only digits, at most ten, whether typed or pasted; the label of the box with the focus
    // is dark red.
    void passwordBox() {
        QWidget pencere;
        auto* etiket = new QLabel(&pencere);
        auto* k = new QLineEdit(&pencere);
        auto* öbürü = new QLineEdit(&pencere);
        ŞifreKutusuHazırla(k, etiket);
        const QColor olağan = etiket->palette().color(QPalette::WindowText);
        QTest::keyClicks(k, "12a3-b 4,5678901");
        QCOMPARE(k->text(), QString("1234567890"));
        k->clear();
        k->insert("12x4");
        QCOMPARE(k->text(), QString());
        pencere.show();
        QApplication::setActiveWindow(&pencere);
        k->setFocus();
        QTRY_COMPARE(etiket->palette().color(QPalette::WindowText), QColor(128, 0, 0));
        öbürü->setFocus();
        QTRY_COMPARE(etiket->palette().color(QPalette::WindowText), olağan);
    }

    // Setting: the checks in their order, nothing stored on a refusal, then the flag "-1" and
    // the scrambled text.
    void setPassword() {
        ModalTest::sıradaki([](QDialog* d) {
            QCOMPARE(d->windowTitle(), QString("Giriş Şifresi Belirle"));
            QLineEdit* doğrula = kutu(d, "ŞifreDoğrulaKutusu");
            QVERIFY(kutu(d, "ŞifreKutusu")->validator() && doğrula->validator());
            for (const char* şifre : {"", "123", "1234"})
                yazVeTamam(d, şifre);
            QTest::keyClicks(doğrula, "1235");
            düğmeyeBas(d, "TamamDüğmesi");
            QCOMPARE(ayar("Giris Sifresi"), QString("yok"));
            doğrula->clear();
            QTest::keyClicks(doğrula, "1234");
            QTest::keyClick(doğrula, Qt::Key_Return);
        });
        GirişŞifresiBelirleDeğiştir(form->pencere());
        QCOMPARE(metinler().mid(0, 2), QStringList({Boş, Kısa}));
        QCOMPARE(metinler().size(), 4);
        QCOMPARE(ayar("Giris Sifresi Sor"), QString("-1"));
        QCOMPARE(ayar("Giris Sifresi"), ŞifreKarıştır("1234"));
        QVERIFY(tercihler().girişŞifresiSor);
    }

    // Declining to set one: No stays in the window, Yes (here through Esc) stores "0". Once
    // one is set, changing asks nothing of the old password; removing asks, No the default.
    void declineChangeAndRemove() {
        MesajKutusuTest::yanıtla(
            {QMessageBox::No, QMessageBox::Yes, QMessageBox::No, QMessageBox::Yes});
        ModalTest::sıradaki([](QDialog* d) {
            düğmeyeBas(d, "İptalDüğmesi");
            QVERIFY(d->isVisible());
            QTest::keyClick(d, Qt::Key_Escape);
        });
        GirişŞifresiBelirleDeğiştir(form->pencere());
        QCOMPARE(ayar("Giris Sifresi Sor"), QString("0"));

        şifreAyarla("4711");
        ModalTest::sıradaki([](QDialog* d) {
            QCOMPARE(d->windowTitle(), QString("Giriş Şifresi Değiştir"));
            QTest::keyClicks(kutu(d, "ŞifreDoğrulaKutusu"), "9876543210");
            yazVeTamam(d, "9876543210");
        });
        GirişŞifresiBelirleDeğiştir(form->pencere());
        QCOMPARE(ayar("Giris Sifresi"), ŞifreKarıştır("9876543210"));

        auto kaldır = [](QDialog* d) {
            düğmeyeBas(d, "İptalDüğmesi");
            QVERIFY(!d->isVisible());
        };
        ModalTest::sıradaki(kaldır);
        GirişŞifresiBelirleDeğiştir(form->pencere());
        QCOMPARE(MesajKutusuTest::son().varsayılan, QMessageBox::No);
        QCOMPARE(ayar("Giris Sifresi Sor"), QString("-1"));
        QVERIFY(tercihler().girişŞifresiSor);

        ModalTest::sıradaki(kaldır);
        GirişŞifresiBelirleDeğiştir(form->pencere());
        QCOMPARE(ayar("Giris Sifresi Sor"), QString("0"));
        QCOMPARE(ayar("Giris Sifresi"), QString());
        QVERIFY(!tercihler().girişŞifresiSor);
    }

    // The stored form: known values, the key starting again at the fifth character, a
    // character outside the alphabet or the key giving nothing.
    void scrambling() {
        QCOMPARE(ŞifreKarıştır("12345"), QString("98876"));
        QCOMPARE(ŞifreKarıştır("12a4"), QString("987"));
        QCOMPARE(ŞifreKarıştır("1234", ŞifreAlfabesi, "6x71"), QString("987"));
    }

    // The minor number and the fix are written side by side, the minor one in full; the about
    // window's version text is made the same way.
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
        Kopya birinci(":91", {"-Simge"});
        QVERIFY2(birinci.bekle("ana-pencere-gizli"), birinci.çıktı.constData());
        Kopya öbürMasaüstü(":92.0", {});
        QVERIFY2(öbürMasaüstü.bekle("ana-pencere-gorunur"), öbürMasaüstü.çıktı.constData());
        Kopya qtArgümanlı(":93", {"-style", "fusion"});
        QVERIFY2(qtArgümanlı.bekle("ana-pencere-gizli"), qtArgümanlı.çıktı.constData());

        Kopya ikinci(":91.0", {});
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
