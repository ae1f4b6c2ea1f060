#include "TestOrtami.h"

#include "startup/SifreKaristir.h"

#include <QRandomGenerator>

namespace {
// The table method written out plainly: rows are the alphabet turned left by 0..L places;
// the first row whose character at the text character's position is the key character
// gives its first character.
QString tabloIle(const QString& metin, const QString& alfabe, const QString& anahtar) {
    QStringList satırlar;
    for (qsizetype i = 0; i <= alfabe.size(); ++i)
        satırlar << alfabe.mid(i) + alfabe.left(i);
    QString sonuç;
    qsizetype k = 0;
    for (QChar c : metin) {
        const qsizetype p = alfabe.indexOf(c);
        for (const QString& satır : satırlar)
            if (p >= 0 && satır.at(p) == anahtar.at(k)) {
                sonuç += satır.at(0);
                break;
            }
        k = (k + 1) % anahtar.size();
    }
    return sonuç;
}
} // namespace

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

    // Every length the password box allows: scrambling twice gives the text back, the stored
    // form has the text's length and never equals it, and the table method agrees.
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
                QCOMPARE(saklanan, tabloIle(şifre, ŞifreAlfabesi, ŞifreAnahtarı));
            }
    }

    // A character outside the alphabet gives nothing, but still uses up a key character.
    void charactersOutsideTheAlphabet() {
        QCOMPARE(ŞifreKarıştır("12a4"), QString("987"));
        QCOMPARE(ŞifreKarıştır("12a4"), tabloIle("12a4", ŞifreAlfabesi, ŞifreAnahtarı));
        QCOMPARE(ŞifreKarıştır("1234", ŞifreAlfabesi, "6x71"), QString("987"));
    }
};

TARVELA_TEST_MAIN(SifreKaristirTest)
#include "SifreKaristirTest.moc"
