#pragma once

#include "controls/IsSatiri.h"

#include <QList>
#include <QSizeF>
#include <QString>
#include <functional>

// Page layout of a printed job list, in millimetres from the top left corner of the
// printable area. Needs no printer: text widths and line heights come from the caller.

struct YazıBiçimi {
    double punto = 8;
    bool kalın = false;
    bool altıÇizili = false;
    bool operator==(const YazıBiçimi&) const = default;
};

// How wide a text is and how far ending a line moves down, both in millimetres.
struct YazdırmaÖlçüsü {
    std::function<double(const QString&, const YazıBiçimi&)> genişlik;
    std::function<double(const YazıBiçimi&)> satırYüksekliği;
};

// One text placed on a page; (x, y) is the top left corner of its line.
struct YerleşikMetin {
    double x = 0;
    double y = 0;
    QString metin;
    YazıBiçimi biçim;
};

struct YazdırmaDüzeni {
    QSizeF alan; // printable width and height, whole millimetres
    QList<QList<YerleşikMetin>> sayfalar;
};

namespace Yazdırma {
// Left edge of the number column: the main window and the job lists window, and the
// reminder window.
inline constexpr double SayıSütunuListe = 125;
inline constexpr double SayıSütunuHatırlatma = 130;
inline constexpr double AçıklamaSütunu = 150;
inline constexpr double AçıklamaGenişliği = 28;

inline const YazıBiçimi BaşlıkYazısı{12, true, false};
inline const YazıBiçimi SütunBaşlığıYazısı{9, true, true};
inline const YazıBiçimi SatırYazısı{8, false, false};

// Lays out the rows under the title on pages of the given printable size (rounded to whole
// millimetres here). An empty list lays out no page.
YazdırmaDüzeni düzenle(const QList<İşSatırı>& satırlar, const QString& başlık, double sayıSütunu,
                       QSizeF alan, const YazdırmaÖlçüsü& ölçü);

// "14:35:00" as "14:35"; a text that is no time of day is printed as it stands.
QString kısaSaat(const QString& saat);
} // namespace Yazdırma
