#include "osd/osd_notice.h"

std::string ProfileNoticeText(int profileIndex, const std::string& profileName) {
    std::string text = "Profile " + std::to_string(profileIndex + 1);
    if (!profileName.empty()) text += ": " + profileName;
    return text;
}

int NoticeOpacity(int elapsedMs) {
    if (elapsedMs < 0) return kNoticeOpacity;
    if (elapsedMs < kNoticeVisibleMs) return kNoticeOpacity;
    const int fade = elapsedMs - kNoticeVisibleMs;
    if (fade >= kNoticeFadeMs) return 0;
    return kNoticeOpacity * (kNoticeFadeMs - fade) / kNoticeFadeMs;
}
