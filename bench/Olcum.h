#pragma once

#include <QElapsedTimer>
#include <algorithm>
#include <ctime>
#include <utility>
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

// Two jobs run by turns, `kez` times each: the median of each, in seconds (processor time of
// this thread with `işlemci`). Taken by turns, a change in the machine's speed during the run
// falls on both alike, so their ratio is steadier than that of two separate medians.
template <typename A, typename B>
std::pair<double, double> sırayla(int kez, bool işlemci, A&& a, B&& b) {
    const auto ölç = [işlemci](auto& iş) {
        timespec baş{}, son{};
        const clockid_t saat = işlemci ? CLOCK_THREAD_CPUTIME_ID : CLOCK_MONOTONIC;
        clock_gettime(saat, &baş);
        iş();
        clock_gettime(saat, &son);
        return double(son.tv_sec - baş.tv_sec) + (son.tv_nsec - baş.tv_nsec) / 1e9;
    };
    std::vector<double> as, bs;
    for (int i = 0; i < kez; ++i) {
        as.push_back(ölç(a));
        bs.push_back(ölç(b));
    }
    std::sort(as.begin(), as.end());
    std::sort(bs.begin(), bs.end());
    return {as[as.size() / 2], bs[bs.size() / 2]};
}
