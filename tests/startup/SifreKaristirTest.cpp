#include "TestOrtami.h"

#include "settings/SifreKaristir.h"

#include <QRandomGenerator>

class SifreKaristirTest : public QObject {
    Q_OBJECT
private slots:
    void init() { TestOrtami::sıfırla(); }

    void knownValues() {
        QCOMPARE(ŞifreKarıştır("1234"), QString("9887"));
        // The fifth character takes the key from its start again.
        QCOMPARE(ŞifreKarıştır("12345"), QString("98876"));
        QCOMPARE(ŞifreKarıştır(""), QString());
    }

    // Every length the password box allows: scrambling twice gives the text back, and the
    // stored form has the text's length and never equals it.
    void roundTripAndStoredForm() {
        QRandomGenerator üreteç(1994);
        for (int uzunluk = 4; uzunluk <= 10; ++uzunluk)
            for (int tekrar = 0; tekrar < 50; ++tekrar) {
                QString şifre;
                for (int i = 0; i < uzunluk; ++i)
                    şifre += QChar('0' + üreteç.bounded(10));
                const QString saklanan = ŞifreKarıştır(şifre);
                QCOMPARE(saklanan.size(), şifre.size());
                QVERIFY2(saklanan != şifre, qPrintable(şifre));
                QCOMPARE(ŞifreKarıştır(saklanan), şifre);
            }
    }

    // A character outside the alphabet gives nothing, but still uses up a key character.
    void charactersOutsideTheAlphabet() {
        QCOMPARE(ŞifreKarıştır("12a4"), QString("987"));
        QCOMPARE(ŞifreKarıştır("1234", ŞifreAlfabesi, "6x71"), QString("987"));
    }
};

TARVELA_TEST_MAIN(SifreKaristirTest)
#include "SifreKaristirTest.moc"
