#include <QTest>

#ifndef Q_MOC_RUN
#include "lists/YazdirmaDuzeni.h"
#endif

namespace {
// A face in which every character is 1 mm wide at 8 points (scaled with the size) and a
// line is half a millimetre per point high: widths are character counts.
const YazdırmaÖlçüsü Ölçü{
    [](const QString& m, const YazıBiçimi& b) { return m.size() * b.punto / 8; },
    [](const YazıBiçimi& b) { return b.punto / 2; }};

İşSatırı satır(const QString& konu, const QString& açıklama = QString()) {
    return İşSatırı{"05.12.2026", "14:35:00", konu, "Adliye", "2026/15", açıklama, "77", 2, ""};
}

YazdırmaDüzeni düzenle(const QList<İşSatırı>& satırlar, QSizeF alan = QSizeF(200, 280)) {
    return Yazdırma::düzenle(satırlar, QStringLiteral("Klasörlerim"), Yazdırma::SayıSütunuListe,
                             alan, Ölçü);
}

const YerleşikMetin* bul(const QList<YerleşikMetin>& sayfa, const QString& metin) {
    for (const auto& m : sayfa)
        if (m.metin == metin)
            return &m;
    return nullptr;
}

// "x y" of the text on the page, or "yok".
QString yer(const QList<YerleşikMetin>& sayfa, const QString& metin) {
    const auto* m = bul(sayfa, metin);
    return m ? QStringLiteral("%1 %2").arg(m->x).arg(m->y) : QStringLiteral("yok");
}

QStringList açıklamaSatırları(const QList<YerleşikMetin>& sayfa) {
    QStringList l;
    for (const auto& m : sayfa)
        if (m.x == Yazdırma::AçıklamaSütunu && m.y >= 25)
            l << m.metin;
    return l;
}
} // namespace

class YazdirmaDuzeniTest : public QObject {
    Q_OBJECT
private slots:
    void onePage() {
        const auto d = Yazdırma::düzenle({satır("Keşif")}, "Klasörlerim",
                                         Yazdırma::SayıSütunuHatırlatma, QSizeF(200, 280), Ölçü);
        QCOMPARE(d.sayfalar.size(), 1);
        const auto& s = d.sayfalar[0];
        // Title: 11 characters at 12 pt are 16.5 mm, centred across 200 mm.
        QCOMPARE(yer(s, "Klasörlerim"), QStringLiteral("91.75 10"));
        QCOMPARE(bul(s, "Klasörlerim")->biçim, Yazdırma::BaşlıkYazısı);
        const QStringList başlıklar{"Tarihi", "Saati", "Konusu", "Yeri", "Sayısı", "Açıklama"};
        const QStringList değerler{"05.12.2026", "14:35", "Keşif", "Adliye", "2026/15"};
        const int xler[] = {15, 35, 48, 80, 130, 150};
        for (int i = 0; i < 6; ++i) {
            QCOMPARE(yer(s, başlıklar[i]), QStringLiteral("%1 20").arg(xler[i]));
            QCOMPARE(bul(s, başlıklar[i])->biçim, Yazdırma::SütunBaşlığıYazısı);
            if (i < 5) {
                QCOMPARE(yer(s, değerler[i]), QStringLiteral("%1 26.5").arg(xler[i]));
                QCOMPARE(bul(s, değerler[i])->biçim, Yazdırma::SatırYazısı);
            }
        }
        // Nothing else: no job number, no page number on a one-page print.
        QCOMPARE(s.size(), 1 + 6 + 5);
    }

    void shortTimeAndEmptyList() {
        QCOMPARE(Yazdırma::kısaSaat("9:05:00"), QStringLiteral("09:05"));
        QCOMPARE(Yazdırma::kısaSaat("öğle"), QStringLiteral("öğle"));
        QVERIFY(düzenle({}).sayfalar.isEmpty());
    }

    // Rows of 1.5 + 4 mm from 25 mm: on a page 100 mm high the tenth row ends at 80 mm,
    // where the reserve of 20 mm is reached, so the eleventh starts page 2.
    void pageBreak() {
        for (int satırSayısı : {10, 11}) {
            QList<İşSatırı> satırlar;
            for (int i = 1; i <= satırSayısı; ++i)
                satırlar << satır(QStringLiteral("Konu %1").arg(i));
            // The printable size is rounded to whole millimetres first.
            const auto d = düzenle(satırlar, QSizeF(200.4, 99.6));
            QCOMPARE(d.alan, QSizeF(200, 100));
            QCOMPARE(d.sayfalar.size(), satırSayısı - 9);
            QCOMPARE(yer(d.sayfalar[0], "Konu 10"), QStringLiteral("48 76"));
            QCOMPARE(yer(d.sayfalar[0], "Sayfa - 1"),
                     QString(satırSayısı == 10 ? "yok" : "181 85"));
        }
        const auto d = düzenle(QList<İşSatırı>(11, satır("Konu")) << satır("Son"), {200, 100});
        const auto& ikinci = d.sayfalar[1];
        QCOMPARE(yer(ikinci, "Sayfa - 2"), QStringLiteral("181 85"));
        QCOMPARE(bul(ikinci, "Sayfa - 2")->biçim, Yazdırma::SatırYazısı);
        QCOMPARE(yer(ikinci, "Klasörlerim"), QStringLiteral("yok"));
        QCOMPARE(yer(ikinci, "Sayısı"), QStringLiteral("125 20"));
        QCOMPARE(yer(ikinci, "Son"), QStringLiteral("48 32"));
    }

    void description_data() {
        QTest::addColumn<QString>("metin");
        QTest::addColumn<QStringList>("satırlar");
        QTest::newRow("line end is a blank, a dash drops, a word moves down")
            << "Duruşma saat onda\r\nbaşlayacak - tanık listesi verilecek"
            << QStringList{"Duruşma saat onda başlayacak tanık", "listesi verilecek"};
        QTest::newRow("tabs and runs of blanks") << "a\t\tb   c " << QStringList{"a b c"};
        QTest::newRow("empty") << "" << QStringList{};
        QTest::newRow("a word wider than the column is split")
            << "kısa ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789ABCD son"
            << QStringList{"kısa", "ABCDEFGHIJKLMNOPQRSTUVWXYZ01", "23456789ABCD son"};
    }
    void description() {
        QFETCH(QString, metin);
        QFETCH(QStringList, satırlar);
        const auto s = düzenle({satır("A", metin), satır("Sonraki")}).sayfalar[0];
        QCOMPARE(açıklamaSatırları(s), satırlar);
        for (int i = 0; i < satırlar.size(); ++i)
            QCOMPARE(bul(s, satırlar[i])->y, 26.5 + 4 * i);
        // An empty description still takes its line.
        QCOMPARE(bul(s, "Sonraki")->y, 26.5 + 4 * qMax(1, int(satırlar.size())) + 1.5);
    }

    // Thirty six-letter words make six lines of five; on a page 60 mm high the reserve is
    // reached after the fourth, and the rest continues under the header of page 2.
    void descriptionOverAPageEnd() {
        const auto d = düzenle({satır("A", QStringList(30, "kelime").join(u' '))}, {200, 60});
        QCOMPARE(d.sayfalar.size(), 2);
        QCOMPARE(açıklamaSatırları(d.sayfalar[0]).size(), 4);
        const auto ikinci = açıklamaSatırları(d.sayfalar[1]);
        QCOMPARE(ikinci.size(), 2);
        QCOMPARE(bul(d.sayfalar[1], ikinci[0])->y, 25.0);
    }
};

QTEST_APPLESS_MAIN(YazdirmaDuzeniTest)
#include "YazdirmaDuzeniTest.moc"
