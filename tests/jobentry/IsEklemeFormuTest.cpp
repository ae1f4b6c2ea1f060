#include "TestOrtami.h"

#include "../reminders/IsEkle.h"
#include "SahteAnaForm.h"
#include "controls/HataBildirici.h"
#include "controls/MesajKutusu.h"
#include "controls/Modal.h"
#include "controls/ProgramSaati.h"
#include "database/AnahtarSayaci.h"
#include "database/Klasorler.h"
#include "database/VeritabaniIc.h"
#include "database/VeritabaniKurulumu.h"
#include "jobentry/IsEklemeDegistirmeFormu.h"
#include "jobentry/IsGirisi.h"
#include "jobentry/TakvimFormu.h"
#include "settings/AyarDeposu.h"
#include "settings/Tercihler.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {
using Form = İşEklemeDeğiştirmeFormu;

// Key presses for each character, Turkish letters included.
void yaz(QWidget* kutu, const QString& metin) {
    kutu->setFocus();
    for (QChar c : metin) {
        if (c.unicode() < 128)
            QTest::keyClick(kutu, c.toLatin1());
        else
            QTest::sendKeyEvent(QTest::Click, kutu, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

void tıkla(QWidget* w) {
    QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(6, w->height() / 2));
}

// The stored jobs, each field by name.
QList<QVariantMap> işler() {
    QList<QVariantMap> sonuç;
    auto k = AçıkVeritabanı::al().OpenRecordset("SELECT * FROM YapilacakIslerTablosu");
    for (; !k->Eof(); k->MoveNext()) {
        QVariantMap iş;
        for (const QString& ad : VeritabanıKurulumu::işAlanları())
            iş[ad] = k->alan(ad);
        sonuç << iş;
    }
    return sonuç;
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
    MesajKutusuTest::temizle();
    return s;
}
} // namespace

class IsEklemeFormuTest : public QObject {
    Q_OBJECT
    SahteAnaForm ana;
    static QString dosya() { return TestOrtami::şimdiki().veritabanıKlasörü() + "/Lodra.vtb"; }

    // Opens the window in add or change mode; the handler acts in the active window.
    void aç(const std::function<void(Form*)>& iş, const İşSatırı* satır = nullptr) {
        ModalTest::sıradaki([iş](QDialog* d) {
            d->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(d));
            iş(dynamic_cast<Form*>(d));
        });
        if (satır)
            İşDeğiştirmeyiAç(ana.pencere(), *satır, "Yapılacak İşi Değiştirme (Davalar)");
        else
            İşEklemeyiAç(ana.pencere(), "Yapılacak İş Ekleme (Davalar)");
    }

private slots:
    void initTestCase() {
        VeritabanıKurulumu::oluştur(dosya());
        AnahtarSayacı sayaç;
        sayaç.güncelle("2-Anahtar");
        ana.klasörAnahtarı = Klasörler::ekle(*Veritabanı::OpenDatabase(dosya()), sayaç, "Klasor");
        ana.klasörAdı = QStringLiteral("Davalar");
    }
    void init() {
        TestOrtami::sıfırla();
        AçıkVeritabanı::ayarla(Veritabanı::OpenDatabase(dosya()));
        anaFormuAyarla(&ana);
        ProgramSaati::ayarla(QDateTime(QDate(2026, 12, 6), QTime(14, 35, 20)));
        AçıkVeritabanı::al().Execute("DELETE * FROM YapilacakIslerTablosu");
        tercihler().girişlerSaklansın = 1;
        tercihler().saklanacakGirişSayısı = 3;
        tercihler().ilkHarflerBüyük = 1;
        ana.klasörTıklama = ana.satırSayısı = 0;
        ana.seçilenSatırlar.clear();
    }

    // Stored capitalised, in the selected folder; the subject history follows the cap (2).
    void addModeSavesAndStaysOpen() {
        AyarDeposu::SaveSetting("Yapilacak Is Bilgileri\\Konular", "Sira-1", "A");
        AyarDeposu::SaveSetting("Yapilacak Is Bilgileri\\Konular", "Sira-2", "B");
        tercihler().saklanacakGirişSayısı = 2;
        aç([](Form* f) {
            QVERIFY(f->hatırlatmaVarOnayı()->isChecked() && !f->işYapıldıOnayı()->isEnabled());
            QCOMPARE(liste(f->işinKonusuKutusu()), QStringList({"A", "B"}));
            QCOMPARE(f->focusWidget(), f->işinTarihiKutusu());
            yaz(f->işinTarihiKutusu(), "7a/12x/2026");
            f->saatKutusu()->setCurrentIndex(9);
            yaz(f->işinKonusuKutusu(), "o'nun davası");
            yaz(f->işinYeriKutusu(), "  İZMİR'de KADIKÖY adliyesi ");
            yaz(f->işinSayısıKutusu(), "2026/15 e.");
            yaz(f->açıklamaKutusu(), " tanık 'Ali' gelecek ");
            tıkla(f->kaydetDüğmesi());
            QVERIFY(mesajlar().isEmpty());
            QCOMPARE(liste(f->işinKonusuKutusu()), QStringList({"O’nun Davası", "A"}));
            // Resting: still open, empty closed boxes, the new-job button, Close usable.
            QVERIFY(f->yeniİşEkleDüğmesi()->isVisible());
            QVERIFY(!f->kaydetDüğmesi()->isVisible() && f->kapatDüğmesi()->isEnabled());
            QVERIFY(!f->işinTarihiKutusu()->isEnabled() && f->işinTarihiKutusu()->text().isEmpty());
            QVERIFY(f->işinKonusuKutusu()->currentText().isEmpty());
            QCOMPARE(f->saatKutusu()->currentIndex(), -1);
            // The next job starts empty, without the reminder tick.
            tıkla(f->yeniİşEkleDüğmesi());
            QVERIFY(f->düzenlemedeMi() && !f->hatırlatmaVarOnayı()->isChecked());
            QCOMPARE(f->focusWidget(), f->işinTarihiKutusu());
        });
        QCOMPARE(ana.klasörTıklama, 1);
        const QVariantMap iş = işler().value(0);
        QCOMPARE(iş["Anahtari"].toString(), QString("3-Anahtar"));
        QCOMPARE(iş["IsinTarihi"].toDate(), QDate(2026, 12, 7));
        QCOMPARE(iş["IsinSaati"].toTime(), QTime(9, 0));
        QCOMPARE(iş["IsinKonusu"].toString(), QString("O’nun Davası"));
        QCOMPARE(iş["IsinYeri"].toString(), QString("İZMİR’de KADIKÖY Adliyesi"));
        QCOMPARE(iş["IsinSayisi"].toString(), QString("2026/15 E."));
        QCOMPARE(iş["Aciklama"].toString(), QString("tanık ’Ali’ gelecek"));
        QVERIFY(iş["Hatirlatma"].toBool() && !iş["IsYapildi"].toBool());
        QCOMPARE(AyarDeposu::GetSetting("Yapilacak Is Bilgileri\\Yerler", "Sira-1"),
                 QString("İZMİR’de KADIKÖY Adliyesi"));
    }

    // The checks themselves are tested without the window; here: an information box stops
    // the save at its box, a question answered No (default No for the reminder) stops it at
    // its box with the minute shown as 00, Yes stores.
    void refusedSavesStopAtTheirBox() {
        aç([](Form* f) {
            tıkla(f->kaydetDüğmesi());
            QCOMPARE(MesajKutusuTest::son().simge, QMessageBox::Information);
            QCOMPARE(mesajlar(), QStringList({"Lütfen, işin TARİHİNİ giriniz!"}));
            QCOMPARE(f->focusWidget(), f->işinTarihiKutusu());

            yaz(f->işinTarihiKutusu(), "06.12.2026");
            f->saatKutusu()->setCurrentIndex(15);
            yaz(f->işinKonusuKutusu(), "Keşif");
            tıkla(f->hatırlatmaVarOnayı());
            tıkla(f->kaydetDüğmesi());
            QCOMPARE(MesajKutusuTest::son().varsayılan, QMessageBox::No);
            QCOMPARE(mesajlar().size(), 1);
            QCOMPARE(f->dakikaKutusu()->currentText(), QString("00"));
            QVERIFY(f->düzenlemedeMi() && işler().isEmpty());
            QCOMPARE(f->focusWidget(), f->hatırlatmaVarOnayı());
            MesajKutusuTest::yanıtla(QMessageBox::Yes);
            tıkla(f->kaydetDüğmesi());
            QVERIFY(!f->düzenlemedeMi());
        });
        QCOMPARE(işler().value(0)["IsinSaati"].toTime(), QTime(15, 0));
        QVERIFY(!işler().value(0)["Hatirlatma"].toBool());
    }

    void typingLeavingFocusAndClosing() {
        aç([](Form* f) {
            QComboBox* konu = f->işinKonusuKutusu();
            yaz(konu, "abcdefghijklmnopqrstuvwxyz");
            QCOMPARE(konu->currentText(), QString("abcdefghijklmnopqrst"));
            QTest::keyClick(konu, Qt::Key_Backspace);
            QTest::keyClicks(konu, "XY");
            konu->lineEdit()->selectAll();
            QTest::keyClicks(konu, "z");
            QCOMPARE(konu->currentText(), QString("abcdefghijklmnopqrsX"));

            // Pasted texts longer than the limits are cut on leaving, each with its message.
            konu->lineEdit()->setText("yirmi beş karakterlik ko");
            f->işinYeriKutusu()->lineEdit()->setText(QString(31, u'y'));
            f->işinSayısıKutusu()->lineEdit()->setText(QString(13, u'1'));
            for (QComboBox* kutu : {konu, f->işinYeriKutusu(), f->işinSayısıKutusu()}) {
                kutu->setFocus();
                f->açıklamaKutusu()->setFocus();
                QCOMPARE(f->focusWidget(), kutu);
            }
            QCOMPARE(mesajlar(), QStringList({"İşin konusu EN FAZLA 20 karakter olabilir!",
                                              "İşin yeri EN FAZLA 30 karakter olabilir!",
                                              "İşin sayısı EN FAZLA 12 karakter olabilir!"}));
            QCOMPARE(konu->currentText(), QString("Yirmi Beş Karakterli"));

            // The box with the focus has its caption marked; Enter moves on, also from the
            // reminder box, whose next stop is the save button.
            f->dakikaKutusu()->setFocus();
            QCOMPARE(f->etiket(1)->palette().color(QPalette::WindowText), QColor(128, 0, 0));
            QTest::keyClick(f->dakikaKutusu(), Qt::Key_Enter);
            QCOMPARE(f->focusWidget(), f->işinKonusuKutusu());
            QVERIFY(f->etiket(1)->palette().color(QPalette::WindowText) != QColor(128, 0, 0));
            f->hatırlatmaVarOnayı()->setFocus();
            QTest::keyClick(f->hatırlatmaVarOnayı(), Qt::Key_Return);
            QCOMPARE(f->focusWidget(), f->kaydetDüğmesi());

            // Dots and slashes are typed in the other cases; the minus sign gets in as well.
            yaz(f->işinTarihiKutusu(), "5-12-2026");
            f->saatKutusu()->setFocus();
            QCOMPARE(f->işinTarihiKutusu()->text(), QString("05.12.2026"));
            f->işinTarihiKutusu()->clear();
            yaz(f->işinTarihiKutusu(), "abc31.02.2026");
            f->saatKutusu()->setFocus();
            QCOMPARE(mesajlar(), QStringList({"Lütfen, TARİHİ doğru biçimde giriniz."}));
            QCoreApplication::processEvents();
            QCOMPARE(f->işinTarihiKutusu()->selectedText(), QString("31.02.2026"));

            // The title bar and Esc close the window only when it rests; cancel asks nothing.
            f->close();
            QTest::keyClick(f, Qt::Key_Escape);
            QVERIFY(f->isVisible() && f->düzenlemedeMi());
            tıkla(f->vazgeçDüğmesi());
            QTest::keyClick(f, Qt::Key_Escape);
            QVERIFY(!f->isVisible());
            QVERIFY(mesajlar().isEmpty());
        });
    }

    void changeModeWritesTheJobAndCloses() {
        işEkle(QDate(2026, 12, 1), "08:15", "Duruşma", true, true);
        const QString isNo = işler()[0]["IsNo"].toString();
        İşSatırı satır{"01.12.2026",       "08:15:00", "Duruşma", "Adliye", "2026/1",
                       "Açıklama Duruşma", isNo,       3,         {}};
        ana.satırSayısı = 4;
        düzenlenenSatır() = 3;
        aç(
            [](Form* f) {
                QCOMPARE(f->dakikaKutusu()->currentText(), QString("15"));
                QCOMPARE(f->işinYeriKutusu()->currentText(), QString("Adliye"));
                // A done job comes back with the done box cleared but open to ticking.
                QVERIFY(f->işYapıldıOnayı()->isEnabled() && !f->işYapıldıOnayı()->isChecked());
                tıkla(f->işYapıldıOnayı());
                // Taking the focus selects the whole subject: typing replaces it.
                yaz(f->işinKonusuKutusu(), "duruşma ertelendi");
                tıkla(f->kaydetDüğmesi());
            },
            &satır);
        // Done: neither the past date nor the missing reminder asks anything.
        QVERIFY(mesajlar().isEmpty() && !İşGirişFormu().isVisible());
        QCOMPARE(ana.seçilenSatırlar, QList<int>({3}));
        QCOMPARE(işler()[0]["IsinKonusu"].toString(), QString("Duruşma Ertelendi"));
        QCOMPARE(işler()[0]["Anahtari"].toString(), QString("1-Anahtar"));
        QVERIFY(işler()[0]["IsYapildi"].toBool());

        // Saved without the tick it is no longer done; a shorter list gets its last row.
        ana.satırSayısı = 2;
        satır.konu = "Duruşma Ertelendi";
        MesajKutusuTest::yanıtla({QMessageBox::Yes, QMessageBox::Yes});
        aç([](Form* f) { tıkla(f->kaydetDüğmesi()); }, &satır);
        QVERIFY(!işler()[0]["IsYapildi"].toBool());
        QCOMPARE(ana.seçilenSatırlar, QList<int>({3, 2}));
        QCOMPARE(ana.klasörTıklama, 2);
    }

    // A save that fails at the write (the row deleted elsewhere, the lock held past the wait,
    // the file gone, the row changed elsewhere) keeps the window open with everything typed
    // and stores nothing; nor can a window coming up over it (the reminder window) take it
    // away.
    void saveFailureKeepsWhatWasTyped_data() {
        QTest::addColumn<int>("no");
        for (int no : {3021, 3260, 3024, 3197})
            QTest::addRow("%d", no) << no;
    }
    void saveFailureKeepsWhatWasTyped() {
        QFETCH(int, no);
        işEkle(QDate(2026, 12, 10), "10:00", "Duruşma");
        const QString isNo = işler()[0]["IsNo"].toString();
        const İşSatırı satır{"10.12.2026",       "10:00:00", "Duruşma", "Adliye", "2026/1",
                             "Açıklama Duruşma", isNo,       1,         {}};
        MesajKutusuTest::yanıtla(QMessageBox::Yes);
        aç(
            [&](Form* f) {
                yaz(f->işinKonusuKutusu(), "Keşif");
                if (no == 3021)
                    AçıkVeritabanı::al().Execute("DELETE * FROM YapilacakIslerTablosu");
                else
                    Veritabanıİç::sonrakiAdımdaHata(no);
                tıkla(f->kaydetDüğmesi());
                QVERIFY(MesajKutusuTest::son().metin.contains(no == 3021 ? "silinmiş"
                                                                         : QString::number(no)));
                QVERIFY(f->isVisible() && f->düzenlemedeMi());
                QCOMPARE(f->işinKonusuKutusu()->currentText(), QString("Keşif"));
                QCOMPARE(f->işinTarihiKutusu()->text(), QString("10.12.2026"));
                İşDeğiştirmeyiAç(ana.pencere(), satır, "Yapılacak İşi Değiştirme", true);
                QVERIFY(MesajKutusuTest::son().metin.startsWith("İş giriş penceresi zaten açık."));
                QCOMPARE(f->kipEtiketi(), isNo);
                tıkla(f->vazgeçDüğmesi());
            },
            &satır);
        QVERIFY(!ProgramSonu::sonlandıMı());
        // A job deleted elsewhere is told as such, and the list behind shows the file again.
        QCOMPARE(ana.klasörTıklama, int(no == 3021));
        // Nothing stored: the row keeps its subject (or stays deleted).
        QCOMPARE(işler().value(0).value("IsinKonusu", "Duruşma").toString(), QString("Duruşma"));
    }

    void calendarButton() {
        aç([](Form* f) {
            ModalTest::sıradaki([](QDialog* d) {
                auto* t = dynamic_cast<TakvimFormu*>(d);
                QCOMPARE(t->SeçilenTarih, QString("15.02.2027"));
                QTest::mouseClick(t->günEtiketi(2), Qt::LeftButton);
                t->tamamDüğmesi()->click();
            });
            yaz(f->işinTarihiKutusu(), "15.02.2027");
            tıkla(f->tarihiTakvimdenSeçDüğmesi());
            QCOMPARE(f->işinTarihiKutusu()->text(), QString("03.02.2027"));
            QCOMPARE(f->focusWidget(), f->işinTarihiKutusu());
            // Cancelled, the calendar leaves the date as it was.
            tıkla(f->tarihiTakvimdenSeçDüğmesi());
            QCOMPARE(f->işinTarihiKutusu()->text(), QString("03.02.2027"));
        });
        // Over an always-on-top reminder window both windows stay on top.
        ModalTest::sıradaki([](QDialog* d) {
            QVERIFY(d->windowFlags() & Qt::WindowStaysOnTopHint);
            ModalTest::sıradaki([](QDialog* t) {
                QVERIFY(t->windowFlags() & Qt::WindowStaysOnTopHint);
                QCOMPARE(dynamic_cast<TakvimFormu*>(t)->SeçilenTarih, QString("06.12.2026"));
            });
            dynamic_cast<Form*>(d)->tarihiTakvimdenSeçDüğmesi()->click();
        });
        İşDeğiştirmeyiAç(ana.pencere(), İşSatırı{"", "10:00:00", "Keşif", "", "", "", "1", 1, {}},
                         "Yapılacak İşi Değiştirme", true);
        QVERIFY(!(İşGirişFormu().windowFlags() & Qt::WindowStaysOnTopHint));
        QVERIFY(İşGirişFormu().takvimDüğmesiEtiketi().isEmpty());
        QCOMPARE(ModalTest::gösterilenler().count("TakvimFormu"), 3);
    }
};

TARVELA_TEST_MAIN(IsEklemeFormuTest)
#include "IsEklemeFormuTest.moc"
