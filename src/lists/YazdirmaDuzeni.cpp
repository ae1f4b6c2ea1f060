#include "lists/YazdirmaDuzeni.h"

#include <QTime>
#include <cmath>

namespace {
constexpr double BaşlıkY = 10;
constexpr double SütunBaşlığıY = 20;
constexpr double İlkSatırY = 25;
constexpr double SatırAralığı = 1.5;
// A new page starts when the print position plus these two reaches the page height.
constexpr double AltBoşluk = 15 + 5;
constexpr double AltBilgiY = 15;   // from the bottom
constexpr double AltBilgiSağ = 10; // from the right

class Dizgici {
public:
    Dizgici(QSizeF alan, double sayıSütunu, const YazdırmaÖlçüsü& ölçü)
        : ölçü_(ölçü), sayıSütunu_(sayıSütunu) {
        düzen_.alan = alan;
    }

    YazdırmaDüzeni bitir(const QList<İşSatırı>& satırlar, const QString& başlık) {
        düzen_.sayfalar.emplaceBack();
        biçim_ = Yazdırma::BaşlıkYazısı;
        y_ = BaşlıkY;
        yaz((W() - ölçü_.genişlik(başlık, biçim_)) / 2, başlık, true);
        sütunBaşlığı();
        biçim_ = Yazdırma::SatırYazısı;
        y_ = İlkSatırY;
        for (const İşSatırı& s : satırlar) {
            if (sayfaSonu())
                yeniSayfa();
            y_ += SatırAralığı;
            const QString sütunlar[] = {s.tarih, Yazdırma::kısaSaat(s.saat), s.konu, s.yer, s.sayı};
            const double xler[] = {15, 35, 48, 80, sayıSütunu_};
            for (int i = 0; i < 5; ++i)
                yaz(xler[i], sütunlar[i], false);
            açıklama(s.açıklama);
        }
        biçim_ = Yazdırma::SatırYazısı;
        if (düzen_.sayfalar.size() > 1)
            altBilgi();
        return std::move(düzen_);
    }

private:
    double W() const { return düzen_.alan.width(); }
    double H() const { return düzen_.alan.height(); }
    bool sayfaSonu() const { return y_ + AltBoşluk >= H(); }
    double genişlik(const QString& metin) const { return ölçü_.genişlik(metin, biçim_); }

    // Prints at x on the current line; ending the line moves down by one line of the font.
    void yaz(double x, const QString& metin, bool satırıBitir) {
        if (!metin.isEmpty())
            düzen_.sayfalar.last().append({x, y_, metin, biçim_});
        if (satırıBitir)
            y_ += ölçü_.satırYüksekliği(biçim_);
    }

    void sütunBaşlığı() {
        static constexpr const char* başlıklar[] = {"Tarihi", "Saati",  "Konusu",
                                                    "Yeri",   "Sayısı", "Açıklama"};
        const double xler[] = {15, 35, 48, 80, sayıSütunu_, Yazdırma::AçıklamaSütunu};
        biçim_ = Yazdırma::SütunBaşlığıYazısı;
        y_ = SütunBaşlığıY;
        for (int i = 0; i < 6; ++i)
            yaz(xler[i], QString::fromUtf8(başlıklar[i]), i == 5);
    }

    void altBilgi() {
        const QString metin = QStringLiteral("Sayfa - ") + QString::number(düzen_.sayfalar.size());
        y_ = H() - AltBilgiY;
        yaz(W() - (genişlik(metin) + AltBilgiSağ), metin, true);
    }

    void yeniSayfa() {
        biçim_ = Yazdırma::SatırYazısı;
        altBilgi();
        düzen_.sayfalar.emplaceBack();
        sütunBaşlığı();
        biçim_ = Yazdırma::SatırYazısı;
        y_ = İlkSatırY;
    }

    void açıklamaSatırı(const QString& satır) { yaz(Yazdırma::AçıklamaSütunu, satır, true); }

    // How wide a line of the description may be before it runs past the printable width.
    // A page too narrow to hold the column still gets lines of the column's width.
    double satırSınırı() const {
        const double kalan = W() - Yazdırma::AçıklamaSütunu;
        return kalan > 0 ? kalan : Yazdırma::AçıklamaGenişliği;
    }

    // A word that would run past the printable width even on a line of its own is cut into
    // pieces that fit; all but the last stand on lines of their own, and the last starts the
    // line that collects the next words.
    QString böl(QString sözcük) {
        const double sınır = satırSınırı();
        while (genişlik(sözcük) > sınır && sözcük.size() > 1) {
            // The longest start that fits, at least one character (never half a pair).
            qsizetype az = 1, çok = sözcük.size() - 1;
            while (az < çok) {
                const qsizetype orta = (az + çok + 1) / 2;
                if (genişlik(sözcük.left(orta)) <= sınır)
                    az = orta;
                else
                    çok = orta - 1;
            }
            if (sözcük.at(az - 1).isHighSurrogate() && az + 1 < sözcük.size())
                ++az;
            açıklamaSatırı(sözcük.left(az));
            sözcük.remove(0, az);
            if (sayfaSonu())
                yeniSayfa();
        }
        return sözcük;
    }

    void sözcükEkle(QString& satır, const QString& sözcük) {
        if (sözcük.isEmpty())
            return;
        if (genişlik(sözcük) > satırSınırı()) {
            if (!satır.isEmpty())
                açıklamaSatırı(satır);
            if (sayfaSonu())
                yeniSayfa();
            satır = böl(sözcük);
            return;
        }
        // The width is tested before the word is added, so a line may end one word past
        // the column, a word wider than the column included (printed whole); but never past
        // the printable width: such a word starts the next line instead.
        const QString uzun = satır + u' ' + sözcük;
        if (satır.isEmpty()) {
            satır = sözcük;
        } else if (genişlik(satır) <= Yazdırma::AçıklamaGenişliği &&
                   genişlik(uzun) <= satırSınırı()) {
            satır = uzun;
        } else {
            açıklamaSatırı(satır);
            satır = sözcük;
        }
    }

    // The description as one run of words wrapped at the column width; its first line
    // stands on the row's line.
    void açıklama(QString metin) {
        metin.replace(QLatin1String("\r\n"), QLatin1String(" "));
        for (QChar& c : metin)
            if (c == u'\t' || c == u'\n' || c == u'\r')
                c = u' ';
        QString satır;
        qsizetype baş = 0;
        for (qsizetype boşluk; (boşluk = metin.indexOf(u' ', baş)) >= 0; baş = boşluk + 1) {
            const QStringView sözcük = QStringView(metin).mid(baş, boşluk - baş);
            if (sözcük != u"-")
                sözcükEkle(satır, sözcük.toString());
            if (sayfaSonu())
                yeniSayfa();
        }
        sözcükEkle(satır, metin.mid(baş));
        açıklamaSatırı(satır);
    }

    const YazdırmaÖlçüsü& ölçü_;
    const double sayıSütunu_;
    YazdırmaDüzeni düzen_;
    YazıBiçimi biçim_;
    double y_ = 0;
};
} // namespace

namespace Yazdırma {
YazdırmaDüzeni düzenle(const QList<İşSatırı>& satırlar, const QString& başlık, double sayıSütunu,
                       QSizeF alan, const YazdırmaÖlçüsü& ölçü) {
    const QSizeF yuvarlak(std::round(alan.width()), std::round(alan.height()));
    if (satırlar.isEmpty()) {
        YazdırmaDüzeni boş;
        boş.alan = yuvarlak;
        return boş;
    }
    return Dizgici(yuvarlak, sayıSütunu, ölçü).bitir(satırlar, başlık);
}

QString kısaSaat(const QString& saat) {
    for (const char* desen : {"HH:mm:ss", "H:mm:ss", "HH:mm", "H:mm"}) {
        const QTime t = QTime::fromString(saat.trimmed(), QLatin1String(desen));
        if (t.isValid())
            return t.toString(QStringLiteral("HH:mm"));
    }
    return saat;
}
} // namespace Yazdırma
