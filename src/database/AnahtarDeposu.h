#pragma once

#include <QString>
#include <memory>
#include <optional>

// moc cannot read Turkish identifiers; it needs nothing from this header.
#ifndef Q_MOC_RUN

// Where the office key of a database file, or the password of a database server, is kept for
// this user between starts: the desktop keyring. The key is never written anywhere else; without a
// keyring it is asked each start.
class AnahtarDeposu {
public:
    virtual ~AnahtarDeposu() = default;
    // The key kept for the file; nothing when none is kept or no keyring can be reached.
    virtual std::optional<QString> oku(const QString& dosya) = 0;
    // Keeps the key for the file; false when it could not be kept.
    virtual bool yaz(const QString& dosya, const QString& anahtar) = 0;
    virtual void sil(const QString& dosya) = 0;

    // The name a file's key is kept under: the file's full path with links resolved, so
    // that every way of writing the same path finds the same key. A server's password is
    // kept under its URI without any password in it.
    static QString girişAdı(const QString& dosya);
};

// The program-wide keyring. Until one is set, nothing is kept and every key is asked.
namespace AnahtarDeposuSeçimi {
AnahtarDeposu& şimdiki();
void ayarla(std::unique_ptr<AnahtarDeposu> depo);
} // namespace AnahtarDeposuSeçimi
#endif
