#include "device/hid_link_win.h"

#include <algorithm>
#include <array>

namespace {

template <typename Fn>
bool Bind(HMODULE module, const char* name, Fn& target) {
    target = reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(module, name)));
    return target != nullptr;
}

}  // namespace

HidLink::~HidLink() { Shutdown(); }

bool HidLink::Load(const std::wstring& programFolder) {
    Shutdown();
    module_ = LoadLibraryW((programFolder + kLibraryFileName).c_str());
    if (module_ && !BindAll()) {
        FreeLibrary(module_);
        module_ = nullptr;
        exports_ = {};
    }
    return IsComplete();
}

bool HidLink::BindAll() {
    bool complete = true;
    complete &= Bind(module_, "Set_VIDPID", exports_.SetVidPid);
    complete &= Bind(module_, "Open_DevMonitor", exports_.OpenDevMonitor);
    complete &= Bind(module_, "Close_DevMonitor", exports_.CloseDevMonitor);
    complete &= Bind(module_, "Open_FeatureDevice", exports_.OpenFeatureDevice);
    complete &= Bind(module_, "Close_FeatureDevice", exports_.CloseFeatureDevice);
    complete &= Bind(module_, "Open_ReportDevice", exports_.OpenReportDevice);
    complete &= Bind(module_, "Close_ReportDevice", exports_.CloseReportDevice);
    complete &= Bind(module_, "SetFeature", exports_.SetFeature);
    complete &= Bind(module_, "GetFeature", exports_.GetFeature);
    complete &= Bind(module_, "WriteUSB", exports_.WriteUSB);
    complete &= Bind(module_, "ReadUSB", exports_.ReadUSB);
    return complete;
}

void HidLink::SetMonitorTarget(HWND window, UINT eventMessage, UINT arrivalMessage) {
    window_ = window;
    eventMessage_ = eventMessage;
    arrivalMessage_ = arrivalMessage;
}

void HidLink::StartDeviceMonitor() {
    if (exports_.SetVidPid) exports_.SetVidPid(kVendorId, kProductId);
    if (exports_.OpenDevMonitor) exports_.OpenDevMonitor(window_, eventMessage_, arrivalMessage_);
}

void HidLink::OpenFeatureDevice() {
    if (exports_.OpenFeatureDevice) exports_.OpenFeatureDevice();
}

bool HidLink::OpenReportDevice() { return exports_.OpenReportDevice && exports_.OpenReportDevice() != 0; }

void HidLink::CloseFeatureDevice() {
    if (exports_.CloseFeatureDevice) exports_.CloseFeatureDevice();
}

void HidLink::CloseReportDevice() {
    if (exports_.CloseReportDevice) exports_.CloseReportDevice();
}

void HidLink::StopDeviceMonitor() {
    if (exports_.CloseDevMonitor) exports_.CloseDevMonitor();
}

void HidLink::SetFeature(std::span<const uint8_t, kFeatureReportSize> command) {
    if (!exports_.SetFeature) return;
    std::array<unsigned char, kBufferSize> buffer{};
    std::copy(command.begin(), command.end(), buffer.begin());
    exports_.SetFeature(buffer.data(), static_cast<int>(command.size()));
}

bool HidLink::GetFeature(std::span<uint8_t, kFeatureReportSize> reply) {
    if (!exports_.GetFeature) return false;
    std::array<unsigned char, kBufferSize> buffer{};
    std::copy(reply.begin(), reply.end(), buffer.begin());
    if (exports_.GetFeature(buffer.data(), static_cast<int>(reply.size())) == 0) return false;
    std::copy_n(buffer.begin(), reply.size(), reply.begin());
    return true;
}

void HidLink::WriteUSB(std::span<const uint8_t, kUsbWriteSize> data) {
    if (!exports_.WriteUSB) return;
    std::array<unsigned char, kBufferSize> buffer{};
    std::copy(data.begin(), data.end(), buffer.begin());
    exports_.WriteUSB(buffer.data(), static_cast<int>(data.size()));
}

void HidLink::Shutdown() {
    if (!module_) return;
    CloseFeatureDevice();
    CloseReportDevice();
    StopDeviceMonitor();
    FreeLibrary(module_);
    module_ = nullptr;
    exports_ = {};
}
