#include "TestOrtami.h"

// moc cannot read names with Turkish letters; it needs none of these.
#ifndef Q_MOC_RUN
#include "controls/Hata.h"
#include "controls/MesajKutusu.h"
#include "controls/ProgramSaati.h"
#include "controls/Twip.h"
#include "deadline/SureHesabi.h"
#include "deadline/SureHesaplamaFormu.h"
#include "deadline/TatilTakvimi.h"
#include "deadline/YasalSonGun.h"
#include "settings/AyarDeposu.h"
#endif

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <limits>
#include <memory>

using SüreHesabı::Dilim;

namespace {
const QString TatilDosyası = QStringLiteral(TARVELA_KAYNAK "/src/deadline/Tatiller.txt");
const QColor OdakRengi(128, 0, 0);
constexpr qint64 EnBüyük = std::numeric_limits<qint64>::max();

QDate t(const char* metin) {
    return QDate::fromString(QString::fromLatin1(metin), QStringLiteral("dd.MM.yyyy"));
}

void tıkla(QRadioButton* s) {
    QTest::mouseClick(s, Qt::LeftButton, {}, QPoint(8, s->height() / 2));
}
} // namespace

// The deadline rules (date arithmetic, amount rule, holidays, legal last day) directly; then
// the calculation window's wiring only.
class SureHesabiTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { takvim_ = TatilTakvimi::dosyadan(TatilDosyası); }
    void init() {
        TestOrtami::sıfırla();
        ProgramSaati::ayarla(QDateTime(QDate(2026, 12, 6), QTime(10, 0)));
        f_ = std::make_unique<SüreHesaplamaFormu>(nullptr, TatilDosyası);
        f_->show();
        f_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f_.get()));
    }
    void cleanup() { f_.reset(); }

    void dateArithmetic_data() {
        QTest::addColumn<QDate>("başlangıç");
        QTest::addColumn<int>("dilim");
        QTest::addColumn<qint64>("miktar");
        QTest::addColumn<QDate>("beklenen"); // invalid: refused
        auto satır = [](const char* ad, const char* b, Dilim d, qint64 m, const char* s) {
            QTest::newRow(ad) << t(b) << int(d) << m << (s ? t(s) : QDate());
        };
        satır("month end", "31.01.2027", Dilim::Ay, 1, "28.02.2027");
        satır("29 Feb plus a year", "29.02.2028", Dilim::Yıl, 1, "28.02.2029");
        satır("two weeks", "06.12.2026", Dilim::Hafta, 2, "20.12.2026");
        satır("zero", "06.12.2026", Dilim::Gün, 0, "06.12.2026");
        satır("months across years", "31.10.2026", Dilim::Ay, 16, "29.02.2028");
        satır("last day plus one", "31.12.9999", Dilim::Gün, 1, nullptr);
        satır("first to last day", "01.01.0001", Dilim::Gün, 3652058, "31.12.9999");
        satır("one day too many", "01.01.0001", Dilim::Gün, 3652059, nullptr);
        satır("last month", "31.01.0001", Dilim::Ay, 9999 * 12 - 1, "31.12.9999");
        satır("weeks to the last day", "01.01.9999", Dilim::Hafta, 52, "31.12.9999");
        satır("a week past the last day", "01.01.9999", Dilim::Hafta, 53, nullptr);
        satır("seven times overflows", "06.12.2026", Dilim::Hafta, EnBüyük / 7 + 1, nullptr);
        satır("largest days", "06.12.2026", Dilim::Gün, EnBüyük, nullptr);
        satır("largest months", "06.12.2026", Dilim::Ay, EnBüyük, nullptr);
        satır("year plus amount overflows", "06.12.2026", Dilim::Yıl, EnBüyük, nullptr);
    }
    void dateArithmetic() {
        QFETCH(QDate, başlangıç);
        QFETCH(int, dilim);
        QFETCH(qint64, miktar);
        QFETCH(QDate, beklenen);
        const auto sonuç = SüreHesabı::ekle(başlangıç, Dilim(dilim), miktar);
        QCOMPARE(sonuç.has_value(), beklenen.isValid());
        if (sonuç)
            QCOMPARE(*sonuç, beklenen);
    }

    void amountNormalising() {
        const QList<QPair<QString, QString>> durumlar = {
            {"007", "7"},
            {"0", "0"},
            {"", "1"},
            {" 5", "1"},
            {"9223372036854775807", "9223372036854775807"},
            {"9223372036854775808", "1"},
            {QStringLiteral("\u0663"), "1"},
            {"000000000000000000000042", "42"}};
        for (const auto& [metin, beklenen] : durumlar)
            QCOMPARE(SüreHesabı::miktarıDüzelt(metin), beklenen);
    }

    // Each year's religious holidays as the Presidency of Religious Affairs published them.
    void publishedHolidays() {
        for (const auto& [ilk, gün, ad] :
             {std::tuple{t("10.04.2024"), 3, QStringLiteral("Ramazan Bayramı")},
              std::tuple{t("16.06.2024"), 4, QStringLiteral("Kurban Bayramı")},
              std::tuple{t("20.03.2026"), 3, QStringLiteral("Ramazan Bayramı")},
              std::tuple{t("27.05.2026"), 4, QStringLiteral("Kurban Bayramı")}}) {
            const GünBilgisi arefe = takvim_.gün(ilk.addDays(-1));
            if (ilk.addDays(-1).dayOfWeek() < Qt::Saturday) {
                QCOMPARE(arefe.tür, GünTürü::YarımGün);
                QVERIFY(arefe.arefe);
            }
            QVERIFY(!takvim_.gün(ilk.addDays(-2)).ad.startsWith(ad));
            for (int i = 0; i < gün; ++i) {
                const GünBilgisi b = takvim_.gün(ilk.addDays(i));
                QCOMPARE(b.tür, GünTürü::Tatil);
                QVERIFY(!b.tahmini);
            }
            QVERIFY(!takvim_.gün(ilk.addDays(gün)).ad.startsWith(ad));
        }
    }

    void workingDays() {
        QVERIFY(takvim_.işGünüMü(t("28.10.2026")));  // half day
        QVERIFY(!takvim_.işGünüMü(t("12.12.2026"))); // Saturday
        QVERIFY(!takvim_.işGünüMü(t("01.05.2026")));
        QVERIFY(takvim_.işGünüMü(t("01.05.2008"))); // before Labour Day was a holiday
        QVERIFY(!takvim_.işGünüMü(t("01.05.2009")));
        QVERIFY(takvim_.işGünüMü(t("15.07.2016"))); // a holiday from 2017 on
        // The law's days hold without the file.
        QVERIFY(!TatilTakvimi::metinden(QString()).işGünüMü(t("29.10.2026")));
        QVERIFY(takvim_.bayramlarBiliniyor(2040));
        QVERIFY(!takvim_.bayramlarBiliniyor(2041));
    }

    void legalLastDay_data() {
        QTest::addColumn<QDate>("son");
        QTest::addColumn<bool>("adliTatil");
        QTest::addColumn<QDate>("beklenen");
        QTest::addColumn<QString>("gerekçe");
        auto satır = [](const char* ad, const char* son, bool adli, const char* b, const char* g) {
            QTest::newRow(ad) << t(son) << adli << t(b) << QString::fromUtf8(g);
        };
        satır("working day", "09.12.2026", false, "09.12.2026", "iş günü");
        satır("Saturday onto an arefe", "17.07.2021", false, "19.07.2021",
              "hafta sonu: sonraki iş günü; arefe: süre öğleden önce dolar");
        satır("Ramazan 2023 over 23 April", "21.04.2023", false, "24.04.2023",
              "Ramazan Bayramı: sonraki iş günü");
        satır("Kurban 2026 ends on Saturday", "27.05.2026", false, "01.06.2026",
              "Kurban Bayramı, hafta sonu: sonraki iş günü");
        satır("28 October", "28.10.2026", false, "28.10.2026", "28 Ekim: süre öğleden önce dolar");
        satır("year end", "31.12.2022", false, "02.01.2023",
              "hafta sonu, Yılbaşı: sonraki iş günü");
        satır("recess end on Sunday", "25.07.2025", true, "08.09.2025",
              "adli tatil: 7 Eylül'e uzar; hafta sonu: sonraki iş günü");
        satır("recess first day over a bayram", "20.07.2021", true, "07.09.2021",
              "adli tatil: 7 Eylül'e uzar");
        satır("recess last day", "31.08.2026", true, "07.09.2026", "adli tatil: 7 Eylül'e uzar");
        satır("day before recess", "19.07.2024", true, "19.07.2024", "iş günü");
        satır("Saturday into the recess", "18.07.2026", true, "07.09.2026",
              "hafta sonu: sonraki iş günü; adli tatil: 7 Eylül'e uzar");
        satır("second Ramazan of 2033", "23.12.2033", false, "26.12.2033",
              "Ramazan Bayramı: sonraki iş günü; 2033 bayram tarihleri tahmini");
        satır("unknown year weekend", "07.01.2045", false, "09.01.2045",
              "hafta sonu: sonraki iş günü; 2045 bayram tarihleri bilinmiyor");
    }
    void legalLastDay() {
        QFETCH(QDate, son);
        QFETCH(bool, adliTatil);
        QFETCH(QDate, beklenen);
        QFETCH(QString, gerekçe);
        const YasalSonGün sonuç = yasalSonGünüBul(son, adliTatil, takvim_);
        QCOMPARE(sonuç.tarih, beklenen);
        QCOMPARE(sonuç.gerekçeMetni(), gerekçe);
    }

    void fileLinesAreChecked() {
        const TatilTakvimi takvim = TatilTakvimi::metinden(QStringLiteral(
            "# yorum\nsabit 01-01 Yılbaşı\n\nramazan 2050-01-10 yayimlandi  # not\n"));
        QCOMPARE(takvim.gün(t("11.01.2050")).ad, QStringLiteral("Ramazan Bayramı"));
        // Only a year with both of its bayrams is known.
        QVERIFY(!takvim.bayramlarBiliniyor(2050));
        // The same bayram twice within 300 days is refused too.
        for (const char* kötü : {"sabit 02-30 Yok", "kurban 2050-13-01 tahmini",
                                 "ramazan 2050-01-10 belki", "ramazan 2050-10-01 tahmini"}) {
            try {
                TatilTakvimi::metinden(QStringLiteral("ramazan 2050-01-10 yayimlandi\n") +
                                       QString::fromUtf8(kötü));
                QFAIL(kötü);
            } catch (const Hata& hata) {
                QVERIFY2(hata.açıklama().contains(QStringLiteral("2. satır")), kötü);
            }
        }
    }

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
    TatilTakvimi takvim_;
    std::unique_ptr<SüreHesaplamaFormu> f_;
};

TARVELA_TEST_MAIN(SureHesabiTest)
#include "SureHesabiTest.moc"
