#pragma once

#include <QString>
#include <QUrl>

// The texts and addresses of the about and problem report windows.
namespace HakkındaMetinleri {
inline const QString Yapımcı = QStringLiteral("Selvane");
inline const QString YasalUyarı =
    QStringLiteral("Bu program telif hakları yasası ile korunmaktadır. İzinsiz "
                   "çoğaltılması ve dağıtılması yasaktır.");
inline const QString DestekAdresi = QStringLiteral("destek@selvane.com.tr");

// "Sürüm 2.33" for version 2.3.3: the minor number and the revision one after the other.
QString sürümYazısı(int ana, int alt, int düzeltme);
QString buSürümünYazısı();

// The maker's web site, its problem-report form for this program, a new mail to support.
QUrl yapımcıSitesi();
QUrl hataBildirmeSayfası();
QUrl ePostaAdresi();

// The text kept whole up to the given number of UTF-8 bytes: it is cut between characters,
// never inside one, as a machine value is read with room for 255 bytes.
QString baytSınırında(const QString& metin, int baytSayısı = 255);
} // namespace HakkındaMetinleri
