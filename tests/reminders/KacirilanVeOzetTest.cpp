#include "TestOrtami.h"

#ifndef Q_MOC_RUN
#include "IsEkle.h"
#include "SahteAnaForm.h"
#include "controls/MesajKutusu.h"
#include "controls/Modal.h"
#include "controls/ProgramSaati.h"
#include "database/VeritabaniKurulumu.h"
#include "deadline/TatilTakvimi.h"
#include "reminders/Hatirlatici.h"
#include "reminders/HatirlatmaFormu.h"
#include "reminders/SabahOzeti.h"
#include "reminders/SabahOzetiFormu.h"
#include "settings/AyarTablosu.h"
#include "settings/Tercihler.h"
#endif

#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTreeWidget>

namespace {
const QDate Bugün(2026, 12, 4); // a Friday
QDateTime an(const char* saat, const QDate& gün = Bugün) {
    return QDateTime(gün, QTime::fromString(QString::fromLatin1(saat), "HH:mm:ss"));
}

QStringList satırMetinleri(const QTreeWidget* liste, int sütun) {
    QStringList l;
    for (int i = 0; i < liste->topLevelItemCount(); ++i)
        l << liste->topLevelItem(i)->text(sütun);
    return l;
}

// A main window whose tree and list hold every folder and job asked for.
struct BulanAnaForm : SahteAnaForm {
    bool klasörüSeçipListele(const QString& anahtar) override {
        SahteAnaForm::klasörüSeçipListele(anahtar);
        return true;
    }
    bool işiSeç(qint64 isNo) override {
        SahteAnaForm::işiSeç(isNo);
        return true;
    }
};
} // namespace

class KacirilanVeOzetTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        TestOrtami::sıfırla();
        tercihler() = TercihDeğerleri{};
        tercihler().kaçırılanHatırlatmalar = 1;
        tercihler().sesliUyarıBilgisi = 0;
        vt_ = std::make_unique<QTemporaryDir>(TestOrtami::şimdiki().veritabanıKlasörü() +
                                              QStringLiteral("/XXXXXX"));
        VeritabanıKurulumu::oluştur(vt_->filePath("Lodra.vtb"));
        AçıkVeritabanı::ayarla(Veritabanı::OpenDatabase(vt_->filePath("Lodra.vtb")));
    }
    void cleanup() {
        AçıkVeritabanı::kapat();
        anaFormuAyarla(nullptr);
    }

    void missedReminderIsShownOnceAtTheNextStart() {
        const QDate dün = Bugün.addDays(-1);
        işEkle(dün, "08:00", "Görülmüş"); // 1: before the last check of yesterday
        işEkle(dün, "14:00", "Dünkü");    // 2
        işEkle(dün, "16:00", "İkinci");   // 3
        işEkle(dün, "15:00", "Yapılmış", true, true);
        işEkle(Bugün, "09:00", "Bugünkü"); // 5
        // The program last checked yesterday morning and was closed until now.
        ayarYaz(Ayar::SonHatırlatmaDenetimi, QStringLiteral("2026-12-03T09:00:10"));
        ProgramSaati::ayarla(an("10:00:00"));
        SahteAnaForm ana;
        anaFormuAyarla(&ana);
        QStringList ilkGösterim;
        {
            HatırlatmaZamanlayıcısı zamanlayıcı(ana);
            ModalTest::sıradaki([&](QDialog* d) {
                auto* form = dynamic_cast<HatırlatmaFormu*>(d);
                QVERIFY(form);
                ilkGösterim = satırMetinleri(form->YapılacakİşlerListesi, 0);
                QCOMPARE(form->satırSayısı(), 3);
                QCOMPARE(form->satır(1).konu, QStringLiteral("Dünkü"));
                // Put off: today, 15 minutes from now.
                form->İşSonucuSeçenekleri[1]->click();
                form->OnaylaDüğmesi->click();
                QCOMPARE(satırMetinleri(form->YapılacakİşlerListesi, 2),
                         (QStringList{QString(), "İkinci", QString(), "Bugünkü"}));
                // Today's job done: its group line goes with it.
                form->YapılacakİşlerListesi->setCurrentItem(
                    form->YapılacakİşlerListesi->topLevelItem(3));
                form->İşSonucuSeçenekleri[0]->click();
                form->OnaylaDüğmesi->click();
                QCOMPARE(satırMetinleri(form->YapılacakİşlerListesi, 0),
                         (QStringList{HatırlatmaFormu::KaçırılanlarSatırı, "03.12.2026"}));
                MesajKutusuTest::yanıtla(QMessageBox::Yes);
                form->KapatDüğmesi->click();
            });
            zamanlayıcı.tik();
        }
        QCOMPARE(ilkGösterim,
                 (QStringList{HatırlatmaFormu::KaçırılanlarSatırı, "03.12.2026", "03.12.2026",
                              HatırlatmaFormu::BugünküSatırı, "04.12.2026"}));
        QCOMPARE(alanı(2, "IsinTarihi").toDate(), Bugün);
        QCOMPARE(alanı(2, "IsinSaati").toTime(), QTime(10, 15));
        QCOMPARE(ayarOku(Ayar::SonHatırlatmaDenetimi), QStringLiteral("2026-12-04T10:00:00"));

        // Restarted: İkinci, left unsettled, is not shown again; the job put off comes back
        // as today's.
        HatırlatmaZamanlayıcısı yeniden(ana);
        ProgramSaati::ayarla(an("10:05:00"));
        yeniden.tik();
        QCOMPARE(ModalTest::gösterilenler().size(), 1);
        QStringList sonra;
        ModalTest::sıradaki([&](QDialog* d) {
            auto* form = dynamic_cast<HatırlatmaFormu*>(d);
            sonra = satırMetinleri(form->YapılacakİşlerListesi, 2);
            MesajKutusuTest::yanıtla(QMessageBox::Yes);
            form->reject();
        });
        ProgramSaati::ayarla(an("10:16:00"));
        yeniden.tik();
        QCOMPARE(sonra, QStringList{"Dünkü"});
    }

    void missedSpanReachesBackFourteenDaysAtMost() {
        for (int gün = 20; gün >= 1; --gün)
            işEkle(Bugün.addDays(-gün), "10:00", QStringLiteral("Gün %1").arg(gün));
        işEkle(Bugün.addDays(-1), "14:00", "Dakikasında görülen");
        işEkle(Bugün.addDays(-1), "14:01", "Sonraki dakika");
        auto& vt = AçıkVeritabanı::al();
        auto konular = [&](const QDateTime& son, const QDateTime& şimdi) {
            QStringList l;
            for (const auto& iş : kaçırılanİşler(vt, kaçırılanAralığı(son, şimdi)))
                l << iş.satır.konu;
            return l;
        };
        const QStringList yirmiGün = konular(an("09:00:00", Bugün.addDays(-20)), an("08:00:00"));
        QCOMPARE(yirmiGün.size(), 16);
        QCOMPARE(yirmiGün.first(), QStringLiteral("Gün 14"));
        QCOMPARE(yirmiGün.mid(13), (QStringList{"Gün 1", "Dakikasında görülen", "Sonraki dakika"}));
        // The minute of the last check was seen by that check.
        QCOMPARE(konular(an("14:00:30", Bugün.addDays(-1)), an("08:00:00")),
                 QStringList{"Sonraki dakika"});
        // No earlier check, or one made today, or a clock set back: nothing is missed.
        QVERIFY(!kaçırılanAralığı(QDateTime(), an("08:00:00")).geçerli());
        QVERIFY(!kaçırılanAralığı(an("07:00:00"), an("08:00:00")).geçerli());
        QVERIFY(!kaçırılanAralığı(an("07:00:00", Bugün.addDays(1)), an("08:00:00")).geçerli());
    }

    void preferenceOffRemindsOfTodayOnly() {
        tercihler().kaçırılanHatırlatmalar = 0;
        işEkle(Bugün.addDays(-1), "14:00", "Dünkü");
        ayarYaz(Ayar::SonHatırlatmaDenetimi, QStringLiteral("2026-12-03T09:00:00"));
        ProgramSaati::ayarla(an("10:00:00"));
        SahteAnaForm ana;
        HatırlatmaZamanlayıcısı zamanlayıcı(ana);
        zamanlayıcı.tik();
        QVERIFY(ModalTest::gösterilenler().isEmpty());
        // Turned on later, it does not bring back what this computer has already passed.
        tercihler().kaçırılanHatırlatmalar = 1;
        ProgramSaati::ilerlet(32);
        zamanlayıcı.tik();
        QVERIFY(ModalTest::gösterilenler().isEmpty());
    }

    void summaryCountsWorkingDays_data() {
        QTest::addColumn<QDate>("bugün");
        QTest::addColumn<int>("gün");
        QTest::addColumn<QDate>("son");
        QTest::newRow("friday over the weekend") << QDate(2026, 12, 4) << 3 << QDate(2026, 12, 9);
        QTest::newRow("saturday") << QDate(2026, 12, 5) << 1 << QDate(2026, 12, 7);
        QTest::newRow("today only") << QDate(2026, 12, 5) << 0 << QDate(2026, 12, 5);
        // Arefe Tuesday counts, Wednesday to Friday are the bayram, then the weekend.
        QTest::newRow("bayram") << QDate(2027, 3, 8) << 3 << QDate(2027, 3, 16);
    }
    void summaryCountsWorkingDays() {
        QFETCH(QDate, bugün);
        QFETCH(int, gün);
        QFETCH(QDate, son);
        const auto takvim = TatilTakvimi::metinden(QStringLiteral("ramazan 2027-03-10 yayimlandi"));
        QCOMPARE(SabahÖzeti::sonGün(bugün, gün, takvim), son);
    }

    void summaryOpensAfterTheReminderOncePerDay() {
        tercihler().sabahÖzeti = 1;
        tercihler().sabahÖzetiGünSayısı = 1;
        işEkle(Bugün, "16:00", "Keşif");
        işEkle(Bugün, "09:00", "Duruşma");
        işEkle(Bugün.addDays(-1), "11:00", "Gecikmiş", false);
        işEkle(Bugün.addDays(1), "11:00", "Cumartesi", false);
        işEkle(Bugün.addDays(3), "08:30", "Pazartesi", false);
        işEkle(Bugün.addDays(3), "08:00", "Yapılmış", false, true);
        işEkle(Bugün.addDays(4), "08:00", "Salı", false);
        ProgramSaati::ayarla(an("10:00:00"));
        BulanAnaForm ana;
        anaFormuAyarla(&ana);
        HatırlatmaZamanlayıcısı zamanlayıcı(ana);
        zamanlayıcı.tatilTakviminiAyarla(TatilTakvimi::metinden(QString()));
        ModalTest::sıradaki([](QDialog* d) {
            MesajKutusuTest::yanıtla(QMessageBox::Yes);
            d->reject();
        });
        QStringList konular;
        ModalTest::sıradaki([&](QDialog* d) {
            auto* özet = dynamic_cast<SabahÖzetiFormu*>(d);
            QVERIFY(özet);
            konular = satırMetinleri(özet->İşlerListesi, 2);
            // "Ayrıntı Göster" on Keşif: its folder, then its row in the main window.
            özet->İşlerListesi->setCurrentItem(özet->İşlerListesi->topLevelItem(1));
            özet->AyrıntıGösterDüğmesi->click();
        });
        zamanlayıcı.tik();
        QCOMPARE(ModalTest::gösterilenler(), (QStringList{"HatırlatmaFormu", "SabahÖzetiFormu"}));
        QCOMPARE(konular, (QStringList{"Duruşma", "Keşif", "Cumartesi", "Pazartesi"}));
        QCOMPARE(ana.seçilenKlasörler, QStringList{"1-Anahtar"});
        QCOMPARE(ana.seçilenİşler, QList<qint64>{1});

        // Not again the same day; again on the next one.
        ModalTest::temizle();
        ProgramSaati::ayarla(an("15:00:00"));
        AçıkVeritabanı::al().Execute(Deyim::J10(2));
        zamanlayıcı.tik();
        QVERIFY(ModalTest::gösterilenler().isEmpty());
        // The next morning Keşif, missed at 16:00, comes first.
        ProgramSaati::ayarla(an("08:00:00", Bugün.addDays(1)));
        zamanlayıcı.tik();
        QCOMPARE(ModalTest::gösterilenler(), (QStringList{"HatırlatmaFormu", "SabahÖzetiFormu"}));
    }

private:
    std::unique_ptr<QTemporaryDir> vt_;
};

TARVELA_TEST_MAIN(KacirilanVeOzetTest)
#include "KacirilanVeOzetTest.moc"
