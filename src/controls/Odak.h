#pragma once

#include <QString>

class QWidget;

// Makes an entry field select its whole text whenever it takes the focus.
void OdaktaTümünüSeç(QWidget* alan);

// True when a file or a folder exists at the path; an unreachable path is simply false.
bool DosyaVarMı(const QString& yol);
