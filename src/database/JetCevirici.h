#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>

// moc cannot read Turkish identifiers; it needs nothing from this header.
#ifndef Q_MOC_RUN

// Turns a statement in the program's own (Jet) form into SQLite text (or into text for the
// database server, see Lehçe): #m/d/yyyy# and
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
    // For the server: every literal of the statement, lifted out of the text in the order of
    // its $1, $2, ... placeholder: text as QString, #date# as QDate, #time# as QTime, a date
    // with a time as QDateTime, whole numbers as qint64, others as double.
    QList<QVariant> parametreler;
    // A changeable SELECT of every row of its table in the order of plain field names,
    // ascending: those names, and the same statement in the table's own order (the file: by
    // row id; the server: in no order, each row with its number). An engine may read that and
    // sort the rows itself (ties in row number order), which gives the same rows in the same
    // order without walking an index across the whole table or sorting it on the server.
    QStringList sıralamaAlanları;
    QString tabloSırasıyla;
};

// The SQL the text is written for. For the server, names are quoted with the case of the
// schema (so that the server does not fold them), no literal stays in the text, LIKE
// compares in lower case under Turkish rules, text is ordered by code point and empty values
// first as in the file, and only the program's two tables can be named.
enum class Lehçe { Dosya, Sunucu };

Sonuç çevir(const QString& jet, Lehçe lehçe = Lehçe::Dosya);

// The column the server numbers a table's rows by, in the order they were added (the file's
// row id): the job number for the job table, a hidden counter for the others.
QString sunucuSatırNo(const QString& tablo);

// The escape character the LIKE patterns are written with.
inline constexpr char16_t Kaçış = u'\\';

// Error numbers of statements the engine cannot read.
inline constexpr int SözdizimiHatası = 3075;
inline constexpr int DeyimSonundaFazlalık = 3142;
inline constexpr int GeçersizTarih = 3076;
} // namespace JetÇevirici
#endif
