// LodraVt: makes and looks after the job database file Lodra.vtb.
//
//   LodraVt olustur KLASÖR [--ornek] [--klasor N] [--is N]
//   LodraVt olustur postgresql://...
//   LodraVt ornek KLASÖR|DOSYA [--klasor N] [--is N] [--tohum N]
//   LodraVt denetle KLASÖR|DOSYA|postgresql://...
//   LodraVt tasi KLASÖR|DOSYA postgresql://...
//   LodraVt dizin-ekle KLASÖR|DOSYA
//   LodraVt geri-yukle YEDEK KLASÖR|DOSYA
//   LodraVt anahtar-degistir KLASÖR|DOSYA [--yeni-anahtar-dosyasi DOSYA]

#include "AracAnahtari.h"
#include "controls/Hata.h"
#include "database/BuroAnahtari.h"
#include "database/GizliServisDeposu.h"
#include "database/VeritabaniKurulumu.h"
#include "database/sunucu/SunucuIc.h"
#include "database/sunucu/SunucuKurulumu.h"
#include "database/sunucu/SunucuTasima.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTextStream>

#include <cstdio>

namespace {

QTextStream& çıkış() {
    static QTextStream akış(stdout);
    return akış;
}
QTextStream& hataÇıkışı() {
    static QTextStream akış(stderr);
    return akış;
}

const char* const Yardım =
    "Kullanım: LodraVt KOMUT [SEÇENEKLER]\n"
    "\n"
    "Tarvela'nın veritabanı dosyasını (Lodra.vtb) oluşturur, denetler ve yedekten geri yükler.\n"
    "\n"
    "Komutlar:\n"
    "  olustur KLASÖR          KLASÖR içinde boş bir Lodra.vtb oluşturur (iki tablo ve\n"
    "                          dizinleriyle). Dosya varsa üzerine yazmaz.\n"
    "      --ornek             Oluşturduktan sonra örnek klasör ve işlerle doldurur.\n"
    "  ornek YER               Var olan veritabanına örnek klasör ve işler ekler (tek işlemde).\n"
    "      --klasor N          Örnek klasör sayısı (varsayılan 12).\n"
    "      --is N              Örnek iş sayısı (varsayılan 200; ölçüm için ör. 100000).\n"
    "      --tohum N           Rastgele sayı tohumu (aynı tohum aynı veriyi verir).\n"
    "  denetle YER             Dosyanın bütünlüğünü ve tablolarını denetler; dosyayı değiştirmez.\n"
    "                          Kesilmiş anahtar değişikliklerinden kalan dosyaları siler ve\n"
    "                          adlarını yazar.\n"
    "  dizin-ekle YER          Eski bir araçla yapılmış dosyaya hatırlatma dizinini ekler (tek\n"
    "                          işlemde). Dizin varsa bir şey değiştirmez.\n"
    "  geri-yukle YEDEK YER    YEDEK dosyayı denetler ve veritabanının yerine koyar; eski dosya\n"
    "                          \"Lodra.vtb.eski-\" ve geri yükleme zamanıyla saklanır (hiçbiri\n"
    "                          silinmez). Önce programları kapatınız.\n"
    "  tasi YER ADRES          YER'deki dosyanın bütün klasör ve işlerini, sunucudaki boş bir\n"
    "                          veritabanına (ADRES, olustur ile yapılmış) tek işlemde taşır: iş\n"
    "                          numaraları, klasör anahtarları ve veritabanının kimliği aynı "
    "kalır.\n"
    "                          Yazılanları geri okuyup dosyayla karşılaştırır; fark varsa geri\n"
    "                          alır. Dosya değişmez. İçinde klasör ya da iş olan veritabanına\n"
    "                          taşımaz.\n"
    "  anahtar-degistir YER    Dosyayı yeni bir büro anahtarıyla şifreler (sabit paroladan ya da\n"
    "                          eski anahtardan). Kesilirse dosya eski anahtarla açılır kalır.\n"
    "                          Önce programları kapatınız.\n"
    "\n"
    "YER bir klasör (içindeki Lodra.vtb kullanılır) ya da bir dosya yolu olabilir.\n"
    "\n"
    "Sunucu: olustur ve denetle, KLASÖR yerine bir PostgreSQL adresi de alır\n"
    "(postgresql://kullanıcı@sunucu/veritabanı). Veritabanını ve kullanıcıları yönetici\n"
    "oluşturur; olustur, boş veritabanına tabloları, dizinleri, kimliği ve değişiklik\n"
    "bildirimlerini ekler. Parola adresten, ~/.pgpass'ten ya da PGPASSWORD'dan okunur.\n"
    "Büro anahtarı (en az 12 karakter) dosyayı programın sabit parolası yerine şifreler;\n"
    "komut satırında verilmez. Gerektiğinde anahtarlıktan okunur ya da uçbirimde sorulur.\n"
    "      --buro-anahtari     olustur: büro anahtarını uçbirimde iki kez sorar.\n"
    "      --anahtar-dosyasi DOSYA\n"
    "                          Dosyanın büro anahtarını (olustur: yeni anahtarı) DOSYA'nın ilk\n"
    "                          satırından okur.\n"
    "      --yeni-anahtar-dosyasi DOSYA\n"
    "                          anahtar-degistir: yeni anahtarı DOSYA'dan okur; verilmezse sorar.\n"
    "\n"
    "Seçenekler:\n"
    "  -h, --help              Bu yardımı gösterir.\n"
    "\n"
    "Çıkış kodu: 0 başarılı, 1 hata ya da sorunlu dosya, 2 hatalı kullanım.\n";

QString dosyaYolu(const QString& yer) {
    const QFileInfo bilgi(yer);
    if (bilgi.isDir())
        return bilgi.absoluteFilePath() + QLatin1Char('/') + VeritabanıKurulumu::DosyaAdı;
    return bilgi.absoluteFilePath();
}

// Removes what key changes killed midway left beside the file, and names it.
void yarımKalanlarıTemizle(const QString& dosya) {
    for (const QString& yol : BüroAnahtarı::yarımKalanlarıTemizle(dosya))
        çıkış() << "Yarım kalmış bir anahtar değişikliğinden kalan dosya silindi: " << yol << "\n";
}

int kullanımHatası(const QString& ileti) {
    hataÇıkışı() << "LodraVt: " << ileti << "\n"
                 << "Yardım için: LodraVt --help\n";
    return 2;
}

// The number after an option: false with the message when it is missing, not a number, or
// a number outside the range the option allows.
bool sayıOku(const QStringList& args, qsizetype& i, qint64& değer, qint64 enAz, qint64 enÇok,
             QString& ileti) {
    const QString seçenek = args[i];
    if (i + 1 >= args.size()) {
        ileti = QStringLiteral("%1 bir sayı ister.").arg(seçenek);
        return false;
    }
    const QString metin = args[i + 1].trimmed();
    static const QRegularExpression rakamlar(QStringLiteral("^[+-]?[0-9]+$"));
    if (!rakamlar.match(metin).hasMatch()) {
        ileti = QStringLiteral("%1 bir sayı ister; \"%2\" bir sayı değil.").arg(seçenek, metin);
        return false;
    }
    bool tamam = false;
    const qint64 sayı = metin.toLongLong(&tamam);
    if (!tamam || sayı < enAz || sayı > enÇok) {
        ileti = QStringLiteral("%1 için %2 aralık dışında (%3 ile %4 arasında olmalı).")
                    .arg(seçenek, metin)
                    .arg(enAz)
                    .arg(enÇok);
        return false;
    }
    değer = sayı;
    ++i;
    return true;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication uygulama(argc, argv);
    AnahtarDeposuSeçimi::ayarla(std::make_unique<GizliServisDeposu>());
    const QStringList args = uygulama.arguments().mid(1);
    if (args.isEmpty())
        return kullanımHatası(QStringLiteral("Bir komut gerekli."));
    if (args.contains("-h") || args.contains("--help") || args.first() == "yardim") {
        çıkış() << QString::fromUtf8(Yardım);
        return 0;
    }

    const QString komut = args.first();
    QStringList konumlar;
    VeritabanıKurulumu::ÖrnekAyarları ayarlar;
    bool örnekle = false;
    AraçAnahtarı::Seçenekler anahtar;
    for (qsizetype i = 1; i < args.size(); ++i) {
        const QString& a = args[i];
        qint64 sayı = 0;
        QString ileti;
        QString seçenekHatası;
        if (AraçAnahtarı::seçenekOku(args, i, anahtar, seçenekHatası)) {
            if (!seçenekHatası.isEmpty())
                return kullanımHatası(seçenekHatası);
        } else if (a == "--ornek") {
            örnekle = true;
        } else if (a == "--klasor") {
            if (!sayıOku(args, i, sayı, 0, 32767, ileti))
                return kullanımHatası(ileti);
            ayarlar.klasörSayısı = int(sayı);
        } else if (a == "--is") {
            if (!sayıOku(args, i, sayı, 0, 10000000, ileti))
                return kullanımHatası(ileti);
            ayarlar.işSayısı = int(sayı);
        } else if (a == "--tohum") {
            if (!sayıOku(args, i, sayı, 0, 4294967295LL, ileti))
                return kullanımHatası(ileti);
            ayarlar.tohum = unsigned(sayı);
        } else if (a.startsWith("-")) {
            return kullanımHatası(QStringLiteral("Bilinmeyen seçenek: %1").arg(a));
        } else {
            konumlar << a;
        }
    }

    try {
        if ((komut == "olustur" || komut == "denetle") && konumlar.size() == 1 &&
            Sunucuİç::adresMi(konumlar.first())) {
            const QString adres = konumlar.first();
            const QString gösterilen = Sunucuİç::gösterilenAdres(adres);
            if (komut == "olustur") {
                if (örnekle)
                    return kullanımHatası(
                        QStringLiteral("--ornek yalnız bir dosya oluştururken kullanılır."));
                SunucuKurulumu::oluştur(adres);
                çıkış() << "Oluşturuldu (sunucu): " << gösterilen << "\n";
                return 0;
            }
            QStringList uyarılar;
            const QStringList sorunlar = SunucuKurulumu::denetle(adres, QString(), &uyarılar);
            if (sorunlar.isEmpty()) {
                çıkış() << "Sağlam: " << gösterilen << "\n";
                for (const QString& u : uyarılar)
                    çıkış() << "  Uyarı: " << u << "\n";
                return 0;
            }
            hataÇıkışı() << "Sorunlu: " << gösterilen << "\n";
            for (const QString& s : sorunlar)
                hataÇıkışı() << "  " << s << "\n";
            return 1;
        }
        if (komut == "olustur") {
            if (konumlar.size() != 1)
                return kullanımHatası(QStringLiteral("olustur bir klasör ister."));
            const QFileInfo klasör(konumlar.first());
            if (!klasör.isDir())
                return kullanımHatası(
                    QStringLiteral("Klasör bulunamadı: %1").arg(konumlar.first()));
            const QString dosya = dosyaYolu(konumlar.first());
            const QString parola = AraçAnahtarı::yeniDosyaAnahtarı(anahtar);
            VeritabanıKurulumu::oluştur(dosya, parola);
            çıkış() << "Oluşturuldu (" << AraçAnahtarı::korumaAdı(parola) << "): " << dosya << "\n";
            if (örnekle) {
                QElapsedTimer süre;
                süre.start();
                VeritabanıKurulumu::örnekVeriDoldur(dosya, ayarlar, parola);
                çıkış() << ayarlar.klasörSayısı << " klasör ve " << ayarlar.işSayısı
                        << " iş eklendi (" << süre.elapsed() << " ms).\n";
            }
            return 0;
        }
        if (komut == "ornek") {
            if (konumlar.size() != 1)
                return kullanımHatası(QStringLiteral("ornek bir klasör ya da dosya ister."));
            const QString dosya = dosyaYolu(konumlar.first());
            QElapsedTimer süre;
            süre.start();
            VeritabanıKurulumu::örnekVeriDoldur(dosya, ayarlar,
                                                AraçAnahtarı::anahtarıBul(dosya, anahtar));
            çıkış() << ayarlar.klasörSayısı << " klasör ve " << ayarlar.işSayısı << " iş eklendi ("
                    << süre.elapsed() << " ms): " << dosya << "\n";
            return 0;
        }
        if (komut == "denetle") {
            if (konumlar.size() != 1)
                return kullanımHatası(QStringLiteral("denetle bir klasör ya da dosya ister."));
            const QString dosya = dosyaYolu(konumlar.first());
            yarımKalanlarıTemizle(dosya);
            const QString parola = AraçAnahtarı::anahtarıBul(dosya, anahtar);
            QStringList uyarılar;
            const QStringList sorunlar = VeritabanıKurulumu::denetle(dosya, parola, &uyarılar);
            if (sorunlar.isEmpty()) {
                çıkış() << "Sağlam: " << dosya << "\n"
                        << "Şifreleme: " << AraçAnahtarı::korumaAdı(parola) << "\n";
                for (const QString& u : uyarılar)
                    çıkış() << "  Uyarı: " << u << "\n";
                return 0;
            }
            hataÇıkışı() << "Sorunlu: " << dosya << "\n";
            for (const QString& s : sorunlar)
                hataÇıkışı() << "  " << s << "\n";
            return 1;
        }
        if (komut == "dizin-ekle") {
            if (konumlar.size() != 1)
                return kullanımHatası(QStringLiteral("dizin-ekle bir klasör ya da dosya ister."));
            const QString dosya = dosyaYolu(konumlar.first());
            if (VeritabanıKurulumu::dizinEkle(dosya, AraçAnahtarı::anahtarıBul(dosya, anahtar)))
                çıkış() << "Hatırlatma dizini eklendi: " << dosya << "\n";
            else
                çıkış() << "Hatırlatma dizini zaten var: " << dosya << "\n";
            return 0;
        }
        if (komut == "geri-yukle") {
            if (konumlar.size() != 2)
                return kullanımHatası(
                    QStringLiteral("geri-yukle bir yedek dosyası ve bir yer ister."));
            const QString dosya = dosyaYolu(konumlar[1]);
            VeritabanıKurulumu::geriYükle(konumlar[0], dosya,
                                          AraçAnahtarı::anahtarıBul(konumlar[0], anahtar));
            çıkış() << "Geri yüklendi: " << konumlar[0] << " -> " << dosya << "\n";
            return 0;
        }
        if (komut == "tasi") {
            if (konumlar.size() != 2 || !Sunucuİç::adresMi(konumlar[1]))
                return kullanımHatası(QStringLiteral(
                    "tasi bir klasör ya da dosya ve bir sunucu adresi (postgresql://...) ister."));
            const QString dosya = dosyaYolu(konumlar[0]);
            if (!QFileInfo(dosya).isFile())
                throw Hata(HataNo::DosyaBulunamadı,
                           QStringLiteral("Veritabanı dosyası bulunamadı: %1").arg(dosya));
            const SunucuTaşıma::Sonuç sonuç =
                SunucuTaşıma::taşı(dosya, AraçAnahtarı::anahtarıBul(dosya, anahtar), konumlar[1]);
            çıkış() << sonuç.klasörSayısı << " klasör ve " << sonuç.işSayısı
                    << " iş taşındı: " << Sunucuİç::gösterilenAdres(konumlar[1]) << "\n";
            return 0;
        }
        if (komut == "anahtar-degistir") {
            if (konumlar.size() != 1)
                return kullanımHatası(
                    QStringLiteral("anahtar-degistir bir klasör ya da dosya ister."));
            const QString dosya = dosyaYolu(konumlar.first());
            // Said before any key is asked for.
            if (!QFileInfo(dosya).isFile())
                throw Hata(HataNo::DosyaBulunamadı,
                           QStringLiteral("Veritabanı dosyası bulunamadı: %1").arg(dosya));
            yarımKalanlarıTemizle(dosya);
            AraçAnahtarı::anahtarDeğiştir(dosya, anahtar, çıkış());
            return 0;
        }
    } catch (const Hata& h) {
        hataÇıkışı() << "Hata " << h.numara() << ": " << h.açıklama() << "\n";
        return 1;
    }
    return kullanımHatası(QStringLiteral("Bilinmeyen komut: %1").arg(komut));
}
