#include "lan/language_win.h"

namespace {

constexpr int kTextBufferSize = 260;

}  // namespace

LanguageLibrary::LanguageLibrary(const std::string& programFolder) {
    std::string path = programFolder;
    if (!path.empty() && path.back() != '\\' && path.back() != '/') path += '\\';
    path += "lan.dll";
    module_ = LoadLibraryA(path.c_str());
}

LanguageLibrary::~LanguageLibrary() {
    if (module_) FreeLibrary(module_);
}

std::string LanguageLibrary::Text(int id) const {
    if (!module_) return {};
    char buffer[kTextBufferSize] = {};
    const int length = LoadStringA(module_, static_cast<UINT>(id), buffer, kTextBufferSize);
    return length > 0 ? std::string(buffer, static_cast<std::size_t>(length)) : std::string();
}
