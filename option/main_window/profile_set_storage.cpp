#include "option/main_window/profile_set_storage.h"

#include "profile/config_file.h"
#include "profile/program_folder.h"

bool ProgramFolderStorage::LoadProfiles(SharedBlock& set) { return LoadAllProfiles(set, storage_) == 1; }

bool ProgramFolderStorage::SaveProfiles(const SharedBlock& set) { return SaveAllProfiles(set, storage_) == 1; }

void ProgramFolderStorage::WriteMouseSettings(const Profile& profile) { storage_.mouse.Write(profile); }

int32_t ProgramFolderStorage::DeviceFlag() {
    return ReadDeviceFlag(ConfigIniPath(storage_.programFolder), storage_.lock);
}
