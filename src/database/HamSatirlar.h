#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QtGlobal>
#include <vector>

// moc cannot read Turkish identifiers; it needs nothing from this header.
#ifndef Q_MOC_RUN

// Rows of a statement as the engine gave them: each value's storage class and its bytes, all
// of them in one block. Reading a long list then costs one copy of the bytes per row instead
// of an object per value; a value is turned into the program's type only when it is read.
class HamSatırlar {
public:
    enum class Tür : quint8 { Boş, Tamsayı, Kesirli, Metin, İkili };
    struct Hücre {
        quint32 baş = 0;      // where the bytes start in the block
        quint32 uzunluk : 28; // bytes of text (also the engine's text of a Kesirli value)
        quint32 türNo : 4;    // a Tür
        union {
            qint64 tamsayı = 0;
            double kesirli;
        };
        Hücre() : uzunluk(0), türNo(0) {}
        Tür tür() const { return Tür(türNo); }
    };

    explicit HamSatırlar(int genişlik = 0) : genişlik_(genişlik) {}
    int genişlik() const { return genişlik_; }
    qsizetype satırSayısı() const {
        return genişlik_ ? qsizetype(hücreler_.size()) / genişlik_ : 0;
    }
    // A value of the row in its current order (see sırala).
    const Hücre& hücre(qsizetype satır, int sütun) const {
        if (!sıra_.empty())
            satır = sıra_[size_t(satır)];
        return hücreler_[size_t(satır * genişlik_ + sütun)];
    }
    // The bytes of a Metin or İkili value, or the engine's own text of a Kesirli one.
    QByteArrayView bayt(const Hücre& h) const {
        return QByteArrayView(blok_.constData() + h.baş, qsizetype(h.uzunluk));
    }

    // A row is added value by value, left to right.
    void boş() { hücreler_.push_back(Hücre{}); }
    void tamsayı(qint64 değer) {
        Hücre h;
        h.türNo = quint32(Tür::Tamsayı);
        h.tamsayı = değer;
        hücreler_.push_back(h);
    }
    // A real number with the text the engine gives for it.
    void kesirli(double değer, const char* metin, qsizetype n) {
        baytlıEkle(Tür::Kesirli, metin, n).kesirli = değer;
    }
    void metin(const char* veri, qsizetype n, bool ikili = false) {
        baytlıEkle(ikili ? Tür::İkili : Tür::Metin, veri, n);
    }

    // Appends the rows of `diğer` from row `baş` on, in its order; both have the same width.
    void ekle(const HamSatırlar& diğer, qsizetype baş);
    // Puts the rows in the order of the values in the given columns, each compared as the
    // engine orders one column's values (nothing, then numbers, then texts byte by byte, then
    // binary values); rows equal in all of them keep their order. Returns each row's position
    // before.
    const std::vector<qsizetype>& sırala(const std::vector<int>& sütunlar);
    static int karşılaştır(const HamSatırlar& a, const Hücre& x, const HamSatırlar& b,
                           const Hücre& y);

private:
    Hücre& baytlıEkle(Tür tür, const char* veri, qsizetype n);

    int genişlik_ = 0;
    std::vector<Hücre> hücreler_;
    QByteArray blok_;
    std::vector<qsizetype> sıra_; // the stored row of each row in order; empty: as stored
};
#endif
