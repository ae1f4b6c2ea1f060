#include "database/BuroAnahtariFormu.h"

#include "controls/Hata.h"
#include "controls/MesajKutusu.h"
#include "controls/Modal.h"
#include "controls/Twip.h"
#include "database/AnahtarDeposu.h"
#include "database/BuroAnahtari.h"
#include "database/SunucuListesi.h"
#include "database/Veritabani.h"

#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <exception>
#include <functional>
#include <optional>

namespace {

// What a secret window asks for and says.
struct Soru {
    QString pencereAdı, başlık, açıklama, etiket, kutuAdı, boş, yanlış;
    int enÇokDeneme = 3;
};

const Soru BüroAnahtarıSorusu{
    QStringLiteral("BüroAnahtarıFormu"), QStringLiteral("Büro Anahtarı"),
    BüroAnahtarıMetinleri::Açıklama,     QStringLiteral("&Büro anahtarı :"),
    QStringLiteral("AnahtarKutusu"),     BüroAnahtarıMetinleri::Boş,
    BüroAnahtarıMetinleri::Yanlış,       3};

// A server gets one try: a wrong password is the server's answer, told by the caller.
const Soru SunucuParolasıSorusu{QStringLiteral("SunucuParolasıFormu"),
                                QStringLiteral("Sunucu Parolası"),
                                SunucuParolasıMetinleri::Açıklama,
                                QStringLiteral("&Parola :"),
                                QStringLiteral("ParolaKutusu"),
                                SunucuParolasıMetinleri::Boş,
                                QString(),
                                1};

// Asks for a secret (the office key, a server's password) and tries each typed one at once;
// the last allowed wrong one closes it.
class GizliSoruFormu : public QDialog {
public:
    GizliSoruFormu(QWidget* sahip, const Soru& soru, std::function<bool(const QString&)> dene)
        : QDialog(sahip), soru_(soru), dene_(std::move(dene)) {
        setObjectName(soru_.pencereAdı);
        setWindowTitle(soru_.başlık);
        setFixedSize(twipten(5520), twipten(1800));
        tasarımYazısıKullan(this);
        // Centred on the window that asks (the smaller connect window), so that it covers it
        // wholly, title bar included, instead of leaving an empty edge of it showing.
        if (sahip && sahip->isVisible())
            setGeometry(QRect(sahip->geometry().center() - rect().center(), size()));

        auto* açıklama = new QLabel(soru_.açıklama, this);
        açıklama->setObjectName(QStringLiteral("Etiket"));
        açıklama->setGeometry(twipAlanı(240, 180, 5040, 450));
        açıklama->setWordWrap(true);

        auto* etiket = new QLabel(soru_.etiket, this);
        etiket->setObjectName(QStringLiteral("AnahtarEtiketi"));
        etiket->setGeometry(twipAlanı(240, 780, 1260, 255));

        kutu_ = new QLineEdit(this);
        kutu_->setObjectName(soru_.kutuAdı);
        kutu_->setGeometry(twipAlanı(1500, 735, 2300, 315));
        kutu_->setEchoMode(QLineEdit::Password);
        etiket->setBuddy(kutu_);

        auto* tamam = new QPushButton(QStringLiteral("Tamam"), this);
        tamam->setObjectName(QStringLiteral("TamamDüğmesi"));
        tamam->setGeometry(twipAlanı(3960, 720, 1320, 360));
        tamam->setDefault(true);

        auto* vazgeç = new QPushButton(QStringLiteral("Vazgeç"), this);
        vazgeç->setObjectName(QStringLiteral("VazgeçDüğmesi"));
        vazgeç->setGeometry(twipAlanı(3960, 1200, 1320, 360));
        vazgeç->setAutoDefault(false);

        connect(tamam, &QPushButton::clicked, this, [this] { tamamla(); });
        connect(vazgeç, &QPushButton::clicked, this, [this] { reject(); });
        kutu_->setFocus();
    }

    // The secret that opened the database; empty when none did.
    QString anahtar() const { return anahtar_; }
    bool hakBitti() const { return yanlış_ >= soru_.enÇokDeneme; }
    // An error met while trying a key goes on to the caller, not into this window.
    void hatayıAt() const {
        if (hata_)
            std::rethrow_exception(hata_);
    }

private:
    void tamamla() {
        const QString yazılan = kutu_->text();
        if (yazılan.isEmpty()) {
            MesajKutusu::bilgi(soru_.boş);
            kutu_->setFocus();
            return;
        }
        bool açtı = false;
        setCursor(Qt::WaitCursor);
        try {
            açtı = dene_(yazılan);
        } catch (...) {
            hata_ = std::current_exception();
        }
        unsetCursor();
        if (hata_) {
            reject();
            return;
        }
        if (açtı) {
            anahtar_ = yazılan;
            accept();
            return;
        }
        ++yanlış_;
        kutu_->clear();
        if (hakBitti()) {
            reject();
            return;
        }
        MesajKutusu::bilgi(soru_.yanlış);
        kutu_->setFocus();
    }

    const Soru& soru_;
    std::function<bool(const QString&)> dene_;
    QLineEdit* kutu_ = nullptr;
    QString anahtar_;
    int yanlış_ = 0;
    std::exception_ptr hata_;
};

SunucuAçmaTest::Açıcı& testAçıcısı() {
    static SunucuAçmaTest::Açıcı açıcı;
    return açıcı;
}

// Opens the server with the password given to libpq as its password keyword; without one,
// libpq's own ways (a password file, a service) apply. The file's fixed password is never
// sent to a server.
std::shared_ptr<Veritabanı> sunucuyuAç(const QString& adres, const std::optional<QString>& parola) {
    const QString bağlantı = parola ? QStringLiteral(";Pwd=") + *parola : QString();
    if (testAçıcısı())
        return testAçıcısı()(adres, bağlantı);
    return Veritabanı::OpenDatabase(adres, false, false, bağlantı);
}

// A server: the password the URI carries or else the one kept for it; on a refusal (or with
// none) the user is asked once, and the password that got in is kept in the keyring under the
// URI without it.
std::shared_ptr<Veritabanı> sunucuAç(QWidget* sahip, const QString& girilen) {
    const auto [adres, verilen] = SunucuAdresi::parolayıAyır(girilen);
    AnahtarDeposu& depo = AnahtarDeposuSeçimi::şimdiki();
    const std::optional<QString> ilk = verilen.isEmpty() ? depo.oku(adres) : std::optional(verilen);
    try {
        auto vt = sunucuyuAç(adres, ilk);
        if (!verilen.isEmpty())
            depo.yaz(adres, verilen);
        return vt;
    } catch (const Hata& hata) {
        if (hata.numara() != BüroAnahtarı::AnahtarHatası)
            throw;
    }

    std::shared_ptr<Veritabanı> vt;
    std::optional<Hata> reddi; // the server's answer to the typed password
    GizliSoruFormu pencere(sahip, SunucuParolasıSorusu, [&](const QString& parola) {
        try {
            vt = sunucuyuAç(adres, parola);
            return true;
        } catch (const Hata& hata) {
            if (hata.numara() != BüroAnahtarı::AnahtarHatası)
                throw;
            reddi = hata;
            return false;
        }
    });
    Modal::göster(&pencere);
    pencere.hatayıAt();
    if (!vt) {
        if (reddi)
            throw *reddi;
        throw Hata(BüroAnahtarı::AnahtarHatası, SunucuParolasıMetinleri::Girilmedi);
    }
    depo.yaz(adres, pencere.anahtar());
    return vt;
}

} // namespace

namespace SunucuAçmaTest {
void ayarla(Açıcı açıcı) {
    testAçıcısı() = std::move(açıcı);
}
} // namespace SunucuAçmaTest

std::shared_ptr<Veritabanı> VeritabanıAç(QWidget* sahip, const QString& dosya) {
    if (SunucuAdresi::adresMi(dosya))
        return sunucuAç(sahip, dosya);
    try {
        return Veritabanı::OpenDatabase(dosya, false, false, Veritabanı::BağlantıMetni);
    } catch (const Hata& hata) {
        // A file that opened with the fixed password but whose tables were refused needs no
        // office key: only a file the password could not read is asked for one.
        if (hata.numara() != HataNo::VeritabanıDeğil ||
            dynamic_cast<const AçılanDosyaHatası*>(&hata) || !BüroAnahtarı::şifreliGörünüyor(dosya))
            throw;
    }
    AnahtarDeposu& depo = AnahtarDeposuSeçimi::şimdiki();
    if (const auto kayıtlı = depo.oku(dosya); kayıtlı && BüroAnahtarı::açarMı(dosya, *kayıtlı))
        return Veritabanı::anahtarlaAç(dosya, *kayıtlı);

    GizliSoruFormu pencere(sahip, BüroAnahtarıSorusu, [&dosya](const QString& anahtar) {
        return BüroAnahtarı::açarMı(dosya, anahtar);
    });
    Modal::göster(&pencere);
    pencere.hatayıAt();
    if (pencere.anahtar().isEmpty())
        throw Hata(BüroAnahtarı::AnahtarHatası, pencere.hakBitti()
                                                    ? BüroAnahtarıMetinleri::ÜçKezYanlış
                                                    : BüroAnahtarıMetinleri::Girilmedi);
    auto vt = Veritabanı::anahtarlaAç(dosya, pencere.anahtar());
    // Kept only once it has opened the file; without a keyring it is asked next time.
    depo.yaz(dosya, pencere.anahtar());
    return vt;
}
