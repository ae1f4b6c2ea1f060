#pragma once

#include <QString>

// moc cannot read Turkish identifiers; it needs nothing from this header.
#ifndef Q_MOC_RUN

// Turns a statement in the program's own (Jet) form into SQLite text: #m/d/yyyy# and
// #HH:MM:S# literals become ISO texts, True/False become 1/0, "DELETE * FROM" loses its
// star, LIKE patterns use * and ? as wildcards (a literal % or _ matches only itself) and a
// statement wrapped in parentheses is unwrapped. Works on tokens, so nothing inside a text
// literal is ever changed. Throws Hata on text that is not exactly one statement of the kinds
// the program sends.
namespace JetÇevirici {

struct Sonuç {
    QString sql;
    // The statement reads or writes rows of this one table only (empty otherwise).
    QString tablo;
    // A SELECT over one table: the text is prefixed with the row id as column 0, so that the
    // rows can be changed, and rows without an order of their own come in insertion order.
    bool değiştirilebilir = false;
    bool seçim = false;
};

Sonuç çevir(const QString& jet);

// The escape character the LIKE patterns are written with.
inline constexpr char16_t Kaçış = u'\\';

// Error numbers of statements the engine cannot read.
inline constexpr int SözdizimiHatası = 3075;
inline constexpr int DeyimSonundaFazlalık = 3142;
inline constexpr int GeçersizTarih = 3076;
} // namespace JetÇevirici
#endif
