#pragma once

#include <QString>
#include <QStringList>

class QTextStream;

// How the database tool finds and takes office keys: from a key file given with an option,
// from the user's keyring, or typed on the terminal with the echo off; never from the
// command line itself.
namespace AraçAnahtarı {

struct Seçenekler {
    QString anahtarDosyası;     // --anahtar-dosyasi: the file's key (olustur: the new key)
    QString yeniAnahtarDosyası; // --yeni-anahtar-dosyasi: the new key of anahtar-degistir
    bool anahtarSor = false;    // --buro-anahtari: olustur asks for an office key
};

// Reads the option at args[i] when it is one of the above, moving i past its value. False
// when it is not one of them; `hata` is set when its value is missing.
bool seçenekOku(const QStringList& args, qsizetype& i, Seçenekler& s, QString& hata);

// The key of a new file: the program's password unless an office key is given or asked for.
QString yeniDosyaAnahtarı(const Seçenekler& s);

// The key that opens an existing file: the program's password, the key file, the keyring or
// the terminal, in this order. A file that no key can be tried on gets the program's
// password, so that the command reports it as it always has.
QString anahtarıBul(const QString& dosya, const Seçenekler& s);

// "sabit parola" or "büro anahtarı"; never the key.
QString korumaAdı(const QString& anahtar);

// anahtar-degistir: encrypts the file with a new office key and tells what stays under the
// old one.
void anahtarDeğiştir(const QString& dosya, const Seçenekler& s, QTextStream& çıkış);

} // namespace AraçAnahtarı
