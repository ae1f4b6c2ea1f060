#pragma once

#include <QUrl>
#include <functional>

// Opens an address through the desktop (the browser, the mail program). Tests put their own
// opener in its place.
namespace AdresAçıcı {
using İşlev = std::function<bool(const QUrl&)>;
// True when the desktop took the address.
bool aç(const QUrl& adres);
// Replaces the opener; an empty function restores the desktop's.
void ayarla(İşlev açıcı);
} // namespace AdresAçıcı
