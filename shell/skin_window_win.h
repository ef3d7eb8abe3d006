// Building a skinned window from its layout: the window keeps its background
// picture, which doubles as the Normal state sheet, until it goes, and its
// outline until it is shaped; the other three full-window state sheets live
// only while the controls are created and cut their pictures from them.
#pragma once

#include <windows.h>

#include <string>

#include "shell/owned_handles_win.h"
#include "shell/skin_layout_win.h"
#include "shell/skin_sheet_win.h"

// What a skinned window keeps for its lifetime.
struct SkinWindowPictures {
    UniqueRegion outline;  // of the "Mask" picture, until the window takes it
    UniqueBitmap background;
    SIZE size{};  // of the background
};

class SkinWindowBuilder {
public:
    // Reads the "SCREEN" pictures, loads the outline and background into
    // `keep`, and moves `window` to (0, 0) with the background's size.
    SkinWindowBuilder(HWND window, const SkinLayout& layout, SkinWindowPictures& keep);
    SkinWindowBuilder(const SkinWindowBuilder&) = delete;
    SkinWindowBuilder& operator=(const SkinWindowBuilder&) = delete;

    const SkinLayout& Layout() const { return layout_; }
    RECT Rect(int entry) const { return layout_.EntryRect(entry); }
    // Full path of a fixed mask picture in the skins folder.
    std::string MaskPath(const char* fileName) const { return layout_.SkinsFolder() + fileName; }

    // The whole sheets, for controls that cut pieces of their own; the
    // Over, Down and Disable sheets are decoded at the first such call.
    HBITMAP Normal() const { return keep_.background.get(); }
    HBITMAP Over() const { return sheets_[1].Bitmap(); }
    HBITMAP Down() const { return sheets_[2].Bitmap(); }
    HBITMAP Disable() const { return sheets_[3].Bitmap(); }

    // Cuts a control's four pictures at its entry rectangle; `control` is a
    // SkinButton, SkinBitmapButton or anything with the same SetPictures.
    template <typename Control>
    void CutPictures(Control& control, const RECT& rect) const {
        control.SetPictures(rect, StateSheets{&sheets_[0], &sheets_[1], &sheets_[2], &sheets_[3]});
    }

private:
    const SkinLayout& layout_;
    const SkinWindowPictures& keep_;
    SkinSheet sheets_[4];  // Normal (its bitmap kept by the window), Over, Down, Disable
};

// Hands the outline read from the mask (white transparent) to `window`,
// which owns it from then on, redrawing. Returns false and leaves the window
// rectangular when there is none.
bool ApplyWindowShape(HWND window, SkinWindowPictures& pictures);

// Shows a skinned window, activating it unless it is a child, and leaves
// the erasing of it and its controls to their first paint. Skinned windows
// erase nothing, yet erasing every control at once costs about 2 ms per
// control under Wine.
void ShowSkinWindow(HWND window);
