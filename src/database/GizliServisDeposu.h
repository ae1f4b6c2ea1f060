#pragma once

#include "database/AnahtarDeposu.h"

// moc cannot read Turkish identifiers; it needs nothing from this header.
#ifndef Q_MOC_RUN

// The desktop keyring of this user (the Secret Service over D-Bus, through QtKeychain). It
// never falls back to a plain file: without a keyring nothing is kept.
class GizliServisDeposu : public AnahtarDeposu {
public:
    std::optional<QString> oku(const QString& dosya) override;
    bool yaz(const QString& dosya, const QString& anahtar) override;
    void sil(const QString& dosya) override;
};
#endif
