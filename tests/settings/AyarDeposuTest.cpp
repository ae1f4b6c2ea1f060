#include "TestOrtami.h"

// moc cannot read namespace names with Turkish letters; it needs none of these.
#ifndef Q_MOC_RUN
#include "controls/MesajKutusu.h"
#include "settings/AyarDeposu.h"
#include "settings/AyarTablosu.h"
#include "settings/MakineDegerleri.h"
#include "settings/ProgramDegerleri.h"
#include "settings/Tercihler.h"
#endif

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

class AyarDeposuTest : public QObject {
    Q_OBJECT
private slots:
    void init() { TestOrtami::sıfırla(); }

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
        for (const auto& [yazılan, okunan] : {std::pair<const char*, bool>{"-1", true},
                                              {"0", false},
                                              {"True", true},
                                              {"5", true}}) {
            ayarYaz(Ayar::GirişŞifresiSor, QString::fromLatin1(yazılan));
            QCOMPARE(ayarBayrakOku(Ayar::GirişŞifresiSor), okunan);
        }
    }

    // A hand-edited store cannot make a field keep fewer than 1 or more than 20 entries.
    void storedCountIsClampedOnRead() {
        for (const auto& [kayıtlı, okunan] :
             {std::pair<const char*, int>{"0", 1}, {"255", 20}, {"70000", 20}, {"12", 12}}) {
            ayarYaz(Ayar::SaklanacakGirişSayısı, QString::fromLatin1(kayıtlı));
            tercihleriOku();
            QCOMPARE(int(tercihler().saklanacakGirişSayısı), okunan);
        }
    }

    void keysAreStoredUnderTheirExactNames() {
        ayarYaz(Ayar::SesDosyasıAdı, QString());
        // An empty value stays a present key: the default does not come back.
        QCOMPARE(ayarOku(Ayar::SesDosyasıAdı), QString());
        QCOMPARE(AyarDeposu::GetSetting("Ayarlar", "Ses Dosyası Adı", "yok"), QString());
        ayarYaz(Ayar::Yükseklik, 6000);
        QCOMPARE(AyarDeposu::GetSetting("Ayarlar", "Yukseklik"), QStringLiteral("6000"));
    }

    void nestedSectionsAreSeparate() {
        AyarDeposu::SaveSetting("Yapilacak Is Bilgileri\\Konular", "Sira-1", "Duruşma");
        AyarDeposu::SaveSetting("Yapilacak Is Bilgileri\\Yerler", "Sira-1", "Adliye");
        QVERIFY(AyarDeposu::GetAllSettings("Yapilacak Is Bilgileri").isEmpty());
        QCOMPARE(AyarDeposu::GetAllSettings("Yapilacak Is Bilgileri\\Konular").size(), 1);

        AyarDeposu::DeleteSetting("Yapilacak Is Bilgileri");
        QVERIFY(AyarDeposu::GetAllSettings("Yapilacak Is Bilgileri\\Konular").isEmpty());
        QVERIFY(AyarDeposu::GetAllSettings("Yapilacak Is Bilgileri\\Yerler").isEmpty());

        AyarDeposu::SaveSetting("Sunucular", "Sunucu-1", "/srv/a");
        AyarDeposu::SaveSetting("Sunucular", "Sunucu-2", "/srv/b");
        AyarDeposu::DeleteSetting("Sunucular");
        QVERIFY(AyarDeposu::GetAllSettings("Sunucular").isEmpty());
    }

    void numericKeyOrder() {
        for (int i : {10, 2, 1, 11})
            AyarDeposu::SaveSetting("Yapilacak Is Bilgileri\\Konular", QString("Sira-%1").arg(i),
                                    QString::number(i));
        const auto çiftler = AyarDeposu::GetAllSettings("Yapilacak Is Bilgileri\\Konular");
        QStringList anahtarlar;
        for (const auto& ç : çiftler)
            anahtarlar << ç.first;
        QCOMPARE(anahtarlar, QStringList({"Sira-1", "Sira-2", "Sira-10", "Sira-11"}));
    }

    void nonNumberIsReportedAndKeepsTheOldValue() {
        tercihler() = TercihDeğerleri{};
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
        QCOMPARE(MesajKutusuTest::kayıtlar()[0].başlık, QStringLiteral("Hata oluştu!"));
        QVERIFY(MesajKutusuTest::kayıtlar()[0].metin.contains("beş"));
    }

    void autoStartFileWrittenAndRemoved() {
        const QString dosya = MakineDeğerleri::otomatikBaşlatmaDosyası();
        QVERIFY(dosya.startsWith(TestOrtami::şimdiki().ayarKlasörü()));
        MakineDeğerleri::otomatikBaşlatmayıUygula(true, QStringLiteral("/opt/tarvela/"));
        QFile f(dosya);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QString içerik = QString::fromUtf8(f.readAll());
        f.close();
        QVERIFY(içerik.contains("Exec=/opt/tarvela/Lodra -Simge\n"));
        QVERIFY(içerik.contains("Name=Tarvela"));
        MakineDeğerleri::otomatikBaşlatmayıUygula(false, QStringLiteral("/opt/tarvela/"));
        QVERIFY(!QFile::exists(dosya));
        // Removing an absent entry is no error.
        MakineDeğerleri::otomatikBaşlatmaSil();
        // A program folder at the root gives exactly one separator.
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
};

TARVELA_TEST_MAIN(AyarDeposuTest)
#include "AyarDeposuTest.moc"
