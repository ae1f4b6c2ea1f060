#pragma once

#include <QDate>
#include <QString>
#include <QTime>

// The statements the program sends to the job database, built exactly as the program has
// always written them (Jet form; the engine layer translates them). Text values are put
// between single quotes; an apostrophe inside is doubled so that it can neither break nor
// change a statement, which leaves every other text byte for byte as before.
// moc cannot read the Turkish enumerators below; it needs nothing from this header.
#ifndef Q_MOC_RUN
namespace Deyim {
// "#12/5/2026#": month and day without leading zeros, whatever the user's date format.
QString tarihLiterali(const QDate& tarih);
// "#14:35:0#": 24-hour HH:MM and always ":0" seconds.
QString saatLiterali(const QTime& zaman);
// 'text' with any apostrophe doubled.
QString metinLiterali(const QString& metin);

// Folders.
QString F1();                              // SELECT * FROM KlasorBilgileriTablosu
QString F2();                              // the same, opened to add a row
QString F3(const QString& klasörAnahtarı); // SELECT Adi ... WHERE Anahtari= '<key>'
QString F4(const QString& klasörAnahtarı); // the same as F3, opened to delete the row
QString F5(const QString& klasörAnahtarı); // DELETE * FROM YapilacakIslerTablosu WHERE ...

// Jobs.
QString J1(const QString& klasörAnahtarı);
QString J2();
QString J3(const QDate& bugün, const QString& klasörAnahtarı);
QString J4(const QDate& bugün);
QString J5(const QString& hedefAnahtar, qint32 isNo);
QString J6(qint32 isNo);
QString J7();
QString J8(qint32 isNo);
QString J9(const QDate& bugün, const QTime& şimdi);
QString J10(qint32 isNo);
QString J11(qint32 isNo);
// The new time as the stored time text (HH:MM:SS).
QString J12(qint32 isNo, const QString& yeniSaatMetni);

// The five selections of the job lists window.
enum class Liste { Hepsi, Yapılanlar, Gecikenler, Tarihteki };
QString J13(Liste seçim, const QDate& tarih = QDate());
// Search in IsinKonusu, IsinYeri or Aciklama for the text anywhere in the field; every
// character of the text matches only itself (also * ? # [ % _ and the apostrophe).
QString J14(const QString& alanAdı, const QString& aranan);
} // namespace Deyim
#endif
