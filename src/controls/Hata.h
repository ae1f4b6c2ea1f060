#pragma once

#include <QString>
#include <exception>
#include <string>

// An unexpected error: a number and a description. Every layer throws this; the common
// error reporter is the one place that shows it.
class Hata : public std::exception {
public:
    Hata(int numara, QString açıklama);

    int numara() const noexcept { return numara_; }
    const QString& açıklama() const noexcept { return açıklama_; }
    const char* what() const noexcept override { return metin_.c_str(); }

private:
    int numara_;
    QString açıklama_;
    std::string metin_;
};

// A change refused because the file no longer holds what the user saw: another computer
// deleted or changed the job or folder meanwhile. Nothing was written; the description is the
// whole message for the user, who is told in an information box rather than as an error.
class Reddedilen : public Hata {
public:
    using Hata::Hata;
};

// Error numbers the program gives a meaning of its own.
namespace HataNo {
inline constexpr int YazıcıHatası = 482;
inline constexpr int DosyaBulunamadı = 3024;
inline constexpr int VeritabanıDeğil = 3031;
inline constexpr int DiskVeyaAğHatası = 3043;
inline constexpr int YolGeçersiz = 3044;
inline constexpr int DosyaAçılamıyor = 3051;
inline constexpr int DosyaAdıGeçersiz = 3055;
inline constexpr int ÖzelKilitli = 3356;
// Anything the program cannot place in a category above.
inline constexpr int Beklenmeyen = 9000;
// A stored setting that should be a number is not one.
inline constexpr int GeçersizSayı = 13;
} // namespace HataNo
