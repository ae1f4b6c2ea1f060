#include "database/TurkceBenzer.h"

#include <sqlcipher/sqlite3.h>

#include <QString>

namespace TürkçeBenzer {

QChar küçük(QChar c) {
    if (c == u'I')
        return QChar(0x0131); // ı
    if (c == QChar(0x0130))
        return u'i'; // İ
    return c.toLower();
}

bool eşleşir(QStringView desen, QStringView metin, QChar kaçış) {
    // Greedy matching with one back-track point for the last %: linear in most cases and
    // never worse than the product of the lengths.
    qsizetype d = 0, m = 0;
    qsizetype yıldızD = -1, yıldızM = 0;
    while (m < metin.size()) {
        if (d < desen.size()) {
            const QChar c = desen[d];
            if (c == u'%') {
                yıldızD = ++d;
                yıldızM = m;
                continue;
            }
            if (c == u'_') {
                ++d;
                ++m;
                continue;
            }
            QChar harf = c;
            qsizetype adım = 1;
            if (!kaçış.isNull() && c == kaçış && d + 1 < desen.size()) {
                harf = desen[d + 1];
                adım = 2;
            }
            if (küçük(harf) == küçük(metin[m])) {
                d += adım;
                ++m;
                continue;
            }
        }
        if (yıldızD < 0)
            return false;
        d = yıldızD;
        m = ++yıldızM;
    }
    while (d < desen.size() && desen[d] == u'%')
        ++d;
    return d == desen.size();
}

namespace {
QStringView görünüm(sqlite3_value* v) {
    const auto* veri = static_cast<const char16_t*>(sqlite3_value_text16(v));
    const int bayt = sqlite3_value_bytes16(v);
    return veri ? QStringView(veri, bayt / 2) : QStringView();
}

void benzer(sqlite3_context* bağlam, int sayı, sqlite3_value** değerler) {
    // like(pattern, text[, escape]) as the engine calls it for "text LIKE pattern".
    if (sqlite3_value_type(değerler[0]) == SQLITE_NULL ||
        sqlite3_value_type(değerler[1]) == SQLITE_NULL) {
        sqlite3_result_null(bağlam);
        return;
    }
    QChar kaçış;
    if (sayı == 3) {
        const QStringView k = görünüm(değerler[2]);
        if (k.size() != 1) {
            sqlite3_result_error(bağlam, "ESCAPE expression must be a single character", -1);
            return;
        }
        kaçış = k[0];
    }
    const QString desen = görünüm(değerler[0]).toString();
    const QString metin = görünüm(değerler[1]).toString();
    sqlite3_result_int(bağlam, eşleşir(desen, metin, kaçış) ? 1 : 0);
}
} // namespace

int kaydet(sqlite3* bağlantı) {
    const int bayrak = SQLITE_UTF16 | SQLITE_DETERMINISTIC;
    int sonuç =
        sqlite3_create_function(bağlantı, "like", 2, bayrak, nullptr, benzer, nullptr, nullptr);
    if (sonuç == SQLITE_OK)
        sonuç =
            sqlite3_create_function(bağlantı, "like", 3, bayrak, nullptr, benzer, nullptr, nullptr);
    return sonuç;
}

} // namespace TürkçeBenzer
