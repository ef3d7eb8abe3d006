// What the main window keeps on disk and in the user's settings: the
// profile files and config.ini, and the current profile's Windows pointer
// and wheel settings.
#pragma once

#include <cstdint>

#include "profile/profile_files.h"
#include "profile/shared_block.h"

class ProfileSetStorage {
public:
    virtual ~ProfileSetStorage() = default;
    // The five profiles, current number and mouse type; false when the
    // files could not be read as a set.
    virtual bool LoadProfiles(SharedBlock& set) = 0;
    // Returns false when a file could not be written.
    virtual bool SaveProfiles(const SharedBlock& set) = 0;
    virtual void WriteMouseSettings(const Profile& profile) = 0;
    // "Device" of config.ini: 1 while Monitor has the mouse, 0 otherwise.
    virtual int32_t DeviceFlag() = 0;
};

// The files of the program folder, through the shared profile file code.
class ProgramFolderStorage final : public ProfileSetStorage {
public:
    explicit ProgramFolderStorage(const ProfileStorage& storage) : storage_(storage) {}

    bool LoadProfiles(SharedBlock& set) override;
    bool SaveProfiles(const SharedBlock& set) override;
    void WriteMouseSettings(const Profile& profile) override;
    int32_t DeviceFlag() override;

private:
    ProfileStorage storage_;
};
