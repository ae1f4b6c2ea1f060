#include "reminders/Hatirlatici.h"

#include "controls/AnaFormArayuzu.h"
#include "controls/Hata.h"
#include "controls/HataBildirici.h"
#include "controls/Iz.h"
#include "controls/Modal.h"
#include "controls/ProgramSaati.h"
#include "database/Veritabani.h"
#include "deadline/TatilTakvimi.h"
#include "reminders/HatirlatmaFormu.h"
#include "reminders/SabahOzeti.h"
#include "reminders/SabahOzetiFormu.h"
#include "settings/AyarTablosu.h"
#include "settings/ProgramDegerleri.h"
#include "settings/Tercihler.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>

namespace {
// Runs its job once, from the event loop, when the window it watches is shown, hidden or
// destroyed.
class GörünürlükBekçisi : public QObject {
public:
    GörünürlükBekçisi(QWidget* pencere, std::function<void()> iş) : iş_(std::move(iş)) {
        pencere->installEventFilter(this);
        connect(pencere, &QObject::destroyed, this, [this] { tetikle(nullptr); });
    }
    bool eventFilter(QObject* nesne, QEvent* olay) override {
        if (olay->type() == QEvent::Show || olay->type() == QEvent::Hide)
            tetikle(nesne);
        return false;
    }

private:
    void tetikle(QObject* nesne) {
        if (nesne)
            nesne->removeEventFilter(this);
        if (!tetiklendi_)
            QTimer::singleShot(0, this, iş_);
        tetiklendi_ = true;
    }
    std::function<void()> iş_;
    bool tetiklendi_ = false;
};
} // namespace

HatırlatmaZamanlayıcısı::HatırlatmaZamanlayıcısı(AnaFormArayüzü& anaForm) : anaForm_(anaForm) {
    // A coarse timer may fire up to 5% early; the first check must not come before 32 s.
    zamanlayıcı_.setTimerType(Qt::PreciseTimer);
    QObject::connect(&zamanlayıcı_, &QTimer::timeout, [this] { tik(); });
}

HatırlatmaZamanlayıcısı::~HatırlatmaZamanlayıcısı() {
    delete bekçi_.data();
    delete form_.data();
}

void HatırlatmaZamanlayıcısı::başlat() {
    zamanlayıcı_.setInterval(Periyot);
    zamanlayıcı_.start();
}

HatırlatmaFormu* HatırlatmaZamanlayıcısı::hatırlatmaFormu() {
    if (!form_)
        form_ = new HatırlatmaFormu(anaForm_.pencere());
    return form_;
}

void HatırlatmaZamanlayıcısı::HatırlatılacakİşleriListele() {
    hatırlatmaFormu()->HatırlatılacakİşleriListele();
}

void HatırlatmaZamanlayıcısı::tik() {
    HatırlatmaFormu* form = hatırlatmaFormu();
    // Ticks go on while the reminder window is shown; they must neither refill it nor open
    // a second one.
    if (form->isVisible()) {
        zamanlayıcı_.setInterval(Periyot);
        return;
    }
    İz(QStringLiteral("hatirlatma-denetimi"));
    const QDateTime an = ProgramSaati::şimdi();
    const bool veritabanıVar = AçıkVeritabanı::açıkMı();
    KaçırılanAralık kaçırılan;
    if (veritabanıVar && tercihler().kaçırılanHatırlatmalar == 1)
        Adım([&] {
            kaçırılan = kaçırılanAralığı(denetimAnı(ayarOku(Ayar::SonHatırlatmaDenetimi)), an);
        });
    form->kaçırılanAralığınıAyarla(kaçırılan);
    const bool okundu = form->HatırlatılacakİşleriListele();
    // The moment is kept even while missed reminders are not looked for, so that turning
    // them on does not bring back what this computer has already shown. Missed jobs listed
    // now stay behind the kept moment until they are settled: kept before the window shows
    // (a program ended meanwhile lists them again) and again once it has closed.
    auto denetimiSakla = [&] {
        if (okundu && form_)
            Adım([&] {
                ayarYaz(Ayar::SonHatırlatmaDenetimi,
                        denetimMetni(saklanacakDenetimAnı(an, form_->ilkKaçırılanAn())));
            });
    };
    denetimiSakla();
    QCoreApplication::processEvents();
    if (form_ && form_->satırSayısı() > 0) {
        Adım([this] {
            if (tercihler().arkaplandaÇalışsın == 1)
                anaForm_.BildirimAlanındanSimgeyiSil();
        });
        Modal::göster(form_);
        Adım([this] {
            if (tercihler().arkaplandaÇalışsın == 1)
                anaForm_.BildirimAlanınaSimgeEkle();
        });
        denetimiSakla();
        // A closed reminder window is not reused: the next one starts afresh.
        delete form_.data();
    }
    // After the reminder window, never over it.
    sabahÖzetiniGöster();
    zamanlayıcı_.setInterval(Periyot);
}

void HatırlatmaZamanlayıcısı::sabahÖzetiniGöster() {
    if (!AçıkVeritabanı::açıkMı() || tercihler().sabahÖzeti != 1)
        return;
    const QDate bugün = ProgramSaati::bugün();
    bool gerekli = false;
    Adım([&] {
        gerekli = SabahÖzeti::gerekliMi(
            QDate::fromString(ayarOku(Ayar::SonSabahÖzeti).trimmed(), Qt::ISODate), bugün);
    });
    if (!gerekli)
        return;
    // Never over the user's work: with another modal window open the summary waits until it
    // closes, with the main window hidden until it is shown.
    QWidget* beklenen = QApplication::activeModalWidget();
    if (!beklenen && !anaForm_.pencere()->isVisible())
        beklenen = anaForm_.pencere();
    if (beklenen) {
        if (bekçi_)
            bekçi_->deleteLater();
        bekçi_ = new GörünürlükBekçisi(beklenen, [this] { sabahÖzetiniGöster(); });
        return;
    }
    // Recorded first: the ticks that come while the summary is shown must not open another.
    Adım([&] { ayarYaz(Ayar::SonSabahÖzeti, bugün.toString(Qt::ISODate)); });
    QList<İşSatırı> işler;
    QDate son = bugün;
    Adım([&] {
        son = SabahÖzeti::sonGün(bugün, tercihler().sabahÖzetiGünSayısı, tatilTakvimi());
        işler = SabahÖzeti::işler(AçıkVeritabanı::al(), bugün, son);
    });
    // A day without coming jobs needs no window.
    if (işler.isEmpty())
        return;
    SabahÖzetiFormu özet(anaForm_.pencere());
    özet.doldur(işler, bugün, son);
    Modal::göster(&özet);
}

const TatilTakvimi& HatırlatmaZamanlayıcısı::tatilTakvimi() {
    if (!takvim_) {
        // Without the holiday file only weekends and the national days are known.
        try {
            takvim_ = TatilTakvimi::dosyadan(program().programKlasörü + TatilTakvimi::DosyaAdı);
        } catch (const Hata&) {
            takvim_ = TatilTakvimi::metinden(QString());
        }
    }
    return *takvim_;
}
