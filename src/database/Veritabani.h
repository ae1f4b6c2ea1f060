#pragma once

#include "controls/Hata.h"

#include <QString>
#include <QVariant>
#include <functional>
#include <memory>

// moc cannot read Turkish identifiers; it needs nothing from this header.
#ifndef Q_MOC_RUN

class KayıtKümesi;

// Error numbers of the database layer besides the categories in HataNo.
namespace VeritabanıHataNo {
// Another computer holds the file's write lock longer than the wait allows; what the user
// typed is kept and the step can be tried again.
inline constexpr int Meşgul = 3260;
// The file decrypts but a page is damaged.
inline constexpr int Bozuk = 3049;
// No current row (before the first or past the last row, or a deleted row).
inline constexpr int GeçerliKayıtYok = 3021;
// Update without AddNew or Edit.
inline constexpr int DüzenlemeYok = 3020;
// The row was deleted by someone else in the meantime.
inline constexpr int KayıtSilinmiş = 3167;
// The recordset cannot be changed (it does not read exactly one table).
inline constexpr int SaltOkunur = 3027;
// The row was changed by someone else after it was read; nothing was written.
inline constexpr int VeriDeğişti = 3197;
// A field name that the recordset does not have.
inline constexpr int AlanYok = 3265;
// A value that cannot be converted to the field's type.
inline constexpr int TürDönüşümü = 3421;
// The counter field cannot be written.
inline constexpr int AlanGüncellenemez = 3164;
// A folder key or another unique value exists already.
inline constexpr int YinelenenDeğer = 3022;
// A job cannot go into a folder that is not (or no longer) in the file.
inline constexpr int İlgiliKayıtYok = 3201;
// The recordset was closed.
inline constexpr int NesneGeçersiz = 3420;
// No database is open.
inline constexpr int AçıkVeritabanıYok = 91;
} // namespace VeritabanıHataNo

// The file opened with the password, but the program cannot work with it (its tables do not
// fit, or a page is damaged): the folder and the password are right, the file is not.
class AçılanDosyaHatası : public Hata {
public:
    explicit AçılanDosyaHatası(const Hata& hata) : Hata(hata) {}
};

// The job database: a file opened through SQLCipher, or a database on a PostgreSQL server
// when the path is an address (postgresql://...). The program talks to it only through the
// operations below, the same for both; statement texts come in the catalogue's own form and
// are translated here. Every failure is thrown as Hata with the program's error numbers.
class Veritabanı {
public:
    // The connect text that carries the database password.
    static inline const QString BağlantıMetni = QStringLiteral(";Pwd=KMZ1994");

    // Opens the file shared and read-write. Never creates a file. For a server, the password
    // in the connect text is the user's (the built-in one is never sent to a server); a
    // wrong or missing one gives BüroAnahtarı::AnahtarHatası.
    static std::shared_ptr<Veritabanı> OpenDatabase(const QString& yol, bool özel = false,
                                                    bool saltOkunur = false,
                                                    const QString& bağlantı = BağlantıMetni);
    // The same with the key itself instead of a connect text (an office key may hold ";").
    static std::shared_ptr<Veritabanı> anahtarlaAç(const QString& yol, const QString& anahtar);
    ~Veritabanı();
    Veritabanı(const Veritabanı&) = delete;
    Veritabanı& operator=(const Veritabanı&) = delete;

    // How much of a statement's rows a recordset reads when it opens: the first row (the rest
    // on the first MoveNext, so that opening to add or change one row costs little on a large
    // file), or every row in one pass (for a list read to its end, so that a selective
    // statement does not run over the table twice).
    enum class Okuma { İlkSatır, Tamamı };
    // A recordset on the statement, positioned on its first row (or at its end).
    std::unique_ptr<KayıtKümesi> OpenRecordset(const QString& deyim, Okuma okuma = Okuma::İlkSatır);
    // Runs an action statement; the change is made before the call returns. Returns the
    // number of rows it changed, added or deleted.
    qint64 Execute(const QString& deyim);
    // Runs the work as one transaction: every change it makes through this database is
    // written together, or none is (the work's Hata is passed on after the rollback). When
    // another computer holds the lock the whole work is run again, so it must read what it
    // changes inside itself.
    void işlem(const std::function<void()>& iş);

    QString yol() const;
    // The database's identity: the same on every computer that opens the file, by whatever
    // path, and as long as the file lives (also under a new office key and in a restored
    // daily copy); never derived from a path. 32 hexadecimal digits.
    QString kimlik();

    // "Has anything changed since I last looked?": a number that changes when another
    // computer has written to the database since it was last asked, and stays the same for
    // this program's own writes. Whoever shows rows keeps the number from before it read
    // them and reads again only when the number differs; no row is read to find out. The
    // file answers from its change counter (SQLite's data_version: a few bytes of the file's
    // header at most); an engine with change notices answers from the notices received.
    // Never waits for a lock: while another computer writes, it throws Hata (Meşgul) at
    // once and the caller looks again later.
    quint64 değişiklikDamgası();

    struct İç;

private:
    explicit Veritabanı(std::unique_ptr<İç> iç);
    std::unique_ptr<İç> iç_;
    friend class KayıtKümesi;
};

// Rows of one statement, read forwards once. A recordset over one table can also add,
// change and delete rows.
class KayıtKümesi {
public:
    ~KayıtKümesi();
    KayıtKümesi(const KayıtKümesi&) = delete;
    KayıtKümesi& operator=(const KayıtKümesi&) = delete;

    // True once the position is past the last row.
    bool Eof() const;
    void MoveNext();

    // Field values: text as QString, IsinTarihi as QDate, IsinSaati as QTime, the yes/no
    // fields as bool (null reads as false), IsNo as qint64; a null text as an invalid QVariant.
    QVariant alan(const QString& ad) const;
    // The same by column number, for reading many rows fast.
    int alanNo(const QString& ad) const;
    QVariant alan(int no) const;
    // Appends the value of a field as UTF-8 text to `hedef`, straight from what is stored, so
    // that a long list can keep its texts as they come and convert only what it shows.
    void utf8Ekle(int no, QByteArray& hedef) const;
    // Writes into the edit buffer; converted to the field's type on Update (a date text is
    // read in the user's date format).
    void alanYaz(const QString& ad, const QVariant& değer);

    void AddNew();
    void Edit();
    void Update();
    void Delete();
    void Close();

    struct İç;

private:
    explicit KayıtKümesi(std::unique_ptr<İç> iç);
    std::unique_ptr<İç> iç_;
    friend class Veritabanı;
};

// The copy of the database file made before the first write of each day.
namespace GünlükYedek {
// Receives the reason when the day's copy cannot be made, at most once a day (the program
// shows it in the main window). Without a receiver the reason goes to standard error only.
void uyarıAlıcısıAyarla(std::function<void(const QString&)> alıcı);
} // namespace GünlükYedek

// The one open database of the program, set after a successful connection.
namespace AçıkVeritabanı {
// The open database; throws Hata when none is open.
Veritabanı& al();
bool açıkMı();
void ayarla(std::shared_ptr<Veritabanı> vt);
void kapat();
} // namespace AçıkVeritabanı
#endif
