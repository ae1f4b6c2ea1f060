#pragma once

#include "SahteAnaForm.h"
#include "TestOrtami.h"
#include "database/Veritabani.h"
#include "database/VeritabaniKurulumu.h"
#include "database/dosya/DosyaIc.h"
#include "settings/AyarDeposu.h"

#include <QDialog>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QPushButton>
#include <QUuid>

// The test program's database folder.
inline QString vtKökü() {
    return TestOrtami::şimdiki().veritabanıKlasörü();
}
inline QString vtDosyası() {
    return vtKökü() + "/Lodra.vtb";
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
// Writes a file afresh; false when it cannot be written.
inline bool dosyaYaz(const QString& yol, const QByteArray& veri) {
    QFile f(yol);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(veri) == veri.size();
}
// A file's bytes (empty when it cannot be read).
inline QByteArray içerik(const QString& yol) {
    QFile f(yol);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
// Runs statements on a raw connection, for files changed by other means than the program.
inline void hamDeyim(const QString& yol, const char* parola, const char* sql) {
    sqlite3* db = nullptr;
    sqlite3_open_v2(QFile::encodeName(yol).constData(), &db,
                    SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    Veritabanıİç::hazırla(db, parola);
    Veritabanıİç::çalıştır(db, sql);
    sqlite3_close(db);
}
inline qint64 işSayısı(Veritabanı& vt, const QString& koşul = {}) {
    return vt.OpenRecordset("SELECT count(*) AS Sayi FROM YapilacakIslerTablosu " + koşul)
        ->alan("Sayi")
        .toLongLong();
}
inline QString araçYolu() {
    return qEnvironmentVariable("TARVELA_BIN") + "/LodraVt";
}
// Runs the database tool without a terminal; its exit code, and its output when asked for.
inline int araç(const QStringList& args, QString* çıktı = nullptr) {
    QProcess p;
    p.start(araçYolu(), args);
    p.closeWriteChannel();
    p.waitForFinished(120000);
    if (çıktı)
        *çıktı = QString::fromUtf8(p.readAllStandardOutput() + p.readAllStandardError());
    return p.exitCode();
}
// A folder whose Lodra.vtb is a plain text file.
inline QString bozukDosyalıKlasör(const QString& kök, const QString& ad) {
    const QString yol = yeniKlasör(kök, ad);
    dosyaYaz(yol + "/Lodra.vtb", "Bu bir veritabani degil, yalnizca bir metin dosyasi.\n");
    return yol;
}
