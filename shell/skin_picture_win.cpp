#include "shell/skin_picture_win.h"

#include "shell/picture_decode_win.h"

namespace {

// Reads the whole file into a movable global block, as the general picture
// decoder wants a stream over memory; `bytes` is the file's size. Empty on
// any failure.
UniqueGlobal ReadFileToGlobal(const std::string& path, DWORD& bytes) {
    UniqueFile file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    LARGE_INTEGER size{};
    // Skin pictures are small; anything beyond 256 MB is not a picture we draw.
    if (!file || !GetFileSizeEx(file.get(), &size) || size.QuadPart <= 0 || size.QuadPart >= (256 << 20)) return {};
    bytes = static_cast<DWORD>(size.QuadPart);
    UniqueGlobal block(GlobalAlloc(GMEM_MOVEABLE, bytes));
    if (!block) return {};
    void* data = GlobalLock(block.get());
    DWORD read = 0;
    const bool ok = data && ReadFile(file.get(), data, bytes, &read, nullptr) && read == bytes;
    GlobalUnlock(block.get());
    return ok ? std::move(block) : UniqueGlobal();
}

}  // namespace

SIZE BitmapSize(HBITMAP bitmap) {
    BITMAP info{};
    if (!bitmap || !GetObject(bitmap, sizeof info, &info)) return {0, 0};
    return {info.bmWidth, info.bmHeight < 0 ? -info.bmHeight : info.bmHeight};
}

bool LoadSkinPicture(const std::string& path, UniqueBitmap& bitmap, SIZE& size) {
    bitmap.reset();
    size = {0, 0};
    DWORD bytes = 0;
    UniqueGlobal block = ReadFileToGlobal(path, bytes);
    if (!block) return false;
    {
        const auto* data = static_cast<const uint8_t*>(GlobalLock(block.get()));
        if (data) bitmap.reset(DecodePlainBitmapFile({data, bytes}));
        GlobalUnlock(block.get());
    }
    if (!bitmap) bitmap.reset(DecodeWithPictureLoader(std::move(block)));
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
