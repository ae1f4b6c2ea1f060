#include "about/BaglantiEtiketi.h"

#include "about/AdresAcici.h"
#include "controls/MesajKutusu.h"

#include <QMouseEvent>

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
