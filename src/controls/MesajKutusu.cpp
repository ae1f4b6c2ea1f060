#include "controls/MesajKutusu.h"

#include <QApplication>
#include <QGuiApplication>
#include <QQueue>
#include <QScreen>
#include <QWidget>
#include <cmath>
#include <utility>

namespace {
struct TestDurumu {
    bool etkin = false;
    QQueue<QMessageBox::StandardButton> yanıtlar;
    QList<MesajKaydı> kayıtlar;
    std::function<void()> açıkken;
};

TestDurumu& test() {
    static TestDurumu durum;
    return durum;
}

// Buttons in the order a box lays them out, for picking a default when none is named.
QMessageBox::StandardButton ilkDüğme(QMessageBox::StandardButtons düğmeler) {
    for (auto d : {QMessageBox::Ok, QMessageBox::Yes, QMessageBox::No, QMessageBox::Cancel})
        if (düğmeler.testFlag(d))
            return d;
    return QMessageBox::Ok;
}

// Message texts use CR LF line breaks; a label wants a plain line feed.
QString ekranMetni(QString metin) {
    return metin.replace(QStringLiteral("\r\n"), "\n");
}

int çiftYuvarla(double değer) {
    return static_cast<int>(std::nearbyint(değer));
}
} // namespace

namespace MesajKutusu {

std::optional<QPoint> ortalanmışKonum(const QRect& sahip, const QSize& kutu) {
    if (sahip.left() < 0 || sahip.top() < 0 || sahip.right() < 0 || sahip.bottom() < 0)
        return std::nullopt;
    const double x = sahip.left() + sahip.width() / 2.0 - kutu.width() / 2.0;
    const double y = sahip.top() + sahip.height() / 2.0 - kutu.height() / 2.0;
    return QPoint(çiftYuvarla(x), çiftYuvarla(y));
}

QMessageBox::StandardButton göster(QMessageBox::Icon simge, const QString& metin,
                                   QMessageBox::StandardButtons düğmeler,
                                   QMessageBox::StandardButton varsayılan, const QString& başlık) {
    MesajKaydı kayıt{simge, başlık, metin, düğmeler, varsayılan, QMessageBox::NoButton, false};
    if (test().etkin) {
        if (!test().yanıtlar.isEmpty()) {
            kayıt.yanıt = test().yanıtlar.dequeue();
            kayıt.kuyruktanYanıtlandı = true;
        } else {
            kayıt.yanıt = varsayılan != QMessageBox::NoButton ? varsayılan : ilkDüğme(düğmeler);
        }
        test().kayıtlar.append(kayıt);
        if (auto iş = std::exchange(test().açıkken, nullptr))
            iş();
        return kayıt.yanıt;
    }

    QWidget* sahip = QApplication::activeWindow();
    QMessageBox kutu(simge, başlık, ekranMetni(metin), düğmeler, sahip);
    if (varsayılan != QMessageBox::NoButton)
        kutu.setDefaultButton(varsayılan);
    kutu.adjustSize();
    const bool küçültülmüş = sahip && sahip->isMinimized();
    QRect sahipAlanı;
    if (sahip)
        sahipAlanı = sahip->frameGeometry();
    else if (QScreen* ekran = QGuiApplication::primaryScreen())
        sahipAlanı = ekran->geometry();
    if (!küçültülmüş && sahipAlanı.isValid()) {
        if (auto konum = ortalanmışKonum(sahipAlanı, kutu.sizeHint()))
            kutu.move(*konum);
    }
    return static_cast<QMessageBox::StandardButton>(kutu.exec());
}

void bilgi(const QString& metin) {
    göster(QMessageBox::Information, metin);
}
void ünlem(const QString& metin) {
    göster(QMessageBox::Warning, metin);
}

bool soru(const QString& metin, bool evetVarsayılan) {
    return göster(QMessageBox::Question, metin, QMessageBox::Yes | QMessageBox::No,
                  evetVarsayılan ? QMessageBox::Yes : QMessageBox::No) == QMessageBox::Yes;
}

} // namespace MesajKutusu

namespace MesajKutusuTest {
void etkinleştir() {
    test().etkin = true;
}
bool etkinMi() {
    return test().etkin;
}
void yanıtla(QMessageBox::StandardButton yanıt) {
    test().yanıtlar.enqueue(yanıt);
}
void yanıtla(std::initializer_list<QMessageBox::StandardButton> yanıtlar) {
    for (auto y : yanıtlar)
        yanıtla(y);
}
int bekleyenYanıtSayısı() {
    return static_cast<int>(test().yanıtlar.size());
}
const QList<MesajKaydı>& kayıtlar() {
    return test().kayıtlar;
}
MesajKaydı son() {
    return test().kayıtlar.isEmpty() ? MesajKaydı{} : test().kayıtlar.last();
}
void kutuAçıkken(std::function<void()> iş) {
    test().açıkken = std::move(iş);
}
void temizle() {
    test().açıkken = nullptr;
    test().kayıtlar.clear();
    test().yanıtlar.clear();
}
} // namespace MesajKutusuTest
