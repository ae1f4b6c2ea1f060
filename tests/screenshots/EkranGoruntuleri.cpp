// Renders every window of the program to a PNG file, offscreen, over a demo database made for
// the purpose: `make screenshots` writes them under the build folder.

#include "AnaFormResmi.h"
#include "EkranGoruntusu.h"
#include "about/HakkindaFormu.h"
#include "about/HataBildirmeFormu.h"
#include "controls/HataBildirici.h"
#include "controls/MesajKutusu.h"
#include "controls/Modal.h"
#include "database/SunucuDegistirFormu.h"
#include "database/Veritabani.h"
#include "database/VeritabaniKurulumu.h"
#include "database/VeritabaninaBaglanFormu.h"
#include "deadline/SureHesaplamaFormu.h"
#include "lists/YapilacakIslerListesiFormu.h"
#include "reminders/HatirlatmaFormu.h"
#include "search/AramaIslemleriFormu.h"
#include "settings/AyarDeposu.h"
#include "settings/GirisSifresiBelirleDegistirFormu.h"
#include "settings/GirisSifresiSorFormu.h"
#include "settings/ProgramDegerleri.h"
#include "settings/TercihlerFormu.h"
#include "startup/KarsilamaFormu.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QLineEdit>
#include <QListView>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTextStream>
#include <cstdio>

namespace {
QString hedefKlasör;
QStringList yazılanlar;

void kaydet(QWidget* pencere, const QString& ad) {
    for (int i = 0; i < 5; ++i)
        QCoreApplication::processEvents();
    const QString dosya = hedefKlasör + '/' + ad + QStringLiteral(".png");
    if (pencere->grab().save(dosya))
        yazılanlar << dosya;
}

// The next modal window is drawn once it has settled, then closed.
void sıradakiPencereyiKaydet(const QString& ad) {
    ModalTest::sıradaki([ad](QDialog* pencere) { kaydet(pencere, ad); });
}
} // namespace

int main(int argc, char** argv) {
    QTemporaryDir çalışma;
    qputenv("XDG_CONFIG_HOME", (çalışma.path() + QStringLiteral("/ayarlar")).toUtf8());
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication uygulama(argc, argv);

    hedefKlasör = qEnvironmentVariable("TARVELA_EKRAN_KLASORU");
    if (hedefKlasör.isEmpty())
        hedefKlasör = argc > 1 ? QString::fromLocal8Bit(argv[1])
                               : QDir::currentPath() + QStringLiteral("/ekran-goruntuleri");
    QDir().mkpath(hedefKlasör);

    MesajKutusuTest::etkinleştir();
    ModalTest::etkinleştir();
    ProgramSonu::testModu(true);
    program().uygulamaBaşlığı = buSürümünBaşlığı();
    program().programKlasörü = programKlasörünüOluştur(QCoreApplication::applicationDirPath());

    const QString vtKlasörü = çalışma.path() + QStringLiteral("/veritabani");
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

    if (anaFormResminiKaydet(vtDosyası, hedefKlasör + QStringLiteral("/AnaForm.png")))
        yazılanlar << hedefKlasör + QStringLiteral("/AnaForm.png");
    yazılanlar << İşGirişiEkranGörüntüleriniAl(hedefKlasör);
    if (hatırlatmaFormuResminiKaydet(hedefKlasör + QStringLiteral("/HatirlatmaFormu.png")))
        yazılanlar << hedefKlasör + QStringLiteral("/HatirlatmaFormu.png");

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
                            çalışma.path() + QStringLiteral("/bos-klasor"));
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

    QTextStream çıktı(stdout);
    for (const QString& dosya : yazılanlar)
        çıktı << dosya << '\n';
    çıktı << yazılanlar.size() << " pencere resmi yazıldı.\n";
    return yazılanlar.size() >= 15 ? 0 : 1;
}
