#include "settings/SutunDuzeni.h"

#include "controls/HataBildirici.h"
#include "controls/Twip.h"
#include "settings/AyarDeposu.h"
#include "settings/AyarTablosu.h"

#include <QHeaderView>

namespace SütunDüzeni {

void uygula(QHeaderView* başlık, const QString& bölüm) {
    const int sayı = başlık->count();
    for (int i = 0; i < sayı; ++i) {
        Adım([&] {
            const QString no = QString::number(i + 1);
            const int konum = sayıyaÇevir(
                AyarDeposu::GetSetting(bölüm, QStringLiteral("Konum-") + no, no),
                QStringLiteral("Konum-") + no);
            const int hedef = qBound(0, konum - 1, sayı - 1);
            başlık->moveSection(başlık->visualIndex(i), hedef);
            const int genişlik = sayıyaÇevir(
                AyarDeposu::GetSetting(bölüm, QStringLiteral("Genislik-") + no,
                                       QString::number(pikselden(başlık->sectionSize(i)))),
                QStringLiteral("Genislik-") + no);
            başlık->resizeSection(i, qMax(0, twipten(genişlik)));
        });
    }
}

void kaydet(const QHeaderView* başlık, const QString& bölüm) {
    for (int i = 0; i < başlık->count(); ++i) {
        const QString no = QString::number(i + 1);
        AyarDeposu::SaveSetting(bölüm, QStringLiteral("Konum-") + no,
                                QString::number(başlık->visualIndex(i) + 1));
        AyarDeposu::SaveSetting(bölüm, QStringLiteral("Genislik-") + no,
                                QString::number(pikselden(başlık->sectionSize(i))));
    }
}

} // namespace SütunDüzeni
