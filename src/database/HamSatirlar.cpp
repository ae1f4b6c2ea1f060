#include "database/HamSatirlar.h"

#include <algorithm>
#include <cstring>
#include <numeric>
#include <stdexcept>
#include <string_view>
#include <unordered_map>

HamSatırlar::Hücre& HamSatırlar::baytlıEkle(Tür tür, const char* veri, qsizetype n) {
    // Offsets and lengths are kept in 32 and 28 bits: far beyond any list the program reads.
    if (quint64(blok_.size()) + quint64(n) > 0xffffffffu || quint64(n) >= (1u << 28))
        throw std::length_error("HamSatırlar: satırlar çok büyük");
    Hücre h;
    h.türNo = quint32(tür);
    h.baş = quint32(blok_.size());
    h.uzunluk = quint32(n);
    blok_.append(veri, n);
    hücreler_.push_back(h);
    return hücreler_.back();
}

void HamSatırlar::ekle(const HamSatırlar& diğer, qsizetype baş) {
    const quint64 kayma = quint64(blok_.size());
    if (kayma + quint64(diğer.blok_.size()) > 0xffffffffu)
        throw std::length_error("HamSatırlar: satırlar çok büyük");
    blok_.append(diğer.blok_);
    for (qsizetype r = baş; r < diğer.satırSayısı(); ++r) {
        if (!sıra_.empty())
            sıra_.push_back(satırSayısı());
        for (int s = 0; s < genişlik_; ++s) {
            hücreler_.push_back(diğer.hücre(r, s));
            hücreler_.back().baş += quint32(kayma);
        }
    }
}

int HamSatırlar::karşılaştır(const HamSatırlar& a, const Hücre& x, const HamSatırlar& b,
                             const Hücre& y) {
    const auto sınıf = [](Tür t) {
        switch (t) {
        case Tür::Boş:
            return 0;
        case Tür::Tamsayı:
        case Tür::Kesirli:
            return 1;
        case Tür::Metin:
            return 2;
        case Tür::İkili:
            break;
        }
        return 3;
    };
    const int sx = sınıf(x.tür()), sy = sınıf(y.tür());
    if (sx != sy)
        return sx < sy ? -1 : 1;
    if (sx == 0)
        return 0;
    if (sx == 1) {
        if (x.tür() == Tür::Tamsayı && y.tür() == Tür::Tamsayı)
            return x.tamsayı < y.tamsayı ? -1 : x.tamsayı > y.tamsayı;
        const double dx = x.tür() == Tür::Tamsayı ? double(x.tamsayı) : x.kesirli;
        const double dy = y.tür() == Tür::Tamsayı ? double(y.tamsayı) : y.kesirli;
        return dx < dy ? -1 : dx > dy;
    }
    const QByteArrayView bx = a.bayt(x), by = b.bayt(y);
    const int ortak = int(std::min(bx.size(), by.size()));
    const int k = ortak ? std::memcmp(bx.data(), by.data(), size_t(ortak)) : 0;
    if (k != 0)
        return k < 0 ? -1 : 1;
    return bx.size() < by.size() ? -1 : bx.size() > by.size();
}

const std::vector<qsizetype>& HamSatırlar::sırala(const std::vector<int>& sütunlar) {
    sıra_.clear();
    const qsizetype n = satırSayısı();
    // Each column's values are replaced by their rank among the column's distinct values (a
    // list has few distinct dates and times), so that the sort compares numbers only.
    std::vector<std::vector<quint32>> sıralar;
    for (int sütun : sütunlar) {
        struct Anahtar {
            Tür tür;
            std::string_view bayt;
            qint64 tamsayı;
            bool operator==(const Anahtar& b) const {
                return tür == b.tür && bayt == b.bayt && tamsayı == b.tamsayı;
            }
        };
        struct Özet {
            size_t operator()(const Anahtar& a) const {
                return std::hash<std::string_view>()(a.bayt) ^ size_t(a.tamsayı) ^ size_t(a.tür);
            }
        };
        std::unordered_map<Anahtar, quint32, Özet> farklılar;
        std::vector<qsizetype> örnekler; // a row holding each distinct value
        std::vector<quint32> değerNo(static_cast<size_t>(n));
        for (qsizetype i = 0; i < n; ++i) {
            const Hücre& h = hücre(i, sütun);
            const QByteArrayView b = h.tür() == Tür::Tamsayı ? QByteArrayView() : bayt(h);
            const Anahtar a{h.tür(), std::string_view(b.data(), size_t(b.size())),
                            h.tür() == Tür::Tamsayı ? h.tamsayı : 0};
            const auto [yer, yeni] = farklılar.emplace(a, quint32(örnekler.size()));
            if (yeni)
                örnekler.push_back(i);
            değerNo[size_t(i)] = yer->second;
        }
        std::vector<quint32> düzen(örnekler.size());
        std::iota(düzen.begin(), düzen.end(), 0u);
        std::sort(düzen.begin(), düzen.end(), [&](quint32 x, quint32 y) {
            return karşılaştır(*this, hücre(örnekler[x], sütun), *this, hücre(örnekler[y], sütun)) <
                   0;
        });
        // Values the engine holds equal (1 and 1.0) share a rank.
        std::vector<quint32> derece(örnekler.size());
        quint32 d = 0;
        for (size_t k = 0; k < düzen.size(); ++k) {
            if (k > 0 && karşılaştır(*this, hücre(örnekler[düzen[k - 1]], sütun), *this,
                                     hücre(örnekler[düzen[k]], sütun)) != 0)
                ++d;
            derece[düzen[k]] = d;
        }
        for (quint32& v : değerNo)
            v = derece[v];
        sıralar.push_back(std::move(değerNo));
    }
    // Rows equal in every field keep their order: the position breaks the tie.
    struct Öğe {
        quint64 anahtar;
        qsizetype konum;
    };
    std::vector<Öğe> öğeler(static_cast<size_t>(n));
    for (qsizetype i = 0; i < n; ++i) {
        quint64 a = 0;
        for (size_t j = 0; j < std::min<size_t>(2, sıralar.size()); ++j)
            a |= quint64(sıralar[j][size_t(i)]) << (j == 0 ? 32 : 0);
        öğeler[size_t(i)] = {a, i};
    }
    std::sort(öğeler.begin(), öğeler.end(), [&](const Öğe& x, const Öğe& y) {
        if (x.anahtar != y.anahtar)
            return x.anahtar < y.anahtar;
        for (size_t j = 2; j < sıralar.size(); ++j)
            if (sıralar[j][size_t(x.konum)] != sıralar[j][size_t(y.konum)])
                return sıralar[j][size_t(x.konum)] < sıralar[j][size_t(y.konum)];
        return x.konum < y.konum;
    });
    sıra_.resize(static_cast<size_t>(n));
    for (qsizetype i = 0; i < n; ++i)
        sıra_[size_t(i)] = öğeler[size_t(i)].konum;
    return sıra_;
}
