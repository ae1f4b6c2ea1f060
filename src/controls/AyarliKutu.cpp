#include "controls/AyarliKutu.h"

#include "controls/MesajKutusu.h"
#include "controls/Odak.h"
#include "controls/Twip.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QScopedValueRollback>
#include <QToolButton>

namespace {
constexpr int EnKüçükGenişlik = 500; // twips
// Numbers beyond this are all simply "too large"; reading stops growing there.
constexpr qint64 SayıTavanı = 1'000'000'000;
} // namespace

AyarliKutu::AyarliKutu(QWidget* üst) : QWidget(üst) {
    kutu_ = new QLineEdit(this);
    kutu_->setObjectName(QStringLiteral("DeğerKutusu"));
    kutu_->setMaxLength(6);
    // Only digits get in, by key or by pasting.
    kutu_->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), kutu_));
    kutu_->installEventFilter(this);
    OdaktaTümünüSeç(kutu_);
    setFocusProxy(kutu_);
    setFocusPolicy(kutu_->focusPolicy());

    auto okDüğmesi = [this](Qt::ArrowType yön, const char* ad, const QString& işi) {
        auto* d = new QToolButton(this);
        d->setObjectName(QString::fromUtf8(ad));
        d->setArrowType(yön);
        // The arrow is all the button shows.
        d->setAccessibleName(işi);
        d->setToolTip(işi);
        d->setAutoRepeat(true);
        // Clicking an arrow leaves the focus where it was.
        d->setFocusPolicy(Qt::NoFocus);
        return d;
    };
    yukarı_ = okDüğmesi(Qt::UpArrow, "DeğerDeğiştirDüğmesiYukarı", QStringLiteral("Artır"));
    aşağı_ = okDüğmesi(Qt::DownArrow, "DeğerDeğiştirDüğmesiAşağı", QStringLiteral("Azalt"));
    connect(yukarı_, &QToolButton::clicked, this, [this] { adımla(+1); });
    connect(aşağı_, &QToolButton::clicked, this, [this] { adımla(-1); });
    connect(kutu_, &QLineEdit::textChanged, this, [this] { metinDeğişti(); });

    setMinimumWidth(twipten(EnKüçükGenişlik));
    setFixedHeight(kutu_->sizeHint().height());
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
}

QString AyarliKutu::Text() const {
    return kutu_->text();
}
void AyarliKutu::setText(const QString& metin) {
    kutu_->setText(metin);
}

void AyarliKutu::setValue(qint16 değer) {
    const qint16 alt = std::min(min_, max_), üst = std::max(min_, max_);
    değer = std::clamp(değer, alt, üst);
    if (değer == değer_)
        return;
    değer_ = değer;
    stepperDeğişti();
}

void AyarliKutu::setMin(qint16 değer) {
    min_ = değer;
}
void AyarliKutu::setMax(qint16 değer) {
    max_ = değer;
}
void AyarliKutu::setBirim(const QString& birim) {
    birim_ = birim;
}
void AyarliKutu::setMaxLength(int uzunluk) {
    kutu_->setMaxLength(uzunluk);
}

qint64 AyarliKutu::baştakiSayı(const QString& metin) {
    int i = 0;
    while (i < metin.size() && metin[i].isSpace())
        ++i;
    bool eksi = false;
    if (i < metin.size() && (metin[i] == '-' || metin[i] == '+'))
        eksi = metin[i++] == '-';
    qint64 sayı = 0;
    for (; i < metin.size() && metin[i] >= '0' && metin[i] <= '9'; ++i)
        sayı = std::min(sayı * 10 + (metin[i].unicode() - '0'), SayıTavanı);
    return eksi ? -sayı : sayı;
}

void AyarliKutu::metinDeğişti() {
    if (kutu_->text().isEmpty()) {
        // The nested change runs the rules for "0" and raises the event.
        kutu_->setText(QStringLiteral("0"));
        kutu_->selectAll();
        return;
    }
    // The stepper follows a number typed within the ends; the typed text stays as it is.
    const qint64 n = baştakiSayı(kutu_->text());
    if (n >= max_ && n <= min_)
        değer_ = static_cast<qint16>(n);
    emit Change();
}

void AyarliKutu::adımla(int yön) {
    if (yön > 0 && değer_ < min_)
        setValue(static_cast<qint16>(değer_ + 1));
    else if (yön < 0 && değer_ > max_)
        setValue(static_cast<qint16>(değer_ - 1));
}

void AyarliKutu::stepperDeğişti() {
    if (!isEnabled())
        return;
    metniYenile();
    if (kutu_->hasFocus())
        kutu_->selectAll();
}

void AyarliKutu::metniYenile() {
    kutu_->setText(QString::number(değer_) + birim_);
}

bool AyarliKutu::denetle() {
    if (denetimde_)
        return true;
    const qint64 n = baştakiSayı(kutu_->text());
    if (n > min_ || n < max_) {
        {
            const QScopedValueRollback kilit(denetimde_, true);
            MesajKutusu::göster(
                QMessageBox::Information,
                QStringLiteral("Belirlediğiniz değer, %1-%2 arasında olmalı!").arg(max_).arg(min_),
                QMessageBox::Ok, QMessageBox::NoButton, QStringLiteral("Hatalı değer!"));
        }
        setValue(n > min_ ? min_ : max_);
        // Also when the value already stood at that end: the box must not keep the wrong text.
        metniYenile();
        kutu_->setFocus();
        kutu_->selectAll();
        return false;
    }
    setValue(static_cast<qint16>(n));
    metniYenile();
    return true;
}

bool AyarliKutu::eventFilter(QObject* nesne, QEvent* olay) {
    if (nesne != kutu_)
        return QWidget::eventFilter(nesne, olay);
    if (olay->type() == QEvent::KeyPress) {
        auto* tuş = static_cast<QKeyEvent*>(olay);
        switch (tuş->key()) {
        case Qt::Key_Up:
        case Qt::Key_Down:
            adımla(tuş->key() == Qt::Key_Up ? +1 : -1);
            kutu_->selectAll();
            return true;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            focusNextChild();
            return true;
        default:
            break;
        }
    } else if (olay->type() == QEvent::FocusOut) {
        // Only a move to another control of the same window leaves the box; the window
        // losing the focus (to the check's own message, for one) does not.
        const auto neden = static_cast<QFocusEvent*>(olay)->reason();
        if (neden != Qt::ActiveWindowFocusReason && neden != Qt::PopupFocusReason)
            denetle();
    }
    return QWidget::eventFilter(nesne, olay);
}

void AyarliKutu::resizeEvent(QResizeEvent*) {
    const int okGenişliği = std::min(16, width() / 2);
    kutu_->setGeometry(rect());
    kutu_->setTextMargins(0, 0, okGenişliği, 0);
    const int yarım = height() / 2;
    yukarı_->setGeometry(width() - okGenişliği - 1, 1, okGenişliği, yarım - 1);
    aşağı_->setGeometry(width() - okGenişliği - 1, yarım, okGenişliği, height() - yarım - 1);
}
