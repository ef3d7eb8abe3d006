// One DPI level of the button page as a control: the current-level strip,
// the enable switch, the value slider and the DPI label, on DpiLevelModel.
// Every change the user makes is posted to the owner as kDpiLevelMessage
// (PackDpiLevelNotice(kind, data), control id).
//
//   DpiLevelControl& level = levels[n];
//   level.Create(page, build.Rect(skin_button_page::kDpiLevel[n]), kDpiLevelFirstId + n, skins, title);
//   level.SetPictures(build.Rect(skin_button_page::kDpiLevel[n]), build.Normal(), build.Over(), build.Down());
//   level.SetValue(profile.CpiLevel_X[n]);
//   level.SetEnabled(...);
//   level.SetCurrent(n == profile.CpiStep);
#pragma once

#include <windows.h>

#include <string>

#include "option/dpi_level/dpi_level_model.h"
#include "shell/attached_window_win.h"
#include "shell/owned_handles_win.h"
#include "shell/skin_bitmap_button_win.h"
#include "shell/slider_win.h"

class DpiLevelControl {
public:
    DpiLevelControl();
    ~DpiLevelControl();
    DpiLevelControl(const DpiLevelControl&) = delete;
    DpiLevelControl& operator=(const DpiLevelControl&) = delete;

    // Creates the control as a visible child of `owner` at `rect`, shaped
    // by the skins folder's DPI mask, with `title` on its strip. False when
    // a part cannot be made (the slider's thumb picture is missing).
    bool Create(HWND owner, const RECT& rect, int id, const std::string& skinsFolder, const std::string& title);
    // Cuts the control's pictures from the page's sheets at `rect`; the
    // Normal sheet also serves as the disabled picture.
    void SetPictures(const RECT& rect, HBITMAP normal, HBITMAP over, HBITMAP down);

    void SetValue(int value);
    void SetEnabled(bool enabled);
    void SetCurrent(bool current);

    const DpiLevelModel& Model() const { return model_; }
    HWND Handle() const { return window_; }
    HWND Strip() const { return strip_.Handle(); }
    HWND Switch() const { return switch_.Handle(); }
    HWND Slider() const { return slider_.Handle(); }

private:
    template <typename Object>
    friend LRESULT CALLBACK AttachedWindowProc(HWND, UINT, WPARAM, LPARAM);
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void ShowEnabled();
    void Post(uint32_t notice) const;
    void Paint();

    DpiLevelModel model_;
    HWND window_ = nullptr;
    HWND owner_ = nullptr;
    int id_ = 0;
    UniqueBitmap pictures_[4];  // Normal, Over, Down, Disable
    UniqueFont labelFont_;
    SkinBitmapButton strip_;
    SkinBitmapButton switch_;
    SliderTrack slider_;
};
