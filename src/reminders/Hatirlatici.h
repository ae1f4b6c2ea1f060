#pragma once

#include "deadline/TatilTakvimi.h"

#include <QPointer>
#include <QTimer>
#include <optional>

class AnaFormArayüzü;
class HatırlatmaFormu;

// The main window's reminder check: a 32-second timer whose every tick looks for today's
// jobs that have come due and shows them in the reminder window.
class HatırlatmaZamanlayıcısı {
public:
    explicit HatırlatmaZamanlayıcısı(AnaFormArayüzü& anaForm);
    ~HatırlatmaZamanlayıcısı();

    static constexpr int Periyot = 32000;

    // Sets the period and starts the timer; the first check comes one period later.
    void başlat();
    // One tick of the timer (tests call it directly). While the reminder window is on screen
    // a tick does nothing; otherwise it lists the due jobs and, when there are any, shows
    // the reminder window modally over the main window and waits until it closes. The first
    // check of a day on this computer also lists the reminders missed since the last check,
    // and then shows the morning summary.
    void tik();
    QTimer& zamanlayıcı() { return zamanlayıcı_; }

    // Empties the reminder window's list and fills it with the jobs due now.
    void HatırlatılacakİşleriListele();
    // The reminder window, made (hidden) when it does not exist yet. Closing it destroys
    // it; the next reminder makes a new one.
    HatırlatmaFormu* hatırlatmaFormu();

    // Shows the morning summary when it is on and has not been shown today on this computer,
    // once the main window is on screen and no other modal window is open (it waits for both).
    void sabahÖzetiniGöster();
    // The holidays the summary counts working days by, read once from the holiday file.
    const TatilTakvimi& tatilTakvimi();
    void tatilTakviminiAyarla(const TatilTakvimi& takvim) { takvim_ = takvim; }

private:
    AnaFormArayüzü& anaForm_;
    QTimer zamanlayıcı_;
    QPointer<HatırlatmaFormu> form_;
    QPointer<QObject> bekçi_; // waits for the window the morning summary must not cover
    std::optional<TatilTakvimi> takvim_;
};
