#pragma once

#include <QWidget>

class QLineEdit;
class QToolButton;

// A numeric box: a line edit with a pair of arrows at its right edge. The arrows step the
// value between two ends, `Min` at the top and `Max` at the bottom, so `Min` is the largest
// value allowed and `Max` the smallest. Only the digits and Backspace can be typed; a number
// outside the ends is refused when the focus leaves the box: a message names the range, the
// value is corrected to the nearer end and the focus stays.
class AyarliKutu : public QWidget {
    Q_OBJECT
public:
    explicit AyarliKutu(QWidget* üst = nullptr);

    QString Text() const;
    // Writes the box directly, so the text rules run.
    void setText(const QString& metin);
    qint16 Value() const { return değer_; }
    // Moves the stepper; when the control is enabled the text becomes the value and the unit.
    void setValue(qint16 değer);
    qint16 Min() const { return min_; }
    void setMin(qint16 değer);
    qint16 Max() const { return max_; }
    void setMax(qint16 değer);
    QString Birim() const { return birim_; }
    void setBirim(const QString& birim);
    void setMaxLength(int uzunluk);

    QLineEdit* DeğerKutusu() const { return kutu_; }

    // The number the text begins with, read wide and capped, so that no typed number wraps.
    static qint64 baştakiSayı(const QString& metin);
    // The leave check: true when the number is inside the ends. Otherwise the message is
    // shown, the value corrected and the text rewritten, and the focus kept in the box.
    bool denetle();

signals:
    // After every change of the box's text, including the control's own rewrites.
    void Change();

protected:
    bool eventFilter(QObject* nesne, QEvent* olay) override;
    void resizeEvent(QResizeEvent* olay) override;

private:
    void metinDeğişti();
    void adımla(int yön);
    void stepperDeğişti();
    void metniYenile();

    QLineEdit* kutu_ = nullptr;
    QToolButton* yukarı_ = nullptr;
    QToolButton* aşağı_ = nullptr;
    qint16 değer_ = 0;
    qint16 min_ = 1;
    qint16 max_ = 0;
    QString birim_;
    // Set while the control writes its own text or the stepper follows a typed number.
    bool yazıyor_ = false;
    // Set while the check's message is up, so that the check does not run again inside it.
    bool denetimde_ = false;
};
