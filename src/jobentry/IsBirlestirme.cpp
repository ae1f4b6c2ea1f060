#include "jobentry/IsBirlestirme.h"

#include "controls/TarihBicimi.h"
#include "database/Veritabani.h"

namespace İşBirleştirme {

namespace {
const char* const Adlar[AlanSayısı] = {"İşin Tarihi", "İşin Saati", "İşin Konusu", "İşin Yeri",
                                       "İşin Sayısı", "Açıklama",   "Hatırlatma",  "Yapıldı"};

QString göster(Alan a, const QString& değer) {
    if (a == Hatırlatma || a == Yapıldı)
        return değer == QLatin1String("1") ? QStringLiteral("Evet") : QStringLiteral("Hayır");
    return u'"' + değer + u'"';
}
} // namespace

Değerler dosyadan(const KayıtKümesi& k) {
    const auto metin = [&](const char* ad) { return k.alan(QString::fromLatin1(ad)).toString(); };
    const auto evet = [&](const char* ad) {
        return k.alan(QString::fromLatin1(ad)).toBool() ? QStringLiteral("1") : QStringLiteral("0");
    };
    return {TarihBiçimi::kısa(k.alan(QStringLiteral("IsinTarihi")).toDate()),
            TarihBiçimi::saat(k.alan(QStringLiteral("IsinSaati")).toTime()).left(5),
            metin("IsinKonusu"),
            metin("IsinYeri"),
            metin("IsinSayisi"),
            metin("Aciklama"),
            evet("Hatirlatma"),
            evet("IsYapildi")};
}

Değerler gösterilenden(const İşSatırı& s, const Değerler& dosyada) {
    return {s.tarih,
            s.saat.left(5),
            s.konu,
            s.yer,
            s.sayı,
            s.açıklama,
            s.simge == 3 ? dosyada[Hatırlatma] : QString::number(s.simge == 1),
            QString::number(s.simge == 3)};
}

QList<Alan> farklar(const Değerler& a, const Değerler& b) {
    QList<Alan> sonuç;
    for (int i = 0; i < AlanSayısı; ++i)
        if (a[i] != b[i])
            sonuç << Alan(i);
    return sonuç;
}

Değerler birleştir(const Değerler& taban, const Değerler& benim, const Değerler& dosyada,
                   bool benimki) {
    Değerler sonuç = benim;
    for (int i = 0; i < AlanSayısı; ++i)
        if (dosyada[i] != taban[i] && (benim[i] == taban[i] || !benimki))
            sonuç[i] = dosyada[i];
    return sonuç;
}

bool çakışmaVar(const Değerler& taban, const Değerler& benim, const Değerler& dosyada) {
    for (Alan a : farklar(taban, dosyada))
        if (benim[a] != taban[a] && benim[a] != dosyada[a])
            return true;
    return false;
}

QString soru(const Değerler& taban, const Değerler& benim, const Değerler& dosyada) {
    QString metin = QStringLiteral("Bu iş, siz pencereyi açtıktan sonra başka bir bilgisayarda "
                                   "değiştirilmiş:\r\n");
    for (Alan a : farklar(taban, dosyada)) {
        metin += QStringLiteral("\r\n%1: %2 yerine %3")
                     .arg(QString::fromUtf8(Adlar[a]), göster(a, taban[a]), göster(a, dosyada[a]));
        if (benim[a] != taban[a] && benim[a] != dosyada[a])
            metin += QStringLiteral(" (sizin girdiğiniz: %1)").arg(göster(a, benim[a]));
    }
    if (!çakışmaVar(taban, benim, dosyada))
        return metin + QStringLiteral("\r\n\r\nBu değişiklikler korunarak sizin değişiklikleriniz "
                                      "de kaydedilsin mi?\r\n(Hayır: hiçbir şey kaydedilmeden "
                                      "pencereye dönülür.)");
    return metin + QStringLiteral("\r\n\r\nYalnız bir tarafta değişen alanlar korunur. İki "
                                  "tarafta da değişen alanlar için:\r\nEvet: sizin girdikleriniz "
                                  "kaydedilsin.\r\nHayır: diğer bilgisayardaki kalsın.\r\nİptal: "
                                  "hiçbir şey kaydedilmeden pencereye dönülsün.");
}

} // namespace İşBirleştirme
