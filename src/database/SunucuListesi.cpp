#include "database/SunucuListesi.h"

#include "settings/AyarDeposu.h"
#include "settings/AyarTablosu.h"

namespace SunucuAdresi {

bool adresMi(const QString& giriş) {
    return giriş.startsWith(QLatin1String("postgresql://"), Qt::CaseInsensitive) ||
           giriş.startsWith(QLatin1String("postgres://"), Qt::CaseInsensitive);
}

namespace {
QString çöz(QStringView kodlu) {
    return QString::fromUtf8(QByteArray::fromPercentEncoding(kodlu.toUtf8()));
}
} // namespace

Ayrılmış parolayıAyır(const QString& adres) {
    if (!adresMi(adres))
        return {adres, QString()};
    Ayrılmış sonuç;
    const qsizetype başı = adres.indexOf(QLatin1String("://")) + 3;
    // libpq reads user details up to the first "@" before any "/".
    qsizetype son = başı;
    while (son < adres.size() && adres.at(son) != u'@' && adres.at(son) != u'/')
        ++son;
    QString kalan = adres;
    if (son < adres.size() && adres.at(son) == u'@') {
        const QStringView kullanıcı = QStringView(adres).mid(başı, son - başı);
        const qsizetype iki = kullanıcı.indexOf(u':');
        if (iki >= 0) {
            sonuç.parola = çöz(kullanıcı.mid(iki + 1));
            const QStringView ad = kullanıcı.left(iki);
            // With no user name left, the "@" goes too.
            kalan = adres.left(başı) + (ad.isEmpty() ? QString() : ad.toString() + u'@') +
                    adres.mid(son + 1);
        }
    }
    const qsizetype soru = kalan.indexOf(u'?');
    if (soru >= 0) {
        QStringList kalanlar;
        for (const QString& parça : kalan.mid(soru + 1).split(u'&', Qt::SkipEmptyParts)) {
            const qsizetype eşit = parça.indexOf(u'=');
            if (eşit >= 0 && çöz(QStringView(parça).left(eşit)) == QLatin1String("password"))
                sonuç.parola = çöz(QStringView(parça).mid(eşit + 1));
            else
                kalanlar << parça;
        }
        kalan = kalan.left(soru) + (kalanlar.isEmpty() ? QString() : u'?' + kalanlar.join(u'&'));
    }
    sonuç.adres = kalan;
    return sonuç;
}

} // namespace SunucuAdresi

QString VeritabanıDosyası(const QString& klasör) {
    if (SunucuAdresi::adresMi(klasör))
        return klasör;
    // A root folder ("/", "C:/") already ends in a separator.
    if (klasör.endsWith(QLatin1Char('/')) || klasör.endsWith(QLatin1Char('\\')))
        return klasör + QStringLiteral("Lodra.vtb");
    return klasör + QStringLiteral("/Lodra.vtb");
}

QString SunucuAnahtarı(int sıra) {
    return QStringLiteral("Sunucu-") + QString::number(sıra);
}

SunucuListesi SunucuListesi::yükle() {
    SunucuListesi liste;
    for (const auto& [anahtar, değer] : AyarDeposu::GetAllSettings(Bölüm::Sunucular)) {
        liste.anahtarlar_.append(anahtar);
        liste.klasörler_.append(değer);
    }
    return liste;
}

QString SunucuListesi::klasör(int konum) const {
    return konum >= 0 && konum < sayı() ? klasörler_.at(konum) : QString();
}

int SunucuListesi::kullanılacakKonum() const {
    const int konum = ayarSayıOku(Ayar::Veritabanı);
    // A negative position would point before the list; it is as invalid as one past the end.
    return konum >= sayı() || konum < 0 ? 0 : konum;
}

int SunucuListesi::seçilecekKonum() const {
    if (boşMu())
        return -1;
    const int konum = ayarSayıOku(Ayar::Veritabanı);
    return konum >= 0 && konum < sayı() ? konum : -1;
}

int SunucuListesi::bul(const QString& klasör) const {
    const Qt::CaseSensitivity kip =
        SunucuAdresi::adresMi(klasör) ? Qt::CaseSensitive : Qt::CaseInsensitive;
    for (int i = 0; i < sayı(); ++i)
        if (klasörler_.at(i).compare(klasör, kip) == 0)
            return i;
    return -1;
}

int SunucuListesi::ekle(const QString& klasör) {
    const bool sıralı = anahtarlarSıralıMı();
    klasörler_.append(klasör);
    // The store lists the keys in numeric order: a new key numbered n+1 among keys with
    // gaps would not come last, and positions would point at other folders.
    if (sıralı) {
        anahtarlar_.append(SunucuAnahtarı(sayı()));
        AyarDeposu::SaveSetting(Bölüm::Sunucular, anahtarlar_.last(), klasör);
    } else {
        hepsiniYaz();
    }
    return sayı() - 1;
}

bool SunucuListesi::anahtarlarSıralıMı() const {
    for (int i = 0; i < anahtarlar_.size(); ++i)
        if (anahtarlar_.at(i) != SunucuAnahtarı(i + 1))
            return false;
    return anahtarlar_.size() == klasörler_.size();
}

void SunucuListesi::anahtarlarıDüzelt() {
    if (!anahtarlarSıralıMı())
        hepsiniYaz();
}

int SunucuListesi::yeniSunucuSeç(const QString& klasör) {
    const int bulunan = bul(klasör);
    if (sayı() < EnÇokGiriş) {
        if (bulunan >= 0)
            return bulunan;
        return ekle(klasör);
    }
    if (sayı() == EnÇokGiriş && bulunan < 0) {
        klasörler_.removeAt(EnÇokGiriş - 1);
        klasörler_.append(klasör);
        hepsiniYaz();
    }
    return sayı() - 1;
}

void SunucuListesi::değiştir(int konum, const QString& giriş) {
    if (konum < 0 || konum >= sayı())
        return;
    klasörler_[konum] = giriş;
    if (anahtarlarSıralıMı())
        AyarDeposu::SaveSetting(Bölüm::Sunucular, anahtarlar_.at(konum), giriş);
    else
        hepsiniYaz();
}

void SunucuListesi::unut() {
    if (!AyarDeposu::GetAllSettings(Bölüm::Sunucular).isEmpty())
        AyarDeposu::DeleteSetting(Bölüm::Sunucular);
    klasörler_.clear();
    anahtarlar_.clear();
}

void SunucuListesi::hepsiniYaz() {
    // Removing the section first leaves no stale key beside the numbers 1..n.
    AyarDeposu::DeleteSetting(Bölüm::Sunucular);
    anahtarlar_.clear();
    for (int i = 0; i < sayı(); ++i) {
        anahtarlar_.append(SunucuAnahtarı(i + 1));
        AyarDeposu::SaveSetting(Bölüm::Sunucular, anahtarlar_.last(), klasörler_.at(i));
    }
}
