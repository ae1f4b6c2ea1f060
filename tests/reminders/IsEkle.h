#pragma once

#include "database/Deyimler.h"
#include "database/Veritabani.h"

#include <QDate>

// Adds a job to the open database the way the entry window does (time typed as HH:MM).
inline void işEkle(const QDate& tarih, const QString& saat, const QString& konu,
                   bool hatırlat = true, bool yapıldı = false) {
    auto küme = AçıkVeritabanı::al().OpenRecordset(Deyim::J7());
    küme->AddNew();
    const std::pair<const char*, QVariant> alanlar[] = {{"Anahtari", "1-Anahtar"},
                                                        {"IsinTarihi", tarih},
                                                        {"IsinSaati", saat},
                                                        {"IsinKonusu", konu},
                                                        {"IsinYeri", "Adliye"},
                                                        {"IsinSayisi", "2026/1"},
                                                        {"Aciklama", "Açıklama " + konu},
                                                        {"Hatirlatma", hatırlat},
                                                        {"IsYapildi", yapıldı}};
    for (const auto& [alan, değer] : alanlar)
        küme->alanYaz(QString::fromLatin1(alan), değer);
    küme->Update();
    küme->Close();
}

// One field of a stored job.
inline QVariant alanı(qint32 isNo, const char* alan) {
    return AçıkVeritabanı::al().OpenRecordset(Deyim::J8(isNo))->alan(QString::fromLatin1(alan));
}
