#include "shell/skin_picture_win.h"

#include <cstring>

#include "shell/file_view_win.h"
#include "shell/picture_decode_win.h"

namespace {

// A movable global block holding `bytes`, as the general picture decoder
// wants a stream over memory; empty when it cannot be made.
UniqueGlobal GlobalCopy(std::span<const uint8_t> bytes) {
    UniqueGlobal block(GlobalAlloc(GMEM_MOVEABLE, bytes.size()));
    void* data = block ? GlobalLock(block.get()) : nullptr;
    if (!data) return {};
    std::memcpy(data, bytes.data(), bytes.size());
    GlobalUnlock(block.get());
    return block;
}

}  // namespace

SIZE BitmapSize(HBITMAP bitmap) {
    BITMAP info{};
    if (!bitmap || !GetObject(bitmap, sizeof info, &info)) return {0, 0};
    return {info.bmWidth, info.bmHeight < 0 ? -info.bmHeight : info.bmHeight};
}

HBITMAP DecodeSkinPicture(std::span<const uint8_t> file) {
    if (HBITMAP plain = DecodePlainBitmapFile(file)) return plain;
    UniqueGlobal block = GlobalCopy(file);
    return block ? DecodeWithPictureLoader(std::move(block)) : nullptr;
}

bool LoadSkinPicture(const std::string& path, UniqueBitmap& bitmap, SIZE& size) {
    const FileView file(path);
    bitmap.reset(file ? DecodeSkinPicture(file.Bytes()) : nullptr);
    size = BitmapSize(bitmap.get());
    return static_cast<bool>(bitmap);
}

void CropSkinImage(UniqueBitmap& target, HBITMAP sheet, int left, int top, int right, int bottom) {
    if (!sheet) return;
    const int width = right - left;
    const int height = bottom - top;
    // The piece takes the sheet's format from the DC the sheet is selected
    // into; no window's DC is needed, whose making costs more under Wine
    // than the whole cut.
    PictureDc from(nullptr, sheet);
    target.reset(CreateCompatibleBitmap(from.get(), width, height));
    if (!target) return;
    PictureDc to(nullptr, target.get());
    StretchBlt(to.get(), 0, 0, width, height, from.get(), left, top, width, height, SRCCOPY);
}
