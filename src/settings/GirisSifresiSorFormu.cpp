#include "settings/GirisSifresiSorFormu.h"

#include "controls/AnaFormArayuzu.h"
#include "controls/GirisAlani.h"
#include "controls/HataBildirici.h"
#include "controls/MesajKutusu.h"
#include "controls/Modal.h"
#include "controls/Odak.h"
#include "controls/Twip.h"
#include "settings/AyarTablosu.h"
#include "settings/SifreKaristir.h"

#include <QDialog>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <cstdint>

namespace {

// Draws the label dark red while its box has the focus, in the window's colour otherwise.
class EtiketRengi : public QObject {
public:
    EtiketRengi(QLineEdit* kutu, QLabel* etiket) : QObject(kutu), etiket_(etiket) {
        kutu->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* olay) override {
        if (olay->type() == QEvent::FocusIn || olay->type() == QEvent::FocusOut)
            etiketiVurgula(etiket_, olay->type() == QEvent::FocusIn);
        return false;
    }

private:
    QLabel* etiket_;
};

class GirişŞifresiSorFormu : public QDialog {
public:
    explicit GirişŞifresiSorFormu(QWidget* sahip) : QDialog(sahip) {
        setObjectName(QStringLiteral("GirişŞifresiSorFormu"));
        setWindowTitle(QStringLiteral("Giriş Şifresi"));
        setFixedSize(twipten(4200), twipten(1380));

        auto* etiket = new QLabel(QStringLiteral("Şifre :"), this);
        etiket->setObjectName(QStringLiteral("Etiket"));
        etiket->setGeometry(twipten(240), twipten(300), twipten(735), twipten(255));

        kutu_ = new QLineEdit(this);
        kutu_->setObjectName(QStringLiteral("ŞifreKutusu"));
        kutu_->setGeometry(twipten(1020), twipten(255), twipten(1455), twipten(315));
        ŞifreKutusuHazırla(kutu_, etiket);

        auto* tamam = new QPushButton(QStringLiteral("Tamam"), this);
        tamam->setObjectName(QStringLiteral("TamamDüğmesi"));
        tamam->setGeometry(twipten(2700), twipten(240), twipten(1215), twipten(360));
        tamam->setDefault(true);

        auto* iptal = new QPushButton(QStringLiteral("İptal"), this);
        iptal->setObjectName(QStringLiteral("İptalDüğmesi"));
        iptal->setGeometry(twipten(2700), twipten(720), twipten(1215), twipten(360));
        iptal->setAutoDefault(false);

        connect(tamam, &QPushButton::clicked, this, [this] { Adım([this] { tamamla(); }); });
        connect(iptal, &QPushButton::clicked, this, [this] { reject(); });
        kutu_->setFocus();
    }

    // The cancel button, Esc and the title bar all keep the lock: the program ends.
    void reject() override {
        hide();
        QDialog::reject();
        if (AnaFormArayüzü* form = anaForm())
            form->programıKapat();
        else
            ProgramSonu::hemenSonlandır(0);
    }

private:
    void tamamla() {
        const QString şifre = kutu_->text();
        if (şifre.isEmpty()) {
            MesajKutusu::bilgi(ŞifreMetinleri::Boş);
            kutu_->setFocus();
            return;
        }
        if (şifre.size() < 4) {
            MesajKutusu::bilgi(ŞifreMetinleri::Kısa);
            kutu_->setFocus();
            return;
        }
        if (ŞifreKarıştır(şifre) == ayarOku(Ayar::GirişŞifresi)) {
            accept();
            return;
        }
        ++yanlışSayısı_;
        if (yanlışSayısı_ <= 2) {
            MesajKutusu::bilgi(ŞifreMetinleri::Yanlış);
            kutu_->clear();
            kutu_->setFocus();
            return;
        }
        MesajKutusu::ünlem(ŞifreMetinleri::ÜçKezYanlış);
        reject();
    }

    QLineEdit* kutu_ = nullptr;
    std::uint8_t yanlışSayısı_ = 0;
};

} // namespace

void ŞifreKutusuHazırla(QLineEdit* kutu, QLabel* etiket) {
    kutu->setEchoMode(QLineEdit::Password);
    kutu->setMaxLength(10);
    // Letters, signs and anything past the tenth digit are refused, whether typed or pasted.
    kutu->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,10}")), kutu));
    OdaktaTümünüSeç(kutu);
    if (etiket) {
        etiket->setBuddy(kutu);
        new EtiketRengi(kutu, etiket);
    }
}

bool GirişŞifresiSor(QWidget* sahip) {
    GirişŞifresiSorFormu pencere(sahip);
    return Modal::göster(&pencere) == QDialog::Accepted;
}
