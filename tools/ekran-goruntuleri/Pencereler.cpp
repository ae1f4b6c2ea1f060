#include "Pencereler.h"

#include "about/HakkindaFormu.h"
#include "about/HataBildirmeFormu.h"
#include "controls/HataBildirici.h"
#include "controls/MesajKutusu.h"
#include "controls/Modal.h"
#include "controls/ProgramSaati.h"
#include "controls/TarihBicimi.h"
#include "database/SunucuDegistirFormu.h"
#include "database/Veritabani.h"
#include "database/VeritabaniKurulumu.h"
#include "database/VeritabaninaBaglanFormu.h"
#include "deadline/SureHesaplamaFormu.h"
#include "jobentry/IsEklemeDegistirmeFormu.h"
#include "jobentry/TakvimFormu.h"
#include "lists/IsListesiModeli.h"
#include "lists/YapilacakIslerListesiFormu.h"
#include "lists/YaziciSecmeFormu.h"
#include "mainwindow/AnaForm.h"
#include "mainwindow/AnaFormDenetimleri.h"
#include "reminders/HatirlatmaFormu.h"
#include "reminders/HatirlatmaSorgusu.h"
#include "reminders/SabahOzetiFormu.h"
#include "search/AramaIslemleriFormu.h"
#include "settings/AyarDeposu.h"
#include "settings/GirisSifresiBelirleDegistirFormu.h"
#include "settings/GirisSifresiSorFormu.h"
#include "settings/ProgramDegerleri.h"
#include "settings/TercihlerFormu.h"
#include "startup/KarsilamaFormu.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QHash>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

namespace {
PencereZiyaretçisi ziyaretçi;
int ziyaretSayısı = 0;

void kaydet(QWidget* pencere, const QString& ad) {
    for (int i = 0; i < 5; ++i)
        QCoreApplication::processEvents();
    ++ziyaretSayısı;
    ziyaretçi(pencere, ad);
}

// The next modal window is drawn once it has settled, then closed.
void sıradakiPencereyiKaydet(const QString& ad) {
    ModalTest::sıradaki([ad](QDialog* pencere) { kaydet(pencere, ad); });
}

// The main window as a user sees it after choosing the folder with the most jobs.
void anaFormuKaydet(const QString& vtDosyası) {
    Adım([&] {
        AçıkVeritabanı::ayarla(Veritabanı::OpenDatabase(vtDosyası));
        {
            AnaForm form;
            form.Form_Load(true, nullptr);
            form.resize(1000, 640);
            form.KlasörleriYükle();
            form.TümKlasörleriGöster();
            QHash<QString, int> sayılar;
            auto k = AçıkVeritabanı::al().OpenRecordset(
                QStringLiteral("SELECT * FROM YapilacakIslerTablosu"));
            for (; !k->Eof(); k->MoveNext())
                ++sayılar[k->alan(QStringLiteral("Anahtari")).toString()];
            k->Close();
            QString seçilen;
            for (auto i = sayılar.cbegin(); i != sayılar.cend(); ++i)
                if (seçilen.isEmpty() || i.value() > sayılar.value(seçilen))
                    seçilen = i.key();
            if (QTreeWidgetItem* düğüm = form.KlasörListesi->anahtarlıDüğüm(seçilen)) {
                form.KlasörListesi->setCurrentItem(düğüm);
                form.KlasörListesi_NodeClick(düğüm);
            }
            form.Form_Activate();
            kaydet(&form, QStringLiteral("AnaForm"));
            form.hide();
        }
        AçıkVeritabanı::kapat();
    });
}

// The entry window filled in with an example job, as while typing, and the calendar picker.
void işGirişiniKaydet() {
    const QDate yarın = ProgramSaati::bugün().addDays(1);
    İşEklemeDeğiştirmeFormu form;
    form.setWindowTitle(QStringLiteral("Yapılacak İş Ekleme (Davalar)"));
    form.YeniİşEkleDüğmesi_Click();
    form.işinTarihiKutusu()->setText(TarihBiçimi::kısa(yarın));
    form.saatKutusu()->setCurrentIndex(9);
    form.dakikaKutusu()->setCurrentIndex(30);
    form.işinKonusuKutusu()->addItems({QStringLiteral("Duruşma"), QStringLiteral("Keşif")});
    form.işinKonusuKutusu()->setEditText(QStringLiteral("Duruşma"));
    form.işinYeriKutusu()->setEditText(QStringLiteral("Kadıköy Adliyesi"));
    form.işinSayısıKutusu()->setEditText(QStringLiteral("2026/154 E."));
    form.açıklamaKutusu()->setPlainText(
        QStringLiteral("Tanık listesi ve bilirkişi raporu hazırlanacak."));
    form.hatırlatmaVarOnayı()->setChecked(true);
    form.show();
    kaydet(&form, QStringLiteral("IsEklemeDegistirmeFormu"));

    TakvimFormu takvim;
    takvim.SeçilenTarih = TarihBiçimi::kısa(yarın);
    takvim.show();
    kaydet(&takvim, QStringLiteral("TakvimFormu"));
}

// The reminder window with three sample jobs of today: no database, no sound.
void hatırlatmaFormunuKaydet() {
    HatırlatmaFormu form;
    const QDate bugün = ProgramSaati::bugün();
    auto iş = [&](int no, const char* saat, const char* konu, const char* yer, const char* sayı,
                  const char* açıklama) {
        HatırlatılacakİŞ h;
        h.tarih = bugün;
        h.isNo = no;
        h.satır = İşSatırı{TarihBiçimi::kısa(bugün),
                           QString::fromUtf8(saat),
                           QString::fromUtf8(konu),
                           QString::fromUtf8(yer),
                           QString::fromUtf8(sayı),
                           QString::fromUtf8(açıklama),
                           QString::number(no),
                           1,
                           QString()};
        return h;
    };
    form.listeyiDoldur(
        {iş(12, "09:30:00", "Duruşma", "Ankara 3. Asliye Hukuk", "2026/418",
            "Tanık listesi verilecek"),
         iş(17, "10:15:00", "Keşif", "Çankaya, Kızılay Mah.", "2026/77", "Bilirkişi ile birlikte"),
         iş(23, "11:00:00", "Müvekkil görüşmesi", "Büro", "", "Vekaletname getirilecek")});
    form.SayıEtiketi->setText(sayıSatırı(form.satırSayısı()));
    form.HerZamanÜstteOlsunOnayı->blockSignals(true);
    form.HerZamanÜstteOlsunOnayı->setChecked(true);
    form.HerZamanÜstteOlsunOnayı->blockSignals(false);
    form.İşSonucuSeçenekleri[1]->setChecked(true);
    form.OnaylaDüğmesi->setEnabled(true);
    form.setAttribute(Qt::WA_DontShowOnScreen);
    form.layout()->activate();
    form.AçıklamaKutusu->setPlainText(form.satır(1).açıklama);
    kaydet(&form, QStringLiteral("HatirlatmaFormu"));

    // The morning summary with the same jobs, and the printer choice window.
    SabahÖzetiFormu özet;
    QList<İşSatırı> satırlar;
    for (int i = 1; i <= form.satırSayısı(); ++i)
        satırlar << form.satır(i);
    özet.doldur(satırlar, bugün, bugün.addDays(3));
    özet.show();
    kaydet(&özet, QStringLiteral("SabahOzetiFormu"));
    YazıcıSeçmeFormu yazıcı;
    yazıcı.show();
    kaydet(&yazıcı, QStringLiteral("YaziciSecmeFormu"));
}
} // namespace

int herPencereyiAç(const QString& çalışmaKlasörü, const PencereZiyaretçisi& ziyaret) {
    ziyaretçi = ziyaret;
    ziyaretSayısı = 0;

    MesajKutusuTest::etkinleştir();
    ModalTest::etkinleştir();
    ProgramSonu::testModu(true);
    program().uygulamaBaşlığı = buSürümünBaşlığı();
    program().programKlasörü = programKlasörünüOluştur(QCoreApplication::applicationDirPath());

    const QString vtKlasörü = çalışmaKlasörü + QStringLiteral("/veritabani");
    QDir().mkpath(vtKlasörü);
    const QString vtDosyası = vtKlasörü + '/' + VeritabanıKurulumu::DosyaAdı;
    Adım([&] {
        VeritabanıKurulumu::oluştur(vtDosyası);
        VeritabanıKurulumu::örnekVeriDoldur(vtDosyası, {});
    });

    {
        KarşılamaFormu karşılama;
        karşılama.show();
        kaydet(&karşılama, QStringLiteral("KarsilamaFormu"));
    }

    anaFormuKaydet(vtDosyası);
    işGirişiniKaydet();
    hatırlatmaFormunuKaydet();

    {
        // A deadline that ends in Kurban Bayramı: the calendar date and the legal last day.
        SüreHesaplamaFormu süre;
        süre.show();
        süre.BaşlangıçTarihiKutusu->setText(QStringLiteral("12.05.2026"));
        süre.TemyizSeçeneği[3]->click();
        kaydet(&süre, QStringLiteral("SureHesaplamaFormu"));
    }
    // The job lists window with all jobs, and the search window with a subject found.
    Adım([&] {
        AçıkVeritabanı::ayarla(Veritabanı::OpenDatabase(vtDosyası));
        {
            YapılacakİşlerListesiFormu listeler;
            listeler.show();
            listeler.TümİşleriListeleDüğmesi_Click();
            kaydet(&listeler, QStringLiteral("YapilacakIslerListesiFormu"));
        }
        {
            AramaİşlemleriFormu arama;
            arama.show();
            arama.ArananKutusu->setText(QStringLiteral("duruşma"));
            arama.AraDüğmesi_Click();
            QListView* sonuçlar = arama.AramaSonuçlarıListesi;
            if (sonuçlar->model()->rowCount() > 0)
                sonuçlar->setCurrentIndex(sonuçlar->model()->index(0, 0));
            kaydet(&arama, QStringLiteral("AramaIslemleriFormu"));
        }
        AçıkVeritabanı::kapat();
    });

    // The connect window as it shows a failure: the stored server has no database file.
    AyarDeposu::SaveSetting(QStringLiteral("Sunucular"), QStringLiteral("Sunucu-1"),
                            çalışmaKlasörü + QStringLiteral("/bos-klasor"));
    sıradakiPencereyiKaydet(QStringLiteral("VeritabaninaBaglanFormu"));
    Adım([] { VeritabanınaBağlan(); });
    ProgramSonu::sıfırla();

    for (int i = 1; i <= 3; ++i)
        AyarDeposu::SaveSetting(QStringLiteral("Sunucular"), QStringLiteral("Sunucu-%1").arg(i),
                                QStringLiteral("/srv/buro-%1/ortak").arg(i));
    sıradakiPencereyiKaydet(QStringLiteral("SunucuDegistirFormu"));
    Adım([] { SunucuDeğiştir(nullptr); });

    sıradakiPencereyiKaydet(QStringLiteral("GirisSifresiSorFormu"));
    Adım([] { GirişŞifresiSor(nullptr); });
    ProgramSonu::sıfırla();
    sıradakiPencereyiKaydet(QStringLiteral("GirisSifresiBelirleDegistirFormu"));
    Adım([] { GirişŞifresiBelirleDeğiştir(nullptr); });

    {
        QWidget sahip;
        sıradakiPencereyiKaydet(QStringLiteral("TercihlerFormu"));
        Adım([&] { TercihlerFormunuAç(&sahip); });
    }
    sıradakiPencereyiKaydet(QStringLiteral("HakkindaFormu"));
    Adım([] { HakkındaFormunuAç(nullptr); });
    sıradakiPencereyiKaydet(QStringLiteral("HataBildirmeFormu"));
    Adım([] { HataBildirmeFormunuAç(nullptr); });

    ziyaretçi = nullptr;
    return ziyaretSayısı;
}
