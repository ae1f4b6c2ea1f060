#pragma once

#include "search/Arama.h"

#include <QDialog>
#include <memory>

class Listeİzleyicisi;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListView;
class QPushButton;
class AramaSonuçlarıModeli;

// The search window: finds jobs of all folders whose subject, place or description holds a
// piece of text, lists the values found and takes the user to a chosen job in the main
// window (its folder selected and listed, its row selected). It changes nothing.
class AramaİşlemleriFormu : public QDialog {
public:
    explicit AramaİşlemleriFormu(QWidget* sahip = nullptr);
    ~AramaİşlemleriFormu() override;

    void AraDüğmesi_Click();
    void AyrıntıGösterDüğmesi_Click();

    int sonuçSayısı() const;
    // The job found on a result line (counted from 0): value, job number, folder key.
    Arama::Sonuç sonuç(int satır) const;
    // The selected result line; -1 when none is.
    int seçiliSonuç() const;

    QGroupBox* Çerçeve = nullptr;
    // 0 where to search, 1 the text, 2 the results, 3 the count line.
    QLabel* Etiket[4] = {};
    QComboBox* AranacakYerKutusu = nullptr;
    QLineEdit* ArananKutusu = nullptr;
    QPushButton* AraDüğmesi = nullptr;
    // Each line carries its job number and its job's folder key along with the value shown.
    QListView* AramaSonuçlarıListesi = nullptr;
    QPushButton* AyrıntıGösterDüğmesi = nullptr;
    QPushButton* KapatDüğmesi = nullptr;

    static inline const QString Başlık = QStringLiteral("Arama İşlemleri...");

    // Runs the last search again when another computer has changed the jobs.
    std::unique_ptr<Listeİzleyicisi> izleyici;

protected:
    bool eventFilter(QObject* nesne, QEvent* olay) override;

private:
    QLabel* etiketi(QObject* nesne) const;
    // The last search run again, with no message, the selected job and the view kept.
    void yenile();

    AramaSonuçlarıModeli* sonuçlar_ = nullptr;
    int sonYer_ = -1;
    QString sonAranan_;
};

// Shows the search window modally over its owner.
void AramaPenceresiniAç(QWidget* sahip);
