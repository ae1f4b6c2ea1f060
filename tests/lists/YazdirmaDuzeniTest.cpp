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
    return İşSatırı{QStringLiteral("05.12.2026"),
                    QStringLiteral("14:35:00"),
                    konu,
                    QStringLiteral("Adliye"),
                    QStringLiteral("2026/15"),
                    açıklama,
                    QStringLiteral("77"),
                    2,
                    QString()};
}

const YerleşikMetin* bul(const QList<YerleşikMetin>& sayfa, const QString& metin) {
    for (const auto& m : sayfa)
        if (m.metin == metin)
            return &m;
    return nullptr;
}

QStringList açıklamaSatırları(const QList<YerleşikMetin>& sayfa, double y0) {
    QStringList l;
    for (const auto& m : sayfa)
        if (m.x == Yazdırma::AçıklamaSütunu && m.y >= y0)
            l << m.metin;
    return l;
}
} // namespace

class YazdirmaDuzeniTest : public QObject {
    Q_OBJECT
private slots:
    void tekSayfa_data() {
        QTest::addColumn<double>("sayıSütunu");
        QTest::newRow("ana pencere") << Yazdırma::SayıSütunuListe;
        QTest::newRow("hatırlatma") << Yazdırma::SayıSütunuHatırlatma;
    }
    void tekSayfa() {
        QFETCH(double, sayıSütunu);
        const auto d = Yazdırma::düzenle({satır("Keşif")}, QStringLiteral("Klasörlerim"),
                                         sayıSütunu, QSizeF(200, 280), Ölçü);
        QCOMPARE(d.sayfalar.size(), 1);
        const auto& s = d.sayfalar[0];
        // Title: 11 characters at 12 pt are 16.5 mm, centred across 200 mm.
        QCOMPARE(s[0].metin, QStringLiteral("Klasörlerim"));
        QCOMPARE(s[0].x, (200 - 16.5) / 2);
        QCOMPARE(s[0].y, 10.0);
        QCOMPARE(s[0].biçim, Yazdırma::BaşlıkYazısı);
        const QStringList başlıklar{"Tarihi", "Saati", "Konusu", "Yeri", "Sayısı", "Açıklama"};
        const double xler[] = {15, 35, 48, 80, sayıSütunu, 150};
        const QStringList değerler{"05.12.2026", "14:35", "Keşif", "Adliye", "2026/15"};
        for (int i = 0; i < 6; ++i) {
            const auto* b = bul(s, başlıklar[i]);
            QVERIFY(b);
            QCOMPARE(b->x, xler[i]);
            QCOMPARE(b->y, 20.0);
            QCOMPARE(b->biçim, Yazdırma::SütunBaşlığıYazısı);
            if (i < 5) {
                const auto* v = bul(s, değerler[i]);
                QVERIFY2(v, qPrintable(değerler[i]));
                QCOMPARE(v->x, xler[i]);
                QCOMPARE(v->y, 26.5);
                QCOMPARE(v->biçim, Yazdırma::SatırYazısı);
            }
        }
        // Nothing else: no job number, no page number on a one-page print.
        QCOMPARE(s.size(), 1 + 6 + 5);
    }

    void bosListe() {
        QVERIFY(Yazdırma::düzenle({}, "Başlık", 125, QSizeF(200, 280), Ölçü).sayfalar.isEmpty());
    }

    void kisaSaat() {
        QCOMPARE(Yazdırma::kısaSaat("14:35:00"), QStringLiteral("14:35"));
        QCOMPARE(Yazdırma::kısaSaat("9:05:00"), QStringLiteral("09:05"));
        QCOMPARE(Yazdırma::kısaSaat("öğle"), QStringLiteral("öğle"));
    }

    // Rows of 1.5 + 4 mm from 25 mm: on a page 100 mm high the tenth row ends at 80 mm,
    // where the reserve of 20 mm is reached, so the eleventh starts page 2.
    void sayfaSonu_data() {
        QTest::addColumn<int>("satırSayısı");
        QTest::addColumn<int>("sayfaSayısı");
        QTest::newRow("10 satır sığar") << 10 << 1;
        QTest::newRow("11. satır yeni sayfada") << 11 << 2;
    }
    void sayfaSonu() {
        QFETCH(int, satırSayısı);
        QFETCH(int, sayfaSayısı);
        QList<İşSatırı> satırlar;
        for (int i = 1; i <= satırSayısı; ++i)
            satırlar << satır(QStringLiteral("Konu %1").arg(i));
        // The printable size is rounded to whole millimetres first.
        const auto d = Yazdırma::düzenle(satırlar, "Liste", 125, QSizeF(200.4, 99.6), Ölçü);
        QCOMPARE(d.alan, QSizeF(200, 100));
        QCOMPARE(d.sayfalar.size(), sayfaSayısı);
        QCOMPARE(bul(d.sayfalar[0], "Konu 10")->y, 26.5 + 9 * 5.5);
        for (int p = 0; p < sayfaSayısı; ++p) {
            const QString altBilgi = QStringLiteral("Sayfa - %1").arg(p + 1);
            const auto* a = bul(d.sayfalar[p], altBilgi);
            QCOMPARE(bool(a), sayfaSayısı > 1);
            if (a) {
                QCOMPARE(a->y, 85.0);
                QCOMPARE(a->x + altBilgi.size(), 190.0);
                QCOMPARE(a->biçim, Yazdırma::SatırYazısı);
            }
        }
        if (sayfaSayısı > 1) {
            const auto& ikinci = d.sayfalar[1];
            QVERIFY(!bul(ikinci, "Liste"));
            QCOMPARE(bul(ikinci, "Sayısı")->y, 20.0);
            QCOMPARE(bul(ikinci, "Konu 11")->y, 26.5);
            QVERIFY(!bul(d.sayfalar[0], "Konu 11"));
        }
    }

    void aciklama_data() {
        QTest::addColumn<QString>("metin");
        QTest::addColumn<QStringList>("satırlar");
        QTest::newRow("satır sonu boşluk, tire düşer, bir sözcük taşar")
            << "Duruşma saat onda\r\nbaşlayacak - tanık listesi verilecek"
            << QStringList{"Duruşma saat onda başlayacak tanık", "listesi verilecek"};
        QTest::newRow("sekme ve boşluk dizisi") << "a\t\tb   c " << QStringList{"a b c"};
        QTest::newRow("boş") << "" << QStringList{};
        QTest::newRow("sütundan geniş sözcük bölünür")
            << "kısa ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789ABCD son"
            << QStringList{"kısa", "ABCDEFGHIJKLMNOPQRSTUVWXYZ01", "23456789ABCD son"};
    }
    void aciklama() {
        QFETCH(QString, metin);
        QFETCH(QStringList, satırlar);
        const auto d = Yazdırma::düzenle({satır("A", metin), satır("Sonraki")}, "L", 125,
                                         QSizeF(200, 280), Ölçü);
        const auto& s = d.sayfalar[0];
        const double sonraki = bul(s, "Sonraki")->y;
        QCOMPARE(açıklamaSatırları(s, 25), satırlar);
        for (int i = 0; i < satırlar.size(); ++i)
            QCOMPARE(bul(s, satırlar[i])->y, 26.5 + 4 * i);
        // An empty description still takes its line.
        QCOMPARE(sonraki, 26.5 + 4 * qMax(1, int(satırlar.size())) + 1.5);
    }

    // Thirty six-letter words make six lines of five; on a page 60 mm high the reserve is
    // reached after the fourth, and the rest continues under the header of page 2.
    void aciklamaSayfaAsar() {
        const QString metin = QStringList(30, QStringLiteral("kelime")).join(u' ');
        const auto d = Yazdırma::düzenle({satır("A", metin)}, "L", 125, QSizeF(200, 60), Ölçü);
        QCOMPARE(d.sayfalar.size(), 2);
        QCOMPARE(açıklamaSatırları(d.sayfalar[0], 25).size(), 4);
        const auto ikinci = açıklamaSatırları(d.sayfalar[1], 25);
        QCOMPARE(ikinci.size(), 2);
        QCOMPARE(bul(d.sayfalar[1], ikinci[0])->y, 25.0);
        QVERIFY(bul(d.sayfalar[0], "Sayfa - 1") && bul(d.sayfalar[1], "Sayfa - 2"));
    }
};

QTEST_APPLESS_MAIN(YazdirmaDuzeniTest)
#include "YazdirmaDuzeniTest.moc"
