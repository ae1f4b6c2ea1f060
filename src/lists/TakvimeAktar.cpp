#include "lists/TakvimeAktar.h"

#include "controls/HataBildirici.h"
#include "controls/MesajKutusu.h"
#include "controls/Modal.h"
#include "controls/ProgramSaati.h"
#include "database/Veritabani.h"
#include "lists/TakvimDosyasi.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

namespace {
QString& sonKlasör() {
    static QString klasör;
    return klasör;
}

QString dosyaSor(QWidget* sahip) {
    const QString klasör = sonKlasör().isEmpty() ? QDir::homePath() : sonKlasör();
    QFileDialog pencere(sahip, QStringLiteral("Dışa Aktar (iCalendar)"),
                        QDir(klasör).filePath(QStringLiteral("Tarvela.ics")),
                        QStringLiteral("iCalendar dosyaları (*.ics)"));
    pencere.setObjectName(QStringLiteral("TakvimDosyasıPenceresi"));
    pencere.setAcceptMode(QFileDialog::AcceptSave);
    pencere.setFileMode(QFileDialog::AnyFile);
    pencere.setDefaultSuffix(QStringLiteral("ics"));
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
    sonKlasör() = QFileInfo(yol).absolutePath();
    return yol;
}
} // namespace

bool TakvimeAktar(QWidget* sahip, const QList<qint32>& numaralar) {
    if (numaralar.isEmpty() || !AçıkVeritabanı::açıkMı()) {
        MesajKutusu::bilgi(QStringLiteral("Listede dışa aktarılacak iş yok."));
        return false;
    }
    const QString yol = dosyaSor(sahip);
    if (yol.isEmpty())
        return false;
    QByteArray metin;
    bool hazır = false;
    Adım([&] {
        auto& vt = AçıkVeritabanı::al();
        metin = TakvimDosyası::metin(TakvimDosyası::oku(vt, numaralar), vt.yol(),
                                     TakvimDosyası::yerelSaatDilimi(), ProgramSaati::şimdi());
        hazır = true;
    });
    if (!hazır)
        return false;
    QString hata;
    if (!TakvimDosyası::yaz(yol, metin, &hata)) {
        MesajKutusu::ünlem(QStringLiteral("\"") + QDir::toNativeSeparators(yol) +
                           QStringLiteral("\" dosyası yazılamadı!\r\n") + hata);
        return false;
    }
    return true;
}
