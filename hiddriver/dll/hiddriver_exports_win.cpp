// hiddriver.dll: the HID access operations Monitor uses, served by the
// virtual mouse (VirtualMouse.exe). The mouse counts as present while its
// window exists. A watcher thread follows plug-in and removal and posts the
// arrival message; it sleeps until the mouse's process ends or a new mouse
// signals its arrival, so an idle Monitor costs nothing here. The mouse
// itself posts the event messages to the windows that subscribed through
// Open_DevMonitor.
#include <windows.h>

#include <algorithm>
#include <mutex>
#include <utility>

#include "hiddriver/mouse_client_win.h"

using namespace vmouse;

namespace {

constexpr int kMaxTransfer = 64;
constexpr DWORD kLookAgainMs = 150;

std::mutex g_stateLock;  // guards everything below
bool g_idsMatch = true;  // Set_VIDPID named this mouse (or was not called)
bool g_featureOpen = false;
HWND g_eventWindow = nullptr;
UINT g_eventMessage = 0;
UINT g_arrivalMessage = 0;
HANDLE g_watcher = nullptr;
HANDLE g_stopWatching = nullptr;

// Commands, writes and queries are exchanged one at a time.
std::mutex g_exchangeLock;

HWND PresentMouse() {
    std::lock_guard lock(g_stateLock);
    return g_idsMatch ? FindMouseWindow() : nullptr;
}

void Subscribe(HWND mouse, HWND window, UINT message, Request request) {
    Subscription s{reinterpret_cast<uint64_t>(window), message, 0};
    SendToMouse(mouse, request, &s, sizeof s);
}

// The process behind the mouse's window, to wait for its end.
HANDLE MouseProcess(HWND mouse) {
    DWORD id = 0;
    GetWindowThreadProcessId(mouse, &id);
    return id ? OpenProcess(SYNCHRONIZE, FALSE, id) : nullptr;
}

// Follows the mouse window; a new window (mouse replugged between two
// looks) counts as a removal followed by an arrival.
DWORD WINAPI WatchMouse(void* initial) {
    HWND known = static_cast<HWND>(initial);
    HWND window;
    UINT eventMessage, arrivalMessage;
    HANDLE stop;
    {
        std::lock_guard lock(g_stateLock);
        window = g_eventWindow, eventMessage = g_eventMessage, arrivalMessage = g_arrivalMessage;
        stop = g_stopWatching;
    }
    HANDLE arrived = CreateEventW(nullptr, TRUE, FALSE, kMouseArrivedEvent);
    if (!arrived) return 0;
    for (;;) {
        // Reset before looking: a mouse that arrives after the look sets it again.
        if (!known) ResetEvent(arrived);
        HWND now = PresentMouse();
        if (now != known) {
            if (known) PostMessageW(window, arrivalMessage, 0, 0);
            if (now) {
                Subscribe(now, window, eventMessage, Request::Subscribe);
                PostMessageW(window, arrivalMessage, 1, 0);
            }
            known = now;
        }
        HANDLE mouseProcess = known ? MouseProcess(known) : nullptr;
        DWORD woke;
        if (known && !mouseProcess) {
            // Its process cannot be waited for: look again after a while.
            woke = WaitForSingleObject(stop, kLookAgainMs) == WAIT_TIMEOUT ? WAIT_OBJECT_0 + 1 : WAIT_OBJECT_0;
        } else {
            const HANDLE waits[2] = {stop, known ? mouseProcess : arrived};
            woke = WaitForMultipleObjects(2, waits, FALSE, INFINITE);
        }
        if (mouseProcess) CloseHandle(mouseProcess);
        if (woke != WAIT_OBJECT_0 + 1) break;
    }
    CloseHandle(arrived);
    return 0;
}

// The watcher holds its own reference to this DLL so that an unload
// without Close_DevMonitor cannot pull the code from under it.
DWORD WINAPI WatchMouseThread(void* initial) {
    HMODULE self = nullptr;
    GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS, reinterpret_cast<LPCWSTR>(&WatchMouse), &self);
    WatchMouse(initial);
    FreeLibraryAndExitThread(self, 0);
}

bool ValidBuffer(const unsigned char* buffer, int length) {
    return buffer && length > 0 && length <= kMaxTransfer;
}

std::optional<LRESULT> Exchange(Request request, const unsigned char* buffer, int length) {
    if (!ValidBuffer(buffer, length)) return std::nullopt;
    std::lock_guard exchange(g_exchangeLock);
    {
        std::lock_guard lock(g_stateLock);
        if (!g_featureOpen) return std::nullopt;
    }
    return SendToMouse(PresentMouse(), request, buffer, static_cast<size_t>(length));
}

}  // namespace

extern "C" {

__declspec(dllexport) int Set_VIDPID(int vendorId, int productId) {
    std::lock_guard lock(g_stateLock);
    g_idsMatch = vendorId == kVendorId && productId == kProductId;
    return g_idsMatch ? 1 : 0;
}

__declspec(dllexport) int Close_DevMonitor();

__declspec(dllexport) int Open_DevMonitor(HWND window, UINT eventMessage, UINT arrivalMessage) {
    Close_DevMonitor();
    HWND mouse = PresentMouse();
    std::lock_guard lock(g_stateLock);
    g_eventWindow = window, g_eventMessage = eventMessage, g_arrivalMessage = arrivalMessage;
    if (mouse) Subscribe(mouse, window, eventMessage, Request::Subscribe);
    g_stopWatching = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    g_watcher = g_stopWatching ? CreateThread(nullptr, 0, WatchMouseThread, mouse, 0, nullptr) : nullptr;
    return g_watcher ? 1 : 0;
}

__declspec(dllexport) int Close_DevMonitor() {
    HANDLE watcher, stop;
    HWND window;
    {
        std::lock_guard lock(g_stateLock);
        watcher = std::exchange(g_watcher, nullptr), stop = std::exchange(g_stopWatching, nullptr);
        window = std::exchange(g_eventWindow, nullptr);
    }
    if (stop) SetEvent(stop);
    if (watcher) {
        WaitForSingleObject(watcher, INFINITE);
        CloseHandle(watcher);
    }
    if (stop) CloseHandle(stop);
    if (window) Subscribe(PresentMouse(), window, 0, Request::Unsubscribe);
    return 1;
}

__declspec(dllexport) int Open_FeatureDevice() {
    bool present = PresentMouse() != nullptr;
    std::lock_guard lock(g_stateLock);
    g_featureOpen = true;
    return present ? 1 : 0;
}

__declspec(dllexport) int Close_FeatureDevice() {
    std::lock_guard exchange(g_exchangeLock);
    std::lock_guard lock(g_stateLock);
    g_featureOpen = false;
    return 1;
}

__declspec(dllexport) int Open_ReportDevice() { return PresentMouse() ? 1 : 0; }

__declspec(dllexport) int Close_ReportDevice() { return 1; }

__declspec(dllexport) int SetFeature(unsigned char* buffer, int length) {
    return Exchange(Request::Command, buffer, length).value_or(0) ? 1 : 0;
}

__declspec(dllexport) int GetFeature(unsigned char* buffer, int length) {
    auto result = Exchange(Request::Query, buffer, length);
    if (!result || *result == 0 || length < 8) return 0;
    Report8 reply = UnpackReply(static_cast<uint64_t>(*result));
    std::copy(reply.begin(), reply.end(), buffer);
    return 1;
}

__declspec(dllexport) int WriteUSB(unsigned char* buffer, int length) {
    return Exchange(Request::Write, buffer, length).value_or(0) ? 1 : 0;
}

// The virtual mouse sends no input reports.
__declspec(dllexport) int ReadUSB(unsigned char*, int) { return 0; }

}  // extern "C"
