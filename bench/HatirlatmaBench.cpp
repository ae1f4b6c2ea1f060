// Cost of the reminder check on large job files: the due-job query alone and the whole list
// refill that every 32-second tick does, on databases of 100,000 and 1,000,000 jobs.
#include "BosAnaForm.h"
#include "Olcum.h"
#include "controls/AnaFormArayuzu.h"
#include "controls/ProgramSaati.h"
#include "database/Veritabani.h"
#include "database/VeritabaniKurulumu.h"
#include "reminders/Hatirlatici.h"
#include "reminders/HatirlatmaFormu.h"
#include "reminders/HatirlatmaSorgusu.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication uygulama(argc, argv);
    QTemporaryDir klasör;
    // The measured day is an ordinary day of a file that has grown for years: the demo jobs
    // are spread evenly over eight months around it, so the day holds its share of them.
    const QDate gün(2026, 12, 6);
    // Before the day's first job (the quiet tick that runs all day long) and in the
    // afternoon, when some of the day's jobs are due and fill the list.
    const QDateTime sessiz(gün, QTime(7, 59, 30));
    const QDateTime öğleden(gün, QTime(14, 35, 12));
    bool hepsiTamam = true;
    std::printf("Hatırlatma denetimi (32 saniyede bir; ortanca süre; sessiz tik sınırı 100.000 "
                "işte 100 µs, 1.000.000 işte 1000 µs)\n");
    for (int işSayısı : {100000, 1000000}) {
        const double sınır = işSayısı <= 100000 ? 100.0 : 1000.0;
        const QString dosya = klasör.path() + QStringLiteral("/%1/Lodra.vtb").arg(işSayısı);
        QDir().mkpath(QFileInfo(dosya).path());
        QElapsedTimer hazırlık;
        hazırlık.start();
        VeritabanıKurulumu::oluştur(dosya);
        VeritabanıKurulumu::ÖrnekAyarları ayar;
        ayar.işSayısı = işSayısı;
        ayar.klasörSayısı = 40;
        ayar.bugün = gün.addDays(-60);
        VeritabanıKurulumu::örnekVeriDoldur(dosya, ayar);
        const double hazırlıkSn = hazırlık.elapsed() / 1000.0;

        // One connection for the whole run, as the program keeps it.
        AçıkVeritabanı::ayarla(Veritabanı::OpenDatabase(dosya));
        auto& vt = AçıkVeritabanı::al();
        BoşAnaForm ana;
        HatırlatmaZamanlayıcısı zamanlayıcı(ana);
        std::printf("  %d iş (hazırlık %.1f s)\n", işSayısı, hazırlıkSn);
        for (const QDateTime& an : {sessiz, öğleden}) {
            ProgramSaati::ayarla(an);
            const auto bulunan = hatırlatılacakİşler(vt, an).size();
            const double sorgu = 1e6 * ortanca(300, [&] { hatırlatılacakİşler(vt, an); });
            zamanlayıcı.HatırlatılacakİşleriListele();
            const double tik =
                1e6 * ortanca(300, [&] { zamanlayıcı.HatırlatılacakİşleriListele(); });
            const bool sessizMi = an == sessiz;
            const bool tamam = !sessizMi || tik <= sınır;
            hepsiTamam = hepsiTamam && tamam;
            std::printf("    %s: %lld iş zamanı gelmiş; J9 sorgusu %.0f µs, liste dolumu dahil "
                        "tik %.0f µs%s\n",
                        qPrintable(an.time().toString(QStringLiteral("HH:mm:ss"))),
                        static_cast<long long>(bulunan), sorgu, tik,
                        sessizMi ? (tamam ? " (tamam)" : " (SINIR AŞILDI)") : "");
            std::fflush(stdout);
        }
        AçıkVeritabanı::kapat();
    }
    return hepsiTamam ? 0 : 1;
}
