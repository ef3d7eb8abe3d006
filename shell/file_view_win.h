// A whole file seen read-only in memory. Mapping a picture file costs less
// under Wine than reading it into a fresh buffer: the pages come straight
// from the file cache.
#pragma once

#include <windows.h>

#include <cstdint>
#include <span>
#include <string>

#include "shell/owned_handles_win.h"

class FileView {
public:
    // Maps the file at `path`; an empty view when it is missing, empty,
    // 256 MB or larger (no skin picture is), or cannot be mapped.
    explicit FileView(const std::string& path);

    std::span<const uint8_t> Bytes() const { return {static_cast<const uint8_t*>(view_.get()), size_}; }
    explicit operator bool() const { return size_ != 0; }

private:
    UniqueView view_;
    size_t size_ = 0;
};
