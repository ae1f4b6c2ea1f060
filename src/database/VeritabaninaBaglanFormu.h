#pragma once

#include <QString>

// Shows the connect window modally: it opens the database, loads the folder tree and asks the
// login password when one is set. True when a database is open afterwards and the user may go
// on; false when the user gave up (the main window has then been closed, which ends the
// program).
bool VeritabanınaBağlan();

// Texts of the connect and change-server windows.
namespace BaglantiMetinleri {
inline const QString Bağlanıyor = QStringLiteral("Veritabanına bağlanılıyor. Lütfen, bekleyiniz!");
inline const QString YerBulunamadı =
    QStringLiteral("Veritabanının ağ üzerindeki yeri bulunamadı.\r\nŞimdi, bulmak ister misiniz?");
inline const QString DosyaYok =
    QStringLiteral("Seçtiğiniz sunucuda VERİTABANI dosyası bulunamadı!\r\n\r\nLütfen, farklı bir "
                   "SUNUCU seçip yeniden deneyiniz.");
inline const QString VazgeçSorusu =
    QStringLiteral("Veritabanına bağlanmadan programı kullanamazsınız!\r\nŞimdi, programdan çıkmak "
                   "istiyor musunuz?");
inline const QString BağlantıTamam = QStringLiteral("Veritabanı bağlantısı tamam!   ");
inline const QString BağlantıYok = QStringLiteral("Veritabanı bağlantısı yapılamıyor!   ");
inline const QString BağlanılamadıGenel =
    QStringLiteral("Bir hata dolayısıyla veritabanına bağlanılamadı!");
inline const QString AçılamadıTekrarDene =
    QStringLiteral("Veritabanı açılamadı! Lütfen, tekrar deneyiniz.");
inline const QString AdresGeçersiz =
    QStringLiteral("Sunucu adresi postgresql:// ya da postgres:// ile başlamalıdır. Örnek:\r\n"
                   "postgresql://kullanici@sunucu/tarvela");

// What the user is told when opening fails with this error number; empty for the numbers that
// go to the common error reporter instead.
QString hataMetni(int numara);
// Shown in the main window's status bar when the day's copy of the database cannot be made.
inline const QString YedekAlınamadı = QStringLiteral("Günlük yedek alınamadı!");
} // namespace BaglantiMetinleri
