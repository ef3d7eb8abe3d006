// A single-line edit field for the skinned windows: its own colours and font,
// optionally limited to numbers, telling its parent about every change.
// Its parent reflects the field's colour requests and change notifications
// (EN_CHANGE, EN_KILLFOCUS, EN_VSCROLL) to it; the notifications still reach
// the parent's own procedure.
#pragma once

#include <windows.h>

#include "shell/owned_handles_win.h"
#include "shell/window_subclass_win.h"

// Registers the program-wide message numbers once; later calls return the
// same numbers. Call at start-up before any window uses them.
void RegisterBitmapEditMessages();
UINT BitmapEditKillFocusMessage();  // "BitmapEdit_KillFocus", posted (0, 0)
UINT BitmapEditChangeMessage();     // "BitmapEdit_Change", registered but never sent

// Posted (13, 0) to the parent when Enter is released in the field.
constexpr UINT kBitmapEditEnterMessage = 0x45C;

class BitmapEdit {
public:
    BitmapEdit();
    ~BitmapEdit();
    BitmapEdit(const BitmapEdit&) = delete;
    BitmapEdit& operator=(const BitmapEdit&) = delete;

    // Creates the field as a child of `parent` (child and automatic horizontal
    // scroll styles are always added) and gives it its own font.
    bool Create(HWND parent, int id, const RECT& rect, DWORD style = WS_VISIBLE);
    HWND Handle() const { return window_; }

    void SetNumeric(bool on) { numeric_ = on; }
    void SetAllowSign(bool on) { allowSign_ = on; }
    // Text and background colours (0x00BBGGRR), taken at the next repaint.
    void SetColours(COLORREF text, COLORREF back);
    // Applies the field's own font again (after a caller changed it).
    void ApplyOwnFont();

private:
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    void OnNotification(WORD code);
    HBRUSH OnColourRequest(HDC dc);
    void OnTextChanged();
    void PasteNumber();
    void NotifyParent();

    HWND window_ = nullptr;
    HWND parent_ = nullptr;
    WindowSubclass subclass_;
    UniqueFont font_;
    UniqueBrush backBrush_;  // of backColour_, made when the colours are set
    COLORREF textColour_ = RGB(36, 36, 36);
    COLORREF backColour_ = RGB(255, 255, 255);
    bool numeric_ = false;
    bool allowSign_ = false;
};
