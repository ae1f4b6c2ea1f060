#pragma once

class QWidget;

// The about window: title, version, legal notice, the computer's registered owner and
// organisation and a link to the maker's site. Modal over the owner; Esc closes it.
void HakkındaFormunuAç(QWidget* sahip);
