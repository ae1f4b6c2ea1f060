#include "database/TurkceBenzer.h"

#include <sqlcipher/sqlite3.h>

#include <QString>
#include <memory>
#include <vector>

namespace TürkçeBenzer {

namespace {

// Every UTF-16 code unit in its Turkish lower-case form, worked out once: a search compares
// every row of the table, and asking Qt for each character would be most of its cost.
const char16_t* katlamaTablosu() {
    static const std::vector<char16_t> tablo = [] {
        std::vector<char16_t> t(0x10000);
        for (char32_t c = 0; c < 0x10000; ++c)
            t[c] = QChar(char16_t(c)).toLower().unicode();
        t[u'I'] = u'\u0131'; // I → ı
        t[0x0130] = u'i';    // İ → i
        return t;
    }();
    return tablo.data();
}

// A pattern made ready for many texts: letters already in lower case, the escapes resolved.
constexpr int32_t Çok = -1; // %
constexpr int32_t Tek = -2; // _

struct Desen {
    std::vector<int32_t> öğeler;
    char16_t kaçış = 0;
    bool kaçışlı = false;
};

Desen derle(QStringView desen, QChar kaçış) {
    const char16_t* katla = katlamaTablosu();
    Desen d;
    d.kaçış = kaçış.unicode();
    d.kaçışlı = !kaçış.isNull();
    d.öğeler.reserve(desen.size());
    for (qsizetype i = 0; i < desen.size(); ++i) {
        const char16_t c = desen[i].unicode();
        if (c == u'%') {
            // A run of % is one %.
            if (d.öğeler.empty() || d.öğeler.back() != Çok)
                d.öğeler.push_back(Çok);
        } else if (c == u'_') {
            d.öğeler.push_back(Tek);
        } else if (d.kaçışlı && c == d.kaçış && i + 1 < desen.size()) {
            d.öğeler.push_back(katla[desen[++i].unicode()]);
        } else {
            d.öğeler.push_back(katla[c]);
        }
    }
    return d;
}

// Greedy matching with one back-track point for the last %: linear in most cases and never
// worse than the product of the lengths. The text is already in lower case.
bool eşle(const Desen& desen, const char16_t* metin, size_t uzunluk) {
    const int32_t* p = desen.öğeler.data();
    const size_t pn = desen.öğeler.size();
    size_t d = 0, m = 0;
    size_t yıldızD = 0, yıldızM = 0;
    bool yıldız = false;
    while (m < uzunluk) {
        if (d < pn) {
            const int32_t c = p[d];
            if (c == Çok) {
                yıldız = true;
                yıldızD = ++d;
                yıldızM = m;
                continue;
            }
            if (c == Tek || c == int32_t(metin[m])) {
                ++d;
                ++m;
                continue;
            }
        }
        if (!yıldız)
            return false;
        d = yıldızD;
        m = ++yıldızM;
    }
    while (d < pn && p[d] == Çok)
        ++d;
    return d == pn;
}

// The text's UTF-16 code units in lower case, into a buffer kept between calls.
void katla(QStringView metin, std::vector<char16_t>& tampon) {
    const char16_t* tablo = katlamaTablosu();
    tampon.resize(size_t(metin.size()));
    for (qsizetype i = 0; i < metin.size(); ++i)
        tampon[size_t(i)] = tablo[metin[i].unicode()];
}

// The same from the engine's UTF-8 text, decoded on the way; a byte that is not part of a
// valid sequence stands for U+FFFD.
void katla(const unsigned char* s, size_t n, std::vector<char16_t>& tampon) {
    const char16_t* tablo = katlamaTablosu();
    tampon.resize(n); // UTF-16 never takes more units than UTF-8 takes bytes
    size_t yaz = 0;
    size_t i = 0;
    while (i < n) {
        const unsigned char b = s[i];
        if (b < 0x80) {
            tampon[yaz++] = tablo[b];
            ++i;
            continue;
        }
        int uzunluk = 0;
        char32_t kod = 0;
        char32_t enAz = 0;
        if ((b & 0xE0) == 0xC0) {
            uzunluk = 2;
            kod = b & 0x1F;
            enAz = 0x80;
        } else if ((b & 0xF0) == 0xE0) {
            uzunluk = 3;
            kod = b & 0x0F;
            enAz = 0x800;
        } else if ((b & 0xF8) == 0xF0) {
            uzunluk = 4;
            kod = b & 0x07;
            enAz = 0x10000;
        }
        bool geçerli = uzunluk > 0 && i + size_t(uzunluk) <= n;
        for (int k = 1; geçerli && k < uzunluk; ++k) {
            const unsigned char d = s[i + size_t(k)];
            if ((d & 0xC0) != 0x80)
                geçerli = false;
            else
                kod = (kod << 6) | (d & 0x3F);
        }
        if (geçerli && (kod < enAz || kod > 0x10FFFF || (kod >= 0xD800 && kod <= 0xDFFF)))
            geçerli = false;
        if (!geçerli) {
            tampon[yaz++] = 0xFFFD;
            ++i;
            continue;
        }
        i += size_t(uzunluk);
        if (kod >= 0x10000) {
            kod -= 0x10000;
            tampon[yaz++] = char16_t(0xD800 + (kod >> 10));
            tampon[yaz++] = char16_t(0xDC00 + (kod & 0x3FF));
        } else {
            tampon[yaz++] = tablo[kod];
        }
    }
    tampon.resize(yaz);
}

std::vector<char16_t>& tampon() {
    thread_local std::vector<char16_t> t;
    return t;
}

} // namespace

QChar küçük(QChar c) {
    return QChar(katlamaTablosu()[c.unicode()]);
}

bool eşleşir(QStringView desen, QStringView metin, QChar kaçış) {
    const Desen d = derle(desen, kaçış);
    std::vector<char16_t>& t = tampon();
    katla(metin, t);
    return eşle(d, t.data(), t.size());
}

namespace {
void desenSil(void* p) {
    delete static_cast<Desen*>(p);
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
        const auto* k = static_cast<const char16_t*>(sqlite3_value_text16(değerler[2]));
        if (!k || sqlite3_value_bytes16(değerler[2]) != 2) {
            sqlite3_result_error(bağlam, "ESCAPE expression must be a single character", -1);
            return;
        }
        kaçış = QChar(k[0]);
    }
    // The pattern of a statement is the same for every row: it is made ready once and kept
    // with the statement.
    auto* desen = static_cast<Desen*>(sqlite3_get_auxdata(bağlam, 0));
    std::unique_ptr<Desen> yeni;
    if (!desen || desen->kaçış != kaçış.unicode() || desen->kaçışlı != !kaçış.isNull()) {
        const auto* d = static_cast<const char16_t*>(sqlite3_value_text16(değerler[0]));
        const int bayt = sqlite3_value_bytes16(değerler[0]);
        yeni = std::make_unique<Desen>(derle(QStringView(d, d ? bayt / 2 : 0), kaçış));
        desen = yeni.get();
    }
    const auto* metin = sqlite3_value_text(değerler[1]);
    const int bayt = sqlite3_value_bytes(değerler[1]);
    std::vector<char16_t>& t = tampon();
    katla(metin, metin ? size_t(bayt) : 0, t);
    sqlite3_result_int(bağlam, eşle(*desen, t.data(), t.size()) ? 1 : 0);
    // The engine may drop the pattern at once, so it is handed over only after its last use.
    if (yeni)
        sqlite3_set_auxdata(bağlam, 0, yeni.release(), desenSil);
}
} // namespace

int kaydet(sqlite3* bağlantı) {
    const int bayrak = SQLITE_UTF8 | SQLITE_DETERMINISTIC;
    int sonuç =
        sqlite3_create_function(bağlantı, "like", 2, bayrak, nullptr, benzer, nullptr, nullptr);
    if (sonuç == SQLITE_OK)
        sonuç =
            sqlite3_create_function(bağlantı, "like", 3, bayrak, nullptr, benzer, nullptr, nullptr);
    return sonuç;
}

} // namespace TürkçeBenzer
