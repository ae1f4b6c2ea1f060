#include "reminders/HatirlatmaFormu.h"

#include "controls/AnaFormArayuzu.h"
#include "controls/HataBildirici.h"
#include "controls/Iz.h"
#include "controls/Kaynaklar.h"
#include "controls/MesajKutusu.h"
#include "controls/ProgramSaati.h"
#include "controls/TarihBicimi.h"
#include "controls/Twip.h"
#include "database/IsDenetimi.h"
#include "database/Veritabani.h"
#include "jobentry/IsGirisi.h"
#include "lists/ListeYazdirici.h"
#include "reminders/AlarmSesi.h"
#include "settings/AyarDeposu.h"
#include "settings/AyarTablosu.h"
#include "settings/SutunDuzeni.h"
#include "settings/Tercihler.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <QWindow>

namespace {
// Item data of a row: the job's date as a value and the row's small-icon number.
constexpr int TarihRolü = Qt::UserRole;
constexpr int SimgeRolü = Qt::UserRole + 1;
// Set on the rows of missed jobs; the lines above the groups have no job number.
constexpr int KaçırılanRolü = Qt::UserRole + 2;
constexpr int GrupRolü = Qt::UserRole + 3;
constexpr int SaatRolü = Qt::UserRole + 4;

struct Sütun {
    const char* başlık;
    int genişlik; // twips
};
constexpr Sütun Sütunlar[] = {{"Tarihi", 1300}, {"Saati", 1000},  {"Konusu", 1300},
                              {"Yeri", 1500},   {"Sayısı", 1000}, {"Açıklama", 1400},
                              {"", 0}};

QPushButton* düğme(const QString& başlık, QWidget* sahip) {
    auto* d = new QPushButton(başlık, sahip);
    // Enter in the list must not settle or close anything by itself.
    d->setAutoDefault(false);
    return d;
}
} // namespace

HatırlatmaFormu::HatırlatmaFormu(QWidget* sahip) : QDialog(sahip) {
    setObjectName(QStringLiteral("HatırlatmaFormu"));
    setWindowTitle(Başlık);
    setWindowFlags((windowFlags() | Qt::WindowCloseButtonHint) & ~Qt::WindowContextHelpButtonHint);
    setAutoFillBackground(true);
    tasarımYazısıKullan(this);

    // Made once: each tick refills the list, and reading the picture every time would cost.
    hatırlatSimgesi_ = Kaynaklar::simge(QStringLiteral("HATIRLAT"));

    SimgeKutusu = new QLabel(this);
    SimgeKutusu->setPixmap(Kaynaklar::resim(QStringLiteral("ALARM"), QSize(32, 32)));
    SimgeKutusu->setFixedSize(32, 32);

    SayıEtiketi = new QLabel(this);
    QFont kalın = SayıEtiketi->font();
    kalın.setBold(true);
    SayıEtiketi->setFont(kalın);

    YapılacakİşlerListesi = hatırlatmaListesi(this, QStringLiteral("YapılacakİşlerListesi"));

    auto* açıklamaEtiketi = new QLabel(QStringLiteral("Açıklama"), this);
    AçıklamaKutusu = new QPlainTextEdit(this);
    AçıklamaKutusu->setReadOnly(true);
    açıklamaEtiketi->setBuddy(AçıklamaKutusu);
    YapılacakİşlerListesi->setAccessibleName(QStringLiteral("Hatırlatılacak İşler"));
    AçıklamaKutusu->setFixedHeight(AçıklamaKutusu->fontMetrics().lineSpacing() * 3 + 12);

    const QString seçenekBaşlıkları[3] = {QStringLiteral("İş y&apıldı "),
                                          QStringLiteral("&15 dakika ertelensin "),
                                          QStringLiteral("&Tekrar hatırlatılmasın ")};
    seçenekGrubu_ = new QButtonGroup(this);
    for (int i = 0; i < 3; ++i) {
        İşSonucuSeçenekleri[i] = new QRadioButton(seçenekBaşlıkları[i], this);
        seçenekGrubu_->addButton(İşSonucuSeçenekleri[i], i);
    }

    OnaylaDüğmesi = düğme(QStringLiteral("&Onayla"), this);
    OnaylaDüğmesi->setEnabled(false);
    DeğişiklikYapDüğmesi = düğme(QStringLiteral("&Değiştir..."), this);
    YazdırDüğmesi = düğme(QStringLiteral("&Yazdır..."), this);
    KapatDüğmesi = düğme(QStringLiteral("Kapat (Esc)"), this);

    SesliUyarıVermeyiDurdurOnayı =
        new QCheckBox(QStringLiteral("&Sesli uyarı vermeyi durdur "), this);
    HerZamanÜstteOlsunOnayı = new QCheckBox(QStringLiteral("&Her zaman üstte olsun "), this);

    // Layout: icon and count line, the list, the description, then the options and check
    // boxes on the left and the buttons on the right.
    auto* üst = new QHBoxLayout;
    üst->addWidget(SimgeKutusu);
    üst->addWidget(SayıEtiketi, 1);

    auto* seçenekler = new QVBoxLayout;
    for (auto* s : İşSonucuSeçenekleri)
        seçenekler->addWidget(s);
    seçenekler->addSpacing(6);
    seçenekler->addWidget(SesliUyarıVermeyiDurdurOnayı);
    seçenekler->addWidget(HerZamanÜstteOlsunOnayı);
    seçenekler->addStretch(1);

    auto* düğmeler = new QVBoxLayout;
    for (auto* d : {OnaylaDüğmesi, DeğişiklikYapDüğmesi, YazdırDüğmesi, KapatDüğmesi})
        düğmeler->addWidget(d);
    düğmeler->addStretch(1);

    auto* alt = new QHBoxLayout;
    alt->addLayout(seçenekler, 1);
    alt->addLayout(düğmeler);

    auto* ana = new QVBoxLayout(this);
    ana->addLayout(üst);
    ana->addWidget(YapılacakİşlerListesi, 1);
    ana->addWidget(açıklamaEtiketi);
    ana->addWidget(AçıklamaKutusu);
    ana->addLayout(alt);
    resize(twipten(9000), twipten(6600));

    Sessizce([this] { sütunlarıKur(); });

    connect(YapılacakİşlerListesi, &QTreeWidget::itemSelectionChanged, this,
            [this] { Sessizce([this] { açıklamayıGöster(); }); });
    // The option taken, however it was chosen: click, key or a screen reader's action.
    connect(seçenekGrubu_, &QButtonGroup::idToggled, this, [this](int i, bool seçili) {
        if (seçili)
            Sessizce([&] { İşSonucuSeçenekleri_Click(i); });
    });
    connect(OnaylaDüğmesi, &QPushButton::clicked, this, [this] { OnaylaDüğmesi_Click(); });
    connect(DeğişiklikYapDüğmesi, &QPushButton::clicked, this,
            [this] { DeğişiklikYapDüğmesi_Click(); });
    connect(YazdırDüğmesi, &QPushButton::clicked, this, [this] { YazdırDüğmesi_Click(); });
    connect(KapatDüğmesi, &QPushButton::clicked, this, [this] { reject(); });
    connect(SesliUyarıVermeyiDurdurOnayı, &QCheckBox::toggled, this, [this](bool işaretli) {
        if (işaretli)
            SesliUyarıVermeyiDurdurOnayı_Click();
    });
    // Also when the activation sets the box from the setting.
    connect(HerZamanÜstteOlsunOnayı, &QCheckBox::toggled, this,
            [this] { HerZamanÜstteOlsunOnayı_Click(); });
}

HatırlatmaFormu::~HatırlatmaFormu() = default;

QTreeWidget* hatırlatmaListesi(QWidget* sahip, const QString& ad) {
    auto* liste = new QTreeWidget(sahip);
    liste->setObjectName(ad);
    liste->setRootIsDecorated(false);
    liste->setUniformRowHeights(true);
    liste->setAllColumnsShowFocus(true);
    liste->setSelectionMode(QAbstractItemView::SingleSelection);
    liste->setEditTriggers(QAbstractItemView::NoEditTriggers);
    QStringList başlıklar;
    for (const auto& s : Sütunlar)
        başlıklar << QString::fromUtf8(s.başlık);
    liste->setHeaderLabels(başlıklar);
    auto* başlık = liste->header();
    başlık->setMinimumSectionSize(0);
    başlık->setStretchLastSection(false);
    // A whole date must show whatever the desktop's face.
    for (int i = 0; i < int(std::size(Sütunlar)); ++i)
        SütunDüzeni::genişlikVer(başlık, i, Sütunlar[i].genişlik,
                                 i == 0 ? SütunDüzeni::tarihGenişliği(liste) : 0);
    return liste;
}

void HatırlatmaFormu::sütunlarıKur() {
    auto* başlık = YapılacakİşlerListesi->header();
    başlık->setSectionsMovable(true);
    SütunDüzeni::uygula(başlık, Bölüm::Liste3);
}

bool HatırlatmaFormu::HatırlatılacakİşleriListele() {
    Adım([this] {
        if (YapılacakİşlerListesi->topLevelItemCount() > 0)
            YapılacakİşlerListesi->clear();
    });
    // Before a database is connected there is nothing to remind of.
    if (!AçıkVeritabanı::açıkMı())
        return false;
    bool okundu = false;
    Adım([this, &okundu] {
        auto& vt = AçıkVeritabanı::al();
        // Read again on every refill, so that a missed job settled or moved through the entry
        // window leaves the list.
        const auto kaçırılanlar = kaçırılanİşler(vt, kaçırılanAralık_);
        listeyiDoldur(hatırlatılacakİşler(vt, ProgramSaati::şimdi()), kaçırılanlar);
        okundu = true;
    });
    return okundu;
}

QTreeWidgetItem* HatırlatmaFormu::grupSatırı(const QString& metin) {
    auto* öğe = new QTreeWidgetItem(QStringList{metin});
    öğe->setData(0, GrupRolü, true);
    öğe->setFlags(Qt::ItemIsEnabled);
    QFont yazı = YapılacakİşlerListesi->font();
    yazı.setBold(true);
    öğe->setFont(0, yazı);
    return öğe;
}

void HatırlatmaFormu::listeyiDoldur(const QList<HatırlatılacakİŞ>& işler,
                                    const QList<HatırlatılacakİŞ>& kaçırılanlar) {
    YapılacakİşlerListesi->clear();
    QList<QTreeWidgetItem*> satırlar;
    QTreeWidgetItem* ilkİş = nullptr;
    auto ekle = [&](const HatırlatılacakİŞ& iş, bool kaçırılan) {
        const auto& s = iş.satır;
        auto* öğe = new QTreeWidgetItem(
            QStringList{s.tarih, s.saat, s.konu, s.yer, s.sayı, s.açıklama, s.isNo});
        öğe->setIcon(0, hatırlatSimgesi_);
        öğe->setData(0, Qt::AccessibleTextRole, okunacakSatır(s));
        öğe->setData(0, TarihRolü, iş.tarih);
        öğe->setData(0, SimgeRolü, 1);
        öğe->setData(0, KaçırılanRolü, kaçırılan);
        öğe->setData(0, SaatRolü, iş.saat);
        satırlar.append(öğe);
        if (!ilkİş)
            ilkİş = öğe;
    };
    if (!kaçırılanlar.isEmpty()) {
        satırlar.append(grupSatırı(KaçırılanlarSatırı));
        for (const auto& iş : kaçırılanlar)
            ekle(iş, true);
        if (!işler.isEmpty())
            satırlar.append(grupSatırı(BugünküSatırı));
    }
    for (const auto& iş : işler)
        ekle(iş, false);
    YapılacakİşlerListesi->addTopLevelItems(satırlar);
    for (auto* öğe : satırlar)
        if (öğe->data(0, GrupRolü).toBool())
            öğe->setFirstColumnSpanned(true);
    if (ilkİş) {
        YapılacakİşlerListesi->setCurrentItem(ilkİş);
        ilkİş->setSelected(true);
    }
}

QList<QTreeWidgetItem*> HatırlatmaFormu::işÖğeleri() const {
    QList<QTreeWidgetItem*> öğeler;
    for (int i = 0; i < YapılacakİşlerListesi->topLevelItemCount(); ++i) {
        auto* öğe = YapılacakİşlerListesi->topLevelItem(i);
        if (!öğe->data(0, GrupRolü).toBool())
            öğeler.append(öğe);
    }
    return öğeler;
}

void HatırlatmaFormu::grupSatırlarınıDüzenle() {
    bool kaçırılanVar = false;
    bool bugünküVar = false;
    for (auto* öğe : işÖğeleri())
        (öğe->data(0, KaçırılanRolü).toBool() ? kaçırılanVar : bugünküVar) = true;
    for (int i = YapılacakİşlerListesi->topLevelItemCount() - 1; i >= 0; --i) {
        auto* öğe = YapılacakİşlerListesi->topLevelItem(i);
        if (!öğe->data(0, GrupRolü).toBool())
            continue;
        const bool gereksiz =
            öğe->text(0) == KaçırılanlarSatırı ? !kaçırılanVar : !(kaçırılanVar && bugünküVar);
        if (gereksiz)
            delete YapılacakİşlerListesi->takeTopLevelItem(i);
    }
}

int HatırlatmaFormu::satırSayısı() const {
    return int(işÖğeleri().size());
}

QDateTime HatırlatmaFormu::ilkKaçırılanAn() const {
    QDateTime ilk;
    for (const auto* öğe : işÖğeleri()) {
        if (!öğe->data(0, KaçırılanRolü).toBool())
            continue;
        const QDateTime an(öğe->data(0, TarihRolü).toDate(), öğe->data(0, SaatRolü).toTime());
        if (!ilk.isValid() || an < ilk)
            ilk = an;
    }
    return ilk;
}

void HatırlatmaFormu::sayıSatırınıYaz() {
    int kaçırılan = 0;
    const auto öğeler = işÖğeleri();
    for (const auto* öğe : öğeler)
        kaçırılan += öğe->data(0, KaçırılanRolü).toBool() ? 1 : 0;
    SayıEtiketi->setText(sayıSatırı(int(öğeler.size()) - kaçırılan, kaçırılan));
}

İşSatırı HatırlatmaFormu::satır(int sıra) const {
    İşSatırı s;
    const auto öğeler = işÖğeleri();
    if (sıra < 1 || sıra > öğeler.size())
        return s;
    const auto* öğe = öğeler[sıra - 1];
    s.tarih = öğe->text(0);
    s.saat = öğe->text(1);
    s.konu = öğe->text(2);
    s.yer = öğe->text(3);
    s.sayı = öğe->text(4);
    s.açıklama = öğe->text(5);
    s.isNo = öğe->text(6);
    s.simge = öğe->data(0, SimgeRolü).toInt();
    return s;
}

QTreeWidgetItem* HatırlatmaFormu::seçiliSatır() const {
    const auto seçili = YapılacakİşlerListesi->selectedItems();
    return seçili.isEmpty() ? nullptr : seçili.first();
}

void HatırlatmaFormu::açıklamayıGöster() {
    // The box follows the selected row; with none selected it keeps what it shows.
    if (auto* öğe = seçiliSatır())
        AçıklamaKutusu->setPlainText(öğe->text(5));
}

void HatırlatmaFormu::showEvent(QShowEvent* olay) {
    QDialog::showEvent(olay);
    if (!gösterildi_) {
        gösterildi_ = true;
        İz(QStringLiteral("hatirlatma-penceresi %1").arg(satırSayısı()));
        Etkinleşme();
    }
}

void HatırlatmaFormu::Etkinleşme() {
    auto& t = tercihler();
    Adımlar({
        [&] { sayıSatırınıYaz(); },
        [&] { t.sesliUyarıBilgisi = ayarSayıOku(Ayar::SesliUyarıBilgisi, 1); },
        [&] { t.hatırlatmaEnÜstte = ayarSayıOku(Ayar::HatırlatmaEnÜstte, 1); },
        // Changing the box runs its own action, so the window is on top exactly when the
        // setting says so.
        [&] { HerZamanÜstteOlsunOnayı->setChecked(t.hatırlatmaEnÜstte == 1); },
        [&] {
            if (t.sesliUyarıBilgisi != 1) {
                SesliUyarıVermeyiDurdurOnayı->setEnabled(false);
                AlarmSesi::durdur();
            } else if (isVisible()) {
                AlarmSesi::çal(t.sesDosyasıYolu + t.sesDosyasıAdı);
            }
        },
        [&] { açıklamayıGöster(); },
    });
}

void HatırlatmaFormu::İşSonucuSeçenekleri_Click(int seçenek) {
    OnaylaDüğmesi->setEnabled(true);
    seçilenSonuç_ = seçenek;
}

void HatırlatmaFormu::OnaylaDüğmesi_Click() {
    QTreeWidgetItem* öğe = seçiliSatır();
    if (!öğe)
        return;
    // The shared edited-row index holds the row from here on, also after the removal.
    qint16& sıra = düzenlenenSatır();
    sıra = static_cast<qint16>(işÖğeleri().indexOf(öğe) + 1);
    const qint32 isNo = öğe->text(6).toInt();
    const QDate işinTarihi = öğe->data(0, TarihRolü).toDate();
    şimdikiİşNo() = isNo;
    // A result that was not stored keeps its row, even when the user goes on past the error.
    // It is stored only while the job is still as listed (not done, deleted or changed on
    // another computer meanwhile); otherwise the user is told and both lists are read again.
    const AdımSonucu sonuç = DenetimliAdım([&] {
        İşDenetimi::yaz(AçıkVeritabanı::al(), satır(sıra),
                        sonuçDeyimi(static_cast<İşSonucu>(seçilenSonuç_), isNo, işinTarihi,
                                    ProgramSaati::şimdi()));
    });
    if (sonuç == AdımSonucu::Reddedildi)
        Adımlar({
            [&] { HatırlatılacakİşleriListele(); },
            [&] {
                if (satırSayısı() == 0)
                    done(QDialog::Accepted);
            },
            [&] {
                if (auto* ana = anaForm())
                    ana->seçiliKlasörüTıkla();
            },
        });
    if (sonuç != AdımSonucu::Yapıldı)
        return;
    Adımlar({
        [&] {
            delete öğe;
            grupSatırlarınıDüzenle();
            sayıSatırınıYaz();
        },
        [&] {
            if (satırSayısı() > 0) {
                // The row above the removed one, or the new first row.
                if (sıra > 1)
                    --sıra;
                auto* yeni = işÖğeleri().at(sıra - 1);
                YapılacakİşlerListesi->setCurrentItem(yeni);
                yeni->setSelected(true);
                YapılacakİşlerListesi->setFocus();
            } else {
                done(QDialog::Accepted);
            }
        },
        [&] {
            if (auto* ana = anaForm())
                ana->seçiliKlasörüTıkla();
        },
    });
}

void HatırlatmaFormu::DeğişiklikYapDüğmesi_Click() {
    QTreeWidgetItem* öğe = seçiliSatır();
    if (!öğe)
        return;
    const int sıra = int(işÖğeleri().indexOf(öğe)) + 1;
    const İşSatırı iş = satır(sıra);
    düzenlenenSatır() = static_cast<qint16>(sıra);
    şimdikiİşNo() = iş.isNo.toInt();
    const bool enÜstte = HerZamanÜstteOlsunOnayı->isChecked();
    Adımlar({
        [&] { İşDeğiştirmeyiAç(this, iş, QStringLiteral("Yapılacak İşi Değiştirme"), enÜstte); },
        [&] { HatırlatılacakİşleriListele(); },
        [&] {
            if (satırSayısı() == 0)
                done(QDialog::Accepted);
            else if (isVisible())
                // Back from the entry window: the count line and the alarm afresh.
                Etkinleşme();
        },
    });
}

void HatırlatmaFormu::YazdırDüğmesi_Click() {
    QList<İşSatırı> satırlar;
    for (int i = 1; i <= satırSayısı(); ++i)
        satırlar << satır(i);
    const QString başlık = QStringLiteral("Bugün Yapmak İçin Planladığınız İşler (") +
                           TarihBiçimi::uzun(ProgramSaati::bugün()) + u')';
    const YazdırmaSonucu sonuç =
        ListeyiYazdır(this, satırlar, başlık, Yazdırma::SayıSütunuHatırlatma,
                      HerZamanÜstteOlsunOnayı->isChecked());
    if (sonuç == YazdırmaSonucu::İptal) {
        YazdırDüğmesi->setEnabled(true);
        YazdırDüğmesi->setFocus();
    }
    // Back from the printer choice: the count line and the alarm afresh.
    if (sonuç != YazdırmaSonucu::Boş && isVisible())
        Etkinleşme();
}

void HatırlatmaFormu::SesliUyarıVermeyiDurdurOnayı_Click() {
    if (!SesliUyarıVermeyiDurdurOnayı->isChecked())
        return;
    auto& t = tercihler();
    t.sesliUyarıBilgisi = 0;
    t.sesDosyasıAdı.clear();
    t.sesDosyasıYolu.clear();
    SesliUyarıVermeyiDurdurOnayı->setEnabled(false);
    AlarmSesi::durdur();
    Adımlar({
        [] { ayarYaz(Ayar::SesliUyarıBilgisi, QStringLiteral("0")); },
        [] { ayarYaz(Ayar::SesDosyasıAdı, QString()); },
        [] { ayarYaz(Ayar::SesDosyasıYolu, QString()); },
    });
}

void HatırlatmaFormu::HerZamanÜstteOlsunOnayı_Click() {
    const int değer = HerZamanÜstteOlsunOnayı->isChecked() ? 1 : 0;
    tercihler().hatırlatmaEnÜstte = değer;
    Adımlar({
        [&] { ayarYaz(Ayar::HatırlatmaEnÜstte, değer); },
        [&] { enÜstteYap(değer == 1); },
    });
}

void HatırlatmaFormu::enÜstteYap(bool açık) {
    Qt::WindowFlags bayraklar = windowFlags();
    bayraklar.setFlag(Qt::WindowStaysOnTopHint, açık);
    if (bayraklar == windowFlags())
        return;
    if (QWindow* pencere = windowHandle(); pencere && isVisible()) {
        // Setting the flags of a shown widget would hide it, which ends a modal window's
        // run: the native window takes them directly and keeps its place, size and focus.
        overrideWindowFlags(bayraklar);
        pencere->setFlags(bayraklar);
    } else {
        setWindowFlags(bayraklar);
    }
}

bool HatırlatmaFormu::enÜstteMi() const {
    return windowFlags().testFlag(Qt::WindowStaysOnTopHint);
}

void HatırlatmaFormu::done(int sonuç) {
    if (!isVisible()) {
        QDialog::done(sonuç);
        return;
    }
    Sessizce([this] { SütunDüzeni::kaydet(YapılacakİşlerListesi->header(), Bölüm::Liste3); });
    AlarmSesi::durdur();
    if (satırSayısı() > 0 && !MesajKutusu::soru(kapatmaSorusu()))
        return;
    QDialog::done(sonuç);
}
