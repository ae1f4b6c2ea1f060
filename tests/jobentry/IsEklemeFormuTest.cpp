#include "TestOrtami.h"

#include "controls/HataBildirici.h"
#include "controls/MesajKutusu.h"
#include "controls/Modal.h"
#include "controls/ProgramSaati.h"
#include "database/Deyimler.h"
#include "database/Veritabani.h"
#include "database/VeritabaniKurulumu.h"
#include "jobentry/IsEklemeDegistirmeFormu.h"
#include "jobentry/IsGirisi.h"
#include "jobentry/TakvimFormu.h"
#include "mainwindow/AnaFormArayuzu.h"
#include "settings/AyarDeposu.h"
#include "settings/Tercihler.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {
// Stands in for the main window: a folder selected in the tree and a job list of some rows.
class AnaFormYerine : public AnaFormArayüzü {
public:
    QWidget kendisi;
    QString anahtar = QStringLiteral("3-Anahtar");
    int tıklama = 0;
    int satırSayısı = 0;
    QList<int> seçilenSatırlar;

    QWidget* pencere() override { return &kendisi; }
    void KlasörleriYükle() override {}
    void klasörAğacınıBoşalt() override {}
    QString seçiliKlasörAnahtarı() const override { return anahtar; }
    QString seçiliKlasörAdı() const override { return QStringLiteral("Davalar"); }
    void seçiliKlasörüTıkla() override { ++tıklama; }
    int işSatırSayısı() const override { return satırSayısı; }
    void işSatırıSeç(int sıra) override { seçilenSatırlar << sıra; }
    void durumYaz(int, const QString&) override {}
    void BildirimAlanınaSimgeEkle() override {}
    void BildirimAlanındanSimgeyiSil() override {}
    void programıKapat() override {}
};

using Form = İşEklemeDeğiştirmeFormu;

// The entry window as the user meets it: shown and active.
Form* form(QDialog* d) {
    d->activateWindow();
    if (!QTest::qWaitForWindowActive(d))
        qWarning("giriş penceresi etkin değil");
    return dynamic_cast<Form*>(d);
}

// Key presses for each character, Turkish letters included.
void tuşla(QWidget* kutu, const QString& metin) {
    for (QChar c : metin) {
        if (c.unicode() < 128)
            QTest::keyClick(kutu, c.toLatin1());
        else
            QTest::sendKeyEvent(QTest::Click, kutu, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

void yaz(QWidget* kutu, const QString& metin) {
    kutu->setFocus();
    tuşla(kutu, metin);
}

void tıkla(QWidget* w) {
    QTest::mouseClick(w, Qt::LeftButton);
}

struct İş {
    QString anahtar, konu, yer, sayı, açıklama;
    QDate tarih;
    QTime saat;
    bool hatırlatma = false, yapıldı = false;
    qint64 no = 0;
};

QList<İş> işler() {
    QList<İş> sonuç;
    auto k =
        AçıkVeritabanı::al().OpenRecordset(QStringLiteral("SELECT * FROM YapilacakIslerTablosu"));
    for (; !k->Eof(); k->MoveNext())
        sonuç << İş{k->alan("Anahtari").toString(), k->alan("IsinKonusu").toString(),
                    k->alan("IsinYeri").toString(), k->alan("IsinSayisi").toString(),
                    k->alan("Aciklama").toString(), k->alan("IsinTarihi").toDate(),
                    k->alan("IsinSaati").toTime(),  k->alan("Hatirlatma").toBool(),
                    k->alan("IsYapildi").toBool(),  k->alan("IsNo").toLongLong()};
    return sonuç;
}

qint64 işEkle(const QString& tarih, const QString& saat, const QString& konu, bool yapıldı) {
    auto k = AçıkVeritabanı::al().OpenRecordset(Deyim::J7());
    k->AddNew();
    k->alanYaz("Anahtari", "5-Anahtar");
    k->alanYaz("IsinTarihi", tarih);
    k->alanYaz("IsinSaati", saat);
    k->alanYaz("IsinKonusu", konu);
    k->alanYaz("IsYapildi", yapıldı);
    k->alanYaz("Hatirlatma", false);
    k->Update();
    k->Close();
    return işler().last().no;
}

QStringList liste(QComboBox* kutu) {
    QStringList s;
    for (int i = 0; i < kutu->count(); ++i)
        s << kutu->itemText(i);
    return s;
}

QStringList mesajlar() {
    QStringList s;
    for (const auto& k : MesajKutusuTest::kayıtlar())
        s << k.metin;
    return s;
}

const QString KonuMesajı = QStringLiteral("İşin konusu EN FAZLA 20 karakter olabilir!");
const QString HatırlatmaSorusu =
    QStringLiteral("'İŞ HATIRLATILSIN' seçeneğini işaretlemezseniz bu iş hatırlatılmaz!\r\n\r\n"
                   "Bu işin hatırlatılmasını istemediğinizden emin misiniz?");
} // namespace

class IsEklemeFormuTest : public QObject {
    Q_OBJECT
    AnaFormYerine ana;

    void ekle(const std::function<void(Form*)>& iş) {
        ModalTest::sıradaki([iş](QDialog* d) { iş(form(d)); });
        İşEklemeyiAç(ana.pencere(), "Yapılacak İş Ekleme (Davalar)");
    }
    void değiştir(const İşSatırı& satır, const std::function<void(Form*)>& iş) {
        ModalTest::sıradaki([iş](QDialog* d) { iş(form(d)); });
        İşDeğiştirmeyiAç(ana.pencere(), satır, "Yapılacak İşi Değiştirme (Davalar)");
    }

private slots:
    void initTestCase() {
        const QString dosya = TestOrtami::şimdiki().veritabanıKlasörü() + "/Lodra.vtb";
        VeritabanıKurulumu::oluştur(dosya);
        AçıkVeritabanı::ayarla(Veritabanı::OpenDatabase(dosya));
        anaFormuAyarla(&ana);
    }
    void init() {
        TestOrtami::sıfırla();
        ProgramSaati::ayarla(QDateTime(QDate(2026, 12, 6), QTime(14, 35, 20)));
        AçıkVeritabanı::al().Execute("DELETE * FROM YapilacakIslerTablosu");
        tercihler().girişlerSaklansın = 1;
        tercihler().saklanacakGirişSayısı = 3;
        tercihler().ilkHarflerBüyük = 1;
        ana.tıklama = 0;
        ana.satırSayısı = 0;
        ana.seçilenSatırlar.clear();
        düzenlenenSatır() = 0;
    }
    void cleanupTestCase() { anaFormuAyarla(nullptr); }

    void addModeSavesAndStaysOpen() {
        ekle([this](Form* f) {
            QCOMPARE(f->windowTitle(), QString("Yapılacak İş Ekleme (Davalar)"));
            QVERIFY(f->hatırlatmaVarOnayı()->isChecked());
            QVERIFY(!f->işYapıldıOnayı()->isEnabled());
            QVERIFY(f->kaydetDüğmesi()->isVisible() && !f->kapatDüğmesi()->isEnabled());
            yaz(f->işinTarihiKutusu(), "7a/12x/2026");
            f->saatKutusu()->setFocus();
            QCOMPARE(f->işinTarihiKutusu()->text(), QString("07.12.2026"));
            f->saatKutusu()->setCurrentIndex(9);
            yaz(f->işinKonusuKutusu(), "o'nun davası");
            yaz(f->işinYeriKutusu(), "  kadıköy adliyesi ");
            yaz(f->işinSayısıKutusu(), "2026/15 e.");
            yaz(f->açıklamaKutusu(), " tanık 'Ali' gelecek ");
            tıkla(f->kaydetDüğmesi());
            QCOMPARE(MesajKutusuTest::kayıtlar().size(), 0);

            // Resting: empty closed boxes, the new-job button, Close usable; still open.
            QVERIFY(f->isVisible());
            QVERIFY(f->yeniİşEkleDüğmesi()->isVisible() && !f->kaydetDüğmesi()->isVisible());
            QVERIFY(f->kapatDüğmesi()->isEnabled() && !f->vazgeçDüğmesi()->isEnabled());
            QVERIFY(f->işinTarihiKutusu()->text().isEmpty() && !f->işinTarihiKutusu()->isEnabled());
            QCOMPARE(f->saatKutusu()->currentIndex(), -1);
            QVERIFY(f->işinKonusuKutusu()->currentText().isEmpty());
            QVERIFY(!f->hatırlatmaVarOnayı()->isChecked() && !f->hatırlatmaVarOnayı()->isEnabled());
            QCOMPARE(ana.tıklama, 1);
            QCOMPARE(liste(f->işinKonusuKutusu()), QStringList({"O’nun Davası"}));

            // The next job starts empty, without the reminder tick.
            tıkla(f->yeniİşEkleDüğmesi());
            QVERIFY(f->düzenlemedeMi());
            QVERIFY(f->işinTarihiKutusu()->isEnabled() && f->işinTarihiKutusu()->text().isEmpty());
            QVERIFY(!f->hatırlatmaVarOnayı()->isChecked());
            tıkla(f->vazgeçDüğmesi());
            tıkla(f->kapatDüğmesi());
            QVERIFY(!f->isVisible());
        });
        const auto kayıtlı = işler();
        QCOMPARE(kayıtlı.size(), 1);
        const İş& iş = kayıtlı.first();
        QCOMPARE(iş.anahtar, QString("3-Anahtar"));
        QCOMPARE(iş.tarih, QDate(2026, 12, 7));
        QCOMPARE(iş.saat, QTime(9, 0));
        QCOMPARE(iş.konu, QString("O’nun Davası"));
        QCOMPARE(iş.yer, QString("Kadıköy Adliyesi"));
        QCOMPARE(iş.sayı, QString("2026/15 E."));
        QCOMPARE(iş.açıklama, QString("tanık ’Ali’ gelecek"));
        QVERIFY(iş.hatırlatma && !iş.yapıldı);
        QCOMPARE(AyarDeposu::GetSetting("Yapilacak Is Bilgileri\\Yerler", "Sira-1"),
                 QString("Kadıköy Adliyesi"));
    }

    void saveChecksInOrder() {
        ekle([](Form* f) {
            auto beklenen = [](const QString& metin, QMessageBox::Icon simge,
                               QMessageBox::StandardButton varsayılan) {
                const MesajKaydı m = MesajKutusuTest::son();
                QCOMPARE(m.metin, metin);
                QCOMPARE(m.simge, simge);
                QCOMPARE(m.başlık, QString("Tarvela"));
                QCOMPARE(m.varsayılan, varsayılan);
                MesajKutusuTest::temizle();
            };
            const auto bilgi = QMessageBox::Information;
            const auto soru = QMessageBox::Question;

            tıkla(f->kaydetDüğmesi());
            beklenen("Lütfen, işin TARİHİNİ giriniz!", bilgi, QMessageBox::NoButton);
            QCOMPARE(f->focusWidget(), f->işinTarihiKutusu());

            yaz(f->işinTarihiKutusu(), "5.12.2026");
            MesajKutusuTest::yanıtla(QMessageBox::No);
            tıkla(f->kaydetDüğmesi());
            beklenen("GEÇMİŞ TARİHLİ iş girmek istiyor musunuz?", soru, QMessageBox::Yes);
            QCOMPARE(f->focusWidget(), f->işinTarihiKutusu());

            MesajKutusuTest::yanıtla(QMessageBox::Yes);
            tıkla(f->kaydetDüğmesi());
            QCOMPARE(mesajlar(), QStringList({"GEÇMİŞ TARİHLİ iş girmek istiyor musunuz?",
                                              "Lütfen, işin SAATİNİ giriniz!"}));
            QCOMPARE(f->focusWidget(), f->saatKutusu());
            MesajKutusuTest::temizle();

            // Today at 14:35:20 a job at 14:35 lies in the past; the minute defaults to 00.
            f->işinTarihiKutusu()->setText("06.12.2026");
            f->saatKutusu()->setCurrentIndex(14);
            MesajKutusuTest::yanıtla(QMessageBox::No);
            tıkla(f->kaydetDüğmesi());
            QCOMPARE(f->dakikaKutusu()->currentText(), QString("00"));
            beklenen("GEÇMİŞ ZAMANLI iş girmek istiyor musunuz?", soru, QMessageBox::Yes);
            f->dakikaKutusu()->setCurrentIndex(35);
            MesajKutusuTest::yanıtla(QMessageBox::No);
            tıkla(f->kaydetDüğmesi());
            beklenen("GEÇMİŞ ZAMANLI iş girmek istiyor musunuz?", soru, QMessageBox::Yes);
            QCOMPARE(f->focusWidget(), f->saatKutusu());

            // At 14:36 there is no question.
            f->dakikaKutusu()->setCurrentIndex(36);
            tıkla(f->kaydetDüğmesi());
            beklenen("Lütfen, işin KONUSUNU giriniz!", bilgi, QMessageBox::NoButton);
            QCOMPARE(f->focusWidget(), f->işinKonusuKutusu());

            yaz(f->işinKonusuKutusu(), "Keşif");
            QTest::mouseClick(f->hatırlatmaVarOnayı(), Qt::LeftButton, {},
                              QPoint(5, f->hatırlatmaVarOnayı()->height() / 2));
            QVERIFY(!f->hatırlatmaVarOnayı()->isChecked());
            // Enter answers the reminder question with its default, No.
            tıkla(f->kaydetDüğmesi());
            beklenen(HatırlatmaSorusu, soru, QMessageBox::No);
            QVERIFY(f->düzenlemedeMi());
            QCOMPARE(f->focusWidget(), f->hatırlatmaVarOnayı());
            QVERIFY(işler().isEmpty());

            MesajKutusuTest::yanıtla(QMessageBox::Yes);
            tıkla(f->kaydetDüğmesi());
            QVERIFY(!f->düzenlemedeMi());
        });
        const auto kayıtlı = işler();
        QCOMPARE(kayıtlı.size(), 1);
        QCOMPARE(kayıtlı.first().saat, QTime(14, 36));
        QVERIFY(!kayıtlı.first().hatırlatma && !kayıtlı.first().yapıldı);
    }

    void typingLimitsAndLeavingChecks() {
        ekle([](Form* f) {
            QComboBox* konu = f->işinKonusuKutusu();
            yaz(konu, "abcdefghijklmnopqrstuvwxyz");
            QCOMPARE(konu->currentText(), QString("abcdefghijklmnopqrst"));
            QTest::keyClick(konu, Qt::Key_Backspace);
            tuşla(konu, "XY");
            QCOMPARE(konu->currentText(), QString("abcdefghijklmnopqrsX"));
            konu->lineEdit()->selectAll();
            tuşla(konu, "z");
            QCOMPARE(konu->currentText(), QString("abcdefghijklmnopqrsX"));

            // A pasted text longer than the limit is cut on leaving, with the message.
            konu->lineEdit()->clear();
            konu->lineEdit()->insert("yirmi beş karakterlik ko");
            QCOMPARE(konu->currentText().size(), 24);
            f->işinYeriKutusu()->setFocus();
            QCOMPARE(mesajlar(), QStringList({KonuMesajı}));
            QCOMPARE(konu->currentText(), QString("Yirmi Beş Karakterli"));
            QCOMPARE(f->focusWidget(), konu);
            MesajKutusuTest::temizle();

            f->işinYeriKutusu()->lineEdit()->insert(QString(31, u'y'));
            f->işinSayısıKutusu()->lineEdit()->insert(QString(13, u'1'));
            for (QComboBox* kutu : {f->işinYeriKutusu(), f->işinSayısıKutusu()}) {
                kutu->setFocus();
                f->açıklamaKutusu()->setFocus();
                QCOMPARE(f->focusWidget(), kutu);
            }
            QCOMPARE(mesajlar(), QStringList({"İşin yeri EN FAZLA 30 karakter olabilir!",
                                              "İşin sayısı EN FAZLA 12 karakter olabilir!"}));
            QCOMPARE(f->işinYeriKutusu()->currentText().size(), 30);
            QCOMPARE(f->işinSayısıKutusu()->currentText(), QString(12, u'1'));
            MesajKutusuTest::temizle();

            // The date box takes figures and separators only and rewrites any separator.
            for (const QString& yazılan : QStringList{"5.12.2026", "5/12/2026", "5-12-2026"}) {
                f->işinTarihiKutusu()->clear();
                yaz(f->işinTarihiKutusu(), yazılan);
                f->saatKutusu()->setFocus();
                QCOMPARE(f->işinTarihiKutusu()->text(), QString("05.12.2026"));
            }
            f->işinTarihiKutusu()->clear();
            yaz(f->işinTarihiKutusu(), "abc31.02.2026");
            QCOMPARE(f->işinTarihiKutusu()->text(), QString("31.02.2026"));
            f->saatKutusu()->setFocus();
            QCOMPARE(mesajlar(), QStringList({"Lütfen, TARİHİ doğru biçimde giriniz."}));
            QCOMPARE(f->focusWidget(), f->işinTarihiKutusu());
            QCoreApplication::processEvents();
            QCOMPARE(f->işinTarihiKutusu()->selectedText(), QString("31.02.2026"));
            // Cancelling does not check the date.
            tıkla(f->vazgeçDüğmesi());
            QCOMPARE(MesajKutusuTest::kayıtlar().size(), 1);
        });
    }

    void focusMarkingAndEnter() {
        ekle([](Form* f) {
            const QColor koyuKırmızı(128, 0, 0);
            f->işinTarihiKutusu()->setFocus();
            QCOMPARE(f->etiket(0)->palette().color(QPalette::WindowText), koyuKırmızı);
            QTest::keyClick(f->işinTarihiKutusu(), Qt::Key_Return);
            QCOMPARE(f->focusWidget(), f->tarihiTakvimdenSeçDüğmesi());
            QVERIFY(f->etiket(0)->palette().color(QPalette::WindowText) != koyuKırmızı);
            f->dakikaKutusu()->setFocus();
            QCOMPARE(f->etiket(1)->palette().color(QPalette::WindowText), koyuKırmızı);
            QTest::keyClick(f->dakikaKutusu(), Qt::Key_Enter);
            QCOMPARE(f->focusWidget(), f->işinKonusuKutusu());
            QCOMPARE(f->etiket(2)->palette().color(QPalette::WindowText), koyuKırmızı);
            f->açıklamaKutusu()->setFocus();
            tuşla(f->açıklamaKutusu(), "bir");
            QTest::keyClick(f->açıklamaKutusu(), Qt::Key_Return, Qt::ShiftModifier);
            tuşla(f->açıklamaKutusu(), "iki");
            QTest::keyClick(f->açıklamaKutusu(), Qt::Key_Return);
            QCOMPARE(f->açıklamaKutusu()->toPlainText(), QString("bir\niki"));
            QCOMPARE(f->focusWidget(), f->hatırlatmaVarOnayı());
            // The done box is closed in add mode: Enter on the remind box skips to Save.
            QTest::keyClick(f->hatırlatmaVarOnayı(), Qt::Key_Return);
            QCOMPARE(f->focusWidget(), f->kaydetDüğmesi());
            QVERIFY(f->düzenlemedeMi());
            QVERIFY(MesajKutusuTest::kayıtlar().isEmpty());
        });
    }

    void closingIsRefusedWhileEditing() {
        ekle([](Form* f) {
            f->close();
            QVERIFY(f->isVisible());
            QTest::keyClick(f, Qt::Key_Escape);
            QVERIFY(f->isVisible());
            tıkla(f->vazgeçDüğmesi());
            QVERIFY(f->isVisible() && !f->düzenlemedeMi());
            QTest::keyClick(f, Qt::Key_Escape);
            QVERIFY(!f->isVisible());
        });
        ekle([](Form* f) {
            tıkla(f->vazgeçDüğmesi());
            f->close();
            QVERIFY(!f->isVisible());
        });
    }

    void changeModeWritesTheJobAndCloses() {
        const qint64 no = işEkle("01.12.2026", "08:15", "Duruşma", true);
        İşSatırı satır{"01.12.2026", "08:15:00",          "Duruşma", "Adliye", "2026/1",
                       "not",        QString::number(no), 3,         {}};
        ana.satırSayısı = 4;
        düzenlenenSatır() = 3;
        değiştir(satır, [](Form* f) {
            QCOMPARE(f->windowTitle(), QString("Yapılacak İşi Değiştirme (Davalar)"));
            QCOMPARE(f->işinTarihiKutusu()->text(), QString("01.12.2026"));
            QCOMPARE(f->saatKutusu()->currentText(), QString("08"));
            QCOMPARE(f->dakikaKutusu()->currentText(), QString("15"));
            QCOMPARE(f->işinYeriKutusu()->currentText(), QString("Adliye"));
            QCOMPARE(f->açıklamaKutusu()->toPlainText(), QString("not"));
            // A done job comes back with the done box cleared but open to ticking.
            QVERIFY(f->işYapıldıOnayı()->isEnabled() && !f->işYapıldıOnayı()->isChecked());
            QVERIFY(!f->hatırlatmaVarOnayı()->isChecked());
            QTest::mouseClick(f->işYapıldıOnayı(), Qt::LeftButton, {},
                              QPoint(5, f->işYapıldıOnayı()->height() / 2));
            f->işinKonusuKutusu()->lineEdit()->clear();
            yaz(f->işinKonusuKutusu(), "duruşma ertelendi");
            tıkla(f->kaydetDüğmesi());
        });
        // Done: neither the past date nor the missing reminder asks anything.
        QVERIFY(MesajKutusuTest::kayıtlar().isEmpty());
        QCOMPARE(ana.tıklama, 1);
        QCOMPARE(ana.seçilenSatırlar, QList<int>({3}));
        QVERIFY(!İşGirişFormu().isVisible());
        const İş iş = işler().first();
        QCOMPARE(iş.konu, QString("Duruşma Ertelendi"));
        QCOMPARE(iş.anahtar, QString("5-Anahtar"));
        QVERIFY(iş.yapıldı && !iş.hatırlatma);

        // Saved again without the tick, the job is no longer done; the list got shorter.
        ana.satırSayısı = 2;
        MesajKutusuTest::yanıtla({QMessageBox::Yes, QMessageBox::Yes});
        değiştir(satır, [](Form* f) { tıkla(f->kaydetDüğmesi()); });
        QCOMPARE(mesajlar(),
                 QStringList({"GEÇMİŞ TARİHLİ iş girmek istiyor musunuz?", HatırlatmaSorusu}));
        QVERIFY(!işler().first().yapıldı);
        QCOMPARE(ana.seçilenSatırlar, QList<int>({3, 2}));

        // Cancelling in change mode closes too and selects the edited row.
        ana.satırSayısı = 4;
        değiştir(satır, [](Form* f) { tıkla(f->vazgeçDüğmesi()); });
        QCOMPARE(ana.seçilenSatırlar, QList<int>({3, 2, 3}));
        QCOMPARE(ana.tıklama, 2);
    }

    void databaseErrorKeepsWhatWasTyped() {
        const qint64 no = işEkle("10.12.2026", "10:00", "Keşif", false);
        AçıkVeritabanı::al().Execute(Deyim::J6(static_cast<qint32>(no)));
        İşSatırı silinmiş{"10.12.2026", "10:00:00",          "Keşif", "", "",
                          "",           QString::number(no), 1,       {}};
        MesajKutusuTest::yanıtla(QMessageBox::Yes);
        değiştir(silinmiş, [](Form* f) {
            tıkla(f->kaydetDüğmesi());
            const MesajKaydı m = MesajKutusuTest::son();
            QCOMPARE(m.başlık, QString("Hata oluştu!"));
            QVERIFY(m.metin.contains("Hata Kodu: 3021"));
            QVERIFY(f->isVisible() && f->düzenlemedeMi());
            QCOMPARE(f->işinKonusuKutusu()->currentText(), QString("Keşif"));
            QCOMPARE(f->işinTarihiKutusu()->text(), QString("10.12.2026"));
            QVERIFY(f->hatırlatmaVarOnayı()->isChecked());
            tıkla(f->vazgeçDüğmesi());
        });
        QVERIFY(!ProgramSonu::sonlandıMı());
        QCOMPARE(ana.tıklama, 0);

        // The reminder window coming up over a job being typed cannot take the window away.
        ekle([&](Form* f) {
            yaz(f->işinKonusuKutusu(), "Yarım");
            İşDeğiştirmeyiAç(ana.pencere(), silinmiş, "Yapılacak İşi Değiştirme", true);
            QVERIFY2(MesajKutusuTest::son().metin.startsWith("İş giriş penceresi zaten açık."),
                     qPrintable(MesajKutusuTest::son().metin));
            QVERIFY(f->isVisible() && f->düzenlemedeMi());
            QCOMPARE(f->işinKonusuKutusu()->currentText(), QString("Yarım"));
            QCOMPARE(f->kipEtiketi(), QString("Ekle"));
            QVERIFY(!(f->windowFlags() & Qt::WindowStaysOnTopHint));
        });

        // With the database gone, a new job stays on screen as well.
        auto açık = std::shared_ptr<Veritabanı>(
            Veritabanı::OpenDatabase(TestOrtami::şimdiki().veritabanıKlasörü() + "/Lodra.vtb"));
        AçıkVeritabanı::kapat();
        MesajKutusuTest::yanıtla(QMessageBox::Yes);
        ekle([](Form* f) {
            yaz(f->işinTarihiKutusu(), "08.12.2026");
            f->saatKutusu()->setCurrentIndex(11);
            yaz(f->işinKonusuKutusu(), "Toplantı");
            tıkla(f->kaydetDüğmesi());
            QCOMPARE(MesajKutusuTest::son().başlık, QString("Hata oluştu!"));
            QVERIFY(f->düzenlemedeMi());
            QCOMPARE(f->işinKonusuKutusu()->currentText(), QString("Toplantı"));
            tıkla(f->vazgeçDüğmesi());
        });
        AçıkVeritabanı::ayarla(açık);
        QVERIFY(işler().isEmpty());
    }

    void historiesFollowTheCap() {
        AyarDeposu::SaveSetting("Yapilacak Is Bilgileri\\Konular", "Sira-1", "A");
        AyarDeposu::SaveSetting("Yapilacak Is Bilgileri\\Konular", "Sira-2", "B");
        ekle([](Form* f) {
            QCOMPARE(liste(f->işinKonusuKutusu()), QStringList({"A", "B"}));
            for (const QString& konu : QStringList{"X", "b", "Y"}) {
                if (!f->düzenlemedeMi())
                    tıkla(f->yeniİşEkleDüğmesi());
                yaz(f->işinTarihiKutusu(), "20.12.2026");
                f->saatKutusu()->setCurrentIndex(10);
                yaz(f->işinKonusuKutusu(), konu);
                f->hatırlatmaVarOnayı()->setChecked(true);
                tıkla(f->kaydetDüğmesi());
                if (konu == QLatin1String("X")) {
                    QCOMPARE(liste(f->işinKonusuKutusu()), QStringList({"X", "A", "B"}));
                    QCOMPARE(AyarDeposu::GetSetting("Yapilacak Is Bilgileri\\Konular", "Sira-3"),
                             QString("X"));
                }
            }
            QCOMPARE(liste(f->işinKonusuKutusu()), QStringList({"Y", "X", "A"}));
            // Empty places and numbers are never remembered.
            QCOMPARE(f->işinYeriKutusu()->count(), 0);
        });
        QStringList saklanan;
        for (const auto& [a, d] : AyarDeposu::GetAllSettings("Yapilacak Is Bilgileri\\Konular"))
            saklanan << a + "=" + d;
        QCOMPARE(saklanan, QStringList({"Sira-1=Y", "Sira-2=X", "Sira-3=A"}));
        QVERIFY(AyarDeposu::GetAllSettings("Yapilacak Is Bilgileri\\Yerler").isEmpty());
        QCOMPARE(işler().size(), 3);

        // Not kept: nothing is shown or stored, and capitals are left alone when not wanted.
        tercihler().girişlerSaklansın = 0;
        tercihler().ilkHarflerBüyük = 0;
        ekle([](Form* f) {
            QCOMPARE(f->işinKonusuKutusu()->count(), 0);
            yaz(f->işinTarihiKutusu(), "20.12.2026");
            f->saatKutusu()->setCurrentIndex(10);
            yaz(f->işinKonusuKutusu(), "küçük harfli");
            tıkla(f->kaydetDüğmesi());
        });
        QCOMPARE(işler().last().konu, QString("küçük harfli"));
        QCOMPARE(AyarDeposu::GetAllSettings("Yapilacak Is Bilgileri\\Konular").size(), 3);
    }

    void calendarButtonPutsTheChosenDate() {
        ModalTest::sıradaki([](QDialog* d) {
            auto* f = form(d);
            yaz(f->işinTarihiKutusu(), "15.02.2027");
            tıkla(f->tarihiTakvimdenSeçDüğmesi());
            QCOMPARE(f->işinTarihiKutusu()->text(), QString("03.02.2027"));
            QCOMPARE(f->focusWidget(), f->işinTarihiKutusu());
            // Cancelling the calendar leaves the date as it was.
            tıkla(f->tarihiTakvimdenSeçDüğmesi());
            QCOMPARE(f->işinTarihiKutusu()->text(), QString("03.02.2027"));
        });
        ModalTest::sıradaki([](QDialog* d) {
            auto* t = dynamic_cast<TakvimFormu*>(d);
            QCOMPARE(t->SeçilenTarih, QString("15.02.2027"));
            QCOMPARE(t->parentWidget(), &İşGirişFormu());
            QVERIFY(!(t->windowFlags() & Qt::WindowStaysOnTopHint));
            QTest::mouseClick(t->günEtiketi(2), Qt::LeftButton);
            t->tamamDüğmesi()->click();
        });
        ModalTest::sıradaki(
            [](QDialog* d) { dynamic_cast<TakvimFormu*>(d)->iptalDüğmesi()->click(); });
        İşEklemeyiAç(ana.pencere(), "Yapılacak İş Ekleme (Davalar)");

        // Opened on top from the reminder window, the calendar starts on today and stays on top.
        İşSatırı satır{"", "10:00:00", "Keşif", "", "", "", "1", 1, {}};
        ModalTest::sıradaki([](QDialog* d) {
            QVERIFY(d->windowFlags() & Qt::WindowStaysOnTopHint);
            tıkla(form(d)->tarihiTakvimdenSeçDüğmesi());
        });
        ModalTest::sıradaki([](QDialog* d) {
            QVERIFY(d->windowFlags() & Qt::WindowStaysOnTopHint);
            QCOMPARE(dynamic_cast<TakvimFormu*>(d)->SeçilenTarih, QString("06.12.2026"));
        });
        İşDeğiştirmeyiAç(ana.pencere(), satır, "Yapılacak İşi Değiştirme", true);
        QVERIFY(!(İşGirişFormu().windowFlags() & Qt::WindowStaysOnTopHint));
        QVERIFY(İşGirişFormu().takvimDüğmesiEtiketi().isEmpty());
        QCOMPARE(ModalTest::gösterilenler(),
                 QStringList({"İşEklemeDeğiştirmeFormu", "TakvimFormu", "TakvimFormu",
                              "İşEklemeDeğiştirmeFormu", "TakvimFormu"}));
    }
};

TARVELA_TEST_MAIN(IsEklemeFormuTest)
#include "IsEklemeFormuTest.moc"
