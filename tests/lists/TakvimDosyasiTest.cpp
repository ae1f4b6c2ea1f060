#include "TestOrtami.h"

#ifndef Q_MOC_RUN
#include "AnaFormTestDestegi.h"
#include "controls/MesajKutusu.h"
#include "controls/Modal.h"
#include "database/Veritabani.h"
#include "lists/TakvimDosyasi.h"
#include "lists/TakvimeAktar.h"
#endif

#include <QFile>
#include <QFileDialog>
#include <QTimeZone>

#include <libical/ical.h>

namespace {
const QString Konu = QStringLiteral("Duruşma, ön inceleme; tanık\nlistesi ĞÜŞİÖÇ ğüşıöç");
const QString Yer = QStringLiteral("Çağlayan Adliyesi, 3. Ağır Ceza; B Blok");
const QString Açıklama =
    QStringLiteral("Şahit İsmail Öztürk gelecek; dosya, vekaletname.\nİkinci satır ") +
    QString(80, u'ş'); // long enough to be folded inside a two-byte letter
const QString Dilim = QStringLiteral("Europe/Istanbul");
const QDateTime Damga(QDate(2026, 12, 6), QTime(10, 0));

struct Olay {
    QString uid, özet, yer, açıklama;
    qint64 başlangıç = 0;
    bool alarmVar = false, alarmBaşta = false;
};

// Parses the file back with the library and resolves each start against its VTIMEZONE.
QList<Olay> çözümle(const QByteArray& metin) {
    QList<Olay> olaylar;
    icalcomponent* takvim = icalparser_parse_string(metin.constData());
    if (!takvim)
        return olaylar;
    for (icalcomponent* o = icalcomponent_get_first_component(takvim, ICAL_VEVENT_COMPONENT); o;
         o = icalcomponent_get_next_component(takvim, ICAL_VEVENT_COMPONENT)) {
        const icaltimetype başla = icalcomponent_get_dtstart(o);
        Olay olay{QString::fromUtf8(icalcomponent_get_uid(o)),
                  QString::fromUtf8(icalcomponent_get_summary(o)),
                  QString::fromUtf8(icalcomponent_get_location(o)),
                  QString::fromUtf8(icalcomponent_get_description(o)),
                  icaltime_as_timet_with_zone(başla, başla.zone)};
        if (icalcomponent* a = icalcomponent_get_first_component(o, ICAL_VALARM_COMPONENT)) {
            const icaltriggertype t = icalproperty_get_trigger(
                icalcomponent_get_first_property(a, ICAL_TRIGGER_PROPERTY));
            olay.alarmVar = true;
            olay.alarmBaşta =
                icaldurationtype_as_int(t.duration) == 0 && icaltime_is_null_time(t.time);
        }
        olaylar << olay;
    }
    icalcomponent_free(takvim);
    return olaylar;
}

QByteArray oku(const QString& yol) {
    QFile f(yol);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void dosyaAdı(const QString& yol) {
    ModalTest::sıradaki([yol](QDialog* d) {
        auto* pencere = qobject_cast<QFileDialog*>(d);
        QVERIFY(pencere);
        pencere->selectFile(yol);
        d->accept();
    });
}
} // namespace

class TakvimDosyasiTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        TestOrtami::sıfırla();
        yol_ = AnaFormTest::yeniVeritabanı();
        // A summer date in a zone that has had daylight saving, and a winter one.
        AnaFormTest::işEkle("1-Anahtar", QDate(2026, 7, 15), QTime(14, 30), Konu, true, false, Yer,
                            QStringLiteral("2026/418"), Açıklama);
        AnaFormTest::işEkle("1-Anahtar", QDate(2027, 1, 4), QTime(9, 5), QStringLiteral("Keşif"));
    }
    void cleanup() { AçıkVeritabanı::kapat(); }

    void exportedFileReadsBackWithEveryField() {
        const auto işler = TakvimDosyası::oku(AçıkVeritabanı::al(), {2, 1});
        const QString dosya = yol_ + QStringLiteral(".ics");
        QVERIFY(TakvimDosyası::yaz(dosya, TakvimDosyası::metin(işler, yol_, Dilim, Damga)));
        // Starts resolve to Istanbul's time only through the file's own VTIMEZONE.
        const auto olaylar = çözümle(oku(dosya));
        QCOMPARE(olaylar.size(), 2);

        const QTimeZone istanbul(Dilim.toLatin1());
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
        QVERIFY(duruşma.alarmVar && duruşma.alarmBaşta);

        // An event keeps its identity when exported again later; the same job number in
        // another database file, or another job, is another event.
        QVERIFY(duruşma.uid != keşif.uid);
        auto kimlik = [&](const QString& yol, const QDateTime& damga) {
            return çözümle(TakvimDosyası::metin(işler, yol, Dilim, damga)).value(0).uid;
        };
        QCOMPARE(kimlik(yol_, Damga.addDays(3)), keşif.uid);
        QVERIFY(kimlik(yol_ + QStringLiteral("-baska"), Damga) != keşif.uid);
    }

    void menuCommandWritesTheChosenFile() {
        const QString dosya = yol_ + QStringLiteral("-menu.ics");
        dosyaAdı(dosya);
        QVERIFY(TakvimeAktar(nullptr, {1, 2}));
        QCOMPARE(çözümle(oku(dosya)).size(), 2);
        // An existing file is kept unless the user agrees.
        dosyaAdı(dosya);
        MesajKutusuTest::yanıtla(QMessageBox::No);
        QVERIFY(!TakvimeAktar(nullptr, {1}));
        QCOMPARE(MesajKutusuTest::son().simge, QMessageBox::Question);
        QCOMPARE(çözümle(oku(dosya)).size(), 2);
    }

private:
    QString yol_;
};

TARVELA_TEST_MAIN(TakvimDosyasiTest)
#include "TakvimDosyasiTest.moc"
