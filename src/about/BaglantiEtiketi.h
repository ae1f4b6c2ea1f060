#pragma once

#include <QLabel>
#include <QUrl>

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
