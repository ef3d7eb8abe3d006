#include "hiddriver/mouse_client_win.h"

namespace vmouse {

namespace {
constexpr UINT kRequestTimeoutMs = 3000;
static_assert(sizeof(LRESULT) >= 8, "query replies and events travel in a 64-bit message result");
}  // namespace

HWND FindMouseWindow() { return FindWindowW(kMouseWindowClass, kMouseWindowClass); }

std::optional<LRESULT> SendToMouse(HWND mouse, Request request, const void* data, size_t size, HWND from) {
    if (!mouse) return std::nullopt;
    COPYDATASTRUCT copy{};
    copy.dwData = static_cast<ULONG_PTR>(request);
    copy.cbData = static_cast<DWORD>(size);
    copy.lpData = const_cast<void*>(data);
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutW(mouse, WM_COPYDATA, reinterpret_cast<WPARAM>(from), reinterpret_cast<LPARAM>(&copy),
                             SMTO_ABORTIFHUNG, kRequestTimeoutMs, &result))
        return std::nullopt;
    return static_cast<LRESULT>(result);
}

}  // namespace vmouse
