#include "SahteAnaForm.h"
#include "TestOrtami.h"

#include "controls/HataBildirici.h"
#include "controls/MesajKutusu.h"
#include "controls/Modal.h"
#include "settings/AyarDeposu.h"
#include "settings/GirisSifresiBelirleDegistirFormu.h"
#include "settings/GirisSifresiSorFormu.h"
#include "settings/SifreKaristir.h"
#include "settings/Tercihler.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {
QString ayar(const QString& anahtar) {
    return AyarDeposu::GetSetting("Ayarlar", anahtar, "yok");
}

QLineEdit* kutu(QDialog* d, const char* ad) {
    return d->findChild<QLineEdit*>(QString::fromUtf8(ad));
}
QPushButton* düğme(QDialog* d, const char* ad) {
    return d->findChild<QPushButton*>(QString::fromUtf8(ad));
}

// Types into the box as a user would (its old text replaced) and presses OK.
void yazVeTamam(QDialog* d, const QString& şifre) {
    QLineEdit* k = kutu(d, "ŞifreKutusu");
    k->selectAll();
    QTest::keyClick(k, Qt::Key_Backspace);
    QTest::keyClicks(k, şifre);
    QTest::mouseClick(düğme(d, "TamamDüğmesi"), Qt::LeftButton);
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

class GirisSifresiTest : public QObject {
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
    void loginAfterTwoWrongEntries() {
        şifreAyarla("4711");
        ModalTest::sıradaki([&](QDialog* d) {
            QVERIFY(kutu(d, "ŞifreKutusu")->validator());
            for (const char* giriş : {"", "471", "1234", "47110", "4711"})
                yazVeTamam(d, giriş);
        });
        QVERIFY(GirişŞifresiSor(form->pencere()));
        QCOMPARE(metinler(), QStringList({Boş, Kısa, Yanlış, Yanlış}));
        QCOMPARE(form->kapatma, 0);
    }

    // The third wrong entry and (without a main window) cancel end it.
    void wrongEntriesAndClosingEndTheProgram() {
        şifreAyarla("4711");
        ModalTest::sıradaki([&](QDialog* d) {
            for (const char* yanlış : {"1111", "2222", "3333"})
                yazVeTamam(d, yanlış);
        });
        QVERIFY(!GirişŞifresiSor(form->pencere()));
        QCOMPARE(MesajKutusuTest::son().simge, QMessageBox::Warning);
        QCOMPARE(form->kapatma, 1);

        anaFormuAyarla(nullptr);
        ModalTest::sıradaki(
            [](QDialog* d) { QTest::mouseClick(düğme(d, "İptalDüğmesi"), Qt::LeftButton); });
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
            QTest::mouseClick(düğme(d, "TamamDüğmesi"), Qt::LeftButton);
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

    // Declining to set one: No stays in the window, Yes (here through Esc) stores "0" and
    // the empty text.
    void declineToSet() {
        MesajKutusuTest::yanıtla({QMessageBox::No, QMessageBox::Yes});
        ModalTest::sıradaki([](QDialog* d) {
            QTest::mouseClick(düğme(d, "İptalDüğmesi"), Qt::LeftButton);
            QVERIFY(d->isVisible());
            QTest::keyClick(d, Qt::Key_Escape);
        });
        GirişŞifresiBelirleDeğiştir(form->pencere());
        QCOMPARE(MesajKutusuTest::kayıtlar().size(), 2);
        QCOMPARE(ayar("Giris Sifresi Sor"), QString("0"));
        QCOMPARE(ayar("Giris Sifresi"), QString());
    }

    // Changing asks nothing of the old password; removing asks with No as the default.
    void changeAndRemove() {
        şifreAyarla("4711");
        ModalTest::sıradaki([](QDialog* d) {
            QCOMPARE(d->windowTitle(), QString("Giriş Şifresi Değiştir"));
            QTest::keyClicks(kutu(d, "ŞifreDoğrulaKutusu"), "9876543210");
            yazVeTamam(d, "9876543210");
        });
        GirişŞifresiBelirleDeğiştir(form->pencere());
        QCOMPARE(ayar("Giris Sifresi"), ŞifreKarıştır("9876543210"));

        MesajKutusuTest::yanıtla({QMessageBox::No, QMessageBox::Yes});
        auto kaldır = [](QDialog* d) {
            QTest::mouseClick(düğme(d, "İptalDüğmesi"), Qt::LeftButton);
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
    // character outside the alphabet or the key giving nothing, and scrambling twice giving
    // the text back.
    void scrambling() {
        QCOMPARE(ŞifreKarıştır("12345"), QString("98876"));
        QCOMPARE(ŞifreKarıştır("12a4"), QString("987"));
        QCOMPARE(ŞifreKarıştır("1234", ŞifreAlfabesi, "6x71"), QString("987"));
        for (const char* şifre : {"98876", "9876543210"})
            QCOMPARE(ŞifreKarıştır(ŞifreKarıştır(şifre)), QString(şifre));
    }
};

TARVELA_TEST_MAIN(GirisSifresiTest)
#include "GirisSifresiTest.moc"
