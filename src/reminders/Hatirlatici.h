#pragma once

#include <QTimer>

class AnaFormArayüzü;

// The main window's reminder check: a 32-second timer whose every tick looks for today's
// jobs that have come due and shows them in the reminder window.
class HatırlatmaZamanlayıcısı {
public:
    explicit HatırlatmaZamanlayıcısı(AnaFormArayüzü& anaForm);
    ~HatırlatmaZamanlayıcısı();

    static constexpr int Periyot = 32000;

    // Sets the period and starts the timer; the first check comes one period later.
    void başlat();
    // One tick of the timer (tests call it directly).
    void tik();
    QTimer& zamanlayıcı() { return zamanlayıcı_; }

private:
    AnaFormArayüzü& anaForm_;
    QTimer zamanlayıcı_;
};
