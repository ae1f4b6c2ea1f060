#include "lists/YaziciSecmeFormu.h"

#include "controls/Twip.h"
#include "lists/CupsKuyrugu.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPrinterInfo>
#include <QPushButton>
#include <QVBoxLayout>
#include <optional>

namespace {
struct Yerine {
    QList<YazıcıBilgisi> yazıcılar;
    QString varsayılan;
};
std::optional<Yerine>& testYazıcıları() {
    static std::optional<Yerine> y;
    return y;
}
} // namespace

namespace Yazıcılar {
QList<YazıcıBilgisi> yüklüYazıcılar() {
    if (testYazıcıları())
        return testYazıcıları()->yazıcılar;
    QList<YazıcıBilgisi> liste;
    const QHash<QString, QString> adresler = CupsKuyruğu::aygıtAdresleri();
    for (const QPrinterInfo& y : QPrinterInfo::availablePrinters())
        liste.append({y.printerName(), adresler.value(y.printerName(), y.location())});
    return liste;
}

QString varsayılanYazıcı() {
    return testYazıcıları() ? testYazıcıları()->varsayılan : QPrinterInfo::defaultPrinterName();
}

bool varMı() {
    return testYazıcıları() ? !testYazıcıları()->yazıcılar.isEmpty()
                            : !QPrinterInfo::availablePrinterNames().isEmpty();
}

bool yüklüMü(const QString& ad) {
    if (testYazıcıları()) {
        for (const auto& y : testYazıcıları()->yazıcılar)
            if (y.ad == ad)
                return true;
        return false;
    }
    return QPrinterInfo::availablePrinterNames().contains(ad);
}

QString& seçilen() {
    static QString ad;
    return ad;
}

bool& yazdırmaİptalEdildi() {
    static bool iptal = false;
    return iptal;
}
} // namespace Yazıcılar

namespace YazicilarTest {
void yerine(const QList<YazıcıBilgisi>& yazıcılar, const QString& varsayılan) {
    testYazıcıları() = Yerine{yazıcılar, varsayılan};
}
void temizle() {
    testYazıcıları().reset();
    Yazıcılar::seçilen().clear();
    Yazıcılar::yazdırmaİptalEdildi() = false;
}
} // namespace YazicilarTest

YazıcıSeçmeFormu::YazıcıSeçmeFormu(QWidget* sahip) : QDialog(sahip) {
    setObjectName(QStringLiteral("YazıcıSeçmeFormu"));
    setWindowTitle(Başlık);
    setWindowFlags((windowFlags() | Qt::WindowCloseButtonHint) & ~Qt::WindowContextHelpButtonHint);
    setAutoFillBackground(true);
    tasarımYazısıKullan(this);

    Çerçeve = new QGroupBox(QStringLiteral("Yazıcı "), this);
    auto* adEtiketi = new QLabel(QStringLiteral("Yazıcı &Adı :"), Çerçeve);
    YazıcıAdlarıKutusu = new QComboBox(Çerçeve);
    YazıcıAdlarıKutusu->setObjectName(QStringLiteral("YazıcıAdlarıKutusu"));
    adEtiketi->setBuddy(YazıcıAdlarıKutusu);
    auto* bağlantıEtiketi = new QLabel(QStringLiteral("&Bağlantı Yeri :"), Çerçeve);
    BağlantıNoktasıKutusu = new QLineEdit(Çerçeve);
    BağlantıNoktasıKutusu->setObjectName(QStringLiteral("BağlantıNoktasıKutusu"));
    BağlantıNoktasıKutusu->setReadOnly(true);
    bağlantıEtiketi->setBuddy(BağlantıNoktasıKutusu);

    TamamDüğmesi = new QPushButton(QStringLiteral("Tamam"), this);
    TamamDüğmesi->setDefault(true);
    İptalDüğmesi = new QPushButton(QStringLiteral("İptal (Esc)"), this);

    auto* ızgara = new QGridLayout(Çerçeve);
    ızgara->addWidget(adEtiketi, 0, 0);
    ızgara->addWidget(YazıcıAdlarıKutusu, 0, 1);
    ızgara->addWidget(bağlantıEtiketi, 1, 0);
    ızgara->addWidget(BağlantıNoktasıKutusu, 1, 1);
    ızgara->setColumnStretch(1, 1);
    auto* düğmeler = new QHBoxLayout;
    düğmeler->addStretch(1);
    düğmeler->addWidget(TamamDüğmesi);
    düğmeler->addWidget(İptalDüğmesi);
    auto* ana = new QVBoxLayout(this);
    ana->addWidget(Çerçeve);
    ana->addLayout(düğmeler);
    resize(twipten(5400), sizeHint().height());

    // Each entry carries its position in the printer list; "PDF dosyası" comes last.
    yazıcılar_ = Yazıcılar::yüklüYazıcılar();
    for (int i = 0; i < yazıcılar_.size(); ++i)
        YazıcıAdlarıKutusu->addItem(yazıcılar_[i].ad, i);
    YazıcıAdlarıKutusu->addItem(Yazıcılar::PdfDosyası, int(yazıcılar_.size()));
    QObject::connect(YazıcıAdlarıKutusu, &QComboBox::currentIndexChanged, this, [this](int i) {
        const int sıra = YazıcıAdlarıKutusu->itemData(i).toInt();
        BağlantıNoktasıKutusu->setText(sıra < yazıcılar_.size()
                                           ? yazıcılar_[sıra].bağlantı
                                           : QStringLiteral("Dosya adı yazdırırken sorulur"));
    });
    // The run's choice, else the default printer, else the first entry.
    int seçilecek = YazıcıAdlarıKutusu->findText(Yazıcılar::seçilen(), Qt::MatchExactly);
    if (seçilecek < 0)
        seçilecek = YazıcıAdlarıKutusu->findText(Yazıcılar::varsayılanYazıcı(), Qt::MatchExactly);
    YazıcıAdlarıKutusu->setCurrentIndex(-1);
    YazıcıAdlarıKutusu->setCurrentIndex(qMax(seçilecek, 0));

    QObject::connect(TamamDüğmesi, &QPushButton::clicked, this, [this] { TamamDüğmesi_Click(); });
    QObject::connect(İptalDüğmesi, &QPushButton::clicked, this, [this] { reject(); });
}

QString YazıcıSeçmeFormu::seçiliYazıcı() const {
    return YazıcıAdlarıKutusu->currentText();
}

void YazıcıSeçmeFormu::TamamDüğmesi_Click() {
    Yazıcılar::seçilen() = seçiliYazıcı();
    accept();
}

void YazıcıSeçmeFormu::done(int sonuç) {
    if (sonuç != QDialog::Accepted)
        Yazıcılar::yazdırmaİptalEdildi() = true;
    QDialog::done(sonuç);
}
