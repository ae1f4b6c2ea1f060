#pragma once

#include <QString>

// Every single-valued setting of the program, with its section, key and default.
enum class Ayar {
    GirişlerSaklansın,
    SaklanacakGirişSayısı,
    İlkHarflerBüyük,
    OtomatikBaşlasın,
    ArkaplandaÇalışsın,
    SesliUyarıBilgisi,
    SesDosyasıAdı,
    SesDosyasıYolu,
    HatırlatmaEnÜstte,
    GirişŞifresiSor,
    GirişŞifresi,
    Veritabanı,
    BaşlamaKonumu,
    Yükseklik,
    Genişlik,
    ÜstBoşluk,
    SolBoşluk,
    AyrıntıGöster,
    KaçırılanHatırlatmalar,
    SonHatırlatmaDenetimi,
    SabahÖzeti,
    SabahÖzetiGünSayısı,
    SonSabahÖzeti,
};

struct AyarTanımı {
    Ayar ayar;
    const char* bölüm;
    const char* anahtar;
    // The default as stored text; empty where the reader computes it (the sound folder, the
    // window geometry) or where the default is the empty text.
    const char* varsayılan;
};

const AyarTanımı& ayarTanımı(Ayar ayar);

// Sections holding lists of keys.
namespace Bölüm {
inline const QString Ayarlar = QStringLiteral("Ayarlar");
inline const QString Sunucular = QStringLiteral("Sunucular");
inline const QString Liste1 = QStringLiteral("Listeler\\Liste-1");
inline const QString Liste2 = QStringLiteral("Listeler\\Liste-2");
inline const QString Liste3 = QStringLiteral("Listeler\\Liste-3");
inline const QString GirişBilgileri = QStringLiteral("Yapilacak Is Bilgileri");
inline const QString Konular = QStringLiteral("Yapilacak Is Bilgileri\\Konular");
inline const QString Yerler = QStringLiteral("Yapilacak Is Bilgileri\\Yerler");
inline const QString Sayılar = QStringLiteral("Yapilacak Is Bilgileri\\Sayilar");
} // namespace Bölüm

// Reads a setting with its table default; the sound folder defaults to the program folder.
QString ayarOku(Ayar ayar);
// Reads a setting with a default the caller computed (window geometry).
QString ayarOku(Ayar ayar, const QString& varsayılan);
// Reads a whole number; a stored text that is not one throws Hata.
int ayarSayıOku(Ayar ayar);
int ayarSayıOku(Ayar ayar, int varsayılan);
// Reads a flag stored as "-1"/"0" (or "True"): any non-zero number and "True" are true.
bool ayarBayrakOku(Ayar ayar);
void ayarYaz(Ayar ayar, const QString& değer);
void ayarYaz(Ayar ayar, int değer);

// Parses a whole number the way every reader of the store does; throws Hata otherwise.
int sayıyaÇevir(const QString& metin, const QString& ne);
