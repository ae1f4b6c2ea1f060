#pragma once

#include <QString>

// The alarm sound of the reminder window: one sound file played in an endless loop through
// the platform's sound service. Playing never blocks and never fails: with no audio device
// the loop is simply silent, and a missing file plays nothing (there is no fallback sound).
namespace AlarmSesi {
// Starts the file's loop afresh, replacing any loop that is playing.
void çal(const QString& dosyaYolu);
void durdur();

// What the program has asked for, as tests and the window read it back.
struct Durum {
    bool çalıyor = false;   // a loop was started and not stopped since
    QString dosya;          // the file of the running loop
    int başlatmaSayısı = 0; // loops started (a missing file starts none)
    int durdurmaSayısı = 0;
};
const Durum& durum();
void durumuSıfırla();
} // namespace AlarmSesi
