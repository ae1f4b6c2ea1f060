#include "reminders/HatirlatmaSorgusu.h"

#include "controls/TarihBicimi.h"
#include "database/Deyimler.h"
#include "database/Veritabani.h"

namespace {
QString metin(const QVariant& değer) {
    return değer.isValid() ? değer.toString() : QString();
}

QList<HatırlatılacakİŞ> kayıtlarıOku(Veritabanı& vt, const QString& deyim) {
    QList<HatırlatılacakİŞ> işler;
    auto küme = vt.OpenRecordset(deyim);
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
        iş.saat = küme->alan(saatNo).toTime();
        iş.satır.saat = TarihBiçimi::saat(iş.saat);
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
} // namespace

QList<HatırlatılacakİŞ> hatırlatılacakİşler(Veritabanı& vt, const QDateTime& an) {
    return kayıtlarıOku(vt, Deyim::J9(an.date(), an.time()));
}

KaçırılanAralık kaçırılanAralığı(const QDateTime& sonDenetim, const QDateTime& an) {
    if (!sonDenetim.isValid() || !an.isValid() || sonDenetim.date() >= an.date())
        return {};
    const QDateTime geceYarısı(an.date(), QTime(0, 0));
    // The check saw every job up to its own minute (the due-job statement drops seconds).
    QDateTime başı(sonDenetim.date(), QTime(sonDenetim.time().hour(), sonDenetim.time().minute()));
    // A job exactly at the limit's midnight is still inside: start a second before it.
    const QDateTime sınır = geceYarısı.addDays(-KaçırılanGünSınırı).addSecs(-1);
    return {qMax(başı, sınır), geceYarısı};
}

QList<HatırlatılacakİŞ> kaçırılanİşler(Veritabanı& vt, const KaçırılanAralık& aralık) {
    if (!aralık.geçerli())
        return {};
    const QString deyim =
        QStringLiteral("SELECT * FROM YapilacakIslerTablosu WHERE IsinTarihi >= ") +
        Deyim::tarihLiterali(aralık.başı.date()) + QStringLiteral(" AND IsinTarihi < ") +
        Deyim::tarihLiterali(aralık.sonu.date()) +
        QStringLiteral(" AND Hatirlatma= True AND IsYapildi= False ORDER BY IsinTarihi, IsinSaati");
    QList<HatırlatılacakİŞ> işler = kayıtlarıOku(vt, deyim);
    // The first day counts only from the minute after the last check on.
    işler.removeIf(
        [&](const HatırlatılacakİŞ& iş) { return QDateTime(iş.tarih, iş.saat) <= aralık.başı; });
    return işler;
}

QDateTime saklanacakDenetimAnı(const QDateTime& an, const QDateTime& ilkBekleyenKaçırılan) {
    if (!ilkBekleyenKaçırılan.isValid())
        return an;
    return qMin(an, ilkBekleyenKaçırılan.addSecs(-60));
}

QString denetimMetni(const QDateTime& an) {
    return an.toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss"));
}

QDateTime denetimAnı(const QString& metin) {
    return QDateTime::fromString(metin.trimmed(), QStringLiteral("yyyy-MM-ddTHH:mm:ss"));
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

QString sayıSatırı(int bugünkü, int kaçırılan) {
    const QString şimdi =
        QStringLiteral("\"şimdi\" yapmak için planladığınız (") + QString::number(bugünkü) + u')';
    if (kaçırılan == 0)
        return QStringLiteral("Aşağıda ") + şimdi + QStringLiteral(" adet iş var!");
    const QString geçen = QStringLiteral("program çalışmıyorken zamanı gelip kaçırdığınız (") +
                          QString::number(kaçırılan) + u')';
    if (bugünkü == 0)
        return QStringLiteral("Aşağıda ") + geçen + QStringLiteral(" adet iş var!");
    return QStringLiteral("Aşağıda ") + geçen + QStringLiteral(" ve ") + şimdi +
           QStringLiteral(" adet iş var!");
}

QString kapatmaSorusu() {
    return QStringLiteral("Şimdi bu pencereyi kapatırsanız listedeki işler (30) saniye sonra "
                          "tekrar hatırlatılacak!\r\nListedeki işleri sonuçlandırmadan çıkmak "
                          "istiyor musunuz?");
}
