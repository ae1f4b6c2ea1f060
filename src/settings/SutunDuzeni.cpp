#include "settings/SutunDuzeni.h"

#include "controls/HataBildirici.h"
#include "controls/TarihBicimi.h"
#include "controls/Twip.h"
#include "settings/AyarDeposu.h"
#include "settings/AyarTablosu.h"

#include <QAbstractItemView>
#include <QHeaderView>
#include <QStyle>

namespace SütunDüzeni {

namespace {
// Per column, as the header's property: the twips it was given, the pixels that came to on
// screen, and its smallest on-screen width.
constexpr char Özellik[] = "tarvelaSutunGenislikleri";

QVariantList verilenler(const QHeaderView* başlık) {
    QVariantList liste = başlık->property(Özellik).toList();
    while (liste.size() < başlık->count())
        liste.append(QVariant());
    return liste;
}
} // namespace

void genişlikVer(QHeaderView* başlık, int sütun, int twip, int enAzPiksel) {
    const int piksel = twip <= 0 ? 0 : qMax(twipten(twip), enAzPiksel);
    başlık->resizeSection(sütun, piksel);
    QVariantList liste = verilenler(başlık);
    liste[sütun] = QVariantList{twip, başlık->sectionSize(sütun), enAzPiksel};
    başlık->setProperty(Özellik, liste);
}

int genişlik(const QHeaderView* başlık, int sütun) {
    const QVariantList verilen = verilenler(başlık).value(sütun).toList();
    const int piksel = başlık->sectionSize(sütun);
    if (verilen.size() == 3 && verilen[1].toInt() == piksel)
        return verilen[0].toInt();
    return pikselden(piksel);
}

void uygula(QHeaderView* başlık, const QString& bölüm) {
    const int sayı = başlık->count();
    for (int i = 0; i < sayı; ++i) {
        Adım([&] {
            const QString no = QString::number(i + 1);
            const int konum =
                sayıyaÇevir(AyarDeposu::GetSetting(bölüm, QStringLiteral("Konum-") + no, no),
                            QStringLiteral("Konum-") + no);
            const int hedef = qBound(0, konum - 1, sayı - 1);
            başlık->moveSection(başlık->visualIndex(i), hedef);
            const int twip =
                sayıyaÇevir(AyarDeposu::GetSetting(bölüm, QStringLiteral("Genislik-") + no,
                                                   QString::number(genişlik(başlık, i))),
                            QStringLiteral("Genislik-") + no);
            const int enAz = verilenler(başlık).value(i).toList().value(2).toInt();
            genişlikVer(başlık, i, twip, enAz);
        });
    }
}

void kaydet(const QHeaderView* başlık, const QString& bölüm) {
    for (int i = 0; i < başlık->count(); ++i) {
        const QString no = QString::number(i + 1);
        AyarDeposu::SaveSetting(bölüm, QStringLiteral("Konum-") + no,
                                QString::number(başlık->visualIndex(i) + 1));
        AyarDeposu::SaveSetting(bölüm, QStringLiteral("Genislik-") + no,
                                QString::number(genişlik(başlık, i)));
    }
}

int tarihGenişliği(const QAbstractItemView* liste) {
    const QStyle* stil = liste->style();
    const int simge = liste->iconSize().isValid()
                          ? liste->iconSize().width()
                          : stil->pixelMetric(QStyle::PM_SmallIconSize, nullptr, liste);
    // The widest day of the year in the short form, with the icon and the cell's margins.
    const int metin =
        liste->fontMetrics().horizontalAdvance(TarihBiçimi::kısa(QDate(2000, 12, 28)));
    const int boşluk = 4 * (stil->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, liste) + 1);
    return metin + simge + boşluk + 8;
}

} // namespace SütunDüzeni
