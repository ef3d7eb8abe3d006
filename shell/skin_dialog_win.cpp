#include "shell/skin_dialog_win.h"

#include <windowsx.h>

namespace {

// A dialog template without controls, menu, class or title.
struct alignas(4) EmptyDialogTemplate {
    DLGTEMPLATE header;
    WORD menu = 0;
    WORD windowClass = 0;
    WORD title = 0;
};

// Messages whose answer is the dialog procedure's return value itself
// rather than DWLP_MSGRESULT.
bool AnswersDirectly(UINT message) {
    return (message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC) || message == WM_INITDIALOG ||
           message == WM_QUERYDRAGICON || message == WM_COMPAREITEM || message == WM_VKEYTOITEM ||
           message == WM_CHARTOITEM;
}

// The key press that the dialog manager would turn into IDOK or IDCANCEL.
// Its release still reaches the control with the focus (a field reports
// Enter on release).
bool IsDialogKey(const MSG& msg) {
    return (msg.message == WM_KEYDOWN || msg.message == WM_CHAR) &&
           (msg.wParam == VK_RETURN || msg.wParam == VK_ESCAPE || msg.wParam == '\r' || msg.wParam == 0x1B);
}

}  // namespace

SkinDialog::SkinDialog(std::string skinsFolder, std::string layoutFile)
    : skinsFolder_(std::move(skinsFolder)), layoutFile_(std::move(layoutFile)) {}

SkinDialog::~SkinDialog() {
    if (window_) DestroyWindow(window_);
}

HWND SkinDialog::CreateFromTemplate(HWND owner, DWORD style) {
    EmptyDialogTemplate dialog{};
    dialog.header.style = style;
    return CreateDialogIndirectParamA(GetModuleHandleA(nullptr), &dialog.header, owner, DialogProc,
                                      reinterpret_cast<LPARAM>(this));
}

HWND SkinDialog::Create(HWND owner) {
    if (window_) return nullptr;
    modal_ = false;
    if (!CreateFromTemplate(owner, WS_POPUP | WS_CLIPCHILDREN)) return nullptr;
    ShowSkinWindow(window_);
    return window_;
}

HWND SkinDialog::CreateChild(HWND parent, const RECT& area) {
    if (window_) return nullptr;
    modal_ = false;
    if (!CreateFromTemplate(parent, WS_CHILD | WS_CLIPCHILDREN)) return nullptr;
    SetWindowPos(window_, nullptr, area.left, area.top, area.right - area.left, area.bottom - area.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    return window_;
}

INT_PTR SkinDialog::RunModal(HWND owner) {
    if (window_) return -1;
    modal_ = true;
    ended_ = false;
    result_ = -1;
    if (!CreateFromTemplate(owner, WS_POPUP | WS_CLIPCHILDREN)) return -1;
    const bool disableOwner = owner && IsWindowEnabled(owner);
    if (disableOwner) EnableWindow(owner, FALSE);
    ShowSkinWindow(window_);
    MSG msg;
    bool quit = false;
    while (!ended_ && window_) {
        const BOOL got = GetMessageA(&msg, nullptr, 0, 0);
        if (got <= 0) {
            quit = got == 0;
            break;
        }
        if (PreTranslate(msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    // The owner comes back before the dialog goes, so that the activation
    // returns to it rather than to another program.
    if (disableOwner) EnableWindow(owner, TRUE);
    if (window_) DestroyWindow(window_);
    if (quit) PostQuitMessage(static_cast<int>(msg.wParam));  // for the loop that ends the program
    return result_;
}

bool SkinDialog::KeyWantedByControl(const MSG& msg) const {
    HWND focus = GetFocus();
    if (!focus || focus == window_) return false;
    MSG copy = msg;
    const LRESULT code = SendMessageA(focus, WM_GETDLGCODE, msg.wParam, reinterpret_cast<LPARAM>(&copy));
    return (code & (DLGC_WANTALLKEYS | DLGC_WANTMESSAGE)) != 0;
}

bool SkinDialog::PreTranslate(MSG& msg) {
    if (!window_ || (msg.hwnd != window_ && !IsChild(window_, msg.hwnd))) return false;
    if (IsDialogKey(msg) && !KeyWantedByControl(msg)) {
        // Only the key-down acts; no character is made from it.
        if (msg.message == WM_KEYDOWN) {
            if (msg.wParam == VK_RETURN && keys_.enterEndsWithOk) End(IDOK);
            if (msg.wParam == VK_ESCAPE && keys_.escapeEndsWithCancel) End(IDCANCEL);
        }
        return true;
    }
    return IsDialogMessageA(window_, &msg) != FALSE;
}

void SkinDialog::End(INT_PTR result) {
    result_ = result;
    ended_ = true;
    if (!modal_ && window_) DestroyWindow(window_);
}

void SkinDialog::CentreOnOwner() {
    HWND owner = GetWindow(window_, GW_OWNER);
    RECT area{}, own{};
    if (owner)
        GetWindowRect(owner, &area);
    else
        SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
    GetWindowRect(window_, &own);
    const int width = own.right - own.left, height = own.bottom - own.top;
    SetWindowPos(window_, nullptr, (area.left + area.right - width) / 2, (area.top + area.bottom - height) / 2, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void SkinDialog::OnCommand(int, int, HWND) {}

void SkinDialog::PaintOver(HDC, const RECT&) {}

bool SkinDialog::OnMessage(UINT, WPARAM, LPARAM, LRESULT&) { return false; }

INT_PTR CALLBACK SkinDialog::DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    SkinDialog* self = nullptr;
    if (message == WM_INITDIALOG) {
        self = reinterpret_cast<SkinDialog*>(lParam);
        SetWindowLongPtrA(window, DWLP_USER, lParam);
        self->window_ = window;
    } else {
        self = reinterpret_cast<SkinDialog*>(GetWindowLongPtrA(window, DWLP_USER));
    }
    if (!self) return FALSE;
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrA(window, DWLP_USER, 0);
        self->window_ = nullptr;
        self->controls_.clear();  // their windows are gone already
        self->building_.reset();
        self->pictures_ = {};
        return FALSE;
    }
    return self->OnDialogMessage(message, wParam, lParam);
}

INT_PTR SkinDialog::OnDialogMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) return OnInitDialog();
    LRESULT result = 0;
    if (OnMessage(message, wParam, lParam, result)) {
        if (AnswersDirectly(message)) return static_cast<INT_PTR>(result);
        SetWindowLongPtrA(window_, DWLP_MSGRESULT, result);
        return TRUE;
    }
    switch (message) {
    case WM_ERASEBKGND:
        // The whole client area is painted in one step by WM_PAINT.
        SetWindowLongPtrA(window_, DWLP_MSGRESULT, 1);
        return TRUE;
    case WM_PAINT:
        Paint();
        return TRUE;
    case WM_LBUTTONDOWN: {
        // Dragged by any point of the background.
        POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        ClientToScreen(window_, &at);
        SendMessageA(window_, WM_NCLBUTTONDOWN, HTCAPTION, MAKELPARAM(at.x, at.y));
        return TRUE;
    }
    case WM_COMMAND:
        // Enter and Escape never arrive here: PreTranslate keeps them from the
        // dialog manager, so IDOK and IDCANCEL are the controls' own ids.
        OnCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
        return TRUE;
    case WM_CLOSE:
        End(IDCANCEL);
        return TRUE;
    default:
        return FALSE;
    }
}

BOOL SkinDialog::OnInitDialog() {
    building_ = std::make_unique<Building>(skinsFolder_, layoutFile_, window_, pictures_);
    OnBuild(building_->builder);
    if (!deferControls_) building_.reset();
    ApplyWindowShape(window_, pictures_);
    return OnInit();
}

void SkinDialog::FinishBuilding() {
    if (!building_) return;
    const std::unique_ptr<Building> building = std::move(building_);
    OnBuildDeferred(building->builder);
}

void SkinDialog::Paint() {
    const PaintDc dc(window_);
    RECT client;
    GetClientRect(window_, &client);
    const HBITMAP background = pictures_.background.get();
    const RECT over = background ? PaintOverArea(client) : client;
    if (!EqualRect(&over, &client)) {
        // The rest of the background goes straight to the window.
        const PictureDc picture(dc.get(), background);
        const int saved = SaveDC(dc.get());
        ExcludeClipRect(dc.get(), over.left, over.top, over.right, over.bottom);
        BitBlt(dc.get(), 0, 0, client.right, client.bottom, picture.get(), 0, 0, SRCCOPY);
        RestoreDC(dc.get(), saved);
    }
    MemoryCanvas canvas(dc.get(), over);
    canvas.Fill(background, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    // PaintOver draws in client coordinates wherever the canvas lies; the
    // canvas is then copied from its own origin.
    SetViewportOrgEx(canvas.Dc(), -over.left, -over.top, nullptr);
    PaintOver(canvas.Dc(), client);
    SetViewportOrgEx(canvas.Dc(), 0, 0, nullptr);
    canvas.Show();
}

SkinButton& SkinDialog::AddSkinButton(const SkinWindowBuilder& build, int entry, const char* maskFile,
                                      const std::string& caption, int id, bool outlineLater) {
    SkinButton& button = Own(std::make_unique<SkinButton>());
    button.SetMaskPath(build.MaskPath(maskFile));
    const RECT rect = build.Rect(entry);
    button.Create(window_, id ? id : entry, rect, outlineLater);
    build.CutPictures(button, rect);
    button.SetCaption(caption);
    return button;
}

SkinBitmapButton& SkinDialog::AddBitmapButton(const SkinWindowBuilder& build, int entry, const std::string& caption,
                                              int id) {
    SkinBitmapButton& button = Own(std::make_unique<SkinBitmapButton>());
    const RECT rect = build.Rect(entry);
    button.Create(window_, id ? id : entry, rect);
    build.CutPictures(button, rect);
    button.SetCaption(caption);
    return button;
}

SkinColourButton& SkinDialog::AddColourButton(const SkinWindowBuilder& build, int entry, COLORREF fill, int id) {
    SkinColourButton& button = Own(std::make_unique<SkinColourButton>());
    button.Create(window_, id ? id : entry, build.Rect(entry));
    build.CutPictures(button, build.Rect(entry));
    button.SetFillColour(fill);
    return button;
}

BitmapEdit& SkinDialog::AddEdit(const SkinWindowBuilder& build, int entry, int id) {
    BitmapEdit& edit = Own(std::make_unique<BitmapEdit>());
    edit.Create(window_, id ? id : entry, build.Rect(entry));
    return edit;
}

SkinListBox& SkinDialog::AddListBox(const SkinWindowBuilder& build, int entry, int id) {
    SkinListBox& list = Own(std::make_unique<SkinListBox>());
    list.Create(window_, id ? id : entry, build.Rect(entry));
    return list;
}

SliderTrack* SkinDialog::AddSlider(const SkinWindowBuilder& build, int entry, const char* thumbFile, int id) {
    auto slider = std::make_unique<SliderTrack>();
    const RECT r = build.Rect(entry);
    if (!slider->Create(build.MaskPath(thumbFile), r.left, r.top, r.right, r.bottom, window_, id ? id : entry))
        return nullptr;
    slider->SetBackground(r, build.Normal());
    return &Own(std::move(slider));
}
