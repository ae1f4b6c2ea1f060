#pragma once

#include <QDate>
#include <QString>
#include <QStringList>
#include <array>
#include <optional>

// Calendar arithmetic of the deadline calculator: a whole number of days, weeks, months or
// years after a start date, the start day not counted. No weekends or holidays here.
namespace SüreHesabı {

// The units in the order in which the unit box lists them.
enum class Dilim { Gün, Hafta, Ay, Yıl };

struct DilimTanımı {
    const char* ad;     // as shown in the unit box
    const char* aralık; // the interval's short name ("d", "ww", "m", "yyyy")
    Dilim dilim;
};
inline constexpr std::array<DilimTanımı, 4> Dilimler{{
    {"Gün", "d", Dilim::Gün},
    {"Hafta", "ww", Dilim::Hafta},
    {"Ay", "m", Dilim::Ay},
    {"Yıl", "yyyy", Dilim::Yıl},
}};

// The last date a result may have; Qt's date type would go on, the program does not.
inline QDate sonTarih() {
    return QDate(9999, 12, 31);
}

// The date that lies the amount of units after the start. Months and years keep the day of
// the month, or take the target month's last day when it has no such day (31 January plus
// one month is the last day of February). Nothing when the result would lie after
// 31.12.9999, or for an invalid start or a negative amount. Every amount up to the largest
// 64-bit number is handled without overflow.
std::optional<QDate> ekle(const QDate& başlangıç, Dilim dilim, qint64 miktar);

// The amount box's text as the window keeps it: a text of digits becomes the decimal text of
// its number ("007" -> "7"); anything else, the empty text, and a number too large for 64
// bits become "1".
QString miktarıDüzelt(const QString& metin);

// The amounts offered in the amount box, in this order.
inline const QStringList Miktarlar = {QStringLiteral("8"), QStringLiteral("10"),
                                      QStringLiteral("15"), QStringLiteral("30"),
                                      QStringLiteral("60")};

// The appeal periods: a caption and, as its tag, a position in the amount list (always days).
struct TemyizSüresi {
    const char* başlık;
    int etiket;
};
inline constexpr std::array<TemyizSüresi, 5> TemyizSüreleri{{
    {"Sul&h Hukuk Mahkemesi", 0},
    {"İş Mahkeme&si", 0},
    {"İcra &Tetkik Mercii", 1},
    {"&Asliye Hukuk Mahkemesi", 2},
    {"İ&dare Mahkemesi", 3},
}};

} // namespace SüreHesabı
