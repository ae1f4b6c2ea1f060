#include "database/TurkceBenzer.h"

#include <sqlcipher/sqlite3.h>

#include <QString>
#include <algorithm>
#include <array>
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

// Every character whose lower-case form is another one, by that form (I under ı, İ under i):
// with the form itself, all that can stand for a letter of a pattern.
const std::vector<std::pair<char16_t, char16_t>>& katlananlar() {
    static const auto liste = [] {
        std::vector<std::pair<char16_t, char16_t>> l;
        const char16_t* t = katlamaTablosu();
        for (char32_t c = 0; c < 0x10000; ++c)
            if (t[c] != c && (c < 0xD800 || c > 0xDFFF))
                l.emplace_back(t[c], char16_t(c));
        std::sort(l.begin(), l.end());
        return l;
    }();
    return liste;
}

// A pattern made ready for many texts: letters already in lower case, the escapes resolved.
constexpr int32_t Çok = -1; // %
constexpr int32_t Tek = -2; // _

struct Desen {
    std::vector<int32_t> öğeler;
    // A pattern of the shape %text% (what a search sends): the text, and the bytes of a UTF-8
    // text that can begin a character folding to its first unit (and to its second, looked
    // at after a one-byte first letter). Only rows holding one of those bytes are decoded,
    // and only from there.
    bool içerirMi = false;
    std::vector<char16_t> parça;
    std::array<bool, 256> başlar{};
    std::array<bool, 256> ikinciler{};
};

// The bytes that can begin a character whose lower-case form starts with `birim`. A bad byte
// of the text reads as U+FFFD and a character beyond the 16-bit range as two surrogates:
// neither has one lead byte, so for those every byte is allowed and false is returned.
bool başlatanlar(char16_t birim, std::array<bool, 256>& baytlar) {
    if (birim == 0xFFFD || (birim >= 0xD800 && birim <= 0xDFFF)) {
        baytlar.fill(true);
        return false;
    }
    const auto başlatır = [&baytlar](char32_t c) {
        baytlar[c < 0x80 ? c : c < 0x800 ? 0xC0 | (c >> 6) : 0xE0 | (c >> 12)] = true;
    };
    if (katlamaTablosu()[birim] == birim)
        başlatır(birim);
    const auto& başkaları = katlananlar();
    const auto [ilk, son] =
        std::equal_range(başkaları.begin(), başkaları.end(), std::pair(birim, char16_t(0)),
                         [](const auto& a, const auto& b) { return a.first < b.first; });
    for (auto i = ilk; i != son; ++i)
        başlatır(i->second);
    return true;
}

void içerirHazırla(Desen& d) {
    const auto& ö = d.öğeler;
    if (ö.size() < 3 || ö.front() != Çok || ö.back() != Çok ||
        !std::all_of(ö.begin() + 1, ö.end() - 1, [](int32_t c) { return c >= 0; }))
        return;
    // A first unit without lead bytes of its own takes the general way.
    if (!başlatanlar(char16_t(ö[1]), d.başlar))
        return;
    d.parça.assign(ö.begin() + 1, ö.end() - 1);
    if (d.parça.size() > 1)
        başlatanlar(d.parça[1], d.ikinciler);
    d.içerirMi = true;
}

Desen derle(QStringView desen, QChar kaçış) {
    const char16_t* katla = katlamaTablosu();
    Desen d;
    d.öğeler.reserve(desen.size());
    for (qsizetype i = 0; i < desen.size(); ++i) {
        const char16_t c = desen[i].unicode();
        if (c == u'%') {
            // A run of % is one %.
            if (d.öğeler.empty() || d.öğeler.back() != Çok)
                d.öğeler.push_back(Çok);
        } else if (c == u'_') {
            d.öğeler.push_back(Tek);
        } else if (!kaçış.isNull() && c == kaçış.unicode() && i + 1 < desen.size()) {
            d.öğeler.push_back(katla[desen[++i].unicode()]);
        } else {
            d.öğeler.push_back(katla[c]);
        }
    }
    içerirHazırla(d);
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

// One character of a UTF-8 text from byte `i` on, in lower case, as one or two UTF-16 units
// into `birim`; `i` moves past it. A byte that is not part of a valid sequence stands for
// U+FFFD and is passed alone.
int birKarakter(const char16_t* tablo, const unsigned char* s, size_t n, size_t& i,
                char16_t* birim) {
    const unsigned char b = s[i];
    if (b < 0x80) {
        birim[0] = tablo[b];
        ++i;
        return 1;
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
        birim[0] = 0xFFFD;
        ++i;
        return 1;
    }
    i += size_t(uzunluk);
    if (kod >= 0x10000) {
        kod -= 0x10000;
        birim[0] = char16_t(0xD800 + (kod >> 10));
        birim[1] = char16_t(0xDC00 + (kod & 0x3FF));
        return 2;
    }
    birim[0] = tablo[kod];
    return 1;
}

// The same for a whole UTF-8 text.
void katla(const unsigned char* s, size_t n, std::vector<char16_t>& tampon) {
    const char16_t* tablo = katlamaTablosu();
    tampon.resize(n); // UTF-16 never takes more units than UTF-8 takes bytes
    size_t yaz = 0;
    for (size_t i = 0; i < n;)
        yaz += size_t(birKarakter(tablo, s, n, i, tampon.data() + yaz));
    tampon.resize(yaz);
}

// %text% over a UTF-8 text: tried only where a character that can begin the text begins (a
// lead byte is never inside another character), decoding from there until it differs.
bool içerir(const Desen& d, const unsigned char* s, size_t n) {
    const char16_t* tablo = katlamaTablosu();
    const size_t uzunluk = d.parça.size();
    for (size_t baş = 0; baş < n; ++baş) {
        if (!d.başlar[s[baş]])
            continue;
        // After a one-byte letter the next character begins at the next byte.
        if (s[baş] < 0x80 && uzunluk > 1 && (baş + 1 == n || !d.ikinciler[s[baş + 1]]))
            continue;
        size_t i = baş;
        size_t k = 0;
        bool aynı = true;
        while (aynı && k < uzunluk && i < n) {
            char16_t birim[2];
            const int adet = birKarakter(tablo, s, n, i, birim);
            for (int u = 0; aynı && u < adet && k < uzunluk; ++u, ++k)
                aynı = birim[u] == d.parça[k];
        }
        if (aynı)
            return k == uzunluk; // else the text ended first, and a later start is shorter
    }
    return false;
}

bool eşle(const Desen& d, const unsigned char* s, size_t n, std::vector<char16_t>& t) {
    if (d.içerirMi)
        return içerir(d, s, n);
    katla(s, n, t);
    return eşle(d, t.data(), t.size());
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

bool eşleşir(QStringView desen, QByteArrayView metin, QChar kaçış) {
    return eşle(derle(desen, kaçış), reinterpret_cast<const unsigned char*>(metin.data()),
                size_t(metin.size()), tampon());
}

namespace {
char kaçışİşareti;

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
    // The pattern of a statement is the same for every row: it is made ready once and kept
    // with the statement. A mark kept with the escape argument says the escape is the one it
    // was made with (the engine drops either when its argument changes from row to row).
    auto* desen = static_cast<Desen*>(sqlite3_get_auxdata(bağlam, 0));
    std::unique_ptr<Desen> yeni;
    if (!desen || (sayı == 3 && !sqlite3_get_auxdata(bağlam, 2))) {
        QChar kaçış;
        if (sayı == 3) {
            const auto* k = static_cast<const char16_t*>(sqlite3_value_text16(değerler[2]));
            if (!k || sqlite3_value_bytes16(değerler[2]) != 2) {
                sqlite3_result_error(bağlam, "ESCAPE expression must be a single character", -1);
                return;
            }
            kaçış = QChar(k[0]);
        }
        const auto* d = static_cast<const char16_t*>(sqlite3_value_text16(değerler[0]));
        const int bayt = sqlite3_value_bytes16(değerler[0]);
        yeni = std::make_unique<Desen>(derle(QStringView(d, d ? bayt / 2 : 0), kaçış));
        desen = yeni.get();
    }
    const auto* metin = sqlite3_value_text(değerler[1]);
    const int bayt = sqlite3_value_bytes(değerler[1]);
    sqlite3_result_int(bağlam, eşle(*desen, metin, metin ? size_t(bayt) : 0, tampon()) ? 1 : 0);
    // The engine may drop the pattern at once, so it is handed over only after its last use.
    if (yeni) {
        sqlite3_set_auxdata(bağlam, 0, yeni.release(), desenSil);
        if (sayı == 3)
            sqlite3_set_auxdata(bağlam, 2, &kaçışİşareti, nullptr);
    }
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
