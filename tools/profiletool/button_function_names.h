// Short readable names of button function codes, for dumps.
#pragma once

#include <string>

#include "profile/profile_record.h"

// "1 primary click", "100 fire pattern 'M4'", "16 macro 'Reload' (12 events)".
std::string DescribeButtonFunction(const ButtonFunction& entry);
