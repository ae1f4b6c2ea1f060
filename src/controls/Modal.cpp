#include "controls/Modal.h"

#include <QQueue>

namespace {
struct ModalDurumu {
    bool etkin = false;
    QQueue<ModalTest::İşleyici> işleyiciler;
    QStringList gösterilenler;
};
ModalDurumu& durum() {
    static ModalDurumu d;
    return d;
}
} // namespace

namespace Modal {
int göster(QDialog* pencere) {
    if (!durum().etkin)
        return pencere->exec();
    durum().gösterilenler.append(pencere->objectName().isEmpty()
                                     ? QString::fromLatin1(pencere->metaObject()->className())
                                     : pencere->objectName());
    pencere->setResult(QDialog::Rejected);
    pencere->show();
    if (!durum().işleyiciler.isEmpty())
        durum().işleyiciler.dequeue()(pencere);
    if (pencere->isVisible())
        pencere->done(QDialog::Rejected);
    return pencere->result();
}
} // namespace Modal

namespace ModalTest {
void etkinleştir() { durum().etkin = true; }
bool etkinMi() { return durum().etkin; }
void sıradaki(İşleyici işleyici) { durum().işleyiciler.enqueue(std::move(işleyici)); }
int bekleyenSayısı() { return static_cast<int>(durum().işleyiciler.size()); }
const QStringList& gösterilenler() { return durum().gösterilenler; }
void temizle() {
    durum().işleyiciler.clear();
    durum().gösterilenler.clear();
}
} // namespace ModalTest
