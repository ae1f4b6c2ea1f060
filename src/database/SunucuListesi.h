#pragma once

#include <QString>
#include <QStringList>

// The known databases ("Sunucular"/"Sunucu-n") with the rules for adding to them: each entry
// is a folder holding the shared file, or the URI of a PostgreSQL server (never with a
// password in it: that is kept in the keyring). The list in memory follows the store: every
// change is written back at once.
class SunucuListesi {
public:
    // The most entries the change-server window lets the list grow to.
    static constexpr int EnÇokGiriş = 4;

    // The list as the store holds it, in the store's key order.
    static SunucuListesi yükle();

    const QStringList& klasörler() const { return klasörler_; }
    int sayı() const { return static_cast<int>(klasörler_.size()); }
    bool boşMu() const { return klasörler_.isEmpty(); }
    QString klasör(int konum) const;

    // The position of the folder in use: "Ayarlar"/"Veritabani", or 0 when that points past
    // the end. Throws Hata when the stored value is not a number.
    int kullanılacakKonum() const;
    // The position the change-server window selects on opening; -1 when none is valid.
    int seçilecekKonum() const;

    // Exact whole-entry comparison, case-insensitive for folders, case-sensitive for server
    // URIs (a database or user name keeps its case); -1 when absent.
    int bul(const QString& klasör) const;

    // Appends a folder found at start-up and stores it; returns its position.
    int ekle(const QString& klasör);

    // A folder chosen in the change-server window (its database file already checked):
    // added, or put in place of the fourth entry, as the list's size requires. Returns the
    // position to select.
    int yeniSunucuSeç(const QString& klasör);

    // Writes the list again as "Sunucu-1".."Sunucu-n", in its order, when the stored keys
    // are anything else (edited by hand, or left by an older copy). A position is only
    // stored after this: with other keys, a folder added later would take a place before
    // some of them and the stored position would name another folder.
    void anahtarlarıDüzelt();

    // Puts the entry in place of the one at the position and stores it.
    void değiştir(int konum, const QString& giriş);

    // Forgets every server: the whole section goes from the store.
    void unut();

private:
    bool anahtarlarSıralıMı() const;
    void hepsiniYaz();

    QStringList klasörler_;
    // The keys the entries are stored under, to tell whether they run 1..n without gaps.
    QStringList anahtarlar_;
};

// What to open for an entry: the database file of a server folder, or a server URI as it is.
QString VeritabanıDosyası(const QString& klasör);

// PostgreSQL connection URIs ("postgresql://" or "postgres://"), as libpq reads them.
namespace SunucuAdresi {
// True when the entry is a server URI rather than a folder.
bool adresMi(const QString& giriş);
struct Ayrılmış {
    QString adres;  // the URI without any password
    QString parola; // the password it carried, decoded; empty when none
};
// Takes the password out of the URI: the one after "user:" before the "@", and a "password"
// parameter of the query (which libpq lets win over the first).
Ayrılmış parolayıAyır(const QString& adres);
} // namespace SunucuAdresi
// "Sunucu-" followed by the 1-based number.
QString SunucuAnahtarı(int sıra);
