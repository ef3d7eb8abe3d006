// The advanced settings page on the platform (skin_advance_setting.ini):
// the macro editor with its recorder, and the pointer, wheel and
// double-click controls. MacroEditorModel and PointerSettingsModel hold
// every rule; this class shows their state and hands them the user's
// clicks, the captured keys and the dialogs' answers.
//
//   pages_[kAdvancedPage] = std::make_unique<AdvancedPage>(context);
//   pages_[kAdvancedPage]->CreateChild(mainWindow, area);
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "keys/spin_edit_win.h"
#include "option/advanced_page/macro_editor_commands.h"
#include "option/advanced_page/macro_editor_model.h"
#include "option/advanced_page/macro_editor_menus_win.h"
#include "option/advanced_page/macro_file_dialogs.h"
#include "option/advanced_page/pointer_settings_model.h"
#include "option/main_window/option_page_win.h"

// HOOK for the advanced pattern dialog: runs it modally over `owner` and
// returns true when it ended with OK (the page then saves the pattern
// library, else reloads it to drop the dialog's changes). While it is
// empty the advanced-patterns button stays disabled.
using AdvancedPatternDialog = std::function<bool(HWND owner, const PageContext& context)>;

class AdvancedPage final : public OptionPage, private MacroEditorHost, private PointerSettingsHost {
public:
    explicit AdvancedPage(const PageContext& context, AdvancedPatternDialog patterns = {});
    ~AdvancedPage() override;

    void ShowProfile() override;

    const MacroEditorModel& Editor() const { return editor_; }

private:
    void OnBuild(const SkinWindowBuilder& build) override;
    BOOL OnInit() override;
    void OnCommand(int id, int code, HWND control) override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

    void BuildEditor(const SkinWindowBuilder& build);
    void BuildPointerControls(const SkinWindowBuilder& build);
    void PlaceLabels(const SkinWindowBuilder& build);
    void PaintOver(HDC canvas, const RECT& client) override;
    SkinBitmapButton& AddButton(const SkinWindowBuilder& build, int entry, int caption, int textMode);
    SkinBitmapButton& AddOption(const SkinWindowBuilder& build, int entry, int caption);
    SliderTrack* AddRangeSlider(const SkinWindowBuilder& build, int entry, int id, ControlRange range);
    SpinEdit& AddSpin(const SkinWindowBuilder& build, int entry, int id, ControlRange range);

    // The editor's state onto the controls.
    void ShowTree();
    void ShowEvents();
    void ShowRecording();
    void ShowPointer();
    void OnButton(HWND control);
    void OnContextMenu(int listId);
    // Tree commands 1055 to 1058: the file dialog, then the editor's exchange.
    void RunFileCommand(int command, const MacroFileDialog& dialog);
    void OnValueEdited(int row);
    void OnRepeatCount();
    void RunAdvancedPatterns();

    // MacroEditorHost
    uint32_t TickCount() override;
    void InstallKeyCapture() override;
    void RemoveKeyCapture() override;
    std::optional<std::string> AskName(NameMode mode, int group) override;
    bool Warn(WarningVariant variant, int kind) override;
    void SaveMacros() override;
    void RefreshButtonCaptions() override;
    // PointerSettingsHost
    void SetDoubleClickTime(int32_t milliseconds) override;
    bool ConfirmRestoreDefaults() override;
    void ProfilesRestored() override;

    AdvancedPatternDialog patterns_;
    MacroEditorModel editor_;
    PointerSettingsModel pointer_;
    MacroEditorMenus menus_;

    SkinListBox* tree_ = nullptr;
    SkinListBox* events_ = nullptr;
    SkinBitmapButton* record_ = nullptr;
    SkinBitmapButton* stop_ = nullptr;
    SkinBitmapButton* recordDelays_ = nullptr;
    SkinBitmapButton* spareButtons_[3] = {};
    BitmapEdit* repeatCount_ = nullptr;
    SkinBitmapButton* acceleration_ = nullptr;
    SkinBitmapButton* onePage_ = nullptr;
    SkinBitmapButton* synchronise_ = nullptr;
    SkinBitmapButton* restore_ = nullptr;
    SkinBitmapButton* advancedPatterns_ = nullptr;
    SliderTrack* pointerSlider_ = nullptr;
    SliderTrack* wheelSlider_ = nullptr;
    SliderTrack* doubleClickSlider_ = nullptr;
    SliderTrack* xSlider_ = nullptr;
    SliderTrack* ySlider_ = nullptr;
    SpinEdit* pointerField_ = nullptr;
    SpinEdit* wheelField_ = nullptr;
    std::vector<std::pair<RECT, std::string>> labels_;
    UniqueFont labelFont_;
};
