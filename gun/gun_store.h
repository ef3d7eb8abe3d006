// The gun library (config\Gun.dat) and the advanced-pattern library
// (config\AdvanceGun.dat): folders of pattern entries in one file format,
// and the refresh of the pattern copies that buttons hold.
#pragma once

#include <string>

#include "gun/gun_record.h"
#include "profile/file_lock.h"
#include "profile/library_file.h"

using GunFolder = LibraryFolder<Gun>;
using GunStore = LibraryStore<Gun>;

inline constexpr LibraryFormat kGunFormat{"SetGun", "GunFloder", "Guns", "GunFloder1"};

std::string GunLibraryPath(std::string_view programFolder);          // config\Gun.dat
std::string AdvanceGunLibraryPath(std::string_view programFolder);   // config\AdvanceGun.dat

// Replaces the store with the file's folders (all collapsed); a missing file
// gives an empty store. Unreadable entries are skipped, long names cut.
void LoadGunStore(GunStore& store, const std::string& path, FileLock& lock);
// Rewrites the file in one atomic replacement; false when it could not be
// written, and the previous file is then intact.
bool SaveGunStore(const GunStore& store, const std::string& path, FileLock& lock);

const GunFolder* FindFolder(const GunStore& store, int32_t folder);
GunFolder* FindFolder(GunStore& store, int32_t folder);
const Gun* FindEntry(const GunStore& store, int32_t folder, int32_t entry);
Gun* FindEntry(GunStore& store, int32_t folder, int32_t entry);
bool FolderNameExists(const GunStore& store, std::string_view name);
bool EntryNameExists(const GunStore& store, int32_t folder, std::string_view name);

struct PatternMatch {
    bool found = false;  // the entry exists
    LibraryPosition position;
    bool same = false;  // the button's steps still equal the entry's
};

// Copies a pattern into a button: name, repeat count, steps, colour,
// auxiliary value and the value of the button's mode (ModeIndex).
void CopyPatternToButton(const Gun& entry, ButtonFunction& button);

// The entry a button's copy came from, by folder and entry name.
PatternMatch FindButtonPattern(const GunStore& store, const ButtonFunction& button);

// For every advanced-pattern button (function 105 with a name) of the second
// bank of the five profiles: a fresh copy of its pattern, or, when the
// pattern is gone, the entry's default function. Folder and entry indexes
// stay as they are.
void RefreshPatternButtons(Profile (&profiles)[kProfileCount], const GunStore& store);
