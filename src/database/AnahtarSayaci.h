#pragma once

#include <QString>
#include <QtGlobal>

// moc cannot read Turkish identifiers; it needs nothing from this header.
#ifndef Q_MOC_RUN

// The folder key counter: a 16-bit number that starts at 0 with the program, grows with the
// highest key read from the folder rows and never goes down within a run. A new folder key
// is the counter plus one followed by "-Anahtar".
class AnahtarSayacı {
public:
    static constexpr qint16 EnBüyük = 32767;

    // Takes the leading figures of a stored key (12-Anahtar gives 12; none gives 0) and keeps
    // the greater of that and the counter. Larger numbers than a key can have count as the
    // largest one.
    void güncelle(const QString& anahtar);
    // The next key. When the counter is already at 32767 no key is left: throws Hata with a
    // clear message and nothing changes.
    QString yeniAnahtar();
    qint16 değer() const { return değer_; }

    // The numeric value of a key's leading figures, capped at 32767.
    static int sayısı(const QString& anahtar);

private:
    qint16 değer_ = 0;
};
#endif
