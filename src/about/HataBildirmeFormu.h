#pragma once

class QWidget;

// The problem report window: asks the user to report faults through the maker's web form or
// by mail. Modal over the owner; it closes with its "Tamam" button.
void HataBildirmeFormunuAç(QWidget* sahip);
