#pragma once

#include <QElapsedTimer>
#include <algorithm>
#include <vector>

// Median time of the given number of runs, in seconds.
template <typename İş> double ortanca(int kez, İş&& iş) {
    std::vector<double> süreler;
    QElapsedTimer saat;
    for (int i = 0; i < kez; ++i) {
        saat.start();
        iş();
        süreler.push_back(saat.nsecsElapsed() / 1e9);
    }
    std::sort(süreler.begin(), süreler.end());
    return süreler[süreler.size() / 2];
}
