#include "shell/mask_region_win.h"

#include "shell/mask_runs.h"
#include "shell/skin_picture_win.h"

namespace {

// A 32-bit bottom-up copy of a bitmap that the run scanner can read.
class PixelCopy {
public:
    PixelCopy(HDC memory, HBITMAP source, SIZE size) : size_(size) {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = size.cx;
        info.bmiHeader.biHeight = size.cy;  // positive: bottom-up rows
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        section_.reset(CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits_, nullptr, 0));
        if (!section_) return;
        GdiFlush();
        {
            PictureDc sourceDc(memory, source);
            SelectedObject selected(memory, section_.get());
            BitBlt(memory, 0, 0, size.cx, size.cy, sourceDc.get(), 0, 0, SRCCOPY);
        }
        GdiFlush();
    }

    bool Valid() const { return section_ && bits_; }
    // Rows are stored bottom-up, each 4-byte aligned (always so at 32 bits).
    ptrdiff_t Stride() const { return -static_cast<ptrdiff_t>((size_.cx * 32 + 31) / 32 * 4); }
    const uint8_t* TopRow() const {
        return static_cast<const uint8_t*>(bits_) - Stride() * (size_.cy - 1);
    }

private:
    SIZE size_;
    UniqueBitmap section_;
    void* bits_ = nullptr;
};

}  // namespace

HRGN MaskToRegion(HBITMAP bitmap, COLORREF transparent, COLORREF tolerance) {
    if (!bitmap) return nullptr;
    const SIZE size = BitmapSize(bitmap);
    if (size.cx <= 0 || size.cy <= 0) return nullptr;
    const UniqueMemoryDc memory(CreateCompatibleDC(nullptr));
    if (!memory) return nullptr;
    const PixelCopy pixels(memory.get(), bitmap, size);
    if (!pixels.Valid()) return nullptr;

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
    ScanMaskRuns(pixels.TopRow(), size.cx, size.cy, pixels.Stride(), TransparentRange(transparent, tolerance), runs);
    runs.Finish();
    // A partial outline would cut away parts of the window: better none.
    return failed ? nullptr : result.release();
}

HBITMAP LoadMaskBitmap(const std::string& path) {
    if (path.empty()) return nullptr;
    return static_cast<HBITMAP>(
        LoadImageA(nullptr, path.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE | LR_CREATEDIBSECTION));
}

bool GiveWindowRegion(HWND window, UniqueRegion region) {
    if (!region || !SetWindowRgn(window, region.get(), TRUE)) return false;
    region.release();  // the window owns it now
    return true;
}

bool ApplyMaskOutline(HWND window, HBITMAP mask) { return GiveWindowRegion(window, UniqueRegion(MaskToRegion(mask))); }
