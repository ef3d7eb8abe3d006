// Resource numbers of the pictures the button page takes from Option.exe;
// the program's .rc file declares them.
#pragma once

#define PAGE_SUBMENU_ARROW_ICON 300
