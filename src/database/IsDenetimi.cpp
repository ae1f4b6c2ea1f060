#include "database/IsDenetimi.h"

#include "controls/Hata.h"
#include "controls/TarihBicimi.h"
#include "database/Deyimler.h"
#include "database/Klasorler.h"
#include "database/Veritabani.h"

namespace İşDenetimi {

std::optional<İşSatırı> oku(Veritabanı& vt, qint32 isNo) {
    auto k = vt.OpenRecordset(Deyim::J8(isNo));
    if (k->Eof())
        return std::nullopt;
    const auto metin = [&](const char* ad) { return k->alan(QString::fromLatin1(ad)).toString(); };
    İşSatırı s;
    s.tarih = TarihBiçimi::kısa(k->alan(QStringLiteral("IsinTarihi")).toDate());
    s.saat = TarihBiçimi::saat(k->alan(QStringLiteral("IsinSaati")).toTime());
    s.konu = metin("IsinKonusu");
    s.yer = metin("IsinYeri");
    s.sayı = metin("IsinSayisi");
    s.açıklama = metin("Aciklama");
    s.isNo = QString::number(k->alan(QStringLiteral("IsNo")).toLongLong());
    s.simge = işSimgesi(k->alan(QStringLiteral("IsYapildi")).toBool(),
                        k->alan(QStringLiteral("Hatirlatma")).toBool());
    s.anahtar = metin("Anahtari");
    k->Close();
    return s;
}

bool gösterildiğiGibiMi(const İşSatırı& g, const İşSatırı& d) {
    return g.tarih == d.tarih && g.saat == d.saat && g.konu == d.konu && g.yer == d.yer &&
           g.sayı == d.sayı && g.açıklama == d.açıklama && g.isNo == d.isNo && g.simge == d.simge &&
           (g.anahtar.isEmpty() || g.anahtar == d.anahtar);
}

QString silinmişMesajı() {
    return QStringLiteral("Bu iş, başka bir bilgisayardan silinmiş! Liste yenilendi.");
}

QString değişmişMesajı(const İşSatırı& dosyada) {
    if (dosyada.simge == 3)
        return QStringLiteral("Bu iş, başka bir bilgisayarda YAPILDI olarak işaretlenmiş! "
                              "Değişikliğiniz kaydedilmedi; liste yenilendi.");
    return QStringLiteral("Bu iş, listelendikten sonra başka bir bilgisayarda değiştirilmiş! "
                          "Değişikliğiniz kaydedilmedi; lütfen, yenilenen listeye bakıp tekrar "
                          "deneyiniz.");
}

void yaz(Veritabanı& vt, const İşSatırı& gösterilen, const QString& deyim,
         const QString& hedefKlasör) {
    vt.işlem([&] {
        if (!hedefKlasör.isEmpty())
            Klasörler::varOlmalı(vt, hedefKlasör);
        const auto dosyada = oku(vt, gösterilen.isNo.toInt());
        if (!dosyada)
            throw Reddedilen(VeritabanıHataNo::KayıtSilinmiş, silinmişMesajı());
        if (!gösterildiğiGibiMi(gösterilen, *dosyada))
            throw Reddedilen(VeritabanıHataNo::VeriDeğişti, değişmişMesajı(*dosyada));
        if (vt.Execute(deyim) != 1)
            throw Reddedilen(VeritabanıHataNo::VeriDeğişti, değişmişMesajı(*dosyada));
    });
}

} // namespace İşDenetimi
