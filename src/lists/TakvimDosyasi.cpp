#include "lists/TakvimDosyasi.h"

#include "controls/KullaniciDosyasi.h"
#include "database/Deyimler.h"
#include "database/Veritabani.h"

#include <QIODevice>
#include <QTimeZone>

#include <libical/ical.h>

#include <memory>

namespace TakvimDosyası {

namespace {
QString metinAlanı(const QVariant& v) {
    return v.isValid() ? v.toString() : QString();
}

struct BileşenSil {
    void operator()(icalcomponent* b) const { icalcomponent_free(b); }
};
using Bileşen = std::unique_ptr<icalcomponent, BileşenSil>;

icaltimetype icalZamanı(const QDate& tarih, const QTime& saat) {
    icaltimetype t = icaltime_null_time();
    t.year = tarih.year();
    t.month = tarih.month();
    t.day = tarih.day();
    t.hour = saat.hour();
    t.minute = saat.minute();
    t.second = saat.second();
    t.is_date = 0;
    return t;
}

void metinEkle(icalcomponent* olay, icalproperty* (*yeni)(const char*), const QString& değer) {
    if (!değer.isEmpty())
        icalcomponent_add_property(olay, yeni(değer.toUtf8().constData()));
}
} // namespace

QList<İş> oku(Veritabanı& vt, const QList<qint32>& numaralar) {
    QList<İş> işler;
    for (const qint32 no : numaralar) {
        auto küme = vt.OpenRecordset(Deyim::J8(no));
        if (!küme->Eof()) {
            İş iş;
            iş.isNo = no;
            iş.tarih = küme->alan(QStringLiteral("IsinTarihi")).toDate();
            iş.saat = küme->alan(QStringLiteral("IsinSaati")).toTime();
            iş.konu = metinAlanı(küme->alan(QStringLiteral("IsinKonusu")));
            iş.yer = metinAlanı(küme->alan(QStringLiteral("IsinYeri")));
            iş.sayı = metinAlanı(küme->alan(QStringLiteral("IsinSayisi")));
            iş.açıklama = metinAlanı(küme->alan(QStringLiteral("Aciklama")));
            iş.hatırlatma = küme->alan(QStringLiteral("Hatirlatma")).toBool();
            iş.yapıldı = küme->alan(QStringLiteral("IsYapildi")).toBool();
            işler.append(std::move(iş));
        }
        küme->Close();
    }
    return işler;
}

QString kimlik(qint32 isNo, const QString& veritabanıKimliği) {
    return QString::number(isNo) + u'-' + veritabanıKimliği + QStringLiteral("@tarvela");
}

QString yerelSaatDilimi() {
    return QString::fromUtf8(QTimeZone::systemTimeZoneId());
}

QByteArray metin(const QList<İş>& işler, const QString& veritabanıKimliği,
                 const QString& saatDilimi, const QDateTime& damga) {
    Bileşen takvim(icalcomponent_new_vcalendar());
    icalcomponent* t = takvim.get();
    icalcomponent_add_property(t, icalproperty_new_version("2.0"));
    icalcomponent_add_property(t, icalproperty_new_prodid("-//Selvane//Tarvela//TR"));
    icalcomponent_add_property(t, icalproperty_new_method(ICAL_METHOD_PUBLISH));

    // The zone's rules go into the file, so that a calendar in another zone shows the right
    // hour and daylight-saving changes fall where they should.
    icaltimezone* bölge = nullptr;
    const QByteArray bölgeAdı = saatDilimi.toUtf8();
    if (!bölgeAdı.isEmpty() && bölgeAdı != "UTC")
        bölge = icaltimezone_get_builtin_timezone(bölgeAdı.constData());
    if (bölge) {
        if (icalcomponent* tanım = icaltimezone_get_component(bölge)) {
            // Named by the plain IANA name, which calendars also know by themselves (the
            // library's own prefix would leave them with the VTIMEZONE alone).
            icalcomponent* kopya = icalcomponent_new_clone(tanım);
            if (icalproperty* ad = icalcomponent_get_first_property(kopya, ICAL_TZID_PROPERTY))
                icalproperty_set_tzid(ad, bölgeAdı.constData());
            icalcomponent_add_component(t, kopya);
        } else {
            bölge = nullptr;
        }
    }
    const QTimeZone qBölge(bölgeAdı);

    icaltimetype zamanDamgası =
        icaltime_from_timet_with_zone(damga.toSecsSinceEpoch(), 0, icaltimezone_get_utc_timezone());

    for (const İş& iş : işler) {
        icalcomponent* olay = icalcomponent_new_vevent();
        icalcomponent_add_property(
            olay, icalproperty_new_uid(kimlik(iş.isNo, veritabanıKimliği).toUtf8().constData()));
        icalcomponent_add_property(olay, icalproperty_new_dtstamp(zamanDamgası));

        const icaltimetype başlangıç = icalZamanı(iş.tarih, iş.saat);
        icalproperty* başla = nullptr;
        if (bölge) {
            başla = icalproperty_new_dtstart(başlangıç);
            icalproperty_add_parameter(başla, icalparameter_new_tzid(bölgeAdı.constData()));
        } else {
            // Without a known zone the moment is written in UTC, so that it stays exact.
            const QDateTime yerel(iş.tarih, iş.saat,
                                  qBölge.isValid() ? qBölge : QTimeZone::systemTimeZone());
            başla = icalproperty_new_dtstart(icaltime_from_timet_with_zone(
                yerel.toSecsSinceEpoch(), 0, icaltimezone_get_utc_timezone()));
        }
        icalcomponent_add_property(olay, başla);

        metinEkle(olay, icalproperty_new_summary, iş.konu);
        metinEkle(olay, icalproperty_new_location, iş.yer);
        QStringList açıklama;
        if (!iş.sayı.isEmpty())
            açıklama << QStringLiteral("Sayısı: ") + iş.sayı;
        if (!iş.açıklama.isEmpty())
            açıklama << iş.açıklama;
        metinEkle(olay, icalproperty_new_description, açıklama.join(u'\n'));

        if (iş.hatırlatma && !iş.yapıldı) {
            icalcomponent* alarm = icalcomponent_new_valarm();
            icalcomponent_add_property(alarm, icalproperty_new_action(ICAL_ACTION_DISPLAY));
            icaltriggertype tetik;
            tetik.time = icaltime_null_time();
            tetik.duration = icaldurationtype_null_duration();
            icalcomponent_add_property(alarm, icalproperty_new_trigger(tetik));
            // A display alarm must carry a text; the subject, or a plain word without one.
            const QString yazı = iş.konu.isEmpty() ? QStringLiteral("Hatırlatma") : iş.konu;
            icalcomponent_add_property(alarm,
                                       icalproperty_new_description(yazı.toUtf8().constData()));
            icalcomponent_add_component(olay, alarm);
        }
        icalcomponent_add_component(t, olay);
    }

    char* yazı = icalcomponent_as_ical_string_r(t);
    QByteArray sonuç(yazı);
    icalmemory_free_buffer(yazı);
    return sonuç;
}

bool yaz(const QString& yol, const QByteArray& metin, QString* hata) {
    using KullanıcıDosyası::Sonuç;
    return KullanıcıDosyası::yaz(
               yol,
               [&](QIODevice& aygıt) {
                   return aygıt.write(metin) == metin.size() ? Sonuç::Yazıldı : Sonuç::Yazılamadı;
               },
               hata) == Sonuç::Yazıldı;
}

} // namespace TakvimDosyası
