#include "shell/picture_decode_win.h"

#include <ole2.h>
#include <olectl.h>

#include "shell/bmp_layout.h"

namespace {

template <typename Function>
Function* Find(const UniqueModule& module, const char* name) {
    return module ? reinterpret_cast<Function*>(reinterpret_cast<void*>(GetProcAddress(module.get(), name))) : nullptr;
}

// The general decoder's libraries, loaded at the first picture that needs
// them rather than with the program: every skin picture is a plain bitmap,
// and loading them is a noticeable part of the start under Wine.
struct PictureLoader {
    UniqueModule ole32{LoadLibraryA("ole32.dll")};
    UniqueModule oleaut32{LoadLibraryA("oleaut32.dll")};
    decltype(&CreateStreamOnHGlobal) createStream = Find<decltype(CreateStreamOnHGlobal)>(ole32, "CreateStreamOnHGlobal");
    decltype(&OleLoadPicture) loadPicture = Find<decltype(OleLoadPicture)>(oleaut32, "OleLoadPicture");
};

}  // namespace

HBITMAP DecodePlainBitmapFile(std::span<const uint8_t> file) {
    const auto layout = ParsePlainBmp(file);
    if (!layout) return nullptr;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = layout->width;
    info.bmiHeader.biHeight = layout->topDown ? -layout->height : layout->height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = layout->bitCount;
    info.bmiHeader.biCompression = BI_RGB;
    // What the general decoder makes of such a file: a bitmap compatible
    // with the screen, filled from the rows.
    const WindowDc screen(nullptr);
    return CreateDIBitmap(screen.get(), &info.bmiHeader, CBM_INIT, file.data() + layout->pixelOffset, &info,
                          DIB_RGB_COLORS);
}

HBITMAP DecodeWithPictureLoader(UniqueGlobal block) {
    static const PictureLoader loader;
    if (!loader.createStream || !loader.loadPicture) return nullptr;
    ComPtr<IStream> stream;
    if (FAILED(loader.createStream(block.get(), TRUE, stream.Put()))) return nullptr;
    block.release();  // the stream frees it now
    ComPtr<IPicture> picture;
    if (FAILED(loader.loadPicture(stream.get(), 0, FALSE, IID_IPicture, picture.PutVoid()))) return nullptr;
    SHORT type = PICTYPE_NONE;
    OLE_HANDLE handle = 0;
    if (FAILED(picture->get_Type(&type)) || type != PICTYPE_BITMAP || FAILED(picture->get_Handle(&handle)) || !handle)
        return nullptr;
    // The decoder's bitmap dies with the picture object, so it is copied.
    return static_cast<HBITMAP>(
        CopyImage(reinterpret_cast<HANDLE>(static_cast<UINT_PTR>(handle)), IMAGE_BITMAP, 0, 0, 0));
}
