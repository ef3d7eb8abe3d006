// The gun library dialog (skin_qiangxieku.ini) and the advanced pattern
// dialog (skin_gaoji_qiangxieku.ini): one skinned window on
// PatternLibraryModel. The list with its context menu, the step editor
// (eight rows of three spin fields), the step-count menu, the repeat field,
// the colour swatch (system colour chooser) and the locked export serve
// both; the gun library adds the gun mode options, the three mode buttons
// and the value field.
//
//   PatternLibraryDialog dialog({skins, programFolder, texts, names}, store, PatternLibrary::Gun, seed,
//                               [&] { libraries.SaveGuns(); });
//   if (dialog.RunModal(page) == IDOK) use(dialog.Model().Selected(), dialog.Model().GunMode());
#pragma once

#include <windows.h>

#include <array>
#include <functional>
#include <string>

#include "keys/spin_edit_win.h"
#include "option/option_stores.h"
#include "option/pattern_library/pattern_library_model.h"
#include "option/warning/dialog_text_win.h"
#include "profile/text_source.h"
#include "shell/skin_dialog_win.h"

struct PatternDialogPlace {
    std::string skinsFolder;    // ends with a backslash
    std::string programFolder;  // ends with a backslash; the file dialogs open beside config\.
    const TextSource& texts;
    const OptionStores& names;  // what the name dialog checks
};

class PatternLibraryDialog : public SkinDialog, private PatternLibraryHost {
public:
    // `changed` runs after every change of the library in memory.
    PatternLibraryDialog(const PatternDialogPlace& place, GunStore& store, PatternLibrary library,
                         const PatternSeed& seed, std::function<void()> changed);

    const PatternLibraryModel& Model() const { return model_; }

protected:
    void OnBuild(const SkinWindowBuilder& build) override;
    BOOL OnInit() override;
    void OnCommand(int id, int code, HWND control) override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    void PaintOver(HDC canvas, const RECT& client) override;

private:
    std::optional<std::string> AskName(NameMode mode, int folder) override;
    bool ConfirmDelete(int kind) override;
    void Changed() override { changed_(); }

    bool IsGunLibrary() const { return library_ == PatternLibrary::Gun; }
    void BuildStepRows(const SkinWindowBuilder& build);
    void BuildGunControls(const SkinWindowBuilder& build);
    BitmapEdit& AddNumberField(const SkinWindowBuilder& build, int entry);
    void FillList();
    void ShowEntry();
    void SetFieldText(HWND field, const std::string& text);
    void OpenContextMenu();
    void OpenStepCountMenu();
    void ChooseColour();
    void RunFileCommand(int command);
    void ExportLocked();
    void Typed(HWND field);

    PatternDialogPlace place_;
    PatternLibrary library_;
    std::function<void()> changed_;
    PatternLibraryModel model_;
    DialogFonts fonts_;
    bool showing_ = false;  // the fields are being set from the model
    SkinListBox* list_ = nullptr;
    SkinBitmapButton* stepCount_ = nullptr;
    SkinColourButton* swatch_ = nullptr;
    SkinBitmapButton* lockedExport_ = nullptr;
    HWND repeat_ = nullptr;
    HWND value_ = nullptr;  // gun library only
    std::array<SkinBitmapButton*, 2> gunModes_{};
    std::array<SkinBitmapButton*, kGunModeCount> modeButtons_{};
    std::array<std::array<SpinEdit*, 3>, kGunStepCount> steps_{};
    std::array<SkinRect, 3> columnHeadings_{};
    std::array<SkinRect, kGunStepCount> rowNumbers_{};
    COLORREF customColours_[16] = {};
};
