// Skin gallery: one skinned window showing every button kind in every state,
// drawn from pictures the gallery paints itself. A test tool, not shipped.
//
//   skin_gallery.exe                     shows the window until it is closed
//   skin_gallery.exe --screenshot F.bmp  shows it, saves what is on screen
//                                        under the window to F.bmp and ends
#include <windows.h>

#include <ole2.h>

#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "shell/mask_region_win.h"
#include "shell/skin_bitmap_button_win.h"
#include "shell/skin_button_win.h"
#include "shell/skin_picture_win.h"

namespace {

constexpr int kWidth = 640, kHeight = 360;
constexpr COLORREF kBackground = RGB(24, 28, 40);
constexpr COLORREF kFaces[4] = {RGB(60, 70, 95), RGB(40, 110, 190), RGB(20, 50, 120), RGB(80, 80, 80)};

struct Sample {
    const char* caption;
    RECT rect;
};

// Row 1: shaped buttons; row 2: rectangular buttons; row 3: colour samples.
const Sample kShaped[] = {{"Normal", {20, 50, 130, 90}},  {"Over", {140, 50, 250, 90}},
                          {"Down", {260, 50, 370, 90}},   {"Disabled", {380, 50, 490, 90}},
                          {"Latched", {500, 50, 610, 90}}};
const Sample kBitmap[] = {{"Push", {20, 140, 130, 170}},     {"Toggle on", {140, 140, 250, 170}},
                          {"Selected", {260, 140, 370, 170}}, {"Disabled", {380, 140, 490, 170}},
                          {"Inset 25 text", {500, 140, 610, 170}}};
const Sample kColours[] = {{"", {20, 220, 60, 250}}, {"", {70, 220, 110, 250}}, {"", {120, 220, 160, 250}},
                           {"", {170, 220, 210, 250}}};
const COLORREF kSampleColours[] = {RGB(230, 40, 40), RGB(40, 200, 80), RGB(60, 90, 240), RGB(240, 200, 30)};

// A full-window sheet: background plus every control face in one state.
HBITMAP PaintSheet(HDC reference, COLORREF face) {
    HBITMAP sheet = CreateCompatibleBitmap(reference, kWidth, kHeight);
    HDC dc = CreateCompatibleDC(reference);
    HGDIOBJ old = SelectObject(dc, sheet);
    RECT all{0, 0, kWidth, kHeight};
    HBRUSH background = CreateSolidBrush(kBackground);
    FillRect(dc, &all, background);
    DeleteObject(background);
    HBRUSH brush = CreateSolidBrush(face);
    HPEN pen = CreatePen(PS_SOLID, 1, RGB(200, 210, 230));
    HGDIOBJ oldBrush = SelectObject(dc, brush);
    HGDIOBJ oldPen = SelectObject(dc, pen);
    for (const Sample& s : kShaped) RoundRect(dc, s.rect.left, s.rect.top, s.rect.right, s.rect.bottom, 30, 30);
    for (const Sample& s : kBitmap) Rectangle(dc, s.rect.left, s.rect.top, s.rect.right, s.rect.bottom);
    for (const Sample& s : kColours) Rectangle(dc, s.rect.left, s.rect.top, s.rect.right, s.rect.bottom);
    SelectObject(dc, oldBrush);
    SelectObject(dc, oldPen);
    DeleteObject(brush);
    DeleteObject(pen);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, RGB(200, 200, 210));
    const char* titles[] = {"SkinButton (shaped by its mask)", "SkinBitmapButton", "SkinColourButton"};
    const int titleY[] = {25, 115, 195};
    for (int i = 0; i < 3; ++i) TextOutA(dc, 20, titleY[i], titles[i], static_cast<int>(std::strlen(titles[i])));
    SelectObject(dc, old);
    DeleteDC(dc);
    return sheet;
}

// Writes a shaped-button mask file: a rounded rectangle, white outside.
std::string WriteRoundMask(int width, int height) {
    char folder[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, folder);
    const std::string path = std::string(folder) + "skin_gallery_round_mask.bmp";
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, height, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HBITMAP mask = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(dc, mask);
    RECT all{0, 0, width, height};
    FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    SelectObject(dc, GetStockObject(BLACK_BRUSH));
    SelectObject(dc, GetStockObject(BLACK_PEN));
    RoundRect(dc, 0, 0, width, height, 30, 30);
    GdiFlush();
    const DWORD imageBytes = ((width * 3 + 3) & ~3) * height;
    BITMAPFILEHEADER file{0x4D42, static_cast<DWORD>(sizeof file + sizeof info.bmiHeader + imageBytes), 0, 0,
                          static_cast<DWORD>(sizeof file + sizeof info.bmiHeader)};
    if (FILE* out = std::fopen(path.c_str(), "wb")) {
        std::fwrite(&file, sizeof file, 1, out);
        std::fwrite(&info.bmiHeader, sizeof info.bmiHeader, 1, out);
        std::fwrite(bits, 1, imageBytes, out);
        std::fclose(out);
    }
    SelectObject(dc, old);
    DeleteObject(mask);
    DeleteDC(dc);
    ReleaseDC(nullptr, screen);
    return path;
}

class Gallery {
public:
    bool Create();
    HWND Window() const { return window_; }

private:
    static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void BuildControls();
    void Paint();

    HWND window_ = nullptr;
    HBITMAP sheets_[4] = {};
    std::vector<std::unique_ptr<SkinButton>> shaped_;
    std::vector<std::unique_ptr<SkinBitmapButton>> buttons_;
};

bool Gallery::Create() {
    WNDCLASSA cls{};
    cls.lpfnWndProc = Proc;
    cls.hInstance = GetModuleHandleA(nullptr);
    cls.hCursor = LoadCursor(nullptr, IDC_ARROW);
    cls.lpszClassName = "SkinGallery";
    RegisterClassA(&cls);
    window_ = CreateWindowExA(0, cls.lpszClassName, "Skin gallery", WS_POPUP | WS_SYSMENU, 0, 0, kWidth, kHeight,
                              nullptr, nullptr, cls.hInstance, this);
    if (!window_) return false;
    HDC screen = GetDC(nullptr);
    for (int i = 0; i < 4; ++i) sheets_[i] = PaintSheet(screen, kFaces[i]);
    ReleaseDC(nullptr, screen);
    BuildControls();

    // The window's own outline: rounded corners cut by a white mask.
    HBITMAP mask = [&] {
        HDC dc = GetDC(nullptr);
        HBITMAP m = CreateCompatibleBitmap(dc, kWidth, kHeight);
        HDC memory = CreateCompatibleDC(dc);
        HGDIOBJ old = SelectObject(memory, m);
        RECT all{0, 0, kWidth, kHeight};
        FillRect(memory, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
        SelectObject(memory, GetStockObject(BLACK_BRUSH));
        RoundRect(memory, 0, 0, kWidth, kHeight, 40, 40);
        SelectObject(memory, old);
        DeleteDC(memory);
        ReleaseDC(nullptr, dc);
        return m;
    }();
    ApplyMaskOutline(window_, mask);
    DeleteObject(mask);
    ShowWindow(window_, SW_SHOW);
    SetForegroundWindow(window_);
    return true;
}

void Gallery::BuildControls() {
    const std::string roundMask = WriteRoundMask(110, 40);
    int id = 100;
    for (const Sample& s : kShaped) {
        auto button = std::make_unique<SkinButton>();
        button->SetMaskPath(roundMask);
        button->Create(window_, id++, s.rect);
        button->SetCaption(s.caption);
        shaped_.push_back(std::move(button));
    }
    // A resting picture per sample shows each state without a pointer.
    auto& normal = sheets_[0];
    auto& over = sheets_[1];
    auto& down = sheets_[2];
    auto& disable = sheets_[3];
    shaped_[0]->SetPictures(kShaped[0].rect, normal, over, down, disable);
    shaped_[1]->SetPictures(kShaped[1].rect, over, over, down, disable);
    shaped_[2]->SetPictures(kShaped[2].rect, down, over, down, disable);
    shaped_[3]->SetPictures(kShaped[3].rect, normal, over, down, disable);
    shaped_[3]->Enable(false);
    shaped_[4]->SetPictures(kShaped[4].rect, normal, over, down, disable);
    shaped_[4]->SetToggleMode(true);
    shaped_[4]->SetLatched(true);

    for (const Sample& s : kBitmap) {
        auto button = std::make_unique<SkinBitmapButton>();
        button->Create(window_, id++, s.rect);
        button->SetPictures(s.rect, normal, over, down, disable);
        button->SetCaption(s.caption);
        button->SetTooltip(s.caption, true);
        buttons_.push_back(std::move(button));
    }
    buttons_[1]->SetToggleMode(true);
    buttons_[1]->SetSelected(true);
    buttons_[2]->SetSelected(true);
    buttons_[3]->Enable(false);
    buttons_[4]->SetTextMode(6);

    for (size_t i = 0; i < std::size(kColours); ++i) {
        auto button = std::make_unique<SkinColourButton>();
        button->Create(window_, id++, kColours[i].rect);
        button->SetPictures(kColours[i].rect, normal, over, down, disable);
        button->SetFillColour(kSampleColours[i]);
        button->SetHandCursor(LoadCursor(nullptr, IDC_HAND));
        if (i == 3) button->Enable(false);
        buttons_.push_back(std::move(button));
    }
}

void Gallery::Paint() {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(window_, &ps);
    HDC memory = CreateCompatibleDC(dc);
    HGDIOBJ old = SelectObject(memory, sheets_[0]);
    BitBlt(dc, 0, 0, kWidth, kHeight, memory, 0, 0, SRCCOPY);
    SelectObject(memory, old);
    DeleteDC(memory);
    EndPaint(window_, &ps);
}

LRESULT CALLBACK Gallery::Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* self = reinterpret_cast<Gallery*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    switch (message) {
        case WM_PAINT:
            if (self) {
                self->Paint();
                return 0;
            }
            break;
        case WM_ERASEBKGND: return 1;
        case WM_KEYDOWN:
            if (wParam == VK_ESCAPE) DestroyWindow(window);
            return 0;
        case WM_DESTROY:
            if (self) {
                self->shaped_.clear();
                self->buttons_.clear();
                for (HBITMAP& sheet : self->sheets_) DeleteGdiObject(sheet);
            }
            PostQuitMessage(0);
            return 0;
        default: break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

void PumpFor(DWORD ms) {
    const DWORD end = GetTickCount() + ms;
    while (GetTickCount() < end) {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
        Sleep(10);
    }
}

// Copies what the screen shows under the window (the window DC itself would
// come out black under some drivers) and writes it as a 24-bit BMP.
bool SaveScreenshot(HWND window, const char* path) {
    RECT r;
    GetWindowRect(window, &r);
    const int width = r.right - r.left, height = r.bottom - r.top;
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, height, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP shot = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(memory, shot);
    BitBlt(memory, 0, 0, width, height, screen, r.left, r.top, SRCCOPY);
    GdiFlush();
    const DWORD imageBytes = ((width * 3 + 3) & ~3) * height;
    BITMAPFILEHEADER file{0x4D42, static_cast<DWORD>(sizeof file + sizeof info.bmiHeader + imageBytes), 0, 0,
                          static_cast<DWORD>(sizeof file + sizeof info.bmiHeader)};
    bool ok = false;
    if (FILE* out = std::fopen(path, "wb")) {
        std::fwrite(&file, sizeof file, 1, out);
        std::fwrite(&info.bmiHeader, sizeof info.bmiHeader, 1, out);
        std::fwrite(bits, 1, imageBytes, out);
        ok = std::fclose(out) == 0;
    }
    SelectObject(memory, old);
    DeleteObject(shot);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return ok;
}

}  // namespace

int main(int argc, char** argv) {
    OleInitialize(nullptr);
    Gallery gallery;
    if (!gallery.Create()) return 1;
    int rc = 0;
    if (argc == 3 && std::strcmp(argv[1], "--screenshot") == 0) {
        PumpFor(800);
        rc = SaveScreenshot(gallery.Window(), argv[2]) ? 0 : 2;
        DestroyWindow(gallery.Window());
        PumpFor(50);
    } else {
        MSG msg;
        while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }
    OleUninitialize();
    return rc;
}
