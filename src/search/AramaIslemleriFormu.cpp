#include "search/AramaIslemleriFormu.h"

#include "controls/AnaFormArayuzu.h"
#include "controls/GirisAlani.h"
#include "controls/HataBildirici.h"
#include "controls/MesajKutusu.h"
#include "controls/Modal.h"
#include "controls/Twip.h"
#include "database/Veritabani.h"
#include "lists/ListeIzleyici.h"

#include <QAbstractListModel>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>
#include <QValidator>

// The result lines: the value found, and with it the job number and the folder key that the
// details action needs, so the three can never fall out of step.
class AramaSonuçlarıModeli : public QAbstractListModel {
public:
    using QAbstractListModel::QAbstractListModel;

    void ayarla(QList<Arama::Sonuç> sonuçlar) {
        beginResetModel();
        sonuçlar_ = std::move(sonuçlar);
        endResetModel();
    }
    const Arama::Sonuç& sonuç(int satır) const { return sonuçlar_[satır]; }

    int rowCount(const QModelIndex& üst = QModelIndex()) const override {
        return üst.isValid() ? 0 : int(sonuçlar_.size());
    }
    QVariant data(const QModelIndex& dizin, int rol) const override {
        if (!dizin.isValid() || dizin.row() >= sonuçlar_.size() || rol != Qt::DisplayRole)
            return QVariant();
        return sonuçlar_[dizin.row()].değer;
    }

private:
    QList<Arama::Sonuç> sonuçlar_;
};

namespace {
// Refuses the characters that the search box does not take, typed and pasted alike.
class AramaSüzgeci : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& metin, int& konum) const override {
        int önce = 0;
        for (int i = 0; i < konum && i < metin.size(); ++i)
            if (Arama::reddedilir(metin[i]))
                ++önce;
        metin = Arama::süz(metin);
        konum -= önce;
        return Acceptable;
    }
};

QPushButton* düğme(const QString& başlık, QWidget* sahip) {
    auto* d = new QPushButton(başlık, sahip);
    // Enter never presses a button of this window.
    d->setAutoDefault(false);
    return d;
}
} // namespace

AramaİşlemleriFormu::AramaİşlemleriFormu(QWidget* sahip) : QDialog(sahip) {
    setObjectName(QStringLiteral("AramaİşlemleriFormu"));
    setWindowTitle(Başlık);
    setWindowFlags((windowFlags() | Qt::WindowCloseButtonHint) & ~Qt::WindowContextHelpButtonHint);
    tasarımYazısıKullan(this);

    Çerçeve = new QGroupBox(QStringLiteral("Arama Bilgileri "), this);
    Etiket[0] = new QLabel(QStringLiteral("Aranacak &Yer :"), Çerçeve);
    AranacakYerKutusu = new QComboBox(Çerçeve);
    AranacakYerKutusu->setObjectName(QStringLiteral("AranacakYerKutusu"));
    AranacakYerKutusu->addItems(Arama::Yerler);
    AranacakYerKutusu->setCurrentIndex(0);
    Etiket[1] = new QLabel(QStringLiteral("Ara&nacak İfade :"), Çerçeve);
    ArananKutusu = new QLineEdit(Çerçeve);
    ArananKutusu->setObjectName(QStringLiteral("ArananKutusu"));
    ArananKutusu->setValidator(new AramaSüzgeci(ArananKutusu));
    AraDüğmesi = düğme(QStringLiteral("&Ara"), Çerçeve);

    Etiket[2] = new QLabel(QStringLiteral("Arama Sonuçları :"), this);
    sonuçlar_ = new AramaSonuçlarıModeli(this);
    AramaSonuçlarıListesi = new QListView(this);
    AramaSonuçlarıListesi->setObjectName(QStringLiteral("AramaSonuçlarıListesi"));
    AramaSonuçlarıListesi->setModel(sonuçlar_);
    AramaSonuçlarıListesi->setUniformItemSizes(true);
    AramaSonuçlarıListesi->setSelectionMode(QAbstractItemView::SingleSelection);
    AramaSonuçlarıListesi->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Etiket[3] = new QLabel(this);
    AyrıntıGösterDüğmesi = düğme(QStringLiteral("Ayrıntı &Göster"), this);
    AyrıntıGösterDüğmesi->setEnabled(false);
    KapatDüğmesi = düğme(QStringLiteral("Kapat (Esc)"), this);
    for (int i = 0; i < 4; ++i)
        Etiket[i]->setObjectName(QStringLiteral("Etiket%1").arg(i));
    Etiket[0]->setBuddy(AranacakYerKutusu);
    Etiket[1]->setBuddy(ArananKutusu);
    Etiket[2]->setBuddy(AramaSonuçlarıListesi);
    AramaSonuçlarıListesi->setAccessibleName(QStringLiteral("Arama Sonuçları"));

    auto* çerçeveDüzeni = new QGridLayout(Çerçeve);
    çerçeveDüzeni->addWidget(Etiket[0], 0, 0);
    çerçeveDüzeni->addWidget(AranacakYerKutusu, 0, 1);
    çerçeveDüzeni->addWidget(Etiket[1], 1, 0);
    çerçeveDüzeni->addWidget(ArananKutusu, 1, 1);
    çerçeveDüzeni->addWidget(AraDüğmesi, 1, 2);
    çerçeveDüzeni->setColumnStretch(1, 1);
    auto* alt = new QHBoxLayout;
    alt->addWidget(Etiket[3], 1);
    alt->addWidget(AyrıntıGösterDüğmesi);
    alt->addWidget(KapatDüğmesi);
    auto* ana = new QVBoxLayout(this);
    ana->addWidget(Çerçeve);
    ana->addWidget(Etiket[2]);
    ana->addWidget(AramaSonuçlarıListesi, 1);
    ana->addLayout(alt);
    resize(twipten(6600), twipten(5400));

    for (QWidget* w :
         {static_cast<QWidget*>(AranacakYerKutusu), static_cast<QWidget*>(ArananKutusu),
          static_cast<QWidget*>(AramaSonuçlarıListesi)})
        w->installEventFilter(this);

    connect(AraDüğmesi, &QPushButton::clicked, this, [this] { AraDüğmesi_Click(); });
    connect(AyrıntıGösterDüğmesi, &QPushButton::clicked, this,
            [this] { AyrıntıGösterDüğmesi_Click(); });
    connect(KapatDüğmesi, &QPushButton::clicked, this, [this] { reject(); });
    connect(AramaSonuçlarıListesi->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this] { AyrıntıGösterDüğmesi->setEnabled(seçiliSonuç() >= 0); });
    connect(AramaSonuçlarıListesi, &QAbstractItemView::doubleClicked, this,
            [this] { AyrıntıGösterDüğmesi_Click(); });
    izleyici = std::make_unique<Listeİzleyicisi>(this, [this] { yenile(); });
}

AramaİşlemleriFormu::~AramaİşlemleriFormu() = default;

void AramaİşlemleriFormu::yenile() {
    if (sonYer_ < 0)
        return;
    const int seçili = seçiliSonuç();
    const qint64 seçiliİş = seçili >= 0 ? sonuçlar_->sonuç(seçili).isNo : -1;
    const int kaydırma = AramaSonuçlarıListesi->verticalScrollBar()->value();
    QList<Arama::Sonuç> bulunanlar;
    Arama::ara(AçıkVeritabanı::al(), sonYer_, sonAranan_, bulunanlar);
    sonuçlar_->ayarla(std::move(bulunanlar));
    const int sayı = sonuçlar_->rowCount();
    Etiket[3]->setText(sayı > 0 ? Arama::sonuçSatırı(sayı) : QString());
    for (int i = 0; i < sayı && seçiliİş >= 0; ++i)
        if (sonuçlar_->sonuç(i).isNo == seçiliİş) {
            AramaSonuçlarıListesi->setCurrentIndex(sonuçlar_->index(i));
            break;
        }
    AyrıntıGösterDüğmesi->setEnabled(seçiliSonuç() >= 0);
    AramaSonuçlarıListesi->doItemsLayout();
    AramaSonuçlarıListesi->verticalScrollBar()->setValue(kaydırma);
}

int AramaİşlemleriFormu::sonuçSayısı() const {
    return sonuçlar_->rowCount();
}

Arama::Sonuç AramaİşlemleriFormu::sonuç(int satır) const {
    return sonuçlar_->sonuç(satır);
}

int AramaİşlemleriFormu::seçiliSonuç() const {
    const QModelIndexList seçili = AramaSonuçlarıListesi->selectionModel()->selectedRows();
    return seçili.isEmpty() ? -1 : seçili.first().row();
}

void AramaİşlemleriFormu::AraDüğmesi_Click() {
    sonuçlar_->ayarla({});
    Etiket[3]->clear();
    AyrıntıGösterDüğmesi->setEnabled(false);

    const int sıra = AranacakYerKutusu->currentIndex();
    if (Arama::alan(sıra).isEmpty()) {
        MesajKutusu::bilgi(Arama::YerSeçinMesajı);
        AranacakYerKutusu->setFocus();
        return;
    }
    const QString aranan = Arama::kırp(ArananKutusu->text());
    ArananKutusu->setText(aranan);
    if (!Arama::yeterliMi(aranan)) {
        MesajKutusu::bilgi(Arama::İkiKarakterMesajı);
        ArananKutusu->setFocus();
        return;
    }

    QList<Arama::Sonuç> bulunanlar;
    bool okundu = false;
    izleyici->okunuyor();
    sonYer_ = sıra;
    sonAranan_ = aranan;
    Adım([&] {
        Arama::ara(AçıkVeritabanı::al(), sıra, aranan, bulunanlar);
        okundu = true;
    });
    sonuçlar_->ayarla(std::move(bulunanlar));
    // A search that could not be read has found neither nothing nor a number of jobs.
    if (!okundu)
        return;
    if (sonuçlar_->rowCount() == 0) {
        MesajKutusu::ünlem(Arama::BulunamadıMesajı);
        ArananKutusu->setFocus();
    } else {
        Etiket[3]->setText(Arama::sonuçSatırı(sonuçlar_->rowCount()));
    }
}

void AramaİşlemleriFormu::AyrıntıGösterDüğmesi_Click() {
    if (sonuçlar_->rowCount() == 0)
        AyrıntıGösterDüğmesi->setEnabled(false);
    const int satır = seçiliSonuç();
    AnaFormArayüzü* ana = anaForm();
    if (satır < 0 || !ana)
        return;
    const Arama::Sonuç s = sonuçlar_->sonuç(satır);
    if (işiAnaFormdaGöster(*ana, s.anahtar, s.isNo))
        accept();
}

QLabel* AramaİşlemleriFormu::etiketi(QObject* nesne) const {
    if (nesne == AranacakYerKutusu)
        return Etiket[0];
    if (nesne == ArananKutusu)
        return Etiket[1];
    if (nesne == AramaSonuçlarıListesi)
        return Etiket[2];
    return nullptr;
}

bool AramaİşlemleriFormu::eventFilter(QObject* nesne, QEvent* olay) {
    QLabel* etiket = etiketi(nesne);
    if (!etiket)
        return QDialog::eventFilter(nesne, olay);
    if (olay->type() == QEvent::KeyPress) {
        const auto* tuş = static_cast<QKeyEvent*>(olay);
        // Enter moves on as Tab does and starts nothing.
        if (enterMi(tuş)) {
            focusNextChild();
            return true;
        }
    } else if (olay->type() == QEvent::FocusIn || olay->type() == QEvent::FocusOut) {
        const auto neden = static_cast<QFocusEvent*>(olay)->reason();
        // Another window or a drop-down list taking the focus is no leaving.
        if (neden == Qt::ActiveWindowFocusReason || neden == Qt::PopupFocusReason)
            return false;
        etiketiVurgula(etiket, olay->type() == QEvent::FocusIn);
    }
    return false;
}

void AramaPenceresiniAç(QWidget* sahip) {
    AramaİşlemleriFormu form(sahip);
    Modal::göster(&form);
}
