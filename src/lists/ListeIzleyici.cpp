#include "lists/ListeIzleyici.h"

#include "controls/HataBildirici.h"
#include "controls/Modal.h"
#include "controls/Siralama.h"
#include "database/Veritabani.h"
#include "lists/IsListesiModeli.h"

#include <QApplication>
#include <QScrollBar>
#include <QTimer>
#include <QTreeView>

Listeİzleyicisi::Listeİzleyicisi(QWidget* pencere, std::function<void()> yenile)
    : pencere_(pencere), yenile_(std::move(yenile)), zamanlayıcı_(new QTimer(pencere)) {
    QObject::connect(zamanlayıcı_, &QTimer::timeout, pencere, [this] {
        if (pencere_->isVisible())
            denetle();
    });
    zamanlayıcı_->start(Aralık);
}

Listeİzleyicisi::~Listeİzleyicisi() {
    zamanlayıcı_->stop();
}

void Listeİzleyicisi::okunuyor() {
    okundu_ = true;
    Sessizce([this] { görülen_ = AçıkVeritabanı::al().değişiklikDamgası(); });
}

void Listeİzleyicisi::denetle() {
    if (!okundu_ || !AçıkVeritabanı::açıkMı())
        return;
    quint64 damga = görülen_;
    Sessizce([&] { damga = AçıkVeritabanı::al().değişiklikDamgası(); });
    if (damga == görülen_ || Modal::açıkPencereVar(pencere_) || QApplication::activePopupWidget())
        return;
    görülen_ = damga;
    Sessizce(yenile_);
}

void seçimiKoruyarakDoldur(QTreeView* görünüm, İşListesiModeli& model,
                           const std::function<void()>& doldur) {
    const QModelIndex seçili = görünüm->currentIndex();
    const bool seçiliVar =
        seçili.isValid() && görünüm->selectionModel()->isRowSelected(seçili.row(), {});
    const qint64 seçiliİş = seçiliVar ? model.isNo(seçili.row()) : -1;
    const int kaydırma = görünüm->verticalScrollBar()->value();
    doldur();
    if (const auto* başlık = dynamic_cast<const SıralamaBaşlığı*>(görünüm->header());
        başlık && başlık->simgeliSütun() == 0)
        model.tarihSırala(başlık->simgeYönü() == 1);
    const int yeni = seçiliİş >= 0 ? model.isNoSatırı(seçiliİş) : -1;
    if (yeni >= 0)
        görünüm->selectionModel()->setCurrentIndex(
            model.index(yeni, 0), QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    else
        görünüm->selectionModel()->clear();
    görünüm->doItemsLayout();
    görünüm->verticalScrollBar()->setValue(kaydırma);
}
