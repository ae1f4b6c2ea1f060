#include "lists/CupsKuyrugu.h"

#ifdef TARVELA_CUPS
#include <cups/cups.h>
#endif

namespace CupsKuyruğu {
#ifdef TARVELA_CUPS
QHash<QString, QString> aygıtAdresleri() {
    QHash<QString, QString> adresler;
    cups_dest_t* kuyruklar = nullptr;
    const int sayı = cupsGetDests2(CUPS_HTTP_DEFAULT, &kuyruklar);
    for (int i = 0; i < sayı; ++i) {
        const cups_dest_t& k = kuyruklar[i];
        if (k.instance)
            continue;
        if (const char* adres = cupsGetOption("device-uri", k.num_options, k.options))
            adresler.insert(QString::fromLocal8Bit(k.name), QString::fromUtf8(adres));
    }
    cupsFreeDests(sayı, kuyruklar);
    return adresler;
}

QString gönder(const QString& kuyruk, const QString& pdfDosyası, const QString& işAdı,
               const QString& kağıt) {
    cups_option_t* seçenekler = nullptr;
    int seçenekSayısı = 0;
    if (!kağıt.isEmpty())
        seçenekSayısı =
            cupsAddOption("media", kağıt.toUtf8().constData(), seçenekSayısı, &seçenekler);
    // A queue name may carry an instance after a slash; the job goes to the queue itself.
    const QByteArray ad = kuyruk.section(u'/', 0, 0).toLocal8Bit();
    const int iş =
        cupsPrintFile2(CUPS_HTTP_DEFAULT, ad.constData(), pdfDosyası.toLocal8Bit().constData(),
                       işAdı.toUtf8().constData(), seçenekSayısı, seçenekler);
    cupsFreeOptions(seçenekSayısı, seçenekler);
    if (iş > 0)
        return QString();
    const QString neden = QString::fromUtf8(cupsLastErrorString());
    return neden.isEmpty() ? QStringLiteral("Yazdırma sistemi işi kabul etmedi.") : neden;
}

bool kullanılabilir() {
    return true;
}
#else
QHash<QString, QString> aygıtAdresleri() {
    return {};
}
QString gönder(const QString&, const QString&, const QString&, const QString&) {
    return QStringLiteral("Yazdırma sistemi yok.");
}
bool kullanılabilir() {
    return false;
}
#endif
} // namespace CupsKuyruğu
