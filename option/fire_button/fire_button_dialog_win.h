// The repeated-click dialog ("FireClick Dialog", skin_fire_button.ini): the
// click count, the interval and the key, on FireClickFields. The key field
// captures every key of the desktop, but only while it has the focus, so
// the two number fields can be typed in.
//
//   FireButtonDialog dialog(skinsFolder, texts, seed);
//   if (dialog.RunModal(page) == IDOK) values = dialog.Values();
#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "option/fire_button/fire_click_fields.h"
#include "option/main_window/option_page_win.h"
#include "option/warning/dialog_text_win.h"
#include "option/warning/warning_dialog_win.h"
#include "profile/text_source.h"
#include "shell/skin_dialog_win.h"

class FireButtonDialog : public SkinDialog {
public:
    FireButtonDialog(std::string skinsFolder, const TextSource& texts, const RepeatedClickValues& seed);
    // Destroys an open dialog while this class still answers its
    // WM_DESTROY, which ends a capture in place.
    ~FireButtonDialog() override;

    RepeatedClickValues Values() const { return fields_.Values(); }

protected:
    void OnBuild(const SkinWindowBuilder& build) override;
    BOOL OnInit() override;
    void OnCommand(int id, int code, HWND control) override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    void PaintOver(HDC canvas, const RECT& client) override;

private:
    BitmapEdit& AddField(const SkinWindowBuilder& build, int entry, DWORD style);
    void Correct(HWND field, const std::optional<std::string>& shown);
    void ShowKey(std::string_view name);

    const TextSource& texts_;
    FireClickFields fields_;
    DialogFonts fonts_;
    HWND count_ = nullptr;
    HWND interval_ = nullptr;
    HWND key_ = nullptr;
};

// Runs the dialog over `owner`; the values on OK, nothing on Cancel.
std::optional<RepeatedClickValues> RunFireButtonDialog(HWND owner, const PageContext& context,
                                                       const RepeatedClickValues& seed);
