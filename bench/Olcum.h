#pragma once

#include <QElapsedTimer>
#include <algorithm>
#include <ctime>
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

// Median processor time of this thread over the given number of runs, in seconds: steadier
// than the wall clock on a machine busy with other work.
template <typename İş> double ortancaİşlemci(int kez, İş&& iş) {
    std::vector<double> süreler;
    for (int i = 0; i < kez; ++i) {
        timespec baş{}, son{};
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &baş);
        iş();
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &son);
        süreler.push_back(double(son.tv_sec - baş.tv_sec) + (son.tv_nsec - baş.tv_nsec) / 1e9);
    }
    std::sort(süreler.begin(), süreler.end());
    return süreler[süreler.size() / 2];
}
