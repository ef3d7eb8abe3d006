// One full-window state picture of a skin layout, as the controls cut their
// pieces from it. A sheet made from a plain bitmap file is cut straight
// from the file's rows and decoded whole only when somebody asks for the
// whole bitmap: a window's controls need a few small pieces of each sheet,
// and decoding a whole sheet costs more under Wine than all of its cuts.
//
//   SkinSheet over = SkinSheet::FromFile(layout.ScreenPicture("Over"));
//   over.Cut(piece, rect);          // reads only the rows of `rect`
//   HBITMAP whole = over.Bitmap();  // decoded at the first call
#pragma once

#include <windows.h>

#include <array>
#include <memory>
#include <optional>
#include <string>

#include "shell/bmp_layout.h"
#include "shell/file_view_win.h"
#include "shell/owned_handles_win.h"

class SkinSheet {
public:
    // A sheet over a decoded bitmap owned elsewhere (nullptr: no picture).
    explicit SkinSheet(HBITMAP picture = nullptr) : picture_(picture) {}
    // The picture file at `path`; a missing or undecodable file gives a
    // sheet without a picture.
    static SkinSheet FromFile(const std::string& path);

    // Replaces `target` with a pixel section holding `rect` of the sheet
    // (black where it reaches past the picture); empty without a picture.
    void Cut(UniqueBitmap& target, const RECT& rect) const;
    // The whole picture, owned by the sheet; nullptr without one.
    HBITMAP Bitmap() const;
    // The whole picture, handed to the caller (a window keeping its
    // background); the sheet goes on cutting from it and its file.
    UniqueBitmap TakeBitmap();

private:
    HBITMAP picture_ = nullptr;
    std::unique_ptr<FileView> file_;
    std::optional<BmpLayout> layout_;  // when the file is a plain bitmap
    mutable UniqueBitmap decoded_;
    mutable bool decodeTried_ = false;
};

// A window's four state sheets in ButtonPicture order: Normal, Over, Down,
// Disable.
using StateSheets = std::array<const SkinSheet*, 4>;
