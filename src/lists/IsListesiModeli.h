#pragma once

#include "controls/IsSatiri.h"
#include "controls/Siralama.h"

#include <QAbstractTableModel>
#include <QColor>
#include <QDate>
#include <QIcon>
#include <QStringList>
#include <vector>

class KayıtKümesi;

// The rows of a job list, kept compactly so that an office's whole history can be listed:
// the date as a day number, the time in seconds, the four free texts in one string, the
// folder key as an index into a table of keys. Columns: 0 date (short form), 1 time
// (HH:MM:SS), 2 subject, 3 place, 4 number, 5 description, 6 job number.
class İşListesiModeli : public QAbstractTableModel, public Sıralama::Liste {
public:
    static constexpr int SütunSayısı = 7;
    // The folder key of a row (all-folders mode only).
    static constexpr int AnahtarRolü = Qt::UserRole + 1;
    // The row's date as a QDate.
    static constexpr int TarihRolü = Qt::UserRole + 2;
    // The row's icon number: 1 to be reminded, 2 not, 3 done.
    static constexpr int SimgeRolü = Qt::UserRole + 3;
    static const QString SürüklemeBiçimi;

    // Text colours of the date column by the job's date.
    static inline const QColor GeçmişRengi{150, 40, 40};
    static inline const QColor BugünRengi{40, 40, 150};
    static inline const QColor GelecekRengi{10, 140, 10};

    explicit İşListesiModeli(QObject* üst = nullptr);

    // Empties the list.
    void temizle();
    // Fills the list from the recordset, first row to last; `anahtarlı` keeps each row's
    // folder key as its tag. The colours compare with `bugün`. When reading fails part way,
    // the rows read so far stay listed and the error is passed on.
    void doldur(KayıtKümesi& kayıtlar, bool anahtarlı, const QDate& bugün);

    int satırSayısı() const { return static_cast<int>(satırlar_.size()); }
    // Row i (counted from 0) as the other windows take it.
    İşSatırı satır(int i) const;
    QString metin(int i, int sütun) const;
    int simge(int i) const { return satırlar_[i].simge; }
    QString anahtar(int i) const;
    qint64 isNo(int i) const { return satırlar_[i].isNo; }
    QDate tarih(int i) const;
    // The first row with the job number; -1 when there is none.
    int isNoSatırı(qint64 isNo) const;
    void satırSil(int i);

    // Sıralama::Liste
    void kendiSıralaması(bool açık, int sütun = 0, bool azalan = false) override;
    void tarihSırala(bool azalan) override;

    // QAbstractItemModel
    int rowCount(const QModelIndex& üst = QModelIndex()) const override;
    int columnCount(const QModelIndex& üst = QModelIndex()) const override;
    QVariant data(const QModelIndex& dizin, int rol = Qt::DisplayRole) const override;
    QVariant headerData(int bölüm, Qt::Orientation yön, int rol) const override;
    Qt::ItemFlags flags(const QModelIndex& dizin) const override;
    QStringList mimeTypes() const override;
    QMimeData* mimeData(const QModelIndexList& dizinler) const override;
    Qt::DropActions supportedDragActions() const override;

    // Bytes of text the rows hold (for the memory measurement).
    qint64 metinBaytı() const;

private:
    struct Satır {
        // Subject, place, number and description one after the other, in UTF-8 as stored: a
        // text becomes a string only when it is shown or asked for.
        QByteArray metin;
        quint32 sınır[3] = {}; // where place, number and description start in `metin`
        qint32 gün = 0;        // Julian day of the date; 0 when there is none
        qint32 saniye = -1;    // seconds since midnight; -1 when there is none
        qint64 isNo = 0;
        qint32 anahtarNo = -1; // index into anahtarlar_; -1 without a tag
        qint8 simge = 2;
    };
    QString alanMetni(const Satır& s, int sütun) const;
    void sırayıUygula(const std::vector<int>& sıra);
    void metneGöreSırala(int sütun, bool azalan);

    std::vector<Satır> satırlar_;
    QStringList anahtarlar_;
    qint32 bugün_ = 0;
    QIcon simgeler_[3];
    bool kendiSıralaması_ = false;
    int kendiSütunu_ = 0;
    bool kendiAzalan_ = false;
};
