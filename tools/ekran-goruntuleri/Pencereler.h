#pragma once

#include <QString>
#include <functional>

class QWidget;

// Opens every window of the program in turn, each filled in as a user sees it, over a demo
// database made in the given folder, and hands each window to the visitor once it has settled
// on screen; the window is closed again after the visitor returns. The screenshot program
// draws them, the accessibility test walks them. Message boxes, modal windows and the program's
// end are put into test mode first. Returns the number of windows visited.
using PencereZiyaretçisi = std::function<void(QWidget* pencere, const QString& ad)>;
int herPencereyiAç(const QString& çalışmaKlasörü, const PencereZiyaretçisi& ziyaret);
