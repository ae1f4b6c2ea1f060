#include "TestOrtami.h"

#include "SahteAnaForm.h"
#include "controls/AyarliKutu.h"
// moc cannot read namespace names with Turkish letters; it needs none of these.
#ifndef Q_MOC_RUN
#include "controls/MesajKutusu.h"
#include "controls/Modal.h"
#include "settings/AyarDeposu.h"
#include "settings/AyarTablosu.h"
#include "settings/MakineDegerleri.h"
#include "settings/ProgramDegerleri.h"
#include "settings/Tercihler.h"
#include "settings/TercihlerFormu.h"
#endif

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace {
QString ayar(const char* anahtar) {
    return AyarDeposu::GetSetting("Ayarlar", QString::fromUtf8(anahtar), "yok");
}
void yaz(const char* anahtar, const QString& değer) {
    AyarDeposu::SaveSetting("Ayarlar", QString::fromUtf8(anahtar), değer);
}
template <typename T> T* denetim(QDialog* d, const char* ad) {
    T* w = d->findChild<T*>(QString::fromUtf8(ad));
    if (!w)
        qFatal("denetim yok: %s", ad);
    return w;
}
QCheckBox* onay(QDialog* d, const char* ad) {
    return denetim<QCheckBox>(d, ad);
}
QPushButton* düğme(QDialog* d, const char* ad) {
    return denetim<QPushButton>(d, ad);
}
void tıkla(QWidget* w) {
    QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(6, w->height() / 2));
}
void dosyaYaz(const QString& yol) {
    QDir().mkpath(QFileInfo(yol).absolutePath());
    QFile f(yol);
    QVERIFY(f.open(QIODevice::WriteOnly));
}
} // namespace

class AyarlarTest : public QObject {
    Q_OBJECT
    std::unique_ptr<QTemporaryDir> klasör;
    std::unique_ptr<SahteAnaForm> form;

    // Opens the window over the stand-in main window and acts in it.
    void aç(std::function<void(QDialog*)> iş) {
        ModalTest::sıradaki([iş](QDialog* d) {
            d->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(d));
            QVERIFY(!düğme(d, "TamamDüğmesi")->isEnabled());
            iş(d);
        });
        TercihlerFormunuAç(form->pencere());
        QCOMPARE(ModalTest::bekleyenSayısı(), 0);
        QVERIFY(!TercihlerGörünür());
    }

private slots:
    void init() {
        TestOrtami::sıfırla();
        klasör = std::make_unique<QTemporaryDir>();
        program().programKlasörü = klasör->path() + '/';
        dosyaYaz(program().programKlasörü + "Alarm.wav");
        MakineDeğerleri::otomatikBaşlatmaSil();
        form = std::make_unique<SahteAnaForm>();
        form->simgeVar = false;
        anaFormuAyarla(form.get());
    }
    void cleanup() {
        anaFormuAyarla(nullptr);
        form.reset();
    }

    // Opening, "İl&k Ayarlar" and "İptal": nothing reaches the store or the machine.
    void initialSettingsThenCancelSaveNothing() {
        aç([](QDialog* d) {
            tıkla(düğme(d, "İlkAyarlarDüğmesi"));
            QVERIFY(düğme(d, "TamamDüğmesi")->isEnabled());
            tıkla(düğme(d, "İptalDüğmesi"));
        });
        QVERIFY(AyarDeposu::GetAllSettings("Ayarlar").isEmpty());
        QVERIFY(!QFile::exists(MakineDeğerleri::otomatikBaşlatmaDosyası()));
        QVERIFY(!form->simgeVar);
    }

    // The remembered entries live only in the nested sections; they are found and removed.
    void keepEntriesOffRemovesRememberedEntries() {
        AyarDeposu::SaveSetting("Yapilacak Is Bilgileri\\Yerler", "Sira-1", "Adliye");
        AyarDeposu::SaveSetting("Yapilacak Is Bilgileri\\Sayilar", "Sira-1", "2026/15");
        aç([](QDialog* d) {
            tıkla(onay(d, "ÇekmeliListelereGirilenDeğerleriSaklaOnayı"));
            auto* sayı = denetim<AyarliKutu>(d, "ÇekmeliListeSaklanacakSayıKutusu");
            QVERIFY(!sayı->isEnabled());
            QCOMPARE(sayı->Text(), QStringLiteral("0"));
            tıkla(düğme(d, "TamamDüğmesi"));
        });
        // Both values become "0"; read back, keeping stays off and the window shows it so.
        QCOMPARE(ayar("Girisler Saklansin"), QStringLiteral("0"));
        QCOMPARE(ayar("Saklanacak Giris Sayisi"), QStringLiteral("0"));
        for (const char* b : {"Yerler", "Sayilar"})
            QVERIFY(AyarDeposu::GetAllSettings(QStringLiteral("Yapilacak Is Bilgileri\\") + b)
                        .isEmpty());
        QCOMPARE(tercihler().girişlerSaklansın, 0);
        QCOMPARE(int(tercihler().saklanacakGirişSayısı), 0);
        tercihleriOku();
        QCOMPARE(tercihler().girişlerSaklansın, 0);
        QCOMPARE(int(tercihler().saklanacakGirişSayısı), 0);
        aç([](QDialog* d) {
            QVERIFY(!onay(d, "ÇekmeliListelereGirilenDeğerleriSaklaOnayı")->isChecked());
            auto* sayı = denetim<AyarliKutu>(d, "ÇekmeliListeSaklanacakSayıKutusu");
            QVERIFY(!sayı->isEnabled());
            QCOMPARE(sayı->Text(), QStringLiteral("0"));
            // Ticked again: the default count, stored on confirm.
            tıkla(onay(d, "ÇekmeliListelereGirilenDeğerleriSaklaOnayı"));
            tıkla(düğme(d, "TamamDüğmesi"));
        });
        QCOMPARE(ayar("Girisler Saklansin"), QStringLiteral("1"));
        QCOMPARE(ayar("Saklanacak Giris Sayisi"), QStringLiteral("3"));
    }

    // Boxes read from the store and written back on confirm: the summary's day count only
    // while the summary is on (kept when it is off); starting with the desktop needs the
    // background, which is ticked and locked, and writes the desktop's entry.
    void confirmWritesTheBoxesBack() {
        yaz("Sabah Ozeti Gun Sayisi", "5");
        yaz("Otomatik Baslasin", "0");
        yaz("Arkaplanda Calissin", "0");
        aç([](QDialog* d) {
            auto* gün = denetim<AyarliKutu>(d, "SabahÖzetiGünSayısıKutusu");
            QVERIFY(gün->isEnabled());
            QCOMPARE(gün->Text(), QStringLiteral("5"));
            tıkla(onay(d, "SabahÖzetiOnayı"));
            QVERIFY(!gün->isEnabled());
            tıkla(onay(d, "KaçırılanHatırlatmalarOnayı"));
            tıkla(onay(d, "OtomatikBaşlasınOnayı"));
            QVERIFY(!onay(d, "ArkaplandaÇalışsınOnayı")->isEnabled());
            tıkla(düğme(d, "TamamDüğmesi"));
        });
        QCOMPARE(QStringList({ayar("Kacirilan Hatirlatmalar"), ayar("Sabah Ozeti"),
                              ayar("Sabah Ozeti Gun Sayisi"), ayar("Otomatik Baslasin"),
                              ayar("Arkaplanda Calissin")}),
                 QStringList({"0", "0", "5", "1", "1"}));
        QVERIFY(tercihler().kaçırılanHatırlatmalar == 0 && tercihler().sabahÖzeti == 0);
        QCOMPARE(tercihler().arkaplandaÇalışsın, 1);
        QFile giriş(MakineDeğerleri::otomatikBaşlatmaDosyası());
        QVERIFY(giriş.open(QIODevice::ReadOnly));
        QVERIFY(QString::fromUtf8(giriş.readAll())
                    .contains("Exec=" + program().programKlasörü + "Lodra -Simge\n"));
        QVERIFY(form->simgeVar);
    }

    void backgroundOffShowsAHiddenMainWindow_data() {
        QTest::addColumn<bool>("gizli");
        QTest::newRow("hidden") << true;
        QTest::newRow("visible") << false;
    }
    void backgroundOffShowsAHiddenMainWindow() {
        QFETCH(bool, gizli);
        yaz("Otomatik Baslasin", "0");
        MakineDeğerleri::otomatikBaşlatmaYaz(program().programKlasörü);
        form->simgeVar = true;
        form->pencere_.setVisible(!gizli);
        aç([](QDialog* d) {
            tıkla(onay(d, "ArkaplandaÇalışsınOnayı"));
            tıkla(düğme(d, "TamamDüğmesi"));
        });
        QCOMPARE(ayar("Arkaplanda Calissin"), QStringLiteral("0"));
        QVERIFY(!QFile::exists(MakineDeğerleri::otomatikBaşlatmaDosyası()));
        QVERIFY(!form->simgeVar);
        QCOMPARE(form->gösterme, gizli ? 1 : 0);
    }

    // A count typed alone is a change: "Tamam" takes it.
    void countTypedAloneIsSaved() {
        aç([](QDialog* d) {
            auto* sayı = denetim<AyarliKutu>(d, "ÇekmeliListeSaklanacakSayıKutusu");
            sayı->DeğerKutusu()->setFocus();
            sayı->DeğerKutusu()->selectAll();
            QTest::keyClicks(sayı->DeğerKutusu(), "7");
            tıkla(düğme(d, "TamamDüğmesi"));
        });
        QCOMPARE(ayar("Saklanacak Giris Sayisi"), QStringLiteral("7"));
        QCOMPARE(int(tercihler().saklanacakGirişSayısı), 7);
    }

    // The alarm would play nothing: the message, the window stays, and nothing is saved. A
    // folder is the telling case: it exists but is no file (a name gone or empty fails the
    // same check).
    void missingSoundFileSavesNothing() {
        QDir(klasör->path()).mkpath("Sesler");
        yaz("Ses Dosyası Adı", "Sesler");
        aç([](QDialog* d) {
            tıkla(onay(d, "İlkHarflerBüyükOlsunOnayı"));
            tıkla(düğme(d, "TamamDüğmesi"));
            QVERIFY(d->isVisible());
            QVERIFY(düğme(d, "SeçDüğmesi")->hasFocus());
        });
        QVERIFY(MesajKutusuTest::son().metin.contains("'Ses Dosyası' bulunamıyor!"));
        QCOMPARE(AyarDeposu::GetAllSettings("Ayarlar").size(), 1);
        QCOMPARE(tercihler().ilkHarflerBüyük, 1);
    }

    void chosenSoundFileIsSavedWithItsFolder() {
        const QString zil = klasör->path() + "/Sesler/zil.wav";
        dosyaYaz(zil);
        ModalTest::sıradaki([](QDialog* d) {
            tıkla(düğme(d, "SeçDüğmesi"));
            QCOMPARE(denetim<QLineEdit>(d, "SesDosyasıKutusu")->text(), QStringLiteral("zil.wav"));
            tıkla(düğme(d, "TamamDüğmesi"));
        });
        ModalTest::sıradaki([zil](QDialog* d) {
            auto* seçici = qobject_cast<QFileDialog*>(d);
            QVERIFY(seçici);
            QCOMPARE(seçici->nameFilters(), QStringList{"Ses Dosyaları (*.wav)"});
            QCOMPARE(seçici->directory().absolutePath(), klasörYolu());
            seçici->selectFile(zil);
            d->accept();
        });
        TercihlerFormunuAç(form->pencere());
        QCOMPARE(ayar("Ses Dosyası Adı"), QStringLiteral("zil.wav"));
        QCOMPARE(ayar("Ses Dosyası Yolu"), klasör->path() + "/Sesler/");
    }

    // The store and the reading of the preferences, without the window.
    void emptyStoreGivesEveryDefault() {
        program().programKlasörü = QStringLiteral("/opt/tarvela/");
        tercihleriOku();
        const auto& t = tercihler();
        QCOMPARE(QList<int>({t.girişlerSaklansın, t.saklanacakGirişSayısı, t.ilkHarflerBüyük,
                             t.otomatikBaşlasın, t.arkaplandaÇalışsın, t.sesliUyarıBilgisi,
                             t.hatırlatmaEnÜstte}),
                 QList<int>({1, 3, 1, 1, 1, 1, 1}));
        QCOMPARE(t.sesDosyasıAdı + ' ' + t.sesDosyasıYolu, "Alarm.wav /opt/tarvela/");
        QCOMPARE(ayarBayrakOku(Ayar::GirişŞifresiSor), false);
        QCOMPARE(ayarOku(Ayar::GirişŞifresi), QString());
        QCOMPARE(QList<int>({ayarSayıOku(Ayar::Veritabanı), ayarSayıOku(Ayar::BaşlamaKonumu),
                             ayarSayıOku(Ayar::AyrıntıGöster)}),
                 QList<int>({0, 1, 1}));
        QVERIFY(MesajKutusuTest::kayıtlar().isEmpty());
        // Nothing is written by reading.
        QVERIFY(AyarDeposu::GetAllSettings(Bölüm::Ayarlar).isEmpty());
    }

    void loginFlagReadings() {
        for (const auto& [yazılan, okunan] :
             {std::pair<const char*, bool>{"-1", true}, {"0", false}, {"True", true}}) {
            ayarYaz(Ayar::GirişŞifresiSor, QString::fromLatin1(yazılan));
            QCOMPARE(ayarBayrakOku(Ayar::GirişŞifresiSor), okunan);
        }
    }

    // A stored count of 0 (what the window stores with keeping off) reads as keeping off,
    // whatever the flag says; otherwise a hand-edited store cannot make a field keep more
    // than 20 entries.
    void storedCountIsLimitedOnRead() {
        for (const auto& [kayıtlı, okunan] : {std::pair<const char*, int>{"0", 0},
                                              {"-4", 0},
                                              {"70000", 20},
                                              {"12", 12},
                                              {"1", 1}}) {
            ayarYaz(Ayar::GirişlerSaklansın, QStringLiteral("1"));
            ayarYaz(Ayar::SaklanacakGirişSayısı, QString::fromLatin1(kayıtlı));
            tercihleriOku();
            QCOMPARE(int(tercihler().saklanacakGirişSayısı), okunan);
            QCOMPARE(tercihler().girişlerSaklansın, okunan == 0 ? 0 : 1);
        }
        QVERIFY(MesajKutusuTest::kayıtlar().isEmpty());
    }

    // The morning summary's day count is limited the same way, without a message (out of
    // range it stopped the start with "Hata 6 Taşma").
    void morningSummaryDaysAreLimitedOnRead() {
        for (const auto& [kayıtlı, okunan] : {std::pair<const char*, int>{"99", 30},
                                              {"31", 30},
                                              {"-1", 0},
                                              {"30", 30},
                                              {"0", 0},
                                              {"7", 7}}) {
            ayarYaz(Ayar::SabahÖzetiGünSayısı, QString::fromLatin1(kayıtlı));
            tercihleriOku();
            QCOMPARE(tercihler().sabahÖzetiGünSayısı, okunan);
        }
        QVERIFY(MesajKutusuTest::kayıtlar().isEmpty());
    }

    // A nested section's keys come in their numbers' order and are not listed by the parent
    // (deleting a parent with its nested sections is checked by the window test that turns
    // the remembered entries off; an empty value kept as a present key by the reminder
    // window's alarm test).
    void nestedSectionKeysInNumberOrder() {
        const QString bölüm = "Yapilacak Is Bilgileri\\Konular";
        for (int i : {10, 2, 1, 11})
            AyarDeposu::SaveSetting(bölüm, QString("Sira-%1").arg(i), QString::number(i));
        QVERIFY(AyarDeposu::GetAllSettings("Yapilacak Is Bilgileri").isEmpty());
        QStringList anahtarlar;
        for (const auto& ç : AyarDeposu::GetAllSettings(bölüm))
            anahtarlar << ç.first;
        QCOMPARE(anahtarlar, QStringList({"Sira-1", "Sira-2", "Sira-10", "Sira-11"}));
    }

    void nonNumberIsReportedAndKeepsTheOldValue() {
        tercihler().saklanacakGirişSayısı = 7;
        tercihler().arkaplandaÇalışsın = 0;
        ayarYaz(Ayar::SaklanacakGirişSayısı, QStringLiteral("beş"));
        ayarYaz(Ayar::ArkaplandaÇalışsın, QStringLiteral("x"));
        MesajKutusuTest::yanıtla({QMessageBox::Yes, QMessageBox::Yes});
        tercihleriOku();
        QCOMPARE(int(tercihler().saklanacakGirişSayısı), 7);
        QCOMPARE(tercihler().arkaplandaÇalışsın, 0);
        // The readings after the bad ones still happen.
        QCOMPARE(tercihler().hatırlatmaEnÜstte, 1);
        QCOMPARE(MesajKutusuTest::kayıtlar().size(), 2);
        QVERIFY(MesajKutusuTest::kayıtlar()[0].metin.contains("beş"));
    }

    void autoStartEntryPlaceAndRootFolder() {
        const QString dosya = MakineDeğerleri::otomatikBaşlatmaDosyası();
        QVERIFY(dosya.startsWith(TestOrtami::şimdiki().ayarKlasörü()));
        // Writing and removing the entry go through the window tests, and removing an absent
        // one through every init. A program folder at the root gives exactly one separator.
        QCOMPARE(MakineDeğerleri::otomatikBaşlatmaKomutu(programKlasörünüOluştur("/")),
                 QStringLiteral("/Lodra -Simge"));
    }

    // The entry is read back by the desktop's own reader (GLib's, through gio launch): the
    // program in a folder with blanks, percent signs, quotes or a backslash still starts
    // with -Simge as its one argument.
    void autoStartEntryStartsProgramInOddFolder_data() {
        QTest::addColumn<QString>("klasörAdı");
        QTest::newRow("boşluk") << QStringLiteral("Program Dosyaları");
        QTest::newRow("yüzde") << QStringLiteral("%100 %u%f");
        QTest::newRow("tırnak ve işaretler") << QStringLiteral("a\"b $c`d\\e'f;(g)#");
    }
    void autoStartEntryStartsProgramInOddFolder() {
        QFETCH(QString, klasörAdı);
        QTemporaryDir kök;
        const QString klasör = programKlasörünüOluştur(kök.filePath(klasörAdı));
        QVERIFY(QDir().mkpath(klasör));
        const QString program = klasör + QStringLiteral("Lodra");
        const QString çıktı = kök.filePath(QStringLiteral("argumanlar"));
        {
            QFile betik(program);
            QVERIFY(betik.open(QIODevice::WriteOnly));
            betik.write("#!/bin/sh\nprintf '%s\\n' \"$0\" \"$@\" > \"$TARVELA_ARGUMANLAR\"\n");
            betik.setPermissions(betik.permissions() | QFile::ExeOwner);
        }
        MakineDeğerleri::otomatikBaşlatmaYaz(klasör);
        const QString giriş = MakineDeğerleri::otomatikBaşlatmaDosyası();

        const QString doğrulayıcı =
            QStandardPaths::findExecutable(QStringLiteral("desktop-file-validate"));
        if (!doğrulayıcı.isEmpty()) {
            QProcess d;
            d.start(doğrulayıcı, {giriş});
            QVERIFY(d.waitForFinished(10000));
            QVERIFY2(d.exitCode() == 0, d.readAllStandardOutput().constData());
        }
        const QString gio = QStandardPaths::findExecutable(QStringLiteral("gio"));
        if (gio.isEmpty())
            QSKIP("gio kurulu değil");
        qputenv("TARVELA_ARGUMANLAR", çıktı.toLocal8Bit());
        QProcess başlat;
        başlat.start(gio, {QStringLiteral("launch"), giriş});
        QVERIFY(başlat.waitForFinished(10000));
        QVERIFY2(başlat.exitCode() == 0, başlat.readAllStandardError().constData());
        QTRY_VERIFY(QFileInfo(çıktı).size() > 0);
        QFile sonuç(çıktı);
        QVERIFY(sonuç.open(QIODevice::ReadOnly));
        QCOMPARE(QString::fromUtf8(sonuç.readAll()), program + QStringLiteral("\n-Simge\n"));
    }

private:
    static QString klasörYolu() { return QDir(program().programKlasörü).absolutePath(); }
};

TARVELA_TEST_MAIN(AyarlarTest)
#include "AyarlarTest.moc"
