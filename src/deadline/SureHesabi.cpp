#include "deadline/SureHesabi.h"

namespace SüreHesabı {

namespace {
// The date with the given year and month and the day kept, or the month's last day.
QDate günüKoru(qint64 yıl, int ay, int gün) {
    const QDate ayBaşı(int(yıl), ay, 1);
    return QDate(int(yıl), ay, qMin(gün, ayBaşı.daysInMonth()));
}
} // namespace

std::optional<QDate> ekle(const QDate& başlangıç, Dilim dilim, qint64 miktar) {
    if (!başlangıç.isValid() || başlangıç.year() < 1 || başlangıç > sonTarih() || miktar < 0)
        return std::nullopt;
    // Every check compares the amount with the room left up to the last date, so nothing
    // is ever multiplied or added beyond it.
    const qint64 kalanGün = sonTarih().toJulianDay() - başlangıç.toJulianDay();
    switch (dilim) {
    case Dilim::Gün:
        if (miktar > kalanGün)
            return std::nullopt;
        return başlangıç.addDays(miktar);
    case Dilim::Hafta:
        if (miktar > kalanGün / 7)
            return std::nullopt;
        return başlangıç.addDays(miktar * 7);
    case Dilim::Ay: {
        const qint64 ayNo = qint64(başlangıç.year()) * 12 + başlangıç.month() - 1;
        const qint64 sonAyNo = qint64(sonTarih().year()) * 12 + sonTarih().month() - 1;
        if (miktar > sonAyNo - ayNo)
            return std::nullopt;
        const qint64 yeni = ayNo + miktar;
        return günüKoru(yeni / 12, int(yeni % 12) + 1, başlangıç.day());
    }
    case Dilim::Yıl:
        if (miktar > sonTarih().year() - başlangıç.year())
            return std::nullopt;
        return günüKoru(başlangıç.year() + miktar, başlangıç.month(), başlangıç.day());
    }
    return std::nullopt;
}

QString miktarıDüzelt(const QString& metin) {
    if (metin.isEmpty())
        return QStringLiteral("1");
    for (QChar c : metin)
        if (c < u'0' || c > u'9')
            return QStringLiteral("1");
    bool sayı = false;
    const qint64 değer = metin.toLongLong(&sayı);
    return sayı ? QString::number(değer) : QStringLiteral("1");
}

} // namespace SüreHesabı
