#include "shell/mask_region_win.h"

#include "shell/bmp_layout.h"
#include "shell/file_view_win.h"
#include "shell/mask_runs.h"
#include "shell/pixel_section_win.h"
#include "shell/skin_picture_win.h"

namespace {

// The region of the opaque pixels of `height` rows of 24- or 32-bit pixels
// starting at `topRow`, `stride` bytes apart.
HRGN RowsToRegion(const uint8_t* topRow, int width, int height, ptrdiff_t stride, int bytesPerPixel,
                  const TransparentRange& transparent) {
    UniqueRegion result;
    bool failed = false;
    RunCollector runs([&](const RunBatch& batch) {
        if (failed) return;
        UniqueRegion part(ExtCreateRegion(nullptr, static_cast<DWORD>(batch.regionBytes),
                                          static_cast<const RGNDATA*>(batch.regionData)));
        if (!part)
            failed = true;
        else if (!result)
            result = std::move(part);
        else
            CombineRgn(result.get(), result.get(), part.get(), RGN_OR);
    });
    ScanMaskRuns(topRow, width, height, stride, bytesPerPixel, transparent, runs);
    runs.Finish();
    // A partial outline would cut away parts of the window: better none.
    return failed ? nullptr : result.release();
}

}  // namespace

HRGN MaskToRegion(HBITMAP bitmap, COLORREF transparent, COLORREF tolerance) {
    SIZE size{};
    const std::vector<uint32_t> pixels = ReadPixels(bitmap, size);
    if (pixels.empty()) return nullptr;
    return RowsToRegion(reinterpret_cast<const uint8_t*>(pixels.data()), size.cx, size.cy,
                        static_cast<ptrdiff_t>(size.cx) * 4, 4, TransparentRange(transparent, tolerance));
}

HRGN MaskFileToRegion(const std::string& path) {
    if (path.empty()) return nullptr;
    const FileView file(path);
    if (!file) return nullptr;
    const auto layout = ParsePlainBmp(file.Bytes());
    if (!layout) {
        const UniqueBitmap mask(LoadMaskBitmap(path));
        return MaskToRegion(mask.get());
    }
    return RowsToRegion(BmpTopRow(file.Bytes(), *layout), layout->width, layout->height, BmpRowStep(*layout),
                        layout->bitCount / 8, TransparentRange(kMaskTransparent, 0));
}

HBITMAP LoadMaskBitmap(const std::string& path) {
    UniqueBitmap mask;
    SIZE size{};
    if (!path.empty()) LoadSkinPicture(path, mask, size);
    return mask.release();
}

bool GiveWindowRegion(HWND window, UniqueRegion region) {
    if (!region || !SetWindowRgn(window, region.get(), TRUE)) return false;
    region.release();  // the window owns it now
    return true;
}

bool ApplyMaskOutline(HWND window, HBITMAP mask) { return GiveWindowRegion(window, UniqueRegion(MaskToRegion(mask))); }
