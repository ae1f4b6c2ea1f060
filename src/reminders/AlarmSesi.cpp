#include "reminders/AlarmSesi.h"

#include "controls/Odak.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QPointer>
#include <QSoundEffect>
#include <QUrl>

namespace {
AlarmSesi::Durum& durumKaydı() {
    static AlarmSesi::Durum d;
    return d;
}

// Made on first use, so that the sound service is only touched when a reminder really
// sounds; it belongs to the application and goes with it.
QPointer<QSoundEffect>& efekt() {
    static QPointer<QSoundEffect> e;
    return e;
}
} // namespace

namespace AlarmSesi {

void çal(const QString& dosyaYolu) {
    durdur();
    if (dosyaYolu.isEmpty() || !DosyaVarMı(dosyaYolu) || QFileInfo(dosyaYolu).isDir())
        return;
    if (!efekt())
        efekt() = new QSoundEffect(QCoreApplication::instance());
    QSoundEffect& e = *efekt();
    const QUrl kaynak = QUrl::fromLocalFile(QFileInfo(dosyaYolu).absoluteFilePath());
    if (e.source() != kaynak)
        e.setSource(kaynak);
    e.setLoopCount(QSoundEffect::Infinite);
    // Plays once the file is loaded; an unreadable file or a missing device stays silent.
    e.play();
    auto& d = durumKaydı();
    d.çalıyor = true;
    d.dosya = dosyaYolu;
    ++d.başlatmaSayısı;
}

void durdur() {
    if (efekt())
        efekt()->stop();
    auto& d = durumKaydı();
    if (d.çalıyor)
        ++d.durdurmaSayısı;
    d.çalıyor = false;
    d.dosya.clear();
}

const Durum& durum() {
    return durumKaydı();
}

void durumuSıfırla() {
    durdur();
    durumKaydı() = Durum();
}

} // namespace AlarmSesi
