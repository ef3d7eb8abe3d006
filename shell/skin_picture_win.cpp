#include "shell/skin_picture_win.h"

#include <ole2.h>
#include <olectl.h>

namespace {

// Reads the whole file into a movable global block, as the picture decoder
// wants a stream over memory. Empty on any failure.
UniqueGlobal ReadFileToGlobal(const std::string& path) {
    UniqueFile file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    LARGE_INTEGER size{};
    // Skin pictures are small; anything beyond 256 MB is not a picture we draw.
    if (!file || !GetFileSizeEx(file.get(), &size) || size.QuadPart <= 0 || size.QuadPart >= (256 << 20)) return {};
    const DWORD bytes = static_cast<DWORD>(size.QuadPart);
    UniqueGlobal block(GlobalAlloc(GMEM_MOVEABLE, bytes));
    if (!block) return {};
    void* data = GlobalLock(block.get());
    DWORD read = 0;
    const bool ok = data && ReadFile(file.get(), data, bytes, &read, nullptr) && read == bytes;
    GlobalUnlock(block.get());
    return ok ? std::move(block) : UniqueGlobal();
}

// Decodes a picture from memory into a bitmap of our own. The decoder's
// bitmap dies with the picture object, so it is copied.
HBITMAP DecodePicture(UniqueGlobal block) {
    ComPtr<IStream> stream;
    if (FAILED(CreateStreamOnHGlobal(block.get(), TRUE, stream.Put()))) return nullptr;
    block.release();  // the stream frees it now
    ComPtr<IPicture> picture;
    if (FAILED(OleLoadPicture(stream.get(), 0, FALSE, IID_IPicture, picture.PutVoid()))) return nullptr;
    SHORT type = PICTYPE_NONE;
    OLE_HANDLE handle = 0;
    if (FAILED(picture->get_Type(&type)) || type != PICTYPE_BITMAP || FAILED(picture->get_Handle(&handle)) || !handle)
        return nullptr;
    return static_cast<HBITMAP>(
        CopyImage(reinterpret_cast<HANDLE>(static_cast<UINT_PTR>(handle)), IMAGE_BITMAP, 0, 0, 0));
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
    UniqueGlobal block = ReadFileToGlobal(path);
    if (!block) return false;
    bitmap.reset(DecodePicture(std::move(block)));
    size = BitmapSize(bitmap.get());
    return static_cast<bool>(bitmap);
}

void CropSkinImage(HDC reference, UniqueBitmap& target, HBITMAP sheet, int left, int top, int right, int bottom) {
    if (!sheet) return;
    const int width = right - left;
    const int height = bottom - top;
    target.reset(CreateCompatibleBitmap(reference, width, height));
    if (!target) return;
    PictureDc from(reference, sheet);
    PictureDc to(reference, target.get());
    StretchBlt(to.get(), 0, 0, width, height, from.get(), left, top, width, height, SRCCOPY);
}
