#pragma once

#include <QString>
#include <functional>
#include <memory>

class QWidget;
class Veritabanı;

// Opens the database file for the connect and change-server windows. A file that the
// program's password does not open but that is an encrypted database is opened with the
// office key: the one kept in the keyring or, failing that, the one the user types in
// `BüroAnahtarıFormu` (three tries), which is then kept. Throws Hata with
// BüroAnahtarı::AnahtarHatası when no key was typed or three were wrong.
// A server URI is opened with its password: the one the URI carries (which then moves to the
// keyring) or else the one kept in the keyring; when the server refuses that or none is
// known, the one the user types in `SunucuParolasıFormu`, tried once and kept once it got in.
// A refused or untyped password throws Hata with BüroAnahtarı::AnahtarHatası.
std::shared_ptr<Veritabanı> VeritabanıAç(QWidget* sahip, const QString& dosya);

// For tests of the windows: server URIs are opened by this instead of the database engine,
// given the URI without a password and the connect text (";Pwd=..." or empty). An empty one
// puts the engine back.
namespace SunucuAçmaTest {
using Açıcı =
    std::function<std::shared_ptr<Veritabanı>(const QString& adres, const QString& bağlantı)>;
void ayarla(Açıcı açıcı);
} // namespace SunucuAçmaTest

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

namespace SunucuParolasıMetinleri {
inline const QString Açıklama = QStringLiteral("Veritabanı sunucusu bir parola istiyor. Lütfen, "
                                               "sunucudaki kullanıcınızın parolasını yazınız.");
inline const QString Boş = QStringLiteral("Lütfen, parolayı yazınız.");
inline const QString Girilmedi =
    QStringLiteral("Veritabanı sunucusu bir parola istiyor. Parola yazılmadan bağlanılamaz!");
} // namespace SunucuParolasıMetinleri
