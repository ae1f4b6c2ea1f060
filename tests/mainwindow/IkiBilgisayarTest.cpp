// Two computers on one job database. This program (A) works through its windows on the
// program's open database; the other computer (B) works on a connection of its own to the
// same database through the same rules. Each scenario checks the file afterwards and what A
// was told. Only ikinciBilgisayar() knows the engine, so the scenarios run unchanged against
// another one.

#include "AnaFormTestDestegi.h"
#include "HataNumarasi.h"
#include "TestOrtami.h"

#include "controls/MesajKutusu.h"
#include "controls/Modal.h"
#include "controls/ProgramSaati.h"
#include "database/AnahtarSayaci.h"
#include "database/Deyimler.h"
#include "database/IsDenetimi.h"
#include "database/Klasorler.h"
#include "database/Veritabani.h"
#include "jobentry/IsBirlestirme.h"
#include "jobentry/IsEklemeDegistirmeFormu.h"
#include "lists/IsListesiModeli.h"
#include "mainwindow/AnaForm.h"
#include "mainwindow/AnaFormDenetimleri.h"
#include "reminders/Hatirlatici.h"
#include "reminders/HatirlatmaFormu.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

using namespace AnaFormTest;

namespace {
const QDate Bugün(2026, 12, 6);

// The other computer's connection to the database this program has open.
std::shared_ptr<Veritabanı> ikinciBilgisayar() {
    return Veritabanı::OpenDatabase(AçıkVeritabanı::al().yol());
}

// B changes one field of a job the way its entry window stores it.
void değiştir(Veritabanı& vt, qint64 isNo, const char* alan, const QVariant& değer) {
    auto k = vt.OpenRecordset(Deyim::J8(qint32(isNo)));
    k->Edit();
    k->alanYaz(QString::fromLatin1(alan), değer);
    k->Update();
}

QString alanı(qint64 isNo, const char* alan) {
    return ilkAlan(Deyim::J8(qint32(isNo)), QString::fromLatin1(alan)).toString();
}

// The next entry window shown gets the handler.
void girişte(std::function<void(İşEklemeDeğiştirmeFormu*)> iş) {
    ModalTest::sıradaki([iş](QDialog* d) { iş(dynamic_cast<İşEklemeDeğiştirmeFormu*>(d)); });
}
} // namespace

class IkiBilgisayarTest : public QObject {
    Q_OBJECT
    std::shared_ptr<Veritabanı> b;

private slots:
    void init() {
        TestOrtami::sıfırla();
        ProgramSaati::ayarla(QDateTime(Bugün, QTime(14, 35)));
        if (yeniVeritabanı().isEmpty())
            return;
        b = ikinciBilgisayar();
    }
    void cleanup() { b.reset(); }

    // A changes a job in the entry window while B changes it too. A field only one side
    // changed is kept whatever A answers; for a field both changed A chooses (Yes: A's, No:
    // B's), or goes back to the window (Cancel) with nothing stored.
    void staleEditAsksAndMerges_data() {
        QTest::addColumn<bool>("ikisiDe");
        QTest::addColumn<int>("yanıt");
        QTest::addColumn<QString>("açıklama");
        QTest::addColumn<QString>("yer");
        QTest::newRow("B only") << false << int(QMessageBox::Yes) << "B notu"
                                << "Büro";
        QTest::newRow("B only, back") << false << int(QMessageBox::No) << "B notu"
                                      << "Adliye";
        QTest::newRow("both, mine") << true << int(QMessageBox::Yes) << "A notu"
                                    << "Büro";
        QTest::newRow("both, theirs") << true << int(QMessageBox::No) << "B notu"
                                      << "Büro";
        QTest::newRow("both, back") << true << int(QMessageBox::Cancel) << "B notu"
                                    << "Adliye";
    }
    void staleEditAsksAndMerges() {
        QFETCH(bool, ikisiDe);
        QFETCH(int, yanıt);
        QFETCH(QString, açıklama);
        QFETCH(QString, yer);
        klasörEkle("1-Anahtar", "Klasor", "Davalar");
        const qint64 no = işEkle("1-Anahtar", Bugün.addDays(1), QTime(10, 0), "Duruşma", true,
                                 false, "Adliye", "", "İlk not");
        auto form = yeniForm();
        düğümTıkla(*form, "1-Anahtar");
        const bool geri = yanıt != QMessageBox::Yes && (yanıt == QMessageBox::Cancel || !ikisiDe);
        girişte([&](İşEklemeDeğiştirmeFormu* f) {
            değiştir(*b, no, "Aciklama", "B notu");
            f->işinYeriKutusu()->setEditText("Büro");
            if (ikisiDe)
                f->açıklamaKutusu()->setPlainText("A notu");
            MesajKutusuTest::yanıtla(QMessageBox::StandardButton(yanıt));
            f->KaydetDüğmesi_Click();
            QCOMPARE(f->isVisible(), geri);
            if (geri) {
                QCOMPARE(f->işinYeriKutusu()->currentText(), QString("Büro"));
                f->VazgeçDüğmesi_Click();
            }
        });
        form->DeğişiklikYapMenüsü1->trigger();
        const MesajKaydı soru = MesajKutusuTest::son();
        QVERIFY(soru.metin.contains("Açıklama: \"İlk not\" yerine \"B notu\""));
        QCOMPARE(soru.metin.contains("sizin girdiğiniz: \"A notu\""), ikisiDe);
        QCOMPARE(soru.düğmeler.testFlag(QMessageBox::Cancel), ikisiDe);
        QCOMPARE(alanı(no, "Aciklama"), açıklama);
        QCOMPARE(alanı(no, "IsinYeri"), yer);
        QCOMPARE(sütun(*form, 5), QStringList{geri ? "İlk not" : açıklama});
    }

    // A folder B deleted takes no job from A: neither a new one typed into it (the window
    // keeps what was typed) nor one dragged onto it. A is told, and the tree shows the file.
    void deletedFolderTakesNoJob() {
        klasörEkle("1-Anahtar", "Klasor", "Davalar");
        klasörEkle("2-Anahtar", "Klasor", "Miras İşleri");
        klasörEkle("3-Anahtar", "Klasor", "İcra");
        const qint64 no = işEkle("1-Anahtar", Bugün.addDays(1), QTime(10, 0), "Duruşma", true);
        auto form = yeniForm();
        düğümTıkla(*form, "1-Anahtar");
        Klasörler::sil(*b, "2-Anahtar");
        MesajKutusuTest::yanıtla(QMessageBox::Yes);
        ağacaBırak(*form, düğüm(*form, "2-Anahtar"));
        QVERIFY(MesajKutusuTest::son().metin.contains("başka bir bilgisayardan silinmiş"));
        QCOMPARE(alanı(no, "Anahtari"), QString("1-Anahtar"));
        QVERIFY(!form->KlasörListesi->anahtarlıDüğüm("2-Anahtar"));
        QCOMPARE(form->seçiliKlasörAnahtarı(), QString("1-Anahtar"));

        düğümTıkla(*form, "3-Anahtar");
        Klasörler::sil(*b, "3-Anahtar");
        girişte([](İşEklemeDeğiştirmeFormu* f) {
            f->işinTarihiKutusu()->setText("07.12.2026");
            f->saatKutusu()->setCurrentIndex(9);
            f->işinKonusuKutusu()->setEditText("Keşif");
            f->KaydetDüğmesi_Click();
            QVERIFY(MesajKutusuTest::son().metin.contains("başka bir bilgisayardan silinmiş"));
            QVERIFY(f->düzenlemedeMi());
            QCOMPARE(f->işinKonusuKutusu()->currentText(), QString("Keşif"));
            f->VazgeçDüğmesi_Click();
            f->KapatDüğmesi_Click();
        });
        form->YeniİşEkleMenüsü1->trigger();
        QCOMPARE(satırSayısı(Deyim::J2()), 1);
        QVERIFY(!form->KlasörListesi->anahtarlıDüğüm("3-Anahtar"));
    }

    // Every update of the reminder window and the main window finds the job as it was shown,
    // or tells A and shows the file again: putting off a job B has done changes nothing and
    // does not close the window as if the job came back; deleting a job B deleted leaves the
    // status count right; a move of a job B changed moves nothing.
    void updatesCheckTheShownRow() {
        klasörEkle("1-Anahtar", "Klasor", "Davalar");
        klasörEkle("2-Anahtar", "Klasor", "İcra");
        const qint64 due = işEkle("1-Anahtar", Bugün, QTime(14, 0), "Duruşma", true);
        const qint64 silinen = işEkle("1-Anahtar", Bugün.addDays(1), QTime(9, 0), "Keşif");
        const qint64 taşınan = işEkle("1-Anahtar", Bugün.addDays(2), QTime(9, 0), "Bilirkişi");
        auto form = yeniForm();
        düğümTıkla(*form, "1-Anahtar");
        ModalTest::sıradaki([&](QDialog* d) {
            auto* h = dynamic_cast<HatırlatmaFormu*>(d);
            b->Execute(Deyim::J10(qint32(due)));
            h->İşSonucuSeçenekleri[1]->click();
            h->OnaylaDüğmesi->click();
            QVERIFY(MesajKutusuTest::son().metin.contains("YAPILDI olarak işaretlenmiş"));
            QVERIFY(!h->isVisible());
        });
        form->YapılacakİşKontrolü->tik();
        QCOMPARE(ilkAlan(Deyim::J8(qint32(due)), "IsinSaati").toTime(), QTime(14, 0));
        QCOMPARE(form->işModeli->simge(form->işModeli->isNoSatırı(due)), 3);

        b->Execute(Deyim::J6(qint32(silinen)));
        form->işSatırıSeç(form->işModeli->isNoSatırı(silinen) + 1);
        MesajKutusuTest::yanıtla(QMessageBox::Yes);
        form->İşiSil();
        QVERIFY(MesajKutusuTest::son().metin.contains("silinmiş"));
        QCOMPARE(form->Panel[2]->text(), QString("   2 iş listelendi"));

        değiştir(*b, taşınan, "IsinKonusu", "Bilirkişi raporu");
        form->işSatırıSeç(form->işModeli->isNoSatırı(taşınan) + 1);
        MesajKutusuTest::yanıtla(QMessageBox::Yes);
        ağacaBırak(*form, düğüm(*form, "2-Anahtar"));
        QVERIFY(MesajKutusuTest::son().metin.contains("başka bir bilgisayarda değiştirilmiş"));
        QCOMPARE(alanı(taşınan, "Anahtari"), QString("1-Anahtar"));
        QVERIFY(sütun(*form, 2).contains("Bilirkişi raporu"));

        // Any one column, the icon or the folder key differing makes it another row.
        const İşSatırı g{"07.12.2026", "09:00:00", "a", "b", "c", "d", "5", 1, "1-Anahtar"};
        QVERIFY(İşDenetimi::gösterildiğiGibiMi(g, g));
        for (int i = 0; i < 9; ++i) {
            İşSatırı d = g;
            QString* alanlar[] = {&d.tarih,    &d.saat, &d.konu, &d.yer,    &d.sayı,
                                  &d.açıklama, &d.isNo, nullptr, &d.anahtar};
            alanlar[i] ? void(*alanlar[i] += u'x') : void(d.simge = 3);
            QVERIFY2(!İşDenetimi::gösterildiğiGibiMi(g, d), qPrintable(QString::number(i)));
        }
        // A field both computers changed to the same value leaves nothing to choose.
        İşBirleştirme::Değerler taban, aynı;
        aynı[İşBirleştirme::Açıklama] = "B notu";
        QVERIFY(!İşBirleştirme::çakışmaVar(taban, aynı, aynı));
    }

    // Folders added on both computers: each takes the next free key under the write lock, so
    // a computer whose counter is behind never fails on a key the other took.
    void foldersAddedOnBothComputers() {
        klasörEkle("1-Anahtar", "Klasor", "Davalar");
        auto form = yeniForm();
        AnahtarSayacı sayaçB;
        QCOMPARE(Klasörler::ekle(*b, sayaçB, "Klasor"), QString("2-Anahtar"));
        for (int i = 0; i < 5; ++i) // more keys than a retry could skip
            Klasörler::ekle(*b, sayaçB, "1-Anahtar");
        form->YeniKlasörEkle();
        QVERIFY(MesajKutusuTest::kayıtlar().isEmpty());
        QCOMPARE(form->seçiliKlasörAnahtarı(), QString("8-Anahtar"));
        QCOMPARE(satırSayısı(Deyim::F1()), 8);
        // No sub-folder goes under a folder deleted elsewhere.
        Klasörler::sil(*b, "2-Anahtar");
        QCOMPARE(hataNumarası([&] { Klasörler::ekle(*b, sayaçB, "2-Anahtar"); }), 3201);
        QCOMPARE(satırSayısı(Deyim::F1()), 7);
    }
};

TARVELA_TEST_MAIN(IkiBilgisayarTest)
#include "IkiBilgisayarTest.moc"
