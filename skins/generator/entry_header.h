// The C++ header through which the programs and their tests name the
// "BUTTONPOS" entries of every window: one namespace per skin_*.ini, one
// constant per control, from each control's name= option.
#pragma once

#include <string>
#include <vector>

#include "layout.h"

// Problems with the entry names of a layout: a control without a name, a
// name that is not lower_case_words (optionally with an index "[n]"), a
// name used twice, or an indexed run with gaps.
std::vector<std::string> CheckEntryNames(const WindowLayout& layout);

// The header text: "name" becomes kName, "name[i]" becomes element i of the
// array kName; each window also gets kIniFile.
std::string WriteEntryHeader(const std::vector<WindowLayout>& windows);
