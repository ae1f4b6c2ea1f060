#pragma once

#include "controls/IsSatiri.h"
#include "lists/YazdirmaDuzeni.h"

#include <QList>
#include <QString>
#include <functional>

class QPageLayout;
class QPagedPaintDevice;
class QProgressDialog;
class QWidget;

enum class YazdırmaSonucu {
    Boş,        // no rows: nothing printed, nothing shown
    Yazdırıldı, // handed to the printer, or the PDF file written
    İptal,      // the user cancelled the choice, the file name or the print under way
    Başarısız,  // the user was told why
};

// Prints a job list: the printer choice window, then the pages on the chosen printer or
// into a PDF file. Every window that prints its list calls this with its rows in the order
// shown, its title and the left edge of its number column; `enÜstte` keeps the choice
// window above an always-on-top caller.
YazdırmaSonucu ListeyiYazdır(QWidget* sahip, const QList<İşSatırı>& satırlar, const QString& başlık,
                             double sayıSütunu = Yazdırma::SayıSütunuListe, bool enÜstte = false);

// Lists of more pages than this show their progress, with a button that cancels.
inline constexpr int İlerlemeSayfaSınırı = 5;

namespace ListeYazdırıcı {
enum class Çizim { Bitti, İptal, Başarısız };
// Lays the rows out on the device's printable area and draws every page. After each page
// `sürsün` is asked whether to go on (page number, page count).
Çizim çiz(QPagedPaintDevice& cihaz, const QList<İşSatırı>& satırlar, const QString& başlık,
          double sayıSütunu, const std::function<bool(int, int)>& sürsün = {});
// The same pages into a PDF file on paper of the given layout. The file is written under a
// temporary name beside it and put in place only when complete: on failure or cancel an old
// file stays as it was (the reason of a failure in `hata`).
Çizim pdfYaz(const QString& dosya, const QPageLayout& sayfa, const QList<İşSatırı>& satırlar,
             const QString& başlık, double sayıSütunu,
             const std::function<bool(int, int)>& sürsün = {}, QString* hata = nullptr);
// The layout of a PDF file: the locale's paper, all of it printable.
QPageLayout pdfSayfası();
} // namespace ListeYazdırıcı

namespace ListeYazdiriciTest {
// Called with the progress window after each page while it is shown (tests cancel there).
void ilerlemede(std::function<void(QProgressDialog*, int)> işleyici);
void temizle();
} // namespace ListeYazdiriciTest
