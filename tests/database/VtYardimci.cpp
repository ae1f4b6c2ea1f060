// A helper process for the database tests: writes to a database file the way another
// computer would, while the test process works on the same file.
//
//   VtYardimci ekle DOSYA N ETİKET   adds N jobs
//   VtYardimci isaretle DOSYA N      marks jobs 1..N done
//   VtYardimci sil-cift DOSYA N      deletes the even jobs of 1..N
//   VtYardimci klasor-adi DOSYA ANAHTAR AD   renames a folder
//   VtYardimci yaz DOSYA             adds jobs for ever, "YAZILDI <count>" after each
//   VtYardimci kilitle DOSYA MS      holds the write lock for MS ms ("KILITLI" first)
//   VtYardimci dolu DOSYA BAYT       file-size limit: size + BAYT, then writes until an error
// Any error ends it with "HATA <number> <description>" and exit code 1.

#include "controls/Hata.h"
#include "controls/ProgramSaati.h"
#include "database/Deyimler.h"
#include "database/Veritabani.h"
#include "database/dosya/DosyaIc.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QThread>

#include <csignal>
#include <cstdio>
#include <sys/resource.h>

namespace {

void satır(const QString& metin) {
    std::fputs(metin.toUtf8().constData(), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

void işEkle(Veritabanı& vt, const QString& konu, const QString& açıklama = QString()) {
    auto rs = vt.OpenRecordset(Deyim::J7());
    rs->AddNew();
    rs->alanYaz("Anahtari", "1-Anahtar");
    rs->alanYaz("IsinTarihi", "06.12.2026");
    rs->alanYaz("IsinSaati", "10:30");
    rs->alanYaz("IsinKonusu", konu);
    rs->alanYaz("IsinYeri", "Büro");
    rs->alanYaz("IsinSayisi", "2026/1");
    rs->alanYaz("Aciklama", açıklama);
    rs->alanYaz("Hatirlatma", false);
    rs->alanYaz("IsYapildi", false);
    rs->Update();
    rs->Close();
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication uygulama(argc, argv);
    const QStringList a = uygulama.arguments();
    if (a.size() < 3)
        return 2;
    const QString kip = a[1], dosya = a[2];
    ProgramSaati::ayarla(QDateTime(QDate(2026, 12, 6), QTime(10, 0)));
    try {
        if (kip == "kilitle") {
            // A raw connection that takes the write lock and keeps it.
            sqlite3* db = nullptr;
            sqlite3_open_v2(QFile::encodeName(dosya).constData(), &db, SQLITE_OPEN_READWRITE,
                            nullptr);
            Veritabanıİç::hazırla(db, "KMZ1994");
            Veritabanıİç::çalıştır(db, "BEGIN EXCLUSIVE");
            satır("KILITLI");
            QThread::msleep(a.value(3).toULong());
            Veritabanıİç::çalıştır(db, "COMMIT");
            sqlite3_close(db);
            satır("BIRAKILDI");
            return 0;
        }
        auto vt = Veritabanı::OpenDatabase(dosya);
        const int n = a.value(3).toInt();
        if (kip == "ekle") {
            for (int i = 0; i < n; ++i)
                işEkle(*vt, QStringLiteral("%1-%2").arg(a.value(4)).arg(i));
        } else if (kip == "isaretle") {
            for (int i = 1; i <= n; ++i)
                vt->Execute(Deyim::J10(i));
        } else if (kip == "sil-cift") {
            for (int i = 2; i <= n; i += 2)
                vt->Execute(Deyim::J6(i));
        } else if (kip == "klasor-adi") {
            auto rs = vt->OpenRecordset(Deyim::F3(a.value(3)));
            rs->Edit();
            rs->alanYaz("Adi", a.value(4));
            rs->Update();
        } else if (kip == "yaz") {
            qint64 sayı = vt->OpenRecordset("SELECT count(*) AS Sayi FROM YapilacakIslerTablosu")
                              ->alan("Sayi")
                              .toLongLong();
            for (qint64 i = 0;; ++i) {
                // Changes between the additions, so that the kill also lands in updates.
                if (i % 3 == 2)
                    vt->Execute(Deyim::J10(qint32(1 + i % std::max<qint64>(sayı, 1))));
                işEkle(*vt, QStringLiteral("Yazıcı-%1").arg(i),
                       QString(200 + int(i % 7) * 300, u'ş'));
                satır(QStringLiteral("YAZILDI %1").arg(++sayı));
            }
        } else if (kip == "dolu") {
            std::signal(SIGXFSZ, SIG_IGN);
            const qint64 boyut = QFileInfo(dosya).size() + a.value(3).toLongLong();
            rlimit sınır{rlim_t(boyut), rlim_t(boyut)};
            setrlimit(RLIMIT_FSIZE, &sınır);
            for (int i = 0; i < 100000; ++i)
                işEkle(*vt, QStringLiteral("Dolu-%1").arg(i), QString(4000, u'x'));
            satır("SINIRA ULASILMADI");
            return 3;
        } else {
            return 2;
        }
    } catch (const Hata& h) {
        satır(QStringLiteral("HATA %1 %2").arg(h.numara()).arg(h.açıklama()));
        return 1;
    }
    return 0;
}
