#include "TestOrtami.h"

// moc cannot read names with Turkish letters; it needs none of these.
#ifndef Q_MOC_RUN
#include "controls/MesajKutusu.h"
#include "controls/ProgramSaati.h"
#include "controls/Twip.h"
#include "deadline/SureHesaplamaFormu.h"
#include "settings/AyarDeposu.h"
#endif

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <memory>

namespace {
const QString TatilDosyası = QStringLiteral(TARVELA_KAYNAK "/src/deadline/Tatiller.txt");

QString ayrıntıAyarı() {
    return AyarDeposu::GetSetting(QStringLiteral("Ayarlar"), QStringLiteral("Ayrinti Goster"),
                                  QStringLiteral("yok"));
}
} // namespace

class SureHesaplamaFormuTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        TestOrtami::sıfırla();
        ProgramSaati::ayarla(QDateTime(QDate(2026, 12, 6), QTime(10, 0)));
        f_ = std::make_unique<SüreHesaplamaFormu>(nullptr, TatilDosyası);
        f_->show();
        f_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f_.get()));
    }
    void cleanup() { f_.reset(); }

    void opensOnTodayWithAnEmptyAmount() {
        QCOMPARE(f_->windowTitle(), QStringLiteral("Süre Hesaplama"));
        QCOMPARE(f_->BaşlangıçTarihiKutusu->text(), QStringLiteral("06.12.2026"));
        QCOMPARE(f_->EklenecekZamanDilimiKutusu->currentText(), QStringLiteral("Gün"));
        QCOMPARE(f_->EklenecekSüreKutusu->currentText(), QString());
        QCOMPARE(f_->SonuçKutusu->text(), QString());
        QCOMPARE(f_->YasalSonGünKutusu->text(), QString());
        QVERIFY(!f_->KopyalaDüğmesi->isEnabled());
        QCOMPARE(f_->width(), twipten(SüreHesaplamaFormu::GenişGenişlik));
        QVERIFY(!f_->AyrıntılarıAçDüğmesi->isEnabled());
    }

    void amountIsNormalisedAsTyped() {
        QComboBox* miktar = f_->EklenecekSüreKutusu;
        miktar->setFocus();
        QTest::keyClicks(miktar, "0x07");
        QCOMPARE(miktar->currentText(), QStringLiteral("7"));
        QCOMPARE(f_->SonuçKutusu->text(), QStringLiteral("13.12.2026"));
        QVERIFY(f_->KopyalaDüğmesi->isEnabled());
        miktar->lineEdit()->selectAll();
        QTest::keyClick(miktar, Qt::Key_Backspace);
        QCOMPARE(miktar->currentText(), QStringLiteral("1"));
        QCOMPARE(f_->SonuçKutusu->text(), QStringLiteral("07.12.2026"));
        // Enter moves on instead of acting.
        QTest::keyClick(miktar, Qt::Key_Return);
        QVERIFY(!miktar->hasFocus());
    }

    void presetStaysUntilTheUserChangesTheUnit() {
        f_->EklenecekZamanDilimiKutusu->setCurrentIndex(2);
        QRadioButton* idare = f_->TemyizSeçeneği[4];
        QCOMPARE(idare->text(), QStringLiteral("İ&dare Mahkemesi"));
        QTest::mouseClick(idare, Qt::LeftButton, {}, QPoint(8, idare->height() / 2));
        QVERIFY(idare->isChecked());
        QCOMPARE(f_->EklenecekSüreKutusu->currentText(), QStringLiteral("30"));
        QCOMPARE(f_->EklenecekZamanDilimiKutusu->currentIndex(), 0);
        QVERIFY(f_->EklenecekSüreKutusu->hasFocus());
        QCOMPARE(f_->SonuçKutusu->text(), QStringLiteral("05.01.2027"));

        f_->EklenecekZamanDilimiKutusu->setCurrentIndex(1);
        QCOMPARE(f_->SonuçKutusu->text(), QDate(2026, 12, 6).addDays(210).toString("dd.MM.yyyy"));
        QVERIFY(!idare->isChecked());

        // A typed amount clears a preset as well.
        QRadioButton* asliye = f_->TemyizSeçeneği[3];
        QTest::mouseClick(asliye, Qt::LeftButton, {}, QPoint(8, asliye->height() / 2));
        QVERIFY(asliye->isChecked());
        QTest::keyClick(f_->EklenecekSüreKutusu, Qt::Key_2);
        QVERIFY(!asliye->isChecked());
    }

    void refusedResultsAreNotLeftToCopy() {
        f_->BaşlangıçTarihiKutusu->setText(QStringLiteral("01.01.9990"));
        f_->EklenecekZamanDilimiKutusu->setCurrentIndex(3);
        f_->EklenecekSüreKutusu->setFocus();
        QTest::keyClicks(f_->EklenecekSüreKutusu, "20");
        QCOMPARE(f_->EklenecekSüreKutusu->currentText(), QStringLiteral("1"));
        QCOMPARE(f_->SonuçKutusu->text(), QStringLiteral("01.01.9991"));
        QVERIFY(f_->KopyalaDüğmesi->isEnabled());

        f_->EklenecekZamanDilimiKutusu->setCurrentIndex(0);
        f_->BaşlangıçTarihiKutusu->setText(QStringLiteral("31.12.9999"));
        QCOMPARE(f_->SonuçKutusu->text(), QString());
        QCOMPARE(f_->YasalSonGünKutusu->text(), QString());
        QVERIFY(!f_->KopyalaDüğmesi->isEnabled());
    }

    void copyingDisablesTheButtonUntilTheResultChanges() {
        f_->EklenecekSüreKutusu->setEditText(QStringLiteral("8"));
        f_->KopyalaDüğmesi->click();
        QVERIFY(!f_->KopyalaDüğmesi->isEnabled());
        f_->EklenecekSüreKutusu->setEditText(QStringLiteral("9"));
        QVERIFY(f_->KopyalaDüğmesi->isEnabled());
    }

    void legalLastDayFollowsTheResultAndTheRecessBox() {
        f_->EklenecekSüreKutusu->setEditText(QStringLiteral("15"));
        f_->BaşlangıçTarihiKutusu->setText(QStringLiteral("10.07.2025"));
        QVERIFY(!f_->AdliTatilUzatmasıOnayı->isChecked());
        QCOMPARE(f_->YasalSonGünKutusu->text(), QStringLiteral("25.07.2025 Cuma"));
        f_->AdliTatilUzatmasıOnayı->click();
        QCOMPARE(f_->YasalSonGünKutusu->text(), QStringLiteral("08.09.2025 Pazartesi"));
        QCOMPARE(f_->GerekçeEtiketi->text(),
                 QStringLiteral("adli tatil: 7 Eylül'e uzar; hafta sonu: sonraki iş günü"));
        // The copied result stays the calendar date.
        QCOMPARE(f_->SonuçKutusu->text(), QStringLiteral("25.07.2025"));
    }

    void startDateIsCheckedOnLeaving() {
        QLineEdit* tarih = f_->BaşlangıçTarihiKutusu;
        tarih->setFocus();
        QCOMPARE(f_->Etiket[0]->palette().color(QPalette::WindowText), QColor(128, 0, 0));
        tarih->clear();
        QTest::keyClicks(tarih, "5a.1.2027");
        QCOMPARE(tarih->text(), QStringLiteral("5.1.2027"));
        QTest::keyClick(tarih, Qt::Key_Tab);
        QCOMPARE(tarih->text(), QStringLiteral("05.01.2027"));
        QVERIFY(f_->Etiket[0]->palette().color(QPalette::WindowText) != QColor(128, 0, 0));

        f_->EklenecekSüreKutusu->setEditText(QStringLiteral("3"));
        tarih->setFocus();
        tarih->setText(QStringLiteral("31.02.2027"));
        QTest::keyClick(tarih, Qt::Key_Tab);
        QCOMPARE(MesajKutusuTest::son().metin,
                 QStringLiteral("Lütfen, tarihi doğru biçimde giriniz!"));
        QCOMPARE(MesajKutusuTest::son().simge, QMessageBox::Information);
        QVERIFY(tarih->hasFocus());
        QCOMPARE(f_->SonuçKutusu->text(), QString());
    }

    void presetsPanelIsKeptBetweenOpenings() {
        f_->AyrıntılarKapatDüğmesi->click();
        QCOMPARE(f_->width(), twipten(SüreHesaplamaFormu::DarGenişlik));
        QVERIFY(f_->AyrıntılarıAçDüğmesi->isEnabled());
        QTest::keyClick(f_.get(), Qt::Key_Escape);
        QVERIFY(!f_->isVisible());
        QCOMPARE(ayrıntıAyarı(), QStringLiteral("0"));

        SüreHesaplamaFormu yeni(nullptr, TatilDosyası);
        QCOMPARE(yeni.width(), twipten(SüreHesaplamaFormu::DarGenişlik));
        yeni.AyrıntılarıAçDüğmesi->click();
        QCOMPARE(yeni.width(), twipten(SüreHesaplamaFormu::GenişGenişlik));
        QVERIFY(!yeni.AyrıntılarıAçDüğmesi->isEnabled());
        yeni.KapatDüğmesi->click();
        QCOMPARE(ayrıntıAyarı(), QStringLiteral("1"));
    }

    void missingHolidayFileIsSaidInTheLegalLine() {
        SüreHesaplamaFormu f(nullptr, QStringLiteral("/yok/Tatiller.txt"));
        f.EklenecekSüreKutusu->setEditText(QStringLiteral("3"));
        QCOMPARE(f.SonuçKutusu->text(), QStringLiteral("09.12.2026"));
        QCOMPARE(f.YasalSonGünKutusu->text(), QString());
        QVERIFY(f.GerekçeEtiketi->text().contains(QStringLiteral("Tatil dosyası okunamadı")));
    }

private:
    std::unique_ptr<SüreHesaplamaFormu> f_;
};

TARVELA_TEST_MAIN(SureHesaplamaFormuTest)
#include "SureHesaplamaFormuTest.moc"
