#pragma once

#include "lists/IsListeleri.h"

#include <QDialog>
#include <memory>

class Listeİzleyicisi;
class QLabel;
class QModelIndex;
class QPlainTextEdit;
class QPushButton;
class QTreeView;
class İşListesiModeli;

// The job lists window: jobs of all folders by one of five fixed selections (today's open
// jobs, overdue open jobs, the open jobs of a picked date, done jobs, all jobs), each with a
// title that counts them. It changes no job.
class YapılacakİşlerListesiFormu : public QDialog {
public:
    explicit YapılacakİşlerListesiFormu(QWidget* sahip = nullptr);
    ~YapılacakİşlerListesiFormu() override;

    // The list filler: empties the list and the description, then lists the selection's jobs
    // (`tarih` is today or the picked date) with the first row selected. False when reading
    // failed; the error has then been reported and the rows read so far stay listed.
    bool Listele(İşListeleri::Seçim seçim, const QDate& tarih);

    // The button actions: list, then the title with the count, or the information box and
    // the empty title.
    void BugünYapılacakİşleriListeleDüğmesi_Click();
    void GünüGeçenİşleriListeleDüğmesi_Click();
    void SeçilenTarihtekiİşleriListeleDüğmesi_Click();
    void YapılmışİşleriListeleDüğmesi_Click();
    void TümİşleriListeleDüğmesi_Click();
    void YazdırDüğmesi_Click();
    // Writes the listed jobs, in the order shown, to an iCalendar file.
    void DışaAktarDüğmesi_Click();
    void YapılacakİşlerListesi_ColumnClick(int sütun);
    // A click on a row: when the row is selected, its description goes into AçıklamaKutusu.
    void YapılacakİşlerListesi_ItemClick(const QModelIndex& satır);

    QLabel* Etiket[2] = {}; // 0 the title line, 1 "Açıklama"
    QTreeView* YapılacakİşlerListesi = nullptr;
    İşListesiModeli* işModeli = nullptr;
    QPlainTextEdit* AçıklamaKutusu = nullptr;
    QPushButton* BugünYapılacakİşleriListeleDüğmesi = nullptr;
    QPushButton* GünüGeçenİşleriListeleDüğmesi = nullptr;
    QPushButton* SeçilenTarihtekiİşleriListeleDüğmesi = nullptr;
    QPushButton* YapılmışİşleriListeleDüğmesi = nullptr;
    QPushButton* TümİşleriListeleDüğmesi = nullptr;
    QPushButton* YazdırDüğmesi = nullptr;
    QPushButton* DışaAktarDüğmesi = nullptr;
    QPushButton* KapatDüğmesi = nullptr;

    static inline const QString Başlık = QStringLiteral("Yapılacak İşleri Listele");

    // Lists the last selection again when another computer has changed the jobs.
    std::unique_ptr<Listeİzleyicisi> izleyici;

protected:
    // Every way of closing (the close button, Esc, the close box) keeps the column layout.
    void done(int sonuç) override;

private:
    void sütunlarıKur();
    void listeyiGöster(İşListeleri::Seçim seçim, const QDate& tarih,
                       const QString& tarihMetni = QString());
    void açıklamayıGöster();
    // The last selection listed, read again as the user left it; the title counts anew.
    void yenile();

    bool listelendi_ = false;
    İşListeleri::Seçim sonSeçim_{};
    QDate sonTarih_;
    QString sonTarihMetni_;
};

// Shows the job lists window modally over its owner.
void YapılacakİşleriListelePenceresiniAç(QWidget* sahip);
