// Building a skinned window from its layout: the window keeps its mask and
// background pictures; the background doubles as the Normal state sheet,
// and the other three full-window state sheets live only while the
// controls are created and cut their pictures from them.
#pragma once

#include <windows.h>

#include <string>

#include "shell/owned_handles_win.h"
#include "shell/skin_layout_win.h"

// What a skinned window keeps for its lifetime.
struct SkinWindowPictures {
    UniqueBitmap mask;
    UniqueBitmap background;
    SIZE size{};  // of the background
};

class SkinWindowBuilder {
public:
    // Reads the "SCREEN" pictures, loads the mask and background into
    // `keep`, and moves `window` to (0, 0) with the background's size.
    SkinWindowBuilder(HWND window, const SkinLayout& layout, SkinWindowPictures& keep);
    SkinWindowBuilder(const SkinWindowBuilder&) = delete;
    SkinWindowBuilder& operator=(const SkinWindowBuilder&) = delete;

    const SkinLayout& Layout() const { return layout_; }
    RECT Rect(int entry) const { return layout_.EntryRect(entry); }
    // Full path of a fixed mask picture in the skins folder.
    std::string MaskPath(const char* fileName) const { return layout_.SkinsFolder() + fileName; }

    HBITMAP Normal() const { return keep_.background.get(); }
    HBITMAP Over() const { return sheets_[0].get(); }
    HBITMAP Down() const { return sheets_[1].get(); }
    HBITMAP Disable() const { return sheets_[2].get(); }

    // Cuts a control's four pictures at its entry rectangle; `control` is a
    // SkinButton, SkinBitmapButton or anything with the same SetPictures.
    template <typename Control>
    void CutPictures(Control& control, const RECT& rect) const {
        control.SetPictures(rect, Normal(), Over(), Down(), Disable());
    }

private:
    const SkinLayout& layout_;
    const SkinWindowPictures& keep_;
    UniqueBitmap sheets_[3];  // Over, Down, Disable; deleted with the builder
};

// Gives `window` the outline of its mask (white transparent), redrawing.
// Returns false and leaves the window rectangular when there is none.
bool ApplyWindowShape(HWND window, const SkinWindowPictures& pictures);
