#include "database/Klasorler.h"

#include "database/AnahtarSayaci.h"
#include "database/Deyimler.h"
#include "database/Veritabani.h"

#include <QMultiHash>
#include <QSet>

namespace Klasörler {

bool ayrılmışMı(const QString& anahtar) {
    return anahtar == ProgramAnahtarı || anahtar == KlasörAnahtarı;
}

QStringList altKlasörler(Veritabanı& vt, const QString& anahtar) {
    QMultiHash<QString, QString> altları;
    auto kayıtlar = vt.OpenRecordset(Deyim::F1());
    const int anahtarNo = kayıtlar->alanNo(QStringLiteral("Anahtari"));
    const int bağNo = kayıtlar->alanNo(QStringLiteral("Bagi"));
    for (; !kayıtlar->Eof(); kayıtlar->MoveNext())
        altları.insert(kayıtlar->alan(bağNo).toString(), kayıtlar->alan(anahtarNo).toString());
    kayıtlar->Close();
    // Breadth first; a key met twice (a loop in damaged data) is taken once.
    QStringList sonuç;
    QSet<QString> görülen{anahtar};
    for (qsizetype i = -1; i < sonuç.size(); ++i)
        for (const QString& alt : altları.values(i < 0 ? anahtar : sonuç[i]))
            if (!görülen.contains(alt)) {
                görülen.insert(alt);
                sonuç << alt;
            }
    return sonuç;
}

void varOlmalı(Veritabanı& vt, const QString& anahtar) {
    auto kayıtlar = vt.OpenRecordset(Deyim::F3(anahtar));
    const bool var = !kayıtlar->Eof();
    kayıtlar->Close();
    if (!var)
        throw Reddedilen(VeritabanıHataNo::İlgiliKayıtYok,
                         QStringLiteral("Seçtiğiniz klasör başka bir bilgisayardan "
                                        "silinmiş! Klasör listesi yenilendi; lütfen, "
                                        "başka bir klasör seçiniz."));
}

QString ekle(Veritabanı& vt, AnahtarSayacı& sayaç, const QString& üstAnahtar) {
    QString anahtar;
    // A second try is for an engine that lets another computer take the key between the
    // reading and the adding; the file's own lock leaves no such gap.
    for (int deneme = 0;; ++deneme) {
        try {
            vt.işlem([&] {
                if (!ayrılmışMı(üstAnahtar))
                    varOlmalı(vt, üstAnahtar);
                auto kayıtlar = vt.OpenRecordset(Deyim::F2(), Veritabanı::Okuma::Tamamı);
                const int anahtarNo = kayıtlar->alanNo(QStringLiteral("Anahtari"));
                for (; !kayıtlar->Eof(); kayıtlar->MoveNext())
                    sayaç.güncelle(kayıtlar->alan(anahtarNo).toString());
                anahtar = sayaç.yeniAnahtar();
                kayıtlar->AddNew();
                kayıtlar->alanYaz(QStringLiteral("Bagi"), üstAnahtar);
                kayıtlar->alanYaz(QStringLiteral("Anahtari"), anahtar);
                kayıtlar->alanYaz(QStringLiteral("Adi"), YeniKlasörAdı);
                kayıtlar->Update();
                kayıtlar->Close();
            });
            return anahtar;
        } catch (const Hata& h) {
            if (h.numara() != VeritabanıHataNo::YinelenenDeğer || deneme >= 3)
                throw;
        }
    }
}

void sil(Veritabanı& vt, const QString& anahtar) {
    vt.işlem([&] {
        QStringList silinecek = altKlasörler(vt, anahtar);
        silinecek.prepend(anahtar);
        // Jobs first, then the folder rows from the deepest up.
        for (auto k = silinecek.crbegin(); k != silinecek.crend(); ++k) {
            vt.Execute(Deyim::F5(*k));
            auto kayıtlar = vt.OpenRecordset(Deyim::F4(*k));
            if (!kayıtlar->Eof())
                kayıtlar->Delete();
            kayıtlar->Close();
        }
    });
}

} // namespace Klasörler
