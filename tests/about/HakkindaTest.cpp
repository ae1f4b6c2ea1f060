#include "TestOrtami.h"

// moc cannot read namespace names with Turkish letters; it needs none of these.
#ifndef Q_MOC_RUN
#include "about/AdresAcici.h"
#include "about/HakkindaFormu.h"
#include "about/HakkindaMetinleri.h"
#include "about/HataBildirmeFormu.h"
#include "controls/MesajKutusu.h"
#include "controls/Modal.h"
#include "settings/MakineDegerleri.h"
#endif

#include <QEnterEvent>
#include <QLabel>
#include <QPushButton>

class HakkindaTest : public QObject {
    Q_OBJECT
    QList<QUrl> açılanlar;
    bool açılabilir = true;

private slots:
    void init() {
        TestOrtami::sıfırla();
        açılanlar.clear();
        açılabilir = true;
        AdresAçıcı::ayarla([this](const QUrl& adres) {
            açılanlar << adres;
            return açılabilir;
        });
    }
    void cleanup() { AdresAçıcı::ayarla({}); }

    void versionText() {
        QCOMPARE(HakkındaMetinleri::sürümYazısı(2, 3, 3), QStringLiteral("Sürüm 2.33"));
        QCOMPARE(HakkındaMetinleri::sürümYazısı(3, 10, 0), QStringLiteral("Sürüm 3.100"));
    }

    // Cut between characters only: two-byte letters and four-byte signs stay whole.
    void machineValuesAreCutBetweenCharacters_data() {
        QTest::addColumn<QString>("metin");
        QTest::addColumn<int>("uzunluk");
        QTest::newRow("ascii") << QString(300, 'a') << 255;
        QTest::newRow("one byte then two-byte letters") << 'a' + QString(200, u'ğ') << 1 + 127;
        QTest::newRow("four-byte signs") << QString::fromUtf8("😀").repeated(70) << 63 * 2;
    }
    void machineValuesAreCutBetweenCharacters() {
        QFETCH(QString, metin);
        QFETCH(int, uzunluk);
        const QString kesik = HakkındaMetinleri::baytSınırında(metin);
        QCOMPARE(kesik.size(), uzunluk);
        QVERIFY(kesik.toUtf8().size() <= 255);
        QVERIFY(metin.startsWith(kesik));
        QCOMPARE(QString::fromUtf8(kesik.toUtf8()), kesik);
    }

    // Each link underlines under the pointer and opens its address; one that cannot open
    // says so. Esc closes the about window but not the report window, which has a button.
    void links_data() {
        QTest::addColumn<bool>("hakkında");
        QTest::addColumn<QString>("ad");
        QTest::addColumn<QUrl>("adres");
        QTest::newRow("site") << true << "SELVANEEtiketi" << HakkındaMetinleri::yapımcıSitesi();
        QTest::newRow("web") << false << "WebEtiketi"
                             << QUrl("https://www.selvane.com.tr/asp/mesaj/"
                                     "mesaj.asp?ProgramAdi=Tarvela");
        QTest::newRow("mail") << false << "EPostaEtiketi" << QUrl("mailto:destek@selvane.com.tr");
    }
    void links() {
        QFETCH(bool, hakkında);
        QFETCH(QString, ad);
        QFETCH(QUrl, adres);
        ModalTest::sıradaki([&](QDialog* d) {
            if (hakkında)
                QCOMPARE(d->findChild<QLabel*>("KullanıcıAdıEtiketi")->text(),
                         HakkındaMetinleri::baytSınırında(MakineDeğerleri::kayıtlıKullanıcı()));
            auto* bağlantı = d->findChild<QLabel*>(ad);
            QEnterEvent giriş(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
            QApplication::sendEvent(bağlantı, &giriş);
            QVERIFY(bağlantı->font().underline());
            QEvent çıkış(QEvent::Leave);
            QApplication::sendEvent(bağlantı, &çıkış);
            QVERIFY(!bağlantı->font().underline());
            QTest::mouseClick(bağlantı, Qt::LeftButton);
            QVERIFY(MesajKutusuTest::kayıtlar().isEmpty());
            açılabilir = false;
            QTest::mouseClick(bağlantı, Qt::LeftButton);
            QCOMPARE(MesajKutusuTest::son().simge, QMessageBox::Warning);
            QVERIFY(MesajKutusuTest::son().metin.contains(adres.toDisplayString()));
            QTest::keyClick(d, Qt::Key_Escape);
            QCOMPARE(d->isVisible(), !hakkında);
            if (!hakkında)
                QTest::mouseClick(d->findChild<QPushButton*>("TamamButonu"), Qt::LeftButton);
            QVERIFY(!d->isVisible());
        });
        if (hakkında)
            HakkındaFormunuAç(nullptr);
        else
            HataBildirmeFormunuAç(nullptr);
        QCOMPARE(açılanlar, QList<QUrl>(2, adres));
        QCOMPARE(ModalTest::bekleyenSayısı(), 0);
    }
};

TARVELA_TEST_MAIN(HakkindaTest)
#include "HakkindaTest.moc"
