// A rectangular push button made owner-drawn: it shows one of four cut
// pictures and an optional caption, can act as a toggle, can be marked as
// the current choice, shows hover, and has a tooltip. Plain clicks reach the
// parent as the push button's own WM_COMMAND (id, code 0, button window).
#pragma once

#include <windows.h>

#include <string>

#include "shell/button_face_win.h"
#include "shell/button_look.h"
#include "shell/window_subclass_win.h"

class SkinBitmapButton : public ButtonFace {
public:
    SkinBitmapButton() : ButtonFace(kBitmapButtonTextColours, 15, 0) {}
    virtual ~SkinBitmapButton();
    SkinBitmapButton(const SkinBitmapButton&) = delete;
    SkinBitmapButton& operator=(const SkinBitmapButton&) = delete;

    // Creates a visible push button child at `rect` and attaches to it.
    bool Create(HWND parent, int id, const RECT& rect, const char* caption = "");
    // Takes over an existing push button (for example one from a dialog
    // template): owner-drawn from now on and out of the tab order.
    bool Attach(HWND button);

    void SetToggleMode(bool on) { toggleMode_ = on; }
    void SetSelected(bool selected);
    void SetTooltip(const std::string& text, bool activate);
    void Enable(bool enabled);
    // Drops the hover look now and repaints at once (a menu the button
    // opened has just closed under the pointer).
    void LeaveHover();

    bool Selected() const { return selected_; }
    bool ToggleMode() const { return toggleMode_; }
    bool Hover() const { return hover_; }
    HWND Tooltip() const { return tooltip_; }

protected:
    // Draws over the chosen picture, in the client-sized memory bitmap,
    // before the caption.
    virtual void DrawOverPicture(HDC memory, const RECT& client, const BitmapButtonLook& look);
    virtual bool ShowsCaption() const { return true; }
    // Lets a derived kind answer a message first; true = handled.
    virtual bool OnExtraMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

private:
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    void OnMouseMove(WPARAM keys, LPARAM lParam);
    bool OnToggleRelease();
    void ActivateOwner();
    void Draw(const DRAWITEMSTRUCT& item);
    void RelayToTooltip(UINT message, WPARAM wParam, LPARAM lParam);

    WindowSubclass subclass_;
    HWND tooltip_ = nullptr;
    bool selected_ = false;
    bool toggleMode_ = false;
    bool hover_ = false;
    bool pressStarted_ = false;  // the left button went down on this button
};

// A colour sample: the button's picture covered by a solid fill colour
// (left out while disabled), optionally with the program's hand cursor.
class SkinColourButton : public SkinBitmapButton {
public:
    void SetFillColour(COLORREF colour);
    COLORREF FillColour() const { return fillColour_; }
    // nullptr shows the class cursor again.
    void SetHandCursor(HCURSOR cursor) { handCursor_ = cursor; }

protected:
    void DrawOverPicture(HDC memory, const RECT& client, const BitmapButtonLook& look) override;
    bool ShowsCaption() const override { return false; }
    bool OnExtraMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    COLORREF fillColour_ = RGB(0, 0, 0);
    UniqueBrush fill_;  // of fillColour_, made when the colour is set
    HCURSOR handCursor_ = nullptr;
};
