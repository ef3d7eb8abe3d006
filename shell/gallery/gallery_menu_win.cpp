#include "gallery_menu_win.h"

#include "gallery_resources.h"
#include "shell/menu_frame_win.h"
#include "shell/skin_menu_layout.h"
#include "shell/skin_menu_win.h"

namespace {

constexpr UINT kCloseMenu = WM_APP + 1;
constexpr char kNSimSunGbk[] = "\xD0\xC2\xCB\xCE\xCC\xE5";

LRESULT CALLBACK OwnerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == kCloseMenu) {
        EndMenu();
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

HWND CreateOwner() {
    WNDCLASSA cls{};
    cls.lpfnWndProc = OwnerProc;
    cls.hInstance = GetModuleHandleA(nullptr);
    cls.lpszClassName = "SkinGalleryMenuOwner";
    RegisterClassA(&cls);
    return CreateWindowExA(WS_EX_TOOLWINDOW, cls.lpszClassName, "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                           cls.hInstance, nullptr);
}

struct Counter {
    int shown = 0;
};

BOOL CALLBACK CountMenu(HWND window, LPARAM counter) {
    char cls[16] = {};
    GetClassNameA(window, cls, sizeof cls);
    if (lstrcmpA(cls, "#32768") == 0 && IsWindowVisible(window)) ++reinterpret_cast<Counter*>(counter)->shown;
    return TRUE;
}

}  // namespace

GalleryMenu::~GalleryMenu() { Close(); }

bool GalleryMenu::Open(POINT at) {
    if (thread_) return false;
    at_ = at;
    ready_.reset(CreateEventA(nullptr, TRUE, FALSE, nullptr));
    thread_.reset(CreateThread(nullptr, 0, Run, this, 0, nullptr));
    if (!thread_) {
        ready_.reset();
        return false;
    }
    WaitForSingleObject(ready_.get(), 10000);
    return owner_ != nullptr;
}

bool GalleryMenu::Shown() const {
    Counter counter;
    EnumWindows(CountMenu, reinterpret_cast<LPARAM>(&counter));
    return counter.shown >= 2;
}

void GalleryMenu::Close() {
    if (!thread_) return;
    if (HWND owner = owner_) PostMessageA(owner, kCloseMenu, 0, 0);
    WaitForSingleObject(thread_.get(), 10000);
    thread_.reset();
    ready_.reset();
}

DWORD WINAPI GalleryMenu::Run(void* param) {
    auto* self = static_cast<GalleryMenu*>(param);
    InstallMenuFrames();
    HWND owner = CreateOwner();
    self->owner_ = owner;
    SetEvent(self->ready_.get());
    if (!owner) {
        RemoveMenuFrames();
        return 1;
    }
    HICON arrow = static_cast<HICON>(
        LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(GALLERY_SUBMENU_ARROW), IMAGE_ICON, 0, 0, 0));
    {
        SkinMenu menu;
        menu.SetFont(kNSimSunGbk, 14);
        menu.SetArrowIcon(arrow);
        menu.AppendItem("Left click", 1);
        menu.AppendItem("Right click", 2);
        menu.AppendItem("Middle click", 3);
        menu.AppendItem("", kSkinMenuSeparatorId);
        SkinMenu& media = menu.AppendSubmenu("Media");
        media.AppendItem("Play / Pause", 11);
        media.AppendItem("Next track", 12);
        media.AppendItem("Previous track", 13);
        media.AppendItem("Volume up", 14);
        media.SetWidth(112);
        menu.AppendItem("DPI cycle", 4);
        menu.AppendItem("", kSkinMenuSeparatorId);
        menu.AppendItem("Disable", 5);
        menu.SetWidth(137);

        // The keys a user would press: down to the submenu title, then
        // right to open it with its first item selected.
        for (int i = 0; i < 4; ++i) PostMessageA(owner, WM_KEYDOWN, VK_DOWN, 0);
        PostMessageA(owner, WM_KEYDOWN, VK_RIGHT, 0);
        menu.Track(owner, self->at_.x, self->at_.y);
    }
    self->owner_ = nullptr;
    DestroyWindow(owner);
    if (arrow) DestroyIcon(arrow);
    RemoveMenuFrames();
    return 0;
}
