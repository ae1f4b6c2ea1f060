#pragma once

#include "database/HamSatirlar.h"

#include <QString>
#include <QStringList>
#include <QVariant>
#include <functional>
#include <optional>
#include <vector>

// moc cannot read Turkish identifiers; it needs nothing from this header.
#ifndef Q_MOC_RUN

// What the database face (Veritabanı, KayıtKümesi) needs of an engine that keeps the rows:
// the file engine (dosya/) and the server engine (sunucu/). The face keeps everything that
// does not depend on where the rows live: the recordset's position and edit buffer, the
// typing of field values and the checks before a change. Only the face and the engines
// include this header.

// Field types, fixed by the schema; both engines read and write values by them.
enum class AlanTürü { Metin, Tarih, Saat, EvetHayır, Sayaç };
AlanTürü alanTürü(const QString& ad);
// A value as stored (by the file: its storage class and bytes) typed as the program reads it.
QVariant okunan(AlanTürü tür, const HamSatırlar& satırlar, const HamSatırlar::Hücre& hücre);

// The rows a statement gave: the names of its columns, the values row after row as the
// engine stores them (the face types each value only when it is read, see okunan, which
// spares a long list an object per value) and, for a statement over one table, the number
// the engine knows each row by.
struct OkunanSatırlar {
    QStringList adlar;
    HamSatırlar ham;
    std::vector<qint64> satırNo;
    // More rows follow those read (only when not every row was asked for).
    bool dahaVar = false;
};

// Puts the rows in the order of the named fields, ties in the order read; false when a name
// is not one of the columns.
bool satırlarıSırala(OkunanSatırlar& o, const QStringList& alanlar);

class VeritabanıMotoru {
public:
    virtual ~VeritabanıMotoru() = default;

    // The path or address the database was opened with.
    virtual QString yol() const = 0;

    // Reads the rows of a statement in the program's own (Jet) form: with `hepsi` false at
    // least the first one and whether more follow, otherwise all. `değiştirilebilir` and
    // `tablo` are set to whether the statement reads exactly one table (which one), so that
    // its rows can be changed by their numbers.
    virtual OkunanSatırlar oku(const QString& deyim, bool hepsi, bool* değiştirilebilir,
                               QString* tablo) = 0;

    // Runs the work as one write: a transaction of its own, or the one already running.
    // Everything below that changes rows runs inside it.
    virtual void yazma(const std::function<void()>& iş) = 0;
    // Runs the work as one transaction of several steps (Veritabanı::işlem): writes inside
    // it join it; a second one inside it is refused.
    virtual void işlem(const std::function<void()>& iş) = 0;

    // Inside yazma: adds one row; the values in the stored types above.
    virtual void ekle(const QString& tablo, const QStringList& adlar,
                      const QList<QVariant>& değerler) = 0;
    // Inside yazma: the row's current values of the fields, locked for the rest of the
    // write; nothing when the row no longer exists.
    virtual std::optional<std::vector<QVariant>> satırıKilitle(const QString& tablo, qint64 satır,
                                                               const QStringList& adlar) = 0;
    // Inside yazma: changes the fields of the row; the number of rows changed.
    virtual qint64 güncelle(const QString& tablo, qint64 satır, const QStringList& adlar,
                            const QList<QVariant>& değerler) = 0;
    // Inside yazma: deletes the row; the number of rows deleted.
    virtual qint64 sil(const QString& tablo, qint64 satır) = 0;
    // Runs an action statement in Jet form as one write (or inside the running transaction);
    // the rows it touched.
    virtual qint64 çalıştır(const QString& deyim) = 0;

    virtual quint64 değişiklikDamgası() = 0;
    virtual QString kimlik() = 0;
};

#endif
