#pragma once

#include <QList>
#include <QMessageBox>
#include <QPoint>
#include <QRect>
#include <QString>
#include <functional>
#include <optional>

// What one message box showed and how it was answered.
struct MesajKaydı {
    QMessageBox::Icon simge = QMessageBox::NoIcon;
    QString başlık;
    QString metin;
    QMessageBox::StandardButtons düğmeler;
    QMessageBox::StandardButton varsayılan = QMessageBox::NoButton;
    QMessageBox::StandardButton yanıt = QMessageBox::NoButton;
    // False when a test let the box answer with its default because nothing was queued.
    bool kuyruktanYanıtlandı = false;
};

// The one helper through which every message box of the program is shown. It centres the
// box over the active window first; in tests it answers from a queue instead of blocking.
namespace MesajKutusu {
inline const QString VarsayılanBaşlık = QStringLiteral("Tarvela");

QMessageBox::StandardButton göster(QMessageBox::Icon simge, const QString& metin,
                                   QMessageBox::StandardButtons düğmeler = QMessageBox::Ok,
                                   QMessageBox::StandardButton varsayılan = QMessageBox::NoButton,
                                   const QString& başlık = VarsayılanBaşlık);

// Information box with OK: tells about refused input.
void bilgi(const QString& metin);
// Exclamation box with OK: something cannot go on.
void ünlem(const QString& metin);
// Question box with Yes and No; true on Yes.
bool soru(const QString& metin, bool evetVarsayılan = true);

// Where a box of the given size goes over an owner with the given frame: centred, halves
// rounded to the even number. Nothing when the owner lies off screen (a minimised owner).
std::optional<QPoint> ortalanmışKonum(const QRect& sahip, const QSize& kutu);
} // namespace MesajKutusu

namespace MesajKutusuTest {
// From now on no box is shown: each takes the next queued answer, or its default button.
void etkinleştir();
bool etkinMi();
void yanıtla(QMessageBox::StandardButton yanıt);
void yanıtla(std::initializer_list<QMessageBox::StandardButton> yanıtlar);
int bekleyenYanıtSayısı();
const QList<MesajKaydı>& kayıtlar();
// The last box shown; an empty record when none was.
MesajKaydı son();
// Runs once while the next box is up, as events arriving during a real box would.
void kutuAçıkken(std::function<void()> iş);
void temizle();
} // namespace MesajKutusuTest
