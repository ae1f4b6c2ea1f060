#include "about/HakkindaMetinleri.h"

#include "settings/ProgramDegerleri.h"

#include <QUrlQuery>

namespace HakkındaMetinleri {

QString sürümYazısı(int ana, int alt, int düzeltme) {
    return QStringLiteral("Sürüm ") + sürümMetni(ana, alt, düzeltme);
}

QString buSürümünYazısı() {
    return sürümYazısı(TARVELA_SURUM_ANA, TARVELA_SURUM_ALT, TARVELA_SURUM_DUZELTME);
}

QUrl yapımcıSitesi() {
    return QUrl(QStringLiteral("https://www.selvane.com.tr/"));
}

QUrl hataBildirmeSayfası() {
    QUrl adres(QStringLiteral("https://www.selvane.com.tr/asp/mesaj/mesaj.asp"));
    QUrlQuery sorgu;
    sorgu.addQueryItem(QStringLiteral("ProgramAdi"), ÜrünAdı);
    adres.setQuery(sorgu);
    return adres;
}

QUrl ePostaAdresi() {
    return QUrl(QStringLiteral("mailto:") + DestekAdresi);
}

QString baytSınırında(const QString& metin, int baytSayısı) {
    int bayt = 0;
    qsizetype i = 0;
    while (i < metin.size()) {
        const char32_t kod = metin.at(i).isHighSurrogate() && i + 1 < metin.size()
                                 ? QChar::surrogateToUcs4(metin.at(i), metin.at(i + 1))
                                 : metin.at(i).unicode();
        const int uzunluk = kod < 0x80 ? 1 : kod < 0x800 ? 2 : kod < 0x10000 ? 3 : 4;
        if (bayt + uzunluk > baytSayısı)
            break;
        bayt += uzunluk;
        i += kod >= 0x10000 ? 2 : 1;
    }
    return metin.left(i);
}

} // namespace HakkındaMetinleri
