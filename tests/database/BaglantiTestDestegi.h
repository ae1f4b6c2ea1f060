#pragma once

#include "SahteAnaForm.h"
#include "TestOrtami.h"
#include "database/VeritabaniKurulumu.h"
#include "settings/AyarDeposu.h"

#include <QDialog>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QUuid>

// The test program's database folder.
inline QString vtKökü() {
    return TestOrtami::şimdiki().veritabanıKlasörü();
}
// The stored servers, each as "Sunucu-n=folder".
inline QStringList saklıSunucular() {
    QStringList satırlar;
    for (const auto& [anahtar, değer] : AyarDeposu::GetAllSettings("Sunucular"))
        satırlar << anahtar + "=" + değer;
    return satırlar;
}
inline void düğmeyeBas(QDialog* d, const char* ad) {
    QTest::mouseClick(d->findChild<QPushButton*>(QString::fromUtf8(ad)), Qt::LeftButton);
}

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
