#pragma once

#include "controls/Hata.h"

#include <QString>

// The key counter of the folders: the highest number read from a folder key, never going
// down within a run; a new key is the next number followed by "-Anahtar".
class AnahtarSayacı {
public:
    void güncelle(const QString& anahtar) {
        qint64 değer = 0;
        for (QChar c : anahtar) {
            if (!c.isDigit() || c.unicode() > '9')
                break;
            değer = qMin<qint64>(değer * 10 + (c.unicode() - '0'), 1'000'000);
        }
        if (değer > sayaç_)
            sayaç_ = static_cast<qint16>(qMin<qint64>(değer, 32767));
    }
    QString yeniAnahtar() {
        if (sayaç_ >= 32767)
            throw Hata(6, QStringLiteral("Yeni klasör için anahtar kalmadı: en çok 32767 klasör "
                                         "anahtarı verilebilir."));
        ++sayaç_;
        return QString::number(sayaç_) + QStringLiteral("-Anahtar");
    }

private:
    qint16 sayaç_ = 0;
};
