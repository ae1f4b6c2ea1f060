#pragma once

#include <QHeaderView>
#include <QIcon>

class QTreeView;

// Sorting of the job lists by a click on a column header. The state is one pair for the
// whole program, shared by every sortable list: clicking the same column index toggles the
// direction even when the previous click was on another list.
namespace Sıralama {

struct Durum {
    qint32 sütun = 0; // the column last sorted, counted from 0
    qint32 yön = 0;   // 0 ascending, 1 descending; also the number of the header image
};
Durum& durum();

// What a sortable job list offers: its own text ordering of a column, which it keeps up
// through later fills while it is on, and the ordering of its rows by the date value of
// the first column.
class Liste {
public:
    virtual ~Liste() = default;
    virtual void kendiSıralaması(bool açık, int sütun = 0, bool azalan = false) = 0;
    virtual void tarihSırala(bool azalan) = 0;
};

// The header click on column `sütun` (counted from 0): toggles or resets the direction,
// sorts (by date for column 0, by the column's text otherwise) and moves the header image.
void BaşlıkTıkla(QTreeView* görünüm, Liste& liste, int sütun);
// Shows the direction's image in the clicked column's header only, then scrolls the
// selected row into view.
void BaşlıkSimgeleri(QTreeView* görünüm, int sütun);
// Orders the rows by their date, in the shared direction.
void TarihSırala(Liste& liste);

} // namespace Sıralama

// A list header that draws the sort image of one column to the right of its text.
class SıralamaBaşlığı : public QHeaderView {
public:
    explicit SıralamaBaşlığı(QWidget* üst = nullptr);

    // The column-header images: [0] ascending, [1] descending.
    void simgeleriAyarla(const QIcon& artan, const QIcon& azalan);
    // The column that shows image `yön`; -1 for none.
    void simgeGöster(int sütun, int yön);
    int simgeliSütun() const { return simgeliSütun_; }
    int simgeYönü() const { return simgeYönü_; }

protected:
    void paintSection(QPainter* ressam, const QRect& alan, int sütun) const override;
    QSize sectionSizeFromContents(int sütun) const override;

private:
    QIcon simgeler_[2];
    int simgeliSütun_ = -1;
    int simgeYönü_ = 0;
};
