#include "TestOrtami.h"

// moc cannot read names with Turkish letters; it needs none of these.
#ifndef Q_MOC_RUN
#include "controls/MesajKutusu.h"
#include "controls/Modal.h"
#include "controls/ProgramSaati.h"
#include "controls/TarihBicimi.h"
#include "database/Deyimler.h"
#include "database/Veritabani.h"
#include "database/VeritabaniKurulumu.h"
#include "mainwindow/AnaFormArayuzu.h"
#include "reminders/AlarmSesi.h"
#include "reminders/Hatirlatici.h"
#include "reminders/HatirlatmaFormu.h"
#include "reminders/HatirlatmaSorgusu.h"
#include "settings/AyarDeposu.h"
#include "settings/AyarTablosu.h"
#include "settings/Tercihler.h"
#include "startup/ProgramDegerleri.h"
#endif

#include <QCheckBox>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QWindow>

namespace {
// A main window that only counts what the reminder check asks of it.
class SahteAnaForm : public AnaFormArayüzü {
public:
    QWidget pencere_;
    bool simgeVar = true;
    int simgeEklemeSayısı = 0, simgeSilmeSayısı = 0, klasörTıklamaSayısı = 0;

    QWidget* pencere() override { return &pencere_; }
    void KlasörleriYükle() override {}
    void klasörAğacınıBoşalt() override {}
    QString seçiliKlasörAnahtarı() const override { return QStringLiteral("Klasor"); }
    QString seçiliKlasörAdı() const override { return QStringLiteral("Klasörlerim"); }
    void seçiliKlasörüTıkla() override { ++klasörTıklamaSayısı; }
    int işSatırSayısı() const override { return 0; }
    void işSatırıSeç(int) override {}
    void durumYaz(int, const QString&) override {}
    void BildirimAlanınaSimgeEkle() override {
        simgeVar = true;
        ++simgeEklemeSayısı;
    }
    void BildirimAlanındanSimgeyiSil() override {
        simgeVar = false;
        ++simgeSilmeSayısı;
    }
    void programıKapat() override {}
};

const QDate Bugün(2026, 12, 6);

QDateTime an(const char* saat, const QDate& gün = Bugün) {
    return QDateTime(gün, QTime::fromString(QString::fromLatin1(saat), QStringLiteral("HH:mm:ss")));
}

struct İşTanımı {
    QDate tarih = Bugün;
    QString saat;
    QString konu;
    bool hatırlat = true;
    bool yapıldı = false;
    QString açıklama = QStringLiteral("Açıklama");
};

// Adds a job the way the entry window does and returns its number.
qint32 işEkle(const İşTanımı& iş) {
    auto& vt = AçıkVeritabanı::al();
    auto küme = vt.OpenRecordset(Deyim::J7());
    küme->AddNew();
    küme->alanYaz(QStringLiteral("Anahtari"), QStringLiteral("1-Anahtar"));
    küme->alanYaz(QStringLiteral("IsinTarihi"), iş.tarih);
    küme->alanYaz(QStringLiteral("IsinSaati"), iş.saat);
    küme->alanYaz(QStringLiteral("IsinKonusu"), iş.konu);
    küme->alanYaz(QStringLiteral("IsinYeri"), QStringLiteral("Adliye"));
    küme->alanYaz(QStringLiteral("IsinSayisi"), QStringLiteral("2026/1"));
    küme->alanYaz(QStringLiteral("Aciklama"), iş.açıklama);
    küme->alanYaz(QStringLiteral("Hatirlatma"), iş.hatırlat);
    küme->alanYaz(QStringLiteral("IsYapildi"), iş.yapıldı);
    küme->Update();
    küme->Close();
    auto son = vt.OpenRecordset(QStringLiteral("SELECT * FROM YapilacakIslerTablosu"));
    qint32 no = 0;
    for (; !son->Eof(); son->MoveNext())
        no = qMax<qint32>(no, son->alan(QStringLiteral("IsNo")).toInt());
    return no;
}

QVariant alanı(qint32 isNo, const char* alan) {
    auto küme = AçıkVeritabanı::al().OpenRecordset(Deyim::J8(isNo));
    const QVariant değer = küme->alan(QString::fromLatin1(alan));
    küme->Close();
    return değer;
}

QStringList konular(const HatırlatmaFormu* form) {
    QStringList l;
    for (int i = 0; i < form->YapılacakİşlerListesi->topLevelItemCount(); ++i)
        l << form->YapılacakİşlerListesi->topLevelItem(i)->text(2);
    return l;
}

QStringList konular(const QList<HatırlatılacakİŞ>& işler) {
    QStringList l;
    for (const auto& iş : işler)
        l << iş.satır.konu;
    return l;
}

void satıraTıkla(HatırlatmaFormu* form, int sıra) {
    auto* liste = form->YapılacakİşlerListesi;
    const QRect kutu = liste->visualItemRect(liste->topLevelItem(sıra - 1));
    QTest::mouseClick(liste->viewport(), Qt::LeftButton, {}, kutu.center());
}

int seçiliSıra(const HatırlatmaFormu* form) {
    const auto seçili = form->YapılacakİşlerListesi->selectedItems();
    return seçili.isEmpty() ? 0
                            : form->YapılacakİşlerListesi->indexOfTopLevelItem(seçili.first()) + 1;
}

// Clicks near the left edge, where option buttons and check boxes have their mark.
void tıkla(QAbstractButton* düğme) {
    QTest::mouseClick(düğme, Qt::LeftButton, {}, QPoint(8, düğme->height() / 2));
}
} // namespace

class HatirlatmaTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        TestOrtami::sıfırla();
        AlarmSesi::durumuSıfırla();
        tercihler() = TercihDeğerleri{};
        tercihler().sesliUyarıBilgisi = 1;
        tercihler().sesDosyasıAdı = QStringLiteral("Alarm.wav");
        tercihler().sesDosyasıYolu = sesKlasörü_.path() + QStringLiteral("/");
        klasör_ = std::make_unique<QTemporaryDir>(TestOrtami::şimdiki().veritabanıKlasörü() +
                                                  QStringLiteral("/vtXXXXXX"));
        const QString dosya = klasör_->path() + QStringLiteral("/Lodra.vtb");
        VeritabanıKurulumu::oluştur(dosya);
        AçıkVeritabanı::ayarla(Veritabanı::OpenDatabase(dosya));
    }
    void cleanup() {
        AçıkVeritabanı::kapat();
        klasör_.reset();
    }
    void initTestCase() {
        // The shipped alarm sound, in a folder of its own, as the sound settings name it.
        QVERIFY(QFile::copy(QStringLiteral(TARVELA_KAYNAK "/resources/Alarm.wav"),
                            sesKlasörü_.path() + QStringLiteral("/Alarm.wav")));
    }

    void dueJobsAreTodaysRemindedOpenJobsUpToTheCurrentMinute() {
        işEkle({Bugün, "14:35", "Duruşma"});
        işEkle({Bugün.addDays(-1), "09:00", "Dünkü"});
        işEkle({Bugün, "08:00", "Yapıldı", true, true});
        işEkle({Bugün, "08:00", "Hatırlatmasız", false});
        işEkle({Bugün.addDays(1), "08:00", "Yarınki"});
        auto& vt = AçıkVeritabanı::al();

        QVERIFY(hatırlatılacakİşler(vt, an("14:34:59")).isEmpty());
        const auto tam = hatırlatılacakİşler(vt, an("14:35:00"));
        QCOMPARE(konular(tam), QStringList{"Duruşma"});
        QCOMPARE(konular(hatırlatılacakİşler(vt, an("14:35:59"))), QStringList{"Duruşma"});
        QCOMPARE(konular(hatırlatılacakİşler(vt, an("23:59:59"))), QStringList{"Duruşma"});

        // The row as the list shows it.
        const auto& satır = tam.first().satır;
        QCOMPARE(satır.tarih, QStringLiteral("06.12.2026"));
        QCOMPARE(satır.saat, QStringLiteral("14:35:00"));
        QCOMPARE(satır.yer, QStringLiteral("Adliye"));
        QCOMPARE(satır.sayı, QStringLiteral("2026/1"));
        QCOMPARE(satır.açıklama, QStringLiteral("Açıklama"));
        QCOMPARE(satır.isNo, QStringLiteral("1"));
        QCOMPARE(satır.simge, 1);
        QCOMPARE(tam.first().tarih, Bugün);

        // Yesterday's job is not reminded the next day either.
        QCOMPARE(konular(hatırlatılacakİşler(vt, an("10:00:00", Bugün.addDays(1)))),
                 QStringList{"Yarınki"});
    }

    void dueJobsComeInTimeOrder() {
        işEkle({Bugün, "14:20", "Üçüncü"});
        işEkle({Bugün, "09:05", "Birinci"});
        işEkle({Bugün, "14:10", "İkinci"});
        QCOMPARE(konular(hatırlatılacakİşler(AçıkVeritabanı::al(), an("15:00:00"))),
                 (QStringList{"Birinci", "İkinci", "Üçüncü"}));
    }

    void resultStatements() {
        QCOMPARE(sonuçDeyimi(İşSonucu::Yapıldı, 17, Bugün, an("14:35:08")),
                 QStringLiteral("UPDATE YapilacakIslerTablosu SET IsYapildi=True WHERE IsNo=17"));
        QCOMPARE(sonuçDeyimi(İşSonucu::TekrarHatırlatılmasın, 17, Bugün, an("14:35:08")),
                 QStringLiteral("UPDATE YapilacakIslerTablosu SET Hatirlatma=False WHERE IsNo=17"));
        QCOMPARE(
            sonuçDeyimi(İşSonucu::Ertelendi, 17, Bugün, an("14:35:08")),
            QStringLiteral("UPDATE YapilacakIslerTablosu SET IsinSaati='14:50:08' WHERE IsNo=17"));
        QCOMPARE(
            sonuçDeyimi(İşSonucu::Ertelendi, 17, Bugün, an("23:44:59")),
            QStringLiteral("UPDATE YapilacakIslerTablosu SET IsinSaati='23:59:59' WHERE IsNo=17"));
        // Past midnight the date moves with the time.
        QCOMPARE(sonuçDeyimi(İşSonucu::Ertelendi, 17, Bugün, an("23:50:10")),
                 QStringLiteral("UPDATE YapilacakIslerTablosu SET IsinTarihi=#12/7/2026#, "
                                "IsinSaati='00:05:10' WHERE IsNo=17"));
        // A window left open over midnight: the job of yesterday moves to today.
        QCOMPARE(sonuçDeyimi(İşSonucu::Ertelendi, 17, Bugün, an("00:03:00", Bugün.addDays(1))),
                 QStringLiteral("UPDATE YapilacakIslerTablosu SET IsinTarihi=#12/7/2026#, "
                                "IsinSaati='00:18:00' WHERE IsNo=17"));
    }

    void tickShowsTheWindowAndHandsOverTheTrayIcon() {
        işEkle({Bugün, "14:35", "Duruşma"});
        SahteAnaForm ana;
        HatırlatmaZamanlayıcısı zamanlayıcı(ana);
        tercihler().arkaplandaÇalışsın = 1;

        ProgramSaati::ayarla(an("14:34:40"));
        zamanlayıcı.tik();
        QVERIFY(ModalTest::gösterilenler().isEmpty());

        ProgramSaati::ayarla(an("14:35:12"));
        bool görüldü = false;
        ModalTest::sıradaki([&](QDialog* d) {
            görüldü = true;
            auto* form = dynamic_cast<HatırlatmaFormu*>(d);
            QVERIFY(form);
            QCOMPARE(form->windowTitle(), QStringLiteral("Hatırlatılacak İşler"));
            QCOMPARE(form->parentWidget(), &ana.pencere_);
            QVERIFY(!ana.simgeVar);
            QCOMPARE(
                form->SayıEtiketi->text(),
                QStringLiteral("Aşağıda \"şimdi\" yapmak için planladığınız (1) adet iş var!"));
            QCOMPARE(konular(form), QStringList{"Duruşma"});
            QCOMPARE(seçiliSıra(form), 1);
            QCOMPARE(form->AçıklamaKutusu->toPlainText(), QStringLiteral("Açıklama"));
            QVERIFY(!form->OnaylaDüğmesi->isEnabled());
            // A fresh store: the alarm is on and the window is on top.
            QVERIFY(form->enÜstteMi());
            QVERIFY(form->HerZamanÜstteOlsunOnayı->isChecked());
            QVERIFY(AlarmSesi::durum().çalıyor);
            QCOMPARE(AlarmSesi::durum().dosya, sesKlasörü_.path() + QStringLiteral("/Alarm.wav"));

            // Ticks while the window is shown neither refill it nor open another one.
            işEkle({Bugün, "14:30", "Sonradan"});
            zamanlayıcı.tik();
            zamanlayıcı.tik();
            QCOMPARE(konular(form), QStringList{"Duruşma"});
            QCOMPARE(ModalTest::gösterilenler().size(), 1);

            // Closing with a row left asks; No keeps the window, with the sound stopped.
            MesajKutusuTest::yanıtla(QMessageBox::No);
            tıkla(form->KapatDüğmesi);
            QVERIFY(form->isVisible());
            QVERIFY(!AlarmSesi::durum().çalıyor);
            const auto soru = MesajKutusuTest::son();
            QCOMPARE(soru.simge, QMessageBox::Question);
            QCOMPARE(soru.başlık, QStringLiteral("Tarvela"));
            QCOMPARE(soru.düğmeler, QMessageBox::Yes | QMessageBox::No);
            QCOMPARE(soru.metin,
                     QStringLiteral("Şimdi bu pencereyi kapatırsanız listedeki işler (30) saniye "
                                    "sonra tekrar hatırlatılacak!\r\nListedeki işleri "
                                    "sonuçlandırmadan çıkmak istiyor musunuz?"));
            // Yes (through Esc) closes it.
            MesajKutusuTest::yanıtla(QMessageBox::Yes);
            QTest::keyClick(form, Qt::Key_Escape);
            QVERIFY(!form->isVisible());
        });
        zamanlayıcı.tik();
        QVERIFY(görüldü);
        QCOMPARE(MesajKutusuTest::kayıtlar().size(), 2);
        QVERIFY(ana.simgeVar);
        QCOMPARE(ana.simgeSilmeSayısı, 1);
        QCOMPARE(ana.simgeEklemeSayısı, 1);
        QVERIFY(!AlarmSesi::durum().çalıyor);

        // Unsettled jobs come back at a later tick, in a new window.
        QStringList tekrar;
        ModalTest::sıradaki([&](QDialog* d) {
            auto* form = dynamic_cast<HatırlatmaFormu*>(d);
            tekrar = konular(form);
            QVERIFY(!form->OnaylaDüğmesi->isEnabled());
            MesajKutusuTest::yanıtla(QMessageBox::Yes);
            form->close();
        });
        ProgramSaati::ilerlet(32);
        zamanlayıcı.tik();
        QCOMPARE(tekrar, (QStringList{"Sonradan", "Duruşma"}));

        // Without background mode the icon is left alone.
        tercihler().arkaplandaÇalışsın = 0;
        ModalTest::sıradaki([&](QDialog* d) {
            MesajKutusuTest::yanıtla(QMessageBox::Yes);
            d->close();
        });
        zamanlayıcı.tik();
        QCOMPARE(ModalTest::gösterilenler().size(), 3);
        QCOMPARE(ana.simgeSilmeSayısı, 2);
    }

    void confirmSettlesRowsOneByOne() {
        const qint32 a = işEkle({Bugün, "14:00", "Bir"});
        const qint32 b = işEkle({Bugün, "14:10", "İki"});
        const qint32 c = işEkle({Bugün, "14:20", "Üç"});
        SahteAnaForm ana;
        anaFormuAyarla(&ana);
        HatırlatmaZamanlayıcısı zamanlayıcı(ana);
        ProgramSaati::ayarla(an("14:35:08"));

        ModalTest::sıradaki([&](QDialog* d) {
            auto* form = dynamic_cast<HatırlatmaFormu*>(d);
            // The second row done: the row above becomes the selected one.
            satıraTıkla(form, 2);
            QCOMPARE(form->AçıklamaKutusu->toPlainText(), QStringLiteral("Açıklama"));
            tıkla(form->İşSonucuSeçenekleri[0]);
            QVERIFY(form->OnaylaDüğmesi->isEnabled());
            tıkla(form->OnaylaDüğmesi);
            QCOMPARE(alanı(b, "IsYapildi").toBool(), true);
            QCOMPARE(konular(form), (QStringList{"Bir", "Üç"}));
            QCOMPARE(seçiliSıra(form), 1);
            QCOMPARE(düzenlenenSatır(), qint16(1));
            QCOMPARE(şimdikiİşNo(), b);
            QCOMPARE(ana.klasörTıklamaSayısı, 1);

            // The first row put off: the new first row is selected; the option stays.
            tıkla(form->İşSonucuSeçenekleri[1]);
            tıkla(form->OnaylaDüğmesi);
            QCOMPARE(TarihBiçimi::saat(alanı(a, "IsinSaati").toTime()), QStringLiteral("14:50:08"));
            QCOMPARE(alanı(a, "IsinTarihi").toDate(), Bugün);
            QCOMPARE(alanı(a, "Hatirlatma").toBool(), true);
            QCOMPARE(konular(form), QStringList{"Üç"});
            QCOMPARE(seçiliSıra(form), 1);
            QVERIFY(form->İşSonucuSeçenekleri[1]->isChecked());
            QVERIFY(form->OnaylaDüğmesi->isEnabled());

            // The last row no more reminded: the window closes itself without a question.
            tıkla(form->İşSonucuSeçenekleri[2]);
            tıkla(form->OnaylaDüğmesi);
            QVERIFY(!form->isVisible());
        });
        zamanlayıcı.tik();
        anaFormuAyarla(nullptr);
        QCOMPARE(ModalTest::gösterilenler().size(), 1);
        QVERIFY(MesajKutusuTest::kayıtlar().isEmpty());
        QCOMPARE(ana.klasörTıklamaSayısı, 3);
        QCOMPARE(alanı(c, "Hatirlatma").toBool(), false);
        QCOMPARE(alanı(c, "IsYapildi").toBool(), false);

        // The put-off job: still later than the minute literal during 14:50, back at 14:51.
        ProgramSaati::ayarla(an("14:50:59"));
        zamanlayıcı.tik();
        QCOMPARE(ModalTest::gösterilenler().size(), 1);
        QStringList geri;
        ModalTest::sıradaki([&](QDialog* d) {
            geri = konular(dynamic_cast<HatırlatmaFormu*>(d));
            MesajKutusuTest::yanıtla(QMessageBox::Yes);
        });
        ProgramSaati::ayarla(an("14:51:00"));
        zamanlayıcı.tik();
        QCOMPARE(geri, QStringList{"Bir"});
    }

    void confirmWithoutSelectionDoesNothing() {
        işEkle({Bugün, "14:00", "Bir"});
        HatırlatmaFormu form;
        ProgramSaati::ayarla(an("14:35:08"));
        form.HatırlatılacakİşleriListele();
        form.YapılacakİşlerListesi->clearSelection();
        form.İşSonucuSeçenekleri_Click(0);
        form.OnaylaDüğmesi_Click();
        QCOMPARE(form.satırSayısı(), 1);
        QCOMPARE(alanı(1, "IsYapildi").toBool(), false);
    }

    void postponingPastMidnightMovesTheJobToTheNextDay() {
        const qint32 no = işEkle({Bugün, "23:50", "Gece"});
        SahteAnaForm ana;
        HatırlatmaZamanlayıcısı zamanlayıcı(ana);
        ProgramSaati::ayarla(an("23:50:10"));
        ModalTest::sıradaki([&](QDialog* d) {
            auto* form = dynamic_cast<HatırlatmaFormu*>(d);
            tıkla(form->İşSonucuSeçenekleri[1]);
            tıkla(form->OnaylaDüğmesi);
        });
        zamanlayıcı.tik();
        QCOMPARE(alanı(no, "IsinTarihi").toDate(), Bugün.addDays(1));
        QCOMPARE(TarihBiçimi::saat(alanı(no, "IsinSaati").toTime()), QStringLiteral("00:05:10"));

        // Not back before its time, neither today nor just after midnight; back at 00:06.
        for (const QDateTime& zaman :
             {an("23:50:42"), an("23:59:59"), an("00:00:30", Bugün.addDays(1)),
              an("00:05:59", Bugün.addDays(1))}) {
            ProgramSaati::ayarla(zaman);
            zamanlayıcı.tik();
        }
        QCOMPARE(ModalTest::gösterilenler().size(), 1);
        ProgramSaati::ayarla(an("00:06:00", Bugün.addDays(1)));
        zamanlayıcı.tik();
        QCOMPARE(ModalTest::gösterilenler().size(), 2);
    }

    void alarmFollowsTheSettings() {
        işEkle({Bugün, "14:00", "Bir"});
        SahteAnaForm ana;
        HatırlatmaZamanlayıcısı zamanlayıcı(ana);
        ProgramSaati::ayarla(an("14:35:08"));

        // Alarm switched off: the stop box is disabled and nothing plays.
        ayarYaz(Ayar::SesliUyarıBilgisi, 0);
        ModalTest::sıradaki([&](QDialog* d) {
            auto* form = dynamic_cast<HatırlatmaFormu*>(d);
            QVERIFY(!form->SesliUyarıVermeyiDurdurOnayı->isEnabled());
            QVERIFY(!AlarmSesi::durum().çalıyor);
            MesajKutusuTest::yanıtla(QMessageBox::Yes);
        });
        zamanlayıcı.tik();
        QCOMPARE(AlarmSesi::durum().başlatmaSayısı, 0);

        // A sound file that is gone plays nothing and shows nothing.
        ayarYaz(Ayar::SesliUyarıBilgisi, 1);
        tercihler().sesDosyasıAdı = QStringLiteral("Yok.wav");
        ModalTest::sıradaki([&](QDialog* d) {
            auto* form = dynamic_cast<HatırlatmaFormu*>(d);
            QVERIFY(form->SesliUyarıVermeyiDurdurOnayı->isEnabled());
            QVERIFY(!AlarmSesi::durum().çalıyor);
            MesajKutusuTest::yanıtla(QMessageBox::Yes);
        });
        zamanlayıcı.tik();
        QCOMPARE(AlarmSesi::durum().başlatmaSayısı, 0);
        // The closing questions of the two windows, and nothing else.
        QCOMPARE(MesajKutusuTest::kayıtlar().size(), 2);
        for (const auto& kayıt : MesajKutusuTest::kayıtlar())
            QCOMPARE(kayıt.metin, kapatmaSorusu());

        // Ticking the stop box turns the alarm off for good.
        tercihler().sesDosyasıAdı = QStringLiteral("Alarm.wav");
        ModalTest::sıradaki([&](QDialog* d) {
            auto* form = dynamic_cast<HatırlatmaFormu*>(d);
            QVERIFY(AlarmSesi::durum().çalıyor);
            tıkla(form->SesliUyarıVermeyiDurdurOnayı);
            QVERIFY(!AlarmSesi::durum().çalıyor);
            QVERIFY(!form->SesliUyarıVermeyiDurdurOnayı->isEnabled());
            MesajKutusuTest::yanıtla(QMessageBox::Yes);
        });
        zamanlayıcı.tik();
        QCOMPARE(AyarDeposu::GetSetting("Ayarlar", "Sesli Uyari Bilgisi"), QStringLiteral("0"));
        QCOMPARE(AyarDeposu::GetSetting("Ayarlar", "Ses Dosyası Adı", "x"), QString());
        QCOMPARE(AyarDeposu::GetSetting("Ayarlar", "Ses Dosyası Yolu", "x"), QString());
        QCOMPARE(tercihler().sesliUyarıBilgisi, 0);
        QCOMPARE(tercihler().sesDosyasıAdı, QString());
        const int başlatılan = AlarmSesi::durum().başlatmaSayısı;
        ModalTest::sıradaki([&](QDialog*) { MesajKutusuTest::yanıtla(QMessageBox::Yes); });
        zamanlayıcı.tik();
        QCOMPARE(AlarmSesi::durum().başlatmaSayısı, başlatılan);
    }

    void alwaysOnTopFollowsTheBoxAndIsSaved() {
        işEkle({Bugün, "14:00", "Bir"});
        SahteAnaForm ana;
        HatırlatmaZamanlayıcısı zamanlayıcı(ana);
        ProgramSaati::ayarla(an("14:35:08"));
        ayarYaz(Ayar::HatırlatmaEnÜstte, 0);
        ModalTest::sıradaki([&](QDialog* d) {
            auto* form = dynamic_cast<HatırlatmaFormu*>(d);
            QVERIFY(!form->enÜstteMi());
            QVERIFY(!form->HerZamanÜstteOlsunOnayı->isChecked());
            tıkla(form->HerZamanÜstteOlsunOnayı);
            // On top at once, still shown (the modal run goes on).
            QVERIFY(form->enÜstteMi());
            QVERIFY(form->windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint));
            QVERIFY(form->isVisible());
            QCOMPARE(AyarDeposu::GetSetting("Ayarlar", "Hatirlatma En Ustte"), QStringLiteral("1"));
            tıkla(form->HerZamanÜstteOlsunOnayı);
            QVERIFY(!form->enÜstteMi());
            QVERIFY(form->isVisible());
            QCOMPARE(AyarDeposu::GetSetting("Ayarlar", "Hatirlatma En Ustte"), QStringLiteral("0"));
            QCOMPARE(tercihler().hatırlatmaEnÜstte, 0);
            MesajKutusuTest::yanıtla(QMessageBox::Yes);
        });
        zamanlayıcı.tik();
    }

    void changeRefillsTheListAndClosesWhenEmpty() {
        const qint32 a = işEkle({Bugün, "14:00", "Bir"});
        işEkle({Bugün, "14:10", "İki"});
        SahteAnaForm ana;
        HatırlatmaZamanlayıcısı zamanlayıcı(ana);
        ProgramSaati::ayarla(an("14:35:08"));

        ModalTest::sıradaki([&](QDialog* d) {
            auto* form = dynamic_cast<HatırlatmaFormu*>(d);
            const int başlatılan = AlarmSesi::durum().başlatmaSayısı;
            // The user moves the first job to a later time in the entry window.
            ModalTest::sıradaki([&](QDialog* giriş) {
                QCOMPARE(giriş->windowTitle(), QStringLiteral("Yapılacak İşi Değiştirme"));
                AçıkVeritabanı::al().Execute(Deyim::J12(a, QStringLiteral("16:00:00")));
            });
            tıkla(form->DeğişiklikYapDüğmesi);
            QCOMPARE(düzenlenenSatır(), qint16(1));
            QCOMPARE(konular(form), QStringList{"İki"});
            QCOMPARE(
                form->SayıEtiketi->text(),
                QStringLiteral("Aşağıda \"şimdi\" yapmak için planladığınız (1) adet iş var!"));
            // Back from the entry window the alarm starts afresh.
            QCOMPARE(AlarmSesi::durum().başlatmaSayısı, başlatılan + 1);
            QVERIFY(form->isVisible());

            // The last job done in the entry window: the window closes without a question.
            ModalTest::sıradaki([&](QDialog*) { AçıkVeritabanı::al().Execute(Deyim::J10(a + 1)); });
            tıkla(form->DeğişiklikYapDüğmesi);
            QVERIFY(!form->isVisible());
        });
        zamanlayıcı.tik();
        QCOMPARE(ModalTest::gösterilenler().size(), 3);
        QVERIFY(MesajKutusuTest::kayıtlar().isEmpty());
    }

    void columnLayoutIsKeptInListe3() {
        AyarDeposu::SaveSetting(QStringLiteral("Listeler\\Liste-3"), QStringLiteral("Konum-3"),
                                QStringLiteral("1"));
        AyarDeposu::SaveSetting(QStringLiteral("Listeler\\Liste-3"), QStringLiteral("Genislik-2"),
                                QStringLiteral("1800"));
        işEkle({Bugün, "14:00", "Bir"});
        SahteAnaForm ana;
        HatırlatmaZamanlayıcısı zamanlayıcı(ana);
        ProgramSaati::ayarla(an("14:35:08"));
        ModalTest::sıradaki([&](QDialog* d) {
            auto* başlık = dynamic_cast<HatırlatmaFormu*>(d)->YapılacakİşlerListesi->header();
            QCOMPARE(başlık->count(), 7);
            QCOMPARE(başlık->visualIndex(2), 0);
            QCOMPARE(başlık->sectionSize(1), 120);
            QCOMPARE(başlık->sectionSize(0), 1300 / 15);
            QCOMPARE(başlık->sectionSize(6), 0);
            başlık->resizeSection(3, 150);
            MesajKutusuTest::yanıtla(QMessageBox::Yes);
        });
        zamanlayıcı.tik();
        QCOMPARE(AyarDeposu::GetSetting("Listeler\\Liste-3", "Genislik-4"), QStringLiteral("2250"));
        QCOMPARE(AyarDeposu::GetSetting("Listeler\\Liste-3", "Konum-3"), QStringLiteral("1"));
        QCOMPARE(AyarDeposu::GetSetting("Listeler\\Liste-3", "Genislik-7"), QStringLiteral("0"));
    }

    void timerRunsEvery32SecondsAndNoDatabaseMeansNoReminder() {
        SahteAnaForm ana;
        HatırlatmaZamanlayıcısı zamanlayıcı(ana);
        zamanlayıcı.başlat();
        QVERIFY(zamanlayıcı.zamanlayıcı().isActive());
        QCOMPARE(zamanlayıcı.zamanlayıcı().interval(), 32000);
        // Before the connection is made a tick finds nothing and reports nothing.
        AçıkVeritabanı::kapat();
        zamanlayıcı.tik();
        QVERIFY(ModalTest::gösterilenler().isEmpty());
        QVERIFY(MesajKutusuTest::kayıtlar().isEmpty());
    }

    void windowRendersToPng() {
        QTemporaryDir klasör;
        const QString dosya = klasör.path() + QStringLiteral("/hatirlatma.png");
        QVERIFY(hatırlatmaFormuResminiKaydet(dosya));
        QImage resim(dosya);
        QVERIFY(resim.width() > 400 && resim.height() > 300);
        QVERIFY(!AlarmSesi::durum().çalıyor);
    }

private:
    QTemporaryDir sesKlasörü_;
    std::unique_ptr<QTemporaryDir> klasör_;
};

TARVELA_TEST_MAIN(HatirlatmaTest)
#include "HatirlatmaTest.moc"
