// A single-line edit field for the skinned windows: its own colours and font,
// optionally limited to numbers, telling its parent about every change.
//
// Win32 sends an edit's colour requests (WM_CTLCOLOREDIT) and change
// notifications (EN_CHANGE, EN_KILLFOCUS, EN_VSCROLL) to its parent. So that
// no parent has to forward them, the parent is subclassed once (shared by all
// fields on it) and hands each field the messages that name its handle; the
// notifications themselves still reach the parent's own procedure.
#pragma once

#include <windows.h>

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
    static LRESULT CALLBACK EditProc(HWND, UINT, WPARAM, LPARAM, UINT_PTR, DWORD_PTR);
    static LRESULT CALLBACK ParentProc(HWND, UINT, WPARAM, LPARAM, UINT_PTR, DWORD_PTR);

    bool OnParentMessage(UINT message, WPARAM wParam, LPARAM, LRESULT& result);
    HBRUSH OnColourRequest(HDC dc);
    void OnTextChanged();
    void NotifyParent();
    void Detach();

    HWND window_ = nullptr;
    HWND parent_ = nullptr;
    HFONT font_ = nullptr;
    HBRUSH backBrush_ = nullptr;
    COLORREF textColour_ = RGB(36, 36, 36);
    COLORREF backColour_ = RGB(255, 255, 255);
    bool numeric_ = false;
    bool allowSign_ = false;
};
