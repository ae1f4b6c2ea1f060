#pragma once

#include <QHash>
#include <QString>

// The print spooler's side of printing (CUPS on Unix): where each queue is connected, and
// handing a finished document to a queue with the spooler's answer.
namespace CupsKuyruğu {
// The device address of every queue the spooler knows, by queue name; empty where the
// spooler gives none or there is no spooler.
QHash<QString, QString> aygıtAdresleri();

// Sends the PDF file to the queue as one job; the page size goes with it by its name
// ("A4"). Returns the empty text on success, otherwise the spooler's reason.
QString gönder(const QString& kuyruk, const QString& pdfDosyası, const QString& işAdı,
               const QString& kağıt);

// Whether jobs can be handed to the spooler here at all.
bool kullanılabilir();
} // namespace CupsKuyruğu
