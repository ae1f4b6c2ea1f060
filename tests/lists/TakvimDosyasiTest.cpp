#include "TestOrtami.h"

#ifndef Q_MOC_RUN
#include "controls/MesajKutusu.h"
#include "controls/Modal.h"
#include "controls/ProgramSaati.h"
#include "database/Deyimler.h"
#include "database/Veritabani.h"
#include "database/VeritabaniKurulumu.h"
#include "lists/TakvimDosyasi.h"
#include "lists/TakvimeAktar.h"
#endif

#include <QFile>
#include <QFileDialog>
#include <QTemporaryDir>
#include <QTimeZone>

#include <libical/ical.h>

namespace {
const QString Konu = QStringLiteral("Duruşma, ön inceleme; tanık\nlistesi ĞÜŞİÖÇ ğüşıöç");
const QString Yer = QStringLiteral("Çağlayan Adliyesi, 3. Ağır Ceza; B Blok");
const QString Açıklama =
    QStringLiteral("Şahit İsmail Öztürk gelecek; dosya, vekaletname.\nİkinci satır ") +
    QString(80, u'ş'); // long enough to be folded inside a two-byte letter

void işEkle(const QDate& tarih, const char* saat, const QString& konu, const QString& yer,
            const QString& sayı, const QString& açıklama, bool hatırlat) {
    auto küme = AçıkVeritabanı::al().OpenRecordset(Deyim::J7());
    küme->AddNew();
    küme->alanYaz(QStringLiteral("Anahtari"), QStringLiteral("1-Anahtar"));
    küme->alanYaz(QStringLiteral("IsinTarihi"), tarih);
    küme->alanYaz(QStringLiteral("IsinSaati"), QString::fromLatin1(saat));
    küme->alanYaz(QStringLiteral("IsinKonusu"), konu);
    küme->alanYaz(QStringLiteral("IsinYeri"), yer);
    küme->alanYaz(QStringLiteral("IsinSayisi"), sayı);
    küme->alanYaz(QStringLiteral("Aciklama"), açıklama);
    küme->alanYaz(QStringLiteral("Hatirlatma"), hatırlat);
    küme->alanYaz(QStringLiteral("IsYapildi"), false);
    küme->Update();
    küme->Close();
}

QString yazı(const char* s) {
    return s ? QString::fromUtf8(s) : QString();
}

struct Olay {
    QString uid, özet, yer, açıklama, alarmEylemi;
    qint64 başlangıç = 0;
    bool alarmVar = false;
};

// Parses the file back with the library and resolves each start against its VTIMEZONE.
QList<Olay> çözümle(const QByteArray& metin) {
    QList<Olay> olaylar;
    icalcomponent* takvim = icalparser_parse_string(metin.constData());
    if (!takvim)
        return olaylar;
    for (icalcomponent* o = icalcomponent_get_first_component(takvim, ICAL_VEVENT_COMPONENT); o;
         o = icalcomponent_get_next_component(takvim, ICAL_VEVENT_COMPONENT)) {
        Olay olay;
        olay.uid = yazı(icalcomponent_get_uid(o));
        olay.özet = yazı(icalcomponent_get_summary(o));
        olay.yer = yazı(icalcomponent_get_location(o));
        olay.açıklama = yazı(icalcomponent_get_description(o));
        icaltimetype başla = icalcomponent_get_dtstart(o);
        olay.başlangıç = icaltime_as_timet_with_zone(başla, başla.zone);
        if (icalcomponent* a = icalcomponent_get_first_component(o, ICAL_VALARM_COMPONENT)) {
            olay.alarmVar = true;
            icalproperty* tetik = icalcomponent_get_first_property(a, ICAL_TRIGGER_PROPERTY);
            const icaltriggertype t = icalproperty_get_trigger(tetik);
            if (icaldurationtype_as_int(t.duration) == 0 && icaltime_is_null_time(t.time))
                olay.alarmEylemi = QStringLiteral("başında");
        }
        olaylar << olay;
    }
    icalcomponent_free(takvim);
    return olaylar;
}
} // namespace

class TakvimDosyasiTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        TestOrtami::sıfırla();
        vt_ = std::make_unique<QTemporaryDir>(TestOrtami::şimdiki().veritabanıKlasörü() +
                                              QStringLiteral("/XXXXXX"));
        VeritabanıKurulumu::oluştur(vt_->filePath("Lodra.vtb"));
        AçıkVeritabanı::ayarla(Veritabanı::OpenDatabase(vt_->filePath("Lodra.vtb")));
        // A summer date in a zone that has had daylight saving, and a winter one.
        işEkle(QDate(2026, 7, 15), "14:30", Konu, Yer, QStringLiteral("2026/418"), Açıklama, true);
        işEkle(QDate(2027, 1, 4), "09:05", QStringLiteral("Keşif"), QString(), QString(), QString(),
               false);
    }
    void cleanup() { AçıkVeritabanı::kapat(); }

    void exportedFileReadsBackWithEveryField() {
        auto& vt = AçıkVeritabanı::al();
        const QString dosya = vt_->filePath("disa.ics");
        const auto işler = TakvimDosyası::oku(vt, {2, 1});
        QVERIFY(TakvimDosyası::yaz(
            dosya, TakvimDosyası::metin(işler, vt.yol(), QStringLiteral("Europe/Istanbul"),
                                        QDateTime(QDate(2026, 12, 6), QTime(10, 0)))));
        QFile f(dosya);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray metin = f.readAll();
        QVERIFY(metin.contains("BEGIN:VTIMEZONE"));
        const auto olaylar = çözümle(metin);
        QCOMPARE(olaylar.size(), 2);

        const QTimeZone istanbul("Europe/Istanbul");
        const Olay& keşif = olaylar[0];
        QCOMPARE(keşif.özet, QStringLiteral("Keşif"));
        QVERIFY(keşif.yer.isEmpty() && keşif.açıklama.isEmpty() && !keşif.alarmVar);
        QCOMPARE(keşif.başlangıç,
                 QDateTime(QDate(2027, 1, 4), QTime(9, 5), istanbul).toSecsSinceEpoch());

        const Olay& duruşma = olaylar[1];
        QCOMPARE(duruşma.özet, Konu);
        QCOMPARE(duruşma.yer, Yer);
        QCOMPARE(duruşma.açıklama, QStringLiteral("Sayısı: 2026/418\n") + Açıklama);
        QCOMPARE(duruşma.başlangıç,
                 QDateTime(QDate(2026, 7, 15), QTime(14, 30), istanbul).toSecsSinceEpoch());
        QVERIFY(duruşma.alarmVar);
        QCOMPARE(duruşma.alarmEylemi, QStringLiteral("başında"));
        QVERIFY(duruşma.uid != keşif.uid);
    }

    void exportAgainKeepsTheIdentities() {
        auto& vt = AçıkVeritabanı::al();
        auto kimlikler = [&](const QString& yol, const QDateTime& damga) {
            QStringList l;
            for (const auto& o :
                 çözümle(TakvimDosyası::metin(TakvimDosyası::oku(vt, {1, 2}), yol,
                                              QStringLiteral("Europe/Istanbul"), damga)))
                l << o.uid;
            return l;
        };
        const QDateTime ilk(QDate(2026, 12, 6), QTime(10, 0));
        const QStringList bir = kimlikler(vt.yol(), ilk);
        QCOMPARE(bir.size(), 2);
        QCOMPARE(kimlikler(vt.yol(), ilk.addDays(3)), bir);
        // The same job number in another database file is another event.
        QVERIFY(kimlikler(vt_->filePath("Baska.vtb"), ilk)[0] != bir[0]);
    }

    void menuCommandWritesTheChosenFile() {
        const QString dosya = vt_->filePath("menu.ics");
        ModalTest::sıradaki([&](QDialog* d) {
            auto* pencere = qobject_cast<QFileDialog*>(d);
            QVERIFY(pencere);
            pencere->selectFile(dosya);
            d->accept();
        });
        QVERIFY(TakvimeAktar(nullptr, {1, 2}));
        QFile f(dosya);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(çözümle(f.readAll()).size(), 2);
        // An existing file is kept unless the user agrees.
        ModalTest::sıradaki([&](QDialog* d) {
            static_cast<QFileDialog*>(d)->selectFile(dosya);
            d->accept();
        });
        MesajKutusuTest::yanıtla(QMessageBox::No);
        QVERIFY(!TakvimeAktar(nullptr, {1}));
        QCOMPARE(MesajKutusuTest::son().simge, QMessageBox::Question);
    }

private:
    std::unique_ptr<QTemporaryDir> vt_;
};

TARVELA_TEST_MAIN(TakvimDosyasiTest)
#include "TakvimDosyasiTest.moc"
