#include "startup/TekKopya.h"

#include <QCryptographicHash>
#include <QLocalServer>
#include <QLocalSocket>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace {
constexpr char İstek[] = "GOSTER\n";
constexpr char Yanıt[] = "TAMAM\n";

QString kullanıcıAdı() {
    QString ad = qEnvironmentVariable("USER");
    if (ad.isEmpty())
        ad = qEnvironmentVariable("USERNAME");
#ifdef Q_OS_UNIX
    if (ad.isEmpty())
        ad = QString::number(getuid());
#endif
    return ad;
}
} // namespace

TekKopya::TekKopya(const QString& başlık)
    : ad_(soketAdı(başlık, kullanıcıAdı(),
                   masaüstüAdı(qEnvironmentVariable("WAYLAND_DISPLAY"),
                               qEnvironmentVariable("DISPLAY"),
                               qEnvironmentVariable("XDG_SESSION_ID")))) {}

TekKopya::~TekKopya() = default;

QString TekKopya::masaüstüAdı(const QString& wayland, const QString& x11, const QString& oturum) {
    if (!wayland.isEmpty())
        return QStringLiteral("wayland:") + wayland;
    if (!x11.isEmpty()) {
        // ":0", ":0.0" and "unix:0" are the same desktop: the screen number and the local
        // transport name do not count; a remote host does.
        QString ekran = x11;
        const qsizetype ikiNokta = ekran.lastIndexOf(u':');
        if (ikiNokta >= 0) {
            const qsizetype nokta = ekran.indexOf(u'.', ikiNokta);
            if (nokta > 0)
                ekran.truncate(nokta);
            if (ekran.startsWith(QLatin1String("unix:")))
                ekran.remove(0, 4);
        }
        return QStringLiteral("x11:") + ekran;
    }
    if (!oturum.isEmpty())
        return QStringLiteral("oturum:") + oturum;
    return QString();
}

QString TekKopya::soketAdı(const QString& başlık, const QString& kullanıcı,
                           const QString& masaüstü) {
    // Socket names end up as file names: keep them short and plain, yet unique per title,
    // user and desktop.
    const QByteArray özet =
        QCryptographicHash::hash((başlık + '\n' + kullanıcı + '\n' + masaüstü).toUtf8(),
                                 QCryptographicHash::Sha1)
            .toHex()
            .left(16);
    return QStringLiteral("Tarvela-") + QString::fromLatin1(özet);
}

bool TekKopya::öncekiKopyayıÖneGetir() {
    QLocalSocket soket;
    soket.connectToServer(ad_);
    if (!soket.waitForConnected(1000))
        return false;
    soket.write(İstek);
    if (!soket.waitForBytesWritten(1000))
        return false;
    // The first copy answers once it has taken the request; a copy that hangs still counts
    // as running, so this copy ends either way.
    soket.waitForReadyRead(3000);
    return true;
}

bool TekKopya::dinle(std::function<void()> gösterİsteği) {
    sunucu_ = std::make_unique<QLocalServer>();
    sunucu_->setSocketOptions(QLocalServer::UserAccessOption);
    if (!sunucu_->listen(ad_)) {
        // A socket left behind by a copy that crashed: nobody answered on it above.
        QLocalServer::removeServer(ad_);
        if (!sunucu_->listen(ad_))
            return false;
    }
    QLocalServer* sunucu = sunucu_.get();
    QObject::connect(sunucu, &QLocalServer::newConnection, sunucu, [sunucu, gösterİsteği] {
        while (QLocalSocket* soket = sunucu->nextPendingConnection()) {
            QObject::connect(soket, &QLocalSocket::disconnected, soket, &QObject::deleteLater);
            QObject::connect(soket, &QLocalSocket::readyRead, soket, [soket, gösterİsteği] {
                if (!soket->canReadLine())
                    return;
                if (soket->readLine().trimmed() == QByteArray(İstek).trimmed()) {
                    soket->write(Yanıt);
                    soket->flush();
                    if (gösterİsteği)
                        gösterİsteği();
                }
            });
        }
    });
    return true;
}
