#pragma once

#include <QString>
#include <memory>

class QWidget;
class Veritabanı;

// Opens the database file for the connect and change-server windows. A file that the
// program's password does not open but that is an encrypted database is opened with the
// office key: the one kept in the keyring or, failing that, the one the user types in
// `BüroAnahtarıFormu` (three tries), which is then kept. Throws Hata with
// BüroAnahtarı::AnahtarHatası when no key was typed or three were wrong.
std::shared_ptr<Veritabanı> VeritabanıAç(QWidget* sahip, const QString& dosya);

namespace BüroAnahtarıMetinleri {
inline const QString Açıklama =
    QStringLiteral("Bu veritabanı bir büro anahtarıyla korunuyor. Lütfen, büro anahtarını "
                   "yazınız.");
inline const QString Boş = QStringLiteral("Lütfen, büro anahtarını yazınız.");
inline const QString Yanlış = QStringLiteral("Büro anahtarı yanlış! Lütfen, yeniden yazınız.");
inline const QString Girilmedi =
    QStringLiteral("Veritabanı bir büro anahtarıyla korunuyor. Büro anahtarı yazılmadan "
                   "bağlanılamaz!");
inline const QString ÜçKezYanlış =
    QStringLiteral("Büro anahtarı üç kez yanlış yazıldı. Lütfen, kontrol edip tekrar deneyiniz!");
} // namespace BüroAnahtarıMetinleri
