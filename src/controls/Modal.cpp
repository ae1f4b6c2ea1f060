#include "controls/Modal.h"

#include <QApplication>
#include <QQueue>

namespace {
struct ModalDurumu {
    bool etkin = false;
    QQueue<ModalTest::İşleyici> işleyiciler;
    QStringList gösterilenler;
    int açık = 0;
};
ModalDurumu& durum() {
    static ModalDurumu d;
    return d;
}
} // namespace

namespace Modal {
int göster(QDialog* pencere) {
    // Counted in both ways of showing, since a test's window is shown without modality.
    struct Sayaç {
        Sayaç() { ++durum().açık; }
        ~Sayaç() { --durum().açık; }
    } sayaç;
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

bool açıkPencereVar(const QWidget* dışında) {
    const int kendisi = dışında && dışında->isVisible() ? 1 : 0;
    const QWidget* üstteki = QApplication::activeModalWidget();
    return durum().açık > kendisi || (üstteki && üstteki != dışında);
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
