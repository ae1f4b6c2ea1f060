#include "database/AgaGozat.h"

#include <QFileDialog>
#include <QQueue>

namespace {
struct GözatDurumu {
    bool etkin = false;
    QQueue<QString> yanıtlar;
    int çağrı = 0;
};
GözatDurumu& durum() {
    static GözatDurumu d;
    return d;
}
} // namespace

QString AğaGözat(QWidget* sahip) {
    ++durum().çağrı;
    if (durum().etkin)
        return durum().yanıtlar.isEmpty() ? QString() : durum().yanıtlar.dequeue();
    return QFileDialog::getExistingDirectory(
        sahip, QStringLiteral("Sunucu programın bulunduğu yeri seçiniz!"), QString(),
        QFileDialog::ShowDirsOnly);
}

namespace AgaGozatTest {
void etkinleştir() {
    durum().etkin = true;
}
void yanıtla(const QString& klasör) {
    durum().yanıtlar.enqueue(klasör);
}
void iptal() {
    durum().yanıtlar.enqueue(QString());
}
int bekleyenSayısı() {
    return static_cast<int>(durum().yanıtlar.size());
}
int çağrıSayısı() {
    return durum().çağrı;
}
void temizle() {
    durum().yanıtlar.clear();
    durum().çağrı = 0;
}
} // namespace AgaGozatTest
