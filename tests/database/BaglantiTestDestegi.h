#pragma once

#include "SahteAnaForm.h"
#include "database/VeritabaniKurulumu.h"

#include <QDir>
#include <QFile>
#include <QMap>
#include <QUuid>
#include <QWidget>

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
