#include "lists/IsListeleri.h"

#include "database/Deyimler.h"

namespace İşListeleri {

QString deyim(Seçim seçim, const QDate& tarih) {
    switch (seçim) {
    case Seçim::Bugünkü:
    case Seçim::SeçilenTarihteki:
        return Deyim::J13(Deyim::Liste::Tarihteki, tarih);
    case Seçim::GünüGeçen:
        return Deyim::J13(Deyim::Liste::Gecikenler, tarih);
    case Seçim::Yapılmış:
        return Deyim::J13(Deyim::Liste::Yapılanlar, tarih);
    case Seçim::Tüm:
        break;
    }
    return Deyim::J13(Deyim::Liste::Hepsi, tarih);
}

QString başlık(Seçim seçim, int sayı, const QString& tarihMetni) {
    QString ad;
    switch (seçim) {
    case Seçim::Bugünkü:
        ad = QStringLiteral("Bugün Yapılacak İşleriniz");
        break;
    case Seçim::GünüGeçen:
        ad = QStringLiteral("Günü Geçen İşleriniz");
        break;
    case Seçim::SeçilenTarihteki:
        ad = tarihMetni + QStringLiteral(" Tarihinde Yapılacak İşleriniz");
        break;
    case Seçim::Yapılmış:
        ad = QStringLiteral("Yapılmış İşleriniz");
        break;
    case Seçim::Tüm:
        ad = QStringLiteral("Tüm İşleriniz");
        break;
    }
    return ad + QStringLiteral(" (Toplam: ") + QString::number(sayı) + QStringLiteral(")");
}

QString boşMesajı(Seçim seçim, const QString& tarihMetni) {
    switch (seçim) {
    case Seçim::Bugünkü:
        return QStringLiteral("Bugün yapılacak işiniz bulunmuyor!");
    case Seçim::GünüGeçen:
        return QStringLiteral("Günü geçen işiniz bulunmuyor!");
    case Seçim::SeçilenTarihteki:
        return tarihMetni + QStringLiteral(" tarihinde yapılacak işiniz bulunmuyor!");
    case Seçim::Yapılmış:
        return QStringLiteral("Yapılmış İşiniz bulunmuyor!");
    case Seçim::Tüm:
        break;
    }
    return QStringLiteral("Eklenmiş hiçbir işiniz bulunmuyor!");
}

} // namespace İşListeleri
