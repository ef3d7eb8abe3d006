// The base of every skinned dialog window: built from an in-memory template
// (no resource script), bound to its object at WM_INITDIALOG, sized, filled
// with controls and shaped from one skin layout file, painted off-screen in
// one step, dragged by its background, with a per-dialog Enter/Escape policy.
//
// A dialog derives from SkinDialog, adds its controls by layout entry number
// in OnBuild (the entry number is the control id unless given), answers their
// clicks in OnCommand and ends itself with End:
//
//   class ConfirmDialog : public SkinDialog {
//   public:
//       explicit ConfirmDialog(const std::string& skins) : SkinDialog(skins, "skin_warn.ini") {}
//   protected:
//       void OnBuild(const SkinWindowBuilder& build) override {
//           AddSkinButton(build, 1, "ok_mask.bmp", "OK");
//           AddSkinButton(build, 2, "cancel_mask.bmp", "Cancel");
//           AddBitmapButton(build, 3);
//       }
//       void OnCommand(int id, int, HWND) override { End(id == 1 ? IDOK : IDCANCEL); }
//       void PaintOver(HDC canvas, const RECT& client) override { /* texts on the background */ }
//   };
//   ConfirmDialog dialog(skins);
//   if (dialog.RunModal(owner) == IDOK) ...
//
// Enter and Escape are swallowed unless SetKeys says otherwise; a control
// that asks for every key (DLGC_WANTALLKEYS, e.g. a rename field) still gets
// them. WM_CLOSE ends the dialog with IDCANCEL.
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "shell/bitmap_edit_win.h"
#include "shell/skin_bitmap_button_win.h"
#include "shell/skin_button_win.h"
#include "shell/skin_layout_win.h"
#include "shell/skin_list_box_win.h"
#include "shell/skin_window_win.h"
#include "shell/slider_win.h"

// What Enter and Escape do in a dialog (pressed outside a control that wants
// them).
struct DialogKeys {
    bool enterEndsWithOk = false;
    bool escapeEndsWithCancel = false;
};

class SkinDialog {
public:
    // `skinsFolder` ends with a backslash; `layoutFile` is e.g. "skin_warn.ini".
    SkinDialog(std::string skinsFolder, std::string layoutFile);
    virtual ~SkinDialog();
    SkinDialog(const SkinDialog&) = delete;
    SkinDialog& operator=(const SkinDialog&) = delete;

    void SetKeys(DialogKeys keys) { keys_ = keys; }

    // Shows the dialog and handles messages until End; the owner is disabled
    // meanwhile. Returns End's result, or -1 when the dialog could not be made.
    INT_PTR RunModal(HWND owner);
    // Creates the dialog without waiting: a popup owned by `owner`, shown.
    // The caller's message loop passes its messages through PreTranslate.
    HWND Create(HWND owner);
    // Creates the dialog as a hidden child of `parent`, placed at `area`
    // (the layout puts it at its own origin; the parent decides where it
    // goes), for the parent to show: shown before it is placed, it would
    // flash at the origin.
    HWND CreateChild(HWND parent, const RECT& area);
    // Applies the Enter/Escape policy and the dialog keyboard handling to
    // `msg`; true when it was handled and must not be dispatched.
    bool PreTranslate(MSG& msg);

    HWND Handle() const { return window_; }
    const SkinWindowPictures& Pictures() const { return pictures_; }

protected:
    // Adds the controls; the window already has its layout size.
    virtual void OnBuild(const SkinWindowBuilder& build) = 0;
    // After the controls and the outline; the WM_INITDIALOG answer.
    virtual BOOL OnInit() { return TRUE; }
    // A control's command (WM_COMMAND: id, notification code, control).
    virtual void OnCommand(int id, int code, HWND control);
    // Draws on the background, in the off-screen canvas, before it is shown.
    virtual void PaintOver(HDC canvas, const RECT& client);
    // The part of the client area PaintOver draws on: only that part is
    // composed off-screen, and the rest of the background is copied to the
    // window directly. The whole client area unless a dialog says otherwise.
    virtual RECT PaintOverArea(const RECT& client) const { return client; }
    // Any other message, first; true with `result` set when handled.
    virtual bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

    // Controls that look exactly like the background until they are used (no
    // caption, not latched) need not hold up the first frame: OnBuild calls
    // DeferControls, and FinishBuilding, called once the dialog has painted,
    // hands the same layout and sheets to OnBuildDeferred. Only the first
    // call of FinishBuilding builds anything.
    void DeferControls() { deferControls_ = true; }
    void FinishBuilding();
    virtual void OnBuildDeferred(const SkinWindowBuilder&) {}

    // Ends a modal dialog with `result` (a modeless one is destroyed).
    void End(INT_PTR result);
    // Puts the dialog in the middle of its owner.
    void CentreOnOwner();

    // Controls at their layout entry, owned by the dialog, pictures cut from
    // the layout's sheets. `id` 0 means the entry number.
    // `outlineLater`: see SkinButton::Create.
    SkinButton& AddSkinButton(const SkinWindowBuilder& build, int entry, const char* maskFile,
                              const std::string& caption, int id = 0, bool outlineLater = false);
    SkinBitmapButton& AddBitmapButton(const SkinWindowBuilder& build, int entry, const std::string& caption = "",
                                      int id = 0);
    SkinColourButton& AddColourButton(const SkinWindowBuilder& build, int entry, COLORREF fill, int id = 0);
    BitmapEdit& AddEdit(const SkinWindowBuilder& build, int entry, int id = 0);
    SkinListBox& AddListBox(const SkinWindowBuilder& build, int entry, int id = 0);
    // A slider whose track picture is cut from the Normal sheet; nullptr when
    // the thumb picture (in the skins folder) cannot be loaded.
    SliderTrack* AddSlider(const SkinWindowBuilder& build, int entry, const char* thumbFile, int id = 0);

    // Adds a control made elsewhere to the dialog's ownership.
    template <typename Control>
    Control& Own(std::unique_ptr<Control> control) {
        Control& added = *control;
        controls_.push_back(std::make_unique<Holder<Control>>(std::move(control)));
        return added;
    }

private:
    struct Owned {
        virtual ~Owned() = default;
    };
    template <typename Control>
    struct Holder : Owned {
        explicit Holder(std::unique_ptr<Control> c) : control(std::move(c)) {}
        std::unique_ptr<Control> control;
    };

    // The layout and its builder, with the state sheets, while controls wait
    // to be built.
    struct Building {
        Building(const std::string& skinsFolder, const std::string& layoutFile, HWND window,
                 SkinWindowPictures& pictures)
            : layout(skinsFolder, layoutFile), builder(window, layout, pictures) {}
        SkinLayout layout;
        SkinWindowBuilder builder;
    };

    static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR OnDialogMessage(UINT message, WPARAM wParam, LPARAM lParam);
    BOOL OnInitDialog();
    void Paint();
    bool KeyWantedByControl(const MSG& msg) const;
    HWND CreateFromTemplate(HWND owner, DWORD style);

    std::string skinsFolder_;
    std::string layoutFile_;
    DialogKeys keys_;
    HWND window_ = nullptr;
    bool modal_ = false;
    bool ended_ = false;
    INT_PTR result_ = -1;
    SkinWindowPictures pictures_;
    std::vector<std::unique_ptr<Owned>> controls_;
    bool deferControls_ = false;
    std::unique_ptr<Building> building_;  // while controls are deferred
};
