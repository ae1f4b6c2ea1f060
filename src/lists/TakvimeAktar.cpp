#include "lists/TakvimeAktar.h"

#include "controls/HataBildirici.h"
#include "controls/KayitYeriSor.h"
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
    return KayıtYeriSor(sahip,
                        {QStringLiteral("Dışa Aktar (iCalendar)"),
                         QStringLiteral("TakvimDosyasıPenceresi"), QStringLiteral("Tarvela.ics"),
                         QStringLiteral("iCalendar dosyaları (*.ics)"), QStringLiteral("ics")},
                        sonKlasör());
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
        metin = TakvimDosyası::metin(TakvimDosyası::oku(vt, numaralar), vt.kimlik(),
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
