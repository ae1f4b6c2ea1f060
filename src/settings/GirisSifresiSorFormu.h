#pragma once

#include <QString>

class QLabel;
class QLineEdit;
class QWidget;

// Asks the login password modally over the owner. True when the right password was typed;
// false when the user gave up or typed a wrong one three times, in which case the main window
// has been closed (or, with none, the program ended).
bool GirişŞifresiSor(QWidget* sahip);

// Prepares a password box: "*" per character, at most 10 characters, only the digits 0 to 9
// (typed or pasted), all text selected on focus, and its label drawn dark red while it has
// the focus.
void ŞifreKutusuHazırla(QLineEdit* kutu, QLabel* etiket);

// Texts shared by the login windows.
namespace ŞifreMetinleri {
inline const QString Boş = QStringLiteral("Lütfen, en az 4 rakamdan oluşan bir şifre giriniz!");
inline const QString Kısa = QStringLiteral("Şifre en az 4 rakam olmalıdır!");
inline const QString Yanlış = QStringLiteral("Şifre yanlış!");
inline const QString ÜçKezYanlış =
    QStringLiteral("3 kez yanlış şifre girildiği için program kapatılacak!");
} // namespace ŞifreMetinleri
