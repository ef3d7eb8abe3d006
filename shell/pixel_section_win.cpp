#include "shell/pixel_section_win.h"

#include "shell/owned_handles_win.h"
#include "shell/skin_picture_win.h"

namespace {

BITMAPINFO TopDown32(int width, int height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    return info;
}

// Copies `bitmap` (height rows) into `pixels` as top-down 32-bit rows.
bool GetPixels(HBITMAP bitmap, int width, int height, uint32_t* pixels) {
    BITMAPINFO info = TopDown32(width, height);
    const WindowDc screen(nullptr);
    return GetDIBits(screen.get(), bitmap, 0, height, pixels, &info, DIB_RGB_COLORS) == height;
}

}  // namespace

HBITMAP CreatePixelSection(int width, int height, uint32_t*& pixels) {
    pixels = nullptr;
    if (width <= 0 || height <= 0) return nullptr;
    const BITMAPINFO info = TopDown32(width, height);
    void* bits = nullptr;
    HBITMAP section = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (section) pixels = static_cast<uint32_t*>(bits);
    return section;
}

HBITMAP CopyToPixelSection(HBITMAP bitmap) {
    const SIZE size = BitmapSize(bitmap);
    uint32_t* pixels = nullptr;
    UniqueBitmap copy(CreatePixelSection(size.cx, size.cy, pixels));
    if (!copy || !GetPixels(bitmap, size.cx, size.cy, pixels)) return nullptr;
    return copy.release();
}

std::vector<uint32_t> ReadPixels(HBITMAP bitmap, SIZE& size) {
    size = BitmapSize(bitmap);
    std::vector<uint32_t> pixels(static_cast<size_t>(size.cx) * static_cast<size_t>(size.cy));
    if (pixels.empty() || !GetPixels(bitmap, size.cx, size.cy, pixels.data())) {
        size = {0, 0};
        return {};
    }
    return pixels;
}
