#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// moc cannot read Turkish identifiers; it needs nothing from this header.
#ifndef Q_MOC_RUN

class Veritabanı;

// Searching the jobs of all folders for a piece of text in the subject, the place or the
// description: the input rules, the statement and the texts of the search window.
namespace Arama {

// The entries of "where to search", in order; the field each one searches.
inline const QStringList Yerler = {QStringLiteral("İşin Konusu"), QStringLiteral("İşin Yeri"),
                                   QStringLiteral("Açıklama")};
// The field of the entry at `sıra`; empty when there is no such entry.
QString alan(int sıra);

// Characters the search box refuses, typed or pasted: ' # * ?
bool reddedilir(QChar c);
// The text without the refused characters.
QString süz(const QString& metin);
// Characters as the user sees them (a letter with its accents, or a character that takes two
// UTF-16 units, counts once).
int karakterSayısı(const QString& metin);
// The text with its surrounding blanks removed, and whether it is long enough to search for.
inline constexpr int EnAzKarakter = 2;
QString kırp(const QString& metin);
bool yeterliMi(const QString& kırpılmış);

// The statement for the entry at `sıra` and the (trimmed) text.
QString deyim(int sıra, const QString& metin);

// One job found: the searched field's value, the job number and the job's folder key.
struct Sonuç {
    QString değer;
    qint64 isNo = 0;
    QString anahtar;
};
// Runs the search and appends each job found as it is read, so whatever was read stays when a
// later row fails (the error is thrown on).
void ara(Veritabanı& vt, int sıra, const QString& metin, QList<Sonuç>& sonuçlar);

// "(3 iş bulundu!)"
QString sonuçSatırı(int sayı);

inline const QString YerSeçinMesajı = QStringLiteral("Lütfen, ARANACAK YERİ listeden seçiniz!");
inline const QString İkiKarakterMesajı =
    QStringLiteral("Lütfen, aranacak ifadeye en az İKİ karakter giriniz!");
inline const QString BulunamadıMesajı = QStringLiteral("Aradığınız ölçüte uyan kayıt bulunamadı!");

} // namespace Arama
#endif
