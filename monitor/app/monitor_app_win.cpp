// Monitor.exe: the single-instance application object that runs the hidden
// monitor window until it is closed.
#include <windows.h>
#include <objbase.h>

#include <memory>

#include "monitor/monitor_wnd_win.h"
#include "monitor/start_options.h"
#include "profile/messages.h"

namespace {

class CMonitorApp {
public:
    explicit CMonitorApp(const char* commandLine) : openOption_(OpenOptionRequested(commandLine ? commandLine : "")) {}

    int Run(HINSTANCE instance) {
        instanceMutex_ = CreateMutexA(nullptr, FALSE, names::kMonitorInstanceMutex);
        if (instanceMutex_ && GetLastError() == ERROR_ALREADY_EXISTS) {
            CloseHandle(instanceMutex_);
            instanceMutex_ = nullptr;
            AskRunningMonitorToOpenOption();
            return 0;
        }
        comReady_ = SUCCEEDED(CoInitialize(nullptr));
        window_ = std::make_unique<CMonitorWnd>(openOption_);
        if (!window_->Create(instance)) {
            Trace("window creation failed");
            return 1;
        }
        MSG message;
        while (GetMessageA(&message, nullptr, 0, 0) > 0) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
        return static_cast<int>(message.wParam);
    }

    // The window may still hold COM objects; COM goes after it.
    ~CMonitorApp() {
        window_.reset();
        if (comReady_) CoUninitialize();
        if (instanceMutex_) {
            ReleaseMutex(instanceMutex_);
            CloseHandle(instanceMutex_);
        }
    }

private:
    void AskRunningMonitorToOpenOption() const {
        if (!openOption_) return;
        if (HWND running = FindWindowA(nullptr, names::kMonitorWindowTitle))
            PostMessageA(running, WM_COMMAND, msg::kCommandOpenOption, 0);
    }

    static void Trace(const char* text) {
        char line[128];
        wsprintfA(line, "CMonitorApp: %s\n", text);
        OutputDebugStringA(line);
    }

    bool openOption_;
    HANDLE instanceMutex_ = nullptr;
    bool comReady_ = false;
    std::unique_ptr<CMonitorWnd> window_;
};

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int) {
    CMonitorApp app(commandLine);
    return app.Run(instance);
}
