#include "jobentry/IsGirisi.h"

// Placeholder until the entry window lands.
void İşEklemeyiAç(QWidget*, const QString&) {}
void İşDeğiştirmeyiAç(QWidget*, const İşSatırı&, const QString&, bool) {}
