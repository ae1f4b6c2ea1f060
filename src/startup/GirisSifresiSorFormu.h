#pragma once

class QWidget;

// Asks the login password modally over the owner. True when the right password was typed;
// false when the user gave up or typed a wrong one three times, in which case the main window
// has been closed (or, with none, the program ended).
bool GirişŞifresiSor(QWidget* sahip);
