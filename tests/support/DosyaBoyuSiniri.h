#pragma once

#include <csignal>
#include <sys/resource.h>

// While it lives, no file of this process can grow past the size: a write beyond it fails
// as on a full disk (the signal the system sends then is ignored). For tests of writes that
// fail half-way.
class DosyaBoyuSınırı {
public:
    explicit DosyaBoyuSınırı(rlim_t bayt) {
        eskiSinyal_ = std::signal(SIGXFSZ, SIG_IGN);
        ::getrlimit(RLIMIT_FSIZE, &eski_);
        rlimit yeni = eski_;
        yeni.rlim_cur = bayt;
        ::setrlimit(RLIMIT_FSIZE, &yeni);
    }
    ~DosyaBoyuSınırı() {
        ::setrlimit(RLIMIT_FSIZE, &eski_);
        std::signal(SIGXFSZ, eskiSinyal_);
    }
    DosyaBoyuSınırı(const DosyaBoyuSınırı&) = delete;
    DosyaBoyuSınırı& operator=(const DosyaBoyuSınırı&) = delete;

private:
    rlimit eski_{};
    void (*eskiSinyal_)(int) = nullptr;
};
