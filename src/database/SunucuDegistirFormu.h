#pragma once

class QWidget;

// Opens the change-server window modally over the owner (the main window's menu entry).
void SunucuDeğiştir(QWidget* sahip);
