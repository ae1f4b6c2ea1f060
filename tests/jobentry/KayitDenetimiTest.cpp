#include "TestOrtami.h"

#include "jobentry/KayitDenetimi.h"

using namespace KayıtDenetimi;

// The save checks of the entry window without the window: which boxes, in which order. Each
// box is written as "?" (question) or "!" (information), the box that takes the focus (T date,
// S hour, K subject, H reminder) and the start of its text.
class KayitDenetimiTest : public QObject {
    Q_OBJECT
private slots:
    void checksInOrder_data() {
        QTest::addColumn<QDate>("tarih");
        QTest::addColumn<int>("saat");
        QTest::addColumn<int>("dakika");
        QTest::addColumn<QString>("konu");
        QTest::addColumn<bool>("yapıldı");
        QTest::addColumn<QStringList>("beklenen");
        const QDate bugün(2026, 12, 6), dün(2026, 12, 5), yarın(2026, 12, 7);
        QTest::newRow("no date stops first")
            << QDate() << -1 << -1 << "" << false << QStringList{"!T Lütfen, işin TARİHİ"};
        QTest::newRow("past date, no hour")
            << dün << -1 << -1 << "x" << false
            << QStringList{"?T GEÇMİŞ TARİHLİ", "!S Lütfen, işin SAATİ"};
        QTest::newRow("past date of a done job") << dün << 9 << 0 << "x" << true << QStringList{};
        QTest::newRow("minute unset counts as 00")
            << bugün << 14 << -1 << "x" << false
            << QStringList{"?S GEÇMİŞ ZAMANLI", "?H 'İŞ HATIRLATILSIN'"};
        QTest::newRow("this minute is past by its seconds")
            << bugün << 14 << 35 << " " << false
            << QStringList{"?S GEÇMİŞ ZAMANLI", "!K Lütfen, işin KONUSU"};
        QTest::newRow("next minute, blank subject")
            << bugün << 14 << 36 << "  " << false << QStringList{"!K Lütfen, işin KONUSU"};
        QTest::newRow("future without reminder")
            << yarın << 9 << 0 << "x" << false << QStringList{"?H 'İŞ HATIRLATILSIN'"};
    }
    void checksInOrder() {
        QFETCH(QDate, tarih);
        QFETCH(int, saat);
        QFETCH(int, dakika);
        QFETCH(QString, konu);
        QFETCH(bool, yapıldı);
        QFETCH(QStringList, beklenen);
        const Girdi g{
            tarih, saat, dakika, konu, yapıldı, false, QDate(2026, 12, 6), QTime(14, 35, 20, 500)};
        QStringList bulunan;
        for (const Uyarı& u : uyarılar(g))
            bulunan << QString(u.soru ? "?" : "!") + "TSKH"[int(u.kutu)] + ' ' +
                           u.metin.left(beklenen.value(bulunan.size()).size() - 3);
        QCOMPARE(bulunan, beklenen);
        // Ticking the reminder removes only the reminder question, whose default is No.
        Girdi hatırlatmalı = g;
        hatırlatmalı.hatırlatma = true;
        const auto a = uyarılar(g), b = uyarılar(hatırlatmalı);
        QCOMPARE(a.size() - b.size(), qsizetype(beklenen.contains("?H 'İŞ HATIRLATILSIN'")));
        for (const Uyarı& u : a)
            QCOMPARE(u.evetVarsayılan, u.kutu != Kutu::Hatırlatma);
    }
};

TARVELA_TEST_MAIN(KayitDenetimiTest)
#include "KayitDenetimiTest.moc"
