#include "shell/picture_decode_win.h"

#include <ole2.h>
#include <olectl.h>

#include "shell/bmp_layout.h"
#include "shell/pixel_section_win.h"

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
    uint32_t* pixels = nullptr;
    HBITMAP section = CreatePixelSection(layout->width, layout->height, pixels);
    if (section) CopyBmpArea32(file, *layout, {0, 0, layout->width, layout->height}, pixels);
    return section;
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
    return CopyToPixelSection(reinterpret_cast<HBITMAP>(static_cast<UINT_PTR>(handle)));
}
