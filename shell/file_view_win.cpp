#include "shell/file_view_win.h"

FileView::FileView(const std::string& path) {
    const UniqueFile file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                      FILE_ATTRIBUTE_NORMAL, nullptr));
    LARGE_INTEGER size{};
    if (!file || !GetFileSizeEx(file.get(), &size) || size.QuadPart <= 0 || size.QuadPart >= (256 << 20)) return;
    // The view keeps the file mapped after both handles are closed.
    const UniqueKernelHandle mapping(CreateFileMappingA(file.get(), nullptr, PAGE_READONLY, 0, 0, nullptr));
    if (mapping) view_.reset(MapViewOfFile(mapping.get(), FILE_MAP_READ, 0, 0, 0));
    if (view_) size_ = static_cast<size_t>(size.QuadPart);
}
