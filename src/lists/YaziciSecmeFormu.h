#pragma once

#include <QDialog>
#include <QList>
#include <QString>

class QComboBox;
class QGroupBox;
class QLineEdit;
class QPushButton;

struct YazıcıBilgisi {
    QString ad;
    QString bağlantı; // the spooler's device address, else the printer's location text
};

namespace Yazıcılar {
// Beside the installed printers: the pages go to a PDF file the user names.
inline const QString PdfDosyası = QStringLiteral("PDF dosyası");

// The installed printers, asked of the platform at each call, in its order.
QList<YazıcıBilgisi> yüklüYazıcılar();
QString varsayılanYazıcı();
// Whether any printer is installed now.
bool varMı();
// Whether a printer of this name is installed now.
bool yüklüMü(const QString& ad);
// The printer chosen in the choice window; it stays chosen for the rest of the run. Empty
// until the first choice.
QString& seçilen();
// Set when the choice window closed other than through "Tamam".
bool& yazdırmaİptalEdildi();
} // namespace Yazıcılar

namespace YazicilarTest {
// From now on these stand for the installed printers (tests); temizle goes back to the
// platform's list.
void yerine(const QList<YazıcıBilgisi>& yazıcılar, const QString& varsayılan = QString());
void temizle();
} // namespace YazicilarTest

// The printer choice window: the installed printers and "PDF dosyası", the connection of
// the one chosen. One entry is always selected; any close but "Tamam" cancels the print.
class YazıcıSeçmeFormu : public QDialog {
public:
    explicit YazıcıSeçmeFormu(QWidget* sahip = nullptr);

    void TamamDüğmesi_Click();
    // The entry's printer name (the entry text) and its position in the printer list.
    QString seçiliYazıcı() const;

    QGroupBox* Çerçeve = nullptr;
    QComboBox* YazıcıAdlarıKutusu = nullptr;
    QLineEdit* BağlantıNoktasıKutusu = nullptr;
    QPushButton* TamamDüğmesi = nullptr;
    QPushButton* İptalDüğmesi = nullptr;

    static inline const QString Başlık = QStringLiteral("Yazıcı Seç");

protected:
    void done(int sonuç) override;

private:
    QList<YazıcıBilgisi> yazıcılar_;
};
