// Monitor's binding to hiddriver.dll: one function pointer per export,
// bound once at start-up and released at shut-down. When the library or any
// of its eleven exports cannot be found, the link stays empty: the mouse
// counts as absent and no operation of the library is ever called.
#pragma once

#include <windows.h>

#include <string>

#include "device/transport.h"

class HidLink final : public Transport, public DeviceChannels {
public:
    static constexpr wchar_t kLibraryFileName[] = L"hiddriver.dll";
    static constexpr int kVendorId = 0x1017;
    static constexpr int kProductId = 0x8021;

    HidLink() = default;
    ~HidLink() override;
    HidLink(const HidLink&) = delete;
    HidLink& operator=(const HidLink&) = delete;

    // Loads `programFolder` (ending in a backslash) + "hiddriver.dll" and
    // binds the exports. True when the link is complete.
    bool Load(const std::wstring& programFolder);
    bool IsComplete() const { return module_ != nullptr; }

    // The window and message numbers that StartDeviceMonitor hands to the
    // library for event words and for arrival and removal.
    void SetMonitorTarget(HWND window, UINT eventMessage, UINT arrivalMessage);

    // DeviceChannels (window thread).
    void StartDeviceMonitor() override;  // Set_VIDPID, then Open_DevMonitor
    void OpenFeatureDevice() override;
    bool OpenReportDevice() override;
    void CloseFeatureDevice() override;
    void CloseReportDevice() override;
    void StopDeviceMonitor() override;

    // Transport (apply worker thread).
    void SetFeature(std::span<const uint8_t, kFeatureReportSize> command) override;
    bool GetFeature(std::span<uint8_t, kFeatureReportSize> buffer) override;
    void WriteUSB(std::span<const uint8_t, kUsbWriteSize> data) override;

    // Close_FeatureDevice, Close_ReportDevice, Close_DevMonitor, then the
    // library is unloaded. Safe to call more than once.
    void Shutdown();

private:
    // Every caller passes a buffer of at least this size, of which the
    // length argument is used.
    static constexpr size_t kBufferSize = 100;

    using SetVidPidFn = int(__cdecl*)(int vendorId, int productId);
    using OpenDevMonitorFn = int(__cdecl*)(HWND window, UINT eventMessage, UINT arrivalMessage);
    using NoArgumentFn = int(__cdecl*)();
    using TransferFn = int(__cdecl*)(unsigned char* buffer, int length);

    struct Exports {
        SetVidPidFn SetVidPid = nullptr;
        OpenDevMonitorFn OpenDevMonitor = nullptr;
        NoArgumentFn CloseDevMonitor = nullptr;
        NoArgumentFn OpenFeatureDevice = nullptr;
        NoArgumentFn CloseFeatureDevice = nullptr;
        NoArgumentFn OpenReportDevice = nullptr;
        NoArgumentFn CloseReportDevice = nullptr;
        TransferFn SetFeature = nullptr;
        TransferFn GetFeature = nullptr;
        TransferFn WriteUSB = nullptr;
        TransferFn ReadUSB = nullptr;  // bound for completeness, never called
    };

    bool BindAll();

    HMODULE module_ = nullptr;
    Exports exports_;
    HWND window_ = nullptr;
    UINT eventMessage_ = 0;
    UINT arrivalMessage_ = 0;
};
