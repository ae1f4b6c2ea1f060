#include "controls/Siralama.h"

#include <QPainter>
#include <QTreeView>

namespace {
constexpr int SimgeBoyu = 12;
constexpr int SimgeBoşluğu = 4;
} // namespace

namespace Sıralama {

Durum& durum() {
    static Durum d;
    return d;
}

void BaşlıkTıkla(QTreeView* görünüm, Liste& liste, int sütun) {
    Durum& d = durum();
    d.yön = sütun == d.sütun ? (d.yön == 0 ? 1 : 0) : 0;
    d.sütun = sütun;
    liste.kendiSıralaması(false);
    if (sütun != 0)
        liste.kendiSıralaması(true, sütun, d.yön == 1);
    else
        TarihSırala(liste);
    BaşlıkSimgeleri(görünüm, sütun);
}

void BaşlıkSimgeleri(QTreeView* görünüm, int sütun) {
    if (auto* başlık = dynamic_cast<SıralamaBaşlığı*>(görünüm->header()))
        başlık->simgeGöster(sütun, durum().yön);
    // Every header keeps its text on the left; only right-aligned columns would differ and
    // the job lists have none.
    const QModelIndex seçili = görünüm->currentIndex();
    if (görünüm->model() && görünüm->model()->rowCount() > 0 && seçili.isValid())
        görünüm->scrollTo(seçili);
}

void TarihSırala(Liste& liste) {
    liste.tarihSırala(durum().yön == 1);
}

} // namespace Sıralama

SıralamaBaşlığı::SıralamaBaşlığı(QWidget* üst) : QHeaderView(Qt::Horizontal, üst) {
    setSectionsClickable(true);
    setSortIndicatorShown(false);
    setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    setHighlightSections(false);
}

void SıralamaBaşlığı::simgeleriAyarla(const QIcon& artan, const QIcon& azalan) {
    simgeler_[0] = artan;
    simgeler_[1] = azalan;
    viewport()->update();
}

void SıralamaBaşlığı::simgeGöster(int sütun, int yön) {
    simgeliSütun_ = sütun;
    simgeYönü_ = yön == 1 ? 1 : 0;
    viewport()->update();
}

void SıralamaBaşlığı::paintSection(QPainter* ressam, const QRect& alan, int sütun) const {
    const bool simgeli = sütun == simgeliSütun_ && !simgeler_[simgeYönü_].isNull();
    // The section is drawn as usual, then the image is put at its right edge.
    ressam->save();
    QHeaderView::paintSection(ressam, alan, sütun);
    ressam->restore();
    if (!simgeli || alan.width() < SimgeBoyu + 2 * SimgeBoşluğu)
        return;
    const QRect simgeAlanı(alan.right() - SimgeBoşluğu - SimgeBoyu + 1,
                           alan.top() + (alan.height() - SimgeBoyu) / 2, SimgeBoyu, SimgeBoyu);
    simgeler_[simgeYönü_].paint(ressam, simgeAlanı);
}

QSize SıralamaBaşlığı::sectionSizeFromContents(int sütun) const {
    QSize boyut = QHeaderView::sectionSizeFromContents(sütun);
    boyut.rwidth() += SimgeBoyu + SimgeBoşluğu;
    return boyut;
}
