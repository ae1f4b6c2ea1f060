#pragma once

#include "reminders/HatirlatmaSorgusu.h"

#include <QDialog>
#include <QIcon>
#include <QList>

class QButtonGroup;
class QCheckBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QTreeWidget;
class QTreeWidgetItem;

// The reminder window: today's jobs whose time has come, a looping alarm, and the user's
// decision for each job (done, put off by 15 minutes, not to be reminded again). Settling a
// job changes it in the database at once and removes its row; the window closes itself when
// the last row is gone.
class HatırlatmaFormu : public QDialog {
public:
    explicit HatırlatmaFormu(QWidget* sahip = nullptr);
    ~HatırlatmaFormu() override;

    // Empties the list and fills it with the jobs due now (the scheduler's tick and the
    // change action call it), after the jobs missed in the span set below. Nothing is listed
    // while no database is open. True when the jobs could be read.
    bool HatırlatılacakİşleriListele();
    // The span whose missed reminders this showing of the window lists (none by default).
    void kaçırılanAralığınıAyarla(const KaçırılanAralık& aralık) { kaçırılanAralık_ = aralık; }
    // Fills the list with the given jobs; the missed ones come first under a line of their
    // own. The first job row becomes the selected row.
    void listeyiDoldur(const QList<HatırlatılacakİŞ>& işler,
                       const QList<HatırlatılacakİŞ>& kaçırılanlar = {});
    // Job rows (the lines above the groups do not count).
    int satırSayısı() const;
    // The moment of the earliest missed job still listed; invalid when none is left.
    QDateTime ilkKaçırılanAn() const;
    // The job shown in a row, as the entry window takes it over.
    İşSatırı satır(int sıra) const;

    // Runs when the window is first shown and whenever it becomes active again after a
    // window opened from it has closed: count line, on-top state, the alarm loop afresh.
    void Etkinleşme();

    // Actions of the controls (the controls call them; tests may too).
    void İşSonucuSeçenekleri_Click(int seçenek);
    void OnaylaDüğmesi_Click();
    void DeğişiklikYapDüğmesi_Click();
    void YazdırDüğmesi_Click();
    void SesliUyarıVermeyiDurdurOnayı_Click();
    void HerZamanÜstteOlsunOnayı_Click();

    // Whether the window is kept above all others at the moment.
    bool enÜstteMi() const;

    QLabel* SayıEtiketi = nullptr; // Etiket(0), the count line
    QLabel* SimgeKutusu = nullptr;
    QTreeWidget* YapılacakİşlerListesi = nullptr;
    QPlainTextEdit* AçıklamaKutusu = nullptr;
    QRadioButton* İşSonucuSeçenekleri[3] = {};
    QPushButton* OnaylaDüğmesi = nullptr;
    QPushButton* DeğişiklikYapDüğmesi = nullptr;
    QPushButton* YazdırDüğmesi = nullptr;
    QPushButton* KapatDüğmesi = nullptr;
    QCheckBox* SesliUyarıVermeyiDurdurOnayı = nullptr;
    QCheckBox* HerZamanÜstteOlsunOnayı = nullptr;

    static inline const QString Başlık = QStringLiteral("Hatırlatılacak İşler");
    static inline const QString KaçırılanlarSatırı =
        QStringLiteral("Program çalışmıyorken zamanı gelip kaçırılan işler");
    static inline const QString BugünküSatırı = QStringLiteral("Bugün zamanı gelen işler");

protected:
    void showEvent(QShowEvent* olay) override;
    // Every way of closing ends here: the close box, Esc, the close button, and the window
    // closing itself. With rows left the user is asked first and may keep the window.
    void done(int sonuç) override;

private:
    void sütunlarıKur();
    void açıklamayıGöster();
    // The count line, from the rows listed now.
    void sayıSatırınıYaz();
    void enÜstteYap(bool açık);
    QTreeWidgetItem* seçiliSatır() const;
    QList<QTreeWidgetItem*> işÖğeleri() const;
    QTreeWidgetItem* grupSatırı(const QString& metin);
    // Takes away a group's line once its last job is gone, and the line of today's jobs
    // when the missed ones are all settled.
    void grupSatırlarınıDüzenle();

    KaçırılanAralık kaçırılanAralık_;
    QIcon hatırlatSimgesi_;
    QButtonGroup* seçenekGrubu_ = nullptr;
    int seçilenSonuç_ = 0;
    bool gösterildi_ = false;
};

// The job list of the reminder window and the morning summary: one row at a time, read-only,
// the columns of a reminder row (the last, the job number, hidden at zero width); the date
// column is never narrower than a whole date.
QTreeWidget* hatırlatmaListesi(QWidget* sahip, const QString& ad);
