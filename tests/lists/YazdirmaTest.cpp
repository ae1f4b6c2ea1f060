#include "TestOrtami.h"

#ifndef Q_MOC_RUN
#include "AnaFormTestDestegi.h"
#include "DosyaBoyuSiniri.h"
#include "controls/MesajKutusu.h"
#include "controls/Modal.h"
#include "controls/ProgramSaati.h"
#include "lists/ListeYazdirici.h"
#include "lists/YapilacakIslerListesiFormu.h"
#include "lists/YazdirmaDuzeni.h"
#include "lists/YaziciSecmeFormu.h"
#include "mainwindow/AnaForm.h"
#include "reminders/HatirlatmaFormu.h"
#endif

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QTemporaryDir>

#include <sys/stat.h>

namespace {
QList<İşSatırı> satırlar(int sayı) {
    QList<İşSatırı> l;
    for (int i = 1; i <= sayı; ++i)
        l << İşSatırı{
            "05.12.2026", "09:00:00", QStringLiteral("İş %1").arg(i), "", "", "", "", 2, ""};
    return l;
}

// The next choice window picks the printer and presses "Tamam", then runs `sonra`; the file
// name, when given, is chosen in the save window that follows.
void seç(const QString& yazıcı, const QString& dosya = {}, std::function<void()> sonra = {}) {
    ModalTest::sıradaki([=](QDialog* p) {
        auto* f = static_cast<YazıcıSeçmeFormu*>(p);
        f->YazıcıAdlarıKutusu->setCurrentIndex(f->YazıcıAdlarıKutusu->findText(yazıcı));
        QTest::mouseClick(f->TamamDüğmesi, Qt::LeftButton);
        if (sonra)
            sonra();
    });
    if (!dosya.isEmpty())
        ModalTest::sıradaki([=](QDialog* p) {
            static_cast<QFileDialog*>(p)->selectFile(dosya);
            p->accept();
        });
}

QStringList girdiler(const YazıcıSeçmeFormu& f) {
    QStringList l;
    for (int i = 0; i < f.YazıcıAdlarıKutusu->count(); ++i)
        l << f.YazıcıAdlarıKutusu->itemText(i);
    return l;
}

// A face in which every character is 1 mm wide at 8 points (scaled with the size) and a
// line is half a millimetre per point high: widths are character counts.
const YazdırmaÖlçüsü Ölçü{
    [](const QString& m, const YazıBiçimi& b) { return m.size() * b.punto / 8; },
    [](const YazıBiçimi& b) { return b.punto / 2; }};

İşSatırı satır(const QString& konu, const QString& açıklama = QString()) {
    return İşSatırı{"05.12.2026", "14:35:00", konu, "Adliye", "2026/15", açıklama, "77", 2, ""};
}

YazdırmaDüzeni düzenle(const QList<İşSatırı>& işler, QSizeF alan = QSizeF(200, 280)) {
    return Yazdırma::düzenle(işler, QStringLiteral("Klasörlerim"), Yazdırma::SayıSütunuListe, alan,
                             Ölçü);
}

const YerleşikMetin* bul(const QList<YerleşikMetin>& sayfa, const QString& metin) {
    for (const auto& m : sayfa)
        if (m.metin == metin)
            return &m;
    return nullptr;
}

// "x y" of the text on the page, or "yok".
QString yer(const QList<YerleşikMetin>& sayfa, const QString& metin) {
    const auto* m = bul(sayfa, metin);
    return m ? QStringLiteral("%1 %2").arg(m->x).arg(m->y) : QStringLiteral("yok");
}

QStringList açıklamaSatırları(const QList<YerleşikMetin>& sayfa) {
    QStringList l;
    for (const auto& m : sayfa)
        if (m.x == Yazdırma::AçıklamaSütunu && m.y >= 25)
            l << m.metin;
    return l;
}
const QList<YazıcıBilgisi> İkiYazıcı{{"Ofis", "ipp://sunucu/printers/Ofis"},
                                     {"Kat2", "Kat 2 koridor"}};

mode_t kipi(const QString& yol) {
    struct stat bilgi {};
    ::stat(QFile::encodeName(yol).constData(), &bilgi);
    return bilgi.st_mode & 07777;
}

// Everything in the folder, hidden files included.
QStringList klasörde(const QString& klasör) {
    return QDir(klasör).entryList(
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

} // namespace

class YazdirmaTest : public QObject {
    Q_OBJECT
    QTemporaryDir klasör_;

private slots:
    void initTestCase() {
        // No spooler answers here: a job handed over is refused.
        qputenv("CUPS_SERVER", (klasör_.path() + "/yok.sock").toUtf8());
    }
    void init() {
        TestOrtami::sıfırla();
        YazicilarTest::yerine(İkiYazıcı);
        ListeYazdiriciTest::temizle();
    }

    // The page layout, measured without a printer.
    void onePage() {
        const auto d = Yazdırma::düzenle({satır("Keşif")}, "Klasörlerim",
                                         Yazdırma::SayıSütunuHatırlatma, QSizeF(200, 280), Ölçü);
        QCOMPARE(d.sayfalar.size(), 1);
        const auto& s = d.sayfalar[0];
        // Title: 11 characters at 12 pt are 16.5 mm, centred across 200 mm.
        QCOMPARE(yer(s, "Klasörlerim"), QStringLiteral("91.75 10"));
        QCOMPARE(bul(s, "Klasörlerim")->biçim, Yazdırma::BaşlıkYazısı);
        const QStringList başlıklar{"Tarihi", "Saati", "Konusu", "Yeri", "Sayısı", "Açıklama"};
        const QStringList değerler{"05.12.2026", "14:35", "Keşif", "Adliye", "2026/15"};
        const int xler[] = {15, 35, 48, 80, 130, 150};
        for (int i = 0; i < 6; ++i) {
            QCOMPARE(yer(s, başlıklar[i]), QStringLiteral("%1 20").arg(xler[i]));
            QCOMPARE(bul(s, başlıklar[i])->biçim, Yazdırma::SütunBaşlığıYazısı);
            if (i < 5) {
                QCOMPARE(yer(s, değerler[i]), QStringLiteral("%1 26.5").arg(xler[i]));
                QCOMPARE(bul(s, değerler[i])->biçim, Yazdırma::SatırYazısı);
            }
        }
        // Nothing else: no job number, no page number on a one-page print.
        QCOMPARE(s.size(), 1 + 6 + 5);
    }

    void shortTimeAndEmptyList() {
        QCOMPARE(Yazdırma::kısaSaat("9:05:00"), QStringLiteral("09:05"));
        QCOMPARE(Yazdırma::kısaSaat("öğle"), QStringLiteral("öğle"));
        QVERIFY(düzenle({}).sayfalar.isEmpty());
    }

    // Rows of 1.5 + 4 mm from 25 mm: on a page 100 mm high the tenth row ends at 80 mm,
    // where the reserve of 20 mm is reached, so the eleventh starts page 2.
    void pageBreak() {
        for (int satırSayısı : {10, 11}) {
            // The printable size is rounded to whole millimetres first.
            const auto d = düzenle(satırlar(satırSayısı), QSizeF(200.4, 99.6));
            QCOMPARE(d.alan, QSizeF(200, 100));
            QCOMPARE(d.sayfalar.size(), satırSayısı - 9);
            QCOMPARE(yer(d.sayfalar[0], "İş 10"), QStringLiteral("48 76"));
            QCOMPARE(yer(d.sayfalar[0], "Sayfa - 1"),
                     QString(satırSayısı == 10 ? "yok" : "181 85"));
        }
        const auto d = düzenle(satırlar(12), {200, 100});
        const auto& ikinci = d.sayfalar[1];
        QCOMPARE(yer(ikinci, "Sayfa - 2"), QStringLiteral("181 85"));
        QCOMPARE(bul(ikinci, "Sayfa - 2")->biçim, Yazdırma::SatırYazısı);
        QCOMPARE(yer(ikinci, "Klasörlerim"), QStringLiteral("yok"));
        QCOMPARE(yer(ikinci, "Sayısı"), QStringLiteral("125 20"));
        QCOMPARE(yer(ikinci, "İş 12"), QStringLiteral("48 32"));
    }

    void description_data() {
        QTest::addColumn<QString>("metin");
        QTest::addColumn<QStringList>("beklenen");
        QTest::newRow("line end is a blank, a dash drops, a word moves down")
            << "Duruşma saat onda\r\nbaşlayacak - tanık listesi verilecek"
            << QStringList{"Duruşma saat onda başlayacak tanık", "listesi verilecek"};
        QTest::newRow("tabs and runs of blanks") << "a\t\tb   c " << QStringList{"a b c"};
        QTest::newRow("empty") << "" << QStringList{};
        // The page is 200 mm wide: a line from 150 mm may be 50 mm long before it runs past
        // the printable width.
        QTest::newRow("a word wider than the column is printed whole while it fits the page")
            << "kısa ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789ABCD son"
            << QStringList{"kısa ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789ABCD", "son"};
        QTest::newRow("a word that fits alone but not after the line starts the next one")
            << "kısa " + QString(48, u'Ş') + " son"
            << QStringList{"kısa", QString(48, u'Ş'), "son"};
        QTest::newRow("a word exactly as wide as the rest of the page is whole")
            << QString(50, u'x') + " son" << QStringList{QString(50, u'x'), "son"};
        QTest::newRow("a word wider than the page is cut at the printable width")
            << "kısa " + QString(50, u'A') + QString(10, u'B') + " son"
            << QStringList{"kısa", QString(50, u'A'), QString(10, u'B') + " son"};
    }
    void description() {
        QFETCH(QString, metin);
        QFETCH(QStringList, beklenen);
        const auto s = düzenle({satır("A", metin), satır("Sonraki")}).sayfalar[0];
        QCOMPARE(açıklamaSatırları(s), beklenen);
        for (int i = 0; i < beklenen.size(); ++i)
            QCOMPARE(bul(s, beklenen[i])->y, 26.5 + 4 * i);
        // An empty description still takes its line.
        QCOMPARE(bul(s, "Sonraki")->y, 26.5 + 4 * qMax(1, int(beklenen.size())) + 1.5);
    }

    // Thirty six-letter words make six lines of five; on a page 60 mm high the reserve is
    // reached after the fourth, and the rest continues under the header of page 2.
    void descriptionOverAPageEnd() {
        const auto d = düzenle({satır("A", QStringList(30, "kelime").join(u' '))}, {200, 60});
        QCOMPARE(d.sayfalar.size(), 2);
        QCOMPARE(açıklamaSatırları(d.sayfalar[0]).size(), 4);
        const auto ikinci = açıklamaSatırları(d.sayfalar[1]);
        QCOMPARE(ikinci.size(), 2);
        QCOMPARE(bul(d.sayfalar[1], ikinci[0])->y, 25.0);
    }

    // The print path.
    void choiceWindow() {
        YazicilarTest::yerine(İkiYazıcı, "Kat2");
        {
            YazıcıSeçmeFormu f;
            QCOMPARE(girdiler(f), (QStringList{"Ofis", "Kat2", "PDF dosyası"}));
            QCOMPARE(f.seçiliYazıcı(), QStringLiteral("Kat2"));
            QCOMPARE(f.BağlantıNoktasıKutusu->text(), QStringLiteral("Kat 2 koridor"));
            f.YazıcıAdlarıKutusu->setCurrentIndex(0);
            f.show();
            QTest::mouseClick(f.TamamDüğmesi, Qt::LeftButton);
            QVERIFY(!Yazıcılar::yazdırmaİptalEdildi());
        }
        // The choice holds for the run; Esc cancels and changes nothing.
        YazıcıSeçmeFormu f;
        QCOMPARE(f.seçiliYazıcı(), QStringLiteral("Ofis"));
        // Opened on the first entry, its port is shown all the same.
        QCOMPARE(f.BağlantıNoktasıKutusu->text(), QStringLiteral("ipp://sunucu/printers/Ofis"));
        f.show();
        f.YazıcıAdlarıKutusu->setCurrentIndex(1);
        QTest::keyClick(&f, Qt::Key_Escape);
        QVERIFY(Yazıcılar::yazdırmaİptalEdildi());
        QCOMPARE(Yazıcılar::seçilen(), QStringLiteral("Ofis"));
    }

    // Nothing to print asks nothing; no printer offers only the PDF file and says why.
    void emptyListAndNoPrinter() {
        QCOMPARE(ListeyiYazdır(nullptr, {}, "L"), YazdırmaSonucu::Boş);
        QVERIFY(ModalTest::gösterilenler().isEmpty());
        YazicilarTest::yerine({});
        QCOMPARE(girdiler(YazıcıSeçmeFormu()), QStringList{"PDF dosyası"});
        QCOMPARE(ListeyiYazdır(nullptr, satırlar(1), "L"), YazdırmaSonucu::İptal);
        QVERIFY(MesajKutusuTest::son().metin.startsWith(
            "Bilgisayarınızda yüklü bir YAZICI yok!\r\n\r\n"));
        QCOMPARE(ModalTest::gösterilenler(), QStringList{"YazıcıSeçmeFormu"});
    }

    // Each way a print can fail is told to the user, never passed as printed.
    void failureIsReported_data() {
        QTest::addColumn<QString>("yazıcı");
        QTest::addColumn<bool>("kaybolur");
        QTest::addColumn<QString>("neden");
        QTest::newRow("file not writable") << "PDF dosyası" << false << "dosyasına yazılamıyor";
        QTest::newRow("printer removed after the choice")
            << "Ofis" << true << "\"Ofis\" adlı yazıcı artık yüklü değil.";
        QTest::newRow("queue refused the job") << "Ofis" << false << "";
    }
    void failureIsReported() {
        QFETCH(QString, yazıcı);
        QFETCH(bool, kaybolur);
        QFETCH(QString, neden);
        seç(yazıcı, "/proc/tarvela-liste.pdf", [=] {
            if (kaybolur)
                YazicilarTest::yerine({İkiYazıcı[1]});
        });
        QCOMPARE(ListeyiYazdır(nullptr, satırlar(2), "L"), YazdırmaSonucu::Başarısız);
        const MesajKaydı m = MesajKutusuTest::son();
        QCOMPARE(m.simge, QMessageBox::Warning);
        QVERIFY2(m.metin.startsWith("Liste yazdırılamadı!\r\n\r\n") && m.metin.size() > 26 &&
                     m.metin.contains(neden),
                 qPrintable(m.metin));
    }

    // A few pages print without a progress window; a long list shows it, and cancelling there
    // or in the file name window stops the print, leaves no file and says nothing.
    void progressAndCancel() {
        const QString yol = klasör_.filePath("uzun.pdf");
        QList<int> görülen;
        ListeYazdiriciTest::ilerlemede([&](QProgressDialog* p, int sayfa) {
            görülen << sayfa;
            if (sayfa == 3)
                p->cancel();
        });
        seç("PDF dosyası", yol);
        QCOMPARE(ListeyiYazdır(nullptr, satırlar(100), "L"), YazdırmaSonucu::Yazdırıldı);
        QVERIFY(görülen.isEmpty());
        QFile::remove(yol);
        seç("PDF dosyası", yol);
        QCOMPARE(ListeyiYazdır(nullptr, satırlar(600), "L"), YazdırmaSonucu::İptal);
        QCOMPARE(görülen, (QList<int>{1, 2, 3}));
        QVERIFY(!QFile::exists(yol));
        seç("PDF dosyası");
        QCOMPARE(ListeyiYazdır(nullptr, satırlar(3), "L"), YazdırmaSonucu::İptal);
        QVERIFY(MesajKutusuTest::kayıtlar().isEmpty());
    }

    // Overwriting an existing PDF file: the user agrees, and the print fails (the file is
    // write-protected, or a write fails half-way) or is cancelled half-way; the old file stays
    // byte for byte with its permissions, and no temporary file is left in the folder. A
    // print that succeeds replaces it whole.
    void overwriteKeepsTheOldFileUnlessComplete() {
        QTemporaryDir klasör;
        const QString yol = klasör.filePath("rapor.pdf");
        const QByteArray eski = "%PDF-1.4 eski rapor, elle yazılmış\n";
        {
            QFile f(yol);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(eski);
        }
        const auto yazdır = [&](int satırSayısı) {
            seç("PDF dosyası", yol);
            MesajKutusuTest::yanıtla(QMessageBox::Yes); // "Üzerine yazılsın mı?"
            return ListeyiYazdır(nullptr, satırlar(satırSayısı), "Rapor");
        };
        const auto dokunulmadı = [&](mode_t izinler) {
            QFile f(yol);
            QVERIFY(f.open(QIODevice::ReadOnly));
            QCOMPARE(f.readAll(), eski);
            QCOMPARE(kipi(yol), izinler);
            QCOMPARE(klasörde(klasör.path()), QStringList{"rapor.pdf"});
        };
        const mode_t okunur = 0444, yazılır = 0644;

        // Write-protected in a writable folder: refused, also for the administrator.
        QVERIFY(::chmod(QFile::encodeName(yol).constData(), okunur) == 0);
        QCOMPARE(yazdır(2), YazdırmaSonucu::Başarısız);
        QCOMPARE(MesajKutusuTest::kayıtlar().first().simge, QMessageBox::Question);
        QVERIFY2(MesajKutusuTest::son().metin.contains("rapor.pdf\" dosyasına yazılamıyor.") &&
                     MesajKutusuTest::son().metin.contains("yazmaya karşı korunuyor"),
                 qPrintable(MesajKutusuTest::son().metin));
        dokunulmadı(okunur);
        MesajKutusuTest::temizle();

        // A write that fails half-way (the file size limit stands for a full disk).
        QVERIFY(::chmod(QFile::encodeName(yol).constData(), yazılır) == 0);
        {
            DosyaBoyuSınırı sınır(4096);
            QCOMPARE(yazdır(200), YazdırmaSonucu::Başarısız);
        }
        QVERIFY(MesajKutusuTest::son().metin.contains("dosyasına yazılamıyor."));
        dokunulmadı(yazılır);
        MesajKutusuTest::temizle();

        // Cancelled on the third page of a long list: nothing said, nothing changed.
        ListeYazdiriciTest::ilerlemede([](QProgressDialog* p, int sayfa) {
            if (sayfa == 3)
                p->cancel();
        });
        QCOMPARE(yazdır(600), YazdırmaSonucu::İptal);
        QCOMPARE(MesajKutusuTest::kayıtlar().size(), 1); // the question only
        dokunulmadı(yazılır);
        ListeYazdiriciTest::ilerlemede({});

        // Complete: the new pages in place of the old file, with its permissions.
        QCOMPARE(yazdır(3), YazdırmaSonucu::Yazdırıldı);
        QFile yeni(yol);
        QVERIFY(yeni.open(QIODevice::ReadOnly));
        const QByteArray içerik = yeni.readAll();
        QVERIFY(içerik.startsWith("%PDF-") && içerik.contains("%%EOF") && içerik != eski);
        QCOMPARE(kipi(yol), yazılır);
        QCOMPARE(klasörde(klasör.path()), QStringList{"rapor.pdf"});
    }

    // The choice window stays above a reminder window that does, and the button comes back.
    void reminderWindow() {
        HatırlatmaFormu form;
        HatırlatılacakİŞ iş;
        iş.satır = satırlar(1)[0];
        form.listeyiDoldur({iş});
        form.show();
        form.HerZamanÜstteOlsunOnayı->setChecked(true);
        bool üstte = false;
        ModalTest::sıradaki(
            [&](QDialog* p) { üstte = p->windowFlags() & Qt::WindowStaysOnTopHint; });
        QTest::mouseClick(form.YazdırDüğmesi, Qt::LeftButton);
        QVERIFY(üstte);
        QVERIFY(form.YazdırDüğmesi->isEnabled());
        QCOMPARE(form.focusWidget(), form.YazdırDüğmesi);
    }

    // The main window and the job lists window print only a list that has jobs (the print
    // itself is checked by the real-print test); a cancelled choice gives the button back.
    void mainAndListsWindows() {
        AnaFormTest::yeniVeritabanı();
        AnaFormTest::klasörEkle("1-Anahtar", "Klasor", "Boş");
        AnaFormTest::klasörEkle("2-Anahtar", "Klasor", "Dolu");
        AnaFormTest::işEkle("2-Anahtar", ProgramSaati::bugün(), QTime(9, 0), "Keşif");
        auto ana = AnaFormTest::yeniForm();
        AnaFormTest::düğümTıkla(*ana, "1-Anahtar");
        ana->Düğme[12]->trigger();
        QVERIFY(ModalTest::gösterilenler().isEmpty());
        AnaFormTest::düğümTıkla(*ana, "2-Anahtar");
        ModalTest::sıradaki([](QDialog* p) { p->reject(); });
        ana->Düğme[12]->trigger();
        QCOMPARE(ModalTest::gösterilenler(), QStringList{"YazıcıSeçmeFormu"});

        YapılacakİşlerListesiFormu form;
        form.show();
        QTest::mouseClick(form.YazdırDüğmesi, Qt::LeftButton);
        QCOMPARE(ModalTest::gösterilenler().size(), 1);
        QTest::mouseClick(form.TümİşleriListeleDüğmesi, Qt::LeftButton);
        ModalTest::sıradaki([](QDialog* p) { p->reject(); });
        QTest::mouseClick(form.YazdırDüğmesi, Qt::LeftButton);
        QCOMPARE(ModalTest::gösterilenler().size(), 2);
        QVERIFY(form.YazdırDüğmesi->isEnabled());
        QCOMPARE(form.focusWidget(), form.YazdırDüğmesi);
    }
};

TARVELA_TEST_MAIN(YazdirmaTest)
#include "YazdirmaTest.moc"
