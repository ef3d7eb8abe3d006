// A profile as readable text: every field by its key name, and the button
// entries decoded by function.
#pragma once

#include <string>

#include "profile/profile_record.h"

std::string DumpProfile(const Profile& profile);
