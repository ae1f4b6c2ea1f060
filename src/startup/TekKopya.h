#pragma once

#include <QString>
#include <functional>
#include <memory>

class QLocalServer;

// One running copy per user and desktop: the first copy listens on a local socket named
// after the application title, the user and the desktop (display or session); a later copy
// on the same desktop asks it to show its main window and exits. Another desktop of the same
// user runs a copy of its own.
class TekKopya {
public:
    explicit TekKopya(const QString& başlık);
    ~TekKopya();

    static QString soketAdı(const QString& başlık, const QString& kullanıcı,
                            const QString& masaüstü);
    // The desktop this copy runs on, from the Wayland display, the X display or the login
    // session (the first that is set); the X screen number is left out.
    static QString masaüstüAdı(const QString& wayland, const QString& x11, const QString& oturum);

    // True when another copy answered and took the request to show its window.
    bool öncekiKopyayıÖneGetir();
    // Starts listening; gösterİsteği runs whenever a later copy asks.
    bool dinle(std::function<void()> gösterİsteği);

private:
    QString ad_;
    std::unique_ptr<QLocalServer> sunucu_;
};
