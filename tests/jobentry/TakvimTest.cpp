#include "TestOrtami.h"

#include "controls/Modal.h"
#include "controls/ProgramSaati.h"
#include "jobentry/EkranGoruntusu.h"
#include "jobentry/TakvimFormu.h"

#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

namespace {
// The picker as the user meets it: its window active.
TakvimFormu* takvim(QDialog* d) {
    d->activateWindow();
    if (!QTest::qWaitForWindowActive(d))
        qWarning("takvim penceresi etkin değil");
    return dynamic_cast<TakvimFormu*>(d);
}

QStringList hücreler(TakvimFormu* t) {
    QStringList sonuç;
    for (int i = 0; i < TakvimAyı::HücreSayısı; ++i)
        sonuç << t->günEtiketi(i)->text();
    return sonuç;
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

    void gridLayout() {
        const TakvimAyı şubat(2027, 2);
        QCOMPARE(şubat.kayma(), 0);
        QCOMPARE(şubat.gün(0), 1);
        QCOMPARE(şubat.gün(27), 28);
        for (int i = 28; i < TakvimAyı::HücreSayısı; ++i)
            QCOMPARE(şubat.gün(i), 0);

        const TakvimAyı mart(2026, 3);
        QCOMPARE(mart.kayma(), 6);
        QCOMPARE(mart.gün(5), 0);
        QCOMPARE(mart.gün(6), 1);
        QCOMPARE(mart.gün(36), 31);
        QCOMPARE(mart.gün(37), 0);

        // A day the month lacks selects day 1; moves onto empty cells are refused.
        const TakvimAyı nisan(2026, 4);
        QCOMPARE(nisan.hücre(31), nisan.kayma());
        QCOMPARE(nisan.hücre(30), nisan.kayma() + 29);
        QCOMPARE(nisan.adım(nisan.hücre(30), 1), -1);
        QCOMPARE(nisan.adım(nisan.hücre(1), -1), -1);
        QCOMPARE(nisan.adım(nisan.hücre(28), 7), -1);
        QCOMPARE(nisan.adım(nisan.hücre(23), 7), nisan.hücre(30));
    }

    void namesAndCellsOnScreen() {
        ModalTest::sıradaki([](QDialog* d) {
            TakvimFormu* t = takvim(d);
            QCOMPARE(t->windowTitle(), QString("Takvim"));
            QCOMPARE(t->günAdıEtiketi(0)->text(), QString("Pzt"));
            QCOMPARE(t->günAdıEtiketi(6)->text(), QString("Paz"));
            QCOMPARE(t->günAdıEtiketi(5)->palette().color(QPalette::WindowText), QColor(Qt::red));
            QCOMPARE(t->ayKutusu()->item(0)->text(), QString("Ocak"));
            QCOMPARE(t->ayKutusu()->item(11)->text(), QString("Aralık"));
            QCOMPARE(t->yılKutusu()->count(), 201);
            QCOMPARE(t->yılKutusu()->currentText(), QString("2027"));
            QCOMPARE(t->ayKutusu()->currentRow(), 1);
            const QStringList h = hücreler(t);
            QCOMPARE(h.first(), QString("1"));
            QCOMPARE(h[27], QString("28"));
            QCOMPARE(h.mid(28), QStringList(9, QString()));
            QCOMPARE(t->seçilenHücre(), 14);
            QCOMPARE(t->seçilenTarihEtiketi()->text(), QString("15.02.2027"));
            // Clicking an empty cell changes nothing; clicking a day selects it.
            QTest::mouseClick(t->günEtiketi(30), Qt::LeftButton);
            QCOMPARE(t->SeçilenTarih, QString("15.02.2027"));
            QTest::mouseClick(t->günEtiketi(2), Qt::LeftButton);
            QCOMPARE(t->SeçilenTarih, QString("03.02.2027"));
            QVERIFY(t->seçilenTarihÇerçevesi()->isVisible());
            QCOMPARE(t->seçilenTarihÇerçevesi()->x(), t->günEtiketi(2)->x());
            QVERIFY(t->seçilenTarihÇerçevesi()->y() < t->günEtiketi(2)->y());
            QTest::mouseClick(t->tamamDüğmesi(), Qt::LeftButton);
        });
        QCOMPARE(TakvimdenTarihSeç(nullptr, "15.02.2027"), QString("03.02.2027"));
        QCOMPARE(ModalTest::gösterilenler(), QStringList({"TakvimFormu"}));
    }

    void choosingMonthOrYearKeepsTheDayOrFallsBackToDayOne() {
        ModalTest::sıradaki([](QDialog* d) {
            TakvimFormu* t = takvim(d);
            QCOMPARE(hücreler(t)[36], QString("31"));
            QCOMPARE(t->seçilenHücre(), 36);
            ayıTıkla(t, 4);
            QCOMPARE(t->SeçilenTarih, QString("01.04.2026"));
            QCOMPARE(t->seçilenHücre(), t->gösterilenAy().kayma());
            ayıTıkla(t, 5);
            QCOMPARE(t->SeçilenTarih, QString("01.05.2026"));
            t->tamamDüğmesi()->click();
        });
        QCOMPARE(TakvimdenTarihSeç(nullptr, "31.03.2026"), QString("01.05.2026"));

        ModalTest::sıradaki([](QDialog* d) {
            TakvimFormu* t = takvim(d);
            QCOMPARE(t->SeçilenTarih, QString("29.02.2028"));
            t->yılKutusu()->setFocus();
            QTest::keyClick(t->yılKutusu(), Qt::Key_Down);
            QCOMPARE(t->yılKutusu()->currentText(), QString("2029"));
            QCOMPARE(t->SeçilenTarih, QString("01.02.2029"));
            t->tamamDüğmesi()->click();
        });
        QCOMPARE(TakvimdenTarihSeç(nullptr, "29.02.2028"), QString("01.02.2029"));
    }

    void arrowKeysStayInTheMonth() {
        ModalTest::sıradaki([](QDialog* d) {
            TakvimFormu* t = takvim(d);
            QWidget* altlık = t->altlık();
            QVERIFY(altlık->hasFocus());
            QTest::keyClick(altlık, Qt::Key_Right);
            QCOMPARE(t->SeçilenTarih, QString("30.04.2026"));
            QTest::keyClick(altlık, Qt::Key_Right);
            QTest::keyClick(altlık, Qt::Key_Down);
            QCOMPARE(t->SeçilenTarih, QString("30.04.2026"));
            QTest::keyClick(altlık, Qt::Key_Up);
            QCOMPARE(t->SeçilenTarih, QString("23.04.2026"));
            QTest::keyClick(altlık, Qt::Key_Left);
            QCOMPARE(t->SeçilenTarih, QString("22.04.2026"));
            QCOMPARE(t->ayKutusu()->currentRow(), 3);
            QTest::keyClick(altlık, Qt::Key_Return);
        });
        QCOMPARE(TakvimdenTarihSeç(nullptr, "29.04.2026"), QString("22.04.2026"));

        // Up from the first week and Left from day 1 do nothing either.
        ModalTest::sıradaki([](QDialog* d) {
            TakvimFormu* t = takvim(d);
            QTest::keyClick(t->altlık(), Qt::Key_Up);
            QTest::keyClick(t->altlık(), Qt::Key_Left);
            QCOMPARE(t->SeçilenTarih, QString("01.04.2026"));
            QTest::keyClick(t->altlık(), Qt::Key_Enter);
        });
        QCOMPARE(TakvimdenTarihSeç(nullptr, "01.04.2026"), QString("01.04.2026"));
    }

    void cancelAndEscapeReturnEmpty() {
        ModalTest::sıradaki([](QDialog* d) {
            QTest::mouseClick(takvim(d)->günEtiketi(10), Qt::LeftButton);
            QTest::mouseClick(takvim(d)->iptalDüğmesi(), Qt::LeftButton);
        });
        QCOMPARE(TakvimdenTarihSeç(nullptr, "10.10.2026"), QString());
        ModalTest::sıradaki(
            [](QDialog* d) { QTest::keyClick(takvim(d)->altlık(), Qt::Key_Escape); });
        QCOMPARE(TakvimdenTarihSeç(nullptr, "10.10.2026"), QString());
        ModalTest::sıradaki([](QDialog* d) { d->close(); });
        QCOMPARE(TakvimdenTarihSeç(nullptr, "10.10.2026"), QString());
    }

    void todayAndUnshowableYears() {
        ModalTest::sıradaki([](QDialog* d) {
            TakvimFormu* t = takvim(d);
            QCOMPARE(t->SeçilenTarih, QString("06.12.2026"));
            QCOMPARE(t->yılKutusu()->currentText(), QString("2026"));
            t->tamamDüğmesi()->click();
        });
        QCOMPARE(TakvimdenTarihSeç(nullptr, "01.01.1899"), QString("06.12.2026"));

        ModalTest::sıradaki([](QDialog* d) {
            TakvimFormu* t = takvim(d);
            QCOMPARE(t->yılKutusu()->currentText(), QString("2100"));
            QTest::mouseClick(t->bugüneGitDüğmesi(), Qt::LeftButton);
            QCOMPARE(t->yılKutusu()->currentText(), QString("2026"));
            QCOMPARE(t->ayKutusu()->currentRow(), 11);
            QCOMPARE(t->seçilenHücre(), t->gösterilenAy().hücre(6));
            t->tamamDüğmesi()->click();
        });
        QCOMPARE(TakvimdenTarihSeç(nullptr, "31.12.2100"), QString("06.12.2026"));
    }

    void screenshotsOfTheEntryWindowAndTheCalendar() {
        // TARVELA_EKRAN_KLASORU keeps the pictures (make screenshots); otherwise they go away.
        QString klasör = qEnvironmentVariable("TARVELA_EKRAN_KLASORU");
        if (klasör.isEmpty())
            klasör = TestOrtami::şimdiki().ayarKlasörü() + "/ekran";
        const QStringList dosyalar = İşGirişiEkranGörüntüleriniAl(klasör);
        QCOMPARE(dosyalar.size(), 2);
        for (const QString& dosya : dosyalar) {
            const QImage resim(dosya);
            QVERIFY2(resim.width() > 200 && resim.height() > 150, qPrintable(dosya));
        }
    }
};

TARVELA_TEST_MAIN(TakvimTest)
#include "TakvimTest.moc"
