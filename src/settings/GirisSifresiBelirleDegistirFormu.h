#pragma once

class QWidget;

// Opens the window that sets, changes or removes the login password, modally over the owner.
// The login-password flag in tercihler() and the store are kept in step.
void GirişŞifresiBelirleDeğiştir(QWidget* sahip);
