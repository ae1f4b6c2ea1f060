#include "jobentry/KayitDenetimi.h"

namespace KayıtDenetimi {

QList<Uyarı> uyarılar(const Girdi& g) {
    QList<Uyarı> sonuç;
    if (!g.tarih.isValid()) {
        sonuç.append({false, QStringLiteral("Lütfen, işin TARİHİNİ giriniz!"), Kutu::Tarih});
        return sonuç;
    }
    if (g.tarih < g.bugün && !g.yapıldı)
        sonuç.append(
            {true, QStringLiteral("GEÇMİŞ TARİHLİ iş girmek istiyor musunuz?"), Kutu::Tarih});
    if (g.saat < 0) {
        sonuç.append({false, QStringLiteral("Lütfen, işin SAATİNİ giriniz!"), Kutu::Saat});
        return sonuç;
    }
    // Seconds count: a job at 10:15 entered at 10:15:30 lies in the past.
    const QTime şimdi(g.şimdi.hour(), g.şimdi.minute(), g.şimdi.second());
    if (g.tarih == g.bugün && !g.yapıldı && QTime(g.saat, qMax(0, g.dakika), 0) < şimdi)
        sonuç.append(
            {true, QStringLiteral("GEÇMİŞ ZAMANLI iş girmek istiyor musunuz?"), Kutu::Saat});
    if (g.konu.trimmed().isEmpty()) {
        sonuç.append({false, QStringLiteral("Lütfen, işin KONUSUNU giriniz!"), Kutu::Konu});
        return sonuç;
    }
    if (!g.yapıldı && !g.hatırlatma)
        sonuç.append({true,
                      QStringLiteral("'İŞ HATIRLATILSIN' seçeneğini işaretlemezseniz bu iş "
                                     "hatırlatılmaz!\r\n\r\nBu işin hatırlatılmasını "
                                     "istemediğinizden emin misiniz?"),
                      Kutu::Hatırlatma, false});
    return sonuç;
}

} // namespace KayıtDenetimi
