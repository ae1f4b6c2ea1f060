#pragma once

#include <optional>

// The state of the Caps Lock light, where the window system tells it; nothing otherwise.
std::optional<bool> capsLockAçıkMı();
