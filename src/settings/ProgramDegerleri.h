#pragma once

#include <QString>

// Values set once at start-up and read by the rest of the program.
struct ProgramDeğerleri {
    QString uygulamaBaşlığı;
    // The folder of the executable, always ending in exactly one separator.
    QString programKlasörü;
    QString ayarUygulamaAdı = QStringLiteral("Selvane\\Tarvela");
    bool ntBayrağı = true;
    bool yazıcıVar = false;
};

ProgramDeğerleri& program();

inline const QString ÜrünAdı = QStringLiteral("Tarvela");

// "Selvane - Tarvela 2.33 (İstemci)" for version 2.3.3: the minor number and the revision
// are written one after the other.
QString uygulamaBaşlığınıOluştur(int ana, int alt, int düzeltme);
// The version part alone, "2.33".
QString sürümMetni(int ana, int alt, int düzeltme);
QString buSürümünBaşlığı();
// The folder with exactly one trailing separator.
QString programKlasörünüOluştur(const QString& klasör);
