// Finds the keys of a profile file that a load would not take from it.
#pragma once

#include <string>
#include <vector>

#include "profile/ini_document.h"

// One line per problem: "<key>: missing" or "<key>: bad struct value (...)".
std::vector<std::string> CheckProfileFile(const IniDocument& file);
