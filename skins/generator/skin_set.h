// Builds the whole skin set: every window's skin_*.ini with its five
// pictures, the button masks, the slider thumbs, and the pictures the
// programs embed as resources.
#pragma once

#include <string>
#include <vector>

#include "layout.h"

struct SkinSources {
  std::vector<MaskSpec> masks;
  std::vector<WindowLayout> windows;
};

// Reads masks.layout and every other *.layout of `dir` (in name order).
// Throws LayoutError on a syntax error.
SkinSources ReadSkinSources(const std::string& dir);

// Every layout problem of the set, including unknown control kinds.
std::vector<std::string> CheckSkinSources(const SkinSources& sources);

// Writes the skins folder content to `skinsDir` and the resource
// pictures to `resourceDir`.
// Throws std::runtime_error when a file cannot be written.
void WriteSkinSet(const SkinSources& sources, const std::string& skinsDir, const std::string& resourceDir);

// Writes the header of named entries (entry_header.h) to `path`, leaving an
// unchanged file untouched so that the code including it is not rebuilt.
void WriteEntryHeaderFile(const SkinSources& sources, const std::string& path);
