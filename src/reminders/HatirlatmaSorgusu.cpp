#include "reminders/HatirlatmaSorgusu.h"

#include "controls/TarihBicimi.h"
#include "database/Deyimler.h"
#include "database/Veritabani.h"

namespace {
QString metin(const QVariant& değer) {
    return değer.isValid() ? değer.toString() : QString();
}
} // namespace

QList<HatırlatılacakİŞ> hatırlatılacakİşler(Veritabanı& vt, const QDateTime& an) {
    QList<HatırlatılacakİŞ> işler;
    auto küme = vt.OpenRecordset(Deyim::J9(an.date(), an.time()));
    const int tarihNo = küme->alanNo(QStringLiteral("IsinTarihi"));
    const int saatNo = küme->alanNo(QStringLiteral("IsinSaati"));
    const int konuNo = küme->alanNo(QStringLiteral("IsinKonusu"));
    const int yerNo = küme->alanNo(QStringLiteral("IsinYeri"));
    const int sayıNo = küme->alanNo(QStringLiteral("IsinSayisi"));
    const int açıklamaNo = küme->alanNo(QStringLiteral("Aciklama"));
    const int isNoNo = küme->alanNo(QStringLiteral("IsNo"));
    while (!küme->Eof()) {
        HatırlatılacakİŞ iş;
        iş.tarih = küme->alan(tarihNo).toDate();
        iş.isNo = static_cast<qint32>(küme->alan(isNoNo).toLongLong());
        iş.satır.tarih = TarihBiçimi::kısa(iş.tarih);
        iş.satır.saat = TarihBiçimi::saat(küme->alan(saatNo).toTime());
        iş.satır.konu = metin(küme->alan(konuNo));
        iş.satır.yer = metin(küme->alan(yerNo));
        iş.satır.sayı = metin(küme->alan(sayıNo));
        iş.satır.açıklama = metin(küme->alan(açıklamaNo));
        iş.satır.isNo = QString::number(iş.isNo);
        iş.satır.simge = 1;
        işler.append(std::move(iş));
        küme->MoveNext();
    }
    küme->Close();
    return işler;
}

QString sonuçDeyimi(İşSonucu sonuç, qint32 isNo, const QDate& işinTarihi, const QDateTime& an) {
    switch (sonuç) {
    case İşSonucu::Yapıldı:
        return Deyim::J10(isNo);
    case İşSonucu::TekrarHatırlatılmasın:
        return Deyim::J11(isNo);
    case İşSonucu::Ertelendi:
        break;
    }
    const QDateTime sonra = an.addSecs(ErtelemeSaniyesi);
    const QString saat = TarihBiçimi::saat(sonra.time());
    if (sonra.date() == işinTarihi)
        return Deyim::J12(isNo, saat);
    // Past midnight (or with the window left open over midnight) the time alone would name
    // a moment of the wrong day: the date goes with it in the same statement.
    return QStringLiteral("UPDATE YapilacakIslerTablosu SET IsinTarihi=") +
           Deyim::tarihLiterali(sonra.date()) + QStringLiteral(", IsinSaati='") + saat +
           QStringLiteral("' WHERE IsNo=") + QString::number(isNo);
}

QString sayıSatırı(int işSayısı) {
    return QStringLiteral("Aşağıda \"şimdi\" yapmak için planladığınız (") +
           QString::number(işSayısı) + QStringLiteral(") adet iş var!");
}

QString kapatmaSorusu() {
    return QStringLiteral("Şimdi bu pencereyi kapatırsanız listedeki işler (30) saniye sonra "
                          "tekrar hatırlatılacak!\r\nListedeki işleri sonuçlandırmadan çıkmak "
                          "istiyor musunuz?");
}
