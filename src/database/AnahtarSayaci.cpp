#include "database/AnahtarSayaci.h"

#include "controls/Hata.h"

int AnahtarSayacı::sayısı(const QString& anahtar) {
    int sayı = 0;
    for (QChar c : anahtar) {
        if (c < u'0' || c > u'9')
            break;
        sayı = std::min(sayı * 10 + (c.unicode() - u'0'), int(EnBüyük));
    }
    return sayı;
}

void AnahtarSayacı::güncelle(const QString& anahtar) {
    const int sayı = sayısı(anahtar);
    if (sayı > değer_)
        değer_ = qint16(sayı);
}

QString AnahtarSayacı::yeniAnahtar() {
    if (değer_ >= EnBüyük)
        throw Hata(6, QStringLiteral("Yeni klasör oluşturulamıyor: klasör numaraları tükendi "
                                     "(en büyük numara %1).")
                          .arg(EnBüyük));
    ++değer_;
    return QString::number(değer_) + QStringLiteral("-Anahtar");
}
