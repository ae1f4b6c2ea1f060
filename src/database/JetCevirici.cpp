#include "database/JetCevirici.h"

#include "controls/Hata.h"
#include "database/VeritabaniKurulumu.h"

#include <QDate>
#include <QDateTime>
#include <QRegularExpression>
#include <QSet>
#include <QTime>
#include <vector>

namespace {

enum class Tür { Ad, Metin, Sayı, Tarih, İşaret };

struct Belirteç {
    Tür tür;
    QString metin;       // Ad: the name; Metin: the value without quotes; Tarih: the inside of #..#
    bool köşeli = false; // Ad written as [name]
};

[[noreturn]] void sözdizimi(const QString& neden) {
    throw Hata(JetÇevirici::SözdizimiHatası,
               QStringLiteral("Sorgu ifadesinde sözdizimi hatası: ") + neden);
}

bool adKarakteri(QChar c) {
    return c.isLetterOrNumber() || c == u'_';
}

// Reads the text up to the closing quote; a doubled quote stands for one.
QString tırnakİçi(const QString& s, qsizetype& i, QChar tırnak) {
    QString değer;
    ++i;
    while (true) {
        if (i >= s.size())
            sözdizimi(QStringLiteral("kapanmamış metin"));
        if (s[i] == tırnak) {
            if (i + 1 < s.size() && s[i + 1] == tırnak) {
                değer += tırnak;
                i += 2;
                continue;
            }
            ++i;
            return değer;
        }
        değer += s[i++];
    }
}

std::vector<Belirteç> böl(const QString& s) {
    std::vector<Belirteç> belirteçler;
    qsizetype i = 0;
    while (i < s.size()) {
        const QChar c = s[i];
        if (c.isSpace()) {
            ++i;
        } else if (c == u'\'' || c == u'"') {
            belirteçler.push_back({Tür::Metin, tırnakİçi(s, i, c)});
        } else if (c == u'[') {
            const qsizetype son = s.indexOf(u']', i + 1);
            if (son < 0)
                sözdizimi(QStringLiteral("kapanmamış köşeli ayraç"));
            const QString ad = s.mid(i + 1, son - i - 1);
            if (ad.isEmpty())
                sözdizimi(QStringLiteral("boş alan adı"));
            for (QChar a : ad)
                if (a.category() == QChar::Other_Control || a.isNull())
                    sözdizimi(QStringLiteral("alan adında denetim karakteri"));
            belirteçler.push_back({Tür::Ad, ad, true});
            i = son + 1;
        } else if (c == u'#') {
            const qsizetype son = s.indexOf(u'#', i + 1);
            if (son < 0)
                sözdizimi(QStringLiteral("kapanmamış tarih"));
            belirteçler.push_back({Tür::Tarih, s.mid(i + 1, son - i - 1)});
            i = son + 1;
        } else if (c.isDigit() && c.unicode() < 128) {
            const qsizetype baş = i;
            while (i < s.size() && s[i].unicode() < 128 && s[i].isDigit())
                ++i;
            if (i + 1 < s.size() && s[i] == u'.' && s[i + 1].unicode() < 128 &&
                s[i + 1].isDigit()) {
                ++i;
                while (i < s.size() && s[i].unicode() < 128 && s[i].isDigit())
                    ++i;
            }
            if (i < s.size() && adKarakteri(s[i]))
                sözdizimi(QStringLiteral("sayıdan sonra harf"));
            belirteçler.push_back({Tür::Sayı, s.mid(baş, i - baş)});
        } else if (adKarakteri(c) && !c.isDigit()) {
            const qsizetype baş = i;
            while (i < s.size() && adKarakteri(s[i]))
                ++i;
            belirteçler.push_back({Tür::Ad, s.mid(baş, i - baş)});
        } else {
            static const QString ikili[] = {QStringLiteral("<="), QStringLiteral(">="),
                                            QStringLiteral("<>")};
            bool bulundu = false;
            for (const QString& iş : ikili) {
                if (QStringView(s).mid(i, 2) == iş) {
                    belirteçler.push_back({Tür::İşaret, iş});
                    i += 2;
                    bulundu = true;
                    break;
                }
            }
            if (bulundu)
                continue;
            if (QStringLiteral("(),;.=<>+-*/&").contains(c)) {
                belirteçler.push_back({Tür::İşaret, QString(c)});
                ++i;
            } else {
                sözdizimi(QStringLiteral("beklenmeyen karakter (U+%1)")
                              .arg(c.unicode(), 4, 16, QLatin1Char('0')));
            }
        }
    }
    return belirteçler;
}

bool anahtarSözcük(const Belirteç& b, const char* sözcük) {
    return b.tür == Tür::Ad && !b.köşeli &&
           b.metin.compare(QLatin1String(sözcük), Qt::CaseInsensitive) == 0;
}

bool işaret(const Belirteç& b, const char* i) {
    return b.tür == Tür::İşaret && b.metin == QLatin1String(i);
}

QString tırnakla(const QString& değer, QChar tırnak) {
    QString sonuç = değer;
    sonuç.replace(tırnak, QString(2, tırnak));
    return tırnak + sonuç + tırnak;
}

// #m/d/yyyy#, #HH:MM:S#, #m/d/yyyy HH:MM:SS# (and yyyy-m-d) as SQLite text.
QString tarihMetni(const QString& iç) {
    static const QRegularExpression biçim(
        QStringLiteral("^\\s*(?:(\\d{1,2})/(\\d{1,2})/(\\d{4})|(\\d{4})-(\\d{1,2})-(\\d{1,2}))?\\s*"
                       "(?:(\\d{1,2}):(\\d{1,2})(?::(\\d{1,2}))?\\s*(AM|PM)?)?\\s*$"),
        QRegularExpression::CaseInsensitiveOption);
    const auto e = biçim.match(iç);
    const auto geçersiz = [&]() {
        throw Hata(
            JetÇevirici::GeçersizTarih,
            QStringLiteral("Sorgu ifadesinde tarih sözdizimi hatası: #%1#").arg(iç.left(40)));
    };
    if (!e.hasMatch())
        geçersiz();
    const bool tarihVar = e.hasCaptured(1) || e.hasCaptured(4);
    const bool saatVar = e.hasCaptured(7);
    if (!tarihVar && !saatVar)
        geçersiz();
    QString sonuç;
    if (tarihVar) {
        const QDate tarih =
            e.hasCaptured(1)
                ? QDate(e.captured(3).toInt(), e.captured(1).toInt(), e.captured(2).toInt())
                : QDate(e.captured(4).toInt(), e.captured(5).toInt(), e.captured(6).toInt());
        if (!tarih.isValid())
            geçersiz();
        sonuç = tarih.toString(QStringLiteral("yyyy-MM-dd"));
    }
    if (saatVar) {
        int saat = e.captured(7).toInt();
        if (e.hasCaptured(10)) {
            if (saat < 1 || saat > 12)
                geçersiz();
            const bool öğleden =
                e.captured(10).compare(QLatin1String("PM"), Qt::CaseInsensitive) == 0;
            saat = saat % 12 + (öğleden ? 12 : 0);
        }
        const QTime zaman(saat, e.captured(8).toInt(),
                          e.hasCaptured(9) ? e.captured(9).toInt() : 0);
        if (!zaman.isValid())
            geçersiz();
        if (!sonuç.isEmpty())
            sonuç += u' ';
        sonuç += zaman.toString(QStringLiteral("HH:mm:ss"));
    }
    return sonuç;
}

// A Jet LIKE pattern as a SQLite one with a backslash escape: * any run, ? one character,
// [c] the character c itself; % _ and the backslash stand for themselves.
QString benzerDeseni(const QString& jet) {
    QString sonuç;
    for (qsizetype i = 0; i < jet.size(); ++i) {
        const QChar c = jet[i];
        if (c == u'*') {
            sonuç += u'%';
        } else if (c == u'?') {
            sonuç += u'_';
        } else if (c == u'[' && i + 2 < jet.size() && jet[i + 2] == u']') {
            const QChar d = jet[i + 1];
            if (d == u'%' || d == u'_' || d == JetÇevirici::Kaçış)
                sonuç += JetÇevirici::Kaçış;
            sonuç += d;
            i += 2;
        } else {
            if (c == u'%' || c == u'_' || c == JetÇevirici::Kaçış)
                sonuç += JetÇevirici::Kaçış;
            sonuç += c;
        }
    }
    return sonuç;
}

// Index of the parenthesis that closes the one at `aç`, or -1.
qsizetype kapanış(const std::vector<Belirteç>& b, qsizetype aç) {
    int derinlik = 0;
    for (qsizetype i = aç; i < qsizetype(b.size()); ++i) {
        if (işaret(b[i], "("))
            ++derinlik;
        else if (işaret(b[i], ")") && --derinlik == 0)
            return i;
    }
    return -1;
}

const QStringList& sunucuTabloları() {
    static const QStringList tablolar = {QStringLiteral("KlasorBilgileriTablosu"),
                                         QStringLiteral("YapilacakIslerTablosu")};
    return tablolar;
}

const QStringList& tablonunAlanları(const QString& tablo) {
    static const QStringList yok;
    if (tablo.compare(sunucuTabloları()[0], Qt::CaseInsensitive) == 0)
        return VeritabanıKurulumu::klasörAlanları();
    if (tablo.compare(sunucuTabloları()[1], Qt::CaseInsensitive) == 0)
        return VeritabanıKurulumu::işAlanları();
    return yok;
}

// A name as the schema spells it (the statement may write it in another case), quoted.
QString sunucuAdı(const QString& ad) {
    QString yazım = ad;
    for (const QStringList* liste : {&sunucuTabloları(), &VeritabanıKurulumu::klasörAlanları(),
                                     &VeritabanıKurulumu::işAlanları()})
        for (const QString& bilinen : *liste)
            if (bilinen.compare(ad, Qt::CaseInsensitive) == 0)
                yazım = bilinen;
    return tırnakla(yazım, u'"');
}

bool sözcükMü(const Belirteç& x) {
    static const QSet<QString> sözcükler = {
        "SELECT", "FROM",   "WHERE",  "AND",  "OR",       "NOT",    "ORDER",   "BY",
        "ASC",    "DESC",   "LIKE",   "IS",   "NULL",     "INSERT", "INTO",    "VALUES",
        "UPDATE", "SET",    "DELETE", "AS",   "DISTINCT", "IN",     "BETWEEN", "GROUP",
        "HAVING", "JOIN",   "INNER",  "LEFT", "RIGHT",    "OUTER",  "ON",      "UNION",
        "ALL",    "EXISTS", "CASE",   "WHEN", "THEN",     "ELSE",   "END"};
    return x.tür == Tür::Ad && !x.köşeli && sözcükler.contains(x.metin.toUpper());
}

// The functions a statement may call on the server.
bool izinliİşlev(const QString& ad) {
    static const QSet<QString> işlevler = {"count", "sum",    "min",   "max",   "avg",
                                           "abs",   "length", "lower", "upper", "coalesce"};
    return işlevler.contains(ad.toLower());
}

// A literal lifted into a parameter.
QVariant tarihDeğeri(const QString& iç) {
    const QString m = tarihMetni(iç);
    if (m.size() == 10)
        return QDate::fromString(m, Qt::ISODate);
    if (m.size() == 8)
        return QTime::fromString(m, QStringLiteral("HH:mm:ss"));
    return QDateTime::fromString(m, QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

QVariant sayıDeğeri(const QString& metin) {
    bool tamam = false;
    const qint64 tam = metin.toLongLong(&tamam);
    if (tamam)
        return tam;
    return metin.toDouble();
}

// The text for the server of the tokens, `tablo` being the one table of a changeable
// recordset (empty otherwise) and `kaynak` the table after the top-level FROM.
QString sunucuMetni(const std::vector<Belirteç>& b, const QString& tablo, const QString& kaynak,
                    QList<QVariant>& parametreler, bool sırasız = false) {
    QStringList parçalar;
    const auto yer = [&](const QVariant& değer) {
        parametreler << değer;
        return QStringLiteral("$%1").arg(parametreler.size());
    };
    const auto sözcük = [&](qsizetype i, const char* s) {
        return i >= 0 && i < qsizetype(b.size()) && anahtarSözcük(b[i], s);
    };
    // The ORDER BY at the top level: the file puts empty values first when rising and last
    // when falling; the server does the opposite unless told.
    bool sıralamada = false, azalan = false, terimVar = false;
    int derinlik = 0;
    const auto terimiBitir = [&]() {
        if (sıralamada && terimVar)
            parçalar << (azalan ? QStringLiteral("NULLS LAST") : QStringLiteral("NULLS FIRST"));
        azalan = terimVar = false;
    };
    for (qsizetype i = 0; i < qsizetype(b.size()); ++i) {
        const Belirteç& x = b[i];
        switch (x.tür) {
        case Tür::Ad:
            if (!x.köşeli && anahtarSözcük(x, "True")) {
                parçalar << QStringLiteral("true");
            } else if (!x.köşeli && anahtarSözcük(x, "False")) {
                parçalar << QStringLiteral("false");
            } else if (!x.köşeli && anahtarSözcük(x, "Mod")) {
                parçalar << QStringLiteral("%");
            } else if (sözcükMü(x)) {
                parçalar << x.metin.toUpper();
                if (derinlik == 0 && anahtarSözcük(x, "BY") && sözcük(i - 1, "ORDER"))
                    sıralamada = true;
                if (sıralamada && anahtarSözcük(x, "DESC"))
                    azalan = true;
            } else if (!x.köşeli && i + 1 < qsizetype(b.size()) && işaret(b[i + 1], "(")) {
                if (!izinliİşlev(x.metin))
                    sözdizimi(QStringLiteral("bilinmeyen işlev %1").arg(x.metin.left(40)));
                parçalar << x.metin.toLower();
            } else {
                if (sözcük(i - 1, "FROM") || sözcük(i - 1, "INTO") || sözcük(i - 1, "UPDATE") ||
                    sözcük(i - 1, "JOIN")) {
                    if (!sunucuTabloları().contains(x.metin, Qt::CaseInsensitive))
                        throw Hata(3078, QStringLiteral("Tablo bulunamadı. (%1)").arg(x.metin));
                }
                parçalar << sunucuAdı(x.metin);
                if (sıralamada) {
                    terimVar = true;
                    if (VeritabanıKurulumu::metinAlanıMı(x.metin))
                        parçalar << QStringLiteral("COLLATE \"C\"");
                }
            }
            if (i == 0 && !tablo.isEmpty())
                parçalar << sunucuAdı(JetÇevirici::sunucuSatırNo(tablo)) << QStringLiteral(",");
            if (anahtarSözcük(x, "LIKE") && !x.köşeli) {
                if (i + 1 >= qsizetype(b.size()) || b[i + 1].tür != Tür::Metin)
                    sözdizimi(QStringLiteral("LIKE bir metin deseni bekliyor"));
                // Both sides in lower case under the Turkish rules: I/ı and İ/i pair up.
                qsizetype alan = parçalar.size() - 2;
                if (alan >= 0 && parçalar[alan] == QLatin1String("NOT"))
                    --alan;
                if (alan < 0 || !parçalar[alan].startsWith(u'"'))
                    sözdizimi(QStringLiteral("LIKE bir alan adından sonra gelmeli"));
                parçalar[alan] =
                    QStringLiteral("lower(%1 COLLATE \"tr-x-icu\")").arg(parçalar[alan]);
                parçalar << QStringLiteral("lower(%1::text COLLATE \"tr-x-icu\") ESCAPE '\\'")
                                .arg(yer(benzerDeseni(b[i + 1].metin)));
                ++i;
            }
            break;
        case Tür::Metin:
            parçalar << yer(x.metin);
            break;
        case Tür::Sayı:
            parçalar << yer(sayıDeğeri(x.metin));
            break;
        case Tür::Tarih:
            parçalar << yer(tarihDeğeri(x.metin));
            break;
        case Tür::İşaret:
            if (x.metin == QLatin1String("."))
                sözdizimi(QStringLiteral("nokta ile ad verilemez"));
            if (x.metin == QLatin1String("(")) {
                ++derinlik;
            } else if (x.metin == QLatin1String(")")) {
                --derinlik;
            } else if (sıralamada && derinlik == 0 && x.metin == QLatin1String(",")) {
                terimiBitir();
            }
            if (i == 1 && x.metin == QLatin1String("*") && anahtarSözcük(b[0], "SELECT") &&
                !tablonunAlanları(kaynak).isEmpty()) {
                // Only the program's fields: not the server's hidden row counter.
                QStringList alanlar;
                for (const QString& a : tablonunAlanları(kaynak))
                    alanlar << sunucuAdı(a);
                parçalar << alanlar.join(QStringLiteral(", "));
            } else {
                parçalar << (x.metin == QLatin1String("&") ? QStringLiteral("||") : x.metin);
            }
            break;
        }
    }
    terimiBitir();
    if (!tablo.isEmpty() && !sırasız) {
        // Rows without an order of their own come in the order they were added, and rows that
        // tie on the given order keep that order too.
        parçalar << (sıralamada ? QStringLiteral(",") : QStringLiteral("ORDER BY"))
                 << sunucuAdı(JetÇevirici::sunucuSatırNo(tablo));
    }
    return parçalar.join(u' ');
}

} // namespace

namespace JetÇevirici {

QString sunucuSatırNo(const QString& tablo) {
    return tablo.compare(QLatin1String("YapilacakIslerTablosu"), Qt::CaseInsensitive) == 0
               ? QStringLiteral("IsNo")
               : QStringLiteral("SatirNo");
}

Sonuç çevir(const QString& jet, Lehçe lehçe) {
    std::vector<Belirteç> b = böl(jet);

    // A trailing semicolon ends the statement; anything after one is a second statement.
    while (!b.empty() && işaret(b.back(), ";"))
        b.pop_back();
    for (const Belirteç& x : b)
        if (işaret(x, ";"))
            throw Hata(DeyimSonundaFazlalık,
                       QStringLiteral("SQL deyiminin sonundan sonra karakter bulundu."));

    // (SELECT ...) is accepted as the SELECT itself.
    while (b.size() >= 2 && işaret(b.front(), "(") && kapanış(b, 0) == qsizetype(b.size()) - 1) {
        b.erase(b.begin());
        b.pop_back();
    }
    if (b.empty())
        sözdizimi(QStringLiteral("boş deyim"));

    for (const Belirteç& x : b) {
        if (x.tür == Tür::Ad && x.metin.contains(QChar(0)))
            sözdizimi(QStringLiteral("geçersiz ad"));
    }

    Sonuç sonuç;
    const Belirteç& ilk = b.front();
    sonuç.seçim = anahtarSözcük(ilk, "SELECT");
    if (!sonuç.seçim && !anahtarSözcük(ilk, "INSERT") && !anahtarSözcük(ilk, "UPDATE") &&
        !anahtarSözcük(ilk, "DELETE"))
        sözdizimi(
            QStringLiteral("geçersiz SQL deyimi; DELETE, INSERT, SELECT veya UPDATE bekleniyordu"));

    // DELETE * FROM: the star is Jet's own.
    if (anahtarSözcük(ilk, "DELETE") && b.size() > 1 && işaret(b[1], "*"))
        b.erase(b.begin() + 1);

    // The one table, when the statement names exactly one at its top level.
    const auto tabloAdı = [&](qsizetype i) -> QString {
        return i < qsizetype(b.size()) && b[i].tür == Tür::Ad ? b[i].metin : QString();
    };
    bool tekTablo = false;
    qsizetype sıralama = -1;
    QString kaynak; // the table after the top-level FROM
    if (sonuç.seçim) {
        qsizetype from = -1;
        int derinlik = 0;
        for (qsizetype i = 1; i < qsizetype(b.size()); ++i) {
            if (işaret(b[i], "("))
                ++derinlik;
            else if (işaret(b[i], ")"))
                --derinlik;
            else if (derinlik == 0 && anahtarSözcük(b[i], "FROM")) {
                from = i;
                break;
            }
        }
        if (from > 1) {
            // Only * or plain field names make a changeable recordset.
            bool düzSütunlar = from == 2 && işaret(b[1], "*");
            if (!düzSütunlar) {
                düzSütunlar = true;
                for (qsizetype i = 1; i < from; ++i) {
                    const bool beklenenAd = (i % 2) == 1;
                    if (beklenenAd ? b[i].tür != Tür::Ad || anahtarSözcük(b[i], "DISTINCT") ||
                                         anahtarSözcük(b[i], "TOP") || anahtarSözcük(b[i], "ALL")
                                   : !işaret(b[i], ",")) {
                        düzSütunlar = false;
                        break;
                    }
                }
                düzSütunlar = düzSütunlar && (from - 1) % 2 == 1;
            }
            sonuç.tablo = tabloAdı(from + 1);
            kaynak = sonuç.tablo;
            tekTablo = düzSütunlar && !sonuç.tablo.isEmpty();
            if (tekTablo && from + 2 < qsizetype(b.size()) &&
                !anahtarSözcük(b[from + 2], "WHERE") && !anahtarSözcük(b[from + 2], "ORDER"))
                tekTablo = false;
            derinlik = 0;
            for (qsizetype i = from + 2; tekTablo && i < qsizetype(b.size()); ++i) {
                if (işaret(b[i], "("))
                    ++derinlik;
                else if (işaret(b[i], ")"))
                    --derinlik;
                else if (derinlik == 0) {
                    for (const char* k : {"JOIN", "UNION", "GROUP", "HAVING", "LIMIT", "OFFSET",
                                          "INNER", "LEFT", "RIGHT", "EXCEPT", "INTERSECT"})
                        if (anahtarSözcük(b[i], k))
                            tekTablo = false;
                    if (anahtarSözcük(b[i], "ORDER") && i + 1 < qsizetype(b.size()) &&
                        anahtarSözcük(b[i + 1], "BY"))
                        sıralama = i;
                }
            }
            if (!tekTablo)
                sonuç.tablo.clear();
        }
    } else if (anahtarSözcük(ilk, "UPDATE")) {
        sonuç.tablo = tabloAdı(1);
    } else if (anahtarSözcük(ilk, "DELETE")) {
        if (b.size() > 1 && anahtarSözcük(b[1], "FROM"))
            sonuç.tablo = tabloAdı(2);
    } else if (b.size() > 1 && anahtarSözcük(b[1], "INTO")) {
        sonuç.tablo = tabloAdı(2);
    }

    // A whole table in an order of plain field names, ascending: the terms, for an engine that
    // reads the table in its own order and sorts the rows itself.
    if (tekTablo && sıralama >= 2 && anahtarSözcük(b[sıralama - 2], "FROM")) {
        QStringList alanlar;
        bool düz = true;
        for (qsizetype i = sıralama + 2; düz && i < qsizetype(b.size()); ++i) {
            if (b[i].tür != Tür::Ad || anahtarSözcük(b[i], "ASC") || anahtarSözcük(b[i], "DESC"))
                düz = false;
            else
                alanlar << b[i].metin;
            if (i + 1 < qsizetype(b.size()) && anahtarSözcük(b[i + 1], "ASC"))
                ++i;
            if (i + 1 < qsizetype(b.size()) && !işaret(b[++i], ","))
                düz = false;
        }
        if (düz && !alanlar.isEmpty())
            sonuç.sıralamaAlanları = alanlar;
    }

    if (lehçe == Lehçe::Sunucu) {
        sonuç.değiştirilebilir = tekTablo;
        sonuç.sql = sunucuMetni(b, tekTablo ? sonuç.tablo : QString(), kaynak, sonuç.parametreler);
        // The table in no order at all: the server need not sort it; the rows' numbers put
        // them in the order of addition, and the fields in the order asked for.
        if (!sonuç.sıralamaAlanları.isEmpty()) {
            QList<QVariant> yok;
            sonuç.tabloSırasıyla =
                sunucuMetni(std::vector<Belirteç>(b.begin(), b.begin() + sıralama), sonuç.tablo,
                            kaynak, yok, true);
        }
        return sonuç;
    }

    QStringList parçalar;
    qsizetype sıralamaParçası = -1;
    for (qsizetype i = 0; i < qsizetype(b.size()); ++i) {
        const Belirteç& x = b[i];
        if (i == sıralama)
            sıralamaParçası = parçalar.size();
        switch (x.tür) {
        case Tür::Ad:
            if (!x.köşeli && anahtarSözcük(x, "True"))
                parçalar << QStringLiteral("1");
            else if (!x.köşeli && anahtarSözcük(x, "False"))
                parçalar << QStringLiteral("0");
            else if (x.köşeli)
                parçalar << tırnakla(x.metin, u'"');
            else
                parçalar << x.metin;
            if (i == 0 && tekTablo)
                parçalar << QStringLiteral("rowid ,");
            if (anahtarSözcük(x, "LIKE") && !x.köşeli) {
                if (i + 1 >= qsizetype(b.size()) || b[i + 1].tür != Tür::Metin)
                    sözdizimi(QStringLiteral("LIKE bir metin deseni bekliyor"));
                parçalar << tırnakla(benzerDeseni(b[i + 1].metin), u'\'')
                         << QStringLiteral("ESCAPE '\\'");
                ++i;
            }
            break;
        case Tür::Metin:
            parçalar << tırnakla(x.metin, u'\'');
            break;
        case Tür::Sayı:
            parçalar << x.metin;
            break;
        case Tür::Tarih:
            parçalar << tırnakla(tarihMetni(x.metin), u'\'');
            break;
        case Tür::İşaret:
            parçalar << (x.metin == QLatin1String("&") ? QStringLiteral("||") : x.metin);
            break;
        }
    }
    if (tekTablo) {
        // Rows without an order of their own come in the order they were added, and rows that
        // tie on the given order keep that order too.
        parçalar << (sıralama < 0 ? QStringLiteral("ORDER BY rowid") : QStringLiteral(", rowid"));
        sonuç.değiştirilebilir = true;
        if (!sonuç.sıralamaAlanları.isEmpty())
            sonuç.tabloSırasıyla =
                parçalar.mid(0, sıralamaParçası).join(u' ') + QStringLiteral(" ORDER BY rowid");
    }
    sonuç.sql = parçalar.join(u' ');
    return sonuç;
}

} // namespace JetÇevirici
