#include "deadline/YasalSonGun.h"

#include "deadline/SureHesabi.h"

#include <QLocale>
#include <set>

YasalSonGün yasalSonGünüBul(const QDate& son, bool adliTatilUzatması, const TatilTakvimi& takvim) {
    YasalSonGün sonuç;
    QDate gün = son;
    if (!gün.isValid())
        return sonuç;
    QStringList atlananlar;
    std::set<int> tahminiYıllar, bilinmeyenYıllar;
    GünBilgisi bilgi;
    // A day moved over a weekend or a holiday may land in the recess, and one moved out of
    // the recess on a day off: both rules apply until neither moves the day, each reason in
    // the order its rule moved it.
    for (bool değişti = true; değişti;) {
        değişti = false;
        if (adliTatilUzatması && gün >= QDate(gün.year(), 7, 20) &&
            gün <= QDate(gün.year(), 8, 31)) {
            gün = QDate(gün.year(), 9, 7);
            sonuç.gerekçeler << QStringLiteral("adli tatil: 7 Eylül'e uzar");
        }
        bilgi = takvim.gün(gün);
        while (true) {
            if (bilgi.bayramlarBilinmiyor)
                bilinmeyenYıllar.insert(gün.year());
            if (bilgi.tahmini)
                tahminiYıllar.insert(gün.year());
            if (bilgi.tür != GünTürü::HaftaSonu && bilgi.tür != GünTürü::Tatil)
                break;
            if (!atlananlar.contains(bilgi.ad))
                atlananlar << bilgi.ad;
            if (gün >= SüreHesabı::sonTarih())
                break;
            gün = gün.addDays(1);
            bilgi = takvim.gün(gün);
            değişti = true;
        }
        if (!atlananlar.isEmpty())
            sonuç.gerekçeler << atlananlar.join(QStringLiteral(", ")) +
                                    QStringLiteral(": sonraki iş günü");
        atlananlar.clear();
    }
    sonuç.tarih = gün;
    if (bilgi.tür == GünTürü::YarımGün) {
        sonuç.yarımGün = true;
        const QString hangi = bilgi.arefe ? QStringLiteral("arefe")
                                          : QStringLiteral("%1 %2").arg(gün.day()).arg(
                                                QLocale(QLocale::Turkish).monthName(gün.month()));
        sonuç.gerekçeler << hangi + QStringLiteral(": süre öğleden önce dolar");
    }
    if (sonuç.gerekçeler.isEmpty())
        sonuç.gerekçeler << QStringLiteral("iş günü");
    for (int yıl : tahminiYıllar)
        sonuç.gerekçeler << QStringLiteral("%1 bayram tarihleri tahmini").arg(yıl);
    for (int yıl : bilinmeyenYıllar)
        sonuç.gerekçeler << QStringLiteral("%1 bayram tarihleri bilinmiyor").arg(yıl);
    return sonuç;
}
