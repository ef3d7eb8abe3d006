#include "bench/full_profiles.h"

#include <cstdio>
#include <cstring>

#include "profile/fixed_text.h"
#include "profile/profile_defaults.h"

std::unique_ptr<SharedBlock> FullProfileSet() {
    auto set = std::make_unique<SharedBlock>();
    ResetSharedProfiles(*set);
    BuildDefaultProfiles(*set, NoTexts());
    for (int n = 0; n < kProfileCount; ++n) {
        Profile& p = set->Profiles[n];
        SetFixedText(p.GameFile, "C:\\Program Files\\Some Game\\Binaries\\Win64\\game-shipping.exe");
        for (int e = 0; e < kButtonEntryCount; ++e) {
            ButtonFunction& b = p.MacroKeyInfo[e];
            b.Code = 16;
            b.ItemCount = 50;
            for (std::size_t i = 0; i < sizeof b.Payload; ++i) b.Payload[i] = static_cast<uint8_t>(i * 13 + e);
            char name[50];
            std::snprintf(name, sizeof name, "Macro %d of profile %d", e, n);
            SetFixedText(b.ItemName, name);
            SetFixedText(b.GroupName, "Shooters");
        }
    }
    set->CurrentProfile = 2;
    return set;
}
