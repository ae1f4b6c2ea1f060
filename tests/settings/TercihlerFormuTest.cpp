#include "TestOrtami.h"

#include "SahteAnaForm.h"
#include "controls/AyarliKutu.h"
// moc cannot read namespace names with Turkish letters; it needs none of these.
#ifndef Q_MOC_RUN
#include "controls/MesajKutusu.h"
#include "controls/Modal.h"
#include "settings/AyarDeposu.h"
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
#include <QPushButton>

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

class TercihlerFormuTest : public QObject {
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
        tercihler() = TercihDeğerleri{};
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
        QCOMPARE(ayar("Girisler Saklansin"), QStringLiteral("0"));
        QCOMPARE(ayar("Saklanacak Giris Sayisi"), QStringLiteral("1"));
        for (const char* b : {"Konular", "Yerler", "Sayilar"})
            QVERIFY(AyarDeposu::GetAllSettings(QStringLiteral("Yapilacak Is Bilgileri\\") + b)
                        .isEmpty());
        QCOMPARE(tercihler().girişlerSaklansın, 0);
    }

    // Missed reminders and the morning summary: read from the store, the day count only
    // while the summary is on, written back on confirm.
    void missedRemindersAndMorningSummary() {
        yaz("Kacirilan Hatirlatmalar", "1");
        yaz("Sabah Ozeti", "1");
        yaz("Sabah Ozeti Gun Sayisi", "5");
        aç([](QDialog* d) {
            auto* gün = denetim<AyarliKutu>(d, "SabahÖzetiGünSayısıKutusu");
            QVERIFY(onay(d, "KaçırılanHatırlatmalarOnayı")->isChecked() && gün->isEnabled());
            QCOMPARE(gün->Text(), QStringLiteral("5"));
            tıkla(onay(d, "SabahÖzetiOnayı"));
            QVERIFY(!gün->isEnabled());
            tıkla(onay(d, "KaçırılanHatırlatmalarOnayı"));
            tıkla(düğme(d, "TamamDüğmesi"));
        });
        QCOMPARE(ayar("Kacirilan Hatirlatmalar"), QStringLiteral("0"));
        QCOMPARE(ayar("Sabah Ozeti"), QStringLiteral("0"));
        QCOMPARE(ayar("Sabah Ozeti Gun Sayisi"), QStringLiteral("5"));
        QVERIFY(tercihler().kaçırılanHatırlatmalar == 0 && tercihler().sabahÖzeti == 0);
    }

    void autoStartTicksAndLocksBackground() {
        yaz("Otomatik Baslasin", "0");
        yaz("Arkaplanda Calissin", "0");
        aç([](QDialog* d) {
            tıkla(onay(d, "OtomatikBaşlasınOnayı"));
            QCheckBox* arkaplan = onay(d, "ArkaplandaÇalışsınOnayı");
            QVERIFY(arkaplan->isChecked());
            QVERIFY(!arkaplan->isEnabled());
            tıkla(düğme(d, "TamamDüğmesi"));
        });
        QCOMPARE(ayar("Otomatik Baslasin"), QStringLiteral("1"));
        QCOMPARE(ayar("Arkaplanda Calissin"), QStringLiteral("1"));
        QFile giriş(MakineDeğerleri::otomatikBaşlatmaDosyası());
        QVERIFY(giriş.open(QIODevice::ReadOnly));
        QVERIFY(QString::fromUtf8(giriş.readAll())
                    .contains("Exec=" + program().programKlasörü + "Lodra -Simge\n"));
        QVERIFY(form->simgeVar);
        QCOMPARE(tercihler().arkaplandaÇalışsın, 1);
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
        QVERIFY(form->pencere_.isVisible());
    }

    // A count typed alone is a change: "Tamam" takes it.
    void countTypedAloneIsSaved() {
        aç([](QDialog* d) {
            auto* sayı = denetim<AyarliKutu>(d, "ÇekmeliListeSaklanacakSayıKutusu");
            QCOMPARE(sayı->Text(), QStringLiteral("3"));
            sayı->DeğerKutusu()->setFocus();
            sayı->DeğerKutusu()->selectAll();
            QTest::keyClicks(sayı->DeğerKutusu(), "7");
            QVERIFY(düğme(d, "TamamDüğmesi")->isEnabled());
            tıkla(düğme(d, "TamamDüğmesi"));
        });
        QCOMPARE(ayar("Saklanacak Giris Sayisi"), QStringLiteral("7"));
        QCOMPARE(int(tercihler().saklanacakGirişSayısı), 7);
    }

    // The alarm would play nothing: the message, the window stays, and nothing is saved.
    void missingSoundFileSavesNothing_data() {
        QTest::addColumn<QString>("ad");
        QTest::newRow("deleted file") << "silindi.wav";
        QTest::newRow("folder") << "Sesler";
        QTest::newRow("empty name") << "";
    }
    void missingSoundFileSavesNothing() {
        QFETCH(QString, ad);
        QDir(klasör->path()).mkpath("Sesler");
        yaz("Ses Dosyası Adı", ad);
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
            QVERIFY(düğme(d, "TamamDüğmesi")->isEnabled());
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

private:
    static QString klasörYolu() { return QDir(program().programKlasörü).absolutePath(); }
};

TARVELA_TEST_MAIN(TercihlerFormuTest)
#include "TercihlerFormuTest.moc"
