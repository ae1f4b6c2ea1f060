#pragma once

#include <QDialog>
#include <QStringList>
#include <functional>

// Shows a window modally. Every modal window of the program goes through here, so that a
// test can act in the window instead of blocking on it.
namespace Modal {
int göster(QDialog* pencere);
// True while a window of the program other than `dışında` is open modally (shown through
// here, a message box or any other modal dialog): the user is working in it.
bool açıkPencereVar(const QWidget* dışında = nullptr);
} // namespace Modal

namespace ModalTest {
using İşleyici = std::function<void(QDialog*)>;
// From now on no window blocks: a shown window is handed to the next queued handler, which
// acts in it and closes it; with none queued the window is closed again at once (rejected).
void etkinleştir();
bool etkinMi();
void sıradaki(İşleyici işleyici);
int bekleyenSayısı();
// Object names (or class names where none is set) of the windows shown so far.
const QStringList& gösterilenler();
void temizle();
} // namespace ModalTest
