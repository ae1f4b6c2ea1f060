#pragma once

#include <QString>
#include <functional>
#include <memory>

class QLocalServer;

// One running copy per user: the first copy listens on a local socket named after the
// application title and the user; a later copy asks it to show its main window and exits.
class TekKopya {
public:
    explicit TekKopya(const QString& başlık);
    ~TekKopya();

    static QString soketAdı(const QString& başlık, const QString& kullanıcı);

    // True when another copy answered and took the request to show its window.
    bool öncekiKopyayıÖneGetir();
    // Starts listening; gösterİsteği runs whenever a later copy asks.
    bool dinle(std::function<void()> gösterİsteği);

private:
    QString ad_;
    std::unique_ptr<QLocalServer> sunucu_;
};
