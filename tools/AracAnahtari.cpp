#include "AracAnahtari.h"

#include "controls/Hata.h"
#include "database/AnahtarDeposu.h"
#include "database/BuroAnahtari.h"
#include "database/VeritabaniKurulumu.h"

#include <QFile>
#include <QTextStream>
#include <csignal>
#include <cstdio>
#include <optional>
#include <string>

#include <termios.h>
#include <unistd.h>

namespace AraçAnahtarı {

namespace {

constexpr int DenemeSayısı = 3;

termios açıkEkoAyarı{};

// Ctrl-C while a key is typed must not leave the terminal without its echo.
void kesildi(int sinyal) {
    ::tcsetattr(STDIN_FILENO, TCSAFLUSH, &açıkEkoAyarı);
    std::signal(sinyal, SIG_DFL);
    std::raise(sinyal);
}

// One line typed on the terminal with the echo off; nothing when there is no terminal.
std::optional<QString> terminaldenOku(const QString& istem) {
    if (!::isatty(STDIN_FILENO) || ::tcgetattr(STDIN_FILENO, &açıkEkoAyarı) != 0)
        return std::nullopt;
    std::fputs(istem.toLocal8Bit().constData(), stderr);
    std::fflush(stderr);
    termios kapalı = açıkEkoAyarı;
    kapalı.c_lflag &= ~tcflag_t(ECHO);
    const auto öncekiİşleyici = std::signal(SIGINT, kesildi);
    ::tcsetattr(STDIN_FILENO, TCSAFLUSH, &kapalı);
    std::string satır;
    int c;
    while ((c = std::getchar()) != EOF && c != '\n')
        satır.push_back(char(c));
    ::tcsetattr(STDIN_FILENO, TCSAFLUSH, &açıkEkoAyarı);
    std::signal(SIGINT, öncekiİşleyici);
    std::fputs("\n", stderr);
    if (c == EOF && satır.empty())
        return std::nullopt;
    if (!satır.empty() && satır.back() == '\r')
        satır.pop_back();
    return QString::fromLocal8Bit(satır);
}

// The first line of a key file.
QString dosyadanOku(const QString& yol) {
    QFile dosya(yol);
    if (!dosya.open(QIODevice::ReadOnly))
        throw Hata(HataNo::DosyaBulunamadı,
                   QStringLiteral("Anahtar dosyası okunamadı: %1").arg(yol));
    QByteArray satır = dosya.readLine();
    while (satır.endsWith('\n') || satır.endsWith('\r'))
        satır.chop(1);
    if (satır.isEmpty())
        throw Hata(BüroAnahtarı::AnahtarHatası, QStringLiteral("Anahtar dosyası boş: %1").arg(yol));
    return QString::fromUtf8(satır);
}

void uyar(const QString& ileti) {
    std::fputs((ileti + u'\n').toLocal8Bit().constData(), stderr);
}

// A new office key from the file or typed twice; it must follow the rules.
QString yeniAnahtar(const QString& anahtarDosyası) {
    if (!anahtarDosyası.isEmpty()) {
        const QString anahtar = dosyadanOku(anahtarDosyası);
        if (const QString sorun = BüroAnahtarı::anahtarSorunu(anahtar); !sorun.isEmpty())
            throw Hata(BüroAnahtarı::AnahtarHatası, sorun);
        return anahtar;
    }
    for (int deneme = 0; deneme < DenemeSayısı; ++deneme) {
        const auto birinci =
            terminaldenOku(QStringLiteral("Yeni büro anahtarı (en az %1 karakter): ")
                               .arg(BüroAnahtarı::EnAzUzunluk));
        if (!birinci)
            break;
        if (const QString sorun = BüroAnahtarı::anahtarSorunu(*birinci); !sorun.isEmpty()) {
            uyar(sorun);
            continue;
        }
        const auto ikinci = terminaldenOku(QStringLiteral("Yeni büro anahtarı (yeniden): "));
        if (!ikinci)
            break;
        if (*ikinci == *birinci)
            return *birinci;
        uyar(QStringLiteral("İki yazılış birbirini tutmuyor."));
    }
    throw Hata(BüroAnahtarı::AnahtarHatası,
               QStringLiteral("Yeni büro anahtarı alınamadı. Anahtar bir uçbirimde iki kez "
                              "yazılır ya da bir dosyadan okunur (--anahtar-dosyasi)."));
}

} // namespace

bool seçenekOku(const QStringList& args, qsizetype& i, Seçenekler& s, QString& hata) {
    const QString& a = args[i];
    QString* hedef = nullptr;
    if (a == QLatin1String("--buro-anahtari")) {
        s.anahtarSor = true;
        return true;
    }
    if (a == QLatin1String("--anahtar-dosyasi"))
        hedef = &s.anahtarDosyası;
    else if (a == QLatin1String("--yeni-anahtar-dosyasi"))
        hedef = &s.yeniAnahtarDosyası;
    else
        return false;
    if (i + 1 >= args.size()) {
        hata = QStringLiteral("%1 bir dosya ister.").arg(a);
        return true;
    }
    *hedef = args[++i];
    return true;
}

QString yeniDosyaAnahtarı(const Seçenekler& s) {
    if (!s.anahtarSor && s.anahtarDosyası.isEmpty())
        return VeritabanıKurulumu::Parola;
    return yeniAnahtar(s.anahtarDosyası);
}

QString anahtarıBul(const QString& dosya, const Seçenekler& s) {
    try {
        if (BüroAnahtarı::açarMı(dosya, VeritabanıKurulumu::Parola) ||
            !BüroAnahtarı::şifreliGörünüyor(dosya))
            return VeritabanıKurulumu::Parola;
    } catch (const Hata&) {
        return VeritabanıKurulumu::Parola;
    }
    if (!s.anahtarDosyası.isEmpty()) {
        const QString anahtar = dosyadanOku(s.anahtarDosyası);
        if (BüroAnahtarı::açarMı(dosya, anahtar))
            return anahtar;
        throw Hata(
            BüroAnahtarı::AnahtarHatası,
            QStringLiteral("Anahtar dosyasındaki büro anahtarı bu dosyayı açmıyor: %1").arg(dosya));
    }
    if (const auto kayıtlı = AnahtarDeposuSeçimi::şimdiki().oku(dosya);
        kayıtlı && BüroAnahtarı::açarMı(dosya, *kayıtlı))
        return *kayıtlı;
    for (int deneme = 0; deneme < DenemeSayısı; ++deneme) {
        const auto anahtar = terminaldenOku(QStringLiteral("Büro anahtarı: "));
        if (!anahtar)
            break;
        if (BüroAnahtarı::açarMı(dosya, *anahtar))
            return *anahtar;
        uyar(QStringLiteral("Büro anahtarı yanlış."));
    }
    throw Hata(BüroAnahtarı::AnahtarHatası,
               QStringLiteral("Dosya bir büro anahtarıyla korunuyor; anahtar yok (anahtarlıkta "
                              "bulunamadı, uçbirimde yazılmadı, --anahtar-dosyasi verilmedi): %1")
                   .arg(dosya));
}

QString korumaAdı(const QString& anahtar) {
    return anahtar == VeritabanıKurulumu::Parola ? QStringLiteral("sabit parola")
                                                 : QStringLiteral("büro anahtarı");
}

void anahtarDeğiştir(const QString& dosya, const Seçenekler& s, QTextStream& çıkış) {
    const QString eski = anahtarıBul(dosya, s);
    const QString yeni = yeniAnahtar(s.yeniAnahtarDosyası);
    BüroAnahtarı::anahtarDeğiştir(dosya, eski, yeni);
    çıkış << "Büro anahtarı değiştirildi (önce: " << korumaAdı(eski) << "): " << dosya << "\n"
          << "Bundan sonraki günlük yedekler yeni anahtarla şifrelenir.\n";
    const QStringList eskiler = BüroAnahtarı::eskiKopyalar(dosya);
    if (!eskiler.isEmpty()) {
        çıkış << "Şu " << eskiler.size() << " kopya eski anahtarla (" << korumaAdı(eski)
              << ") şifreli kalır ve onunla açılır; gerekmiyorsa siliniz:\n";
        for (const QString& kopya : eskiler)
            çıkış << "  " << kopya << "\n";
    }
    çıkış << "Dosyayı açık tutan programları yeniden başlatınız; her bilgisayarda büro anahtarı "
             "bir kez sorulur.\n";
}

} // namespace AraçAnahtarı
