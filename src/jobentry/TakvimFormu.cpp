#include "jobentry/TakvimFormu.h"

#include "controls/GirisAlani.h"
#include "controls/HataBildirici.h"
#include "controls/Modal.h"
#include "controls/ProgramSaati.h"
#include "controls/TarihBicimi.h"
#include "controls/Twip.h"

#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
// Grid geometry in twips: cells 510 apart across and 420 down; the marker stands 80 above
// the cell.
constexpr int HücreGenişliği = 510;
constexpr int HücreYüksekliği = 420;
constexpr int İşaretçiPayı = 80;
constexpr int IzgaraSol = 60;
constexpr int IzgaraÜst = 480;
constexpr int GünAdıÜst = 120;

const QColor Mavi(0, 0, 255);
const QColor Kırmızı(255, 0, 0);
const QColor KoyuMavi(0, 0, 128);
const QColor AçıkGri(200, 200, 200);

void renkVer(QLabel* etiket, const QColor& renk) {
    QPalette p = etiket->palette();
    p.setColor(QPalette::WindowText, renk);
    etiket->setPalette(p);
}

QPoint hücreKonumu(int hücre) {
    return {twipten(IzgaraSol + (hücre % 7) * HücreGenişliği),
            twipten(IzgaraÜst + (hücre / 7) * HücreYüksekliği)};
}

QFrame* çizgi(QWidget* üst, const QString& ad, const QRect& alan) {
    auto* ç = new QFrame(üst);
    ç->setObjectName(ad);
    ç->setGeometry(alan);
    ç->setAutoFillBackground(true);
    QPalette p = ç->palette();
    p.setColor(QPalette::Window, AçıkGri);
    ç->setPalette(p);
    return ç;
}
} // namespace

TakvimFormu::TakvimFormu(QWidget* sahip) : QDialog(sahip) {
    setObjectName(QStringLiteral("TakvimFormu"));
    setWindowTitle(QStringLiteral("Takvim"));

    auto* ayEtiketi = new QLabel(QStringLiteral("Ay Listesi :"), this);
    ayEtiketi->setObjectName(QStringLiteral("Etiket"));
    ayKutusu_ = new QListWidget(this);
    ayKutusu_->setObjectName(QStringLiteral("AyKutusu"));
    ayKutusu_->addItems(ayAdları());
    ayKutusu_->setFixedWidth(twipten(1500));

    auto* yılEtiketi = new QLabel(QStringLiteral("Yıl Listesi :"), this);
    yılEtiketi->setObjectName(QStringLiteral("Etiket"));
    yılKutusu_ = new QComboBox(this);
    yılKutusu_->setObjectName(QStringLiteral("YılKutusu"));
    for (int yıl = TakvimAyı::İlkYıl; yıl <= TakvimAyı::SonYıl; ++yıl)
        yılKutusu_->addItem(QString::number(yıl));

    altlık_ = new QFrame(this);
    altlık_->setObjectName(QStringLiteral("Altlık"));
    static_cast<QFrame*>(altlık_)->setFrameShape(QFrame::StyledPanel);
    altlık_->setFocusPolicy(Qt::StrongFocus);
    altlık_->setAccessibleName(QStringLiteral("Ayın günleri"));
    ayEtiketi->setBuddy(ayKutusu_);
    yılEtiketi->setBuddy(yılKutusu_);
    ayKutusu_->setAccessibleName(QStringLiteral("Ay Listesi"));
    altlık_->setFixedSize(twipten(2 * IzgaraSol + 7 * HücreGenişliği),
                          twipten(IzgaraÜst + 6 * HücreYüksekliği));
    altlık_->installEventFilter(this);

    const QStringList günler = günAdları();
    for (int i = 0; i < 7; ++i) {
        auto* e = new QLabel(günler[i], altlık_);
        e->setObjectName(QStringLiteral("GünAdlarıEtiketi%1").arg(i));
        e->setAlignment(Qt::AlignCenter);
        e->setGeometry(twipten(IzgaraSol + i * HücreGenişliği), twipten(GünAdıÜst),
                       twipten(HücreGenişliği), twipten(HücreYüksekliği - İşaretçiPayı));
        renkVer(e, i < 5 ? Mavi : Kırmızı);
        günAdlarıEtiketleri_[i] = e;
    }
    for (int j = 0; j < 6; ++j) {
        çizgi(altlık_, QStringLiteral("YatıkÇizgi%1").arg(j),
              QRect(twipten(IzgaraSol), twipten(IzgaraÜst - İşaretçiPayı + j * HücreYüksekliği) - 1,
                    twipten(7 * HücreGenişliği), 1));
        çizgi(altlık_, QStringLiteral("DikÇizgi%1").arg(j),
              QRect(twipten(IzgaraSol + (j + 1) * HücreGenişliği),
                    twipten(IzgaraÜst - İşaretçiPayı), 1, twipten(6 * HücreYüksekliği)));
    }

    seçilenTarihÇerçevesi_ = new QFrame(altlık_);
    seçilenTarihÇerçevesi_->setObjectName(QStringLiteral("SeçilenTarihÇerçevesi"));
    seçilenTarihÇerçevesi_->setFrameShape(QFrame::Box);
    seçilenTarihÇerçevesi_->setLineWidth(2);
    seçilenTarihÇerçevesi_->resize(twipten(HücreGenişliği), twipten(HücreYüksekliği));
    seçilenTarihÇerçevesi_->hide();

    for (int i = 0; i < TakvimAyı::HücreSayısı; ++i) {
        auto* e = new QLabel(altlık_);
        e->setObjectName(QStringLiteral("GünEtiketi%1").arg(i));
        e->setAlignment(Qt::AlignCenter);
        const QPoint konum = hücreKonumu(i);
        e->setGeometry(konum.x(), konum.y(), twipten(HücreGenişliği),
                       twipten(HücreYüksekliği - İşaretçiPayı));
        renkVer(e, i % 7 >= 5 ? Kırmızı : KoyuMavi);
        e->installEventFilter(this);
        günEtiketleri_[i] = e;
    }

    seçilenTarihEtiketi_ = new QLabel(this);
    seçilenTarihEtiketi_->setObjectName(QStringLiteral("SeçilenTarihEtiketi"));
    seçilenTarihEtiketi_->setAlignment(Qt::AlignCenter);
    QFont kalın = seçilenTarihEtiketi_->font();
    kalın.setBold(true);
    seçilenTarihEtiketi_->setFont(kalın);

    bugüneGitDüğmesi_ = new QPushButton(QStringLiteral("Bugüne Git"), this);
    bugüneGitDüğmesi_->setObjectName(QStringLiteral("BugüneGitDüğmesi"));
    tamamDüğmesi_ = new QPushButton(QStringLiteral("Tamam"), this);
    tamamDüğmesi_->setObjectName(QStringLiteral("TamamDüğmesi"));
    iptalDüğmesi_ = new QPushButton(QStringLiteral("İptal (Esc)"), this);
    iptalDüğmesi_->setObjectName(QStringLiteral("İptalDüğmesi"));
    for (QPushButton* d : {bugüneGitDüğmesi_, tamamDüğmesi_, iptalDüğmesi_})
        d->setAutoDefault(false);

    auto* sol = new QVBoxLayout;
    sol->addWidget(ayEtiketi);
    sol->addWidget(ayKutusu_, 1);
    sol->addWidget(yılEtiketi);
    sol->addWidget(yılKutusu_);
    auto* sağ = new QVBoxLayout;
    sağ->addWidget(altlık_);
    sağ->addWidget(seçilenTarihEtiketi_);
    auto* üst = new QHBoxLayout;
    üst->addLayout(sol);
    üst->addLayout(sağ);
    auto* düğmeler = new QHBoxLayout;
    düğmeler->addWidget(bugüneGitDüğmesi_);
    düğmeler->addStretch(1);
    düğmeler->addWidget(tamamDüğmesi_);
    düğmeler->addWidget(iptalDüğmesi_);
    auto* ana = new QVBoxLayout(this);
    ana->addLayout(üst);
    ana->addLayout(düğmeler);
    ana->setSizeConstraint(QLayout::SetFixedSize);

    connect(ayKutusu_, &QListWidget::currentRowChanged, this, [this] {
        if (!koddanAyarlanıyor_)
            kutulardanÇiz();
    });
    connect(yılKutusu_, &QComboBox::currentIndexChanged, this, [this] {
        if (!koddanAyarlanıyor_)
            kutulardanÇiz();
    });
    connect(bugüneGitDüğmesi_, &QPushButton::clicked, this, [this] { BugüneGitDüğmesi_Click(); });
    connect(tamamDüğmesi_, &QPushButton::clicked, this, [this] { accept(); });
    connect(iptalDüğmesi_, &QPushButton::clicked, this, [this] { reject(); });
}

void TakvimFormu::kutularıAyarla(int yıl, int ay) {
    koddanAyarlanıyor_ = true;
    yılKutusu_->setCurrentIndex(yıl - TakvimAyı::İlkYıl);
    ayKutusu_->setCurrentRow(ay - 1);
    koddanAyarlanıyor_ = false;
}

void TakvimFormu::aç() {
    Adım([this] {
        QDate başlangıç = TarihBiçimi::çöz(SeçilenTarih);
        // A year the list cannot show opens the picker on today's month instead.
        if (!başlangıç.isValid() || !TakvimAyı::yılGösterilebilirMi(başlangıç.year()))
            başlangıç = ProgramSaati::bugün();
        kutularıAyarla(başlangıç.year(), başlangıç.month());
        ayıÇiz(başlangıç.day());
    });
}

int TakvimFormu::seçilenGün() const {
    const QDate tarih = TarihBiçimi::çöz(SeçilenTarih);
    return tarih.isValid() ? tarih.day() : 1;
}

void TakvimFormu::kutulardanÇiz() {
    ayıÇiz(seçilenGün());
}

void TakvimFormu::ayıÇiz(int gün) {
    Adım([this, gün] {
        const int ay = ayKutusu_->currentRow() + 1;
        const int yıl = TakvimAyı::İlkYıl + yılKutusu_->currentIndex();
        ay_ = TakvimAyı(yıl, ay);
        for (int i = 0; i < TakvimAyı::HücreSayısı; ++i) {
            const int n = ay_.gün(i);
            günEtiketleri_[i]->setText(n != 0 ? QString::number(n) : QString());
        }
        hücreSeç(ay_.hücre(gün));
    });
}

void TakvimFormu::hücreSeç(int hücre) {
    const QDate tarih = ay_.tarih(hücre);
    if (!tarih.isValid() || günEtiketleri_[hücre]->text().isEmpty())
        return;
    SeçilenTarih = TarihBiçimi::kısa(tarih);
    seçilenTarihEtiketi_->setText(SeçilenTarih);
    const QPoint konum = hücreKonumu(hücre);
    seçilenTarihÇerçevesi_->move(konum.x(), konum.y() - twipten(İşaretçiPayı));
    seçilenTarihÇerçevesi_->show();
    seçilenTarihÇerçevesi_->lower();
    seçilenHücre_ = hücre;
    altlık_->setFocus();
}

void TakvimFormu::BugüneGitDüğmesi_Click() {
    const QDate bugün = ProgramSaati::bugün();
    kutularıAyarla(bugün.year(), bugün.month());
    ayıÇiz(bugün.day());
}

void TakvimFormu::reject() {
    SeçilenTarih.clear();
    QDialog::reject();
}

void TakvimFormu::showEvent(QShowEvent* olay) {
    QDialog::showEvent(olay);
    aç();
}

void TakvimFormu::keyPressEvent(QKeyEvent* olay) {
    // Enter on a focused button presses it; elsewhere outside the grid it does nothing.
    if (enterMi(olay)) {
        if (auto* düğme = qobject_cast<QPushButton*>(focusWidget()))
            düğme->click();
        return;
    }
    QDialog::keyPressEvent(olay);
}

bool TakvimFormu::eventFilter(QObject* nesne, QEvent* olay) {
    if (olay->type() == QEvent::MouseButtonPress) {
        for (int i = 0; i < TakvimAyı::HücreSayısı; ++i)
            if (nesne == günEtiketleri_[i]) {
                hücreSeç(i);
                return true;
            }
    }
    if (nesne == altlık_ && olay->type() == QEvent::KeyPress) {
        const auto* tuş = static_cast<QKeyEvent*>(olay);
        int fark = 0;
        switch (tuş->key()) {
        case Qt::Key_Down:
            fark = 7;
            break;
        case Qt::Key_Up:
            fark = -7;
            break;
        case Qt::Key_Left:
            fark = -1;
            break;
        case Qt::Key_Right:
            fark = 1;
            break;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            if (ay_.gün(seçilenHücre_) != 0)
                accept();
            return true;
        default:
            return false;
        }
        if (ay_.gün(seçilenHücre_) != 0) {
            const int hedef = ay_.adım(seçilenHücre_, fark);
            if (hedef >= 0)
                hücreSeç(hedef);
        }
        return true;
    }
    return QDialog::eventFilter(nesne, olay);
}

QString TakvimdenTarihSeç(QWidget* sahip, const QString& başlangıç, bool enÜstte) {
    TakvimFormu takvim(sahip);
    takvim.SeçilenTarih = başlangıç;
    if (enÜstte)
        takvim.setWindowFlag(Qt::WindowStaysOnTopHint, true);
    Modal::göster(&takvim);
    return takvim.SeçilenTarih;
}
