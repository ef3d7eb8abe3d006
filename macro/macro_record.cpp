#include "macro/macro_record.h"

#include "profile/fixed_text.h"

std::string_view LibraryEntry<Macro>::Name(const Macro& macro) { return FixedText(macro.Name); }

void LibraryEntry<Macro>::SetName(Macro& macro, std::string_view name) {
    SetFixedText(macro.Name, FitName(name, kNameLimit));
}
