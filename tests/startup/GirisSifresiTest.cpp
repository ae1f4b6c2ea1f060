#include "TestOrtami.h"

#include "controls/HataBildirici.h"
#include "controls/MesajKutusu.h"
#include "controls/Modal.h"
#include "mainwindow/AnaFormArayuzu.h"
#include "settings/AyarDeposu.h"
#include "settings/Tercihler.h"
#include "startup/GirisSifresiBelirleDegistirFormu.h"
#include "startup/GirisSifresiSorFormu.h"
#include "startup/SifreKaristir.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {
// Just enough of a main window to see whether the program was closed.
class SahteAnaForm : public AnaFormArayüzü {
public:
    QWidget pencere_;
    int kapatma = 0;
    QWidget* pencere() override { return &pencere_; }
    void KlasörleriYükle() override {}
    void klasörAğacınıBoşalt() override {}
    QString seçiliKlasörAnahtarı() const override { return {}; }
    QString seçiliKlasörAdı() const override { return {}; }
    void seçiliKlasörüTıkla() override {}
    int işSatırSayısı() const override { return 0; }
    void işSatırıSeç(int) override {}
    void durumYaz(int, const QString&) override {}
    void BildirimAlanınaSimgeEkle() override {}
    void BildirimAlanındanSimgeyiSil() override {}
    void programıKapat() override { ++kapatma; }
};

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
} // namespace

class GirisSifresiTest : public QObject {
    Q_OBJECT
    SahteAnaForm* form = nullptr;
private slots:
    void init() {
        TestOrtami::sıfırla();
        tercihler().girişŞifresiSor = false;
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
        bool kapandı = true;
        ModalTest::sıradaki([&](QDialog* d) {
            QCOMPARE(d->windowTitle(), QString("Giriş Şifresi"));
            QCOMPARE(kutu(d, "ŞifreKutusu")->echoMode(), QLineEdit::Password);
            yazVeTamam(d, "");
            yazVeTamam(d, "471");
            yazVeTamam(d, "1234");
            QVERIFY(kutu(d, "ŞifreKutusu")->text().isEmpty());
            yazVeTamam(d, "47110");
            yazVeTamam(d, "4711");
            kapandı = !d->isVisible();
        });
        QVERIFY(GirişŞifresiSor(form->pencere()));
        QVERIFY(kapandı);
        QCOMPARE(metinler(),
                 QStringList({"Lütfen, en az 4 rakamdan oluşan bir şifre giriniz!",
                              "Şifre en az 4 rakam olmalıdır!", "Şifre yanlış!", "Şifre yanlış!"}));
        for (const auto& k : MesajKutusuTest::kayıtlar()) {
            QCOMPARE(k.simge, QMessageBox::Information);
            QCOMPARE(k.başlık, QString("Tarvela"));
        }
        QCOMPARE(form->kapatma, 0);
    }

    void threeWrongEntriesEndTheProgram() {
        şifreAyarla("4711");
        ModalTest::sıradaki([&](QDialog* d) {
            for (const char* yanlış : {"1111", "2222", "3333"})
                yazVeTamam(d, yanlış);
            QVERIFY(!d->isVisible());
        });
        QVERIFY(!GirişŞifresiSor(form->pencere()));
        QCOMPARE(MesajKutusuTest::kayıtlar().size(), 3);
        QCOMPARE(MesajKutusuTest::son().metin,
                 QString("3 kez yanlış şifre girildiği için program kapatılacak!"));
        QCOMPARE(MesajKutusuTest::son().simge, QMessageBox::Warning);
        QCOMPARE(form->kapatma, 1);
    }

    // Cancel, Esc and the title bar keep the lock. Without a main window the program ends.
    void cancellingEndsTheProgram() {
        şifreAyarla("4711");
        ModalTest::sıradaki(
            [](QDialog* d) { QTest::mouseClick(düğme(d, "İptalDüğmesi"), Qt::LeftButton); });
        QVERIFY(!GirişŞifresiSor(form->pencere()));
        QCOMPARE(form->kapatma, 1);
        ModalTest::sıradaki([](QDialog* d) { QTest::keyClick(d, Qt::Key_Escape); });
        QVERIFY(!GirişŞifresiSor(form->pencere()));
        QCOMPARE(form->kapatma, 2);
        ModalTest::sıradaki([](QDialog* d) { d->close(); });
        QVERIFY(!GirişŞifresiSor(form->pencere()));
        QCOMPARE(form->kapatma, 3);

        anaFormuAyarla(nullptr);
        ModalTest::sıradaki(
            [](QDialog* d) { QTest::mouseClick(düğme(d, "İptalDüğmesi"), Qt::LeftButton); });
        QVERIFY(!GirişŞifresiSor(nullptr));
        QVERIFY(ProgramSonu::sonlandıMı());
    }

    // The flag set with nothing stored: no typed password matches.
    void flagWithoutStoredPassword() {
        AyarDeposu::SaveSetting("Ayarlar", "Giris Sifresi Sor", "-1");
        ModalTest::sıradaki([](QDialog* d) {
            yazVeTamam(d, "0000");
            yazVeTamam(d, "5820913746");
            QVERIFY(d->isVisible());
            QTest::mouseClick(düğme(d, "İptalDüğmesi"), Qt::LeftButton);
        });
        QVERIFY(!GirişŞifresiSor(form->pencere()));
        QCOMPARE(metinler(), QStringList({"Şifre yanlış!", "Şifre yanlış!"}));
    }

    // All three boxes: only digits, at most ten, whether typed or pasted.
    void boxesTakeOnlyTenDigits() {
        auto dene = [](QLineEdit* k) {
            QTest::keyClicks(k, "12a3-b 4,567890");
            QCOMPARE(k->text(), QString("1234567890"));
            QTest::keyClick(k, '1');
            QCOMPARE(k->text(), QString("1234567890"));
            QTest::keyClick(k, Qt::Key_Backspace);
            QCOMPARE(k->text(), QString("123456789"));
            k->clear();
            k->insert("12x4");
            QCOMPARE(k->text(), QString());
        };
        ModalTest::sıradaki([&](QDialog* d) { dene(kutu(d, "ŞifreKutusu")); });
        GirişŞifresiSor(form->pencere());
        ModalTest::sıradaki([&](QDialog* d) {
            dene(kutu(d, "ŞifreKutusu"));
            dene(kutu(d, "ŞifreDoğrulaKutusu"));
        });
        GirişŞifresiBelirleDeğiştir(form->pencere());
        QCOMPARE(ModalTest::gösterilenler(),
                 QStringList({"GirişŞifresiSorFormu", "GirişŞifresiBelirleDeğiştirFormu"}));
    }

    // The label of the box with the focus is dark red; it goes back when the focus leaves.
    void focusedLabelIsDarkRed() {
        ModalTest::sıradaki([](QDialog* d) {
            d->activateWindow();
            QApplication::setActiveWindow(d);
            auto* etiket0 = d->findChild<QLabel*>("Etiket0");
            auto* etiket1 = d->findChild<QLabel*>("Etiket1");
            const QColor olağan = etiket1->palette().color(QPalette::WindowText);
            kutu(d, "ŞifreKutusu")->setFocus();
            QTRY_COMPARE(etiket0->palette().color(QPalette::WindowText), QColor(128, 0, 0));
            QTest::keyClicks(kutu(d, "ŞifreKutusu"), "1234");
            kutu(d, "ŞifreDoğrulaKutusu")->setFocus();
            QTRY_COMPARE(etiket1->palette().color(QPalette::WindowText), QColor(128, 0, 0));
            QCOMPARE(etiket0->palette().color(QPalette::WindowText), olağan);
            // Back in the first box, its text is selected whole.
            kutu(d, "ŞifreKutusu")->setFocus();
            QTRY_COMPARE(kutu(d, "ŞifreKutusu")->selectedText(), QString("1234"));
        });
        GirişŞifresiBelirleDeğiştir(form->pencere());
    }

    // Setting: the checks in their order, nothing stored on a refusal, then the flag "-1" and
    // the scrambled text.
    void setPassword() {
        ModalTest::sıradaki([](QDialog* d) {
            QCOMPARE(d->windowTitle(), QString("Giriş Şifresi Belirle"));
            QCOMPARE(d->findChild<QLabel*>("Etiket0")->text(), QString("Şifre :"));
            QCOMPARE(düğme(d, "İptalDüğmesi")->text(), QString("İptal"));
            QLineEdit* doğrula = kutu(d, "ŞifreDoğrulaKutusu");
            yazVeTamam(d, "");
            yazVeTamam(d, "123");
            yazVeTamam(d, "1234");
            QTest::keyClicks(doğrula, "1235");
            QTest::mouseClick(düğme(d, "TamamDüğmesi"), Qt::LeftButton);
            QCOMPARE(ayar("Giris Sifresi"), QString("yok"));
            doğrula->clear();
            QTest::keyClicks(doğrula, "1234");
            QTest::keyClick(doğrula, Qt::Key_Return);
            QVERIFY(!d->isVisible());
        });
        GirişŞifresiBelirleDeğiştir(form->pencere());
        QCOMPARE(metinler(),
                 QStringList({"Lütfen, en az 4 rakamdan oluşan bir şifre giriniz!",
                              "Şifre en az 4 rakam olmalıdır!",
                              "Belirlediğiniz şifreyi doğrulamak için lütfen, yeniden yazınız!",
                              "Doğrulamak için girdiğiniz değer, şifreden farklı! Lütfen, kontrol "
                              "ediniz."}));
        QCOMPARE(ayar("Giris Sifresi Sor"), QString("-1"));
        QCOMPARE(ayar("Giris Sifresi"), ŞifreKarıştır("1234"));
        QVERIFY(tercihler().girişŞifresiSor);

        // The next login takes the new password.
        ModalTest::sıradaki([](QDialog* d) { yazVeTamam(d, "1234"); });
        QVERIFY(GirişŞifresiSor(form->pencere()));
    }

    // Declining to set one: No stays in the window, Yes stores "0" and the empty text.
    void declineToSet() {
        MesajKutusuTest::yanıtla({QMessageBox::No, QMessageBox::Yes});
        ModalTest::sıradaki([](QDialog* d) {
            QTest::mouseClick(düğme(d, "İptalDüğmesi"), Qt::LeftButton);
            QVERIFY(d->isVisible());
            QTest::keyClick(d, Qt::Key_Escape);
            QVERIFY(!d->isVisible());
        });
        GirişŞifresiBelirleDeğiştir(form->pencere());
        QCOMPARE(MesajKutusuTest::son().metin,
                 QString("GİRİŞ ŞİFRESİ belirlemek istemiyor musunuz?"));
        QCOMPARE(MesajKutusuTest::son().simge, QMessageBox::Question);
        QCOMPARE(ayar("Giris Sifresi Sor"), QString("0"));
        QCOMPARE(ayar("Giris Sifresi"), QString());
        QCOMPARE(form->kapatma, 0);
    }

    // Changing asks nothing of the old password; removing asks with No as the default.
    void changeAndRemove() {
        şifreAyarla("4711");
        ModalTest::sıradaki([](QDialog* d) {
            QCOMPARE(d->windowTitle(), QString("Giriş Şifresi Değiştir"));
            QCOMPARE(d->findChild<QLabel*>("Etiket0")->text(), QString("Yeni Şifre :"));
            QCOMPARE(düğme(d, "İptalDüğmesi")->text(), QString("Şifreyi Kaldır"));
            QTest::keyClicks(kutu(d, "ŞifreDoğrulaKutusu"), "9876543210");
            yazVeTamam(d, "9876543210");
        });
        GirişŞifresiBelirleDeğiştir(form->pencere());
        QCOMPARE(ayar("Giris Sifresi"), ŞifreKarıştır("9876543210"));

        MesajKutusuTest::yanıtla(QMessageBox::No);
        ModalTest::sıradaki([](QDialog* d) {
            QTest::mouseClick(düğme(d, "İptalDüğmesi"), Qt::LeftButton);
            QVERIFY(!d->isVisible());
        });
        GirişŞifresiBelirleDeğiştir(form->pencere());
        const MesajKaydı soru = MesajKutusuTest::son();
        QCOMPARE(soru.metin, QString("GİRİŞ ŞİFRESİ'ni kaldırmak istiyor musunuz?"));
        QCOMPARE(soru.varsayılan, QMessageBox::No);
        QCOMPARE(ayar("Giris Sifresi Sor"), QString("-1"));
        QCOMPARE(ayar("Giris Sifresi"), ŞifreKarıştır("9876543210"));
        QVERIFY(tercihler().girişŞifresiSor);

        MesajKutusuTest::yanıtla(QMessageBox::Yes);
        ModalTest::sıradaki(
            [](QDialog* d) { QTest::mouseClick(düğme(d, "İptalDüğmesi"), Qt::LeftButton); });
        GirişŞifresiBelirleDeğiştir(form->pencere());
        QCOMPARE(ayar("Giris Sifresi Sor"), QString("0"));
        QCOMPARE(ayar("Giris Sifresi"), QString());
        QVERIFY(!tercihler().girişŞifresiSor);

        // Afterwards the window sets again.
        ModalTest::sıradaki(
            [](QDialog* d) { QCOMPARE(d->windowTitle(), QString("Giriş Şifresi Belirle")); });
        GirişŞifresiBelirleDeğiştir(form->pencere());
    }
};

TARVELA_TEST_MAIN(GirisSifresiTest)
#include "GirisSifresiTest.moc"
