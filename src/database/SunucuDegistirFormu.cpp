#include "database/SunucuDegistirFormu.h"

#include "controls/AnaFormArayuzu.h"
#include "controls/Hata.h"
#include "controls/HataBildirici.h"
#include "controls/MesajKutusu.h"
#include "controls/Modal.h"
#include "controls/Odak.h"
#include "controls/SatirKiranDugme.h"
#include "controls/Twip.h"
#include "database/AgaGozat.h"
#include "database/BuroAnahtari.h"
#include "database/BuroAnahtariFormu.h"
#include "database/SunucuListesi.h"
#include "database/Veritabani.h"
#include "database/VeritabaninaBaglanFormu.h"
#include "settings/AyarTablosu.h"

#include <QDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace {

// Left edge of the button column, in twips.
constexpr int DüğmeSolu = 4710;

class SunucuDeğiştirFormu : public QDialog {
public:
    explicit SunucuDeğiştirFormu(QWidget* sahip) : QDialog(sahip) {
        setObjectName(QStringLiteral("SunucuDeğiştirFormu"));
        setWindowTitle(QStringLiteral("Sunucu Değiştirme"));
        setFixedSize(twipten(6495), twipten(3705));
        tasarımYazısıKullan(this);

        auto* listeEtiketi = new QLabel(QStringLiteral("&Sunucu Listesi"), this);
        listeEtiketi->setObjectName(QStringLiteral("Etiket0"));
        listeEtiketi->setGeometry(twipAlanı(300, 210, 3900, 255));

        liste_ = new QListWidget(this);
        liste_->setObjectName(QStringLiteral("SunucuListesi"));
        liste_->setAccessibleName(QStringLiteral("Sunucu Listesi"));
        liste_->setGeometry(twipAlanı(300, 480, 3900, 1260));
        listeEtiketi->setBuddy(liste_);

        auto* seçilenBaşlığı = new QLabel(QStringLiteral("Seçilen Sunucu"), this);
        seçilenBaşlığı->setObjectName(QStringLiteral("Etiket1"));
        seçilenBaşlığı->setGeometry(twipAlanı(300, 1890, 3900, 255));

        seçilen_ = new QLabel(this);
        seçilen_->setObjectName(QStringLiteral("Etiket2"));
        seçilen_->setGeometry(twipAlanı(300, 2160, 3900, 555));
        seçilen_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        seçilen_->setWordWrap(true);
        seçilen_->setAlignment(Qt::AlignLeft | Qt::AlignTop);

        // A server's URI is typed or pasted below; it is added like a chosen folder.
        auto* adresEtiketi = new QLabel(QStringLiteral("Sunucu a&dresi (postgresql://...)"), this);
        adresEtiketi->setObjectName(QStringLiteral("Etiket3"));
        adresEtiketi->setGeometry(twipAlanı(300, 2850, 3900, 255));
        adres_ = new QLineEdit(this);
        adres_->setObjectName(QStringLiteral("SunucuAdresiKutusu"));
        adres_->setAccessibleName(QStringLiteral("Sunucu adresi"));
        adres_->setGeometry(twipAlanı(300, 3120, 3900, 315));
        adresEtiketi->setBuddy(adres_);
        adres_->installEventFilter(this);

        // The four buttons stand in a column at 4710 twips, as wide as the window leaves
        // them; a caption too long for one line takes two.
        const QRect sütun = twipAlanı(DüğmeSolu, 0, 6495 - DüğmeSolu - 105, 375);
        seç_ = new SatırKıranDüğme(QStringLiteral("&Yeni Sunucu Seç..."), this);
        seç_->setObjectName(QStringLiteral("SunucuSeçDüğmesi"));
        bağlan_ = new SatırKıranDüğme(QStringLiteral("Seçili Sunucu'ya &Bağlan"), this);
        bağlan_->setObjectName(QStringLiteral("SeçilenSunucuyaBağlanDüğmesi"));
        vazgeç_ = new SatırKıranDüğme(QStringLiteral("Vazgeç (Esc)"), this);
        vazgeç_->setObjectName(QStringLiteral("VaçgeçDüğmesi"));
        vazgeç_->setAutoDefault(false);
        adresEkle_ = new SatırKıranDüğme(QStringLiteral("Adresi &Ekle"), this);
        adresEkle_->setObjectName(QStringLiteral("AdresEkleDüğmesi"));
        const int üstler[] = {480, 960, 2340, 3090};
        int sıra = 0, altı = 0;
        for (QPushButton* d : {seç_, bağlan_, vazgeç_, adresEkle_}) {
            const int yükseklik = qMax(sütun.height(), d->heightForWidth(sütun.width()));
            const int üst = qMax(twipten(üstler[sıra++]), altı + 4);
            d->setGeometry(sütun.x(), üst, sütun.width(), yükseklik);
            altı = üst + yükseklik;
        }

        connect(liste_, &QListWidget::currentRowChanged, this,
                [this](int satır) { seçilen_->setText(sunucular_.klasör(satır)); });
        connect(seç_, &QPushButton::clicked, this, [this] { Adım([this] { sunucuSeç(); }); });
        connect(bağlan_, &QPushButton::clicked, this, [this] { bağlan(); });
        connect(vazgeç_, &QPushButton::clicked, this, [this] { reject(); });
        connect(adresEkle_, &QPushButton::clicked, this, [this] { Adım([this] { adresEkle(); }); });

        // Load: the list as the store holds it, then the folder in use selected.
        Sessizce([this] {
            sunucular_ = SunucuListesi::yükle();
            liste_->addItems(sunucular_.klasörler());
            liste_->setCurrentRow(sunucular_.seçilecekKonum());
        });
    }

    // Cancel, Esc and the title bar: without an open database the program cannot go on.
    void reject() override {
        QDialog::reject();
        if (!AçıkVeritabanı::açıkMı()) {
            if (AnaFormArayüzü* form = anaForm())
                form->programıKapat();
            else
                ProgramSonu::hemenSonlandır(0);
        }
    }

protected:
    // Enter in the address box adds the address instead of pressing a button of the window.
    bool eventFilter(QObject* nesne, QEvent* olay) override {
        if (nesne == adres_ && olay->type() == QEvent::KeyPress) {
            const int tuş = static_cast<QKeyEvent*>(olay)->key();
            if (tuş == Qt::Key_Return || tuş == Qt::Key_Enter) {
                Adım([this] { adresEkle(); });
                return true;
            }
        }
        return QDialog::eventFilter(nesne, olay);
    }

private:
    void listeyiYenile(int seçilecek) {
        {
            const QSignalBlocker engel(liste_);
            liste_->clear();
            liste_->addItems(sunucular_.klasörler());
        }
        liste_->setCurrentRow(seçilecek);
        seçilen_->setText(sunucular_.klasör(seçilecek));
    }

    void sunucuSeç() {
        const QString klasör = AğaGözat(this);
        if (klasör.isEmpty())
            return;
        if (!DosyaVarMı(VeritabanıDosyası(klasör))) {
            MesajKutusu::ünlem(BaglantiMetinleri::DosyaYok);
            return;
        }
        listeyiYenile(sunucular_.yeniSunucuSeç(klasör));
    }

    // A typed server URI is checked by connecting to it (its password asked when the server
    // wants one, and kept in the keyring), then stored and selected without its password.
    void adresEkle() {
        const QString yazılan = adres_->text().trimmed();
        if (!SunucuAdresi::adresMi(yazılan)) {
            MesajKutusu::ünlem(BaglantiMetinleri::AdresGeçersiz);
            adres_->setFocus();
            return;
        }
        std::shared_ptr<Veritabanı> vt;
        if (!aç(yazılan, vt))
            return;
        vt.reset();
        listeyiYenile(sunucular_.yeniSunucuSeç(SunucuAdresi::parolayıAyır(yazılan).adres));
        adres_->clear();
    }

    // Opens the entry's database; false when it failed and the user has been told why.
    bool aç(const QString& giriş, std::shared_ptr<Veritabanı>& vt) {
        try {
            // With nothing selected there is no folder to look for the file in.
            if (giriş.isEmpty())
                throw Hata(HataNo::DosyaBulunamadı, QStringLiteral("Sunucu seçilmedi."));
            vt = VeritabanıAç(this, VeritabanıDosyası(giriş));
            return true;
        } catch (const Hata& hata) {
            const QString metin = hata.numara() == BüroAnahtarı::AnahtarHatası
                                      ? hata.açıklama()
                                      : BaglantiMetinleri::hataMetni(hata.numara());
            if (metin.isEmpty())
                HataBildir(hata);
            else
                MesajKutusu::bilgi(metin);
        } catch (const std::exception& hata) {
            HataBildir(hata);
        }
        return false;
    }

    void bağlan() {
        const int konum = liste_->currentRow();
        std::shared_ptr<Veritabanı> vt;
        if (!aç(sunucular_.klasör(konum), vt))
            return;
        if (vt)
            AçıkVeritabanı::ayarla(vt);
        if (!vt || !AçıkVeritabanı::açıkMı()) {
            MesajKutusu::ünlem(BaglantiMetinleri::AçılamadıTekrarDene);
            liste_->setFocus();
            return;
        }

        AnaFormArayüzü* form = anaForm();
        Adımlar({
            [form] {
                if (form) {
                    form->klasörAğacınıBoşalt();
                    form->KlasörleriYükle();
                }
            },
            [form] {
                if (form)
                    form->durumYaz(2, BaglantiMetinleri::BağlantıTamam);
            },
            [this, konum] {
                sunucular_.anahtarlarıDüzelt();
                ayarYaz(Ayar::Veritabanı, konum);
            },
        });
        accept();
    }

    SunucuListesi sunucular_;
    QListWidget* liste_ = nullptr;
    QLabel* seçilen_ = nullptr;
    QPushButton* seç_ = nullptr;
    QPushButton* bağlan_ = nullptr;
    QPushButton* vazgeç_ = nullptr;
    QLineEdit* adres_ = nullptr;
    QPushButton* adresEkle_ = nullptr;
};

} // namespace

void SunucuDeğiştir(QWidget* sahip) {
    SunucuDeğiştirFormu pencere(sahip);
    Modal::göster(&pencere);
}
