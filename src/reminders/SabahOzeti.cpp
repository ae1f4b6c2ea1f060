#include "reminders/SabahOzeti.h"

#include "controls/TarihBicimi.h"
#include "database/Deyimler.h"
#include "database/Veritabani.h"
#include "deadline/TatilTakvimi.h"

namespace SabahÖzeti {

QDate sonGün(const QDate& bugün, int işGünü, const TatilTakvimi& takvim) {
    QDate gün = bugün;
    for (int sayılan = 0; sayılan < işGünü;) {
        gün = gün.addDays(1);
        if (takvim.işGünüMü(gün))
            ++sayılan;
    }
    return gün;
}

bool gerekliMi(const QDate& sonGösterilen, const QDate& bugün) {
    return !sonGösterilen.isValid() || sonGösterilen < bugün;
}

QList<İşSatırı> işler(Veritabanı& vt, const QDate& ilk, const QDate& son) {
    auto metin = [](const QVariant& v) { return v.isValid() ? v.toString() : QString(); };
    QList<İşSatırı> satırlar;
    auto küme = vt.OpenRecordset(
        QStringLiteral("SELECT * FROM YapilacakIslerTablosu WHERE IsinTarihi >= ") +
        Deyim::tarihLiterali(ilk) + QStringLiteral(" AND IsinTarihi <= ") +
        Deyim::tarihLiterali(son) +
        QStringLiteral(" AND IsYapildi= False ORDER BY IsinTarihi, IsinSaati"));
    const int tarihNo = küme->alanNo(QStringLiteral("IsinTarihi"));
    const int saatNo = küme->alanNo(QStringLiteral("IsinSaati"));
    const int konuNo = küme->alanNo(QStringLiteral("IsinKonusu"));
    const int yerNo = küme->alanNo(QStringLiteral("IsinYeri"));
    const int sayıNo = küme->alanNo(QStringLiteral("IsinSayisi"));
    const int açıklamaNo = küme->alanNo(QStringLiteral("Aciklama"));
    const int isNoNo = küme->alanNo(QStringLiteral("IsNo"));
    const int hatırlatmaNo = küme->alanNo(QStringLiteral("Hatirlatma"));
    const int anahtarNo = küme->alanNo(QStringLiteral("Anahtari"));
    while (!küme->Eof()) {
        İşSatırı s;
        s.tarih = TarihBiçimi::kısa(küme->alan(tarihNo).toDate());
        s.saat = TarihBiçimi::saat(küme->alan(saatNo).toTime());
        s.konu = metin(küme->alan(konuNo));
        s.yer = metin(küme->alan(yerNo));
        s.sayı = metin(küme->alan(sayıNo));
        s.açıklama = metin(küme->alan(açıklamaNo));
        s.isNo = QString::number(küme->alan(isNoNo).toLongLong());
        s.simge = işSimgesi(false, küme->alan(hatırlatmaNo).toBool());
        s.anahtar = metin(küme->alan(anahtarNo));
        satırlar.append(std::move(s));
        küme->MoveNext();
    }
    küme->Close();
    return satırlar;
}

QString başlık(const QDate& ilk, const QDate& son, int işSayısı) {
    const QString aralık =
        ilk == son ? TarihBiçimi::uzun(ilk)
                   : TarihBiçimi::uzun(ilk) + QStringLiteral(" - ") + TarihBiçimi::uzun(son);
    return QStringLiteral("Yaklaşan İşler (") + aralık + QStringLiteral("): ") +
           QString::number(işSayısı) + QStringLiteral(" adet iş");
}

} // namespace SabahÖzeti
