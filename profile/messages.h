// Message numbers, window titles and kernel-object names through which
// Monitor, Option and the sibling programs find and drive each other.
// Plain numbers and texts, so both programs and portable code can use them
// without the platform headers.
#pragma once

#include <cstddef>

namespace msg {

// Option -> Monitor (posted, wParam 0, lParam 0).
inline constexpr unsigned kApplySettings = 1224;        // copy the block in, send changes to the mouse
// Any program -> Monitor (posted, parameters ignored).
inline constexpr unsigned kReloadBlock = 1226;          // copy the block in
inline constexpr unsigned kReloadAndApplyWindows = 1227;  // copy in, apply pointer/wheel settings
inline constexpr unsigned kMonitorNoOp = 1274;          // accepted, no action

// Monitor -> Option (posted, wParam 0, lParam 0).
inline constexpr unsigned kDeviceStateRead = 1254;      // reload both private copies, redisplay
inline constexpr unsigned kCurrentProfileChanged = 1255;  // handled like kDeviceStateRead
inline constexpr unsigned kApplyFinished = 1256;        // re-enable OK and Apply
inline constexpr unsigned kDpiStageChanged = 1257;      // take the new CpiStep
inline constexpr unsigned kPollingRateChanged = 1259;   // take the new PollingRate

// Monitor -> on-screen display (posted).
inline constexpr unsigned kOsdShow = 1324;
inline constexpr unsigned kOsdShowProfile = 40;         // wParam; lParam = profile index << 16
inline constexpr unsigned kOsdShowMessage = 50;         // wParam; text under OSDData/Message
inline constexpr unsigned kOsdSettings = 1326;          // lParam = two 16-bit settings values

// HID library -> Monitor's window (posted).
inline constexpr unsigned kDeviceEvent = 1325;          // wParam = high half, lParam = low half
inline constexpr unsigned kDevicePresence = 1326;       // wParam 1 = arrived, 0 = removed

// Monitor's window -> its apply worker (thread message, wParam = request code).
inline constexpr unsigned kWorkerRequest = 1649;
// The apply worker -> Monitor's window (posted, lParam = one result).
inline constexpr unsigned kWorkerResult = 1650;

// Monitor's tray icon.
inline constexpr unsigned kTrayCallback = 1036;
inline constexpr unsigned kTrayIconId = 102;

// WM_COMMAND identifiers of Monitor's window.
inline constexpr unsigned kCommandOpenOption = 6001;
inline constexpr unsigned kCommandExitMonitor = 6002;

// Window timers of Monitor's window.
inline constexpr unsigned kTimerForegroundCheck = 500;   // every 2000 ms while connected
inline constexpr unsigned kTimerReadDeviceState = 502;   // one shot, 200 ms after start-up

// A notice text sent with WM_COPYDATA: exactly this many bytes, the text in
// bytes 1..150, zero-terminated. Other sizes are ignored.
inline constexpr std::size_t kNoticeCopyDataSize = 151;
inline constexpr std::size_t kNoticeTextOffset = 1;
inline constexpr std::size_t kNoticeTextMax = 150;

}  // namespace msg

namespace names {

inline constexpr const char kOptionWindowTitle[] = "VEXA 7710 DuvaraZariv Option";
inline constexpr const char kMonitorWindowTitle[] = "VEXA 7710 DuvaraZariv Monitor";
inline constexpr const char kOsdWindowTitle[] = "TARN_7710_5520_Gaming_Mouse_Normal_OSD";

// Windows of the sibling programs that Monitor closes when it ends, in order.
inline constexpr const char* const kSiblingWindowTitles[] = {
    kOsdWindowTitle,
    "TARN_4415Q_5520 Gaming Mouse Pop3",
    "TARN_4415Q_5520 Gaming Mouse CPU RAM OSD",
    "TARN_4415Q_5520 Gaming Mouse OSD SKYPE",
    "TARN_4415Q_5520 Gaming Mouse OSD MSN",
};

inline constexpr const char kSharedBlockMapping[] = "TARN_4415Q_5520_Gaming_Mouse_ShareData";
inline constexpr const char kSharedBlockMutex[] = "TARN_4415Q_5520_Gaming_Mouse_Mutex_Object";
inline constexpr const char kMonitorInstanceMutex[] = "TARN_4415Q_5520_Gaming_Mouse_Monitor";
inline constexpr const char kOptionInstanceMutex[] = "TARN_4415Q_5520_Gaming_Mouse_configure";

// Registered window message of the bitmap edit field.
inline constexpr const char kBitmapEditKillFocus[] = "BitmapEdit_KillFocus";
inline constexpr const char kBitmapEditChange[] = "BitmapEdit_Change";

}  // namespace names
