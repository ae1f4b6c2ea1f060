#pragma once

#include <QSize>
#include <QString>

// Draws the main window over a database file into a PNG file, as a user sees it after
// choosing the folder with the most jobs: for the README picture and the screenshots of
// every window. The database is opened for the drawing and closed again. Returns whether
// the picture was written.
bool anaFormResminiKaydet(const QString& veritabanıDosyası, const QString& resimDosyası,
                          const QSize& boyut = QSize(1000, 640));
