// Skin gallery: the main window and its advanced settings page built from
// the generated skin set as skinned dialogs, with every skinned control kind
// in every state, an open popup menu, a warning dialog, the shortcut dialog
// (which takes every key while it is open) and the six DPI level controls.
// A test tool, not shipped.
//
//   skin_gallery.exe SKINS_FOLDER                     shows the gallery until it is closed
//   skin_gallery.exe SKINS_FOLDER --screenshot F.bmp  saves what the screen shows under
//                                                     the gallery (menu included) and ends
#include <windows.h>

#include <ole2.h>

#include <cstdio>
#include <cstring>
#include <initializer_list>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "gallery_menu_win.h"
#include "gallery_resources.h"
#include "gallery_screenshot_win.h"
#include "keys/shortcut_dialog_win.h"
#include "keys/spin_edit_win.h"
#include "lan/string_ids.h"
#include "option/dpi_level/dpi_level_control_win.h"
#include "shell/skin_dialog_win.h"
#include "shell/skin_picture_win.h"
#include "shell/window_subclass_win.h"
#include "skins/skin_entries.h"

namespace {

constexpr UINT_PTR kStatesTimer = 1;
constexpr COLORREF kLabelColour = RGB(170, 180, 200);
constexpr COLORREF kWellColour = RGB(12, 13, 16);
// Below the main window, inside the screenshot: the DPI levels, the
// warning and the shortcut dialog.
constexpr POINT kDpiLevelsAt{0, 648};
constexpr POINT kWarningAt{376, 648};
constexpr POINT kShortcutAt{786, 648};
constexpr int kDpiMargin = 8;

struct Label {
    RECT box;
    const char* text;
};

RECT Inset(RECT r, int left, int top, int right, int bottom) {
    return {r.left + left, r.top + top, r.right - right, r.bottom - bottom};
}

POINT Centre(const RECT& r) { return {(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }

RECT Union(const RECT& a, const RECT& b) {
    RECT both;
    UnionRect(&both, &a, &b);
    return both;
}

RECT WindowArea(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    return r;
}

// The four state sheets of a layout other than the window's own.
void LoadSheets(const SkinLayout& layout, UniqueBitmap (&sheets)[4]) {
    const char* keys[4] = {"Normal", "Over", "Down", "Disable"};
    SIZE ignored{};
    for (int i = 0; i < 4; ++i) LoadSkinPicture(layout.ScreenPicture(keys[i]), sheets[i], ignored);
}

// A skinned gallery window: its controls come from its layout like any
// dialog's, and it writes its own labels on the background.
class Surface : public SkinDialog {
public:
    using SkinDialog::SkinDialog;

protected:
    void PaintOver(HDC canvas, const RECT&) override {
        SetBkMode(canvas, TRANSPARENT);
        SetTextColor(canvas, kLabelColour);
        const SelectedObject font(canvas, GetStockObject(DEFAULT_GUI_FONT));
        for (Label& label : labels_) DrawTextA(canvas, label.text, -1, &label.box, DT_LEFT | DT_VCENTER | DT_SINGLELINE);
    }

    std::vector<Label> labels_;
};

// The advanced settings page: lists, push and toggle buttons, spin fields
// and sliders.
class Page : public Surface {
public:
    explicit Page(const std::string& skins) : Surface(skins, "skin_advance_setting.ini") {}
    SkinListBox* List() const { return list_; }
    SkinBitmapButton* Hover() const { return hover_; }
    SkinBitmapButton* Pressed() const { return pressed_; }

private:
    void OnBuild(const SkinWindowBuilder& build) override;
    void BuildLists(const SkinWindowBuilder& build);
    SkinBitmapButton& AddButton(const SkinWindowBuilder& build, int entry, const char* caption, int mode = 4);
    void AddNumber(const RECT& rect, const char* text);
    void AddSpin(const SkinWindowBuilder& build, int entry, int minimum, int maximum, int value);
    void AddHorizontalSpin(const SkinWindowBuilder& build);
    void AddSlider(const SkinWindowBuilder& build, int entry, int minimum, int maximum, int value);

    SkinListBox* list_ = nullptr;
    SkinBitmapButton* hover_ = nullptr;
    SkinBitmapButton* pressed_ = nullptr;
};

// The main window: shaped buttons in every state, window buttons with
// tooltips, colour samples and the page.
class MainSurface : public Surface {
public:
    MainSurface(const std::string& skins, HCURSOR hand) : Surface(skins, "skin_main.ini"), skins_(skins), hand_(hand) {}
    Page& ThePage() { return page_; }
    SkinButton* Over() const { return over_; }
    SkinButton* Down() const { return down_; }

private:
    void OnBuild(const SkinWindowBuilder& build) override;
    BOOL OnInit() override;
    SkinButton& AddShaped(const SkinWindowBuilder& build, int entry, const char* mask, const char* caption);
    void BuildColourSamples();

    std::string skins_;
    HCURSOR hand_;
    RECT pageArea_{};
    Page page_{skins_};
    SkinButton* over_ = nullptr;
    SkinButton* down_ = nullptr;
};

// The button page's six DPI levels, values at their defaults: level 2
// current, level 4 disabled. Only their part of the page is shown.
class DpiLevels : public SkinDialog {
public:
    explicit DpiLevels(const std::string& skins)
        : SkinDialog(skins, skin_button_page::kIniFile), skins_(skins) {}

private:
    void OnBuild(const SkinWindowBuilder& build) override {
        area_ = Union(build.Rect(skin_button_page::kDpiLevel[0]),
                      build.Rect(skin_button_page::kDpiLevel[kDpiLevelCount - 1]));
        InflateRect(&area_, kDpiMargin, kDpiMargin);
        const int values[kDpiLevelCount] = {16, 32, 48, 80, 128, 164};
        for (int n = 0; n < kDpiLevelCount; ++n) {
            const RECT at = build.Rect(skin_button_page::kDpiLevel[n]);
            RECT shown = at;
            OffsetRect(&shown, -area_.left, -area_.top);
            const std::string title = "DPI level " + std::to_string(n + 1);
            DpiLevelControl& level = Own(std::make_unique<DpiLevelControl>());
            if (!level.Create(Handle(), shown, kDpiLevelFirstId + n, skins_, title)) continue;
            level.SetPictures(at, build.Normal(), build.Over(), build.Down());
            level.SetValue(values[n]);
            level.SetEnabled(n != 4);
            level.SetCurrent(n == 2);
        }
    }
    BOOL OnInit() override {
        SetWindowPos(Handle(), nullptr, kDpiLevelsAt.x, kDpiLevelsAt.y, area_.right - area_.left,
                     area_.bottom - area_.top, SWP_NOZORDER | SWP_NOACTIVATE);
        SetWindowRgn(Handle(), nullptr, TRUE);
        return TRUE;
    }
    void PaintOver(HDC canvas, const RECT& client) override {
        const PictureDc page(canvas, Pictures().background.get());
        BitBlt(canvas, 0, 0, client.right, client.bottom, page.get(), area_.left, area_.top, SRCCOPY);
    }

    std::string skins_;
    RECT area_{};
};

// The captions the language library would give the shortcut dialog.
class GalleryTexts : public TextSource {
public:
    std::string Text(int id) const override { return id == str::kOk ? "OK" : id == str::kCancel ? "Cancel" : ""; }
};

// A warning as every confirmation dialog shows it: OK, Cancel, close.
class WarningSample : public Surface {
public:
    explicit WarningSample(const std::string& skins) : Surface(skins, "skin_warn.ini") {}

private:
    void OnBuild(const SkinWindowBuilder& build) override {
        for (SkinButton* button : {&AddSkinButton(build, 1, "ok_mask.bmp", "OK"),
                                   &AddSkinButton(build, 2, "cancel_mask.bmp", "Cancel")}) {
            button->SetFont(15, 0);
            button->SetTextColours(RGB(230, 230, 230), RGB(0, 0, 230), RGB(230, 230, 230), RGB(150, 150, 150));
        }
        AddBitmapButton(build, 3);
        labels_ = {{{40, 40, 200, 70}, "Warning (skinned dialog)"},
                   {{40, 80, 360, 200}, "Built from skin_warn.ini; Enter and Escape do nothing."}};
    }
    BOOL OnInit() override {
        SetWindowPos(Handle(), nullptr, kWarningAt.x, kWarningAt.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        return TRUE;
    }
};

void MainSurface::OnBuild(const SkinWindowBuilder& build) {
    AddShaped(build, 1, "basic_mask.bmp", "Basic").SetTextMode(5);
    AddShaped(build, 2, "advanced_mask.bmp", "Advanced").SetLatched(true);
    AddShaped(build, 11, "prifile1_mask.bmp", "Normal");
    over_ = &AddShaped(build, 12, "prifile2_mask.bmp", "Over");
    down_ = &AddShaped(build, 13, "prifile1_mask.bmp", "Down");
    AddShaped(build, 14, "prifile2_mask.bmp", "Disabled").Enable(false);
    SkinButton& latched = AddShaped(build, 15, "prifile1_mask.bmp", "Latched");
    latched.SetLatched(true);
    AddShaped(build, 16, "prifile2_mask.bmp", "");
    AddShaped(build, 3, "ok_mask.bmp", "OK");
    AddShaped(build, 5, "ok_mask.bmp", "Apply").Enable(false);
    AddShaped(build, 4, "cancel_mask.bmp", "Cancel");
    latched.SetToggleMode(true);
    AddBitmapButton(build, 6).SetTooltip("Minimise", true);
    AddBitmapButton(build, 7).SetTooltip("Close", true);
    AddBitmapButton(build, 17).SetTooltip("Export", true);
    labels_ = {{{130, 14, 400, 40}, "Skinned controls in every state"},
               {{404, 596, 612, 622}, "Colour samples (hand cursor)"}};
    BuildColourSamples();
    pageArea_ = build.Rect(9);
}

BOOL MainSurface::OnInit() {
    if (page_.CreateChild(Handle(), pageArea_)) ShowWindow(page_.Handle(), SW_SHOWNA);
    return TRUE;
}

SkinButton& MainSurface::AddShaped(const SkinWindowBuilder& build, int entry, const char* mask, const char* caption) {
    SkinButton& button = AddSkinButton(build, entry, mask, caption);
    if (entry == 1 || entry == 2) button.SetToggleMode(true);
    return button;
}

// Colour samples cut from the advanced pattern dialog's swatch well.
void MainSurface::BuildColourSamples() {
    const SkinLayout layout(skins_, skin_gaoji_qiangxieku::kIniFile);
    UniqueBitmap sheets[4];
    LoadSheets(layout, sheets);
    const RECT well = layout.EntryRect(4);
    const COLORREF fills[] = {RGB(230, 40, 40), RGB(40, 200, 80), RGB(60, 120, 250), RGB(240, 200, 30)};
    for (int i = 0; i < 4; ++i) {
        auto sample = std::make_unique<SkinColourButton>();
        const int left = 212 + i * 48;
        sample->Create(Handle(), 200 + i,
                       {left, 596, left + (well.right - well.left), 596 + (well.bottom - well.top)});
        sample->SetPictures(well, sheets[0].get(), sheets[1].get(), sheets[2].get(), sheets[3].get());
        sample->SetFillColour(fills[i]);
        sample->SetHandCursor(hand_);
        if (i == 3) sample->Enable(false);
        Own(std::move(sample));
    }
}

void Page::OnBuild(const SkinWindowBuilder& build) {
    BuildLists(build);
    AddButton(build, 10, "Push");
    pressed_ = &AddButton(build, 11, "Pressed");
    AddButton(build, 12, "Disabled").Enable(false);
    hover_ = &AddButton(build, 15, "Record (over)", 7);
    AddButton(build, 16, "Stop", 7).Enable(false);
    AddButton(build, 9, "Restore defaults", 7);
    AddButton(build, 23, "Selected push", 5).SetSelected(true);
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
        SkinBitmapButton& option = AddButton(build, o.entry, o.caption, o.mode);
        option.SetToggleMode(true);
        option.SetSelected(o.on);
        option.Enable(o.enabled);
    }

    AddNumber(Inset(build.Rect(17), 4, 4, 4, 4), "25");
    AddSpin(build, skin_advance_setting::kPointerSpeedField, -5, 5, -3);
    AddSpin(build, skin_advance_setting::kWheelLinesField, 1, 11, 3);
    AddHorizontalSpin(build);

    AddSlider(build, 1, -5, 5, -2);
    AddSlider(build, 21, 0, 10, 7);
    AddSlider(build, 22, 0, 10, 3);
    AddSlider(build, 4, 1, 11, 3);
    AddSlider(build, 7, 0, 10, 10);
    labels_ = {{{510, 24, 892, 44}, "Pointer speed (slider, spin field with sign)"},
               {{510, 108, 892, 128}, "Sensitivity"},
               {{510, 134, 536, 154}, "X"},
               {{510, 158, 536, 178}, "Y"},
               {{510, 222, 892, 242}, "Wheel lines (1 - 11)"},
               {{510, 308, 892, 328}, "Double-click speed (at its maximum)"},
               {{570, 372, 892, 392}, "Spin field, horizontal (-100 - 100, step 5)"}};
}

void Page::BuildLists(const SkinWindowBuilder& build) {
    struct Row {
        const char* text;
        uint32_t data;
    };
    const std::vector<Row> tree = {{"Shooters", 152},       {"  Burst of three", 146}, {"  Reload", 146},
                                   {"  Crouch and fire", 146}, {"Strategy", 151},        {"Office", 151},
                                   {"Timed clicks", 135}};
    const std::vector<Row> events = {{"A  down", 138},      {"Delay 50 ms", 135}, {"A  up", 137},
                                     {"Left button down", 146}, {"Delay 120 ms", 135}, {"Left button up", 146},
                                     {"Room for an icon, none drawn", 1}, {"No icon", 0}};
    const struct {
        int entry;
        const std::vector<Row>& rows;
        int selected;
    } lists[] = {{13, tree, 2}, {14, events, 3}};
    for (const auto& l : lists) {
        auto list = std::make_unique<SkinListBox>();
        list->Create(Handle(), l.entry, Inset(build.Rect(l.entry), 2, 2, 2, 2), WS_VISIBLE | WS_VSCROLL);
        list->SetColours(kWellColour, RGB(18, 72, 158));
        list->SetTextColours(RGB(220, 224, 232), RGB(255, 255, 255));
        for (const Row& row : l.rows) list->AddItem(row.text, row.data);
        SendMessageA(list->Handle(), LB_SETCURSEL, l.selected, 0);
        SkinListBox& added = Own(std::move(list));
        if (!list_) list_ = &added;
    }
}

SkinBitmapButton& Page::AddButton(const SkinWindowBuilder& build, int entry, const char* caption, int mode) {
    SkinBitmapButton& button = AddBitmapButton(build, entry, caption);
    button.SetTextMode(mode);
    return button;
}

void Page::AddNumber(const RECT& rect, const char* text) {
    auto edit = std::make_unique<BitmapEdit>();
    edit->Create(Handle(), 0, rect);
    edit->SetColours(RGB(230, 230, 230), kWellColour);
    edit->SetNumeric(true);
    SetWindowTextA(edit->Handle(), text);
    Own(std::move(edit));
}

void Page::AddSpin(const SkinWindowBuilder& build, int entry, int minimum, int maximum, int value) {
    const RECT at = build.Rect(entry);
    SpinEdit& spin = Own(std::make_unique<SpinEdit>(SpinLayout::kVertical));
    if (!spin.Create(Handle(), at, entry)) return;
    spin.SetImages(at, build.Normal(), build.Over(), build.Down(), build.Disable());
    spin.SetRange(minimum, maximum);
    spin.SetValue(value);
}

// One of the advanced pattern dialog's movement fields, on the free part of
// the page.
void Page::AddHorizontalSpin(const SkinWindowBuilder& build) {
    const SkinLayout layout(build.Layout().SkinsFolder(), skin_gaoji_qiangxieku::kIniFile);
    UniqueBitmap sheets[4];
    LoadSheets(layout, sheets);
    const RECT field = layout.EntryRect(skin_gaoji_qiangxieku::kStepX[0]);
    const RECT at{510, 372, 510 + (field.right - field.left), 372 + (field.bottom - field.top)};
    SpinEdit& spin = Own(std::make_unique<SpinEdit>(SpinLayout::kHorizontal));
    if (!spin.Create(Handle(), at, skin_gaoji_qiangxieku::kStepX[0])) return;
    spin.SetImages(field, sheets[0].get(), sheets[1].get(), sheets[2].get(), sheets[3].get());
    spin.SetRange(-100, 100);
    spin.SetStep(5);
    spin.SetValue(-35);
}

void Page::AddSlider(const SkinWindowBuilder& build, int entry, int minimum, int maximum, int value) {
    SliderTrack* slider = SkinDialog::AddSlider(build, entry, "scroll_arrow_down.bmp");
    if (!slider) return;
    slider->SetRange(minimum, maximum);
    slider->SetSnap(true);
    slider->SetValue(value);
}

class Gallery {
public:
    explicit Gallery(const std::string& skins)
        : main_(skins, LoadCursorA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(GALLERY_HAND_CURSOR))),
          warning_(skins),
          dpiLevels_(skins),
          shortcut_(skins, texts_, ShortcutChoice(0x04, 0x06)) {
        main_.SetKeys({false, true});  // Escape closes the gallery once the shortcut dialog is closed
    }
    ~Gallery() { Close(); }
    bool Create();
    HWND Window() const { return main_.Handle(); }
    bool MenuShown() const { return menu_.Shown(); }
    RECT Area() const {
        RECT area = WindowArea(main_.Handle());
        for (HWND w : {warning_.Handle(), dpiLevels_.Handle(), shortcut_.Handle()}) area = Union(area, WindowArea(w));
        return area;
    }
    bool PreTranslate(MSG& msg) {
        for (SkinDialog* d : std::initializer_list<SkinDialog*>{&main_, &warning_, &dpiLevels_, &shortcut_})
            if (d->PreTranslate(msg)) return true;
        return false;
    }
    void Close();

private:
    void ForceStates();

    GalleryTexts texts_;
    MainSurface main_;
    WarningSample warning_;
    DpiLevels dpiLevels_;
    ShortcutDialog shortcut_;
    GalleryMenu menu_;
    WindowSubclass timer_;
};

bool Gallery::Create() {
    if (!main_.Create(nullptr)) return false;
    SetForegroundWindow(main_.Handle());
    UpdateWindow(main_.Handle());
    if (!warning_.Create(main_.Handle()) || !dpiLevels_.Create(main_.Handle()) || !shortcut_.Create(main_.Handle()))
        return false;
    SetWindowPos(shortcut_.Handle(), nullptr, kShortcutAt.x, kShortcutAt.y, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    // The forced states wait until everything is on screen.
    timer_.Attach(main_.Handle(), [this](UINT message, WPARAM wParam, LPARAM, LRESULT&) {
        if (message == WM_DESTROY) PostQuitMessage(0);
        if (message != WM_TIMER || wParam != kStatesTimer) return false;
        KillTimer(main_.Handle(), kStatesTimer);
        ForceStates();
        return true;
    });
    SetTimer(main_.Handle(), kStatesTimer, 300, nullptr);
    return true;
}

// Puts the pointer on the button shown in hover, then causes the states a
// pointer would: hover, a press held down, and a pressed push button.
void Gallery::ForceStates() {
    Page& page = main_.ThePage();
    RECT hover;
    GetWindowRect(page.Hover()->Handle(), &hover);
    const POINT at = Centre(hover);
    SetCursorPos(at.x, at.y);
    SetFocus(page.List()->Handle());
    SendMessageA(main_.Over()->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(40, 15));
    SendMessageA(main_.Down()->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(40, 15));
    SendMessageA(page.Pressed()->Handle(), BM_SETSTATE, TRUE, 0);
    SendMessageA(page.Hover()->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(50, 14));
    // The menu and its submenu sit over the empty lower parts of the lists.
    RECT list;
    GetWindowRect(page.List()->Handle(), &list);
    menu_.Open({list.left + 60, list.top + 200});
}

void Gallery::Close() {
    menu_.Close();
    if (main_.Handle()) DestroyWindow(main_.Handle());
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
        Gallery gallery(FullFolder(argv[1]));
        if (!gallery.Create()) {
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
                if (gallery.PreTranslate(msg)) continue;
                TranslateMessage(&msg);
                DispatchMessageA(&msg);
            }
        }
    }
    OleUninitialize();
    return rc;
}
