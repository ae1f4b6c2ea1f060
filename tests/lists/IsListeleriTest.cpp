#include "TestOrtami.h"

// moc cannot read names with Turkish letters; it needs none of these.
#ifndef Q_MOC_RUN
#include "AnaFormTestDestegi.h"
#include "controls/MesajKutusu.h"
#include "controls/Modal.h"
#include "controls/ProgramSaati.h"
#include "controls/Siralama.h"
#include "database/Veritabani.h"
#include "jobentry/TakvimFormu.h"
#include "lists/IsListesiModeli.h"
#include "lists/YapilacakIslerListesiFormu.h"
#include "settings/AyarDeposu.h"
#endif

#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeView>

using Form = YapılacakİşlerListesiFormu;

namespace {
const QDate Bugün(2026, 12, 6);

QStringList konular(const Form& f) {
    QStringList l;
    for (int i = 0; i < f.işModeli->satırSayısı(); ++i)
        l << f.işModeli->metin(i, 2) + QString::number(f.işModeli->simge(i));
    return l;
}

// The picker of the next calendar window picks the date text, or cancels when it is empty.
void takvimdenSeç(const QString& tarih) {
    ModalTest::sıradaki([tarih](QDialog* d) {
        auto* t = dynamic_cast<TakvimFormu*>(d);
        QVERIFY(t);
        QCOMPARE(t->SeçilenTarih, QStringLiteral("06.12.2026"));
        if (tarih.isEmpty()) {
            QTest::keyClick(t, Qt::Key_Escape);
            return;
        }
        t->SeçilenTarih = tarih;
        t->aç();
        t->tamamDüğmesi()->click();
    });
}

void göster(Form& f) {
    f.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f));
}

QPushButton* düğme(Form& f, int i) {
    QPushButton* d[] = {f.BugünYapılacakİşleriListeleDüğmesi, f.GünüGeçenİşleriListeleDüğmesi,
                        f.SeçilenTarihtekiİşleriListeleDüğmesi, f.YapılmışİşleriListeleDüğmesi,
                        f.TümİşleriListeleDüğmesi};
    return d[i];
}
} // namespace

class IsListeleriTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        TestOrtami::sıfırla();
        Sıralama::durum() = {};
        ProgramSaati::ayarla(QDateTime(Bugün, QTime(10, 0)));
        AnaFormTest::yeniVeritabanı();
    }
    void cleanup() { AçıkVeritabanı::kapat(); }

    // Done and open jobs of yesterday, today, tomorrow and a later date, in two folders.
    void eachListShowsItsJobs_data() {
        QTest::addColumn<int>("düğme");
        QTest::addColumn<QString>("takvim");
        QTest::addColumn<QStringList>("satırlar"); // subject + icon, top to bottom
        QTest::addColumn<QString>("başlık");
        QTest::addRow("today") << 0 << "" << QStringList{"Sabah1", "Öğle2"}
                               << "Bugün Yapılacak İşleriniz (Toplam: 2)";
        QTest::addRow("overdue") << 1 << "" << QStringList{"Dün açık1"}
                                 << "Günü Geçen İşleriniz (Toplam: 1)";
        QTest::addRow("picked") << 2 << "01.03.2027" << QStringList{"Mart2"}
                                << "01.03.2027 Tarihinde Yapılacak İşleriniz (Toplam: 1)";
        QTest::addRow("done") << 3 << "" << QStringList{"Dün yapıldı3", "Bugün yapıldı3"}
                              << "Yapılmış İşleriniz (Toplam: 2)";
        QTest::addRow("all") << 4 << ""
                             << QStringList{"Dün yapıldı3", "Dün açık1", "Bugün yapıldı3", "Sabah1",
                                            "Öğle2",        "Yarın1",    "Mart2"}
                             << "Tüm İşleriniz (Toplam: 7)";
    }
    void eachListShowsItsJobs() {
        QFETCH(int, düğme);
        QFETCH(QString, takvim);
        QFETCH(QStringList, satırlar);
        QFETCH(QString, başlık);
        using AnaFormTest::işEkle;
        AnaFormTest::klasörEkle("1-Anahtar", "Klasor", "Bir");
        AnaFormTest::klasörEkle("2-Anahtar", "Klasor", "İki");
        // Added out of order: the lists order by date, then time.
        işEkle("2-Anahtar", Bugün, QTime(11, 0), "Öğle", false, false, "", "", "Öğle notu");
        işEkle("1-Anahtar", Bugün, QTime(9, 0), "Sabah", true, false, "", "", "Sabah notu");
        işEkle("1-Anahtar", Bugün.addDays(-1), QTime(15, 0), "Dün açık", true);
        işEkle("2-Anahtar", Bugün.addDays(-1), QTime(8, 0), "Dün yapıldı", true, true);
        işEkle("1-Anahtar", Bugün, QTime(7, 0), "Bugün yapıldı", false, true);
        işEkle("2-Anahtar", Bugün.addDays(1), QTime(7, 0), "Yarın", true);
        işEkle("1-Anahtar", QDate(2027, 3, 1), QTime(7, 0), "Mart", false, false, "", "",
               "Mart notu");

        Form f;
        göster(f);
        QCOMPARE(f.windowTitle(), QStringLiteral("Yapılacak İşleri Listele"));
        if (!takvim.isEmpty())
            takvimdenSeç(takvim);
        QTest::mouseClick(::düğme(f, düğme), Qt::LeftButton);
        QCOMPARE(konular(f), satırlar);
        QCOMPARE(f.Etiket[0]->text(), başlık);
        QVERIFY(MesajKutusuTest::kayıtlar().isEmpty());
        // The first row is selected and its description shown.
        QCOMPARE(f.YapılacakİşlerListesi->currentIndex().row(), 0);
        QCOMPARE(f.AçıklamaKutusu->toPlainText(), f.işModeli->metin(0, 5));
        if (düğme == 0) {
            QCOMPARE(f.AçıklamaKutusu->toPlainText(), QStringLiteral("Sabah notu"));
            QTest::keyClick(f.YapılacakİşlerListesi, Qt::Key_Down);
            QCOMPARE(f.AçıklamaKutusu->toPlainText(), QStringLiteral("Öğle notu"));
        }
    }

    void emptyListsSayNoJobs_data() {
        QTest::addColumn<int>("düğme");
        QTest::addColumn<QString>("mesaj");
        QTest::addRow("today") << 0 << "Bugün yapılacak işiniz bulunmuyor!";
        QTest::addRow("overdue") << 1 << "Günü geçen işiniz bulunmuyor!";
        QTest::addRow("picked") << 2 << "01.03.2027 tarihinde yapılacak işiniz bulunmuyor!";
        QTest::addRow("done") << 3 << "Yapılmış İşiniz bulunmuyor!";
        QTest::addRow("all") << 4 << "Eklenmiş hiçbir işiniz bulunmuyor!";
    }
    void emptyListsSayNoJobs() {
        QFETCH(int, düğme);
        QFETCH(QString, mesaj);
        // Only a job the selection leaves out: open, dated tomorrow. The all list has none.
        if (düğme != 4)
            AnaFormTest::işEkle("1-Anahtar", Bugün.addDays(1), QTime(9, 0), "Yarın", true);
        Form f;
        göster(f);
        if (düğme == 2)
            takvimdenSeç("01.03.2027");
        QTest::mouseClick(::düğme(f, düğme), Qt::LeftButton);
        QCOMPARE(MesajKutusuTest::kayıtlar().size(), 1);
        QCOMPARE(MesajKutusuTest::son().simge, QMessageBox::Information);
        QCOMPARE(MesajKutusuTest::son().metin, mesaj);
        QCOMPARE(f.Etiket[0]->text(), QStringLiteral("&Yapılacak İşler"));
        // The "&" marks the access key of the list and is not shown.
        QCOMPARE(f.Etiket[0]->buddy(), f.YapılacakİşlerListesi);
        QCOMPARE(f.işModeli->satırSayısı(), 0);
    }

    void cancelledCalendarChangesNothing() {
        AnaFormTest::işEkle("1-Anahtar", Bugün, QTime(9, 0), "Sabah", true);
        Form f;
        f.TümİşleriListeleDüğmesi_Click();
        takvimdenSeç(QString());
        f.SeçilenTarihtekiİşleriListeleDüğmesi->click();
        QCOMPARE(konular(f), QStringList{"Sabah1"});
        QCOMPARE(f.Etiket[0]->text(), QStringLiteral("Tüm İşleriniz (Toplam: 1)"));
        QVERIFY(MesajKutusuTest::kayıtlar().isEmpty());
        QCOMPARE(ModalTest::gösterilenler(), QStringList{"TakvimFormu"});
    }

    // The header click shares its state with the main list; Esc keeps the column layout.
    void sortStateAndColumnLayout() {
        for (int gün : {2, 0, 1})
            AnaFormTest::işEkle("1-Anahtar", Bugün.addDays(gün), QTime(9, 0), QString::number(gün));
        Sıralama::durum() = {3, 0};
        {
            Form f;
            göster(f);
            // Opened sorted by date ascending, whatever the main list sorted last.
            QCOMPARE(Sıralama::durum().sütun, 0);
            QCOMPARE(Sıralama::durum().yön, 0);
            f.TümİşleriListeleDüğmesi_Click();
            QTest::mouseClick(f.YapılacakİşlerListesi->header()->viewport(), Qt::LeftButton, {},
                              QPoint(5, 5));
            QCOMPARE(Sıralama::durum().yön, 1);
            QCOMPARE(konular(f), (QStringList{"22", "12", "02"}));
            f.YapılacakİşlerListesi->header()->resizeSection(2, 222);
            QTest::keyClick(&f, Qt::Key_Escape);
            QVERIFY(!f.isVisible());
        }
        Form g;
        QCOMPARE(g.YapılacakİşlerListesi->header()->sectionSize(2), 222);
        QCOMPARE(AyarDeposu::GetSetting("Listeler\\Liste-2", "Genislik-3", ""),
                 QStringLiteral("3330"));
    }

    // Another computer holds the file: the error is reported, and neither a "no jobs" box
    // nor a total follows.
    void lockedFileShowsNoTotal() {
        Form f;
        {
            AnaFormTest::Kilit kilit;
            f.BugünYapılacakİşleriListeleDüğmesi_Click();
        }
        QCOMPARE(MesajKutusuTest::kayıtlar().size(), 1);
        QCOMPARE(MesajKutusuTest::son().simge, QMessageBox::Critical);
        QVERIFY(MesajKutusuTest::son().metin.contains("Hata Kodu: 3260"));
        QCOMPARE(f.Etiket[0]->text(), QStringLiteral("Yapılacak İşler"));
    }
};

TARVELA_TEST_MAIN(IsListeleriTest)
#include "IsListeleriTest.moc"
