#include "controls/Odak.h"

#include <QComboBox>
#include <QEvent>
#include <QFileInfo>
#include <QLineEdit>
#include <QObject>
#include <QTimer>

namespace {
class TümünüSeçici : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* nesne, QEvent* olay) override {
        if (olay->type() == QEvent::FocusIn) {
            QLineEdit* satır = qobject_cast<QLineEdit*>(nesne);
            if (!satır)
                if (auto* kutu = qobject_cast<QComboBox*>(nesne))
                    satır = kutu->lineEdit();
            if (satır) {
                // After the focus event the line edit places its cursor; select afterwards.
                QTimer::singleShot(0, satır, [satır] { satır->selectAll(); });
                satır->selectAll();
            }
        }
        return false;
    }
};
} // namespace

void OdaktaTümünüSeç(QWidget* alan) { alan->installEventFilter(new TümünüSeçici(alan)); }

bool DosyaVarMı(const QString& yol) { return !yol.isEmpty() && QFileInfo::exists(yol); }
