// Pictures with fixed names that do not come from a window layout: the
// slider thumbs and the pictures the programs embed as resources.
#pragma once

#include <string>
#include <vector>

#include "image.h"

// Slider thumbs: an arrow on a uniform black background, since the
// slider makes every pixel of the colour at (0,0) transparent.
Image PaintThumb(bool pointsDown);

// The program icon in the sizes Windows asks for (16, 32 and 48).
std::vector<Image> PaintProgramIcon();

// A 16 x 16 list icon on magenta (255,0,255), the list's transparent colour.
enum class ListIcon { Clock, ArrowUp, ArrowDown, Mouse, FolderClosed, FolderOpen };
Image PaintListIcon(ListIcon icon);

// The small arrow that marks a submenu title (with alpha).
Image PaintSubmenuArrow();

// A 32 x 32 pointing hand; its hot spot is the fingertip.
Image PaintHandCursor();
inline constexpr int kHandHotX = 12, kHandHotY = 3;
