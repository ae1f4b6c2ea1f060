#pragma once

#include <QDate>
#include <QString>
#include <QTime>
#include <memory>

class AnaForm;
class QTreeWidgetItem;
struct sqlite3;

// Test databases for the main window: a fresh encrypted file per call, opened as the
// program's database, with folders and jobs added through the engine layer.
namespace AnaFormTest {

// Creates an empty database in a new folder and opens it; returns the file path. With
// TARVELA_TEST_MOTORU=sunucu the database is on the test server (its address is returned),
// and without a test server the test is skipped (empty result).
QString yeniVeritabanı();
void klasörEkle(const QString& anahtar, const QString& bağ, const QString& ad);
// Adds a job and returns its job number.
qint64 işEkle(const QString& anahtar, const QDate& tarih, const QTime& saat, const QString& konu,
              bool hatırlatma = false, bool yapıldı = false, const QString& yer = QString(),
              const QString& sayı = QString(), const QString& açıklama = QString());
// Rows the statement selects; a field of the first of them (invalid when none).
int satırSayısı(const QString& deyim);
QVariant ilkAlan(const QString& deyim, const QString& alan);

// Holds the write lock of the open database's file on a connection of its own, as another
// computer would, and makes the program give up waiting for it after 50 ms.
class Kilit {
public:
    Kilit();
    ~Kilit();

private:
    sqlite3* db_ = nullptr;
    int bekleme_ = 0;
};

// A main window over the open database, loaded without a splash, its folder tree loaded.
std::unique_ptr<AnaForm> yeniForm(bool görünür = true);
// The folder node with the key; a warning and nullptr when there is none.
QTreeWidgetItem* düğüm(AnaForm& form, const QString& anahtar);
// Clicks a node as a user does, which chooses the folder.
void düğümTıkla(AnaForm& form, const QString& anahtar);
// Drags the selected job over the tree and drops it onto the node (nullptr: empty space).
void ağacaBırak(AnaForm& form, QTreeWidgetItem* hedef);
// Texts of one column of the job list, top to bottom.
QStringList sütun(AnaForm& form, int sütun);

} // namespace AnaFormTest
