// The numeric spin field: a numeric edit between a decrease and an increase
// arrow, in the horizontal or the vertical layout, on SpinEditModel. Every
// change of its value is posted to the owner as kSpinEditChangedMessage
// (value, control id); while the pointer is over it, its hint text is the
// program's current hint.
//
//   SpinEdit speed(SpinLayout::kVertical);
//   speed.Create(page, rect, id);
//   speed.SetImages(rect, normal, over, down, disable);  // the page's sheets
//   speed.SetRange(-5, 5);
//   speed.SetValue(0);
#pragma once

#include <windows.h>

#include <string>

#include "keys/spin_edit_layout.h"
#include "keys/spin_edit_model.h"
#include "shell/attached_window_win.h"
#include "shell/bitmap_edit_win.h"
#include "shell/owned_handles_win.h"
#include "shell/skin_bitmap_button_win.h"
#include "shell/window_subclass_win.h"

class SpinEdit {
public:
    explicit SpinEdit(SpinLayout layout);
    ~SpinEdit();
    SpinEdit(const SpinEdit&) = delete;
    SpinEdit& operator=(const SpinEdit&) = delete;

    // Creates the field as a visible child of `owner` at `rect` (owner client
    // coordinates) with control id `id`.
    bool Create(HWND owner, const RECT& rect, int id);
    // Cuts the field's background and the arrows' four pictures from the
    // owner's sheets, where the field sits at `at` on them.
    void SetImages(const RECT& at, HBITMAP normal, HBITMAP over, HBITMAP down, HBITMAP disable);
    void SetRange(int minimum, int maximum);
    void SetStep(int step) { model_.SetStep(step); }
    void SetValue(int value);
    void SetHintText(std::string text) { hint_ = std::move(text); }

    int Value() const { return model_.Value(); }
    HWND Handle() const { return window_; }
    HWND Edit() const { return edit_.Handle(); }

private:
    template <typename Object>
    friend LRESULT CALLBACK AttachedWindowProc(HWND, UINT, WPARAM, LPARAM);
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
    std::string Text() const;
    void Show(const SpinEditModel::NewText& text);
    void NotifyOwner() const;
    void OnTextChanged();
    void OnEnter();
    void OnPointerOver();
    void Paint();

    SpinLayout layout_;
    SpinEditParts parts_{};
    SpinEditModel model_;
    HWND window_ = nullptr;
    HWND owner_ = nullptr;
    int id_ = 0;
    std::string hint_;
    bool pointerTracked_ = false;
    UniqueBitmap background_;
    SkinBitmapButton decrease_;
    BitmapEdit edit_;
    WindowSubclass enterKey_;  // asks the dialog manager for Enter
    SkinBitmapButton increase_;
};
