#pragma once

#include <QString>
#include <QStringList>

// One row of a job list on screen (main list, reminder list, job lists window): the row
// text and sub-items 1 to 6 as shown, the small icon and, in all-folders mode, the folder key.
struct İşSatırı {
    QString tarih;    // row text: IsinTarihi in the short date form
    QString saat;     // sub-item 1: IsinSaati as HH:MM:SS
    QString konu;     // sub-item 2
    QString yer;      // sub-item 3
    QString sayı;     // sub-item 4
    QString açıklama; // sub-item 5
    QString isNo;     // sub-item 6: the job number in decimal
    int simge = 2;    // 1 HATIRLAT, 2 HATIRLATMA, 3 YAPILDI
    QString anahtar;  // the tag: the folder key (all-folders mode only)
};

// The row as a screen reader reads it, as one sentence: date, time, subject, place, number,
// and the icon in words ("yapıldı" done, "hatırlatılacak" to be reminded).
inline QString okunacakSatır(const İşSatırı& s) {
    QStringList parçalar;
    for (const QString& alan : {s.tarih, s.saat.left(5), s.konu, s.yer, s.sayı})
        if (!alan.isEmpty())
            parçalar << alan;
    if (s.simge == 3)
        parçalar << QStringLiteral("yapıldı");
    else if (s.simge == 1)
        parçalar << QStringLiteral("hatırlatılacak");
    return parçalar.join(QStringLiteral(", "));
}

// The icon number of a job: 3 when done, else 1 when it is to be reminded, else 2.
inline int işSimgesi(bool yapıldı, bool hatırlatma) {
    return yapıldı ? 3 : hatırlatma ? 1 : 2;
}
