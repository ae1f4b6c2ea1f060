// The program on a PostgreSQL server: a private server is started for the run (the tests'
// pg-sunucu.sh) and stopped at the end. Measured: the main window's list of all 100,000 jobs
// against psql copying the same rows out, the quiet reminder tick on 1,000,000 jobs, and 20
// programs adding jobs at once, on the server and on the file.
//
//   TarvelaSunucuBench                        the whole run
//   TarvelaSunucuBench yazar ADRES N ETİKET   one writer: connects, says HAZIR, waits for a
//                                             line on its input, adds N jobs, exits
#include "BosAnaForm.h"
#include "Olcum.h"
#include "controls/AnaFormArayuzu.h"
#include "controls/Hata.h"
#include "controls/ProgramSaati.h"
#include "database/Deyimler.h"
#include "database/JetCevirici.h"
#include "database/Veritabani.h"
#include "database/VeritabaniKurulumu.h"
#include "database/sunucu/SunucuIc.h"
#include "database/sunucu/SunucuKurulumu.h"
#include "lists/IsListesiModeli.h"
#include "mainwindow/AnaForm.h"
#include "mainwindow/AnaFormDenetimleri.h"
#include "reminders/Hatirlatici.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>
#include <QUrl>
#include <cstdio>
#include <exception>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

namespace {

const QString BetikYolu = QStringLiteral(TARVELA_KAYNAK_KLASORU "/tests/support/pg-sunucu.sh");

// The measured day, as in the reminder benchmark of the file.
const QDate Gün(2026, 12, 6);

void satır(const char* ne, double değer, double taban, double hedefOran) {
    const double oran = değer / taban;
    std::printf("  %-38s %9.4f s   taban %8.4f s   oran %6.3f   hedef <= %.3f  %s\n", ne, değer,
                taban, oran, hedefOran, oran <= hedefOran ? "tamam" : "AŞILDI");
    std::fflush(stdout);
}

// A watchman beside the run: once this process is gone, however it ended (an error, Ctrl+C,
// a kill), it stops the server and removes the run's folder. After a normal end it finds
// nothing left to do and ends within a second.
void kesilinceTemizle(const QString& klasör, const QString& kök) {
    QProcess::startDetached(
        QStringLiteral("bash"),
        {QStringLiteral("-c"),
         QStringLiteral("while kill -0 \"$0\" 2>/dev/null; do sleep 1; done; "
                        "bash \"$1\" durdur \"$2\" >/dev/null 2>&1; rm -rf \"$3\""),
         QString::number(QCoreApplication::applicationPid()), BetikYolu, klasör, kök});
}

// The private server of the run: started in a folder of its own, stopped and removed with
// the object, also when the run ends with an error.
class ÖzelSunucu {
public:
    explicit ÖzelSunucu(const QString& klasör) : klasör_(klasör) {
        QProcess p;
        p.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        p.start(QStringLiteral("bash"), {BetikYolu, QStringLiteral("baslat"), klasör_});
        p.waitForFinished(180000);
        başladı_ = true;
        if (p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
            throw Hata(HataNo::Beklenmeyen, QStringLiteral("Sunucu başlamadı (çıkış %1): %2")
                                                .arg(p.exitCode())
                                                .arg(QString::fromUtf8(p.readAllStandardOutput())));
        QFile uri(klasör_ + QStringLiteral("/yonetici-uri"));
        if (!uri.open(QIODevice::ReadOnly))
            throw Hata(HataNo::Beklenmeyen, QStringLiteral("Sunucunun adresi okunamadı."));
        yönetici_ = QString::fromUtf8(uri.readAll()).trimmed();
    }
    ~ÖzelSunucu() {
        if (başladı_)
            QProcess::execute(QStringLiteral("bash"),
                              {BetikYolu, QStringLiteral("durdur"), klasör_});
    }
    ÖzelSunucu(const ÖzelSunucu&) = delete;
    ÖzelSunucu& operator=(const ÖzelSunucu&) = delete;

    // The superuser's address with another database.
    QString adres(const QString& veritabanı = QString()) const {
        QUrl url(yönetici_);
        if (!veritabanı.isEmpty())
            url.setPath(QLatin1Char('/') + veritabanı);
        return url.toString();
    }

    // Runs statements (several in one text) as the superuser on the database.
    void yönet(const QString& sql, const QString& veritabanı = QString()) const {
        const Sunucuİç::Bağlantı c = Sunucuİç::bağlan(adres(veritabanı), QString());
        PQclear(PQexec(c.get(), "SET client_min_messages = warning"));
        const Sunucuİç::Sonuç r(PQexec(c.get(), sql.toUtf8().constData()));
        if (PQresultStatus(r.get()) != PGRES_COMMAND_OK &&
            PQresultStatus(r.get()) != PGRES_TUPLES_OK)
            throw Sunucuİç::hata(c.get(), r.get());
    }

    // A new database with the program's tables, as the database tool makes it.
    QString veritabanıYap(const QString& ad) const {
        yönet(QStringLiteral("CREATE DATABASE %1").arg(ad));
        SunucuKurulumu::oluştur(adres(ad));
        return adres(ad);
    }

private:
    QString klasör_;
    QString yönetici_;
    bool başladı_ = false;
};

// Folders and jobs made on the server itself, like the demo data of the database tool: 200
// folders, a third of them below another; jobs spread over eight years before the day and
// half a year after it, a share on the day itself; past jobs mostly done, a share of the
// open ones to be reminded. The same seed gives the same rows.
void doldur(const ÖzelSunucu& sunucu, const QString& veritabanı, int işSayısı) {
    sunucu.yönet(QStringLiteral(R"(
SELECT setseed(0.2026);
INSERT INTO "KlasorBilgileriTablosu" ("Anahtari", "Bagi", "Adi")
SELECT g || '-Anahtar',
       CASE WHEN g > 9 AND g % 3 = 0 THEN (g / 3) || '-Anahtar' ELSE 'Klasor' END,
       (ARRAY['Davalar', 'İcra Takipleri', 'Danışmanlık', 'Arabuluculuk', 'Şirketler',
              'Kira İşleri', 'Miras İşleri', 'Ceza Dosyaları', 'İdari Davalar'])[1 + g % 9]
           || CASE WHEN g > 9 THEN ' ' || (g / 9 + 1) ELSE '' END
FROM generate_series(1, 200) g;
INSERT INTO "YapilacakIslerTablosu" ("Anahtari", "IsinTarihi", "IsinSaati", "IsinKonusu",
    "IsinYeri", "IsinSayisi", "Aciklama", "Hatirlatma", "IsYapildi")
SELECT (1 + floor(random() * 200)::int) || '-Anahtar', tarih,
       make_time(8 + floor(random() * 11)::int, 5 * floor(random() * 12)::int, 0),
       (ARRAY['Duruşma', 'Keşif', 'Bilirkişi incelemesi', 'Cevap dilekçesi', 'İstinaf süresi',
              'Müvekkil görüşmesi', 'Tanık dinlenmesi', 'Haciz', 'Tebligat takibi',
              'Uzlaşma toplantısı', 'İhtarname', 'Temyiz süresi'])[1 + floor(random() * 12)::int],
       (ARRAY['İstanbul Çağlayan Adliyesi', 'Ankara Adliyesi', 'İzmir Adliyesi', 'Büro',
              'Kadıköy İcra Dairesi', 'Bakırköy Adliyesi', 'Üsküdar Tapu Müdürlüğü',
              'Müvekkilin işyeri'])[1 + floor(random() * 8)::int],
       CASE WHEN random() < 0.2 THEN ''
            ELSE (extract(year FROM tarih)::int - floor(random() * 3)::int) || '/'
                 || (1 + floor(random() * 999)::int) END,
       (ARRAY['Dosya fotokopileri alınacak.', 'Ödeme belgeleri hazırlanacak.',
              'Tanık listesi gözden geçirilecek; ıslah dilekçesi düşünülebilir.',
              'Şöför Ümit Bey''in ifadesi okunacak.', '', 'Harç yatırılacak.',
              'Öğleden sonra müvekkil aranacak.'])[1 + floor(random() * 7)::int],
       NOT yapıldı AND random() < 0.4, yapıldı
FROM (SELECT tarih, CASE WHEN tarih < DATE '%1' THEN random() < 0.9 ELSE random() < 0.05 END
                        AS yapıldı
      FROM (SELECT CASE WHEN random() < 0.005 THEN DATE '%1'
                        ELSE DATE '%1' - 2920 + floor(random() * 3103)::int END AS tarih
            FROM generate_series(1, %2)) t) u;
ANALYZE;
)")
                     .arg(Gün.toString(Qt::ISODate))
                     .arg(işSayısı),
                 veritabanı);
}

// The main window's list of every job on the server against psql copying the same rows,
// with the statement the program sends, to /dev/null.
void anaListe(const QString& adres) {
    std::printf(" ana pencerenin iş listesi, 100000 iş\n");
    AçıkVeritabanı::ayarla(Veritabanı::OpenDatabase(adres));
    AnaForm form;
    form.Form_Load(true, nullptr);
    form.KlasörleriYükle();
    form.resize(1200, 800);
    QCoreApplication::processEvents();
    form.TümKlasörlerOnayı->setChecked(true);
    const JetÇevirici::Sonuç çeviri = JetÇevirici::çevir(Deyim::J2(), JetÇevirici::Lehçe::Sunucu);
    const QStringList psql = {
        QStringLiteral("-X"), QStringLiteral("-q"),
        QStringLiteral("-d"), adres,
        QStringLiteral("-c"), QStringLiteral("COPY (%1) TO STDOUT").arg(çeviri.sql)};
    bool psqlTamam = true;
    // By turns, so that a change of machine speed falls on both.
    const auto [tümü, kopya] = sırayla(
        3, false,
        [&] {
            form.İşleriListele(QString());
            form.YapılacakİşlerListesi->viewport()->repaint();
        },
        [&] {
            QProcess p;
            p.setStandardOutputFile(QProcess::nullDevice());
            p.setProcessChannelMode(QProcess::ForwardedErrorChannel);
            p.start(QStringLiteral("psql"), psql);
            psqlTamam = p.waitForFinished(120000) && p.exitCode() == 0 && psqlTamam;
        });
    const int satırSayısı = form.işModeli->satırSayısı();
    if (!psqlTamam || !çeviri.parametreler.isEmpty())
        throw Hata(HataNo::Beklenmeyen, QStringLiteral("psql satırları kopyalayamadı."));
    char ne[64];
    std::snprintf(ne, sizeof ne, "tüm klasörler listesi (%d iş)", satırSayısı);
    std::printf("  taban: psql -c \"COPY (aynı deyim) TO STDOUT\" > /dev/null\n");
    satır(ne, tümü, kopya, 1.5);
    AçıkVeritabanı::kapat();
}

// The reminder check every 32 seconds before the day's first job: nothing is due, and the
// tick is the due-job query's trip to the server and back.
void sessizTik(const QString& adres, int işSayısı) {
    std::printf(" hatırlatma denetimi, %d iş\n", işSayısı);
    AçıkVeritabanı::ayarla(Veritabanı::OpenDatabase(adres));
    {
        BoşAnaForm ana;
        HatırlatmaZamanlayıcısı zamanlayıcı(ana);
        ProgramSaati::ayarla(QDateTime(Gün, QTime(7, 59, 30)));
        zamanlayıcı.HatırlatılacakİşleriListele();
        const double tik = 1e6 * ortanca(300, [&] { zamanlayıcı.HatırlatılacakİşleriListele(); });
        std::printf("  %-38s %9.0f µs   hedef <= 1000 µs  %s\n", "sessiz tik (07:59:30)", tik,
                    tik <= 1000 ? "tamam" : "AŞILDI");
    }
    AçıkVeritabanı::kapat();
}

// One writer of the concurrency run: jobs added one by one, each in its own transaction,
// as a user adds them.
int yazar(const QString& adres, int sayı, const QString& etiket) {
    ProgramSaati::ayarla(QDateTime(Gün, QTime(10, 0)));
    try {
        auto vt = Veritabanı::OpenDatabase(adres);
        std::printf("HAZIR\n");
        std::fflush(stdout);
        std::string başla;
        std::getline(std::cin, başla);
        for (int i = 0; i < sayı; ++i) {
            auto rs = vt->OpenRecordset(Deyim::J7());
            rs->AddNew();
            rs->alanYaz(QStringLiteral("Anahtari"), QStringLiteral("1-Anahtar"));
            rs->alanYaz(QStringLiteral("IsinTarihi"), QStringLiteral("06.12.2026"));
            rs->alanYaz(QStringLiteral("IsinSaati"), QStringLiteral("10:30"));
            rs->alanYaz(QStringLiteral("IsinKonusu"), QStringLiteral("%1-%2").arg(etiket).arg(i));
            rs->alanYaz(QStringLiteral("IsinYeri"), QStringLiteral("Büro"));
            rs->alanYaz(QStringLiteral("Hatirlatma"), false);
            rs->alanYaz(QStringLiteral("IsYapildi"), false);
            rs->Update();
            rs->Close();
        }
    } catch (const Hata& h) {
        std::printf("HATA %d %s\n", h.numara(), qPrintable(h.açıklama()));
        return 1;
    }
    return 0;
}

// 20 writers of 500 jobs each, started together on the database; then every job must be
// there once under a number of its own.
void eşZamanlıYazarlar(const QString& ne, const QString& adres) {
    const int yazarSayısı = 20, işSayısı = 500;
    std::vector<std::unique_ptr<QProcess>> yazarlar;
    for (int y = 0; y < yazarSayısı; ++y) {
        auto p = std::make_unique<QProcess>();
        p->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        p->start(QCoreApplication::applicationFilePath(),
                 {QStringLiteral("yazar"), adres, QString::number(işSayısı),
                  QStringLiteral("Y%1").arg(y)});
        yazarlar.push_back(std::move(p));
    }
    int hazır = 0;
    for (auto& p : yazarlar) {
        while (!p->canReadLine() && p->state() != QProcess::NotRunning)
            p->waitForReadyRead(60000);
        hazır += p->readLine().startsWith("HAZIR");
    }
    QElapsedTimer saat;
    saat.start();
    for (auto& p : yazarlar) {
        p->write("\n");
        p->closeWriteChannel();
    }
    int başarısız = 0;
    for (auto& p : yazarlar) {
        p->waitForFinished(600000);
        if (p->exitStatus() != QProcess::NormalExit || p->exitCode() != 0) {
            ++başarısız;
            std::printf("  yazar: %s", p->readAllStandardOutput().constData());
        }
    }
    const double süre = saat.nsecsElapsed() / 1e9;

    auto vt = Veritabanı::OpenDatabase(adres);
    auto k = vt->OpenRecordset(QStringLiteral("SELECT IsNo, IsinKonusu FROM YapilacakIslerTablosu"),
                               Veritabanı::Okuma::Tamamı);
    QSet<qint64> numaralar;
    QSet<QString> konular;
    int sayı = 0;
    for (; !k->Eof(); k->MoveNext(), ++sayı) {
        numaralar.insert(k->alan(QStringLiteral("IsNo")).toLongLong());
        konular.insert(k->alan(QStringLiteral("IsinKonusu")).toString());
    }
    const int beklenen = yazarSayısı * işSayısı;
    const int kayıp = beklenen - int(konular.size());
    const int çiftNo = sayı - int(numaralar.size());
    const bool tamam =
        hazır == yazarSayısı && başarısız == 0 && sayı == beklenen && kayıp == 0 && çiftNo == 0;
    std::printf("  %-10s %d yazar x %d iş: %6.2f s, %7.0f iş/s; sayı %d, kayıp %d, çift IsNo %d, "
                "hatalı yazar %d  %s\n",
                qPrintable(ne), yazarSayısı, işSayısı, süre, beklenen / süre, sayı, kayıp, çiftNo,
                başarısız, tamam ? "tamam" : "AŞILDI");
    std::fflush(stdout);
}

} // namespace

int main(int argc, char** argv) {
    if (argc >= 5 && std::string(argv[1]) == "yazar") {
        QCoreApplication uygulama(argc, argv);
        const QStringList a = QCoreApplication::arguments();
        return yazar(a[2], a[3].toInt(), a[4]);
    }
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    // The server runs as another user under root: the folder must be open to it.
    QTemporaryDir kök(QDir::tempPath() + QStringLiteral("/TarvelaSunucuBench-XXXXXX"));
    QFile::setPermissions(kök.path(), QFile::permissions(kök.path()) | QFile::ExeGroup |
                                          QFile::ExeOther | QFile::ReadGroup | QFile::ReadOther);
    // The benchmark keeps its settings to itself.
    qputenv("XDG_CONFIG_HOME", (kök.path() + QStringLiteral("/ayarlar")).toUtf8());
    QApplication uygulama(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    try {
        QElapsedTimer hazırlık;
        hazırlık.start();
        const QString sunucuKlasörü = kök.path() + QStringLiteral("/pg");
        kesilinceTemizle(sunucuKlasörü, kök.path());
        ÖzelSunucu sunucu(sunucuKlasörü);
        std::printf("PostgreSQL sunucusunda (özel sunucu, %.1f s)\n", hazırlık.elapsed() / 1000.0);
        std::fflush(stdout);

        for (int işSayısı : {100000, 1000000}) {
            hazırlık.restart();
            const QString ad = QStringLiteral("tarvela_%1").arg(işSayısı);
            const QString adres = sunucu.veritabanıYap(ad);
            doldur(sunucu, ad, işSayısı);
            std::printf(" %d iş doldu (%.1f s)\n", işSayısı, hazırlık.elapsed() / 1000.0);
            std::fflush(stdout);
            if (işSayısı == 100000)
                anaListe(adres);
            else
                sessizTik(adres, işSayısı);
            sunucu.yönet(QStringLiteral("DROP DATABASE %1 WITH (FORCE)").arg(ad));
        }

        std::printf(" eş zamanlı yazarlar\n");
        eşZamanlıYazarlar(QStringLiteral("sunucu"),
                          sunucu.veritabanıYap(QStringLiteral("tarvela_yazarlar")));
        const QString dosya = kök.path() + QStringLiteral("/Lodra.vtb");
        VeritabanıKurulumu::oluştur(dosya);
        eşZamanlıYazarlar(QStringLiteral("dosya"), dosya);
    } catch (const Hata& h) {
        std::printf("HATA %d: %s\n", h.numara(), qPrintable(h.açıklama()));
        return 1;
    } catch (const std::exception& e) {
        std::printf("HATA: %s\n", e.what());
        return 1;
    }
    return 0;
}
