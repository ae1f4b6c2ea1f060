// Any text through the Jet-to-SQLite translator: either a clean Hata, or exactly one
// statement that the engine prepares on the job database's schema (or refuses cleanly).

#include "controls/Hata.h"
#include "database/JetCevirici.h"
#include "database/TurkceBenzer.h"

#include <sqlcipher/sqlite3.h>

#include <QString>
#include <cstdlib>

namespace {
sqlite3* veritabanı() {
    static sqlite3* db = [] {
        sqlite3* d = nullptr;
        sqlite3_open(":memory:", &d);
        sqlite3_exec(d,
                     "CREATE TABLE KlasorBilgileriTablosu (Anahtari TEXT, Bagi TEXT, Adi TEXT);"
                     "CREATE TABLE YapilacakIslerTablosu (IsNo INTEGER PRIMARY KEY AUTOINCREMENT,"
                     " Anahtari TEXT, IsinTarihi DATE, IsinSaati TIME, IsinKonusu TEXT,"
                     " IsinYeri TEXT, IsinSayisi TEXT, Aciklama TEXT, Hatirlatma BOOLEAN,"
                     " IsYapildi BOOLEAN);"
                     "INSERT INTO KlasorBilgileriTablosu VALUES ('1-Anahtar','Klasor','A');"
                     "INSERT INTO YapilacakIslerTablosu (Anahtari, IsinTarihi, IsinSaati, "
                     "IsinKonusu) VALUES ('1-Anahtar','2026-12-06','10:00:00','İstanbul');",
                     nullptr, nullptr, nullptr);
        TürkçeBenzer::kaydet(d);
        // Every statement is cut off after a bounded amount of work.
        sqlite3_progress_handler(
            d, 1000, [](void*) { return 1; }, nullptr);
        return d;
    }();
    return db;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* veri, size_t boyut) {
    const QString jet = QString::fromUtf8(reinterpret_cast<const char*>(veri), qsizetype(boyut));
    // The LIKE matcher on the two halves of the same input.
    TürkçeBenzer::eşleşir(QStringView(jet).left(jet.size() / 2),
                          QStringView(jet).mid(jet.size() / 2), u'\\');
    // The engine's UTF-8 path on the raw bytes of the second half; on a valid UTF-8 text it
    // must answer as the general matcher does.
    {
        const QByteArrayView ham(veri, qsizetype(boyut));
        const QString desen = QString::fromUtf8(ham.first(ham.size() / 2));
        const QByteArrayView metin = ham.sliced(ham.size() / 2);
        const bool utf8 = TürkçeBenzer::eşleşir(desen, metin, u'\\');
        const QString çözülen = QString::fromUtf8(metin);
        if (çözülen.toUtf8() == metin && utf8 != TürkçeBenzer::eşleşir(desen, çözülen, u'\\'))
            std::abort();
    }
    JetÇevirici::Sonuç sonuç;
    try {
        sonuç = JetÇevirici::çevir(jet);
    } catch (const Hata& h) {
        if (h.numara() <= 0 || h.açıklama().isEmpty())
            std::abort();
        return 0;
    }
    if (sonuç.sql.isEmpty())
        std::abort();
    const QByteArray sql = sonuç.sql.toUtf8();
    sqlite3* db = veritabanı();
    sqlite3_stmt* deyim = nullptr;
    const char* kalan = nullptr;
    sqlite3_exec(db, "SAVEPOINT f", nullptr, nullptr, nullptr);
    const int kod = sqlite3_prepare_v2(db, sql.constData(), int(sql.size()), &deyim, &kalan);
    if (kod == SQLITE_OK) {
        // Exactly one statement: nothing may follow it.
        if (!deyim || (kalan && *kalan))
            std::abort();
        if (sonuç.seçim && !sqlite3_stmt_readonly(deyim))
            std::abort(); // a SELECT that writes
        for (int i = 0; i < 100 && sqlite3_step(deyim) == SQLITE_ROW; ++i) {
        }
        sqlite3_finalize(deyim);
    }
    sqlite3_exec(db, "ROLLBACK TO f; RELEASE f", nullptr, nullptr, nullptr);
    return 0;
}
