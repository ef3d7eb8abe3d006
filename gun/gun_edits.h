// The rules both pattern dialogs apply when they change a library: which
// folders and entries may be deleted, and how edited values are bounded and
// when a locked entry keeps its value.
#pragma once

#include <cstdint>

#include "gun/gun_store.h"

enum class PatternLibrary {
    Gun,       // gun 0 of folder 0 is protected
    Advanced,  // folder 0 and its patterns 0 and 1 are protected
};

bool CanDeleteFolder(const GunStore& store, PatternLibrary library, int32_t folder);
bool CanDeleteEntry(const GunStore& store, PatternLibrary library, int32_t folder, int32_t entry);
// False, and nothing deleted, when the folder or entry is missing or protected.
bool DeleteFolder(GunStore& store, PatternLibrary library, int32_t folder);
bool DeleteEntry(GunStore& store, PatternLibrary library, int32_t folder, int32_t entry);

// The value of the entry's selected mode, bounded to 0..100; stored only when
// the entry is not locked and its mode is one of its three. Returns the
// bounded value, which the field shows.
int32_t SetModeValue(Gun& entry, int32_t value);
// The repeat count, bounded to 1..255; stored only when the entry is not
// locked. Returns the bounded value.
int32_t SetRepeatCount(Gun& entry, int32_t value);
// Steps in use, 1..8. Steps beyond the count keep their values.
void SetStepCount(Gun& entry, int32_t count);

// The copy a locked export writes: the receiver cannot edit its steps.
Gun LockedCopy(const Gun& entry);
