#include "database/AnahtarDeposu.h"

#include "database/SunucuListesi.h"

#include <QDir>
#include <QFileInfo>

QString AnahtarDeposu::girişAdı(const QString& dosya) {
    if (SunucuAdresi::adresMi(dosya))
        return SunucuAdresi::parolayıAyır(dosya).adres;
    const QFileInfo bilgi(dosya);
    const QString gerçek = bilgi.canonicalFilePath();
    return gerçek.isEmpty() ? QDir::cleanPath(bilgi.absoluteFilePath()) : gerçek;
}

namespace {
// Keeps nothing.
class BoşDepo : public AnahtarDeposu {
public:
    std::optional<QString> oku(const QString&) override { return std::nullopt; }
    bool yaz(const QString&, const QString&) override { return false; }
    void sil(const QString&) override {}
};

std::unique_ptr<AnahtarDeposu>& tutulan() {
    static std::unique_ptr<AnahtarDeposu> depo = std::make_unique<BoşDepo>();
    return depo;
}
} // namespace

namespace AnahtarDeposuSeçimi {
AnahtarDeposu& şimdiki() {
    return *tutulan();
}
void ayarla(std::unique_ptr<AnahtarDeposu> depo) {
    tutulan() = depo ? std::move(depo) : std::make_unique<BoşDepo>();
}
} // namespace AnahtarDeposuSeçimi
