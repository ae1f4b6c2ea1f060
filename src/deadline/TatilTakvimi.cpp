#include "deadline/TatilTakvimi.h"

#include "controls/Hata.h"

#include <QFile>
#include <QRegularExpression>

namespace {
Hata satırHatası(int no, const QString& satır) {
    return Hata(HataNo::Beklenmeyen,
                QStringLiteral("Tatil dosyasının %1. satırı okunamadı: \"%2\"").arg(no).arg(satır));
}
} // namespace

TatilTakvimi TatilTakvimi::metinden(const QString& metin) {
    static const QRegularExpression sabit(
        QStringLiteral("^(sabit|yarim)\\s+(\\d{2})-(\\d{2})\\s+(?:(\\d{4})\\s+)?(\\S.*)$"));
    static const QRegularExpression bayram(
        QStringLiteral("^(ramazan|kurban)\\s+(\\d{4}-\\d{2}-\\d{2})\\s+(yayimlandi|tahmini)$"));
    TatilTakvimi takvim;
    const QStringList satırlar = metin.split(u'\n');
    for (int i = 0; i < satırlar.size(); ++i) {
        QString satır = satırlar[i];
        if (const int yorum = satır.indexOf(u'#'); yorum >= 0)
            satır.truncate(yorum);
        satır = satır.trimmed();
        if (satır.isEmpty())
            continue;
        if (const auto e = sabit.match(satır); e.hasMatch()) {
            const int ay = e.captured(2).toInt(), gün = e.captured(3).toInt();
            // 2000 is a leap year: every day that some year has is valid in it.
            if (!QDate(2000, ay, gün).isValid())
                throw satırHatası(i + 1, satırlar[i]);
            takvim.sabitler_.append({ay, gün, e.captured(4).isEmpty() ? 1 : e.captured(4).toInt(),
                                     e.captured(1) == QLatin1String("yarim"), e.captured(5)});
            continue;
        }
        if (const auto e = bayram.match(satır); e.hasMatch()) {
            const QDate ilkGün = QDate::fromString(e.captured(2), QStringLiteral("yyyy-MM-dd"));
            if (!ilkGün.isValid())
                throw satırHatası(i + 1, satırlar[i]);
            if (!takvim.bayramEkle(ilkGün, e.captured(1) == QLatin1String("ramazan"),
                                   e.captured(3) == QLatin1String("tahmini")))
                throw Hata(HataNo::Beklenmeyen,
                           QStringLiteral("Tatil dosyasının %1. satırı okunamadı: \"%2\" (aynı "
                                          "bayram 300 günden kısa arayla iki kez olamaz)")
                               .arg(i + 1)
                               .arg(satırlar[i]));
            continue;
        }
        throw satırHatası(i + 1, satırlar[i]);
    }
    return takvim;
}

TatilTakvimi TatilTakvimi::dosyadan(const QString& yol) {
    QFile dosya(yol);
    if (!dosya.open(QIODevice::ReadOnly))
        throw Hata(HataNo::DosyaBulunamadı, QStringLiteral("Tatil dosyası okunamadı: %1").arg(yol));
    return metinden(QString::fromUtf8(dosya.readAll()));
}

QList<TatilTakvimi::SabitGün> TatilTakvimi::kanunGünleri() {
    // Law 2429 on national days and general holidays, with the years its later additions
    // took effect.
    return {{1, 1, 1, false, QStringLiteral("Yılbaşı")},
            {4, 23, 1, false, QStringLiteral("Ulusal Egemenlik ve Çocuk Bayramı")},
            {5, 1, 2009, false, QStringLiteral("Emek ve Dayanışma Günü")},
            {5, 19, 1, false, QStringLiteral("Atatürk'ü Anma, Gençlik ve Spor Bayramı")},
            {7, 15, 2017, false, QStringLiteral("Demokrasi ve Millî Birlik Günü")},
            {8, 30, 1, false, QStringLiteral("Zafer Bayramı")},
            {10, 28, 1, true, QStringLiteral("Cumhuriyet Bayramı arifesi")},
            {10, 29, 1, false, QStringLiteral("Cumhuriyet Bayramı")}};
}

bool TatilTakvimi::bayramEkle(const QDate& ilkGün, bool ramazan, bool tahmini) {
    QList<QDate>& ilkGünler = ramazan ? ramazanlar_ : kurbanlar_;
    for (const QDate& önceki : ilkGünler)
        if (qAbs(önceki.daysTo(ilkGün)) < 300)
            return false;
    ilkGünler.append(ilkGün);
    const QString ad =
        ramazan ? QStringLiteral("Ramazan Bayramı") : QStringLiteral("Kurban Bayramı");
    diniGünler_.insert(ilkGün.addDays(-1).toJulianDay(),
                       {ad + QStringLiteral(" arefesi"), true, tahmini});
    for (int i = 0; i < (ramazan ? 3 : 4); ++i)
        diniGünler_.insert(ilkGün.addDays(i).toJulianDay(), {ad, false, tahmini});
    (ramazan ? ramazanYılları_ : kurbanYılları_).insert(ilkGün.year());
    return true;
}

bool TatilTakvimi::işGünüMü(const QDate& tarih) const {
    const GünTürü tür = gün(tarih).tür;
    return tür == GünTürü::İşGünü || tür == GünTürü::YarımGün;
}

bool TatilTakvimi::bayramlarBiliniyor(int yıl) const {
    return ramazanYılları_.contains(yıl) && kurbanYılları_.contains(yıl);
}

GünBilgisi TatilTakvimi::gün(const QDate& tarih) const {
    GünBilgisi bilgi;
    bilgi.bayramlarBilinmiyor = !bayramlarBiliniyor(tarih.year());
    // A full holiday first, then the weekend, then a half day: an arefe that falls on a
    // Saturday or on a national day is simply a day off.
    QString yarımAd;
    bool yarımArefe = false, yarımTahmini = false;
    const auto dini = diniGünler_.constFind(tarih.toJulianDay());
    if (dini != diniGünler_.cend()) {
        if (!dini->yarım) {
            bilgi.tür = GünTürü::Tatil;
            bilgi.ad = dini->ad;
            bilgi.tahmini = dini->tahmini;
            return bilgi;
        }
        yarımAd = dini->ad;
        yarımArefe = true;
        yarımTahmini = dini->tahmini;
    }
    for (const SabitGün& s : sabitler_) {
        if (s.ay != tarih.month() || s.gün != tarih.day() || tarih.year() < s.ilkYıl)
            continue;
        if (!s.yarım) {
            bilgi.tür = GünTürü::Tatil;
            bilgi.ad = s.ad;
            return bilgi;
        }
        if (yarımAd.isEmpty())
            yarımAd = s.ad;
    }
    if (tarih.dayOfWeek() >= Qt::Saturday) {
        bilgi.tür = GünTürü::HaftaSonu;
        bilgi.ad = QStringLiteral("hafta sonu");
        return bilgi;
    }
    if (!yarımAd.isEmpty()) {
        bilgi.tür = GünTürü::YarımGün;
        bilgi.ad = yarımAd;
        bilgi.arefe = yarımArefe;
        bilgi.tahmini = yarımTahmini;
    }
    return bilgi;
}
