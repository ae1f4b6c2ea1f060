#pragma once

#include <QString>

// A line on standard error about what the program is doing, written only when the
// environment variable TARVELA_IZ is set (used by tests that run the real program).
void İz(const QString& olay);
