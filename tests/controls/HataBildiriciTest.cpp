#include "TestOrtami.h"

// moc cannot read namespace names with Turkish letters; it needs none of these.
#ifndef Q_MOC_RUN
#include "controls/HataBildirici.h"
#include "controls/Kaynaklar.h"
#include "controls/MesajKutusu.h"
#include "controls/Odak.h"
#include "controls/TarihBicimi.h"
#endif

#include <QDir>
#include <QLineEdit>
#include <QTemporaryFile>

class HataBildiriciTest : public QObject {
    Q_OBJECT
private slots:
    void init() { TestOrtami::sıfırla(); }

    void silentNumbersReturnWithoutAWord() {
        for (int no : {482, 3356}) {
            QVERIFY(HataBildir(Hata(no, "x")));
            QVERIFY(MesajKutusuTest::kayıtlar().isEmpty());
            QVERIFY(!ProgramSonu::sonlandıMı());
        }
    }

    void networkAndAccessErrorsEndTheProgram_data() {
        QTest::addColumn<int>("no");
        QTest::addColumn<QString>("metin");
        const QString ağ = "Ağ bağlantısı kurulamıyor. Lütfen, kontrol edip tekrar deneyiniz!";
        QTest::newRow("3043") << 3043 << ağ;
        QTest::newRow("3044") << 3044 << ağ;
        QTest::newRow("3051") << 3051
                              << "Dosyaya erişilemiyor. Lütfen, kontrol edip tekrar deneyiniz!";
    }
    void networkAndAccessErrorsEndTheProgram() {
        QFETCH(int, no);
        QFETCH(QString, metin);
        QVERIFY(!HataBildir(Hata(no, "açıklama")));
        QVERIFY(ProgramSonu::sonlandıMı());
        const auto kayıt = MesajKutusuTest::son();
        QCOMPARE(kayıt.metin, metin);
        QCOMPARE(kayıt.simge, QMessageBox::Warning);
        QCOMPARE(kayıt.düğmeler, QMessageBox::StandardButtons(QMessageBox::Ok));
    }

    void otherErrorsAskWhetherToGoOn() {
        MesajKutusuTest::yanıtla(QMessageBox::Yes);
        QVERIFY(HataBildir(Hata(3021, "Geçerli kayıt yok.")));
        QVERIFY(!ProgramSonu::sonlandıMı());
        const auto kayıt = MesajKutusuTest::son();
        QCOMPARE(kayıt.simge, QMessageBox::Critical);
        QCOMPARE(kayıt.düğmeler, QMessageBox::Yes | QMessageBox::No);
        QCOMPARE(kayıt.metin,
                 QStringLiteral("Program, aşağıdaki hata nedeniyle doğru çalışmayabilir! \n"
                                "Yine de devam etmek istiyor musunuz?\r\n\r\nHata Kodu: 3021"
                                "\r\n\r\nHata Mesajı: Geçerli kayıt yok."));

        MesajKutusuTest::yanıtla(QMessageBox::No);
        QVERIFY(!HataBildir(Hata(3021, "x")));
        QVERIFY(ProgramSonu::sonlandıMı());
    }

    void stepsGoOnAfterAReportedFailure() {
        QStringList yapılan;
        MesajKutusuTest::yanıtla(QMessageBox::Yes);
        Adımlar({[&] { yapılan << "1"; }, [&] { throw Hata(5, "bozuk"); }, [&] { yapılan << "3"; },
                 [&] { throw std::runtime_error("beklenmeyen"); }, [&] { yapılan << "5"; }});
        QCOMPARE(yapılan, QStringList({"1", "3", "5"}));
        QCOMPARE(MesajKutusuTest::kayıtlar().size(), 2);
        QVERIFY(MesajKutusuTest::kayıtlar()[1].metin.contains("beklenmeyen"));

        // Once the program has ended, no further step runs.
        MesajKutusuTest::temizle();
        yapılan.clear();
        Adımlar({[&] { throw Hata(3044, "yok"); }, [&] { yapılan << "2"; }});
        QVERIFY(yapılan.isEmpty());

        ProgramSonu::sıfırla();
        Sessizce([] { throw Hata(1, "görünmez"); });
        QCOMPARE(MesajKutusuTest::kayıtlar().size(), 1);
    }

    void boxIsCentredOverItsOwner() {
        using MesajKutusu::ortalanmışKonum;
        QCOMPARE(*ortalanmışKonum(QRect(100, 50, 800, 600), QSize(300, 100)), QPoint(350, 300));
        // Halves are rounded to the even number.
        QCOMPARE(*ortalanmışKonum(QRect(0, 0, 101, 101), QSize(0, 2)), QPoint(50, 50));
        QCOMPARE(*ortalanmışKonum(QRect(0, 0, 103, 103), QSize(0, 2)), QPoint(52, 50));
        // An owner off screen (minimised) leaves the box where the platform put it.
        QVERIFY(!ortalanmışKonum(QRect(-32000, -32000, 160, 30), QSize(300, 100)));
    }

    void fileExistenceAndSelectAll() {
        QTemporaryFile dosya;
        QVERIFY(dosya.open());
        QVERIFY(DosyaVarMı(dosya.fileName()));
        QVERIFY(DosyaVarMı(QDir::tempPath()));
        QVERIFY(!DosyaVarMı(QDir::tempPath() + "/yok/olmayan.vtb"));
        QVERIFY(!DosyaVarMı(QString()));

        QWidget pencere;
        auto* a = new QLineEdit("birinci", &pencere);
        auto* b = new QLineEdit("ikinci metin", &pencere);
        OdaktaTümünüSeç(b);
        pencere.show();
        QVERIFY(QTest::qWaitForWindowExposed(&pencere));
        pencere.activateWindow();
        a->setFocus();
        b->setCursorPosition(0);
        b->setFocus(Qt::TabFocusReason);
        QCoreApplication::processEvents();
        QTRY_COMPARE(b->selectedText(), QStringLiteral("ikinci metin"));
    }

    void picturesAreLinkedIntoEveryProgram() {
        for (const char* ad : {"KLASOR", "BAGLAN", "ALARM", "KARSILAMA"}) {
            QVERIFY2(Kaynaklar::varMı(ad), ad);
            QVERIFY(!Kaynaklar::simge(ad).pixmap(16, 16).isNull());
        }
        QVERIFY(!Kaynaklar::varMı("YOK_BOYLE_BIR_RESIM"));
    }

    void dateFormsFollowTheLocale() {
        const QDate d(2026, 12, 5);
        QCOMPARE(TarihBiçimi::kısa(d), QStringLiteral("05.12.2026"));
        QCOMPARE(TarihBiçimi::uzun(d), QStringLiteral("5 Aralık 2026 Cumartesi"));
        for (const char* metin : {"5.12.2026", "5/12/2026", "5-12-2026"})
            QCOMPARE(TarihBiçimi::çöz(metin), d);
        // Three-figure years and days are no dates, not dates before Christ.
        for (const char* yanlış : {"31.11.2026", "5.12", "a.b.c", "05.05.027", "005.05.2027"})
            QVERIFY2(!TarihBiçimi::çöz(yanlış).isValid(), yanlış);
        QCOMPARE(TarihBiçimi::çöz("5.12.26"), d);
    }
};

TARVELA_TEST_MAIN(HataBildiriciTest)
#include "HataBildiriciTest.moc"
