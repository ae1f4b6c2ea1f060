#pragma once

#include <QDialog>
#include <QString>
#include <array>
#include <optional>

#include "controls/IsSatiri.h"
#include "jobentry/GirisGecmisi.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

// The window in which a job is typed in: a new one (mode tag "Ekle") or an existing one
// (mode tag = its job number). Editing state: the inputs are open and "Kaydet" shows;
// resting state: the inputs are empty and closed and "Yeni İş Ekle" shows. One instance
// serves the whole run (İşGirişFormu()); it is loaded again on the first use after each
// close.
class İşEklemeDeğiştirmeFormu : public QDialog {
public:
    static inline const QString EkleEtiketi = QStringLiteral("Ekle");
    static constexpr int KonuSınırı = 20;
    static constexpr int YerSınırı = 30;
    static constexpr int SayıSınırı = 12;

    explicit İşEklemeDeğiştirmeFormu(QWidget* sahip = nullptr);

    // Loading: inputs emptied and closed, the remembered entries read when they are kept.
    void yükle();
    void yüklenmemişseYükle();
    bool yüklüMü() const { return yüklü_; }

    void YeniİşEkleDüğmesi_Click();
    void KaydetDüğmesi_Click();
    void VazgeçDüğmesi_Click();
    void KapatDüğmesi_Click();
    void TarihiTakvimdenSeçDüğmesi_Click();

    // Empties and closes every input; the done box keeps its tick.
    void girdileriBoşalt();
    bool düzenlemedeMi() const;

    // The job as the list showed it when the window was opened for change; saving compares
    // the file's row with it. Cleared in add mode.
    void gösterilenAyarla(const std::optional<İşSatırı>& satır) { gösterilen_ = satır; }

    const QString& kipEtiketi() const { return kipEtiketi_; }
    void kipEtiketiAyarla(const QString& etiket) { kipEtiketi_ = etiket; }
    // The calendar button's tag: when not empty the calendar opens on top of everything.
    const QString& takvimDüğmesiEtiketi() const { return takvimDüğmesiEtiketi_; }
    void takvimDüğmesiEtiketiAyarla(const QString& etiket) { takvimDüğmesiEtiketi_ = etiket; }

    // Shows the window modally over the owner; afterwards it belongs to no window again.
    int göster(QWidget* sahip);

    QLabel* etiket(int i) const { return etiketler_[i]; }
    QLineEdit* işinTarihiKutusu() const { return işinTarihiKutusu_; }
    QPushButton* tarihiTakvimdenSeçDüğmesi() const { return tarihiTakvimdenSeçDüğmesi_; }
    QComboBox* saatKutusu() const { return saatKutusu_; }
    QComboBox* dakikaKutusu() const { return dakikaKutusu_; }
    QComboBox* işinKonusuKutusu() const { return işinKonusuKutusu_; }
    QComboBox* işinYeriKutusu() const { return işinYeriKutusu_; }
    QComboBox* işinSayısıKutusu() const { return işinSayısıKutusu_; }
    QPlainTextEdit* açıklamaKutusu() const { return açıklamaKutusu_; }
    QCheckBox* hatırlatmaVarOnayı() const { return hatırlatmaVarOnayı_; }
    QCheckBox* işYapıldıOnayı() const { return işYapıldıOnayı_; }
    QPushButton* kaydetDüğmesi() const { return kaydetDüğmesi_; }
    QPushButton* yeniİşEkleDüğmesi() const { return yeniİşEkleDüğmesi_; }
    QPushButton* vazgeçDüğmesi() const { return vazgeçDüğmesi_; }
    QPushButton* kapatDüğmesi() const { return kapatDüğmesi_; }

    // The title bar, the system menu and Esc close the window only in the resting state.
    void reject() override;

protected:
    void keyPressEvent(QKeyEvent* olay) override;
    bool eventFilter(QObject* nesne, QEvent* olay) override;

private:
    struct SınırlıKutu {
        QComboBox* kutu;
        int sınır;
        QString mesaj;
        GirişGeçmişi* geçmiş;
    };

    void kur();
    void dinlenmeyeGeç();
    void programKapatır();
    // Checks the date box as on leaving it; false (after telling the user) when its text is
    // no date.
    bool tarihKutusunuDoğrula();
    void sınırlıKutudanAyrıl(const SınırlıKutu& k);
    void açıklamadanAyrıl();
    void ayrıl(QObject* kutu);
    const SınırlıKutu* sınırlıKutu(QObject* nesne) const;
    QLabel* etiketi(QObject* nesne) const;
    bool girdiMi(QObject* nesne) const;
    // False when nothing was written because the user went back to the window.
    bool işiYaz();
    void geçmişleriKaydet();
    void geçmişiGöster(QComboBox* kutu, const GirişGeçmişi& geçmiş);

    std::array<QLabel*, 6> etiketler_{};
    QLineEdit* işinTarihiKutusu_;
    QPushButton* tarihiTakvimdenSeçDüğmesi_;
    QComboBox* saatKutusu_;
    QLabel* ikiNoktaEtiketi_;
    QComboBox* dakikaKutusu_;
    QComboBox* işinKonusuKutusu_;
    QComboBox* işinYeriKutusu_;
    QComboBox* işinSayısıKutusu_;
    QPlainTextEdit* açıklamaKutusu_;
    QCheckBox* hatırlatmaVarOnayı_;
    QCheckBox* işYapıldıOnayı_;
    QPushButton* kaydetDüğmesi_;
    QPushButton* yeniİşEkleDüğmesi_;
    QPushButton* vazgeçDüğmesi_;
    QPushButton* kapatDüğmesi_;

    GirişGeçmişi konular_;
    GirişGeçmişi yerler_;
    GirişGeçmişi sayılar_;
    std::array<SınırlıKutu, 3> sınırlıKutular_;

    QString kipEtiketi_;
    std::optional<İşSatırı> gösterilen_;
    QString takvimDüğmesiEtiketi_;
    bool yüklü_ = false;
    // Set while the window empties its boxes or handles a box being left, so that the
    // focus moves this causes do not run the leaving checks again.
    bool kendiİşinde_ = false;
};

// The one entry window of the run.
İşEklemeDeğiştirmeFormu& İşGirişFormu();
