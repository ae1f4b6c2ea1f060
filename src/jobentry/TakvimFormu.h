#pragma once

#include "jobentry/TakvimAyi.h"

#include <QDialog>
#include <QString>
#include <array>

class QComboBox;
class QFrame;
class QLabel;
class QListWidget;
class QPushButton;

// The calendar picker: the caller puts a start date into SeçilenTarih (short date form),
// shows the window modally and reads SeçilenTarih back afterwards, a date chosen or the
// empty text when the user cancelled.
class TakvimFormu : public QDialog {
public:
    explicit TakvimFormu(QWidget* sahip = nullptr);

    // The selected date in the short date form; kept equal to the selected day while open.
    QString SeçilenTarih;

    // Sets the boxes from SeçilenTarih (today's month when it is no date or its year cannot
    // be shown) and draws the month with its day selected. Showing the window does this.
    void aç();
    // Draws the month chosen in the boxes and selects the given day (day 1 when the month
    // has no such day).
    void ayıÇiz(int gün);
    // Selects a cell; an empty cell is not selectable.
    void hücreSeç(int hücre);
    void BugüneGitDüğmesi_Click();

    int seçilenHücre() const { return seçilenHücre_; }
    const TakvimAyı& gösterilenAy() const { return ay_; }

    QListWidget* ayKutusu() const { return ayKutusu_; }
    QComboBox* yılKutusu() const { return yılKutusu_; }
    QWidget* altlık() const { return altlık_; }
    QLabel* günEtiketi(int hücre) const { return günEtiketleri_[hücre]; }
    QLabel* günAdıEtiketi(int i) const { return günAdlarıEtiketleri_[i]; }
    QLabel* seçilenTarihEtiketi() const { return seçilenTarihEtiketi_; }
    QFrame* seçilenTarihÇerçevesi() const { return seçilenTarihÇerçevesi_; }
    QPushButton* bugüneGitDüğmesi() const { return bugüneGitDüğmesi_; }
    QPushButton* tamamDüğmesi() const { return tamamDüğmesi_; }
    QPushButton* iptalDüğmesi() const { return iptalDüğmesi_; }

    // Cancelling (the cancel button, Esc, the title bar) empties SeçilenTarih.
    void reject() override;

protected:
    void showEvent(QShowEvent* olay) override;
    void keyPressEvent(QKeyEvent* olay) override;
    bool eventFilter(QObject* nesne, QEvent* olay) override;

private:
    void kutulardanÇiz();
    void kutularıAyarla(int yıl, int ay);
    int seçilenGün() const;

    QListWidget* ayKutusu_;
    QComboBox* yılKutusu_;
    QWidget* altlık_;
    std::array<QLabel*, 7> günAdlarıEtiketleri_{};
    std::array<QLabel*, TakvimAyı::HücreSayısı> günEtiketleri_{};
    QFrame* seçilenTarihÇerçevesi_;
    QLabel* seçilenTarihEtiketi_;
    QPushButton* bugüneGitDüğmesi_;
    QPushButton* tamamDüğmesi_;
    QPushButton* iptalDüğmesi_;

    TakvimAyı ay_{2000, 1};
    int seçilenHücre_ = -1;
    // Set while the program itself moves the month or year box: no redraw then.
    bool koddanAyarlanıyor_ = false;
};

// Shows the picker over the owner starting on the given date text; the chosen date in the
// short date form, or the empty text when cancelled. With enÜstte the picker stays on top.
QString TakvimdenTarihSeç(QWidget* sahip, const QString& başlangıç, bool enÜstte = false);
