#pragma once

#include <QString>

class QWidget;

// Lets the user pick the folder that holds the database. Empty when cancelled; otherwise the
// folder exactly as the picker returned it.
QString AğaGözat(QWidget* sahip);

namespace AgaGozatTest {
// From now on the picker is not shown: each call takes the next queued answer (a folder, or
// the empty text for cancel); with none queued it is cancelled.
void etkinleştir();
void yanıtla(const QString& klasör);
void iptal();
int bekleyenSayısı();
// How often the picker was asked for.
int çağrıSayısı();
void temizle();
} // namespace AgaGozatTest
