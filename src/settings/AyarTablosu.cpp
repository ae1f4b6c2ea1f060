#include "settings/AyarTablosu.h"

#include "controls/Hata.h"
#include "settings/AyarDeposu.h"
#include "settings/ProgramDegerleri.h"

#include <array>

namespace {
// Table of every single-valued key with its stored default.
constexpr std::array<AyarTanımı, 23> Tablo{{
    {Ayar::GirişlerSaklansın, "Ayarlar", "Girisler Saklansin", "1"},
    {Ayar::SaklanacakGirişSayısı, "Ayarlar", "Saklanacak Giris Sayisi", "3"},
    {Ayar::İlkHarflerBüyük, "Ayarlar", "Ilk Harfler Buyuk", "1"},
    {Ayar::OtomatikBaşlasın, "Ayarlar", "Otomatik Baslasin", "1"},
    {Ayar::ArkaplandaÇalışsın, "Ayarlar", "Arkaplanda Calissin", "1"},
    {Ayar::SesliUyarıBilgisi, "Ayarlar", "Sesli Uyari Bilgisi", "1"},
    {Ayar::SesDosyasıAdı, "Ayarlar", "Ses Dosyası Adı", "Alarm.wav"},
    {Ayar::SesDosyasıYolu, "Ayarlar", "Ses Dosyası Yolu", ""},
    {Ayar::HatırlatmaEnÜstte, "Ayarlar", "Hatirlatma En Ustte", "1"},
    {Ayar::GirişŞifresiSor, "Ayarlar", "Giris Sifresi Sor", "0"},
    {Ayar::GirişŞifresi, "Ayarlar", "Giris Sifresi", ""},
    {Ayar::Veritabanı, "Ayarlar", "Veritabani", "0"},
    {Ayar::BaşlamaKonumu, "Ayarlar", "Baslama Konumu", "1"},
    {Ayar::Yükseklik, "Ayarlar", "Yukseklik", ""},
    {Ayar::Genişlik, "Ayarlar", "Genislik", ""},
    {Ayar::ÜstBoşluk, "Ayarlar", "Ust Bosluk", ""},
    {Ayar::SolBoşluk, "Ayarlar", "Sol Bosluk", ""},
    {Ayar::AyrıntıGöster, "Ayarlar", "Ayrinti Goster", "1"},
    // Reminders that came due while the program was not running are shown at the next check.
    {Ayar::KaçırılanHatırlatmalar, "Ayarlar", "Kacirilan Hatirlatmalar", "1"},
    // The moment of this computer's last reminder check (yyyy-MM-ddTHH:mm:ss), empty before
    // the first one.
    {Ayar::SonHatırlatmaDenetimi, "Ayarlar", "Son Hatirlatma Denetimi", ""},
    // The morning summary of the coming jobs, and how many working days after today it covers.
    {Ayar::SabahÖzeti, "Ayarlar", "Sabah Ozeti", "1"},
    {Ayar::SabahÖzetiGünSayısı, "Ayarlar", "Sabah Ozeti Gun Sayisi", "3"},
    // The day (yyyy-MM-dd) on which the morning summary was last shown.
    {Ayar::SonSabahÖzeti, "Ayarlar", "Son Sabah Ozeti", ""},
}};
} // namespace

const AyarTanımı& ayarTanımı(Ayar ayar) {
    for (const auto& t : Tablo)
        if (t.ayar == ayar)
            return t;
    throw Hata(HataNo::Beklenmeyen, QStringLiteral("Tanımsız ayar"));
}

QString ayarOku(Ayar ayar, const QString& varsayılan) {
    const auto& t = ayarTanımı(ayar);
    return AyarDeposu::GetSetting(QString::fromUtf8(t.bölüm), QString::fromUtf8(t.anahtar),
                                  varsayılan);
}

QString ayarOku(Ayar ayar) {
    if (ayar == Ayar::SesDosyasıYolu)
        return ayarOku(ayar, program().programKlasörü);
    return ayarOku(ayar, QString::fromUtf8(ayarTanımı(ayar).varsayılan));
}

int sayıyaÇevir(const QString& metin, const QString& ne) {
    bool tamam = false;
    const int değer = metin.trimmed().toInt(&tamam);
    if (!tamam)
        throw Hata(
            HataNo::GeçersizSayı,
            QStringLiteral("Tür uyuşmazlığı: \"%1\" değeri (%2) bir sayı değil.").arg(metin, ne));
    return değer;
}

int ayarSayıOku(Ayar ayar) {
    return sayıyaÇevir(ayarOku(ayar), QString::fromUtf8(ayarTanımı(ayar).anahtar));
}

int ayarSayıOku(Ayar ayar, int varsayılan) {
    return sayıyaÇevir(ayarOku(ayar, QString::number(varsayılan)),
                       QString::fromUtf8(ayarTanımı(ayar).anahtar));
}

bool ayarBayrakOku(Ayar ayar) {
    const QString metin = ayarOku(ayar).trimmed();
    if (metin.compare(QStringLiteral("True"), Qt::CaseInsensitive) == 0)
        return true;
    if (metin.isEmpty() || metin.compare(QStringLiteral("False"), Qt::CaseInsensitive) == 0)
        return false;
    return sayıyaÇevir(metin, QString::fromUtf8(ayarTanımı(ayar).anahtar)) != 0;
}

void ayarYaz(Ayar ayar, const QString& değer) {
    const auto& t = ayarTanımı(ayar);
    AyarDeposu::SaveSetting(QString::fromUtf8(t.bölüm), QString::fromUtf8(t.anahtar), değer);
}

void ayarYaz(Ayar ayar, int değer) {
    ayarYaz(ayar, QString::number(değer));
}
