#include "controls/Iz.h"

#include <cstdio>

void İz(const QString& olay) {
    static const bool açık = qEnvironmentVariableIsSet("TARVELA_IZ");
    if (!açık)
        return;
    std::fprintf(stderr, "TARVELA_IZ %s\n", olay.toUtf8().constData());
    std::fflush(stderr);
}
