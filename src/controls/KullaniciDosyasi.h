#pragma once

#include <QString>
#include <functional>

class QIODevice;

// A file the program writes for the user (a list printed into a PDF file, a calendar
// export). It is written under a temporary name in the target's own folder and renamed over
// the target only when complete: a write that fails or is cancelled half-way leaves an old
// file exactly as it was, and no temporary file behind.
namespace KullanıcıDosyası {

enum class Sonuç { Yazıldı, Vazgeçildi, Yazılamadı };

// Why the file cannot be written or replaced; empty when it can. A write-protected file is
// refused also for the administrator (whom the system would let replace it), as the
// database files are: the protection was put there on purpose.
QString yazılamamaNedeni(const QString& yol);

// Runs `yazıcı` on the temporary file and puts the file in place when it answers Yazıldı
// and every write reached the file. On anything else the target is untouched, the
// temporary file is gone, and `hata` (when given) holds the reason of a failure.
Sonuç yaz(const QString& yol, const std::function<Sonuç(QIODevice&)>& yazıcı,
          QString* hata = nullptr);

} // namespace KullanıcıDosyası
