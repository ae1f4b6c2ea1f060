#include "TestOrtami.h"

// moc cannot read names with Turkish letters; it needs none of these.
#ifndef Q_MOC_RUN
#include "AnaFormTestDestegi.h"
#include "DosyaBoyuSiniri.h"
#include "controls/MesajKutusu.h"
#include "controls/Modal.h"
#include "controls/ProgramSaati.h"
#include "controls/Siralama.h"
#include "database/Veritabani.h"
#include "jobentry/TakvimFormu.h"
#include "lists/IsListeleri.h"
#include "lists/IsListesiModeli.h"
#include "lists/TakvimDosyasi.h"
#include "lists/TakvimeAktar.h"
#include "lists/YapilacakIslerListesiFormu.h"
#include "settings/AyarDeposu.h"
#endif

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimeZone>
#include <QTreeView>

#include <libical/ical.h>

using Form = YapılacakİşlerListesiFormu;
using AnaFormTest::işEkle;

namespace {
const QDate Bugün(2026, 12, 6);

// Subject and icon of each row, top to bottom.
QStringList konular(const Form& f) {
    QStringList l;
    for (int i = 0; i < f.işModeli->satırSayısı(); ++i)
        l << f.işModeli->metin(i, 2) + QString::number(f.işModeli->simge(i));
    return l;
}

// The next calendar window opens on today and picks the date, or is cancelled when it is empty.
void takvimdenSeç(const QString& tarih) {
    ModalTest::sıradaki([tarih](QDialog* d) {
        auto* t = dynamic_cast<TakvimFormu*>(d);
        QVERIFY(t);
        QCOMPARE(t->SeçilenTarih, QStringLiteral("06.12.2026"));
        if (tarih.isEmpty())
            return QTest::keyClick(t, Qt::Key_Escape);
        t->SeçilenTarih = tarih;
        t->aç();
        t->tamamDüğmesi()->click();
    });
}

// Clicks the button of the list at `sıra`, in the window's order; the picked-date list picks.
void listele(Form& f, int sıra, const QString& tarih = QStringLiteral("01.03.2027")) {
    QPushButton* d[] = {f.BugünYapılacakİşleriListeleDüğmesi, f.GünüGeçenİşleriListeleDüğmesi,
                        f.SeçilenTarihtekiİşleriListeleDüğmesi, f.YapılmışİşleriListeleDüğmesi,
                        f.TümİşleriListeleDüğmesi};
    if (sıra == 2)
        takvimdenSeç(tarih);
    QTest::mouseClick(d[sıra], Qt::LeftButton);
}

// The calendar export: a job of a summer date in a zone that has had daylight saving, full of
// characters to escape, and a bare winter one.
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

class IsListeleriTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        TestOrtami::sıfırla();
        ProgramSaati::ayarla(QDateTime(Bugün, QTime(10, 0)));
        yol_ = AnaFormTest::yeniVeritabanı();
    }
    void cleanup() { AçıkVeritabanı::kapat(); }

    // Open and done jobs of yesterday, today and a later date, in two folders (which job each
    // statement selects is checked on the database); then the lists once all jobs are deleted.
    void eachListShowsItsJobsOrSaysThereAreNone() {
        işEkle("1-Anahtar", Bugün, QTime(9, 0), "Sabah");
        işEkle("1-Anahtar", Bugün.addDays(-1), QTime(15, 0), "Dün açık", true, false, "", "", "2");
        işEkle("2-Anahtar", Bugün.addDays(-1), QTime(8, 0), "Dün yapıldı", true, true, "", "", "1");
        işEkle("1-Anahtar", QDate(2027, 3, 1), QTime(7, 0), "Mart");
        // Rows (subject and icon) of each list, in the order of the window's buttons.
        const char* listeler[] = {"Sabah2", "Dün açık1", "Mart2", "Dün yapıldı3",
                                  "Dün yapıldı3, Dün açık1, Sabah2, Mart2"};
        const QString tarih = QStringLiteral("01.03.2027");
        Form f;
        f.show();
        // Another computer holds the file: the error is told, and neither a "no jobs" box nor
        // a total follows.
        {
            AnaFormTest::Kilit kilit;
            listele(f, 0);
        }
        QCOMPARE(MesajKutusuTest::kayıtlar().size(), 1);
        QCOMPARE(MesajKutusuTest::son().simge, QMessageBox::Critical);
        QVERIFY(MesajKutusuTest::son().metin.contains("Hata Kodu: 3260"));
        QCOMPARE(f.Etiket[0]->text(), İşListeleri::AçılışBaşlığı);
        MesajKutusuTest::temizle();

        for (int liste = 0; liste < 5; ++liste) {
            listele(f, liste);
            const QStringList satırlar = QString::fromUtf8(listeler[liste]).split(", ");
            QCOMPARE(konular(f), satırlar);
            QCOMPARE(f.Etiket[0]->text(),
                     İşListeleri::başlık(İşListeleri::Seçim(liste), satırlar.size(), tarih));
        }
        // A cancelled calendar changes nothing.
        listele(f, 2, QString());
        QCOMPARE(f.Etiket[0]->text(), İşListeleri::başlık(İşListeleri::Seçim::Tüm, 4));
        QCOMPARE(ModalTest::gösterilenler(), (QStringList{"TakvimFormu", "TakvimFormu"}));
        QVERIFY(MesajKutusuTest::kayıtlar().isEmpty());
        // The first row is selected and its description follows the selection.
        QCOMPARE(f.AçıklamaKutusu->toPlainText(), QStringLiteral("1"));
        QTest::keyClick(f.YapılacakİşlerListesi, Qt::Key_Down);
        QCOMPARE(f.AçıklamaKutusu->toPlainText(), QStringLiteral("2"));

        AçıkVeritabanı::al().Execute(QStringLiteral("DELETE * FROM YapilacakIslerTablosu"));
        listele(f, 2);
        QCOMPARE(MesajKutusuTest::son().simge, QMessageBox::Information);
        QCOMPARE(MesajKutusuTest::son().metin,
                 İşListeleri::boşMesajı(İşListeleri::Seçim::SeçilenTarihteki, tarih));
        QCOMPARE(f.işModeli->satırSayısı(), 0);
        // The "&" marks the access key of the list and is not shown.
        QCOMPARE(f.Etiket[0]->text(), İşListeleri::BoşBaşlık);
        QCOMPARE(f.Etiket[0]->buddy(), f.YapılacakİşlerListesi);
    }

    // The header click shares its state with the main list; Esc keeps the column layout.
    void sortStateAndColumnLayout() {
        for (int gün : {2, 0, 1})
            işEkle("1-Anahtar", Bugün.addDays(gün), QTime(9, 0), QString::number(gün));
        Sıralama::durum() = {3, 0};
        {
            Form f;
            f.show();
            listele(f, 4);
            // Opened sorted by date ascending, whatever the main list sorted last: the click on
            // the date column turns it to descending.
            QTest::mouseClick(f.YapılacakİşlerListesi->header()->viewport(), Qt::LeftButton, {},
                              QPoint(5, 5));
            QCOMPARE(Sıralama::durum().yön, 1);
            QCOMPARE(konular(f), (QStringList{"22", "12", "02"}));
            f.YapılacakİşlerListesi->header()->resizeSection(2, 222);
            QTest::keyClick(&f, Qt::Key_Escape);
        }
        Form g;
        QCOMPARE(g.YapılacakİşlerListesi->header()->sectionSize(2), 222);
        QCOMPARE(AyarDeposu::GetSetting("Listeler\\Liste-2", "Genislik-3", ""),
                 QStringLiteral("3330"));
    }

    void exportedFileReadsBackWithEveryField() {
        işEkle("1-Anahtar", QDate(2026, 7, 15), QTime(14, 30), Konu, true, false, Yer,
               QStringLiteral("2026/418"), Açıklama);
        işEkle("1-Anahtar", QDate(2027, 1, 4), QTime(9, 5), QStringLiteral("Keşif"));
        const auto işler = TakvimDosyası::oku(AçıkVeritabanı::al(), {2, 1});
        const QString dosya = yol_ + QStringLiteral(".ics");
        const QString vtKimliği = AçıkVeritabanı::al().kimlik();
        const QByteArray metin = TakvimDosyası::metin(işler, vtKimliği, Dilim, Damga);
        // The zone's rules travel in the file; the reader here would know the zone anyway.
        QVERIFY(metin.contains("BEGIN:VTIMEZONE"));
        const auto olaylar = çözümle(metin);
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
        // another database, or another job, is another event.
        QVERIFY(duruşma.uid != keşif.uid);
        QCOMPARE(keşif.uid, QStringLiteral("2-") + vtKimliği + QStringLiteral("@tarvela"));
        auto kimlik = [&](const QString& vt, const QDateTime& damga) {
            return çözümle(TakvimDosyası::metin(işler, vt, Dilim, damga)).value(0).uid;
        };
        QCOMPARE(kimlik(vtKimliği, Damga.addDays(3)), keşif.uid);
        QVERIFY(kimlik(QString(32, u'0'), Damga) != keşif.uid);

        // The menu command writes the file the user names.
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

    // A real mouse click on a row shows its description, as the arrow keys do; a click that
    // takes the selection away leaves the box as it was.
    void rowClickShowsTheDescription() {
        for (int i = 1; i <= 3; ++i)
            işEkle("1-Anahtar", Bugün, QTime(8 + i, 0), QStringLiteral("İş %1").arg(i), true, false,
                   "", "", QStringLiteral("Açıklama %1").arg(i));
        Form f;
        f.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        listele(f, 4);
        QCOMPARE(f.AçıklamaKutusu->toPlainText(), QStringLiteral("Açıklama 1"));
        QTreeView* liste = f.YapılacakİşlerListesi;
        const auto tıkla = [&](int satır, Qt::KeyboardModifiers tuşlar = {}) {
            const QRect alan = liste->visualRect(f.işModeli->index(satır, 2));
            QVERIFY(alan.isValid() && liste->viewport()->rect().contains(alan.center()));
            QTest::mouseClick(liste->viewport(), Qt::LeftButton, tuşlar, alan.center());
        };
        tıkla(2);
        QCOMPARE(liste->currentIndex().row(), 2);
        QCOMPARE(f.AçıklamaKutusu->toPlainText(), QStringLiteral("Açıklama 3"));
        tıkla(0);
        QCOMPARE(f.AçıklamaKutusu->toPlainText(), QStringLiteral("Açıklama 1"));
        tıkla(1);
        QCOMPARE(f.AçıklamaKutusu->toPlainText(), QStringLiteral("Açıklama 2"));
        // Ctrl and a click on the selected row take the selection away: not a selected row.
        tıkla(1, Qt::ControlModifier);
        QVERIFY(!liste->selectionModel()->isRowSelected(1, {}));
        QCOMPARE(f.AçıklamaKutusu->toPlainText(), QStringLiteral("Açıklama 2"));
    }

    // The event identity comes from the database file itself: the same job exported on two
    // computers that reach the shared folder by different paths, or exported again later,
    // is the same event; a job of another database is another.
    void eventIdentityIsTheSameOnEveryComputer() {
        işEkle("1-Anahtar", Bugün, QTime(9, 0), QStringLiteral("Keşif"));
        QTemporaryDir klasör;
        int sıra = 0;
        const auto uid = [&](const QString& vt) {
            AçıkVeritabanı::ayarla(Veritabanı::OpenDatabase(vt));
            const QString dosya = klasör.filePath(QStringLiteral("%1.ics").arg(++sıra));
            dosyaAdı(dosya);
            if (!TakvimeAktar(nullptr, {1}))
                return QStringLiteral("yazılamadı");
            return çözümle(oku(dosya)).value(0).uid;
        };
        const QString bu = uid(yol_);
        QVERIFY2(bu.startsWith(QStringLiteral("1-")) && bu.endsWith(QStringLiteral("@tarvela")),
                 qPrintable(bu));
        // The other computer's mount: the same folder under another path.
        const QString bağ = klasör.filePath(QStringLiteral("sunucu"));
        QVERIFY(QFile::link(QFileInfo(yol_).absolutePath(), bağ));
        QCOMPARE(uid(bağ + QStringLiteral("/Lodra.vtb")), bu);
        ProgramSaati::ayarla(QDateTime(Bugün.addDays(40), QTime(8, 0)));
        QCOMPARE(uid(yol_), bu);
        const QString başka = AnaFormTest::yeniVeritabanı();
        işEkle("1-Anahtar", Bugün, QTime(9, 0), QStringLiteral("Keşif"));
        QVERIFY(uid(başka) != bu);
    }

    // The calendar file replaces an existing one only when complete: a write-protected file
    // (also for the administrator) or a write that fails half-way leaves the old file byte for
    // byte, and no temporary file in the folder.
    void exportKeepsTheOldFileUnlessComplete() {
        işEkle("1-Anahtar", Bugün, QTime(9, 0), QStringLiteral("Keşif"));
        QTemporaryDir klasör;
        const QString dosya = klasör.filePath(QStringLiteral("takvim.ics"));
        const QByteArray eski = "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nEND:VCALENDAR\r\n";
        {
            QFile f(dosya);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(eski);
        }
        const auto aktar = [&] {
            dosyaAdı(dosya);
            MesajKutusuTest::yanıtla(QMessageBox::Yes); // "Üzerine yazılsın mı?"
            return TakvimeAktar(nullptr, {1});
        };
        const auto dokunulmadı = [&] {
            QCOMPARE(oku(dosya), eski);
            QCOMPARE(QDir(klasör.path())
                         .entryList(QDir::AllEntries | QDir::Hidden | QDir::System |
                                    QDir::NoDotAndDotDot),
                     QStringList{QStringLiteral("takvim.ics")});
        };
        QVERIFY(
            QFile::setPermissions(dosya, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
        QVERIFY(!aktar());
        QCOMPARE(MesajKutusuTest::son().simge, QMessageBox::Warning);
        QVERIFY2(MesajKutusuTest::son().metin.contains(QStringLiteral("yazmaya karşı korunuyor")),
                 qPrintable(MesajKutusuTest::son().metin));
        dokunulmadı();

        QVERIFY(QFile::setPermissions(dosya, QFile::ReadOwner | QFile::WriteOwner |
                                                 QFile::ReadGroup | QFile::ReadOther));
        {
            DosyaBoyuSınırı sınır(64);
            QVERIFY(!aktar());
        }
        QCOMPARE(MesajKutusuTest::son().simge, QMessageBox::Warning);
        dokunulmadı();

        QVERIFY(aktar());
        QCOMPARE(çözümle(oku(dosya)).size(), 1);
    }

private:
    QString yol_;
};

TARVELA_TEST_MAIN(IsListeleriTest)
#include "IsListeleriTest.moc"
