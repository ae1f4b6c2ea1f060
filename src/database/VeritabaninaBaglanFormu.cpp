#include "database/VeritabaninaBaglanFormu.h"

#include "controls/AnaFormArayuzu.h"
#include "controls/Hata.h"
#include "controls/HataBildirici.h"
#include "controls/Kaynaklar.h"
#include "controls/MesajKutusu.h"
#include "controls/Modal.h"
#include "controls/Odak.h"
#include "controls/Twip.h"
#include "database/AgaGozat.h"
#include "database/BuroAnahtari.h"
#include "database/BuroAnahtariFormu.h"
#include "database/SunucuListesi.h"
#include "database/Veritabani.h"
#include "settings/AyarTablosu.h"
#include "settings/GirisSifresiSorFormu.h"
#include "settings/Tercihler.h"

#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QTimer>

namespace BaglantiMetinleri {
QString hataMetni(int numara) {
    switch (numara) {
    case HataNo::DiskVeyaAğHatası:
    case HataNo::YolGeçersiz:
        return QStringLiteral("Ağ bağlantısı kurulamıyor. Lütfen, kontrol edip tekrar deneyiniz!");
    case HataNo::DosyaAçılamıyor:
        return QStringLiteral("Dosyaya erişilemiyor. Lütfen, kontrol edip tekrar deneyiniz!");
    case HataNo::DosyaAdıGeçersiz:
        return QStringLiteral("Dosya adı geçersiz. Lütfen, kontrol edip tekrar deneyiniz!");
    case HataNo::DosyaBulunamadı:
        return QStringLiteral(
            "Veritabanı dosyası bulunamadı. Lütfen, kontrol edip tekrar deneyiniz!");
    default:
        return QString();
    }
}
} // namespace BaglantiMetinleri

namespace {

// Ends the program by closing the main window; with no main window, at once.
void programıBitir() {
    if (AnaFormArayüzü* form = anaForm())
        form->programıKapat();
    else
        ProgramSonu::hemenSonlandır(0);
}

class VeritabanınaBağlanFormu : public QDialog {
public:
    explicit VeritabanınaBağlanFormu(QWidget* sahip) : QDialog(sahip) {
        setObjectName(QStringLiteral("VeritabanınaBağlanFormu"));
        setWindowTitle(QStringLiteral("Veritabanı Bağlantısı..."));
        setFixedSize(twipten(4815), twipten(1350));
        tasarımYazısıKullan(this);

        simgeKutusu_ = new QLabel(this);
        simgeKutusu_->setObjectName(QStringLiteral("SimgeKutusu"));
        simgeKutusu_->setGeometry(twipAlanı(300, 270, 480, 480));

        etiket_ = new QLabel(this);
        etiket_->setObjectName(QStringLiteral("Etiket"));
        // The longest failure text takes five lines in a desktop face: the label reaches down
        // to the window's lower margin instead of stopping after three.
        etiket_->setGeometry(twipAlanı(990, 270, 1995, 1020));
        etiket_->setWordWrap(true);
        etiket_->setAlignment(Qt::AlignLeft | Qt::AlignTop);

        yenidenDene_ = new QPushButton(QStringLiteral("Yeniden Dene"), this);
        yenidenDene_->setObjectName(QStringLiteral("YenidenDeneDüğmesi"));
        yenidenDene_->setGeometry(twipAlanı(3210, 270, 1305, 345));
        yenidenDene_->setDefault(true);

        vazgeç_ = new QPushButton(QStringLiteral("Vazgeç"), this);
        vazgeç_->setObjectName(QStringLiteral("VazgeçDüğmesi"));
        vazgeç_->setGeometry(twipAlanı(3240, 690, 1275, 345));

        connect(yenidenDene_, &QPushButton::clicked, this, [this] { bağlanmayıDene(); });
        connect(vazgeç_, &QPushButton::clicked, this, [this] { vazgeç(); });
        simgeGöster(QStringLiteral("BAGLAN"));
        etiket_->setText(BaglantiMetinleri::Bağlanıyor);
    }

    bool bağlandı() const { return bağlandı_; }

    // Esc and the title bar's close button give up the same way the button does.
    void reject() override { vazgeç(); }

protected:
    void showEvent(QShowEvent* olay) override {
        QDialog::showEvent(olay);
        // The attempt runs once the window is up, so that its "connecting" state shows. It
        // runs once per showing: a message box returning the focus must not start another.
        if (!ilkDenemeYapıldı_) {
            ilkDenemeYapıldı_ = true;
            QTimer::singleShot(0, this, [this] {
                if (isVisible())
                    bağlanmayıDene();
            });
        }
    }

private:
    void simgeGöster(const QString& ad) {
        simgeKutusu_->setPixmap(Kaynaklar::resim(ad, simgeKutusu_->size()));
        simgeKutusu_->setProperty("simge", ad);
    }

    void bağlanmayıDene() {
        if (deneniyor_)
            return;
        deneniyor_ = true;
        simgeGöster(QStringLiteral("BAGLAN"));
        etiket_->setText(BaglantiMetinleri::Bağlanıyor);
        yenidenDene_->setEnabled(false);
        setCursor(Qt::WaitCursor);
        repaint();
        try {
            deneme();
        } catch (const Hata& hata) {
            başarısız(hata);
        } catch (const std::exception& hata) {
            başarısız(Hata(HataNo::Beklenmeyen, QString::fromLocal8Bit(hata.what())));
        }
        deneniyor_ = false;
    }

    void deneme() {
        SunucuListesi liste = SunucuListesi::yükle();
        int konum = 0;
        if (!liste.boşMu()) {
            konum = liste.kullanılacakKonum();
            seçilenKlasör_ = liste.klasör(konum);
        } else {
            if (!MesajKutusu::soru(BaglantiMetinleri::YerBulunamadı)) {
                bitir();
                return;
            }
            for (;;) {
                seçilenKlasör_ = AğaGözat(this);
                if (seçilenKlasör_.isEmpty()) {
                    bitir();
                    return;
                }
                if (DosyaVarMı(VeritabanıDosyası(seçilenKlasör_)))
                    break;
                MesajKutusu::ünlem(BaglantiMetinleri::DosyaYok);
            }
            konum = liste.ekle(seçilenKlasör_);
        }

        auto vt = VeritabanıAç(this, VeritabanıDosyası(seçilenKlasör_));
        if (vt)
            AçıkVeritabanı::ayarla(vt);
        repaint();

        AnaFormArayüzü* form = anaForm();
        if (!vt) {
            if (form)
                form->durumYaz(2, BaglantiMetinleri::BağlantıYok);
            yenidenDene_->setEnabled(true);
            unsetCursor();
            return;
        }
        if (form)
            form->durumYaz(2, BaglantiMetinleri::BağlantıTamam);
        // A server URI written into the settings with its password loses it: the password
        // is in the keyring now.
        if (const QString temiz = SunucuAdresi::parolayıAyır(seçilenKlasör_).adres;
            temiz != seçilenKlasör_)
            liste.değiştir(konum, temiz);
        liste.anahtarlarıDüzelt();
        ayarYaz(Ayar::Veritabanı, konum);
        unsetCursor();
        hide();
        done(QDialog::Accepted);
        bağlandı_ = true;

        // The window is closed by now: what follows reports its own errors instead of
        // taking the connection's failure path.
        Adım([form] {
            if (form)
                form->KlasörleriYükle();
        });
        Adım([this, form] {
            tercihler().girişŞifresiSor = ayarBayrakOku(Ayar::GirişŞifresiSor);
            if (tercihler().girişŞifresiSor)
                bağlandı_ = GirişŞifresiSor(form ? form->pencere() : nullptr);
        });
    }

    void başarısız(const Hata& hata) {
        // Without the office key the folder is still the right one and is kept.
        const bool anahtarYok = hata.numara() == BüroAnahtarı::AnahtarHatası;
        const QString metin =
            anahtarYok ? hata.açıklama() : BaglantiMetinleri::hataMetni(hata.numara());
        etiket_->setText(metin.isEmpty() ? BaglantiMetinleri::BağlanılamadıGenel : metin);
        if (metin.isEmpty() && !HataBildir(hata))
            return;
        // A folder that failed is forgotten: the next attempt offers to look for it again.
        // A file that opened with the password was found where it was looked for: its
        // folder stays known. A server cannot be looked for in the folders: its URI stays
        // for the next attempt.
        if (!anahtarYok && !dynamic_cast<const AçılanDosyaHatası*>(&hata) &&
            !SunucuAdresi::adresMi(seçilenKlasör_))
            SunucuListesi::yükle().unut();
        simgeGöster(QStringLiteral("BAGLANMA"));
        yenidenDene_->setEnabled(true);
        unsetCursor();
    }

    void vazgeç() {
        if (MesajKutusu::soru(BaglantiMetinleri::VazgeçSorusu))
            bitir();
    }

    void bitir() {
        unsetCursor();
        hide();
        done(QDialog::Rejected);
        programıBitir();
    }

    QLabel* simgeKutusu_ = nullptr;
    QLabel* etiket_ = nullptr;
    QPushButton* yenidenDene_ = nullptr;
    QPushButton* vazgeç_ = nullptr;
    QString seçilenKlasör_;
    bool ilkDenemeYapıldı_ = false;
    bool deneniyor_ = false;
    bool bağlandı_ = false;
};

} // namespace

bool VeritabanınaBağlan() {
    // A day's copy that cannot be made is shown in the status bar's first panel; the
    // reason goes to standard error.
    GünlükYedek::uyarıAlıcısıAyarla([](const QString&) {
        if (AnaFormArayüzü* ana = anaForm())
            ana->durumYaz(1, BaglantiMetinleri::YedekAlınamadı);
    });
    AnaFormArayüzü* form = anaForm();
    VeritabanınaBağlanFormu pencere(form ? form->pencere() : nullptr);
    Modal::göster(&pencere);
    return pencere.bağlandı() && AçıkVeritabanı::açıkMı() && !ProgramSonu::sonlandıMı();
}
