// Skin gallery: the main window and its advanced settings page built from
// the generated skin set, with every skinned control kind in every state
// and an open popup menu. A test tool, not shipped.
//
//   skin_gallery.exe SKINS_FOLDER                     shows the gallery until it is closed
//   skin_gallery.exe SKINS_FOLDER --screenshot F.bmp  saves what the screen shows under
//                                                     the gallery (menu included) and ends
#include <windows.h>

#include <ole2.h>

#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "gallery_menu_win.h"
#include "gallery_resources.h"
#include "gallery_screenshot_win.h"
#include "shell/bitmap_edit_win.h"
#include "shell/skin_bitmap_button_win.h"
#include "shell/skin_button_win.h"
#include "shell/skin_layout_win.h"
#include "shell/skin_list_box_win.h"
#include "shell/skin_picture_win.h"
#include "shell/skin_window_win.h"
#include "shell/slider_win.h"

namespace {

constexpr UINT_PTR kStatesTimer = 1;
constexpr COLORREF kLabelColour = RGB(170, 180, 200);
constexpr COLORREF kWellColour = RGB(12, 13, 16);

struct Label {
    RECT box;
    const char* text;
};

// A skinned window of the gallery: its background picture and the texts it
// paints on it itself.
struct Surface {
    SkinWindowPictures pictures;
    std::vector<Label> labels;
};

RECT Inset(RECT r, int left, int top, int right, int bottom) {
    return {r.left + left, r.top + top, r.right - right, r.bottom - bottom};
}

POINT Centre(const RECT& r) { return {(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }

class Gallery {
public:
    ~Gallery();
    bool Create(const std::string& skinsFolder);
    HWND Window() const { return main_; }
    bool MenuShown() const { return menu_.Shown(); }
    RECT Area() const;
    void Close();

private:
    static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    HWND CreateSurfaceWindow(Surface& surface, HWND parent);
    void BuildMain(const std::string& skinsFolder);
    void BuildPage(const std::string& skinsFolder, const RECT& area);
    void BuildColourSamples(const std::string& skinsFolder);
    void BuildLists(const SkinWindowBuilder& build);
    SkinButton& AddShaped(const SkinWindowBuilder& build, int entry, const char* mask, const char* caption);
    template <typename Button = SkinBitmapButton>
    Button& AddButton(HWND parent, const SkinWindowBuilder& build, int entry, const char* caption, int mode = 4);
    BitmapEdit& AddEdit(HWND parent, const RECT& rect, const char* text);
    void AddSlider(HWND parent, const SkinWindowBuilder& build, int entry, int minimum, int maximum, int value);
    void ForceStates();
    void DestroyControls();

    HWND main_ = nullptr;
    HWND page_ = nullptr;
    Surface mainSurface_, pageSurface_;
    HCURSOR hand_ = nullptr;
    GalleryMenu menu_;
    std::vector<std::unique_ptr<SkinButton>> shaped_;
    std::vector<std::unique_ptr<SkinBitmapButton>> buttons_;
    std::vector<std::unique_ptr<BitmapEdit>> edits_;
    std::vector<std::unique_ptr<SkinListBox>> lists_;
    std::vector<std::unique_ptr<SliderTrack>> sliders_;
    // Controls whose state is forced once everything is on screen.
    SkinButton* over_ = nullptr;
    SkinButton* down_ = nullptr;
    SkinBitmapButton* hover_ = nullptr;
    SkinBitmapButton* pressed_ = nullptr;
};

Gallery::~Gallery() { Close(); }

HWND Gallery::CreateSurfaceWindow(Surface& surface, HWND parent) {
    WNDCLASSA cls{};
    cls.lpfnWndProc = Proc;
    cls.hInstance = GetModuleHandleA(nullptr);
    cls.hCursor = LoadCursor(nullptr, IDC_ARROW);
    cls.hIcon = LoadIcon(cls.hInstance, MAKEINTRESOURCE(128));
    cls.lpszClassName = "SkinGallery";
    RegisterClassA(&cls);
    const DWORD style = parent ? WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN : WS_POPUP | WS_SYSMENU | WS_CLIPCHILDREN;
    HWND window = CreateWindowExA(0, cls.lpszClassName, "Skin gallery", style, 0, 0, 10, 10, parent, nullptr,
                                  cls.hInstance, nullptr);
    if (window) SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&surface));
    return window;
}

bool Gallery::Create(const std::string& skinsFolder) {
    hand_ = LoadCursorA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(GALLERY_HAND_CURSOR));
    main_ = CreateSurfaceWindow(mainSurface_, nullptr);
    if (!main_) return false;
    SetPropA(main_, "SkinGallery_object", this);
    BuildMain(skinsFolder);
    if (!ApplyWindowShape(main_, mainSurface_.pictures)) return false;
    ShowWindow(main_, SW_SHOW);
    SetForegroundWindow(main_);
    UpdateWindow(main_);
    SetTimer(main_, kStatesTimer, 300, nullptr);
    return true;
}

RECT Gallery::Area() const {
    RECT r;
    GetWindowRect(main_, &r);
    return r;
}

void Gallery::BuildMain(const std::string& skinsFolder) {
    SkinLayout layout(skinsFolder, "skin_main.ini");
    SkinWindowBuilder build(main_, layout, mainSurface_.pictures);
    AddShaped(build, 1, "basic_mask.bmp", "Basic").SetTextMode(5);
    AddShaped(build, 2, "advanced_mask.bmp", "Advanced").SetLatched(true);
    AddShaped(build, 11, "prifile1_mask.bmp", "Normal");
    over_ = &AddShaped(build, 12, "prifile2_mask.bmp", "Over");
    down_ = &AddShaped(build, 13, "prifile1_mask.bmp", "Down");
    AddShaped(build, 14, "prifile2_mask.bmp", "Disabled").Enable(false);
    AddShaped(build, 15, "prifile1_mask.bmp", "Latched").SetLatched(true);
    AddShaped(build, 16, "prifile2_mask.bmp", "");
    AddShaped(build, 3, "ok_mask.bmp", "OK");
    AddShaped(build, 5, "ok_mask.bmp", "Apply").Enable(false);
    AddShaped(build, 4, "cancel_mask.bmp", "Cancel");
    for (SkinButton* toggle : {shaped_[0].get(), shaped_[1].get(), shaped_[6].get()}) toggle->SetToggleMode(true);
    AddButton(main_, build, 6, "").SetTooltip("Minimise", true);
    AddButton(main_, build, 7, "").SetTooltip("Close", true);
    AddButton(main_, build, 17, "").SetTooltip("Export", true);
    mainSurface_.labels = {{{130, 14, 400, 40}, "Skinned controls in every state"},
                           {{404, 596, 612, 622}, "Colour samples (hand cursor)"}};
    BuildColourSamples(skinsFolder);
    BuildPage(skinsFolder, build.Rect(9));
}

// Colour samples cut from the advanced pattern dialog's swatch well.
void Gallery::BuildColourSamples(const std::string& skinsFolder) {
    SkinLayout layout(skinsFolder, "skin_gaoji_qiangxieku.ini");
    HBITMAP sheets[4] = {};
    const char* keys[4] = {"Normal", "Over", "Down", "Disable"};
    SIZE ignored{};
    for (int i = 0; i < 4; ++i) LoadSkinPicture(layout.ScreenPicture(keys[i]), sheets[i], ignored);
    const RECT well = layout.EntryRect(4);
    const COLORREF fills[] = {RGB(230, 40, 40), RGB(40, 200, 80), RGB(60, 120, 250), RGB(240, 200, 30)};
    for (int i = 0; i < 4; ++i) {
        auto sample = std::make_unique<SkinColourButton>();
        const int left = 212 + i * 48;
        sample->Create(main_, 200 + i, {left, 596, left + (well.right - well.left), 596 + (well.bottom - well.top)});
        sample->SetPictures(well, sheets[0], sheets[1], sheets[2], sheets[3]);
        sample->SetFillColour(fills[i]);
        sample->SetHandCursor(hand_);
        if (i == 3) sample->Enable(false);
        buttons_.push_back(std::move(sample));
    }
    for (HBITMAP& sheet : sheets) DeleteGdiObject(sheet);
}

void Gallery::BuildPage(const std::string& skinsFolder, const RECT& area) {
    page_ = CreateSurfaceWindow(pageSurface_, main_);
    SkinLayout layout(skinsFolder, "skin_advance_setting.ini");
    SkinWindowBuilder build(page_, layout, pageSurface_.pictures);
    MoveWindow(page_, area.left, area.top, area.right - area.left, area.bottom - area.top, TRUE);

    BuildLists(build);
    AddButton(page_, build, 10, "Push");
    pressed_ = &AddButton(page_, build, 11, "Pressed");
    AddButton(page_, build, 12, "Disabled").Enable(false);
    hover_ = &AddButton(page_, build, 15, "Record (over)", 7);
    AddButton(page_, build, 16, "Stop", 7).Enable(false);
    AddButton(page_, build, 9, "Restore defaults", 7);
    AddButton(page_, build, 23, "Selected push", 5).SetSelected(true);
    struct Option {
        int entry;
        const char* caption;
        int mode;
        bool on, enabled;
    };
    const Option options[] = {{19, "Toggle on", 6, true, true},
                              {2, "Toggle off", 6, false, true},
                              {20, "Toggle on, disabled", 6, true, false},
                              {5, "Toggle off, inset 30", 7, false, true}};
    for (const Option& o : options) {
        SkinBitmapButton& option = AddButton(page_, build, o.entry, o.caption, o.mode);
        option.SetToggleMode(true);
        option.SetSelected(o.on);
        option.Enable(o.enabled);
    }

    AddEdit(page_, Inset(build.Rect(17), 4, 4, 4, 4), "25").SetNumeric(true);
    for (auto [entry, text] : {std::pair{3, "-3"}, std::pair{6, "3"}}) {
        BitmapEdit& spin = AddEdit(page_, Inset(build.Rect(entry), 4, 4, 14, 4), text);
        spin.SetNumeric(true);
        spin.SetAllowSign(true);
    }

    AddSlider(page_, build, 1, -5, 5, -2);
    AddSlider(page_, build, 21, 0, 10, 7);
    AddSlider(page_, build, 22, 0, 10, 3);
    AddSlider(page_, build, 4, 1, 11, 3);
    AddSlider(page_, build, 7, 0, 10, 10);
    pageSurface_.labels = {{{510, 24, 892, 44}, "Pointer speed (slider, spin field with sign)"},
                           {{510, 108, 892, 128}, "Sensitivity"},
                           {{510, 134, 536, 154}, "X"},
                           {{510, 158, 536, 178}, "Y"},
                           {{510, 222, 892, 242}, "Wheel lines (1 - 11)"},
                           {{510, 308, 892, 328}, "Double-click speed (at its maximum)"}};
}

void Gallery::BuildLists(const SkinWindowBuilder& build) {
    struct Row {
        const char* text;
        uint32_t data;
    };
    const Row tree[] = {{"Shooters", 152},       {"  Burst of three", 146}, {"  Reload", 146},
                        {"  Crouch and fire", 146}, {"Strategy", 151},        {"Office", 151},
                        {"Timed clicks", 135}};
    const Row events[] = {{"A  down", 138},      {"Delay 50 ms", 135}, {"A  up", 137},
                          {"Left button down", 146}, {"Delay 120 ms", 135}, {"Left button up", 146},
                          {"Room for an icon, none drawn", 1}, {"No icon", 0}};
    const int selected[] = {2, 3};
    int index = 0;
    for (const auto& rows : {std::vector<Row>(std::begin(tree), std::end(tree)),
                             std::vector<Row>(std::begin(events), std::end(events))}) {
        const int entry = index == 0 ? 13 : 14;
        auto list = std::make_unique<SkinListBox>();
        list->Create(page_, entry, Inset(build.Rect(entry), 2, 2, 2, 2), WS_VISIBLE | WS_VSCROLL);
        list->SetColours(kWellColour, RGB(18, 72, 158));
        list->SetTextColours(RGB(220, 224, 232), RGB(255, 255, 255));
        for (const Row& row : rows) list->AddItem(row.text, row.data);
        SendMessageA(list->Handle(), LB_SETCURSEL, selected[index], 0);
        lists_.push_back(std::move(list));
        ++index;
    }
}

SkinButton& Gallery::AddShaped(const SkinWindowBuilder& build, int entry, const char* mask, const char* caption) {
    auto button = std::make_unique<SkinButton>();
    button->SetMaskPath(build.MaskPath(mask));
    button->Create(main_, entry, build.Rect(entry));
    build.CutPictures(*button, build.Rect(entry));
    button->SetCaption(caption);
    shaped_.push_back(std::move(button));
    return *shaped_.back();
}

template <typename Button>
Button& Gallery::AddButton(HWND parent, const SkinWindowBuilder& build, int entry, const char* caption, int mode) {
    auto button = std::make_unique<Button>();
    button->Create(parent, entry, build.Rect(entry));
    build.CutPictures(*button, build.Rect(entry));
    button->SetCaption(caption);
    button->SetTextMode(mode);
    Button& added = *button;
    buttons_.push_back(std::move(button));
    return added;
}

BitmapEdit& Gallery::AddEdit(HWND parent, const RECT& rect, const char* text) {
    auto edit = std::make_unique<BitmapEdit>();
    edit->Create(parent, 0, rect);
    edit->SetColours(RGB(230, 230, 230), kWellColour);
    SetWindowTextA(edit->Handle(), text);
    edits_.push_back(std::move(edit));
    return *edits_.back();
}

void Gallery::AddSlider(HWND parent, const SkinWindowBuilder& build, int entry, int minimum, int maximum,
                        int value) {
    const RECT r = build.Rect(entry);
    auto slider = std::make_unique<SliderTrack>();
    if (!slider->Create(build.MaskPath("scroll_arrow_down.bmp"), r.left, r.top, r.right, r.bottom, parent, entry))
        return;
    slider->SetBackground(r, build.Normal());
    slider->SetRange(minimum, maximum);
    slider->SetSnap(true);
    slider->SetValue(value);
    sliders_.push_back(std::move(slider));
}

// Puts the pointer on the button shown in hover, then causes the states a
// pointer would: hover, a press held down, and a pressed push button.
void Gallery::ForceStates() {
    RECT hover;
    GetWindowRect(hover_->Handle(), &hover);
    const POINT at = Centre(hover);
    SetCursorPos(at.x, at.y);
    SetFocus(lists_[0]->Handle());
    SendMessageA(over_->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(40, 15));
    SendMessageA(down_->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(40, 15));
    SendMessageA(pressed_->Handle(), BM_SETSTATE, TRUE, 0);
    SendMessageA(hover_->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(50, 14));
    // The menu and its submenu sit over the empty lower parts of the lists.
    RECT list;
    GetWindowRect(lists_[0]->Handle(), &list);
    menu_.Open({list.left + 60, list.top + 200});
}

void Gallery::DestroyControls() {
    shaped_.clear();
    buttons_.clear();
    edits_.clear();
    lists_.clear();
    sliders_.clear();
}

void Gallery::Close() {
    menu_.Close();
    if (main_) DestroyWindow(main_);
}

LRESULT CALLBACK Gallery::Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* surface = reinterpret_cast<Surface*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    auto* gallery = static_cast<Gallery*>(GetPropA(window, "SkinGallery_object"));
    switch (message) {
        case WM_PAINT: {
            PAINTSTRUCT ps;
            HDC dc = BeginPaint(window, &ps);
            if (surface) {
                HDC memory = CreateCompatibleDC(dc);
                HGDIOBJ old = SelectObject(memory, surface->pictures.background);
                BitBlt(dc, 0, 0, surface->pictures.size.cx, surface->pictures.size.cy, memory, 0, 0, SRCCOPY);
                SelectObject(memory, old);
                DeleteDC(memory);
                SetBkMode(dc, TRANSPARENT);
                SetTextColor(dc, kLabelColour);
                SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
                for (Label& label : surface->labels)
                    DrawTextA(dc, label.text, -1, &label.box, DT_LEFT | DT_VCENTER | DT_SINGLELINE);
            }
            EndPaint(window, &ps);
            return 0;
        }
        case WM_ERASEBKGND: return 1;
        case WM_TIMER:
            if (gallery && wParam == kStatesTimer) {
                KillTimer(window, kStatesTimer);
                gallery->ForceStates();
            }
            return 0;
        case WM_KEYDOWN:
            if (wParam == VK_ESCAPE && gallery) DestroyWindow(window);
            return 0;
        case WM_DESTROY:
            if (gallery) {
                gallery->DestroyControls();
                gallery->main_ = nullptr;
                RemovePropA(window, "SkinGallery_object");
                PostQuitMessage(0);
            }
            return 0;
        default: break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

// Handles messages until `done` holds or `ms` have passed; false on timeout.
template <typename Done>
bool PumpUntil(Done done, DWORD ms) {
    const DWORD start = GetTickCount();
    while (!done()) {
        if (GetTickCount() - start >= ms) return false;
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        Sleep(10);
    }
    return true;
}

void PumpFor(DWORD ms) { PumpUntil([] { return false; }, ms); }

std::string FullFolder(const char* folder) {
    char full[MAX_PATH] = {};
    GetFullPathNameA(folder, MAX_PATH, full, nullptr);
    std::string path = full;
    for (char& c : path)
        if (c == '/') c = '\\';
    if (path.empty() || path.back() != '\\') path += '\\';
    return path;
}

}  // namespace

int main(int argc, char** argv) {
    const bool screenshot = argc == 4 && std::strcmp(argv[2], "--screenshot") == 0;
    if (argc != 2 && !screenshot) {
        std::fprintf(stderr, "usage: skin_gallery SKINS_FOLDER [--screenshot FILE.bmp]\n");
        return 2;
    }
    OleInitialize(nullptr);
    RegisterBitmapEditMessages();
    int rc = 0;
    {
        Gallery gallery;
        if (!gallery.Create(FullFolder(argv[1]))) {
            std::fprintf(stderr, "skin_gallery: cannot build the gallery from %s\n", argv[1]);
            rc = 1;
        } else if (screenshot) {
            if (!PumpUntil([&] { return gallery.MenuShown(); }, 20000)) {
                std::fprintf(stderr, "skin_gallery: the popup menu did not open\n");
                rc = 3;
            }
            PumpFor(1000);  // both threads finish painting
            if (rc == 0 && !SaveScreenRect(gallery.Area(), argv[3])) rc = 2;
            gallery.Close();
            PumpFor(50);
        } else {
            MSG msg;
            while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
                TranslateMessage(&msg);
                DispatchMessageA(&msg);
            }
        }
    }
    OleUninitialize();
    return rc;
}
