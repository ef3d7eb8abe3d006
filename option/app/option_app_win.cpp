// Option.exe: one instance at a time; its whole life is one modal run of
// the main window.
#include <windows.h>

#include "lan/language_win.h"
#include "option/app/option_pages_win.h"
#include "option/main_window/main_window_win.h"
#include "profile/messages.h"
#include "shell/bitmap_edit_win.h"
#include "shell/menu_frame_win.h"
#include "profile/file_lock_win.h"
#include "shell/owned_handles_win.h"

namespace {

std::string RunningProgramPath() {
    char path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    return length && length < MAX_PATH ? std::string(path, length) : std::string();
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    UniqueKernelHandle instance(CreateMutexA(nullptr, FALSE, names::kOptionInstanceMutex));
    // A second start ends silently; Monitor raises the running copy instead.
    if (instance && GetLastError() == ERROR_ALREADY_EXISTS) return 0;

    const OptionFolders folders = OptionFoldersFromModulePath(RunningProgramPath());
    InstallMenuFrames();
    RegisterBitmapEditMessages();
    {
        const LanguageLibrary texts(folders.program);
        NamedMutexFileLock filesLock;
        LibraryStores libraries(folders.program, filesLock);
        MainWindow main(folders, texts, libraries, MakeOptionPage);
        main.RunModal(nullptr);
    }
    RemoveMenuFrames();
    return 0;
}
