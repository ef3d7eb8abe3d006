// hiddriver.dll: the HID access operations Monitor uses, served by the
// virtual mouse (VirtualMouse.exe). The mouse counts as present while its
// window exists. Open_DevMonitor enters the caller's window in the shared
// subscription table; the mouse itself posts every event word, its arrival
// and its removal to the windows in it, so the library needs no thread of
// its own and an idle Monitor costs nothing here.
#include <windows.h>

#include <algorithm>
#include <mutex>  // std::lock_guard
#include <optional>
#include <utility>

#include "hiddriver/mouse_client_win.h"
#include "hiddriver/subscriptions_win.h"

using namespace vmouse;

namespace {

constexpr int kMaxTransfer = 64;

// The system's slim lock, taken exclusively: std::mutex would link a
// threading runtime into the library.
class SlimLock {
public:
    void lock() { AcquireSRWLockExclusive(&lock_); }
    void unlock() { ReleaseSRWLockExclusive(&lock_); }

private:
    SRWLOCK lock_ = SRWLOCK_INIT;
};

SlimLock g_stateLock;  // guards everything below
bool g_idsMatch = true;  // Set_VIDPID named this mouse (or was not called)
bool g_featureOpen = false;
HWND g_subscriber = nullptr;
// Held while subscribed: the table lives as long as someone holds it.
std::optional<SharedSubscriptions> g_subscriptions;

// Commands, writes and queries are exchanged one at a time.
SlimLock g_exchangeLock;

HWND PresentMouse() {
    std::lock_guard lock(g_stateLock);
    return g_idsMatch ? FindMouseWindow() : nullptr;
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

__declspec(dllexport) int Close_DevMonitor() {
    std::lock_guard lock(g_stateLock);
    if (g_subscriptions) g_subscriptions->Remove(std::exchange(g_subscriber, nullptr));
    g_subscriptions.reset();
    return 1;
}

// A mouse plugged in after this call finds the window in the table and
// posts its arrival; one already present posts its events from now on.
__declspec(dllexport) int Open_DevMonitor(HWND window, UINT eventMessage, UINT arrivalMessage) {
    Close_DevMonitor();
    std::lock_guard lock(g_stateLock);
    g_subscriptions = SharedSubscriptions::Create();
    if (!g_subscriptions ||
        !g_subscriptions->Add({reinterpret_cast<uint64_t>(window), eventMessage, arrivalMessage})) {
        g_subscriptions.reset();
        return 0;
    }
    g_subscriber = window;
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
