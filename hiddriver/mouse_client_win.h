// Client side of the virtual mouse's window protocol (Windows only).
#pragma once

#include <windows.h>

#include <cstddef>
#include <optional>
#include <string>

#include "hiddriver/mouse_wire.h"

namespace vmouse {

// The virtual mouse's window, or null when it is not plugged in.
HWND FindMouseWindow();

// Sends one request and waits for its result (at most a few seconds, so a
// hung mouse cannot block the caller for good). Nothing when the mouse is
// gone or does not answer. `from` is the sender's window, if it has one.
std::optional<LRESULT> SendToMouse(HWND mouse, Request request, const void* data, size_t size,
                                   HWND from = nullptr);

// Folder of the given module (null: the running program) with a trailing
// backslash.
std::wstring ModuleFolder(HMODULE module = nullptr);

}  // namespace vmouse
