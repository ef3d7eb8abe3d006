// The macro library: named groups of macros, kept in config\sequence.dat,
// and the rule that keeps the macro copies held by buttons in step with it.
#pragma once

#include <string>

#include "macro/macro_record.h"
#include "profile/file_lock.h"
#include "profile/library_file.h"
#include "profile/profile_record.h"

using MacroFolder = LibraryFolder<Macro>;
using MacroStore = LibraryStore<Macro>;

inline constexpr LibraryFormat kMacroFormat{"SetMacro", "MacroFloder", "Macros", "MacroFloder1"};

// config\sequence.dat in the program folder.
std::string MacroStorePath(std::string_view programFolder);

// Replaces the store with the file's groups (all collapsed); a missing file
// gives an empty store. Unreadable macros are skipped.
void LoadMacroStore(MacroStore& store, const std::string& path, FileLock& lock);
// Rewrites the file in one atomic replacement; false when it could not be
// written, and the previous file is then intact.
bool SaveMacroStore(const MacroStore& store, const std::string& path, FileLock& lock);

// The group or macro at these positions, or nullptr.
const MacroFolder* GroupAt(const MacroStore& store, int32_t group);
MacroFolder* GroupAt(MacroStore& store, int32_t group);
const Macro* MacroAt(const MacroStore& store, int32_t group, int32_t macro);
Macro* MacroAt(MacroStore& store, int32_t group, int32_t macro);

// Trimmed, case-insensitive name tests; MacroNameExists is false for a
// group that does not exist.
bool GroupNameExists(const MacroStore& store, std::string_view name);
bool MacroNameExists(const MacroStore& store, int32_t group, std::string_view name);

// The positions of the macro a button names by group and macro name; -1
// where not found. Only the first group of that name is searched.
LibraryPosition FindAssignedMacro(const MacroStore& store, const ButtonFunction& button);

// Copies a macro into a button: events, event count, name and repeat count.
void CopyMacroToButton(const Macro& macro, ButtonFunction& button);

// For every macro button (function 16 with a name) of the five profiles:
// a fresh copy of its macro, or, when the macro is gone, the entry's
// default function.
void ResyncAssignedMacros(const MacroStore& store, Profile (&profiles)[kProfileCount]);
