#pragma once

#include <QString>

class QWidget;

// What the other windows need of the main window. The main window implements it; tests of
// other windows can put a small stand-in in its place.
class AnaFormArayüzü {
public:
    virtual ~AnaFormArayüzü() = default;

    // The main window itself, as owner of the modal windows it opens.
    virtual QWidget* pencere() = 0;

    // Folder tree: load from the database (the caller empties first), empty it.
    virtual void KlasörleriYükle() = 0;
    virtual void klasörAğacınıBoşalt() = 0;
    // Key and text of the tree's selected node; empty when none is selected.
    virtual QString seçiliKlasörAnahtarı() const = 0;
    virtual QString seçiliKlasörAdı() const = 0;
    // The folder-chosen handler run for the tree's selected node (refills the job list and
    // writes the row count into the status bar).
    virtual void seçiliKlasörüTıkla() = 0;

    // Job list: number of rows, and selecting a row by its 1-based index.
    virtual int işSatırSayısı() const = 0;
    virtual void işSatırıSeç(int sıra) = 0;

    // Taking the user to a job found elsewhere: the first folder node with the key is
    // selected, scrolled into view and its jobs listed (false, with nothing changed, when the
    // tree has no such node); then the row of the job number is selected, scrolled into view
    // and given the focus (false when no row holds that job).
    virtual bool klasörüSeçipListele(const QString& anahtar) = 0;
    virtual bool işiSeç(qint64 isNo) = 0;

    // Status bar panel (1-based) text.
    virtual void durumYaz(int panel, const QString& metin) = 0;

    // Notification-area icon: put up and take away.
    virtual void BildirimAlanınaSimgeEkle() = 0;
    virtual void BildirimAlanındanSimgeyiSil() = 0;
    // Brings a hidden main window back on screen (by default: shows pencere()).
    virtual void anaPencereyiGöster();

    // Closes the main window by program action: the program ends without a question.
    virtual void programıKapat() = 0;
};

// The program's main window, once it exists (null before, and in tests that set none).
AnaFormArayüzü* anaForm();
void anaFormuAyarla(AnaFormArayüzü* form);

// The shared edited-row index: the 1-based index of the job-list row being changed.
qint16& düzenlenenSatır();

// The program-wide number of the job last confirmed or opened for change from a list.
qint32& şimdikiİşNo();

// Told when a job shown in another window cannot be found in the main window: its folder is
// no longer in the tree (deleted, or added on another computer after the tree was loaded), or
// the job is no longer in its folder's list (deleted or moved in the meantime).
inline const QString KlasörYokMesajı =
    QStringLiteral("Seçilen işin klasörü bulunamadı! Klasör silinmiş olabilir; klasör listesini "
                   "yenileyip (F5) tekrar deneyiniz.");
inline const QString İşYokMesajı =
    QStringLiteral("Seçilen iş klasöründe bulunamadı! İş silinmiş ya da başka bir klasöre "
                   "taşınmış olabilir.");

// "Ayrıntı Göster": lists the job's folder in the main window and selects the job's row, or
// says which of the two is missing (no unrelated folder or row is selected in its place).
// True when the row is selected.
bool işiAnaFormdaGöster(AnaFormArayüzü& ana, const QString& anahtar, qint64 isNo);
