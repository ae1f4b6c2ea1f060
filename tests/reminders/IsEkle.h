#pragma once

#include "database/Deyimler.h"
#include "database/Veritabani.h"

#include <QDate>

// Adds a job to the open database the way the entry window does (time typed as HH:MM).
inline void işEkle(const QDate& tarih, const QString& saat, const QString& konu,
                   bool hatırlat = true, bool yapıldı = false) {
    auto küme = AçıkVeritabanı::al().OpenRecordset(Deyim::J7());
    küme->AddNew();
    const QVariant değerler[] = {QStringLiteral("1-Anahtar"),
                                 tarih,
                                 saat,
                                 konu,
                                 QStringLiteral("Adliye"),
                                 QStringLiteral("2026/1"),
                                 QStringLiteral("Açıklama ") + konu,
                                 hatırlat,
                                 yapıldı};
    const char* alanlar[] = {"Anahtari",   "IsinTarihi", "IsinSaati",  "IsinKonusu", "IsinYeri",
                             "IsinSayisi", "Aciklama",   "Hatirlatma", "IsYapildi"};
    for (int i = 0; i < 9; ++i)
        küme->alanYaz(QString::fromLatin1(alanlar[i]), değerler[i]);
    küme->Update();
    küme->Close();
}

// One field of a stored job.
inline QVariant alanı(qint32 isNo, const char* alan) {
    return AçıkVeritabanı::al().OpenRecordset(Deyim::J8(isNo))->alan(QString::fromLatin1(alan));
}
