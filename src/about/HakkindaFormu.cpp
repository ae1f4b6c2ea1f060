#include "about/HakkindaFormu.h"

#include "about/BaglantiEtiketi.h"
#include "about/HakkindaMetinleri.h"
#include "controls/Modal.h"
#include "settings/MakineDegerleri.h"
#include "settings/ProgramDegerleri.h"

#include <QDialog>
#include <QEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace {

class HakkındaFormu : public QDialog {
public:
    explicit HakkındaFormu(QWidget* sahip) : QDialog(sahip) {
        setObjectName(QStringLiteral("HakkındaFormu"));
        setWindowTitle(QStringLiteral("Hakkında"));

        // The background panel; the link loses its underline when the pointer is back here.
        auto* Altlık = new QFrame(this);
        QVBoxLayout* sütun = resimliPanel(this, Altlık, QStringLiteral("HAKKINDA"), 64);
        auto etiket = [&](const QString& metin, const QString& ad) {
            auto* e = new QLabel(metin, Altlık);
            e->setObjectName(ad);
            sütun->addWidget(e);
            return e;
        };
        QLabel* başlık = etiket(ÜrünAdı, QStringLiteral("Etiket0"));
        QFont büyük = başlık->font();
        büyük.setBold(true);
        büyük.setPointSizeF(büyük.pointSizeF() * 1.5);
        başlık->setFont(büyük);
        etiket(HakkındaMetinleri::buSürümünYazısı(), QStringLiteral("Etiket1"));
        QLabel* yasal = etiket(HakkındaMetinleri::YasalUyarı, QStringLiteral("Etiket2"));
        yasal->setWordWrap(true);
        yasal->setMinimumWidth(280);
        sütun->addSpacing(8);
        auto* yapımcıSatırı = new QHBoxLayout;
        auto* yapımcı = new QLabel(HakkındaMetinleri::Yapımcı, Altlık);
        yapımcı->setObjectName(QStringLiteral("Etiket3"));
        yapımcıSatırı->addWidget(yapımcı);
        SELVANEEtiketi_ = new BağlantıEtiketi(HakkındaMetinleri::yapımcıSitesi().toDisplayString(),
                                              HakkındaMetinleri::yapımcıSitesi(), Altlık);
        SELVANEEtiketi_->setObjectName(QStringLiteral("SELVANEEtiketi"));
        yapımcıSatırı->addWidget(SELVANEEtiketi_);
        yapımcıSatırı->addStretch();
        sütun->addLayout(yapımcıSatırı);
        auto* çizgi = new QFrame(Altlık);
        çizgi->setFrameShape(QFrame::HLine);
        çizgi->setFrameShadow(QFrame::Sunken);
        sütun->addWidget(çizgi);
        KullanıcıAdıEtiketi_ = etiket(QString(), QStringLiteral("KullanıcıAdıEtiketi"));
        KuruluşAdıEtiketi_ = etiket(QString(), QStringLiteral("KuruluşAdıEtiketi"));
        sütun->addStretch();
    }

protected:
    void showEvent(QShowEvent* olay) override {
        sahibiGöster();
        QDialog::showEvent(olay);
    }
    void changeEvent(QEvent* olay) override {
        if (olay->type() == QEvent::ActivationChange && isActiveWindow())
            sahibiGöster();
        QDialog::changeEvent(olay);
    }

private:
    // Read afresh whenever the window comes up; a value that cannot be read is empty.
    void sahibiGöster() {
        KullanıcıAdıEtiketi_->setText(
            HakkındaMetinleri::baytSınırında(MakineDeğerleri::kayıtlıKullanıcı()));
        KuruluşAdıEtiketi_->setText(
            HakkındaMetinleri::baytSınırında(MakineDeğerleri::kayıtlıKuruluş()));
    }

    BağlantıEtiketi* SELVANEEtiketi_ = nullptr;
    QLabel* KullanıcıAdıEtiketi_ = nullptr;
    QLabel* KuruluşAdıEtiketi_ = nullptr;
};

} // namespace

void HakkındaFormunuAç(QWidget* sahip) {
    HakkındaFormu pencere(sahip);
    Modal::göster(&pencere);
}
