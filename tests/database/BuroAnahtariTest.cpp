#include "TestOrtami.h"

#include "BaglantiTestDestegi.h"
#include "controls/MesajKutusu.h"
#include "controls/Modal.h"
#include "controls/ProgramSaati.h"
#include "database/AnahtarDeposu.h"
#include "database/BuroAnahtari.h"
#ifndef Q_MOC_RUN // moc cannot read the Turkish namespace of this header
#include "database/BuroAnahtariFormu.h"
#endif
#include "database/Deyimler.h"
#include "database/SunucuDegistirFormu.h"
#include "database/VeritabaninaBaglanFormu.h"
#include "settings/Tercihler.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRandomGenerator>
#include <QThread>

namespace {

const QString Anahtar = "Ofis-Anahtari-2026";

// Keeps keys in memory, as the keyring would.
class BellekDeposu : public AnahtarDeposu {
public:
    QMap<QString, QString> anahtarlar;
    std::optional<QString> oku(const QString& dosya) override {
        const auto bulunan = anahtarlar.constFind(girişAdı(dosya));
        return bulunan == anahtarlar.constEnd() ? std::nullopt : std::optional(*bulunan);
    }
    bool yaz(const QString& dosya, const QString& anahtar) override {
        anahtarlar[girişAdı(dosya)] = anahtar;
        return true;
    }
    void sil(const QString& dosya) override { anahtarlar.remove(girişAdı(dosya)); }
};

QString anahtarDosyası(const QString& anahtar) {
    const QString yol = yeniKlasör(vtKökü(), "anahtar") + "/anahtar.txt";
    dosyaYaz(yol, anahtar.toUtf8() + "\n");
    return yol;
}

// The SQLCipher shell, given the key with PRAGMA key.
QString kabuk(const QString& dosya, const QString& anahtar) {
    QProcess p;
    p.start("sqlcipher", {dosya});
    p.write(QString("PRAGMA key='%1';\nSELECT count(*) FROM YapilacakIslerTablosu;\n")
                .arg(anahtar)
                .toUtf8());
    p.closeWriteChannel();
    p.waitForFinished(30000);
    return QString::fromUtf8(p.readAllStandardOutput() + p.readAllStandardError()).trimmed();
}

void anahtarYaz(QDialog* d, const QString& anahtar) {
    QTest::keyClicks(d->findChild<QLineEdit*>("AnahtarKutusu"), anahtar);
    düğmeyeBas(d, "TamamDüğmesi");
}

QString etiket(QDialog* d) {
    return d->findChild<QLabel*>("Etiket")->text();
}

} // namespace

class BuroAnahtariTest : public QObject {
    Q_OBJECT
    BellekDeposu* depo = nullptr;
    SahteAnaForm* form = nullptr;
private slots:
    void init() {
        TestOrtami::sıfırla();
        AçıkVeritabanı::kapat();
        tercihler().girişŞifresiSor = false;
        auto yeni = std::make_unique<BellekDeposu>();
        depo = yeni.get();
        AnahtarDeposuSeçimi::ayarla(std::move(yeni));
        form = new SahteAnaForm;
        anaFormuAyarla(form);
    }
    void cleanup() {
        anaFormuAyarla(nullptr);
        delete form;
        AnahtarDeposuSeçimi::ayarla(nullptr);
    }

    void keyRulesAndEncryptedLooks() {
        QVERIFY(!BüroAnahtarı::anahtarSorunu(" baslangic-bosluk").isEmpty());
        QVERIFY(!BüroAnahtarı::anahtarSorunu("x'0011223344556677'").isEmpty());
        QVERIFY(BüroAnahtarı::anahtarSorunu("Çağlayan;Adliyesi=2026").isEmpty());

        const QString düz = yeniKlasör(vtKökü(), "duz") + "/Lodra.vtb";
        VeritabanıKurulumu::oluştur(düz, QString()); // a plain, unencrypted database
        QVERIFY(!BüroAnahtarı::şifreliGörünüyor(düz));
        QVERIFY(
            !BüroAnahtarı::şifreliGörünüyor(bozukDosyalıKlasör(vtKökü(), "metin") + "/Lodra.vtb"));
        QVERIFY(
            BüroAnahtarı::şifreliGörünüyor(veritabanlıKlasör(vtKökü(), "sabit") + "/Lodra.vtb"));
    }

    // The tool sets the key; the SQLCipher shell refuses the program's password and reads the
    // file with the office key; denetle names the protection, never the key.
    void toolSetsTheKey() {
        const QString klasör = yeniKlasör(vtKökü(), "arac");
        QString çıktı;
        QCOMPARE(
            araç({"olustur", klasör, "--anahtar-dosyasi", anahtarDosyası("kisa-anahtr")}, &çıktı),
            1);
        QVERIFY(çıktı.contains("en az 12"));
        QVERIFY(!QFile::exists(klasör + "/Lodra.vtb"));
        QCOMPARE(araç({"olustur", klasör, "--ornek", "--klasor", "2", "--is", "17",
                       "--anahtar-dosyasi", anahtarDosyası(Anahtar)}),
                 0);
        const QString dosya = klasör + "/Lodra.vtb";
        QVERIFY(kabuk(dosya, "KMZ1994").contains("file is encrypted or is not a database"));
        QCOMPARE(kabuk(dosya, Anahtar), QString("17"));

        QCOMPARE(araç({"denetle", klasör}, &çıktı), 1);
        QVERIFY(çıktı.contains("büro anahtarıyla korunuyor"));
        QCOMPARE(araç({"denetle", veritabanlıKlasör(vtKökü(), "sabit")}, &çıktı), 0);
        QVERIFY(çıktı.contains("Şifreleme: sabit parola"));
    }

    // A stale kept key, a cancelled window and three wrong keys never forget the server; the
    // key typed at last is kept. (Asking once and opening from the keyring at the next start
    // is the keyring test's.)
    void staleOrWrongKeysKeepTheServer() {
        const QString klasör = veritabanlıKlasör(vtKökü(), "ofis", Anahtar);
        const QString dosya = klasör + "/Lodra.vtb";
        AyarDeposu::SaveSetting("Sunucular", "Sunucu-1", klasör);
        depo->yaz(dosya, "eskimis-anahtar-1");
        QString vazgeçildi, üçYanlış;
        QList<MesajKaydı> kutular;
        ModalTest::sıradaki([&](QDialog* d) {
            // The kept key fails; the key window is cancelled (the handler queued below).
            QCoreApplication::processEvents();
            vazgeçildi = etiket(d);
            ModalTest::sıradaki([](QDialog* a) {
                for (const char* yanlış : {"yanlis-anahtar-1", "yanlis-anahtar-2", "yanlis-3xx"})
                    anahtarYaz(a, yanlış);
                QVERIFY(!a->isVisible());
            });
            düğmeyeBas(d, "YenidenDeneDüğmesi");
            üçYanlış = etiket(d);
            kutular = MesajKutusuTest::kayıtlar();
            QVERIFY(d->findChild<QPushButton*>("YenidenDeneDüğmesi")->isEnabled());
            QVERIFY(d->isVisible());
            ModalTest::sıradaki([](QDialog* a) { anahtarYaz(a, Anahtar); });
            düğmeyeBas(d, "YenidenDeneDüğmesi");
        });
        ModalTest::sıradaki([](QDialog* d) { QTest::keyClick(d, Qt::Key_Escape); });
        QVERIFY(VeritabanınaBağlan());
        QCOMPARE(vazgeçildi, BüroAnahtarıMetinleri::Girilmedi);
        QCOMPARE(üçYanlış, BüroAnahtarıMetinleri::ÜçKezYanlış);
        // Two "wrong" boxes, the third wrong key closes the window; no error report.
        QCOMPARE(kutular.size(), 2);
        for (const MesajKaydı& kutu : kutular)
            QCOMPARE(kutu.metin, BüroAnahtarıMetinleri::Yanlış);
        QCOMPARE(AyarDeposu::GetSetting("Sunucular", "Sunucu-1"), klasör);
        QCOMPARE(depo->oku(dosya), std::optional(Anahtar));
        QCOMPARE(AçıkVeritabanı::al().yol(), dosya);
    }

    // The change-server window asks the same way; without the key the open database stays.
    void changeServerAsksToo() {
        const QString sabit = veritabanlıKlasör(vtKökü(), "sabit");
        const QString ofis = veritabanlıKlasör(vtKökü(), "ofis", Anahtar);
        AyarDeposu::SaveSetting("Sunucular", "Sunucu-1", sabit);
        AyarDeposu::SaveSetting("Sunucular", "Sunucu-2", ofis);
        AçıkVeritabanı::ayarla(Veritabanı::OpenDatabase(sabit + "/Lodra.vtb"));
        ModalTest::sıradaki([&](QDialog* d) {
            d->findChild<QListWidget*>("SunucuListesi")->setCurrentRow(1);
            ModalTest::sıradaki([](QDialog* a) { QTest::keyClick(a, Qt::Key_Escape); });
            düğmeyeBas(d, "SeçilenSunucuyaBağlanDüğmesi");
            QCOMPARE(MesajKutusuTest::son().metin, BüroAnahtarıMetinleri::Girilmedi);
            QTest::keyClick(d, Qt::Key_Escape);
        });
        SunucuDeğiştir(form->pencere());
    }

    // A rekey keeps every row and the counter; the daily copies follow the new key from the
    // next one on and the tool names the older copies that keep the old one.
    void rekeyKeepsDataAndCopiesFollow() {
        const QString klasör = veritabanlıKlasör(vtKökü(), "degis");
        const QString dosya = klasör + "/Lodra.vtb";
        VeritabanıKurulumu::örnekVeriDoldur(dosya, {3, 40, QDate(2026, 12, 1), 7});
        ProgramSaati::ayarla(QDateTime(QDate(2026, 12, 1), QTime(9, 0)));
        Veritabanı::OpenDatabase(dosya)->Execute(Deyim::J10(1));
        const QString ilkKopya = klasör + "/Yedekler/Lodra-2026-12-01.vtb";
        QVERIFY(BüroAnahtarı::açarMı(ilkKopya, "KMZ1994"));

        QString çıktı;
        QCOMPARE(
            araç({"anahtar-degistir", klasör, "--yeni-anahtar-dosyasi", anahtarDosyası(Anahtar)},
                 &çıktı),
            0);
        QVERIFY(çıktı.contains("1 kopya eski anahtarla (sabit parola)"));
        QVERIFY(çıktı.contains(ilkKopya));
        QVERIFY(!BüroAnahtarı::açarMı(dosya, "KMZ1994"));
        QCOMPARE(QDir(klasör).entryList(QDir::Files | QDir::Hidden), QStringList({"Lodra.vtb"}));
        // A wrong old key changes nothing.
        const QByteArray önce = içerik(dosya);
        QCOMPARE(araç({"anahtar-degistir", klasör, "--anahtar-dosyasi",
                       anahtarDosyası("yanlis-eski-anahtar"), "--yeni-anahtar-dosyasi",
                       anahtarDosyası("baska-yeni-anahtar")}),
                 1);
        QCOMPARE(içerik(dosya), önce);

        // The counter went along: the copy would have been refused otherwise.
        auto vt = Veritabanı::anahtarlaAç(dosya, Anahtar);
        ProgramSaati::ayarla(QDateTime(QDate(2026, 12, 2), QTime(9, 0)));
        vt->Execute(Deyim::J10(2));
        QCOMPARE(işSayısı(*vt), 40);
        QVERIFY(BüroAnahtarı::açarMı(klasör + "/Yedekler/Lodra-2026-12-02.vtb", Anahtar));
        QVERIFY(BüroAnahtarı::açarMı(ilkKopya, "KMZ1994"));
    }
    // A rekey killed at any moment leaves a whole file under the old key or the new one.
    void rekeyKilledAtRandomMoments() {
        const QString dosya = veritabanlıKlasör(vtKökü(), "kesinti") + "/Lodra.vtb";
        VeritabanıKurulumu::örnekVeriDoldur(dosya, {20, 3000, QDate(2026, 12, 1), 3});
        const QStringList anahtarlar = {"KMZ1994", "Birinci-Anahtar-1", "Ikinci-Anahtar-22"};
        const QStringList dosyalar = {QString(), anahtarDosyası(anahtarlar[1]),
                                      anahtarDosyası(anahtarlar[2])};
        int şimdiki = 0;
        qint64 tamSüre = 0;
        QElapsedTimer süre;
        süre.start();
        for (int tur = 0; tur < 40 && süre.elapsed() < 20000; ++tur) {
            const int hedef = şimdiki == 1 ? 2 : 1;
            QStringList args = {"anahtar-degistir", dosya, "--yeni-anahtar-dosyasi",
                                dosyalar[hedef]};
            if (şimdiki != 0)
                args << "--anahtar-dosyasi" << dosyalar[şimdiki];
            QProcess p;
            QElapsedTimer bir;
            bir.start();
            p.start(araçYolu(), args);
            QVERIFY(p.waitForStarted());
            // The first change runs whole and gives the time the later kills fall within.
            if (tur > 0) {
                QThread::msleep(QRandomGenerator::global()->bounded(int(tamSüre * 6 / 5) + 1));
                p.kill();
            }
            p.waitForFinished(60000);
            if (tur == 0) {
                QCOMPARE(p.exitCode(), 0);
                tamSüre = bir.elapsed();
            }
            const bool eskiyle = BüroAnahtarı::açarMı(dosya, anahtarlar[şimdiki]);
            const bool yeniyle = BüroAnahtarı::açarMı(dosya, anahtarlar[hedef]);
            QVERIFY2(eskiyle != yeniyle, qPrintable(QString("tur %1").arg(tur)));
            if (yeniyle)
                şimdiki = hedef;
            QCOMPARE(VeritabanıKurulumu::denetle(dosya, anahtarlar[şimdiki]), QStringList());
        }
    }
};

TARVELA_TEST_MAIN(BuroAnahtariTest)
#include "BuroAnahtariTest.moc"
