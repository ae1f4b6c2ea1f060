#pragma once

#include <QString>
#include <QStringList>

// The known database folders ("Sunucular"/"Sunucu-n") with the rules for adding to them.
// The list in memory follows the store: every change is written back at once.
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

    // Exact whole-entry comparison, case-insensitive; -1 when absent.
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

    // Forgets every server: the whole section goes from the store.
    void unut();

private:
    bool anahtarlarSıralıMı() const;
    void hepsiniYaz();

    QStringList klasörler_;
    // The keys the entries are stored under, to tell whether they run 1..n without gaps.
    QStringList anahtarlar_;
};

// The database file of a server folder.
QString VeritabanıDosyası(const QString& klasör);
// "Sunucu-" followed by the 1-based number.
QString SunucuAnahtarı(int sıra);
