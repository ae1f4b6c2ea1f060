#pragma once

class QDialog;
class QWidget;

// The preferences window. It is loaded hidden at start-up, which reads the preference values
// from the store; it is unloaded when it closes, and each later opening loads it again.

// Loads the window without showing it: the preference values are read from the store.
void TercihlerFormunuYükle();
// Opens the window (loading it first when it is not loaded): modally over the owner, or
// without owner and not modally when none is given.
void TercihlerFormunuAç(QWidget* sahip);
// Whether the window is on screen.
bool TercihlerGörünür();
// The loaded window, or null.
QDialog* tercihlerFormu();
