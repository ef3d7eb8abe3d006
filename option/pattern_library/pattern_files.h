// The exchange files the pattern dialogs offer in the platform's file
// dialogs: filter, proposed name (beside the libraries) and extension.
#pragma once

#include <string>

#include "gun/gun_edits.h"

struct PatternFileKind {
    const char* filter;       // "Name(*.ext)|*.EXT|"
    const char* proposed;     // after the program folder
    const char* extension;    // appended to a name typed without one
};

enum class PatternFile { Folder, Entry, LockedEntry };

PatternFileKind PatternFileKindOf(PatternLibrary library, PatternFile file);

// The name the file dialog opens with.
inline std::string ProposedPatternFile(const std::string& programFolder, const PatternFileKind& kind) {
    return programFolder + kind.proposed;
}
