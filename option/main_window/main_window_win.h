// Option's main window: the skinned dialog that holds the page and profile
// buttons, OK, Apply and Cancel, and the two pages, and that Monitor talks
// to by its title. Its rules live in MainWindowModel; this class moves
// clicks, timer ticks and Monitor's messages to the model and carries out
// what the model asks of its view.
//
//   MainWindow main(folders, texts, stores);
//   main.RunModal(nullptr);               // until OK, Cancel, close or WM_CLOSE
#pragma once

#include <array>
#include <functional>
#include <memory>

#include "option/main_window/main_window_controls.h"
#include "option/main_window/main_window_model.h"
#include "option/main_window/monitor_link_win.h"
#include "option/main_window/option_page_win.h"
#include "option/profile_exchange/file_attributes_win.h"
#include "option/warning/dialog_text_win.h"
#include "profile/file_lock_win.h"
#include "profile/mouse_settings_win.h"
#include "shell/skin_dialog_win.h"

// Makes page 0 (button assignment) or page 1 (advanced settings).
using PageFactory = std::function<std::unique_ptr<OptionPage>(int page, const PageContext& context)>;
// Blank skinned pages: the window alone, for tests and measurements.
std::unique_ptr<OptionPage> MakeBlankPage(int page, const PageContext& context);

class MainWindow final : public SkinDialog, private MainWindowView {
public:
    MainWindow(const OptionFolders& folders, const TextSource& texts, LibraryStores& libraries,
               PageFactory pages = MakeBlankPage);
    ~MainWindow() override;

private:
    void OnBuild(const SkinWindowBuilder& build) override;
    void OnBuildDeferred(const SkinWindowBuilder& build) override;
    void AddControl(const SkinWindowBuilder& build, const MainControl& control, bool outlineLater = false);
    void SetIcons();
    BOOL OnInit() override;
    void OnCommand(int id, int code, HWND control) override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    void PaintOver(HDC canvas, const RECT& client) override;
    RECT PaintOverArea(const RECT& client) const override;

    void BuildNextPage();
    void BuildPage(int page);
    void Run(const MainControl& control);
    void OpenReadme() const;
    void ImportProfile();
    void ExportProfile();
    // Modal dialogs of this window go first when the window is asked to close.
    void CloseOwnedDialogs() const;
    SkinButton* Button(int entry) const;

    // MainWindowView
    void SetApplyBusy(bool busy) override;
    void ShowPage(int page) override;
    void MarkProfile(int profile) override;
    void RefreshPages() override;
    void RefreshDpiStage() override;
    void RefreshPollingRate() override;
    void ShowMapViewFailed() override;
    void ShowNotConnectedWarning() override;
    void KillConnectionCheckTimer() override;
    void Close() override;
    void DestroyPages() override;
    void DeleteSkinPictures() override;

    const OptionFolders& folders_;
    const TextSource& texts_;
    LibraryStores& libraries_;
    PageFactory makePage_;
    NamedMutexFileLock fileLock_;
    RegistryMouseSettings mouseSettings_;
    ProgramFolderStorage storage_;
    MonitorWindowLink monitor_;
    PlatformFileAttributes attributes_;
    MainWindowModel model_;
    std::vector<std::pair<int, SkinButton*>> buttons_;  // by layout entry
    RECT pageArea_{};
    SkinRect statusBox_{};
    std::string statusLine_;  // firmware and program version
    DialogFonts statusFont_;
    std::array<std::unique_ptr<OptionPage>, 2> pages_;
    bool pagesDue_ = false;  // from the first tick on, after the first paint
    int shownPage_ = -1;
    HICON bigIcon_ = nullptr;    // shared resource icons: not destroyed
    HICON smallIcon_ = nullptr;
};
