#include "about/HataBildirmeFormu.h"

#include "about/BaglantiEtiketi.h"
#include "about/HakkindaMetinleri.h"
#include "controls/Modal.h"

#include <QDialog>
#include <QEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

class HataBildirmeFormu : public QDialog {
public:
    explicit HataBildirmeFormu(QWidget* sahip) : QDialog(sahip) {
        setObjectName(QStringLiteral("HataBildirmeFormu"));
        setWindowTitle(QStringLiteral("Hata Bildirme"));

        Altlık_ = new QFrame(this);
        Altlık_->setFocusPolicy(Qt::StrongFocus);
        Altlık_->setAccessibleName(QStringLiteral("Hataları Bildirin!"));
        QVBoxLayout* sütun = resimliPanel(this, Altlık_, QStringLiteral("HATA_BILDIRME"), 48);
        auto* başlık = new QLabel(QStringLiteral("Hataları Bildirin!"), Altlık_);
        başlık->setObjectName(QStringLiteral("Etiket0"));
        QFont kalın = başlık->font();
        kalın.setBold(true);
        başlık->setFont(kalın);
        sütun->addWidget(başlık);
        auto* açıklama = new QLabel(
            QStringLiteral("Lütfen, programda gördüğünüz hataları aşağıdaki yollardan biri ile "
                           "bize iletiniz.\nİlginiz için şimdiden teşekkürler..."),
            Altlık_);
        açıklama->setObjectName(QStringLiteral("Etiket1"));
        açıklama->setWordWrap(true);
        açıklama->setMinimumWidth(300);
        sütun->addWidget(açıklama);
        sütun->addSpacing(8);

        auto* bağlantılar = new QHBoxLayout;
        WebEtiketi_ = new BağlantıEtiketi(QStringLiteral("Mesaj Gönder"),
                                          HakkındaMetinleri::hataBildirmeSayfası(), Altlık_);
        WebEtiketi_->setObjectName(QStringLiteral("WebEtiketi"));
        EPostaEtiketi_ = new BağlantıEtiketi(QStringLiteral("E-Posta Gönder"),
                                             HakkındaMetinleri::ePostaAdresi(), Altlık_);
        EPostaEtiketi_->setObjectName(QStringLiteral("EPostaEtiketi"));
        EPostaEtiketi_->setToolTip(HakkındaMetinleri::DestekAdresi);
        bağlantılar->addWidget(WebEtiketi_);
        bağlantılar->addSpacing(24);
        bağlantılar->addWidget(EPostaEtiketi_);
        bağlantılar->addStretch();
        auto* TamamButonu = new QPushButton(QStringLiteral("Tamam"), Altlık_);
        TamamButonu->setObjectName(QStringLiteral("TamamButonu"));
        bağlantılar->addWidget(TamamButonu);
        sütun->addLayout(bağlantılar);

        connect(TamamButonu, &QPushButton::clicked, this, &QDialog::accept);
    }

protected:
    // Only the "Tamam" button (or the title bar) closes this window, not Esc.
    void keyPressEvent(QKeyEvent* olay) override {
        if (olay->key() == Qt::Key_Escape)
            return;
        QDialog::keyPressEvent(olay);
    }
    void changeEvent(QEvent* olay) override {
        if (olay->type() == QEvent::ActivationChange && isActiveWindow())
            Altlık_->setFocus();
        QDialog::changeEvent(olay);
    }

private:
    QFrame* Altlık_ = nullptr;
    BağlantıEtiketi* WebEtiketi_ = nullptr;
    BağlantıEtiketi* EPostaEtiketi_ = nullptr;
};

} // namespace

void HataBildirmeFormunuAç(QWidget* sahip) {
    HataBildirmeFormu pencere(sahip);
    Modal::göster(&pencere);
}
