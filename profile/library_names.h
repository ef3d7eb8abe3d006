// Names of the folders and entries of the macro and fire-pattern libraries:
// compared without regard to case after trimming blanks, cut to their
// fields, and made unique with a numbered suffix when an import clashes.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

// True when both names, trimmed, are equal ignoring ASCII case. The second
// byte of a double-byte character is compared as it is: in the programs'
// code page it may look like an ASCII letter without being one.
bool SameLibraryName(std::string_view a, std::string_view b);

// At most `limit` bytes of `name`, never ending inside a double-byte character.
std::string FitName(std::string_view name, std::size_t limit);

// `name` when `taken` says it is free; otherwise the first free "%s_%d" with
// the counter from 1, the base shortened so that the whole fits in `limit`.
std::string UniqueName(std::string_view name, std::size_t limit,
                       const std::function<bool(std::string_view)>& taken);
