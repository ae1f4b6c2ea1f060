#include "settings/GirisSifresiBelirleDegistirFormu.h"

#include "controls/HataBildirici.h"
#include "controls/MesajKutusu.h"
#include "controls/Modal.h"
#include "controls/Twip.h"
#include "settings/AyarTablosu.h"
#include "settings/GirisSifresiSorFormu.h"
#include "settings/SifreKaristir.h"
#include "settings/Tercihler.h"

#include <QDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

const QString DoğrulamaBoş =
    QStringLiteral("Belirlediğiniz şifreyi doğrulamak için lütfen, yeniden yazınız!");
const QString DoğrulamaFarklı =
    QStringLiteral("Doğrulamak için girdiğiniz değer, şifreden farklı! Lütfen, kontrol ediniz.");
const QString BelirlemekİstemiyorMusunuz =
    QStringLiteral("GİRİŞ ŞİFRESİ belirlemek istemiyor musunuz?");
const QString Kaldırılsın = QStringLiteral("GİRİŞ ŞİFRESİ'ni kaldırmak istiyor musunuz?");

class GirişŞifresiBelirleDeğiştirFormu : public QDialog {
public:
    explicit GirişŞifresiBelirleDeğiştirFormu(QWidget* sahip) : QDialog(sahip) {
        const bool şifreVar = tercihler().girişŞifresiSor;
        setObjectName(QStringLiteral("GirişŞifresiBelirleDeğiştirFormu"));
        setWindowTitle(şifreVar ? QStringLiteral("Giriş Şifresi Değiştir")
                                : QStringLiteral("Giriş Şifresi Belirle"));
        setFixedSize(twipten(4500), twipten(1500));

        auto* etiket0 =
            new QLabel(şifreVar ? QStringLiteral("Yeni Şifre :") : QStringLiteral("Şifre :"), this);
        etiket0->setObjectName(QStringLiteral("Etiket0"));
        etiket0->setGeometry(twipten(240), twipten(300), twipten(1095), twipten(255));
        şifre_ = new QLineEdit(this);
        şifre_->setObjectName(QStringLiteral("ŞifreKutusu"));
        şifre_->setGeometry(twipten(1380), twipten(255), twipten(1455), twipten(315));
        ŞifreKutusuHazırla(şifre_, etiket0);

        auto* etiket1 = new QLabel(QStringLiteral("Doğrula :"), this);
        etiket1->setObjectName(QStringLiteral("Etiket1"));
        etiket1->setGeometry(twipten(240), twipten(780), twipten(1095), twipten(255));
        doğrula_ = new QLineEdit(this);
        doğrula_->setObjectName(QStringLiteral("ŞifreDoğrulaKutusu"));
        doğrula_->setGeometry(twipten(1380), twipten(735), twipten(1455), twipten(315));
        ŞifreKutusuHazırla(doğrula_, etiket1);

        auto* tamam = new QPushButton(QStringLiteral("Tamam"), this);
        tamam->setObjectName(QStringLiteral("TamamDüğmesi"));
        tamam->setGeometry(twipten(3000), twipten(240), twipten(1275), twipten(360));
        tamam->setDefault(true);

        iptal_ = new QPushButton(
            şifreVar ? QStringLiteral("Şifreyi Kaldır") : QStringLiteral("İptal"), this);
        iptal_->setObjectName(QStringLiteral("İptalDüğmesi"));
        iptal_->setGeometry(twipten(3000), twipten(720), twipten(1275), twipten(360));
        iptal_->setAutoDefault(false);

        connect(tamam, &QPushButton::clicked, this, [this] { Adım([this] { tamamla(); }); });
        connect(iptal_, &QPushButton::clicked, this, [this] { Adım([this] { iptalEt(); }); });
        şifre_->setFocus();
    }

protected:
    // Esc is the cancel button; closing from the title bar just closes, changing nothing.
    void keyPressEvent(QKeyEvent* olay) override {
        if (olay->key() == Qt::Key_Escape && olay->modifiers() == Qt::NoModifier) {
            iptal_->click();
            return;
        }
        QDialog::keyPressEvent(olay);
    }

private:
    void tamamla() {
        const QString şifre = şifre_->text();
        if (şifre.isEmpty())
            return red(ŞifreMetinleri::Boş, şifre_);
        if (şifre.size() < 4)
            return red(ŞifreMetinleri::Kısa, şifre_);
        if (doğrula_->text().isEmpty())
            return red(DoğrulamaBoş, doğrula_);
        if (doğrula_->text() != şifre)
            return red(DoğrulamaFarklı, doğrula_);
        tercihler().girişŞifresiSor = true;
        ayarYaz(Ayar::GirişŞifresiSor, QStringLiteral("-1"));
        ayarYaz(Ayar::GirişŞifresi, ŞifreKarıştır(şifre));
        accept();
    }

    void red(const QString& metin, QLineEdit* kutu) {
        MesajKutusu::bilgi(metin);
        kutu->setFocus();
    }

    void iptalEt() {
        if (!tercihler().girişŞifresiSor) {
            if (!MesajKutusu::soru(BelirlemekİstemiyorMusunuz))
                return;
        } else if (!MesajKutusu::soru(Kaldırılsın, false)) {
            reject();
            return;
        }
        tercihler().girişŞifresiSor = false;
        ayarYaz(Ayar::GirişŞifresiSor, QStringLiteral("0"));
        ayarYaz(Ayar::GirişŞifresi, QString());
        reject();
    }

    QLineEdit* şifre_ = nullptr;
    QLineEdit* doğrula_ = nullptr;
    QPushButton* iptal_ = nullptr;
};

} // namespace

void GirişŞifresiBelirleDeğiştir(QWidget* sahip) {
    GirişŞifresiBelirleDeğiştirFormu pencere(sahip);
    Modal::göster(&pencere);
}
