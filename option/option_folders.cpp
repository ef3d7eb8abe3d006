#include "option/option_folders.h"

#include "profile/program_folder.h"

OptionFolders OptionFoldersFromModulePath(std::string_view modulePath) {
    OptionFolders folders;
    folders.program = ProgramFolderFromModulePath(modulePath);
    folders.skins = PathInFolder(folders.program, "skins\\");
    return folders;
}
