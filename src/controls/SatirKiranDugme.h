#pragma once

#include <QPushButton>

// A push button whose caption goes onto a second line when the button is too narrow for it
// on one, instead of being cut off at both ends. The caption itself (and its & shortcut) is
// the button's text as given.
class SatırKıranDüğme : public QPushButton {
public:
    explicit SatırKıranDüğme(const QString& başlık, QWidget* üst = nullptr);

    // The height the button needs at this width to show its whole caption.
    int heightForWidth(int genişlik) const override;
    bool hasHeightForWidth() const override { return true; }

protected:
    void paintEvent(QPaintEvent* olay) override;

private:
    // Where the style draws the caption of a button of this size.
    QRect başlıkAlanı(const QRect& düğmeAlanı) const;
};
