#include "controls/KullaniciDosyasi.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <sys/stat.h>
#include <unistd.h>

namespace KullanıcıDosyası {

namespace {
// Writable for this user, and not write-protected by its permissions (which the system
// would not hold against the administrator).
bool yazılabilir(const QString& yol) {
    const QByteArray yerel = QFile::encodeName(yol);
    struct stat bilgi {};
    return ::stat(yerel.constData(), &bilgi) == 0 &&
           (bilgi.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) != 0 &&
           ::access(yerel.constData(), W_OK) == 0;
}
} // namespace

QString yazılamamaNedeni(const QString& yol) {
    QFileInfo hedef(yol);
    // A link is followed: the file it points at is the one replaced.
    if (hedef.exists() && hedef.isSymLink())
        hedef = QFileInfo(hedef.canonicalFilePath());
    if (hedef.isDir())
        return QStringLiteral("Bu ad bir klasöre ait.");
    const QString klasör = hedef.absolutePath();
    if (!QFileInfo(klasör).isDir())
        return QStringLiteral("Klasör bulunamadı.");
    if (hedef.exists() && !yazılabilir(hedef.absoluteFilePath()))
        return QStringLiteral("Dosya yazmaya karşı korunuyor.");
    // The new file is made beside the old one and renamed over it.
    if (!yazılabilir(klasör) || ::access(QFile::encodeName(klasör).constData(), X_OK) != 0)
        return QStringLiteral("Klasöre yazılamıyor.");
    return QString();
}

Sonuç yaz(const QString& yol, const std::function<Sonuç(QIODevice&)>& yazıcı, QString* hata) {
    const auto başarısız = [hata](const QString& neden) {
        if (hata)
            *hata = neden;
        return Sonuç::Yazılamadı;
    };
    if (const QString neden = yazılamamaNedeni(yol); !neden.isEmpty())
        return başarısız(neden);
    // The temporary file lives in the target's folder (so that the rename is one step) and
    // is discarded by QSaveFile unless committed.
    QSaveFile dosya(yol);
    dosya.setDirectWriteFallback(false);
    if (!dosya.open(QIODevice::WriteOnly))
        return başarısız(dosya.errorString());
    const Sonuç sonuç = yazıcı(dosya);
    if (sonuç == Sonuç::Vazgeçildi) {
        dosya.cancelWriting();
        return sonuç;
    }
    if (sonuç != Sonuç::Yazıldı) {
        const QString neden = dosya.error() != QFileDevice::NoError
                                  ? dosya.errorString()
                                  : QStringLiteral("Dosya yazılamadı.");
        dosya.cancelWriting();
        return başarısız(neden);
    }
    // The last buffered bytes are written here: a failure of this write is not seen by
    // commit(), which fails only when a write on the way failed (a full disk, a size limit).
    if (!dosya.flush()) {
        const QString neden = dosya.errorString();
        dosya.cancelWriting();
        return başarısız(neden);
    }
    if (!dosya.commit())
        return başarısız(dosya.errorString());
    return Sonuç::Yazıldı;
}

} // namespace KullanıcıDosyası
