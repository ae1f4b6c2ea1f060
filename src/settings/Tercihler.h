#pragma once

#include <QString>
#include <cstdint>

// The preference values held in memory for the whole run: read at start-up and whenever
// the preferences window loads, written back by that window and by the reminder window.
struct TercihDeğerleri {
    int girişlerSaklansın = 0;
    std::uint8_t saklanacakGirişSayısı = 0;
    int ilkHarflerBüyük = 0;
    int otomatikBaşlasın = 0;
    int arkaplandaÇalışsın = 0;
    int sesliUyarıBilgisi = 0;
    QString sesDosyasıAdı;
    QString sesDosyasıYolu;
    int hatırlatmaEnÜstte = 0;
    // Reminders missed while the program was not running (1 shows them), the morning summary
    // (1 shows it) and the number of working days after today that it covers. Like the
    // others, off until read from the store (where both are on by default).
    int kaçırılanHatırlatmalar = 0;
    int sabahÖzeti = 0;
    int sabahÖzetiGünSayısı = 3;
    // The login-password flag, read once the database is connected.
    bool girişŞifresiSor = false;
};

// The morning summary covers at most this many working days after today.
inline constexpr int SabahÖzetiEnÇokGün = 30;
// A field keeps at most this many remembered entries (0: keeping is off).
inline constexpr int SaklanacakGirişEnÇok = 20;

TercihDeğerleri& tercihler();

// Reads the preference values from the store. A value that is not a number is reported
// through the common error reporter and the preference keeps the value it had; a number out
// of its key's range is limited to it. An entry count of 0 reads as keeping entries off.
void tercihleriOku();
