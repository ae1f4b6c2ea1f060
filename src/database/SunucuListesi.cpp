#include "database/SunucuListesi.h"

#include "settings/AyarDeposu.h"
#include "settings/AyarTablosu.h"

QString VeritabanıDosyası(const QString& klasör) {
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
    for (int i = 0; i < sayı(); ++i)
        if (klasörler_.at(i).compare(klasör, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

int SunucuListesi::ekle(const QString& klasör) {
    klasörler_.append(klasör);
    const QString anahtar = SunucuAnahtarı(sayı());
    // Keys with gaps (edited by hand) would let the new key overwrite a stored folder.
    if (anahtarlar_.contains(anahtar, Qt::CaseInsensitive)) {
        hepsiniYaz();
    } else {
        anahtarlar_.append(anahtar);
        AyarDeposu::SaveSetting(Bölüm::Sunucular, anahtar, klasör);
    }
    return sayı() - 1;
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
