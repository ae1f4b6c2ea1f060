#pragma once

#include "controls/IsSatiri.h"

#include <QDate>
#include <QDialog>
#include <QList>

class QLabel;
class QPushButton;
class QTreeWidget;

// The morning summary: the open jobs of today and of the next few working days, with the
// columns of every job list, to print or to find in the main window.
class SabahÖzetiFormu : public QDialog {
public:
    explicit SabahÖzetiFormu(QWidget* sahip = nullptr);
    ~SabahÖzetiFormu() override;

    // Fills the list in the given order; the first row becomes the selected row.
    void doldur(const QList<İşSatırı>& işler, const QDate& ilk, const QDate& son);
    int satırSayısı() const;
    İşSatırı satır(int sıra) const; // 1-based

    void YazdırDüğmesi_Click();
    // Selects the chosen job's folder and the job's row in the main window and closes.
    void AyrıntıGösterDüğmesi_Click();

    QLabel* BaşlıkEtiketi = nullptr;
    QTreeWidget* İşlerListesi = nullptr;
    QPushButton* YazdırDüğmesi = nullptr;
    QPushButton* AyrıntıGösterDüğmesi = nullptr;
    QPushButton* KapatDüğmesi = nullptr;

    static inline const QString Başlık = QStringLiteral("Sabah Özeti");

private:
    QList<İşSatırı> işler_;
    QString başlık_;
};
