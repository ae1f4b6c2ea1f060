// Typed date texts in the user's locale (run once with a Turkish and once with an English
// LANG): whatever reads as a date is written in the short form and read back as the same
// date, and its SQL literal translates to the same ISO date.

#include "controls/Hata.h"
#include "controls/TarihBicimi.h"
#include "database/Deyimler.h"
#include "database/JetCevirici.h"

#include <QDate>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* veri, size_t boyut) {
    const QString metin = QString::fromUtf8(reinterpret_cast<const char*>(veri), qsizetype(boyut));
    const QDate tarih = TarihBiçimi::çöz(metin);
    if (!tarih.isValid())
        return 0;
    const QString kısa = TarihBiçimi::kısa(tarih);
    if (TarihBiçimi::çöz(kısa) != tarih)
        std::abort();
    if (TarihBiçimi::uzun(tarih).isEmpty())
        std::abort();
    const QString deyim = "DELETE FROM T WHERE d = " + Deyim::tarihLiterali(tarih);
    try {
        const QString sql = JetÇevirici::çevir(deyim).sql;
        if (!sql.endsWith("'" + tarih.toString(Qt::ISODate) + "'"))
            std::abort();
    } catch (const Hata&) {
        std::abort();
    }
    return 0;
}
