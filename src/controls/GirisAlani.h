#pragma once

#include <QKeyEvent>
#include <QPalette>
#include <QWidget>

// What the entry windows' boxes share: the keys they react to, the characters a typed date
// may hold, and the dark red of the label whose box has the focus.

inline const QString TarihKarakterleri = QStringLiteral("0123456789/-.");

// Enter on either the main keyboard or the keypad.
inline bool enterMi(const QKeyEvent* tuş) {
    return tuş->key() == Qt::Key_Return || tuş->key() == Qt::Key_Enter;
}

// A key that would put a character into a box (not Backspace, Tab or a shortcut).
inline bool yazılanKarakter(const QKeyEvent* tuş) {
    if (tuş->key() == Qt::Key_Backspace || tuş->text().isEmpty())
        return false;
    if (tuş->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return false;
    return tuş->text().at(0).isPrint();
}

// The label of the box that has the focus is dark red; back to the window's colours after.
inline void etiketiVurgula(QWidget* etiket, bool odakta) {
    QPalette renkler;
    if (odakta) {
        renkler = etiket->palette();
        renkler.setColor(QPalette::WindowText, QColor(128, 0, 0));
    }
    etiket->setPalette(renkler);
}
