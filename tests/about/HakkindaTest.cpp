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

namespace {
QLabel* etiket(QDialog* d, const char* ad) {
    QLabel* e = d->findChild<QLabel*>(QString::fromUtf8(ad));
    if (!e)
        qFatal("etiket yok: %s", ad);
    return e;
}
void üzerineGel(QWidget* w) {
    QEnterEvent olay(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
    QApplication::sendEvent(w, &olay);
}
void üzerindenÇık(QWidget* w) {
    QEvent olay(QEvent::Leave);
    QApplication::sendEvent(w, &olay);
}
} // namespace

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

    // Texts, the owner, the link and its underline; a link that cannot open says so; Esc.
    void aboutWindow() {
        ModalTest::sıradaki([this](QDialog* d) {
            QCOMPARE(d->windowTitle(), QStringLiteral("Hakkında"));
            QCOMPARE(etiket(d, "Etiket0")->text(), QStringLiteral("Tarvela"));
            QCOMPARE(etiket(d, "Etiket1")->text(), HakkındaMetinleri::buSürümünYazısı());
            QCOMPARE(etiket(d, "Etiket3")->text(), QStringLiteral("Selvane"));
            QCOMPARE(etiket(d, "KullanıcıAdıEtiketi")->text(),
                     HakkındaMetinleri::baytSınırında(MakineDeğerleri::kayıtlıKullanıcı()));
            QLabel* bağlantı = etiket(d, "SELVANEEtiketi");
            üzerineGel(bağlantı);
            QVERIFY(bağlantı->font().underline());
            üzerindenÇık(bağlantı);
            QVERIFY(!bağlantı->font().underline());
            QTest::mouseClick(bağlantı, Qt::LeftButton);
            QVERIFY(MesajKutusuTest::kayıtlar().isEmpty());
            açılabilir = false;
            QTest::mouseClick(bağlantı, Qt::LeftButton);
            QCOMPARE(MesajKutusuTest::son().simge, QMessageBox::Warning);
            QVERIFY(MesajKutusuTest::son().metin.contains("https://www.selvane.com.tr/"));
            QTest::keyClick(d, Qt::Key_Escape);
            QVERIFY(!d->isVisible());
        });
        HakkındaFormunuAç(nullptr);
        QCOMPARE(açılanlar, QList<QUrl>(2, HakkındaMetinleri::yapımcıSitesi()));
    }

    void problemReportLinks_data() {
        QTest::addColumn<QString>("ad");
        QTest::addColumn<QString>("adres");
        QTest::newRow("web") << "WebEtiketi"
                             << "https://www.selvane.com.tr/asp/mesaj/mesaj.asp?ProgramAdi=Tarvela";
        QTest::newRow("mail") << "EPostaEtiketi"
                              << "mailto:destek@selvane.com.tr";
    }
    void problemReportLinks() {
        QFETCH(QString, ad);
        QFETCH(QString, adres);
        ModalTest::sıradaki([ad](QDialog* d) {
            QCOMPARE(d->windowTitle(), QStringLiteral("Hata Bildirme"));
            QLabel* bağlantı = etiket(d, ad.toUtf8().constData());
            üzerineGel(bağlantı);
            QVERIFY(bağlantı->font().underline());
            QTest::mouseClick(bağlantı, Qt::LeftButton);
            // Esc leaves this window open; its button closes it.
            QTest::keyClick(d, Qt::Key_Escape);
            QVERIFY(d->isVisible());
            QTest::mouseClick(d->findChild<QPushButton*>("TamamButonu"), Qt::LeftButton);
            QVERIFY(!d->isVisible());
        });
        HataBildirmeFormunuAç(nullptr);
        QCOMPARE(açılanlar, QList<QUrl>{QUrl(adres)});
        QCOMPARE(ModalTest::bekleyenSayısı(), 0);
    }
};

TARVELA_TEST_MAIN(HakkindaTest)
#include "HakkindaTest.moc"
