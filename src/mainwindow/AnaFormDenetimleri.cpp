#include "mainwindow/AnaFormDenetimleri.h"

#include "database/Klasorler.h"
#include "lists/IsListesiModeli.h"

#include <QContextMenuEvent>
#include <QDrag>
#include <QDragMoveEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>

// ---- KlasörAğacı

KlasörAğacı::KlasörAğacı(QWidget* üst) : QTreeWidget(üst) {
    setHeaderHidden(true);
    setColumnCount(1);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::EditKeyPressed);
    setAcceptDrops(true);
    setDropIndicatorShown(false);
    setDragDropMode(QAbstractItemView::DropOnly);
    setItemDelegate(new KlasörAdıTemsilcisi(this));
}

QString KlasörAğacı::anahtar(const QTreeWidgetItem* düğüm) {
    return düğüm ? düğüm->data(0, AnahtarRolü).toString() : QString();
}

int KlasörAğacı::resim(const QTreeWidgetItem* düğüm) {
    return düğüm ? düğüm->data(0, ResimRolü).toInt() : 0;
}

QList<QTreeWidgetItem*> KlasörAğacı::tümDüğümler() const {
    QList<QTreeWidgetItem*> düğümler;
    for (QTreeWidgetItemIterator i(const_cast<KlasörAğacı*>(this)); *i; ++i)
        düğümler.append(*i);
    return düğümler;
}

QTreeWidgetItem* KlasörAğacı::anahtarlıDüğüm(const QString& aranan) const {
    for (QTreeWidgetItem* d : tümDüğümler())
        if (anahtar(d) == aranan)
            return d;
    return nullptr;
}

void KlasörAğacı::damlaVurgusuAyarla(QTreeWidgetItem* düğüm) {
    if (düğüm == damlaVurgusu_)
        return;
    if (damlaVurgusu_) {
        damlaVurgusu_->setData(0, Qt::BackgroundRole, QVariant());
        damlaVurgusu_->setData(0, Qt::ForegroundRole, QVariant());
    }
    damlaVurgusu_ = düğüm;
    if (düğüm) {
        düğüm->setBackground(0, palette().brush(QPalette::Highlight));
        düğüm->setForeground(0, palette().brush(QPalette::HighlightedText));
    }
}

void KlasörAğacı::boşalt() {
    damlaVurgusu_ = nullptr;
    clear();
}

void KlasörAğacı::mousePressEvent(QMouseEvent* olay) {
    if (olay->button() == Qt::RightButton) {
        // The selection stays as it is until the button comes up.
        sağTuşBasılı_ = true;
        damlaVurgusuAyarla(itemAt(olay->position().toPoint()));
        olay->accept();
        return;
    }
    QTreeWidget::mousePressEvent(olay);
}

void KlasörAğacı::mouseReleaseEvent(QMouseEvent* olay) {
    if (olay->button() == Qt::RightButton && sağTuşBasılı_) {
        sağTuşBasılı_ = false;
        if (sağTuşBırakıldı)
            sağTuşBırakıldı(olay->globalPosition().toPoint());
        olay->accept();
        return;
    }
    QTreeWidget::mouseReleaseEvent(olay);
}

void KlasörAğacı::keyPressEvent(QKeyEvent* olay) {
    QTreeWidgetItem* önceki = currentItem();
    QTreeWidget::keyPressEvent(olay);
    // Moving through the tree with the keys chooses the folder as a click does.
    if (currentItem() != önceki && state() != QAbstractItemView::EditingState && düğümTıklandı)
        düğümTıklandı();
}

// The menu key and Shift+F10 open the pop-up menu at the current node, as the right button
// does over it.
void KlasörAğacı::contextMenuEvent(QContextMenuEvent* olay) {
    QTreeWidgetItem* düğüm = currentItem();
    if (olay->reason() != QContextMenuEvent::Keyboard || !düğüm || !sağTuşBırakıldı)
        return QTreeWidget::contextMenuEvent(olay);
    damlaVurgusuAyarla(düğüm);
    sağTuşBırakıldı(viewport()->mapToGlobal(visualItemRect(düğüm).center()));
    olay->accept();
}

bool KlasörAğacı::işSürükleniyor(const QMimeData* veri) const {
    return veri && veri->hasFormat(İşListesiModeli::SürüklemeBiçimi);
}

void KlasörAğacı::dragEnterEvent(QDragEnterEvent* olay) {
    if (!işSürükleniyor(olay->mimeData())) {
        olay->ignore();
        return;
    }
    olay->acceptProposedAction();
}

void KlasörAğacı::dragMoveEvent(QDragMoveEvent* olay) {
    if (!işSürükleniyor(olay->mimeData())) {
        olay->ignore();
        return;
    }
    QTreeWidgetItem* düğüm = itemAt(olay->position().toPoint());
    damlaVurgusuAyarla(düğüm);
    if (düğüm && !düğüm->isExpanded() && düğüm->childCount() > 0)
        düğüm->setExpanded(true);
    // A job can only go into a real folder: the root and "Klasörlerim" take nothing.
    if (düğüm && !Klasörler::ayrılmışMı(anahtar(düğüm)))
        olay->acceptProposedAction();
    else
        olay->ignore();
}

void KlasörAğacı::dragLeaveEvent(QDragLeaveEvent* olay) {
    damlaVurgusuAyarla(nullptr);
    olay->accept();
}

void KlasörAğacı::dropEvent(QDropEvent* olay) {
    if (!işSürükleniyor(olay->mimeData())) {
        olay->ignore();
        return;
    }
    bırakıldı_ = true;
    olay->acceptProposedAction();
}

// ---- KlasörAdıTemsilcisi

KlasörAdıTemsilcisi::KlasörAdıTemsilcisi(KlasörAğacı* ağaç)
    : QStyledItemDelegate(ağaç), ağaç_(ağaç) {}

void KlasörAdıTemsilcisi::setModelData(QWidget* düzenleyici, QAbstractItemModel* model,
                                       const QModelIndex& dizin) const {
    auto* kutu = qobject_cast<QLineEdit*>(düzenleyici);
    // A message shown while the name is handled takes the focus from the editor, which
    // would hand in the same text again.
    if (!kutu || işleniyor_)
        return;
    işleniyor_ = true;
    const QString yeniAd = kutu->text();
    QTreeWidgetItem* düğüm = ağaç_->itemFromIndex(dizin);
    const bool kabul = ağaç_->adDeğişti ? ağaç_->adDeğişti(düğüm, yeniAd) : true;
    if (kabul)
        model->setData(dizin, yeniAd, Qt::EditRole);
    işleniyor_ = false;
}

// ---- İşListesiGörünümü

İşListesiGörünümü::İşListesiGörünümü(QWidget* üst) : QTreeView(üst) {
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setUniformRowHeights(true);
    setAllColumnsShowFocus(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setDragEnabled(true);
    setDragDropMode(QAbstractItemView::DragOnly);
    setDefaultDropAction(Qt::MoveAction);
    setSortingEnabled(false);
}

int İşListesiGörünümü::seçiliSatır() const {
    const QModelIndex d = currentIndex();
    if (!d.isValid() || !selectionModel() ||
        !selectionModel()->isRowSelected(d.row(), QModelIndex()))
        return -1;
    return d.row();
}

void İşListesiGörünümü::mousePressEvent(QMouseEvent* olay) {
    if (olay->button() == Qt::RightButton) {
        const QModelIndex d = indexAt(olay->position().toPoint());
        damlaVurgusu_ = d.isValid() ? d.row() : -1;
    }
    QTreeView::mousePressEvent(olay);
}

void İşListesiGörünümü::mouseReleaseEvent(QMouseEvent* olay) {
    QTreeView::mouseReleaseEvent(olay);
    if (olay->button() == Qt::RightButton) {
        if (sağTuşBırakıldı)
            sağTuşBırakıldı(olay->globalPosition().toPoint());
        damlaVurgusu_ = -1;
    }
}

// The menu key and Shift+F10 open the pop-up menu at the current row.
void İşListesiGörünümü::contextMenuEvent(QContextMenuEvent* olay) {
    const QModelIndex d = currentIndex();
    if (olay->reason() != QContextMenuEvent::Keyboard || !d.isValid() || !sağTuşBırakıldı)
        return QTreeView::contextMenuEvent(olay);
    damlaVurgusu_ = d.row();
    sağTuşBırakıldı(viewport()->mapToGlobal(visualRect(d).center()));
    damlaVurgusu_ = -1;
    olay->accept();
}

void İşListesiGörünümü::startDrag(Qt::DropActions eylemler) {
    const QModelIndex d = currentIndex();
    if (!d.isValid() || !model())
        return;
    auto* sürükleme = new QDrag(this);
    sürükleme->setMimeData(model()->mimeData({model()->index(d.row(), 0)}));
    const QIcon simge = model()->index(d.row(), 0).data(Qt::DecorationRole).value<QIcon>();
    if (!simge.isNull())
        sürükleme->setPixmap(simge.pixmap(QSize(16, 16)));
    sürükleniyor_ = true;
    const Qt::DropAction sonuç =
        sürükleme->exec(eylemler | Qt::CopyAction | Qt::MoveAction, Qt::MoveAction);
    sürükleniyor_ = false;
    if (sürüklemeBitti)
        sürüklemeBitti(sonuç);
}

// ---- İstemciAlanı

İstemciAlanı::İstemciAlanı(QWidget* üst) : QWidget(üst) {}

void İstemciAlanı::paintEvent(QPaintEvent*) {
    // Two lines across the whole width right under the toolbar: shadow, then white.
    QPainter ressam(this);
    ressam.setPen(palette().color(QPalette::Dark));
    ressam.drawLine(0, 0, width(), 0);
    ressam.setPen(Qt::white);
    ressam.drawLine(0, 1, width(), 1);
}
