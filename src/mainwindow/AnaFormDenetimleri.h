#pragma once

#include <QStyledItemDelegate>
#include <QTreeView>
#include <QTreeWidget>
#include <functional>

// The controls of the main window that need more of the platform than the stock Qt widgets
// give: they pass the mouse, key and drag events on to the window's handlers.

// The folder tree. Each node keeps its folder key and its image number.
class KlasörAğacı : public QTreeWidget {
public:
    static constexpr int AnahtarRolü = Qt::UserRole + 1;
    static constexpr int ResimRolü = Qt::UserRole + 2;

    explicit KlasörAğacı(QWidget* üst = nullptr);

    static QString anahtar(const QTreeWidgetItem* düğüm);
    static int resim(const QTreeWidgetItem* düğüm);
    QTreeWidgetItem* anahtarlıDüğüm(const QString& anahtar) const;
    // Every node from the first to the last in the tree's node order.
    QList<QTreeWidgetItem*> tümDüğümler() const;

    // The drop highlight: at most one node, drawn as if selected, while the right button is
    // down or while a job is dragged over the tree.
    void damlaVurgusuAyarla(QTreeWidgetItem* düğüm);
    QTreeWidgetItem* damlaVurgusu() const { return damlaVurgusu_; }
    // Empties the tree (the highlight goes with its node).
    void boşalt();
    // True while a folder's name is being edited in place.
    bool düzenleniyor() const { return state() == EditingState; }

    // True once a job was dropped onto the tree since the last call of sürüklemeBaşladı.
    void sürüklemeBaşladı() { bırakıldı_ = false; }
    bool bırakıldıMı() const { return bırakıldı_; }

    // Handlers set by the main window.
    std::function<void(const QPoint&)> sağTuşBırakıldı;
    std::function<void()> düğümTıklandı;
    // A node's new label after an in-place edit; returns whether the name may be shown.
    std::function<bool(QTreeWidgetItem*, const QString&)> adDeğişti;

protected:
    void mousePressEvent(QMouseEvent* olay) override;
    void mouseReleaseEvent(QMouseEvent* olay) override;
    void keyPressEvent(QKeyEvent* olay) override;
    void contextMenuEvent(QContextMenuEvent* olay) override;
    void dragEnterEvent(QDragEnterEvent* olay) override;
    void dragMoveEvent(QDragMoveEvent* olay) override;
    void dragLeaveEvent(QDragLeaveEvent* olay) override;
    void dropEvent(QDropEvent* olay) override;

private:
    bool işSürükleniyor(const QMimeData* veri) const;
    bool sağTuşBasılı_ = false;
    bool bırakıldı_ = false;
    QTreeWidgetItem* damlaVurgusu_ = nullptr;
};

// The in-place editor of a folder name: the new text goes to the tree's handler, which
// stores it and says whether the node takes it.
class KlasörAdıTemsilcisi : public QStyledItemDelegate {
public:
    explicit KlasörAdıTemsilcisi(KlasörAğacı* ağaç);
    void setModelData(QWidget* düzenleyici, QAbstractItemModel* model,
                      const QModelIndex& dizin) const override;

private:
    KlasörAğacı* ağaç_;
    mutable bool işleniyor_ = false;
};

// The job list: a view over the job list model with the main window's mouse handling.
class İşListesiGörünümü : public QTreeView {
public:
    explicit İşListesiGörünümü(QWidget* üst = nullptr);

    // The row under the pointer when the right button went down; -1 for none.
    int damlaVurgusu() const { return damlaVurgusu_; }
    int seçiliSatır() const;
    // True while a row is being dragged.
    bool sürükleniyor() const { return sürükleniyor_; }

    std::function<void(const QPoint&)> sağTuşBırakıldı;
    // Called when a drag of the selected row has ended, with the drop action.
    std::function<void(Qt::DropAction)> sürüklemeBitti;

protected:
    void mousePressEvent(QMouseEvent* olay) override;
    void mouseReleaseEvent(QMouseEvent* olay) override;
    void contextMenuEvent(QContextMenuEvent* olay) override;
    void startDrag(Qt::DropActions eylemler) override;

private:
    int damlaVurgusu_ = -1;
    bool sürükleniyor_ = false;
};

// The client area: draws the two lines under the toolbar.
class İstemciAlanı : public QWidget {
public:
    explicit İstemciAlanı(QWidget* üst = nullptr);

protected:
    void paintEvent(QPaintEvent* olay) override;
};
