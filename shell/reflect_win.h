// The one way a parent's messages about a child control reach the control's
// own object. Win32 sends owner-draw (WM_DRAWITEM, WM_MEASUREITEM), colour
// (WM_CTLCOLOR*), command (WM_COMMAND) and notify (WM_NOTIFY) messages to a
// control's parent; after ReflectToControl(control) the parent hands each of
// them about that control to the control as Reflected(message), with wParam
// and lParam unchanged, so no parent needs code for the controls on it.
//
//   ReflectToControl(list);                        // once, after creating it
//   case Reflected(WM_DRAWITEM): Draw(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam)); return TRUE;
//
// Draw, measure and colour requests are answered by the control alone when
// it answers non-zero (TRUE, a brush); zero leaves them to the parent.
// Commands and notifications go to the control first and then, unchanged,
// to the parent's own procedure, whose answer counts.
#pragma once

#include <windows.h>

// The reflected form of a parent message (the range the platform's own
// reflecting frameworks use).
constexpr UINT kReflectBase = WM_USER + 0x1C00;
constexpr UINT Reflected(UINT message) { return kReflectBase + message; }

// Makes the control's parent reflect to it; the parent is subclassed once for
// all its controls, until it is destroyed. False without a parent.
bool ReflectToControl(HWND control);
// Ends reflection to `control`; controls call it when their window goes.
void StopReflecting(HWND control);
