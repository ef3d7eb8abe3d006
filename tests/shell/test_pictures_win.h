// Pictures made at run time for the skin tests: bitmaps drawn from a colour
// function, and the same written as 24-bit BMP files.
#pragma once

#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

using PixelColour = std::function<COLORREF(int x, int y)>;

// A 32-bit top-down section holding the picture.
inline HBITMAP MakeBitmap(int width, int height, const PixelColour& colour) {
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    auto* pixels = static_cast<uint32_t*>(bits);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const COLORREF c = colour(x, y);
            pixels[y * width + x] = (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c);
        }
    return bitmap;
}

inline HBITMAP SolidBitmap(int width, int height, COLORREF colour) {
    return MakeBitmap(width, height, [=](int, int) { return colour; });
}

// Writes a bottom-up 24-bit BMP file, rows padded to 4 bytes.
inline bool WriteBmp(const std::string& path, int width, int height, const PixelColour& colour) {
    const int stride = (width * 3 + 3) & ~3;
    BITMAPFILEHEADER file{};
    BITMAPINFOHEADER header{sizeof header, width, height, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof file + sizeof header;
    file.bfSize = file.bfOffBits + stride * height;
    std::vector<uint8_t> rows(size_t(stride) * height, 0);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const COLORREF c = colour(x, y);
            uint8_t* p = &rows[size_t(height - 1 - y) * stride + x * 3];
            p[0] = GetBValue(c), p[1] = GetGValue(c), p[2] = GetRValue(c);
        }
    FILE* out = std::fopen(path.c_str(), "wb");
    if (!out) return false;
    std::fwrite(&file, sizeof file, 1, out);
    std::fwrite(&header, sizeof header, 1, out);
    std::fwrite(rows.data(), 1, rows.size(), out);
    return std::fclose(out) == 0;
}

inline std::string TempPath(const std::string& name) {
    char folder[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, folder);
    return std::string(folder) + name;
}
