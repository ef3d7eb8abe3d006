#include "gun/gun_record.h"

#include <cstring>

#include "profile/fixed_text.h"

std::string_view LibraryEntry<Gun>::Name(const Gun& gun) { return FixedText(gun.Name); }

void LibraryEntry<Gun>::SetName(Gun& gun, std::string_view name) { SetFixedText(gun.Name, FitName(name, kNameLimit)); }

AdvanceGun NewAdvanceGun(std::string_view name) {
    AdvanceGun entry;
    std::memset(&entry, 0, sizeof entry);
    LibraryEntry<Gun>::SetName(entry, name);
    entry.RepeatCount = 1;
    entry.StepCount = 1;
    entry.Color = 0x0000FF;
    return entry;
}

Gun NewGun(std::string_view name) {
    Gun gun = NewAdvanceGun(name);
    for (int32_t& value : gun.ModeValues) value = 1;
    gun.Aux = 1;
    return gun;
}
