#include "about/AdresAcici.h"

#include <QDesktopServices>

namespace {
AdresAçıcı::İşlev& açıcı() {
    static AdresAçıcı::İşlev işlev;
    return işlev;
}
} // namespace

namespace AdresAçıcı {
bool aç(const QUrl& adres) {
    return açıcı() ? açıcı()(adres) : QDesktopServices::openUrl(adres);
}
void ayarla(İşlev yeni) {
    açıcı() = std::move(yeni);
}
} // namespace AdresAçıcı
