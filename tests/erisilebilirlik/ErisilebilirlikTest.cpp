#include "TestOrtami.h"

// moc cannot read names with Turkish letters; it needs none of these.
#ifndef Q_MOC_RUN
#include "Pencereler.h"
#include "controls/ProgramSaati.h"
#include "lists/IsListesiModeli.h"
#endif

#include <QAccessible>
#include <QCheckBox>
#include <QSet>
#include <QTreeView>

namespace {
void yerleşsin() {
    for (int i = 0; i < 5; ++i)
        QCoreApplication::processEvents();
}

// What the window shows as assistive technology reads it: each element's role, name, value
// and states. Focus and hover are left out: they follow the keyboard and the pointer.
void görünüş(QAccessibleInterface* a, QStringList& satırlar) {
    if (!a || satırlar.size() > 3000)
        return;
    const QAccessible::State d = a->state();
    satırlar << QStringList{QString::number(a->role()), a->text(QAccessible::Name),
                            a->text(QAccessible::Value),
                            QString::number(d.checked | d.disabled << 1 | d.invisible << 2 |
                                            d.expanded << 3 | d.selected << 4)}
                    .join('|');
    for (int i = 0; i < a->childCount(); ++i)
        görünüş(a->child(i), satırlar);
}

QStringList görünüş(QWidget* pencere) {
    QStringList satırlar;
    görünüş(QAccessible::queryAccessibleInterface(pencere), satırlar);
    return satırlar;
}

// Every control a user can reach, and every button on show, has a name that is not an object name.
void adları(QAccessibleInterface* a, QWidget* kök, const QString& pencere,
            const QSet<QString>& içAdlar, QStringList& hatalar) {
    const QString ad = a->text(QAccessible::Name).trimmed();
    const QWidget* w = qobject_cast<QWidget*>(a->object());
    const bool denetim =
        w && w->isVisibleTo(kök) &&
        (a->state().focusable || a->role() == QAccessible::CheckBox ||
         a->role() == QAccessible::RadioButton || a->role() == QAccessible::PushButton);
    if ((denetim && ad.isEmpty()) || (!ad.isEmpty() && içAdlar.contains(ad)))
        hatalar << pencere + '/' +
                       (w ? w->metaObject()->className() + (' ' + w->objectName()) : QString()) +
                       ": ad '" + ad + "'";
    // The cells of a list have the list's own checks.
    if (a->tableInterface())
        return;
    for (int i = 0; i < a->childCount(); ++i)
        if (QAccessibleInterface* alt = a->child(i))
            adları(alt, kök, pencere, içAdlar, hatalar);
}
} // namespace

class ErisilebilirlikTest : public QObject {
    Q_OBJECT
private slots:
    // Every window of the program through Qt's accessibility interface, as a screen reader
    // reads and works it: names, the job list's rows, and check boxes toggled by its action.
    void everyWindow() {
        TestOrtami::sıfırla();
        ProgramSaati::ayarla(QDateTime(QDate(2026, 5, 12), QTime(9, 0)));
        QTemporaryDir çalışma;
        QStringList hatalar;
        int işListesi = 0;
        const int sayı = herPencereyiAç(çalışma.path(), [&](QWidget* pencere, const QString& ad) {
            QSet<QString> içAdlar{pencere->objectName()};
            for (const QObject* o : pencere->findChildren<QObject*>())
                if (!o->objectName().isEmpty())
                    içAdlar << o->objectName();
            adları(QAccessible::queryAccessibleInterface(pencere), pencere, ad, içAdlar, hatalar);

            // A job row reads as one sentence: date, time, subject, place, number, icon.
            for (QTreeView* liste :
                 pencere->findChildren<QTreeView*>(QStringLiteral("YapılacakİşlerListesi"))) {
                if (liste->model()->rowCount() == 0)
                    continue;
                ++işListesi;
                QAccessibleTableInterface* tablo =
                    QAccessible::queryAccessibleInterface(liste)->tableInterface();
                const QString cümle = tablo->cellAt(0, 0)->text(QAccessible::Name);
                const int simge =
                    liste->model()->index(0, 0).data(İşListesiModeli::SimgeRolü).toInt();
                QStringList beklenen{simge == 3 ? "yapıldı" : simge == 1 ? "hatırlatılacak" : ""};
                for (int s = 0; s <= 4; ++s)
                    beklenen << tablo->cellAt(0, s)->text(QAccessible::Name).left(s == 1 ? 5 : -1);
                for (const QString& parça : beklenen)
                    if (!cümle.contains(parça))
                        hatalar << ad + ": satır '" + cümle + "' içinde yok: " + parça;
            }

            // A check box toggled by the screen reader's action shows what a click shows, both
            // from the state that a click and a second one leave.
            for (QCheckBox* onay : pencere->findChildren<QCheckBox*>()) {
                if (!onay->isVisibleTo(pencere) || !onay->isEnabled())
                    continue;
                onay->click();
                onay->click();
                onay->click();
                yerleşsin();
                const QStringList tıklanınca = görünüş(pencere);
                onay->click();
                yerleşsin();
                QAccessible::queryAccessibleInterface(onay)->actionInterface()->doAction(
                    QAccessibleActionInterface::toggleAction());
                yerleşsin();
                const QStringList eylemle = görünüş(pencere);
                onay->click();
                yerleşsin();
                if (eylemle != tıklanınca)
                    hatalar << ad + '/' + onay->text() + ": eylem tıklamadan başka gösteriyor";
            }
        });
        QVERIFY(sayı >= 17);
        QVERIFY(işListesi >= 2);
        for (const QString& hata : hatalar)
            qWarning("%s", qPrintable(hata));
        QVERIFY(hatalar.isEmpty());
    }
};

TARVELA_TEST_MAIN(ErisilebilirlikTest)
#include "ErisilebilirlikTest.moc"
