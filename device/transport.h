// What Monitor needs from the HID access layer. The apply worker exchanges
// reports through `Transport`; the window thread opens and closes the
// mouse's channels through `DeviceChannels`. The DLL binding implements both;
// tests substitute recorders.
#pragma once

#include <cstdint>
#include <span>

inline constexpr std::size_t kFeatureReportSize = 8;
inline constexpr std::size_t kUsbWriteSize = 64;

// Report exchange. Used only on the apply worker thread.
class Transport {
public:
    virtual ~Transport() = default;
    // Sends an 8-byte command. The result is not used by any caller.
    virtual void SetFeature(std::span<const uint8_t, kFeatureReportSize> command) = 0;
    // The caller has put the request code in byte 0 (and its argument in
    // byte 1). True: `buffer` now holds the 8-byte reply.
    virtual bool GetFeature(std::span<uint8_t, kFeatureReportSize> buffer) = 0;
    // Writes 64 data bytes. Failures are not reported.
    virtual void WriteUSB(std::span<const uint8_t, kUsbWriteSize> data) = 0;
};

// Opening and closing of the mouse's channels. Used only on the window thread.
class DeviceChannels {
public:
    virtual ~DeviceChannels() = default;
    // Selects the mouse model and starts the event and presence messages.
    virtual void StartDeviceMonitor() = 0;
    virtual void OpenFeatureDevice() = 0;
    // True when the mouse is present and its report channel is open.
    virtual bool OpenReportDevice() = 0;
    virtual void CloseFeatureDevice() = 0;
    virtual void CloseReportDevice() = 0;
    // Stops the event and presence messages (at shut-down, after closing
    // both channels).
    virtual void StopDeviceMonitor() = 0;
};
