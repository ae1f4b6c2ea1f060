#include "TestOrtami.h"

#include "jobentry/KayitDenetimi.h"

using namespace KayıtDenetimi;

// The save checks of the entry window without the window: which boxes, in which order. Each
// box is written as "?" (question) or "!" (information) and the start of its text.
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
            << QDate() << -1 << -1 << "" << false << QStringList{"!Lütfen, işin TARİHİ"};
        QTest::newRow("past date, no hour")
            << dün << -1 << -1 << "x" << false
            << QStringList{"?GEÇMİŞ TARİHLİ", "!Lütfen, işin SAATİ"};
        QTest::newRow("past date of a done job") << dün << 9 << 0 << "x" << true << QStringList{};
        QTest::newRow("minute unset counts as 00")
            << bugün << 14 << -1 << "x" << false
            << QStringList{"?GEÇMİŞ ZAMANLI", "?'İŞ HATIRLATILSIN'"};
        QTest::newRow("this minute is past by its seconds")
            << bugün << 14 << 35 << " " << false
            << QStringList{"?GEÇMİŞ ZAMANLI", "!Lütfen, işin KONUSU"};
        QTest::newRow("next minute, blank subject")
            << bugün << 14 << 36 << "  " << false << QStringList{"!Lütfen, işin KONUSU"};
        QTest::newRow("future without reminder")
            << yarın << 9 << 0 << "x" << false << QStringList{"?'İŞ HATIRLATILSIN'"};
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
            bulunan << (u.soru ? "?" : "!") +
                           u.metin.left(beklenen.value(bulunan.size()).size() - 1);
        QCOMPARE(bulunan, beklenen);
        // Ticking the reminder removes only the reminder question, whose default is No.
        Girdi hatırlatmalı = g;
        hatırlatmalı.hatırlatma = true;
        const auto a = uyarılar(g), b = uyarılar(hatırlatmalı);
        QCOMPARE(a.size() - b.size(), qsizetype(beklenen.contains("?'İŞ HATIRLATILSIN'")));
        if (!a.isEmpty() && a.last().kutu == Kutu::Hatırlatma)
            QVERIFY(!a.last().evetVarsayılan);
    }
};

TARVELA_TEST_MAIN(KayitDenetimiTest)
#include "KayitDenetimiTest.moc"
