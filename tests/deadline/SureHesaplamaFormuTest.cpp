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

// The window's wiring only: the arithmetic, the amount rule and the legal last day have their
// own tests.
namespace {
const QString TatilDosyası = QStringLiteral(TARVELA_KAYNAK "/src/deadline/Tatiller.txt");
const QColor OdakRengi(128, 0, 0);

void tıkla(QRadioButton* s) {
    QTest::mouseClick(s, Qt::LeftButton, {}, QPoint(8, s->height() / 2));
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

    // Opens on today; the typed amount is normalised and computes; copying waits for a change.
    void amountComputesAsTyped() {
        QCOMPARE(f_->BaşlangıçTarihiKutusu->text(), QStringLiteral("06.12.2026"));
        QVERIFY(!f_->KopyalaDüğmesi->isEnabled());
        QComboBox* miktar = f_->EklenecekSüreKutusu;
        miktar->setFocus();
        QTest::keyClicks(miktar, "0x07");
        QCOMPARE(miktar->currentText(), QStringLiteral("7"));
        QCOMPARE(f_->SonuçKutusu->text(), QStringLiteral("13.12.2026"));
        // Enter moves on instead of acting.
        QTest::keyClick(miktar, Qt::Key_Return);
        QVERIFY(!miktar->hasFocus());
        f_->KopyalaDüğmesi->click();
        QVERIFY(!f_->KopyalaDüğmesi->isEnabled());
        miktar->setEditText(QStringLiteral("9"));
        QVERIFY(f_->KopyalaDüğmesi->isEnabled());
    }

    // A preset sets days and its amount, and is cleared by a changed unit or a typed amount.
    void presetStaysUntilTheUserChangesIt() {
        f_->EklenecekZamanDilimiKutusu->setCurrentIndex(2);
        QRadioButton* idare = f_->TemyizSeçeneği[4];
        tıkla(idare);
        QCOMPARE(f_->EklenecekSüreKutusu->currentText(), QStringLiteral("30"));
        QCOMPARE(f_->EklenecekZamanDilimiKutusu->currentIndex(), 0);
        QVERIFY(f_->EklenecekSüreKutusu->hasFocus());
        QCOMPARE(f_->SonuçKutusu->text(), QStringLiteral("05.01.2027"));
        QVERIFY(idare->isChecked());
        f_->EklenecekZamanDilimiKutusu->setCurrentIndex(1);
        QCOMPARE(f_->SonuçKutusu->text(), QStringLiteral("04.07.2027"));
        QVERIFY(!idare->isChecked());
        QRadioButton* asliye = f_->TemyizSeçeneği[3];
        tıkla(asliye);
        QTest::keyClick(f_->EklenecekSüreKutusu, Qt::Key_2);
        QVERIFY(!asliye->isChecked());
    }

    // An amount past the last date goes back to 1; when even that is refused, nothing is left
    // on screen to be copied.
    void refusedResultsAreNotLeftToCopy() {
        f_->BaşlangıçTarihiKutusu->setText(QStringLiteral("01.01.9990"));
        f_->EklenecekZamanDilimiKutusu->setCurrentIndex(3);
        f_->EklenecekSüreKutusu->setFocus();
        QTest::keyClicks(f_->EklenecekSüreKutusu, "20");
        QCOMPARE(f_->EklenecekSüreKutusu->currentText(), QStringLiteral("1"));
        QCOMPARE(f_->SonuçKutusu->text(), QStringLiteral("01.01.9991"));
        f_->EklenecekZamanDilimiKutusu->setCurrentIndex(0);
        f_->BaşlangıçTarihiKutusu->setText(QStringLiteral("31.12.9999"));
        QCOMPARE(f_->SonuçKutusu->text(), QString());
        QCOMPARE(f_->YasalSonGünKutusu->text(), QString());
        QVERIFY(!f_->KopyalaDüğmesi->isEnabled());
    }

    void legalLastDayFollowsTheResultAndTheRecessBox() {
        f_->EklenecekSüreKutusu->setEditText(QStringLiteral("15"));
        f_->BaşlangıçTarihiKutusu->setText(QStringLiteral("10.07.2025"));
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
        QCOMPARE(f_->Etiket[0]->palette().color(QPalette::WindowText), OdakRengi);
        tarih->clear();
        QTest::keyClicks(tarih, "5a.1.2027");
        QCOMPARE(tarih->text(), QStringLiteral("5.1.2027"));
        QTest::keyClick(tarih, Qt::Key_Tab);
        QCOMPARE(tarih->text(), QStringLiteral("05.01.2027"));
        QVERIFY(f_->Etiket[0]->palette().color(QPalette::WindowText) != OdakRengi);

        f_->EklenecekSüreKutusu->setEditText(QStringLiteral("3"));
        tarih->setFocus();
        tarih->setText(QStringLiteral("31.02.2027"));
        QTest::keyClick(tarih, Qt::Key_Tab);
        QCOMPARE(MesajKutusuTest::son().metin,
                 QStringLiteral("Lütfen, tarihi doğru biçimde giriniz!"));
        QVERIFY(tarih->hasFocus());
        QCOMPARE(f_->SonuçKutusu->text(), QString());
    }

    void presetsPanelIsKeptBetweenOpenings() {
        QCOMPARE(f_->width(), twipten(SüreHesaplamaFormu::GenişGenişlik));
        f_->AyrıntılarKapatDüğmesi->click();
        QCOMPARE(f_->width(), twipten(SüreHesaplamaFormu::DarGenişlik));
        QTest::keyClick(f_.get(), Qt::Key_Escape);
        SüreHesaplamaFormu yeni(nullptr, TatilDosyası);
        QCOMPARE(yeni.width(), twipten(SüreHesaplamaFormu::DarGenişlik));
        yeni.AyrıntılarıAçDüğmesi->click();
        yeni.KapatDüğmesi->click();
        QCOMPARE(AyarDeposu::GetSetting("Ayarlar", "Ayrinti Goster", "yok"), QStringLiteral("1"));
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
