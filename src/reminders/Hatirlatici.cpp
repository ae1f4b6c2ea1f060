#include "reminders/Hatirlatici.h"

#include "mainwindow/AnaFormArayuzu.h"

HatırlatmaZamanlayıcısı::HatırlatmaZamanlayıcısı(AnaFormArayüzü& anaForm) : anaForm_(anaForm) {
    QObject::connect(&zamanlayıcı_, &QTimer::timeout, [this] { tik(); });
}

HatırlatmaZamanlayıcısı::~HatırlatmaZamanlayıcısı() = default;

void HatırlatmaZamanlayıcısı::başlat() {
    zamanlayıcı_.setInterval(Periyot);
    zamanlayıcı_.start();
}

// Placeholder until the reminder window lands.
void HatırlatmaZamanlayıcısı::tik() { zamanlayıcı_.setInterval(Periyot); }
