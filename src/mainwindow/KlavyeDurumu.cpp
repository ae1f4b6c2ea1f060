#include "mainwindow/KlavyeDurumu.h"

#include <QGuiApplication>

#ifdef TARVELA_X11
#include <X11/XKBlib.h>
#endif

std::optional<bool> capsLockAçıkMı() {
#ifdef TARVELA_X11
    if (auto* x11 =
            qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr) {
        if (Display* ekran = x11->display()) {
            unsigned int durum = 0;
            if (XkbGetIndicatorState(ekran, XkbUseCoreKbd, &durum) == Success)
                return (durum & 1u) != 0;
        }
    }
#endif
    return std::nullopt;
}
