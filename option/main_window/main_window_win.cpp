#include "option/main_window/main_window_win.h"

#include <shellapi.h>

#include "option/main_window/status_line.h"
#include "option/profile_exchange/profile_file_dialog_win.h"
#include "option/warning/warning_dialog_win.h"
#include "profile/config_file.h"
#include "profile/messages.h"
#include "version/app_version.h"

namespace {

constexpr int kProgramIcon = 128;
constexpr DialogFont kStatusFont{12, FW_NORMAL, RGB(150, 150, 150)};
// What the logo opens: the program's notes beside it (the product has no web page).
constexpr char kReadmeFile[] = "README.txt";

const char* PageLayout(int page) { return page == kBasicPage ? "skin_button_page.ini" : "skin_advance_setting.ini"; }

const MainControl* ControlOfEntry(int entry) {
    for (const MainControl& control : kMainControls)
        if (control.entry == entry) return &control;
    return nullptr;
}

}  // namespace

std::unique_ptr<OptionPage> MakeBlankPage(int page, const PageContext& context) {
    return std::make_unique<BlankPage>(context, PageLayout(page));
}

MainWindow::MainWindow(const OptionFolders& folders, const TextSource& texts, LibraryStores& libraries,
                       PageFactory pages)
    : SkinDialog(folders.skins, skin_main::kIniFile),
      folders_(folders),
      texts_(texts),
      libraries_(libraries),
      makePage_(std::move(pages)),
      storage_(ProfileStorage{folders.program, fileLock_, texts, mouseSettings_}),
      model_({monitor_, storage_, libraries, *this, texts}),
      statusFont_({kStatusFont}) {}

MainWindow::~MainWindow() = default;

void MainWindow::OnBuild(const SkinWindowBuilder& build) {
    // The first frame's buttons take their outlines after it too, unless
    // they show more than their Normal face before.
    for (const MainControl& control : kMainControls)
        if (!BuiltAfterFirstFrame(control)) AddControl(build, control, true);
    DeferControls();
    pageArea_ = build.Rect(kMainPageAreaEntry);
    const RECT status = build.Rect(kMainStatusEntry);
    statusBox_ = {status.left, status.top, status.right, status.bottom};
}

void MainWindow::OnBuildDeferred(const SkinWindowBuilder& build) {
    // Each goes to its place in the table's order, which is the tab order.
    HWND previous = HWND_TOP;
    for (const MainControl& control : kMainControls) {
        if (BuiltAfterFirstFrame(control)) {
            AddControl(build, control);
            SetWindowPos(GetDlgItem(Handle(), control.entry), previous, 0, 0, 0, 0,
                         SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        }
        previous = GetDlgItem(Handle(), control.entry);
    }
    for (const auto& [entry, button] : buttons_) button->ApplyOutline();
    // The icons follow the first frame too: under Wine, handing an icon to
    // the window costs about as much as making a control.
    SetIcons();
}

void MainWindow::SetIcons() {
    const HINSTANCE instance = GetModuleHandleA(nullptr);
    bigIcon_ = static_cast<HICON>(LoadImageA(instance, MAKEINTRESOURCEA(kProgramIcon), IMAGE_ICON,
                                             GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON), LR_SHARED));
    smallIcon_ = static_cast<HICON>(LoadImageA(instance, MAKEINTRESOURCEA(kProgramIcon), IMAGE_ICON,
                                               GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), LR_SHARED));
    SendMessageA(Handle(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(bigIcon_));
    SendMessageA(Handle(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon_));
}

void MainWindow::AddControl(const SkinWindowBuilder& build, const MainControl& control, bool outlineLater) {
    const std::string caption = control.caption ? texts_.Text(control.caption) : std::string();
    if (control.mask)
        buttons_.emplace_back(control.entry,
                              &AddSkinButton(build, control.entry, control.mask, caption, 0, outlineLater));
    else
        AddBitmapButton(build, control.entry, caption);
}

BOOL MainWindow::OnInit() {
    SetWindowTextA(Handle(), names::kOptionWindowTitle);
    // A system menu and a minimise box, so the taskbar can minimise and restore it.
    SetWindowLongPtrA(Handle(), GWL_STYLE, GetWindowLongPtrA(Handle(), GWL_STYLE) | WS_SYSMENU | WS_MINIMIZEBOX);

    statusLine_ = StatusLine(ReadFirmwareVersion(folders_.program, fileLock_), app_version::kText);
    model_.Initialise();
    SetTimer(Handle(), kConnectionCheckTimer, kConnectionCheckPeriodMs, nullptr);
    // The focus goes to the first control when the window is activated;
    // giving it now as well, while the window is hidden, costs a second
    // round of focus messages before the first frame.
    return FALSE;
}

// The pages are built one at a tick of the connection check, the shown one
// first. The first tick comes after the window's first paint: the window
// shows at once, the shown page follows, and the other page is ready before
// the user can ask for it (or is built when asked for).
void MainWindow::BuildNextPage() {
    pagesDue_ = true;
    const int shown = model_.Page();
    const int other = shown == kBasicPage ? kAdvancedPage : kBasicPage;
    if (!pages_[shown])
        ShowPage(shown);
    else if (!pages_[other])
        BuildPage(other);
}

void MainWindow::BuildPage(int page) {
    const PageContext context{model_.Edited(), texts_, folders_, libraries_};
    pages_[page] = makePage_(page, context);
    pages_[page]->CreateChild(Handle(), pageArea_);
    pages_[page]->ShowProfile();
}

// Only the status line is drawn over the background.
RECT MainWindow::PaintOverArea(const RECT&) const {
    return {statusBox_.left, statusBox_.top, statusBox_.right, statusBox_.bottom};
}

void MainWindow::PaintOver(HDC canvas, const RECT&) {
    const int height = GdiTextMeasure(canvas, statusFont_).WrappedHeight(statusLine_, kStatusFont, statusBox_.Width());
    DrawPlacedText(canvas, statusLine_, PlaceText(statusBox_, height, true, TextAlign::Left), kStatusFont,
                   statusFont_);
}

void MainWindow::OnCommand(int id, int, HWND control) {
    const MainControl* main = ControlOfEntry(id);
    // Only the window's own buttons; a page's commands stay on the page.
    if (main && control && GetParent(control) == Handle()) Run(*main);
}

void MainWindow::Run(const MainControl& control) {
    switch (control.command) {
        case MainCommand::ShowBasicPage: model_.ShowPage(kBasicPage); break;
        case MainCommand::ShowAdvancedPage: model_.ShowPage(kAdvancedPage); break;
        case MainCommand::Ok: model_.Ok(); break;
        case MainCommand::Apply: model_.Apply(); break;
        case MainCommand::Cancel:
        case MainCommand::Close: model_.Close(); break;
        case MainCommand::Minimise: ShowWindow(Handle(), SW_MINIMIZE); break;
        case MainCommand::OpenWebSite: OpenReadme(); break;
        case MainCommand::SelectProfile: model_.SelectProfile(control.profile); break;
        case MainCommand::Import: ImportProfile(); break;
        case MainCommand::Export: ExportProfile(); break;
    }
}

bool MainWindow::OnMessage(UINT message, WPARAM wParam, LPARAM, LRESULT& result) {
    result = 0;
    switch (message) {
        case WM_TIMER:
            if (wParam != kConnectionCheckTimer) return false;
            FinishBuilding();
            BuildNextPage();
            model_.CheckConnection();
            return true;
        case WM_CLOSE:
            // Monitor closes this window also while a dialog of it is open.
            CloseOwnedDialogs();
            return false;  // the base ends the window
        case WM_DESTROY:
            KillTimer(Handle(), kConnectionCheckTimer);
            model_.Destroy();
            return true;
        default:
            return model_.HandleMonitorMessage(message);
    }
}

void MainWindow::OpenReadme() const {
    ShellExecuteA(Handle(), "open", (folders_.program + kReadmeFile).c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

void MainWindow::ImportProfile() {
    const auto file = AskProfileFile(Handle(), kImportDialog, folders_.program);
    if (!file) return;
    model_.ImportProfileFile(*file, {folders_.program, fileLock_, texts_, attributes_});
}

void MainWindow::ExportProfile() {
    const auto file = AskProfileFile(Handle(), kExportDialog, folders_.program);
    if (!file) return;
    model_.ExportProfileFile(*file, {folders_.program, fileLock_, texts_, attributes_});
}

void MainWindow::CloseOwnedDialogs() const {
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM owner) -> BOOL {
            if (GetWindow(window, GW_OWNER) == reinterpret_cast<HWND>(owner)) PostMessageA(window, WM_CLOSE, 0, 0);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(Handle()));
}

SkinButton* MainWindow::Button(int entry) const {
    for (const auto& [key, button] : buttons_)
        if (key == entry) return button;
    return nullptr;
}

void MainWindow::SetApplyBusy(bool busy) {
    Button(skin_main::kOk)->Enable(!busy);
    Button(skin_main::kApply)->Enable(!busy);
    if (busy) {
        SetCapture(Handle());
        SetCursor(LoadCursor(nullptr, IDC_WAIT));
    } else {
        if (GetCapture() == Handle()) ReleaseCapture();
        SetCursor(LoadCursor(nullptr, IDC_ARROW));
    }
}

void MainWindow::ShowPage(int page) {
    Button(skin_main::kBasicPage)->SetLatched(page == kBasicPage);
    Button(skin_main::kAdvancedPage)->SetLatched(page == kAdvancedPage);
    if (shownPage_ == page || !pagesDue_) return;
    if (!pages_[page]) BuildPage(page);
    if (shownPage_ >= 0) ShowWindow(pages_[shownPage_]->Handle(), SW_HIDE);
    ShowSkinWindow(pages_[page]->Handle());
    shownPage_ = page;
}

void MainWindow::MarkProfile(int profile) {
    for (int i = 0; i < kProfileCount; ++i) Button(skin_main::kProfile[i])->SetLatched(i == profile);
}

void MainWindow::RefreshPages() {
    for (const auto& page : pages_)
        if (page) page->ShowProfile();
}

void MainWindow::RefreshDpiStage() {
    if (pages_[kBasicPage]) pages_[kBasicPage]->ShowDpiStage();
}

void MainWindow::RefreshPollingRate() {
    if (pages_[kBasicPage]) pages_[kBasicPage]->ShowPollingRate();
}

void MainWindow::ShowMapViewFailed() { MessageBoxA(Handle(), "Could not map view of file.", nullptr, MB_OK); }

void MainWindow::ShowNotConnectedWarning() {
    WarningDialog(folders_.skins, texts_, WarningVariant::D).RunModal(Handle());
}

void MainWindow::KillConnectionCheckTimer() { KillTimer(Handle(), kConnectionCheckTimer); }

void MainWindow::Close() { PostMessageA(Handle(), WM_CLOSE, 0, 0); }

void MainWindow::DestroyPages() {
    for (auto& page : pages_) page.reset();
    shownPage_ = -1;
}

// The window's pictures belong to the dialog base, which deletes them with
// the window itself, after its controls.
void MainWindow::DeleteSkinPictures() {}
