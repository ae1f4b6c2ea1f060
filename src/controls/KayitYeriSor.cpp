#include "controls/KayitYeriSor.h"

#include "controls/MesajKutusu.h"
#include "controls/Modal.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

QString KayıtYeriSor(QWidget* sahip, const KayıtYeri& yer, QString& klasör) {
    const QString başlangıç = klasör.isEmpty() ? QDir::homePath() : klasör;
    QFileDialog pencere(sahip, yer.başlık, QDir(başlangıç).filePath(yer.önerilenAd), yer.süzgeç);
    pencere.setObjectName(yer.nesneAdı);
    pencere.setAcceptMode(QFileDialog::AcceptSave);
    pencere.setFileMode(QFileDialog::AnyFile);
    pencere.setDefaultSuffix(yer.uzantı);
    // The question about an existing file goes through the program's own message boxes.
    pencere.setOption(QFileDialog::DontConfirmOverwrite);
    if (Modal::göster(&pencere) != QDialog::Accepted || pencere.selectedFiles().isEmpty())
        return QString();
    const QString yol = pencere.selectedFiles().constFirst();
    if (QFileInfo::exists(yol) &&
        !MesajKutusu::soru(QStringLiteral("\"") + QDir::toNativeSeparators(yol) +
                               QStringLiteral("\" dosyası zaten var.\r\nÜzerine yazılsın mı?"),
                           false))
        return QString();
    klasör = QFileInfo(yol).absolutePath();
    return yol;
}
