#include "reminders/SabahOzetiFormu.h"

#include "controls/AnaFormArayuzu.h"
#include "controls/HataBildirici.h"
#include "controls/Kaynaklar.h"
#include "controls/MesajKutusu.h"
#include "controls/Twip.h"
#include "lists/ListeYazdirici.h"
#include "reminders/HatirlatmaFormu.h"
#include "reminders/SabahOzeti.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {
const char* const SimgeAdları[] = {"HATIRLAT", "HATIRLATMA", "YAPILDI"};

QPushButton* düğme(const QString& başlık, QWidget* sahip) {
    auto* d = new QPushButton(başlık, sahip);
    d->setAutoDefault(false);
    return d;
}
} // namespace

SabahÖzetiFormu::SabahÖzetiFormu(QWidget* sahip) : QDialog(sahip) {
    setObjectName(QStringLiteral("SabahÖzetiFormu"));
    setWindowTitle(Başlık);
    setWindowFlags((windowFlags() | Qt::WindowCloseButtonHint) & ~Qt::WindowContextHelpButtonHint);
    tasarımYazısıKullan(this);

    BaşlıkEtiketi = new QLabel(this);
    QFont kalın = BaşlıkEtiketi->font();
    kalın.setBold(true);
    BaşlıkEtiketi->setFont(kalın);

    İşlerListesi = hatırlatmaListesi(this, QStringLiteral("İşlerListesi"));
    İşlerListesi->setAccessibleName(QStringLiteral("Sabah Özeti İşleri"));

    YazdırDüğmesi = düğme(QStringLiteral("&Yazdır..."), this);
    AyrıntıGösterDüğmesi = düğme(QStringLiteral("Ayrıntı &Göster"), this);
    KapatDüğmesi = düğme(QStringLiteral("Kapat (Esc)"), this);

    auto* alt = new QHBoxLayout;
    alt->addStretch(1);
    for (auto* d : {YazdırDüğmesi, AyrıntıGösterDüğmesi, KapatDüğmesi})
        alt->addWidget(d);
    auto* ana = new QVBoxLayout(this);
    ana->addWidget(BaşlıkEtiketi);
    ana->addWidget(İşlerListesi, 1);
    ana->addLayout(alt);
    resize(twipten(9000), twipten(5400));

    connect(YazdırDüğmesi, &QPushButton::clicked, this, [this] { YazdırDüğmesi_Click(); });
    connect(AyrıntıGösterDüğmesi, &QPushButton::clicked, this,
            [this] { AyrıntıGösterDüğmesi_Click(); });
    connect(İşlerListesi, &QTreeWidget::itemDoubleClicked, this,
            [this] { AyrıntıGösterDüğmesi_Click(); });
    connect(KapatDüğmesi, &QPushButton::clicked, this, [this] { reject(); });
}

SabahÖzetiFormu::~SabahÖzetiFormu() = default;

void SabahÖzetiFormu::doldur(const QList<İşSatırı>& işler, const QDate& ilk, const QDate& son) {
    işler_ = işler;
    başlık_ = SabahÖzeti::başlık(ilk, son, int(işler.size()));
    BaşlıkEtiketi->setText(başlık_);
    İşlerListesi->clear();
    QIcon simgeler[3];
    for (int i = 0; i < 3; ++i)
        simgeler[i] = Kaynaklar::simge(QString::fromLatin1(SimgeAdları[i]));
    QList<QTreeWidgetItem*> satırlar;
    for (const İşSatırı& s : işler) {
        auto* öğe = new QTreeWidgetItem(
            QStringList{s.tarih, s.saat, s.konu, s.yer, s.sayı, s.açıklama, s.isNo});
        if (s.simge >= 1 && s.simge <= 3)
            öğe->setIcon(0, simgeler[s.simge - 1]);
        öğe->setData(0, Qt::AccessibleTextRole, okunacakSatır(s));
        satırlar.append(öğe);
    }
    İşlerListesi->addTopLevelItems(satırlar);
    if (!satırlar.isEmpty()) {
        İşlerListesi->setCurrentItem(satırlar.first());
        satırlar.first()->setSelected(true);
    }
    AyrıntıGösterDüğmesi->setEnabled(!satırlar.isEmpty());
    YazdırDüğmesi->setEnabled(!satırlar.isEmpty());
}

int SabahÖzetiFormu::satırSayısı() const {
    return int(işler_.size());
}

İşSatırı SabahÖzetiFormu::satır(int sıra) const {
    return sıra >= 1 && sıra <= işler_.size() ? işler_[sıra - 1] : İşSatırı{};
}

void SabahÖzetiFormu::YazdırDüğmesi_Click() {
    ListeyiYazdır(this, işler_, başlık_);
}

void SabahÖzetiFormu::AyrıntıGösterDüğmesi_Click() {
    const auto seçili = İşlerListesi->selectedItems();
    AnaFormArayüzü* ana = anaForm();
    if (seçili.isEmpty() || !ana)
        return;
    const İşSatırı s = satır(İşlerListesi->indexOfTopLevelItem(seçili.first()) + 1);
    if (işiAnaFormdaGöster(*ana, s.anahtar, s.isNo.toLongLong()))
        accept();
}
