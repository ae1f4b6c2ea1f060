#include "database/GizliServisDeposu.h"

#include <QDebug>
#include <QEventLoop>
#include <qt6keychain/keychain.h>

namespace {

const QString Servis = QStringLiteral("Tarvela");

// Runs a keyring job to its end. The keyring answers over D-Bus; meanwhile the windows are
// repainted but take no input, so nothing else starts half-way.
bool bitir(QKeychain::Job& iş, const QString& dosya) {
    iş.setAutoDelete(false);
    iş.setInsecureFallback(false);
    iş.setKey(AnahtarDeposu::girişAdı(dosya));
    QEventLoop döngü;
    bool bitti = false;
    QObject::connect(&iş, &QKeychain::Job::finished, &döngü, [&] {
        bitti = true;
        döngü.quit();
    });
    iş.start();
    if (!bitti)
        döngü.exec(QEventLoop::ExcludeUserInputEvents);
    if (iş.error() == QKeychain::NoError)
        return true;
    if (iş.error() != QKeychain::EntryNotFound)
        qWarning().noquote() << "Anahtarlık kullanılamadı:" << iş.errorString();
    return false;
}

} // namespace

std::optional<QString> GizliServisDeposu::oku(const QString& dosya) {
    QKeychain::ReadPasswordJob iş(Servis);
    if (!bitir(iş, dosya) || iş.textData().isEmpty())
        return std::nullopt;
    return iş.textData();
}

bool GizliServisDeposu::yaz(const QString& dosya, const QString& anahtar) {
    QKeychain::WritePasswordJob iş(Servis);
    iş.setTextData(anahtar);
    return bitir(iş, dosya);
}

void GizliServisDeposu::sil(const QString& dosya) {
    QKeychain::DeletePasswordJob iş(Servis);
    bitir(iş, dosya);
}
