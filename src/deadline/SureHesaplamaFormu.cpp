#include "deadline/SureHesaplamaFormu.h"

#include "controls/GirisAlani.h"
#include "controls/HataBildirici.h"
#include "controls/MesajKutusu.h"
#include "controls/Modal.h"
#include "controls/Odak.h"
#include "controls/ProgramSaati.h"
#include "controls/TarihBicimi.h"
#include "controls/Twip.h"
#include "deadline/SureHesabi.h"
#include "deadline/YasalSonGun.h"
#include "settings/AyarTablosu.h"
#include "settings/ProgramDegerleri.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QFocusEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

namespace {
const QString Rakamlar = QStringLiteral("0123456789");

// Layout in twips: the calculation frame and the buttons under it fill the narrow width;
// the presets frame lies beyond it.
constexpr int SatırAralığı = 420;
constexpr int EtiketGenişliği = 1560;
constexpr int KutuSolu = 1700;
constexpr int KutuGenişliği = 2000;
constexpr int KutuYüksekliği = 315;
constexpr int ÇerçeveGenişliği = 3860;
constexpr int ÇerçeveYüksekliği = 3420;
constexpr int DüğmeÜstü = 3600;
constexpr int DüğmeYüksekliği = 375;
constexpr int PencereYüksekliği = 4100;

QPushButton* düğme(const QString& başlık, const QString& ad, QWidget* üst, const QRect& alan) {
    auto* d = new QPushButton(başlık, üst);
    d->setObjectName(ad);
    d->setAutoDefault(false);
    d->setGeometry(alan);
    return d;
}
} // namespace

SüreHesaplamaFormu::SüreHesaplamaFormu(QWidget* sahip, const QString& tatilDosyası)
    : QDialog(sahip) {
    kur();
    const QString yol =
        tatilDosyası.isEmpty() ? program().programKlasörü + TatilTakvimi::DosyaAdı : tatilDosyası;
    // Without the holiday file the calculator still works; the legal line says why it is
    // empty.
    try {
        takvim_ = TatilTakvimi::dosyadan(yol);
    } catch (const Hata& hata) {
        takvimHatası_ = hata.açıklama();
    }

    // On opening: unit "Gün", today's date, the presets panel as last left.
    EklenecekZamanDilimiKutusu->setCurrentIndex(0);
    BaşlangıçTarihiKutusu->setText(TarihBiçimi::kısa(ProgramSaati::bugün()));
    bool ayrıntılı = true;
    Sessizce([&] { ayrıntılı = ayarSayıOku(Ayar::AyrıntıGöster) == 1; });
    genişliğiAyarla(ayrıntılı);
}

void SüreHesaplamaFormu::kur() {
    setObjectName(QStringLiteral("SüreHesaplamaFormu"));
    setWindowTitle(QStringLiteral("Süre Hesaplama"));
    setWindowFlags((windowFlags() | Qt::WindowCloseButtonHint) & ~Qt::WindowContextHelpButtonHint);
    tasarımYazısıKullan(this);

    Çerçeve[0] = new QGroupBox(QStringLiteral("Hesaplama "), this);
    Çerçeve[0]->setObjectName(QStringLiteral("Çerçeve0"));
    Çerçeve[0]->setGeometry(twipAlanı(120, 60, ÇerçeveGenişliği, ÇerçeveYüksekliği));
    QWidget* ç = Çerçeve[0];

    const QStringList etiketler = {
        QStringLiteral("&Başlangıç Tarihi :"), QStringLiteral("Eklenecek &Dilim :"),
        QStringLiteral("&Eklenecek Süre :"), QStringLiteral("Bulunan Tarih :"),
        QStringLiteral("Yasal Son Gün :")};
    for (int i = 0; i < 5; ++i) {
        Etiket[i] = new QLabel(etiketler[i], ç);
        Etiket[i]->setObjectName(QStringLiteral("Etiket%1").arg(i));
        Etiket[i]->setGeometry(
            twipAlanı(120, 330 + i * SatırAralığı, EtiketGenişliği, KutuYüksekliği));
    }
    auto kutuAlanı = [](int satır) {
        return twipAlanı(KutuSolu, 300 + satır * SatırAralığı, KutuGenişliği, KutuYüksekliği);
    };

    BaşlangıçTarihiKutusu = new QLineEdit(ç);
    BaşlangıçTarihiKutusu->setObjectName(QStringLiteral("BaşlangıçTarihiKutusu"));
    BaşlangıçTarihiKutusu->setMaxLength(10);
    BaşlangıçTarihiKutusu->setGeometry(kutuAlanı(0));
    OdaktaTümünüSeç(BaşlangıçTarihiKutusu);

    EklenecekZamanDilimiKutusu = new QComboBox(ç);
    EklenecekZamanDilimiKutusu->setObjectName(QStringLiteral("EklenecekZamanDilimiKutusu"));
    for (const auto& d : SüreHesabı::Dilimler)
        EklenecekZamanDilimiKutusu->addItem(QString::fromUtf8(d.ad));
    EklenecekZamanDilimiKutusu->setGeometry(kutuAlanı(1));

    EklenecekSüreKutusu = new QComboBox(ç);
    EklenecekSüreKutusu->setObjectName(QStringLiteral("EklenecekSüreKutusu"));
    EklenecekSüreKutusu->setEditable(true);
    EklenecekSüreKutusu->setInsertPolicy(QComboBox::NoInsert);
    EklenecekSüreKutusu->setCompleter(nullptr);
    EklenecekSüreKutusu->addItems(SüreHesabı::Miktarlar);
    EklenecekSüreKutusu->setCurrentIndex(-1);
    EklenecekSüreKutusu->clearEditText();
    EklenecekSüreKutusu->setGeometry(kutuAlanı(2));

    SonuçKutusu = new QLineEdit(ç);
    SonuçKutusu->setObjectName(QStringLiteral("SonuçKutusu"));
    SonuçKutusu->setReadOnly(true);
    SonuçKutusu->setGeometry(kutuAlanı(3));

    YasalSonGünKutusu = new QLineEdit(ç);
    YasalSonGünKutusu->setObjectName(QStringLiteral("YasalSonGünKutusu"));
    YasalSonGünKutusu->setReadOnly(true);
    YasalSonGünKutusu->setFocusPolicy(Qt::NoFocus);
    YasalSonGünKutusu->setGeometry(kutuAlanı(4));

    GerekçeEtiketi = new QLabel(ç);
    GerekçeEtiketi->setObjectName(QStringLiteral("GerekçeEtiketi"));
    GerekçeEtiketi->setWordWrap(true);
    GerekçeEtiketi->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    GerekçeEtiketi->setGeometry(twipAlanı(120, 300 + 5 * SatırAralığı, 3620, 680));

    AdliTatilUzatmasıOnayı = new QCheckBox(QStringLiteral("Adli tatil uzatması"), ç);
    AdliTatilUzatmasıOnayı->setObjectName(QStringLiteral("AdliTatilUzatmasıOnayı"));
    AdliTatilUzatmasıOnayı->setGeometry(twipAlanı(120, 3060, 3620, 300));

    Etiket[0]->setBuddy(BaşlangıçTarihiKutusu);
    Etiket[1]->setBuddy(EklenecekZamanDilimiKutusu);
    Etiket[2]->setBuddy(EklenecekSüreKutusu);
    EklenecekSüreKutusu->lineEdit()->setAccessibleName(QStringLiteral("Eklenecek Süre"));
    // The result boxes are named after their labels, not after the frame around them.
    Etiket[3]->setBuddy(SonuçKutusu);
    Etiket[4]->setBuddy(YasalSonGünKutusu);
    SonuçKutusu->setAccessibleName(QStringLiteral("Bulunan Tarih"));
    YasalSonGünKutusu->setAccessibleName(QStringLiteral("Yasal Son Gün"));

    KopyalaDüğmesi =
        düğme(QStringLiteral("Sonucu &Panoya Kopyala"), QStringLiteral("KopyalaDüğmesi"), this,
              twipAlanı(120, DüğmeÜstü, 2000, DüğmeYüksekliği));
    KopyalaDüğmesi->setEnabled(false);
    KapatDüğmesi = düğme(QStringLiteral("Kapat"), QStringLiteral("KapatDüğmesi"), this,
                         twipAlanı(2200, DüğmeÜstü, 1140, DüğmeYüksekliği));
    AyrıntılarıAçDüğmesi = düğme(QStringLiteral(">>"), QStringLiteral("AyrıntılarıAçDüğmesi"), this,
                                 twipAlanı(3420, DüğmeÜstü, 560, DüğmeYüksekliği));
    AyrıntılarıAçDüğmesi->setToolTip(QStringLiteral("Temyiz sürelerini göster"));

    Çerçeve[1] = new QGroupBox(QStringLiteral("Temyiz Süreleri "), this);
    Çerçeve[1]->setObjectName(QStringLiteral("Çerçeve1"));
    Çerçeve[1]->setGeometry(twipAlanı(4100, 60, 2980, ÇerçeveYüksekliği));
    seçenekGrubu_ = new QButtonGroup(this);
    const auto& süreler = SüreHesabı::TemyizSüreleri;
    for (int i = 0; i < int(süreler.size()); ++i) {
        auto* s = new QRadioButton(QString::fromUtf8(süreler[i].başlık), Çerçeve[1]);
        s->setObjectName(QStringLiteral("TemyizSeçeneği%1").arg(i));
        // Top to bottom from the last preset to the first.
        s->setGeometry(twipAlanı(200, 360 + (4 - i) * 500, 2700, 330));
        seçenekGrubu_->addButton(s, i);
        TemyizSeçeneği[i] = s;
    }
    AyrıntılarKapatDüğmesi = düğme(QStringLiteral("<< Temyiz Sürelerini &Gizle"),
                                   QStringLiteral("AyrıntılarKapatDüğmesi"), this,
                                   twipAlanı(4100, DüğmeÜstü, 2980, DüğmeYüksekliği));

    setTabOrder(BaşlangıçTarihiKutusu, EklenecekZamanDilimiKutusu);
    setTabOrder(EklenecekZamanDilimiKutusu, EklenecekSüreKutusu);
    setTabOrder(EklenecekSüreKutusu, SonuçKutusu);
    setTabOrder(SonuçKutusu, AdliTatilUzatmasıOnayı);
    setTabOrder(AdliTatilUzatmasıOnayı, KopyalaDüğmesi);

    for (QWidget* w : std::initializer_list<QWidget*>{
             BaşlangıçTarihiKutusu, EklenecekZamanDilimiKutusu, EklenecekSüreKutusu})
        w->installEventFilter(this);

    connect(BaşlangıçTarihiKutusu, &QLineEdit::textChanged, this, [this] { hesapla(); });
    connect(EklenecekZamanDilimiKutusu, &QComboBox::currentIndexChanged, this, [this](int p) {
        hesapla();
        if (p >= 1)
            seçenekleriTemizle();
    });
    connect(EklenecekSüreKutusu, &QComboBox::editTextChanged, this,
            [this](const QString& metin) { miktarDeğişti(metin); });
    // Chosen from the list by the user: the preset no longer applies.
    connect(EklenecekSüreKutusu, &QComboBox::activated, this, [this] {
        hesapla();
        if (EklenecekSüreKutusu->hasFocus())
            seçenekleriTemizle();
    });
    connect(AdliTatilUzatmasıOnayı, &QCheckBox::toggled, this, [this] { hesapla(); });
    connect(SonuçKutusu, &QLineEdit::textChanged, this,
            [this](const QString& metin) { KopyalaDüğmesi->setEnabled(!metin.isEmpty()); });
    connect(KopyalaDüğmesi, &QPushButton::clicked, this, [this] { KopyalaDüğmesi_Click(); });
    connect(KapatDüğmesi, &QPushButton::clicked, this, [this] { reject(); });
    connect(AyrıntılarıAçDüğmesi, &QPushButton::clicked, this,
            [this] { AyrıntılarıAçDüğmesi_Click(); });
    connect(AyrıntılarKapatDüğmesi, &QPushButton::clicked, this,
            [this] { AyrıntılarKapatDüğmesi_Click(); });
    // A preset taken, however it was chosen: click, key or a screen reader's action.
    connect(seçenekGrubu_, &QButtonGroup::idToggled, this, [this](int i, bool seçili) {
        if (seçili)
            TemyizSeçeneği_Click(i);
    });
}

// --- Computing ---------------------------------------------------------------------------

void SüreHesaplamaFormu::hesapla() {
    Adım([this] {
        const QString miktarMetni = EklenecekSüreKutusu->currentText();
        const QDate başlangıç = TarihBiçimi::çöz(BaşlangıçTarihiKutusu->text());
        if (miktarMetni.isEmpty() || !başlangıç.isValid()) {
            sonucuYaz({});
            return;
        }
        const int p = qMax(0, EklenecekZamanDilimiKutusu->currentIndex());
        bool sayı = false;
        const qint64 miktar = miktarMetni.toLongLong(&sayı);
        const auto sonuç = sayı ? SüreHesabı::ekle(başlangıç, SüreHesabı::Dilimler[p].dilim, miktar)
                                : std::nullopt;
        if (sonuç) {
            sonucuYaz(TarihBiçimi::kısa(*sonuç), *sonuç);
            return;
        }
        // Past the last date: the amount goes back to 1, which computes again. When even
        // that is refused, no earlier result stays on screen to be copied.
        if (miktarMetni != QLatin1String("1"))
            EklenecekSüreKutusu->setEditText(QStringLiteral("1"));
        else
            sonucuYaz({});
    });
}

void SüreHesaplamaFormu::sonucuYaz(const QString& metin, const QDate& tarih) {
    SonuçKutusu->setText(metin);
    if (!tarih.isValid()) {
        YasalSonGünKutusu->clear();
        GerekçeEtiketi->setText(takvim_ ? QString() : takvimHatası_);
        return;
    }
    if (!takvim_) {
        YasalSonGünKutusu->clear();
        GerekçeEtiketi->setText(takvimHatası_);
        return;
    }
    const YasalSonGün son = yasalSonGünüBul(tarih, AdliTatilUzatmasıOnayı->isChecked(), *takvim_);
    YasalSonGünKutusu->setText(TarihBiçimi::kısa(son.tarih) + u' ' +
                               QLocale::system().dayName(son.tarih.dayOfWeek()));
    GerekçeEtiketi->setText(son.gerekçeMetni());
}

void SüreHesaplamaFormu::miktarDeğişti(const QString& metin) {
    Sessizce([&] {
        const QString düzgün = SüreHesabı::miktarıDüzelt(metin);
        if (düzgün != metin) {
            // Changes the text once more, and that change computes.
            EklenecekSüreKutusu->setEditText(düzgün);
            return;
        }
        hesapla();
        if (!hazırSeçiliyor_)
            seçenekleriTemizle();
    });
}

void SüreHesaplamaFormu::seçenekleriTemizle() {
    seçenekGrubu_->setExclusive(false);
    for (QRadioButton* s : TemyizSeçeneği)
        s->setChecked(false);
    seçenekGrubu_->setExclusive(true);
}

void SüreHesaplamaFormu::TemyizSeçeneği_Click(int i) {
    hazırSeçiliyor_ = true;
    Sessizce([&] {
        EklenecekSüreKutusu->setCurrentIndex(SüreHesabı::TemyizSüreleri[i].etiket);
        EklenecekZamanDilimiKutusu->setCurrentIndex(0);
        EklenecekSüreKutusu->setFocus();
    });
    hazırSeçiliyor_ = false;
}

// --- Buttons -----------------------------------------------------------------------------

void SüreHesaplamaFormu::KopyalaDüğmesi_Click() {
    Sessizce([this] {
        QClipboard* pano = QGuiApplication::clipboard();
        pano->clear();
        pano->setText(SonuçKutusu->text());
        KopyalaDüğmesi->setEnabled(false);
    });
}

void SüreHesaplamaFormu::genişliğiAyarla(bool ayrıntılı) {
    setFixedSize(twipten(ayrıntılı ? GenişGenişlik : DarGenişlik), twipten(PencereYüksekliği));
    AyrıntılarıAçDüğmesi->setEnabled(!ayrıntılı);
}

void SüreHesaplamaFormu::AyrıntılarıAçDüğmesi_Click() {
    genişliğiAyarla(true);
}

void SüreHesaplamaFormu::AyrıntılarKapatDüğmesi_Click() {
    genişliğiAyarla(false);
    KapatDüğmesi->setFocus();
}

void SüreHesaplamaFormu::reject() {
    Sessizce([this] { ayarYaz(Ayar::AyrıntıGöster, AyrıntılarıAçDüğmesi->isEnabled() ? 0 : 1); });
    QDialog::reject();
}

// --- Keys and focus ----------------------------------------------------------------------

QLabel* SüreHesaplamaFormu::etiketi(QObject* nesne) const {
    if (nesne == BaşlangıçTarihiKutusu)
        return Etiket[0];
    if (nesne == EklenecekZamanDilimiKutusu)
        return Etiket[1];
    if (nesne == EklenecekSüreKutusu)
        return Etiket[2];
    return nullptr;
}

bool SüreHesaplamaFormu::eventFilter(QObject* nesne, QEvent* olay) {
    QLabel* etiket = etiketi(nesne);
    if (!etiket)
        return QDialog::eventFilter(nesne, olay);

    if (olay->type() == QEvent::KeyPress) {
        auto* tuş = static_cast<QKeyEvent*>(olay);
        if (enterMi(tuş)) {
            focusNextChild();
            return true;
        }
        if (nesne == BaşlangıçTarihiKutusu)
            return yazılanKarakter(tuş) && !TarihKarakterleri.contains(tuş->text().at(0));
        if (nesne == EklenecekSüreKutusu)
            return yazılanKarakter(tuş) && !Rakamlar.contains(tuş->text().at(0));
        return false;
    }
    if (olay->type() == QEvent::FocusIn) {
        etiketiVurgula(etiket, true);
        return false;
    }
    if (olay->type() != QEvent::FocusOut)
        return false;
    const auto neden = static_cast<QFocusEvent*>(olay)->reason();
    // Another window or a drop-down list taking the focus is no leaving.
    if (neden == Qt::ActiveWindowFocusReason || neden == Qt::PopupFocusReason)
        return false;
    etiketiVurgula(etiket, false);
    if (nesne == BaşlangıçTarihiKutusu) {
        const QString metin = BaşlangıçTarihiKutusu->text();
        const QDate tarih = TarihBiçimi::çöz(metin);
        if (tarih.isValid()) {
            BaşlangıçTarihiKutusu->setText(TarihBiçimi::kısa(tarih));
        } else if (!metin.isEmpty()) {
            MesajKutusu::bilgi(QStringLiteral("Lütfen, tarihi doğru biçimde giriniz!"));
            BaşlangıçTarihiKutusu->setFocus();
            QTimer::singleShot(0, BaşlangıçTarihiKutusu,
                               [kutu = BaşlangıçTarihiKutusu] { kutu->selectAll(); });
        }
    }
    return false;
}

void SüreHesapla(QWidget* sahip) {
    SüreHesaplamaFormu pencere(sahip);
    Modal::göster(&pencere);
}
