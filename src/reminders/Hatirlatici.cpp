#include "reminders/Hatirlatici.h"

#include "controls/AnaFormArayuzu.h"
#include "controls/HataBildirici.h"
#include "controls/Iz.h"
#include "controls/Modal.h"
#include "reminders/HatirlatmaFormu.h"
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
    HatırlatılacakİşleriListele();
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
    zamanlayıcı_.setInterval(Periyot);
}
