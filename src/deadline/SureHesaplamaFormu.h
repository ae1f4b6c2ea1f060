#pragma once

#include "deadline/TatilTakvimi.h"

#include <QDialog>
#include <QString>
#include <array>
#include <optional>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

// The deadline calculator: the date a number of days, weeks, months or years after a start
// date, with the appeal periods of five courts as one-click presets, and under it the last
// day for filing under the rules of procedure (weekends, official holidays, the judicial
// recess). The presets panel lies in the part of the window that the narrow width cuts off;
// whether it shows is kept between openings.
class SüreHesaplamaFormu : public QDialog {
public:
    static constexpr int GenişGenişlik = 7200; // twips
    static constexpr int DarGenişlik = 4100;   // twips

    // Reads the holiday file from the given path; a path left empty takes the one beside
    // the program.
    explicit SüreHesaplamaFormu(QWidget* sahip = nullptr, const QString& tatilDosyası = {});

    std::array<QLabel*, 5> Etiket{};
    QLineEdit* BaşlangıçTarihiKutusu;
    QComboBox* EklenecekZamanDilimiKutusu;
    QComboBox* EklenecekSüreKutusu;
    QLineEdit* SonuçKutusu;
    QLineEdit* YasalSonGünKutusu;
    QLabel* GerekçeEtiketi;
    QCheckBox* AdliTatilUzatmasıOnayı;
    QPushButton* KopyalaDüğmesi;
    QPushButton* KapatDüğmesi;
    QPushButton* AyrıntılarıAçDüğmesi;
    QPushButton* AyrıntılarKapatDüğmesi;
    std::array<QGroupBox*, 2> Çerçeve{};
    std::array<QRadioButton*, 5> TemyizSeçeneği{};

    void hesapla();
    void KopyalaDüğmesi_Click();
    void AyrıntılarıAçDüğmesi_Click();
    void AyrıntılarKapatDüğmesi_Click();
    void TemyizSeçeneği_Click(int i);

    // "Kapat", Esc and the close box keep whether the presets panel shows, then close.
    void reject() override;

protected:
    bool eventFilter(QObject* nesne, QEvent* olay) override;

private:
    void kur();
    void sonucuYaz(const QString& metin, const QDate& tarih = {});
    void miktarDeğişti(const QString& metin);
    void seçenekleriTemizle();
    void genişliğiAyarla(bool ayrıntılı);
    QLabel* etiketi(QObject* nesne) const;

    QButtonGroup* seçenekGrubu_;
    std::optional<TatilTakvimi> takvim_;
    QString takvimHatası_;
    // Set while a preset fills the amount and unit boxes: those changes keep the preset.
    bool hazırSeçiliyor_ = false;
};

// Opens the calculator modally over the owner.
void SüreHesapla(QWidget* sahip);
