#include "TestOrtami.h"

#include "controls/AyarliKutu.h"
#include "controls/MesajKutusu.h"
#include "controls/Twip.h"

#include <QLineEdit>
#include <QSignalSpy>
#include <QVBoxLayout>

// The box as the preferences window holds it: ends 1 to 20, a second field to leave to.
class AyarliKutuTest : public QObject {
    Q_OBJECT
    std::unique_ptr<QWidget> pencere;
    AyarliKutu* kutu = nullptr;
    QLineEdit* diğer = nullptr;

    QLineEdit* alan() const { return kutu->DeğerKutusu(); }
    void yaz(const QString& metin) {
        alan()->selectAll();
        QTest::keyClicks(alan(), metin);
    }
    void ayrıl() { QTest::keyClick(alan(), Qt::Key_Tab); }

private slots:
    void init() {
        TestOrtami::sıfırla();
        pencere = std::make_unique<QWidget>();
        auto* düzen = new QVBoxLayout(pencere.get());
        kutu = new AyarliKutu(pencere.get());
        kutu->setMin(20);
        kutu->setMax(1);
        kutu->setValue(3);
        diğer = new QLineEdit(pencere.get());
        düzen->addWidget(kutu);
        düzen->addWidget(diğer);
        pencere->show();
        pencere->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(pencere.get()));
        alan()->setFocus();
    }
    void cleanup() { pencere.reset(); }

    void arrowKeysStepWithinTheEnds_data() {
        QTest::addColumn<int>("baş");
        QTest::addColumn<int>("tuş");
        QTest::addColumn<QString>("sonuç");
        QTest::newRow("19 up") << 19 << int(Qt::Key_Up) << "20";
        QTest::newRow("20 up stays") << 20 << int(Qt::Key_Up) << "20";
        QTest::newRow("2 down") << 2 << int(Qt::Key_Down) << "1";
        QTest::newRow("1 down stays") << 1 << int(Qt::Key_Down) << "1";
    }
    void arrowKeysStepWithinTheEnds() {
        QFETCH(int, baş);
        QFETCH(int, tuş);
        QFETCH(QString, sonuç);
        kutu->setValue(static_cast<qint16>(baş));
        QTest::keyClick(alan(), static_cast<Qt::Key>(tuş));
        QCOMPARE(kutu->Text(), sonuç);
        QCOMPARE(alan()->selectedText(), sonuç);
        QVERIFY(alan()->hasFocus());
    }

    void leavingChecksTheNumber_data() {
        QTest::addColumn<int>("baş");
        QTest::addColumn<QString>("yazılan");
        QTest::addColumn<int>("sonuç");
        QTest::addColumn<bool>("reddedildi");
        QTest::newRow("25 above") << 3 << "25" << 20 << true;
        QTest::newRow("999999 never wraps") << 3 << "999999" << 20 << true;
        QTest::newRow("0 with value already 1") << 1 << "0" << 1 << true;
        QTest::newRow("0 below") << 5 << "0" << 1 << true;
        QTest::newRow("15 two digits") << 3 << "15" << 15 << false;
        QTest::newRow("007 rewritten") << 3 << "007" << 7 << false;
    }
    void leavingChecksTheNumber() {
        QFETCH(int, baş);
        QFETCH(QString, yazılan);
        QFETCH(int, sonuç);
        QFETCH(bool, reddedildi);
        kutu->setValue(static_cast<qint16>(baş));
        yaz(yazılan);
        ayrıl();
        QCOMPARE(kutu->Text(), QString::number(sonuç));
        QCOMPARE(int(kutu->Value()), sonuç);
        QCOMPARE(alan()->hasFocus(), reddedildi);
        QCOMPARE(MesajKutusuTest::kayıtlar().size(), reddedildi ? 1 : 0);
        // The message names the ends the box was given.
        if (reddedildi)
            QVERIFY(MesajKutusuTest::son().metin.contains("1-20 arasında"));
    }

    // Typing moves the value at once and raises the event; only digits get in; an emptied
    // box shows "0" selected.
    void typingRules() {
        QSignalSpy değişimler(kutu, &AyarliKutu::Change);
        yaz("a7b");
        QCOMPARE(kutu->Text(), QStringLiteral("7"));
        QCOMPARE(int(kutu->Value()), 7);
        QVERIFY(değişimler.count() >= 1);
        alan()->selectAll();
        QTest::keyClick(alan(), Qt::Key_Backspace);
        QCOMPARE(kutu->Text(), QStringLiteral("0"));
        QCOMPARE(alan()->selectedText(), QStringLiteral("0"));
        QCOMPARE(int(kutu->Value()), 7);
    }

    // A focus change while the check's message is up does not start a second check.
    void noSecondCheckWhileTheMessageIsUp() {
        yaz("25");
        MesajKutusuTest::kutuAçıkken([this] {
            alan()->setFocus();
            diğer->setFocus();
        });
        ayrıl();
        QCOMPARE(MesajKutusuTest::kayıtlar().size(), 1);
        QCOMPARE(kutu->Text(), QStringLiteral("20"));
    }

    void narrowWidthIsRaised() {
        kutu->resize(twipten(300), kutu->height());
        QCOMPARE(kutu->width(), twipten(500));
    }
};

TARVELA_TEST_MAIN(AyarliKutuTest)
#include "AyarliKutuTest.moc"
