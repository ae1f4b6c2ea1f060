// LodraVt: makes and looks after the job database file Lodra.vtb.
//
//   LodraVt olustur KLASÖR [--ornek] [--klasor N] [--is N]
//   LodraVt ornek KLASÖR|DOSYA [--klasor N] [--is N] [--tohum N]
//   LodraVt denetle KLASÖR|DOSYA
//   LodraVt geri-yukle YEDEK KLASÖR|DOSYA
//   LodraVt anahtar-degistir KLASÖR|DOSYA [--yeni-anahtar-dosyasi DOSYA]

#include "AracAnahtari.h"
#include "controls/Hata.h"
#include "database/GizliServisDeposu.h"
#include "database/VeritabaniKurulumu.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
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
    "  geri-yukle YEDEK YER    YEDEK dosyayı denetler ve veritabanının yerine koyar; eski dosya\n"
    "                          \"Lodra.vtb.eski\" olarak saklanır. Önce programları kapatınız.\n"
    "  anahtar-degistir YER    Dosyayı yeni bir büro anahtarıyla şifreler (sabit paroladan ya da\n"
    "                          eski anahtardan). Kesilirse dosya eski anahtarla açılır kalır.\n"
    "                          Önce programları kapatınız.\n"
    "\n"
    "YER bir klasör (içindeki Lodra.vtb kullanılır) ya da bir dosya yolu olabilir.\n"
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

int kullanımHatası(const QString& ileti) {
    hataÇıkışı() << "LodraVt: " << ileti << "\n"
                 << "Yardım için: LodraVt --help\n";
    return 2;
}

bool sayıOku(const QStringList& args, qsizetype& i, int& değer, int enAz, int enÇok) {
    if (i + 1 >= args.size())
        return false;
    bool tamam = false;
    const int sayı = args[i + 1].toInt(&tamam);
    if (!tamam || sayı < enAz || sayı > enÇok)
        return false;
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
        QString seçenekHatası;
        if (AraçAnahtarı::seçenekOku(args, i, anahtar, seçenekHatası)) {
            if (!seçenekHatası.isEmpty())
                return kullanımHatası(seçenekHatası);
        } else if (a == "--ornek") {
            örnekle = true;
        } else if (a == "--klasor") {
            if (!sayıOku(args, i, ayarlar.klasörSayısı, 0, 32767))
                return kullanımHatası(
                    QStringLiteral("--klasor 0 ile 32767 arasında bir sayı ister."));
        } else if (a == "--is") {
            if (!sayıOku(args, i, ayarlar.işSayısı, 0, 10000000))
                return kullanımHatası(
                    QStringLiteral("--is 0 ile 10000000 arasında bir sayı ister."));
        } else if (a == "--tohum") {
            int tohum = 0;
            if (!sayıOku(args, i, tohum, 0, 2147483647))
                return kullanımHatası(QStringLiteral("--tohum bir sayı ister."));
            ayarlar.tohum = unsigned(tohum);
        } else if (a.startsWith("-")) {
            return kullanımHatası(QStringLiteral("Bilinmeyen seçenek: %1").arg(a));
        } else {
            konumlar << a;
        }
    }

    try {
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
            const QString parola = AraçAnahtarı::anahtarıBul(dosya, anahtar);
            const QStringList sorunlar = VeritabanıKurulumu::denetle(dosya, parola);
            if (sorunlar.isEmpty()) {
                çıkış() << "Sağlam: " << dosya << "\n"
                        << "Şifreleme: " << AraçAnahtarı::korumaAdı(parola) << "\n";
                return 0;
            }
            hataÇıkışı() << "Sorunlu: " << dosya << "\n";
            for (const QString& s : sorunlar)
                hataÇıkışı() << "  " << s << "\n";
            return 1;
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
        if (komut == "anahtar-degistir") {
            if (konumlar.size() != 1)
                return kullanımHatası(
                    QStringLiteral("anahtar-degistir bir klasör ya da dosya ister."));
            AraçAnahtarı::anahtarDeğiştir(dosyaYolu(konumlar.first()), anahtar, çıkış());
            return 0;
        }
    } catch (const Hata& h) {
        hataÇıkışı() << "Hata " << h.numara() << ": " << h.açıklama() << "\n";
        return 1;
    }
    return kullanımHatası(QStringLiteral("Bilinmeyen komut: %1").arg(komut));
}
