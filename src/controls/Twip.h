#pragma once

// Sizes and positions are kept in twips; a pixel is always 15 twips.
inline constexpr int TwipPerPiksel = 15;
inline constexpr int pikselden(int piksel) { return piksel * TwipPerPiksel; }
inline constexpr int twipten(int twip) { return twip / TwipPerPiksel; }
