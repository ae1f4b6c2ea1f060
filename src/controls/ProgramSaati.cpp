#include "controls/ProgramSaati.h"

#include <optional>

namespace {
std::optional<QDateTime>& sabitAn() {
    static std::optional<QDateTime> an;
    return an;
}
} // namespace

namespace ProgramSaati {

QDateTime şimdi() { return sabitAn() ? *sabitAn() : QDateTime::currentDateTime(); }
QDate bugün() { return şimdi().date(); }
QTime şuAn() { return şimdi().time(); }

void ayarla(const QDateTime& an) { sabitAn() = an; }

void ilerlet(qint64 saniye) {
    if (sabitAn())
        sabitAn() = sabitAn()->addSecs(saniye);
}

void serbestBırak() { sabitAn().reset(); }
bool ayarlıMı() { return sabitAn().has_value(); }

} // namespace ProgramSaati
