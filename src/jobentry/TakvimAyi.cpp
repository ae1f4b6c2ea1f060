#include "jobentry/TakvimAyi.h"

#include <QLocale>

TakvimAyı::TakvimAyı(int yıl, int ay) : yıl_(yıl), ay_(ay) {
    const QDate birinci(yıl, ay, 1);
    kayma_ = birinci.isValid() ? birinci.dayOfWeek() - 1 : 0;
    const int günSayısı = birinci.isValid() ? birinci.daysInMonth() : 0;
    for (int n = 1; n <= günSayısı; ++n)
        günler_[kayma_ + n - 1] = n;
}

int TakvimAyı::gün(int hücre) const {
    return hücre >= 0 && hücre < HücreSayısı ? günler_[hücre] : 0;
}

int TakvimAyı::hücre(int gün) const {
    const int aday = kayma_ + gün - 1;
    return gün >= 1 && this->gün(aday) == gün ? aday : kayma_;
}

int TakvimAyı::adım(int hücre, int fark) const {
    const int hedef = hücre + fark;
    return gün(hedef) != 0 ? hedef : -1;
}

QDate TakvimAyı::tarih(int hücre) const {
    const int g = gün(hücre);
    return g != 0 ? QDate(yıl_, ay_, g) : QDate();
}

QStringList günAdları() {
    // 1 May 2000 was a Monday.
    QStringList adlar;
    for (int i = 0; i < 7; ++i)
        adlar << QLocale::system().toString(QDate(2000, 5, i + 1), QStringLiteral("ddd"));
    return adlar;
}

QStringList ayAdları() {
    QStringList adlar;
    for (int ay = 1; ay <= 12; ++ay)
        adlar << QLocale::system().toString(QDate(2000, ay, 5), QStringLiteral("MMMM"));
    return adlar;
}
