#include "shell/skin_picture_win.h"

#include <ole2.h>
#include <olectl.h>

namespace {

// Reads the whole file into a movable global block, as the picture decoder
// wants a stream over memory. Returns nullptr on any failure.
HGLOBAL ReadFileToGlobal(const std::string& path) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return nullptr;
    HGLOBAL block = nullptr;
    LARGE_INTEGER size{};
    // Skin pictures are small; anything beyond 256 MB is not a picture we draw.
    if (GetFileSizeEx(file, &size) && size.QuadPart > 0 && size.QuadPart < (256 << 20)) {
        const DWORD bytes = static_cast<DWORD>(size.QuadPart);
        block = GlobalAlloc(GMEM_MOVEABLE, bytes);
        if (block) {
            void* data = GlobalLock(block);
            DWORD read = 0;
            const bool ok = data && ReadFile(file, data, bytes, &read, nullptr) && read == bytes;
            GlobalUnlock(block);
            if (!ok) {
                GlobalFree(block);
                block = nullptr;
            }
        }
    }
    CloseHandle(file);
    return block;
}

// Decodes a picture from memory and returns a bitmap the caller owns. The
// decoder's own bitmap dies with the picture object, so it is copied.
HBITMAP DecodePicture(HGLOBAL block) {
    IStream* stream = nullptr;
    if (FAILED(CreateStreamOnHGlobal(block, TRUE, &stream))) {
        GlobalFree(block);
        return nullptr;
    }
    IPicture* picture = nullptr;
    HBITMAP result = nullptr;
    if (SUCCEEDED(OleLoadPicture(stream, 0, FALSE, IID_IPicture, reinterpret_cast<void**>(&picture)))) {
        SHORT type = PICTYPE_NONE;
        OLE_HANDLE handle = 0;
        if (SUCCEEDED(picture->get_Type(&type)) && type == PICTYPE_BITMAP &&
            SUCCEEDED(picture->get_Handle(&handle)) && handle) {
            result = static_cast<HBITMAP>(CopyImage(reinterpret_cast<HANDLE>(static_cast<UINT_PTR>(handle)),
                                                    IMAGE_BITMAP, 0, 0, 0));
        }
        picture->Release();
    }
    stream->Release();
    return result;
}

}  // namespace

SIZE BitmapSize(HBITMAP bitmap) {
    BITMAP info{};
    if (!bitmap || !GetObject(bitmap, sizeof info, &info)) return {0, 0};
    return {info.bmWidth, info.bmHeight < 0 ? -info.bmHeight : info.bmHeight};
}

bool LoadSkinPicture(const std::string& path, HBITMAP& bitmap, SIZE& size) {
    DeleteGdiObject(bitmap);
    size = {0, 0};
    HGLOBAL block = ReadFileToGlobal(path);
    if (!block) return false;
    bitmap = DecodePicture(block);  // the stream frees the block
    size = BitmapSize(bitmap);
    return bitmap != nullptr;
}

void CropSkinImage(HDC reference, HBITMAP& target, HBITMAP sheet, int left, int top, int right,
                   int bottom) {
    if (!sheet) return;
    DeleteGdiObject(target);
    const int width = right - left;
    const int height = bottom - top;
    target = CreateCompatibleBitmap(reference, width, height);
    if (!target) return;
    HDC from = CreateCompatibleDC(reference);
    HDC to = CreateCompatibleDC(reference);
    HGDIOBJ oldFrom = SelectObject(from, sheet);
    HGDIOBJ oldTo = SelectObject(to, target);
    StretchBlt(to, 0, 0, width, height, from, left, top, width, height, SRCCOPY);
    SelectObject(from, oldFrom);
    SelectObject(to, oldTo);
    DeleteDC(from);
    DeleteDC(to);
}
