// Resource numbers of the gallery's own pictures; the numbered skin
// pictures (program icon, list icons) keep the numbers the skin set gives.
#pragma once

#define GALLERY_SUBMENU_ARROW 300
#define GALLERY_HAND_CURSOR 301
