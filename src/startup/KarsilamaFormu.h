#pragma once

#include <QWidget>

// The welcome picture shown while the program comes up; a click closes it.
class KarşılamaFormu : public QWidget {
public:
    explicit KarşılamaFormu(QWidget* üst = nullptr);

    static constexpr int GenişlikTwip = 8200;
    static constexpr int YükseklikTwip = 5400;

protected:
    void paintEvent(QPaintEvent* olay) override;
    void mousePressEvent(QMouseEvent* olay) override;
};
