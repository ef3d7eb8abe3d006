// Option.exe as the user meets it: started twice or from elsewhere, its
// not-connected warning, the profile buttons, Apply with and without
// Monitor, Monitor closing it, and the profile import and export.
#include <gtest/gtest.h>

#include "profile/messages.h"
#include "shell/gallery/gallery_screenshot_win.h"
#include "skins/skin_entries.h"
#include "tests/option/app/option_program_win.h"

using namespace e2e;

namespace {

constexpr int kFilenameBox = 0x47c;  // the file dialogs' name field (cmb13)

bool Enabled(int entry) { return IsWindowEnabled(GetDlgItem(OptionProgram::MainWindow(), entry)) != FALSE; }

// Types `path` into the open or save dialog of `owner` and confirms it.
void ChooseFile(HWND owner, const std::string& path) {
    const HWND dialog = OptionProgram::WaitForDialogOf(owner);
    ASSERT_NE(dialog, nullptr);
    SetDlgItemTextA(dialog, kFilenameBox, path.c_str());
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
}

// The key names of a profile file, in order.
std::vector<std::string> KeysOf(const std::string& text) {
    std::vector<std::string> keys;
    size_t start = 0;
    while (start < text.size()) {
        const size_t end = text.find('\n', start);
        const std::string line = text.substr(start, end == std::string::npos ? std::string::npos : end - start);
        keys.push_back(line.substr(0, line.find('=')));
        if (end == std::string::npos) break;
        start = end + 1;
    }
    return keys;
}

class OptionProgramTest : public ::testing::Test {
protected:
    // Plugs the mouse and starts Monitor; returns once Monitor has read the
    // mouse's state and saved it (the last step of connecting).
    void StartConnectedMonitor() {
        option.Folder().MouseCtl("plug");
        ASSERT_TRUE(option.Folder().StartMonitor());
        ASSERT_TRUE(WaitFor([&] {
            for (const std::string& exchange : option.Folder().MouseExchanges())
                if (exchange.rfind("SET 01 88 02", 0) == 0) return true;
            return false;
        }, 20s));
    }

    OptionProgram option;
};

// A picture of the main window with its first page, in the build folder.
TEST_F(OptionProgramTest, MainWindowScreenshot) {
    const HWND main = option.StartAndWait();
    ASSERT_NE(main, nullptr);
    // The pages come after the window's first paint, as children of it.
    ASSERT_TRUE(WaitFor([&] {
        HWND page = nullptr;
        while ((page = FindWindowExA(main, page, "#32770", nullptr)))
            if (IsWindowVisible(page)) return true;
        return false;
    }));
    RedrawWindow(main, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    RECT r{};
    GetWindowRect(main, &r);
    EXPECT_TRUE(SaveScreenRect(r, OPTION_SHOT));
}

TEST_F(OptionProgramTest, SecondStartEndsSilentlyLeavingOneMainWindow) {
    ASSERT_NE(option.StartAndWait(), nullptr);
    const HANDLE second = option.Start();
    ASSERT_NE(second, nullptr);
    ASSERT_EQ(WaitForSingleObject(second, 10000), WAIT_OBJECT_0);
    DWORD code = 1;
    GetExitCodeProcess(second, &code);
    EXPECT_EQ(code, 0u);
    EXPECT_EQ(OptionProgram::MainWindowCount(), 1);
}

TEST_F(OptionProgramTest, FindsItsSkinsWhenStartedFromAnotherFolder) {
    char elsewhere[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, elsewhere);
    ASSERT_NE(option.Start(elsewhere), nullptr);
    ASSERT_TRUE(WaitFor([] { return OptionProgram::MainWindow() != nullptr; }));
    // The window takes the size of its skin's background picture.
    RECT r{};
    ASSERT_TRUE(WaitFor([&] {
        GetWindowRect(OptionProgram::MainWindow(), &r);
        return r.right - r.left == 960 && r.bottom - r.top == 636;
    }));
    EXPECT_TRUE(WaitFor([] { return IsWindowVisible(GetDlgItem(OptionProgram::MainWindow(), skin_main::kOk)); }));
}

TEST_F(OptionProgramTest, MonitorStartsOptionBesideItAndRaisesItInsteadOfASecond) {
    option.Folder().MouseCtl("plug");
    ASSERT_TRUE(option.Folder().StartMonitor("1"));
    ASSERT_TRUE(WaitFor([] { return OptionProgram::MainWindow() && IsWindowVisible(OptionProgram::MainWindow()); }, 20s));
    // The mouse's open-Option button while Option runs.
    option.Folder().MouseCtl("press open-option");
    ShowWindow(OptionProgram::MainWindow(), SW_MINIMIZE);
    ASSERT_TRUE(WaitFor([] { return IsIconic(OptionProgram::MainWindow()); }));
    option.Folder().MouseCtl("press open-option");
    EXPECT_TRUE(WaitFor([] { return !IsIconic(OptionProgram::MainWindow()); }));
    EXPECT_EQ(OptionProgram::MainWindowCount(), 1);
}

TEST_F(OptionProgramTest, NotConnectedWarningShowsOnceWhenMonitorWroteNoDevice) {
    option.SetDevice(0);
    const HWND main = option.StartAndWait();
    ASSERT_NE(main, nullptr);
    const HWND warning = OptionProgram::WaitForDialogOf(main);
    ASSERT_NE(warning, nullptr);
    EXPECT_EQ(OptionProgram::DialogsOf(main).size(), 1u);
    EXPECT_FALSE(IsWindowEnabled(main));  // modal
    OptionProgram::ClickEntry(warning, "skin_warn.ini", skin_warn::kOk);
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(warning); }));
    // The window works on, without a second warning: an apply saves the files.
    option.ClickMain(skin_main::kProfile[3]);
    option.ClickMain(skin_main::kApply);
    ASSERT_TRUE(WaitFor([&] { return option.Folder().ConfigValue("Setting", "CurrentProfile") == "3"; }));
    EXPECT_TRUE(OptionProgram::DialogsOf(main).empty());
}

TEST_F(OptionProgramTest, MonitorsCloseEndsOptionEvenWithTheWarningOpen) {
    option.SetDevice(0);
    const HWND main = option.StartAndWait();
    ASSERT_NE(main, nullptr);
    ASSERT_NE(OptionProgram::WaitForDialogOf(main), nullptr);
    DWORD process = 0;
    GetWindowThreadProcessId(main, &process);
    PostMessageA(main, WM_CLOSE, 0, 0);  // as Monitor does when the mouse goes
    EXPECT_TRUE(WaitFor([&] { return !IsWindow(main); }));
    HANDLE running = OpenProcess(SYNCHRONIZE, FALSE, process);
    EXPECT_TRUE(!running || WaitForSingleObject(running, 10000) == WAIT_OBJECT_0);
    if (running) CloseHandle(running);
}

TEST_F(OptionProgramTest, ProfileButtonsThenCancelLeaveMonitorsBlockAndTheFilesAlone) {
    StartConnectedMonitor();
    SharedBlock before{};
    ASSERT_TRUE(WaitFor([&] { return ReadSharedBlock(before); }));
    const std::string config = option.FileText("config.ini");
    const std::string profile0 = option.FileText("config\\Default0.gmp");
    ASSERT_NE(option.StartAndWait(), nullptr);
    option.ClickMain(skin_main::kProfile[4]);
    option.ClickMain(skin_main::kProfile[2]);
    option.ClickMain(skin_main::kCancel);
    ASSERT_TRUE(WaitFor([] { return OptionProgram::MainWindow() == nullptr; }));
    SharedBlock after{};
    ASSERT_TRUE(ReadSharedBlock(after));
    EXPECT_EQ(after.CurrentProfile, before.CurrentProfile);
    EXPECT_TRUE(option.FileText("config.ini") == config);
    EXPECT_TRUE(option.FileText("config\\Default0.gmp") == profile0);
}

TEST_F(OptionProgramTest, ApplyWithMonitorReachesTheMouseAndReenablesOnItsAnswer) {
    StartConnectedMonitor();
    ASSERT_NE(option.StartAndWait(), nullptr);
    const size_t exchangesBefore = option.Folder().MouseExchanges().size();
    option.ClickMain(skin_main::kProfile[3]);
    option.ClickMain(skin_main::kApply);
    SharedBlock block{};
    ASSERT_TRUE(WaitFor([&] { return ReadSharedBlock(block) && block.CurrentProfile == 3; }));
    // The block is filled before the files are saved.
    EXPECT_TRUE(WaitFor([&] { return option.Folder().ConfigValue("Setting", "CurrentProfile") == "3"; }));
    ASSERT_TRUE(WaitFor([&] { return option.Folder().MouseExchanges().size() > exchangesBefore; }, 20s));
    EXPECT_TRUE(WaitFor([] { return Enabled(skin_main::kOk) && Enabled(skin_main::kApply); }, 20s));
}

// A Monitor that takes the apply request and does not answer yet.
class SilentMonitor {
public:
    SilentMonitor() {
        WNDCLASSA wc{};
        wc.lpfnWndProc = [](HWND w, UINT m, WPARAM wp, LPARAM lp) -> LRESULT {
            if (m == msg::kApplySettings) ++requests;
            return DefWindowProcA(w, m, wp, lp);
        };
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = "SilentMonitor";
        RegisterClassA(&wc);
        window = CreateWindowA("SilentMonitor", names::kMonitorWindowTitle, WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                               wc.hInstance, nullptr);
    }
    ~SilentMonitor() { DestroyWindow(window); }
    bool Pump() {
        MSG m;
        while (PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&m);
        return true;
    }
    HWND window;
    static inline int requests = 0;
};

TEST_F(OptionProgramTest, OkAndApplyStayDisabledUntilMonitorAnswers) {
    SilentMonitor monitor;
    ASSERT_NE(option.StartAndWait(), nullptr);
    option.ClickMain(skin_main::kApply);
    ASSERT_TRUE(WaitFor([&] { return monitor.Pump() && SilentMonitor::requests == 1; }));
    // The request is posted after the buttons were disabled; they stay so.
    EXPECT_FALSE(Enabled(skin_main::kOk));
    EXPECT_FALSE(Enabled(skin_main::kApply));
    PostMessageA(OptionProgram::MainWindow(), msg::kApplyFinished, 0, 0);
    ASSERT_TRUE(WaitFor([] { return Enabled(skin_main::kOk) && Enabled(skin_main::kApply); }));
    monitor.Pump();
    EXPECT_EQ(SilentMonitor::requests, 1);
}

TEST_F(OptionProgramTest, ApplyWithoutMonitorSavesTheFilesAndReenablesAtOnce) {
    ASSERT_NE(option.StartAndWait(), nullptr);
    option.ClickMain(skin_main::kProfile[2]);
    option.ClickMain(skin_main::kApply);
    ASSERT_TRUE(WaitFor([&] { return option.Folder().ConfigValue("Setting", "CurrentProfile") == "2"; }));
    EXPECT_TRUE(WaitFor([] { return Enabled(skin_main::kOk) && Enabled(skin_main::kApply); }, 2s));
}

TEST_F(OptionProgramTest, RemovingTheMouseClosesOption) {
    StartConnectedMonitor();
    const HWND main = option.StartAndWait();
    ASSERT_NE(main, nullptr);
    option.Folder().MouseCtl("unplug");
    EXPECT_TRUE(WaitFor([&] { return !IsWindow(main); }, 15s));
}

TEST_F(OptionProgramTest, ImportIntoProfileOneReplacesItsFileAndHidesIt) {
    // The file to import: profile 3's file under another name.
    const std::string chosen = option.Path() + "exchange.gmp";
    ASSERT_TRUE(CopyFileA((option.Path() + "config\\Default3.gmp").c_str(), chosen.c_str(), FALSE));
    const HWND main = option.StartAndWait();
    ASSERT_NE(main, nullptr);
    option.ClickMain(skin_main::kProfile[0]);
    option.ClickMain(skin_main::kImport);
    ChooseFile(main, chosen);
    const std::string target = option.Path() + "config\\Default0.gmp";
    ASSERT_TRUE(WaitFor([&] { return option.FileText("config\\Default0.gmp") == option.FileText("exchange.gmp"); }));
    EXPECT_TRUE(GetFileAttributesA(target.c_str()) & FILE_ATTRIBUTE_HIDDEN);
    EXPECT_TRUE(WaitFor([&] { return OptionProgram::DialogsOf(main).empty(); }));
}

TEST_F(OptionProgramTest, ExportOverAnExistingFileLeavesOnlyTheProfilesKeys) {
    const std::string chosen = option.Path() + "old.gmp";
    WritePrivateProfileStringA("Leftover", "Stale", "1", chosen.c_str());
    const HWND main = option.StartAndWait();
    ASSERT_NE(main, nullptr);
    option.ClickMain(skin_main::kExport);
    ChooseFile(main, chosen);
    // The platform asks before replacing the file: yes.
    HWND question = nullptr;
    ASSERT_TRUE(WaitFor([&] {
        for (HWND dialog : OptionProgram::DialogsOf(main))
            for (HWND owned : OptionProgram::DialogsOf(dialog)) question = owned;
        return question != nullptr;
    }));
    PostMessageA(question, WM_COMMAND, MAKEWPARAM(IDYES, BN_CLICKED), 0);
    ASSERT_TRUE(WaitFor([&] { return option.FileText("old.gmp").find("Stale") == std::string::npos; }));
    EXPECT_EQ(KeysOf(option.FileText("old.gmp")), KeysOf(option.FileText("config\\Default0.gmp")));
}

}  // namespace
