#include "controls/TarihBicimi.h"

#include <QLocale>
#include <QRegularExpression>

namespace {
// Order of day, month and year in the locale's short pattern, as the letters 'd', 'M', 'y'.
QString alanSırası() {
    const QString desen = QLocale::system().dateFormat(QLocale::ShortFormat);
    QString sıra;
    for (QChar c : desen) {
        if ((c == 'd' || c == 'M' || c == 'y') && !sıra.contains(c))
            sıra.append(c);
    }
    return sıra.size() == 3 ? sıra : QStringLiteral("dMy");
}

// The separator between the fields of the short pattern; a locale whose short form has none
// of the usual ones (a blank before a month name) gets the dot.
QChar ayırıcı() {
    const QString desen = QLocale::system().dateFormat(QLocale::ShortFormat);
    for (QChar c : desen)
        if (!c.isLetter())
            return QStringLiteral("./-").contains(c) ? c : QChar('.');
    return '.';
}
} // namespace

namespace TarihBiçimi {

QString kısaDesen() {
    const QString sıra = alanSırası();
    QString desen;
    for (QChar c : sıra) {
        if (!desen.isEmpty())
            desen.append(ayırıcı());
        desen.append(c == 'd' ? "dd" : c == 'M' ? "MM" : "yyyy");
    }
    return desen;
}

QString kısa(const QDate& tarih) {
    return tarih.isValid() ? tarih.toString(kısaDesen()) : QString();
}

QString uzun(const QDate& tarih) {
    return QLocale::system().toString(tarih, QLocale::LongFormat);
}

QDate çöz(const QString& metin) {
    static const QRegularExpression biçim(
        QStringLiteral("^\\s*(\\d{1,4})[./-](\\d{1,2})[./-](\\d{1,4})\\s*$"));
    const auto eşleşme = biçim.match(metin);
    if (!eşleşme.hasMatch())
        return {};
    const QString sıra = alanSırası();
    int gün = 0, ay = 0, yıl = 0;
    for (int i = 0; i < 3; ++i) {
        const QString parça = eşleşme.captured(i + 1);
        const int değer = parça.toInt();
        switch (sıra[i].toLatin1()) {
        case 'd':
            gün = parça.size() <= 2 ? değer : -1;
            break;
        case 'M':
            ay = parça.size() <= 2 ? değer : -1;
            break;
        default:
            if (parça.size() == 4)
                yıl = değer;
            else if (parça.size() <= 2)
                yıl = değer < 30 ? 2000 + değer : 1900 + değer;
            else
                yıl = -1;
        }
    }
    // A part of the wrong length reads as -1, and Qt counts negative years as years before
    // Christ: only days, months and years from 1 up make a date.
    if (gün < 1 || ay < 1 || yıl < 1)
        return {};
    const QDate tarih(yıl, ay, gün);
    return tarih.isValid() ? tarih : QDate();
}

QString saat(const QTime& zaman) {
    return zaman.isValid() ? zaman.toString(QStringLiteral("HH:mm:ss")) : QString();
}

} // namespace TarihBiçimi
