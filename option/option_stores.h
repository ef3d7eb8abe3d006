// The macro library and the two fire-pattern libraries as the main window
// and the dialogs reach them (LibraryStores); tests give their own.
#pragma once

#include <string_view>

// The names in one library: groups (folders) and the items of a group.
// How names compare (case, blanks) is the library's own rule.
class NamedStore {
public:
    virtual ~NamedStore() = default;
    virtual bool GroupExists(std::string_view name) const = 0;
    // False for a group number the library does not have.
    virtual bool ItemExists(int group, std::string_view name) const = 0;
};

class OptionStores {
public:
    virtual ~OptionStores() = default;
    // Reads the three libraries from the config folder (main window start-up).
    virtual void Load() = 0;
    // Writes the macro library (after each apply and when the main window ends).
    virtual void SaveMacros() = 0;
    // Releases all three libraries (the main window's last step).
    virtual void Free() = 0;

    virtual const NamedStore& Macros() const = 0;
    virtual const NamedStore& Guns() const = 0;
    virtual const NamedStore& AdvancedGuns() const = 0;
};

// A library without names, for windows and tests that need none.
class NoNames final : public NamedStore {
public:
    bool GroupExists(std::string_view) const override { return false; }
    bool ItemExists(int, std::string_view) const override { return false; }
};
