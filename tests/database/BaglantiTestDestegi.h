#pragma once

#include "database/VeritabaniKurulumu.h"
#include "mainwindow/AnaFormArayuzu.h"

#include <QDir>
#include <QFile>
#include <QMap>
#include <QUuid>
#include <QWidget>

// A stand-in main window that records what the connection windows ask of it.
class SahteAnaForm : public AnaFormArayüzü {
public:
    QWidget pencere_;
    int klasörYükleme = 0;
    int ağaçBoşaltma = 0;
    int kapatma = 0;
    QMap<int, QString> durum;

    QWidget* pencere() override { return &pencere_; }
    void KlasörleriYükle() override { ++klasörYükleme; }
    void klasörAğacınıBoşalt() override { ++ağaçBoşaltma; }
    QString seçiliKlasörAnahtarı() const override { return {}; }
    QString seçiliKlasörAdı() const override { return {}; }
    void seçiliKlasörüTıkla() override {}
    int işSatırSayısı() const override { return 0; }
    void işSatırıSeç(int) override {}
    void durumYaz(int panel, const QString& metin) override { durum[panel] = metin; }
    void BildirimAlanınaSimgeEkle() override {}
    void BildirimAlanındanSimgeyiSil() override {}
    void programıKapat() override { ++kapatma; }
};

// Server folders made fresh for each test under the test program's database folder.
inline QString yeniKlasör(const QString& kök, const QString& ad) {
    const QString yol = kök + "/" + ad + "-" + QUuid::createUuid().toString(QUuid::Id128);
    QDir().mkpath(yol);
    return yol;
}
// A folder holding a sound database.
inline QString veritabanlıKlasör(const QString& kök, const QString& ad,
                                 const QString& parola = VeritabanıKurulumu::Parola) {
    const QString yol = yeniKlasör(kök, ad);
    VeritabanıKurulumu::oluştur(yol + "/Lodra.vtb", parola);
    return yol;
}
// A folder whose Lodra.vtb is a plain text file.
inline QString bozukDosyalıKlasör(const QString& kök, const QString& ad) {
    const QString yol = yeniKlasör(kök, ad);
    QFile dosya(yol + "/Lodra.vtb");
    if (dosya.open(QIODevice::WriteOnly))
        dosya.write("Bu bir veritabani degil, yalnizca bir metin dosyasi.\n");
    return yol;
}
