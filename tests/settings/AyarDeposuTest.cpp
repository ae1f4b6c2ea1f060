#include "TestOrtami.h"

#include "settings/AyarDeposu.h"

class AyarDeposuTest : public QObject {
    Q_OBJECT
private slots:
    void init() { TestOrtami::sıfırla(); }
    void numericKeyOrder() {
        for (int i : {10, 2, 1, 11})
            AyarDeposu::SaveSetting("Yapilacak Is Bilgileri\\Konular", QString("Sira-%1").arg(i),
                                    QString::number(i));
        const auto çiftler = AyarDeposu::GetAllSettings("Yapilacak Is Bilgileri\\Konular");
        QStringList anahtarlar;
        for (const auto& ç : çiftler)
            anahtarlar << ç.first;
        QCOMPARE(anahtarlar, QStringList({"Sira-1", "Sira-2", "Sira-10", "Sira-11"}));
    }
};

TARVELA_TEST_MAIN(AyarDeposuTest)
#include "AyarDeposuTest.moc"
