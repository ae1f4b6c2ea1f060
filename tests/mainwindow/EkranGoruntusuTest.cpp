#include "TestOrtami.h"

#include "controls/ProgramSaati.h"
#include "database/VeritabaniKurulumu.h"
#include "mainwindow/AnaFormResmi.h"

#include <QDir>
#include <QImage>

// Draws the main window over a demo database into a PNG; with TARVELA_EKRAN_KLASORU set the
// picture goes there (the README picture), otherwise into the test's own folder.
class EkranGoruntusuTest : public QObject {
    Q_OBJECT
private slots:
    void init() { TestOrtami::sıfırla(); }

    void drawsTheMainWindow() {
        ProgramSaati::ayarla(QDateTime(QDate(2026, 12, 6), QTime(10, 15)));
        const QString klasör = TestOrtami::şimdiki().veritabanıKlasörü() + "/ornek";
        QDir().mkpath(klasör);
        const QString dosya = klasör + "/Lodra.vtb";
        VeritabanıKurulumu::oluştur(dosya);
        VeritabanıKurulumu::ÖrnekAyarları ayarlar;
        ayarlar.bugün = QDate(2026, 12, 6);
        VeritabanıKurulumu::örnekVeriDoldur(dosya, ayarlar);

        QString hedef = qEnvironmentVariable("TARVELA_EKRAN_KLASORU");
        if (hedef.isEmpty())
            hedef = TestOrtami::şimdiki().veritabanıKlasörü();
        QDir().mkpath(hedef);
        const QString resim = hedef + "/AnaForm.png";
        QVERIFY(anaFormResminiKaydet(dosya, resim, QSize(1000, 640)));
        const QImage okunan(resim);
        QCOMPARE(okunan.size(), QSize(1000, 640));
    }
};

TARVELA_TEST_MAIN(EkranGoruntusuTest)
#include "EkranGoruntusuTest.moc"
