// Colours of the skin: near-black panels, one blue accent, light text.
#pragma once

#include "image.h"

namespace theme {

inline constexpr Rgb kAccent{18, 72, 158};
inline constexpr Rgb kAccentBright{70, 140, 235};
inline constexpr Rgb kAccentGlow{120, 185, 255};
inline constexpr Rgb kText{230, 230, 230};

inline constexpr Rgb kWindowTop{27, 29, 35};
inline constexpr Rgb kWindowBottom{9, 10, 12};
inline constexpr Rgb kHeaderTop{38, 42, 51};
inline constexpr Rgb kHeaderBottom{17, 19, 23};
inline constexpr Rgb kFrameInner{44, 48, 58};
inline constexpr Rgb kPanel{14, 15, 18};
inline constexpr Rgb kPanelEdge{40, 44, 53};
inline constexpr Rgb kWell{7, 8, 10};
inline constexpr Rgb kWellEdge{58, 64, 76};
inline constexpr Rgb kDisabledGlyph{84, 86, 92};

// One appearance of a control face.
struct Look {
  Rgb top, bottom;  // face gradient
  Rgb border;
  Rgb highlight;    // one-pixel line under the top edge
  Rgb glyph;        // icons drawn on the face
};

// Resting: dark and quiet, light captions.
inline constexpr Look kNormal{{50, 55, 65}, {27, 29, 35}, {72, 79, 93}, {78, 85, 100}, {205, 210, 220}};
// Hover: lit, a bright silver face with an accent rim; the windows draw
// hover captions in blue, which reads well on it.
inline constexpr Look kOver{{232, 236, 244}, {172, 184, 206}, {70, 140, 235}, {255, 255, 255}, {18, 72, 158}};
// Pressed or selected for push and toggle buttons (blue captions): a
// light accent face inside a strong accent rim.
inline constexpr Look kDownLight{{104, 156, 236}, {160, 198, 248}, {18, 72, 158}, {80, 124, 200}, {255, 255, 255}};
// Pressed for shaped buttons (light captions): filled with the accent.
inline constexpr Look kDownAccent{{14, 56, 126}, {30, 92, 190}, {120, 185, 255}, {10, 40, 96}, {230, 230, 230}};
// Disabled: flat and grey.
inline constexpr Look kDisabled{{34, 35, 39}, {29, 30, 33}, {50, 52, 57}, {40, 41, 45}, kDisabledGlyph};

}  // namespace theme
