#pragma once

#include <QtGlobal>
#include <functional>

class QTimer;
class QTreeView;
class QWidget;
class İşListesiModeli;

// Keeps the rows of a window up to date with the other computers of the office: every few
// seconds it asks the database whether anything has changed since the rows were read (no
// row is read to find out), and when it has, it has the window read them again, unless the
// user is busy above the window (another modal window, a message box, a menu); then the
// window reads them at a later look.
class Listeİzleyicisi {
public:
    // A look every few seconds while the window is visible; `yenile` reads the rows again.
    Listeİzleyicisi(QWidget* pencere, std::function<void()> yenile);
    ~Listeİzleyicisi();
    Listeİzleyicisi(const Listeİzleyicisi&) = delete;
    Listeİzleyicisi& operator=(const Listeİzleyicisi&) = delete;

    // The window is about to read its rows: changes before now are in them.
    void okunuyor();
    // One look (the timer's; a test calls it directly).
    void denetle();

    // Another computer's changes look every few seconds.
    static constexpr int Aralık = 3000;

private:
    QWidget* pencere_;
    std::function<void()> yenile_;
    QTimer* zamanlayıcı_;
    quint64 görülen_ = 0;
    bool okundu_ = false;
};

// Reads a job list again as the user left it: the same job selected (none when it is gone),
// the same rows in view, the date order applied again when the list is sorted by date (a text
// order the model keeps by itself). `doldur` fills the model.
void seçimiKoruyarakDoldur(QTreeView* görünüm, İşListesiModeli& model,
                           const std::function<void()>& doldur);
