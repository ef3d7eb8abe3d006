// What the macro editor asks of the page around it: the clock and key
// capture of the recorder, the dialogs, and what follows a change of the
// macro library. The Win32 page implements it; tests script it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "option/name_input/name_input_model.h"
#include "option/warning/warning_model.h"

class MacroEditorHost {
public:
    virtual ~MacroEditorHost() = default;

    // Milliseconds of the system's tick count; differences are taken modulo
    // 2^32, so its wrap-around measures right.
    virtual uint32_t TickCount() = 0;
    // The low-level key capture that feeds KeyCaptured while recording.
    virtual void InstallKeyCapture() = 0;
    virtual void RemoveKeyCapture() = 0;

    // The name dialog in `mode` (for a macro: in `group`); the accepted
    // name, or nothing when it was cancelled.
    virtual std::optional<std::string> AskName(NameMode mode, int group) = 0;
    // The warning dialog; true when it ended with OK (confirmations).
    virtual bool Warn(WarningVariant variant, int kind) = 0;

    // The library changed and the five profiles' macro buttons were brought
    // in step: write the library file through the store's own save, and
    // refresh the button page's captions.
    virtual void SaveMacros() = 0;
    virtual void RefreshButtonCaptions() = 0;
};
