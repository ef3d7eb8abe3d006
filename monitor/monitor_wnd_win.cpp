#include "monitor/monitor_wnd_win.h"

#include "device/event_dispatch.h"
#include "lan/string_ids.h"
#include "monitor/desktop_programs_win.h"
#include "monitor/program_icon_win.h"
#include "profile/message_params.h"
#include "profile/profile_defaults.h"
#include "profile/profile_files.h"
#include "profile/program_folder_win.h"

namespace {

constexpr char kWindowClass[] = "CMonitorWnd";
constexpr int kWindowPosition = 100;
constexpr int kWindowSize = 100;

std::wstring Widen(const std::string& text) {
    if (text.empty()) return {};
    const int n = MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<size_t>(n), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), wide.data(), n);
    return wide;
}

}  // namespace

CMonitorWnd::~CMonitorWnd() {
    if (window_) DestroyWindow(window_);
}

bool CMonitorWnd::Create(HINSTANCE instance) {
    RegisterAttachedClass<CMonitorWnd>(kWindowClass, 0, LoadIconA(instance, MAKEINTRESOURCEA(kProgramIconId)),
                                       LoadCursorA(nullptr, IDC_ARROW));
    // A creation that fails in WM_CREATE destroys the window and returns null.
    return CreateWindowExA(0, kWindowClass, names::kMonitorWindowTitle, WS_POPUP, kWindowPosition,
                           kWindowPosition, kWindowSize, kWindowSize, nullptr, nullptr, instance, this) != nullptr;
}

LRESULT CMonitorWnd::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        return OnCreate() ? 0 : -1;
    case WM_DESTROY:
        OnDestroy();
        PostQuitMessage(0);
        return 0;
    case WM_TIMER:
        if (connection_) connection_->OnTimer(static_cast<unsigned>(wParam));
        return 0;
    case WM_COPYDATA:
        return OnCopyData(*reinterpret_cast<const COPYDATASTRUCT*>(lParam));
    case WM_COMMAND:
        OnCommand(LOWORD(wParam));
        return 0;
    case msg::kApplySettings:
        connection_->OnApplyRequest();
        return 0;
    case msg::kWorkerResult:
        connection_->OnWorkerResult(*ApplyWorker::TakeResult(lParam));
        return 0;
    case msg::kReloadBlock:
        CopyBlockIn();
        return 0;
    case msg::kReloadAndApplyWindows:
        CopyBlockIn();
        ApplyActiveWindowsSettings();
        return 0;
    case msg::kMonitorNoOp:
        return 0;
    case msg::kTrayCallback:
        OnTrayNotify(static_cast<UINT>(lParam));
        return 0;
    case msg::kDeviceEvent:
        DispatchDeviceEvent(*connection_, *texts_, UnpackDeviceEvent(wParam, lParam));
        return 0;
    case msg::kDevicePresence:
        DispatchDeviceEvent(*connection_, *texts_, UnpackPresence(wParam));
        return 0;
    default:
        if (message == TrayIcon::TaskbarCreatedMessage() && tray_) {
            tray_->Restore();
            return 0;
        }
        return DefWindowProcA(window_, message, wParam, lParam);
    }
}

bool CMonitorWnd::OnCreate() {
    programFolder_ = RunningProgramFolder();
    texts_ = std::make_unique<LanguageLibrary>(programFolder_);
    hid_.Load(Widen(programFolder_));
    hid_.SetMonitorTarget(window_, msg::kDeviceEvent, msg::kDevicePresence);
    LoadProfiles();

    tray_ = std::make_unique<TrayIcon>(window_, LoadProgramSmallIcon());
    media_ = std::make_unique<MediaActions>(window_);
    effects_ = std::make_unique<DesktopEffects>(DesktopTargets{window_, programFolder_, fileLock_, *texts_,
                                                               mouseSettings_, block_, *tray_, worker_, *media_});
    connection_ = std::make_unique<MonitorConnection>(local_, *effects_, hid_, windowClock_);
    connection_->LoadOsdSettings();

    // A block mutex that already exists belongs to another Monitor.
    if (!block_.CreateBlockMutex()) return false;
    if (block_.CreateBlock()) block_.CopyOut(local_);
    worker_.Start(*connection_, hid_, window_);
    SetWindowLongPtrA(window_, GWL_EXSTYLE, GetWindowLongPtrA(window_, GWL_EXSTYLE) | WS_EX_TOOLWINDOW);
    connection_->ConnectAtStartup(openOption_);
    ApplyActiveWindowsSettings();
    siblings_.Start(programFolder_);
    return true;
}

void CMonitorWnd::LoadProfiles() {
    ResetSharedProfiles(local_);
    const ProfileStorage storage{programFolder_, fileLock_, *texts_, mouseSettings_};
    if (LoadAllProfiles(local_, storage) != 1) {
        ResetSharedProfiles(local_);
        BuildDefaultProfiles(local_, *texts_);
    }
}

void CMonitorWnd::OnDestroy() {
    if (effects_) {
        effects_->KillTimer(msg::kTimerForegroundCheck);
        effects_->KillTimer(msg::kTimerReadDeviceState);
        effects_->CloseOption();
    }
    siblings_.Close();
    worker_.Stop();
    hid_.Shutdown();
    block_.Release();
    if (tray_) tray_->Remove();
    // The dispatch reads texts; nothing dispatches after this point.
    connection_.reset();
    effects_.reset();
    texts_.reset();
}

void CMonitorWnd::OnCommand(unsigned id) {
    if (id == msg::kCommandOpenOption) {
        effects_->OpenOption();
    } else if (id == msg::kCommandExitMonitor) {
        PostMessageA(window_, WM_CLOSE, 0, 0);
    }
}

LRESULT CMonitorWnd::OnCopyData(const COPYDATASTRUCT& data) {
    if (data.cbData == msg::kNoticeCopyDataSize && data.lpData) {
        effects_->StoreNoticeText(UnpackCopyDataNotice(static_cast<const uint8_t*>(data.lpData), data.cbData));
        if (connection_->State() == ConnectionState::Connected)
            effects_->PostToOsd(msg::kOsdShow, msg::kOsdShowMessage, 0);
    }
    return 1;
}

void CMonitorWnd::OnTrayNotify(UINT mouseMessage) {
    switch (mouseMessage) {
    case WM_LBUTTONDOWN:
        effects_->OpenOption();
        RaiseLastActivePopup();
        break;
    case WM_LBUTTONDBLCLK:
        effects_->Trace("OnSystrayNotify WM_LBUTTONDBLCLK\n");
        effects_->OpenOption();
        break;
    case WM_RBUTTONDOWN:
        SetForegroundWindow(GetLastActivePopup(window_));
        tray_->ShowMenu(texts_->Text(str::kTrayOpenOption), texts_->Text(str::kTrayExit));
        break;
    default:
        break;
    }
}

void CMonitorWnd::RaiseLastActivePopup() const {
    HWND popup = GetLastActivePopup(window_);
    if (IsIconic(popup)) ShowWindow(popup, SW_RESTORE);
    SetForegroundWindow(popup);
    SetActiveWindow(popup);
}

void CMonitorWnd::ApplyActiveWindowsSettings() {
    if (Profile* active = ActiveProfile(local_)) effects_->ApplyWindowsMouseSettings(*active);
}

void CMonitorWnd::CopyBlockIn() { block_.CopyIn(local_); }
