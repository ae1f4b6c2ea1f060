#pragma once

#include <QLabel>
#include <QUrl>

class QDialog;
class QFrame;
class QVBoxLayout;

// A label used as a link: underlined while the pointer is over it, and a click opens its
// address through the desktop. An address the desktop cannot open is reported.
class BağlantıEtiketi : public QLabel {
public:
    BağlantıEtiketi(const QString& metin, const QUrl& adres, QWidget* üst);
    const QUrl& adres() const { return adres_; }
    void altıÇizili(bool çizili);

protected:
    void enterEvent(QEnterEvent* olay) override;
    void leaveEvent(QEvent* olay) override;
    void mouseReleaseEvent(QMouseEvent* olay) override;

private:
    QUrl adres_;
};

// The shape both windows of this folder share: the panel fills the window, which takes the
// size its contents ask for; the picture of the given size stands at the panel's top left and
// the returned column beside it holds the texts.
QVBoxLayout* resimliPanel(QDialog* pencere, QFrame* altlık, const QString& resim, int boyut);
