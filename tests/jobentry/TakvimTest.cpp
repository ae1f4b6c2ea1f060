#include "TestOrtami.h"

#include "controls/Modal.h"
#include "controls/ProgramSaati.h"
#include "jobentry/TakvimFormu.h"

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

namespace {
// Shows the picker on the start date, its window active, lets the handler act in it, and
// returns the result.
QString seç(const QString& başlangıç, const std::function<void(TakvimFormu*)>& iş) {
    ModalTest::sıradaki([iş](QDialog* d) {
        d->activateWindow();
        if (!QTest::qWaitForWindowActive(d))
            qWarning("takvim penceresi etkin değil");
        iş(dynamic_cast<TakvimFormu*>(d));
    });
    return TakvimdenTarihSeç(nullptr, başlangıç);
}

void ayıTıkla(TakvimFormu* t, int ay) {
    QListWidget* liste = t->ayKutusu();
    QTest::mouseClick(liste->viewport(), Qt::LeftButton, {},
                      liste->visualItemRect(liste->item(ay - 1)).center());
}
} // namespace

class TakvimTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        TestOrtami::sıfırla();
        ProgramSaati::ayarla(QDateTime(QDate(2026, 12, 6), QTime(10, 0)));
    }

    void monthGrid() {
        const TakvimAyı şubat(2027, 2);
        QCOMPARE(şubat.gün(0), 1);
        QCOMPARE(şubat.gün(27), 28);
        for (int i = 28; i < TakvimAyı::HücreSayısı; ++i)
            QCOMPARE(şubat.gün(i), 0);
        const TakvimAyı mart(2026, 3);
        QCOMPARE(mart.gün(5), 0);
        QCOMPARE(mart.gün(6), 1);
        QCOMPARE(mart.gün(36), 31);
        // A day the month lacks selects day 1.
        const TakvimAyı nisan(2026, 4);
        QCOMPARE(nisan.hücre(31), nisan.hücre(1));
    }

    void cellsAndClicks() {
        const QString sonuç = seç("15.02.2027", [](TakvimFormu* t) {
            QCOMPARE(t->yılKutusu()->currentText(), QString("2027"));
            QCOMPARE(t->seçilenTarihEtiketi()->text(), QString("15.02.2027"));
            // An empty cell cannot be chosen; a day can.
            QTest::mouseClick(t->günEtiketi(30), Qt::LeftButton);
            QCOMPARE(t->SeçilenTarih, QString("15.02.2027"));
            QTest::mouseClick(t->günEtiketi(2), Qt::LeftButton);
            QCOMPARE(t->seçilenTarihÇerçevesi()->x(), t->günEtiketi(2)->x());
            QTest::mouseClick(t->tamamDüğmesi(), Qt::LeftButton);
        });
        QCOMPARE(sonuç, QString("03.02.2027"));
    }

    void choosingMonthOrYearKeepsTheDayOrFallsBackToDayOne() {
        QCOMPARE(seç("31.03.2026",
                     [](TakvimFormu* t) {
                         QCOMPARE(t->günEtiketi(36)->text(), QString("31"));
                         QCOMPARE(t->seçilenHücre(), 36);
                         ayıTıkla(t, 4);
                         QCOMPARE(t->SeçilenTarih, QString("01.04.2026"));
                         ayıTıkla(t, 5);
                         t->tamamDüğmesi()->click();
                     }),
                 QString("01.05.2026"));
        QCOMPARE(seç("29.02.2028",
                     [](TakvimFormu* t) {
                         t->yılKutusu()->setFocus();
                         QTest::keyClick(t->yılKutusu(), Qt::Key_Down);
                         t->tamamDüğmesi()->click();
                     }),
                 QString("01.02.2029"));
    }

    void arrowKeysStayInTheMonth() {
        QCOMPARE(seç("29.04.2026",
                     [](TakvimFormu* t) {
                         QWidget* altlık = t->altlık();
                         QCOMPARE(t->focusWidget(), altlık);
                         QTest::keyClick(altlık, Qt::Key_Right);
                         QTest::keyClick(altlık, Qt::Key_Right);
                         QTest::keyClick(altlık, Qt::Key_Down);
                         QCOMPARE(t->SeçilenTarih, QString("30.04.2026"));
                         QTest::keyClick(altlık, Qt::Key_Up);
                         QTest::keyClick(altlık, Qt::Key_Left);
                         QTest::keyClick(altlık, Qt::Key_Return);
                     }),
                 QString("22.04.2026"));
        QCOMPARE(seç("01.04.2026",
                     [](TakvimFormu* t) {
                         QTest::keyClick(t->altlık(), Qt::Key_Up);
                         QTest::keyClick(t->altlık(), Qt::Key_Left);
                         QTest::keyClick(t->altlık(), Qt::Key_Enter);
                     }),
                 QString("01.04.2026"));
    }

    // The cancel button (after a click on a day), Esc and the title bar all return nothing.
    void cancelReturnsEmpty() {
        const std::function<void(TakvimFormu*)> vazgeç[] = {
            [](TakvimFormu* t) {
                QTest::mouseClick(t->günEtiketi(10), Qt::LeftButton);
                QTest::mouseClick(t->iptalDüğmesi(), Qt::LeftButton);
            },
            [](TakvimFormu* t) { QTest::keyClick(t->altlık(), Qt::Key_Escape); },
            [](TakvimFormu* t) { t->close(); }};
        for (const auto& iş : vazgeç)
            QCOMPARE(seç("10.10.2026", iş), QString());
    }

    void todayAndUnshowableYears() {
        QCOMPARE(seç("01.01.1899", [](TakvimFormu* t) { t->tamamDüğmesi()->click(); }),
                 QString("06.12.2026"));
        QCOMPARE(seç("31.12.2100",
                     [](TakvimFormu* t) {
                         QTest::mouseClick(t->bugüneGitDüğmesi(), Qt::LeftButton);
                         QCOMPARE(t->ayKutusu()->currentRow(), 11);
                         t->tamamDüğmesi()->click();
                     }),
                 QString("06.12.2026"));
    }
};

TARVELA_TEST_MAIN(TakvimTest)
#include "TakvimTest.moc"
