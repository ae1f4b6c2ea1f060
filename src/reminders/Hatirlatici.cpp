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

#include <QCoreApplication>

HatırlatmaZamanlayıcısı::HatırlatmaZamanlayıcısı(AnaFormArayüzü& anaForm) : anaForm_(anaForm) {
    // A coarse timer may fire up to 5% early; the first check must not come before 32 s.
    zamanlayıcı_.setTimerType(Qt::PreciseTimer);
    QObject::connect(&zamanlayıcı_, &QTimer::timeout, [this] { tik(); });
}

HatırlatmaZamanlayıcısı::~HatırlatmaZamanlayıcısı() {
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
    // them on does not bring back what this computer has already shown. Missed jobs are
    // shown once: the next check starts from here.
    if (okundu)
        Adım([&] { ayarYaz(Ayar::SonHatırlatmaDenetimi, denetimMetni(an)); });
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
