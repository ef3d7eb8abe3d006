// Owner-drawn controls get their WM_DRAWITEM at the parent window. So that
// every skinned control draws itself whatever window it sits on, the parent
// is subclassed once and hands WM_DRAWITEM back to controls that asked for it.
#pragma once

#include <windows.h>

// What a self-drawing control receives: wParam and lParam of WM_DRAWITEM.
constexpr UINT kReflectedDrawItem = 0x2000 + WM_DRAWITEM;

// Makes the parent of `control` pass the control's WM_DRAWITEM to it.
void DrawItemBySelf(HWND control);
