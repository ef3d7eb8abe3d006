// The caption of a function button: what its entry does, in the words the
// user chose it by.
#pragma once

#include <string>

#include "keys/key_conversion.h"
#include "profile/profile_record.h"
#include "profile/text_source.h"

// Key combinations and repeated clicks name their key under the active
// layout (`map`); macros and patterns show their names; a program launch
// its file name; every other function of the menu its command's text.
std::string ButtonCaption(const ButtonFunction& entry, const TextSource& texts, MapVirtualKeyFunction map);
