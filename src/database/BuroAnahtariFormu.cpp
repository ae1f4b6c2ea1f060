#include "database/BuroAnahtariFormu.h"

#include "controls/Hata.h"
#include "controls/MesajKutusu.h"
#include "controls/Modal.h"
#include "controls/Twip.h"
#include "database/AnahtarDeposu.h"
#include "database/BuroAnahtari.h"
#include "database/Veritabani.h"

#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <exception>
#include <functional>

namespace {

// Asks for the office key and tries each typed key at once; the third wrong key closes it.
class BüroAnahtarıFormu : public QDialog {
public:
    BüroAnahtarıFormu(QWidget* sahip, std::function<bool(const QString&)> dene)
        : QDialog(sahip), dene_(std::move(dene)) {
        setObjectName(QStringLiteral("BüroAnahtarıFormu"));
        setWindowTitle(QStringLiteral("Büro Anahtarı"));
        setFixedSize(twipten(5520), twipten(1800));
        tasarımYazısıKullan(this);

        auto* açıklama = new QLabel(BüroAnahtarıMetinleri::Açıklama, this);
        açıklama->setObjectName(QStringLiteral("Etiket"));
        açıklama->setGeometry(twipAlanı(240, 180, 5040, 450));
        açıklama->setWordWrap(true);

        auto* etiket = new QLabel(QStringLiteral("&Büro anahtarı :"), this);
        etiket->setObjectName(QStringLiteral("AnahtarEtiketi"));
        etiket->setGeometry(twipAlanı(240, 780, 1260, 255));

        kutu_ = new QLineEdit(this);
        kutu_->setObjectName(QStringLiteral("AnahtarKutusu"));
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

    // The key that opened the file; empty when none did.
    QString anahtar() const { return anahtar_; }
    bool üçKezYanlış() const { return yanlış_ >= 3; }
    // An error met while trying a key goes on to the caller, not into this window.
    void hatayıAt() const {
        if (hata_)
            std::rethrow_exception(hata_);
    }

private:
    void tamamla() {
        const QString yazılan = kutu_->text();
        if (yazılan.isEmpty()) {
            MesajKutusu::bilgi(BüroAnahtarıMetinleri::Boş);
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
        if (yanlış_ >= 3) {
            reject();
            return;
        }
        MesajKutusu::bilgi(BüroAnahtarıMetinleri::Yanlış);
        kutu_->setFocus();
    }

    std::function<bool(const QString&)> dene_;
    QLineEdit* kutu_ = nullptr;
    QString anahtar_;
    int yanlış_ = 0;
    std::exception_ptr hata_;
};

} // namespace

std::shared_ptr<Veritabanı> VeritabanıAç(QWidget* sahip, const QString& dosya) {
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

    BüroAnahtarıFormu pencere(
        sahip, [&dosya](const QString& anahtar) { return BüroAnahtarı::açarMı(dosya, anahtar); });
    Modal::göster(&pencere);
    pencere.hatayıAt();
    if (pencere.anahtar().isEmpty())
        throw Hata(BüroAnahtarı::AnahtarHatası, pencere.üçKezYanlış()
                                                    ? BüroAnahtarıMetinleri::ÜçKezYanlış
                                                    : BüroAnahtarıMetinleri::Girilmedi);
    auto vt = Veritabanı::anahtarlaAç(dosya, pencere.anahtar());
    // Kept only once it has opened the file; without a keyring it is asked next time.
    depo.yaz(dosya, pencere.anahtar());
    return vt;
}
