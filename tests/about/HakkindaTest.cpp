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

    // Cut at 255 bytes between characters only: two-byte letters and four-byte signs stay
    // whole (the first row ends on the limit exactly).
    void machineValuesAreCutBetweenCharacters() {
        QCOMPARE(HakkındaMetinleri::baytSınırında('a' + QString(200, u'ğ')).size(), 1 + 127);
        QCOMPARE(HakkındaMetinleri::baytSınırında(QString::fromUtf8("😀").repeated(70)).size(),
                 63 * 2);
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
