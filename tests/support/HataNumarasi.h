#pragma once

#include "controls/Hata.h"

// The number of the Hata the work throws; 0 when it throws none.
template <class F> int hataNumarası(F&& iş) {
    try {
        iş();
        return 0;
    } catch (const Hata& h) {
        return h.numara();
    }
}
