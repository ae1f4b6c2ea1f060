#include "TestOrtami.h"

// moc cannot read names with Turkish letters; it needs none of these.
#ifndef Q_MOC_RUN
#include "IsEkle.h"
#include "SahteAnaForm.h"
#include "controls/MesajKutusu.h"
#include "controls/Modal.h"
#include "controls/ProgramSaati.h"
#include "controls/TarihBicimi.h"
#include "database/VeritabaniIc.h"
#include "database/VeritabaniKurulumu.h"
#include "reminders/AlarmSesi.h"
#include "reminders/Hatirlatici.h"
#include "reminders/HatirlatmaFormu.h"
#include "settings/AyarDeposu.h"
#include "settings/AyarTablosu.h"
#include "settings/Tercihler.h"
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
const QDate Bugün(2026, 12, 6);
QDateTime an(const char* saat, const QDate& gün = Bugün) {
    return QDateTime(gün, QTime::fromString(QString::fromLatin1(saat), "HH:mm:ss"));
}

QStringList konular(const HatırlatmaFormu* form) {
    QStringList l;
    for (int i = 1; i <= form->satırSayısı(); ++i)
        l << form->satır(i).konu;
    return l;
}

int seçiliSıra(const HatırlatmaFormu* form) {
    const auto seçili = form->YapılacakİşlerListesi->selectedItems();
    return seçili.isEmpty() ? 0 : form->YapılacakİşlerListesi->indexOfTopLevelItem(seçili[0]) + 1;
}

// Clicks near the left edge, where option buttons and check boxes have their mark.
void tıkla(QAbstractButton* düğme) {
    QTest::mouseClick(düğme, Qt::LeftButton, {}, QPoint(8, düğme->height() / 2));
}

// The next reminder window shown gets this handler; a window it leaves open is answered
// Yes to the closing question and closed.
void sıradaki(std::function<void(HatırlatmaFormu*)> iş) {
    ModalTest::sıradaki([iş](QDialog* d) {
        auto* form = dynamic_cast<HatırlatmaFormu*>(d);
        QVERIFY(form);
        iş(form);
        MesajKutusuTest::yanıtla(QMessageBox::Yes);
    });
}
} // namespace

class HatirlatmaTest : public QObject {
    Q_OBJECT
    // The next tick shows the reminder window with the handler acting in it.
    void göster(std::function<void(HatırlatmaFormu*)> iş) {
        sıradaki(std::move(iş));
        zamanlayıcı->tik();
    }

private slots:
    void initTestCase() {
        QVERIFY(QFile::copy(QStringLiteral(TARVELA_KAYNAK "/resources/Alarm.wav"),
                            ses_.filePath("Alarm.wav")));
    }
    void init() {
        TestOrtami::sıfırla();
        tercihler().sesDosyasıAdı = QStringLiteral("Alarm.wav");
        tercihler().sesDosyasıYolu = ses_.path() + QStringLiteral("/");
        vt_ = std::make_unique<QTemporaryDir>(TestOrtami::şimdiki().veritabanıKlasörü() +
                                              QStringLiteral("/XXXXXX"));
        VeritabanıKurulumu::oluştur(vt_->filePath("Lodra.vtb"));
        AçıkVeritabanı::ayarla(Veritabanı::OpenDatabase(vt_->filePath("Lodra.vtb")));
        ana = std::make_unique<SahteAnaForm>();
        anaFormuAyarla(ana.get());
        zamanlayıcı = std::make_unique<HatırlatmaZamanlayıcısı>(*ana);
        ProgramSaati::ayarla(an("14:35:08"));
    }
    void cleanup() {
        zamanlayıcı.reset();
        anaFormuAyarla(nullptr);
        ana.reset();
        AçıkVeritabanı::kapat();
    }

    void dueJobsAreTodaysRemindedOpenJobsUpToTheCurrentMinute() {
        işEkle(Bugün, "14:35", "Duruşma");
        işEkle(Bugün.addDays(-1), "09:00", "Dünkü");
        işEkle(Bugün, "08:00", "Yapıldı", true, true);
        işEkle(Bugün, "08:00", "Hatırlatmasız", false);
        işEkle(Bugün, "09:05", "Sabah");
        auto& vt = AçıkVeritabanı::al();
        auto konuları = [&](const QDateTime& zaman) {
            QStringList l;
            for (const auto& iş : hatırlatılacakİşler(vt, zaman))
                l << iş.satır.konu;
            return l;
        };
        QCOMPARE(konuları(an("14:34:59")), QStringList{"Sabah"});
        QCOMPARE(konuları(an("14:35:00")), (QStringList{"Sabah", "Duruşma"}));
        QCOMPARE(konuları(an("14:35:59")), (QStringList{"Sabah", "Duruşma"}));
        QCOMPARE(konuları(an("10:00:00", Bugün.addDays(1))), QStringList{});

        const auto iş = hatırlatılacakİşler(vt, an("14:35:00")).last();
        QCOMPARE(iş.tarih, Bugün);
        QCOMPARE(QStringList({iş.satır.tarih, iş.satır.saat, iş.satır.isNo}),
                 QStringList({"06.12.2026", "14:35:00", "1"}));
        QCOMPARE(iş.satır.simge, 1);
    }

    void putOffStatementKeepsTheDayRight() {
        QCOMPARE(
            sonuçDeyimi(İşSonucu::Ertelendi, 17, Bugün, an("14:35:08")),
            QStringLiteral("UPDATE YapilacakIslerTablosu SET IsinSaati='14:50:08' WHERE IsNo=17"));
        // Put off across midnight, or with the window left open over it: the date moves too.
        QCOMPARE(sonuçDeyimi(İşSonucu::Ertelendi, 17, Bugün, an("23:50:10")),
                 QStringLiteral("UPDATE YapilacakIslerTablosu SET IsinTarihi=#12/7/2026#, "
                                "IsinSaati='00:05:10' WHERE IsNo=17"));
        QCOMPARE(sonuçDeyimi(İşSonucu::Ertelendi, 17, Bugün, an("00:03:00", Bugün.addDays(1))),
                 QStringLiteral("UPDATE YapilacakIslerTablosu SET IsinTarihi=#12/7/2026#, "
                                "IsinSaati='00:18:00' WHERE IsNo=17"));
    }

    void tickShowsTheWindowOnceAndHandsOverTheTrayIcon() {
        işEkle(Bugün, "14:35", "Duruşma");
        tercihler().arkaplandaÇalışsın = 1;
        // Nothing before a connection, nothing before the job's minute.
        AçıkVeritabanı::kapat();
        zamanlayıcı->tik();
        AçıkVeritabanı::ayarla(Veritabanı::OpenDatabase(vt_->filePath("Lodra.vtb")));
        ProgramSaati::ayarla(an("14:34:40"));
        zamanlayıcı->tik();
        QVERIFY(ModalTest::gösterilenler().isEmpty());
        QVERIFY(MesajKutusuTest::kayıtlar().isEmpty());

        ProgramSaati::ayarla(an("14:35:12"));
        göster([&](HatırlatmaFormu* form) {
            QCOMPARE(form->parentWidget(), &ana->pencere_);
            QVERIFY(!ana->simgeVar);
            QVERIFY(form->SayıEtiketi->text().contains("(1) adet"));
            QCOMPARE(seçiliSıra(form), 1);
            QCOMPARE(form->AçıklamaKutusu->toPlainText(), QStringLiteral("Açıklama Duruşma"));
            QVERIFY(!form->OnaylaDüğmesi->isEnabled());
            // A fresh store: alarm on, window on top.
            QVERIFY(form->enÜstteMi());
            QCOMPARE(AlarmSesi::durum().dosya, ses_.filePath("Alarm.wav"));

            // Ticks while the window is shown neither refill it nor open another one.
            işEkle(Bugün, "14:30", "Sonradan");
            zamanlayıcı->tik();
            QCOMPARE(konular(form), QStringList{"Duruşma"});
            QCOMPARE(ModalTest::gösterilenler().size(), 1);

            // Closing with a row left asks; No keeps the window, with the sound stopped.
            MesajKutusuTest::yanıtla(QMessageBox::No);
            tıkla(form->KapatDüğmesi);
            QVERIFY(form->isVisible());
            QVERIFY(!AlarmSesi::durum().çalıyor);
            QCOMPARE(MesajKutusuTest::son().düğmeler, QMessageBox::Yes | QMessageBox::No);
            MesajKutusuTest::yanıtla(QMessageBox::Yes);
            QTest::keyClick(form, Qt::Key_Escape);
            QVERIFY(!form->isVisible());
        });
        QVERIFY(ana->simgeVar);
        QCOMPARE(ana->simgeSilme, 1);

        // Unsettled jobs come back at a later tick, in a fresh window.
        QStringList tekrar;
        ProgramSaati::ilerlet(32);
        göster([&](HatırlatmaFormu* form) {
            tekrar = konular(form);
            QVERIFY(!form->OnaylaDüğmesi->isEnabled());
        });
        QCOMPARE(tekrar, (QStringList{"Sonradan", "Duruşma"}));
    }

    void confirmSettlesRowsOneByOne() {
        işEkle(Bugün, "14:00", "Bir");
        işEkle(Bugün, "14:10", "İki");
        işEkle(Bugün, "14:20", "Üç");
        göster([&](HatırlatmaFormu* form) {
            // The second row done: the row above becomes the selected one.
            auto* liste = form->YapılacakİşlerListesi;
            QTest::mouseClick(liste->viewport(), Qt::LeftButton, {},
                              liste->visualItemRect(liste->topLevelItem(1)).center());
            QCOMPARE(form->AçıklamaKutusu->toPlainText(), QStringLiteral("Açıklama İki"));
            tıkla(form->İşSonucuSeçenekleri[0]);
            tıkla(form->OnaylaDüğmesi);
            QVERIFY(alanı(2, "IsYapildi").toBool());
            QCOMPARE(konular(form), (QStringList{"Bir", "Üç"}));
            QCOMPARE(seçiliSıra(form), 1);
            QCOMPARE(şimdikiİşNo(), 2);
            QCOMPARE(ana->klasörTıklama, 1);

            // The first row put off: the new first row is selected; the option stays chosen.
            tıkla(form->İşSonucuSeçenekleri[1]);
            tıkla(form->OnaylaDüğmesi);
            QCOMPARE(TarihBiçimi::saat(alanı(1, "IsinSaati").toTime()), "14:50:08");
            QCOMPARE(alanı(1, "IsinTarihi").toDate(), Bugün);
            QCOMPARE(konular(form), QStringList{"Üç"});
            QCOMPARE(seçiliSıra(form), 1);
            QVERIFY(form->OnaylaDüğmesi->isEnabled());

            // The last row no more reminded: the window closes itself without a question.
            tıkla(form->İşSonucuSeçenekleri[2]);
            tıkla(form->OnaylaDüğmesi);
            QVERIFY(!form->isVisible());
        });
        QVERIFY(MesajKutusuTest::kayıtlar().isEmpty());
        QCOMPARE(ana->klasörTıklama, 3);
        QVERIFY(!alanı(3, "Hatirlatma").toBool());
        QVERIFY(!alanı(3, "IsYapildi").toBool());

        // The put-off job: still later than the minute literal during 14:50, back at 14:51.
        ProgramSaati::ayarla(an("14:50:59"));
        zamanlayıcı->tik();
        QCOMPARE(ModalTest::gösterilenler().size(), 1);
        QStringList geri;
        ProgramSaati::ayarla(an("14:51:00"));
        göster([&](HatırlatmaFormu* form) { geri = konular(form); });
        QCOMPARE(geri, QStringList{"Bir"});
    }

    void alarmFollowsTheSettings() {
        işEkle(Bugün, "14:00", "Bir");
        // Alarm off: the stop box is disabled and nothing plays.
        ayarYaz(Ayar::SesliUyarıBilgisi, 0);
        göster([](HatırlatmaFormu* form) {
            QVERIFY(!form->SesliUyarıVermeyiDurdurOnayı->isEnabled());
        });
        // A sound file that is gone plays nothing and shows nothing.
        ayarYaz(Ayar::SesliUyarıBilgisi, 1);
        tercihler().sesDosyasıAdı = QStringLiteral("Yok.wav");
        göster([](HatırlatmaFormu* form) {
            QVERIFY(form->SesliUyarıVermeyiDurdurOnayı->isEnabled());
        });
        QCOMPARE(AlarmSesi::durum().başlatmaSayısı, 0);
        QCOMPARE(MesajKutusuTest::kayıtlar().size(), 2); // the two closing questions

        // The stop box turns the alarm off for good; the next window stays silent.
        tercihler().sesDosyasıAdı = QStringLiteral("Alarm.wav");
        göster([](HatırlatmaFormu* form) {
            QVERIFY(AlarmSesi::durum().çalıyor);
            tıkla(form->SesliUyarıVermeyiDurdurOnayı);
            QVERIFY(!AlarmSesi::durum().çalıyor);
            QVERIFY(!form->SesliUyarıVermeyiDurdurOnayı->isEnabled());
        });
        QCOMPARE(AyarDeposu::GetSetting("Ayarlar", "Sesli Uyari Bilgisi"), "0");
        QCOMPARE(AyarDeposu::GetSetting("Ayarlar", "Ses Dosyası Adı", "x"), QString());
        QCOMPARE(AyarDeposu::GetSetting("Ayarlar", "Ses Dosyası Yolu", "x"), QString());
        göster([](HatırlatmaFormu*) {});
        QCOMPARE(AlarmSesi::durum().başlatmaSayısı, 1);
    }

    void alwaysOnTopAndColumnLayoutAreKept() {
        işEkle(Bugün, "14:00", "Bir");
        ayarYaz(Ayar::HatırlatmaEnÜstte, 0);
        AyarDeposu::SaveSetting("Listeler\\Liste-3", "Genislik-2", "1800");
        göster([&](HatırlatmaFormu* form) {
            QVERIFY(!form->enÜstteMi());
            tıkla(form->HerZamanÜstteOlsunOnayı);
            // On top at once, and still shown: the modal run goes on.
            QVERIFY(form->windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint));
            QVERIFY(form->isVisible());
            QCOMPARE(AyarDeposu::GetSetting("Ayarlar", "Hatirlatma En Ustte"), "1");

            // The layout is the reminder list's own (the date column is checked by the window
            // texts test, the layout rules by the job list tests).
            QCOMPARE(form->YapılacakİşlerListesi->header()->sectionSize(1), 1800 / 15);
            form->YapılacakİşlerListesi->header()->resizeSection(3, 150);
        });
        QCOMPARE(AyarDeposu::GetSetting("Listeler\\Liste-3", "Genislik-4"), "2250");
    }

    void changeRefillsTheListAndClosesWhenEmpty() {
        işEkle(Bugün, "14:00", "Bir");
        işEkle(Bugün, "14:10", "İki");
        göster([&](HatırlatmaFormu* form) {
            // In the entry window the user moves the first job to a later time.
            ModalTest::sıradaki([](QDialog* giriş) {
                QCOMPARE(giriş->windowTitle(), QStringLiteral("Yapılacak İşi Değiştirme"));
                AçıkVeritabanı::al().Execute(Deyim::J12(1, QStringLiteral("16:00:00")));
            });
            tıkla(form->DeğişiklikYapDüğmesi);
            QCOMPARE(düzenlenenSatır(), qint16(1));
            QCOMPARE(konular(form), QStringList{"İki"});
            QVERIFY(form->SayıEtiketi->text().contains("(1) adet"));
            // Back from the entry window the alarm starts afresh.
            QCOMPARE(AlarmSesi::durum().başlatmaSayısı, 2);

            // The last job marked done there: the window closes without a question.
            ModalTest::sıradaki([](QDialog*) { AçıkVeritabanı::al().Execute(Deyim::J10(2)); });
            tıkla(form->DeğişiklikYapDüğmesi);
            QVERIFY(!form->isVisible());
        });
        QCOMPARE(ModalTest::gösterilenler().size(), 3);
        QVERIFY(MesajKutusuTest::kayıtlar().isEmpty());
    }

    // A result that could not be stored keeps its row, also when the user goes on.
    void failedConfirmKeepsTheRow_data() {
        QTest::addColumn<int>("no");
        for (int no : {3260, 3024, 3197})
            QTest::addRow("%d", no) << no;
    }
    void failedConfirmKeepsTheRow() {
        QFETCH(int, no);
        işEkle(Bugün, "14:00", "Bir");
        işEkle(Bugün, "14:10", "İki");
        göster([&](HatırlatmaFormu* form) {
            tıkla(form->İşSonucuSeçenekleri[0]);
            Veritabanıİç::sonrakiAdımdaHata(no);
            tıkla(form->OnaylaDüğmesi);
            QVERIFY(MesajKutusuTest::son().metin.contains(QString::number(no)));
            QCOMPARE(konular(form), (QStringList{"Bir", "İki"}));
            QCOMPARE(seçiliSıra(form), 1);
        });
        QVERIFY(!alanı(1, "IsYapildi").toBool());
        QCOMPARE(ana->klasörTıklama, 0);
    }

private:
    QTemporaryDir ses_;
    std::unique_ptr<QTemporaryDir> vt_;
    std::unique_ptr<SahteAnaForm> ana;
    std::unique_ptr<HatırlatmaZamanlayıcısı> zamanlayıcı;
};

TARVELA_TEST_MAIN(HatirlatmaTest)
#include "HatirlatmaTest.moc"
