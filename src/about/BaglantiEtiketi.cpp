#include "about/BaglantiEtiketi.h"

#include "about/AdresAcici.h"
#include "controls/Kaynaklar.h"
#include "controls/MesajKutusu.h"

#include <QDialog>
#include <QFrame>
#include <QHBoxLayout>
#include <QMouseEvent>
#include <QVBoxLayout>

BağlantıEtiketi::BağlantıEtiketi(const QString& metin, const QUrl& adres, QWidget* üst)
    : QLabel(metin, üst), adres_(adres) {
    setCursor(Qt::PointingHandCursor);
    QPalette renkler = palette();
    renkler.setColor(QPalette::WindowText, QColor(0, 0, 255));
    setPalette(renkler);
}

void BağlantıEtiketi::altıÇizili(bool çizili) {
    if (font().underline() == çizili)
        return;
    QFont yazı = font();
    yazı.setUnderline(çizili);
    setFont(yazı);
}

void BağlantıEtiketi::enterEvent(QEnterEvent* olay) {
    altıÇizili(true);
    QLabel::enterEvent(olay);
}

void BağlantıEtiketi::leaveEvent(QEvent* olay) {
    altıÇizili(false);
    QLabel::leaveEvent(olay);
}

void BağlantıEtiketi::mouseReleaseEvent(QMouseEvent* olay) {
    if (olay->button() == Qt::LeftButton && rect().contains(olay->position().toPoint()) &&
        !AdresAçıcı::aç(adres_)) {
        MesajKutusu::ünlem(QStringLiteral("Bağlantı açılamadı! Lütfen, aşağıdaki adresi "
                                          "kendiniz açmayı deneyiniz:\r\n") +
                           adres_.toDisplayString());
    }
    QLabel::mouseReleaseEvent(olay);
}

QVBoxLayout* resimliPanel(QDialog* pencere, QFrame* altlık, const QString& resim, int boyut) {
    auto* düzen = new QHBoxLayout(pencere);
    düzen->setContentsMargins(0, 0, 0, 0);
    düzen->setSizeConstraint(QLayout::SetFixedSize);
    altlık->setObjectName(QStringLiteral("Altlık"));
    düzen->addWidget(altlık);

    auto* yatay = new QHBoxLayout(altlık);
    yatay->setContentsMargins(16, 16, 16, 16);
    yatay->setSpacing(16);
    auto* SimgeKutusu = new QLabel(altlık);
    SimgeKutusu->setObjectName(QStringLiteral("SimgeKutusu"));
    SimgeKutusu->setPixmap(Kaynaklar::resim(resim, QSize(boyut, boyut)));
    SimgeKutusu->setAlignment(Qt::AlignTop);
    yatay->addWidget(SimgeKutusu);

    auto* sütun = new QVBoxLayout;
    yatay->addLayout(sütun);
    return sütun;
}
