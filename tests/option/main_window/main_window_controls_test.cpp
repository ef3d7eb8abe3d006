#include <gtest/gtest.h>

#include <set>

#include "option/main_window/main_window_controls.h"
#include "profile/profile_record.h"

namespace {

// Every control of skin_main.ini but the page area is created once, and the
// profile buttons select profiles 0..4 in the order of their entries.
TEST(MainWindowControls, EachEntryOnceAndProfilesInOrder) {
    std::set<int> entries;
    int nextProfile = 0;
    for (const MainControl& c : kMainControls) {
        EXPECT_TRUE(entries.insert(c.entry).second) << c.entry;
        if (c.command == MainCommand::SelectProfile) {
            EXPECT_EQ(c.profile, nextProfile);
            EXPECT_EQ(c.caption, str::kProfile1 + nextProfile);
            ++nextProfile;
        }
    }
    EXPECT_EQ(nextProfile, kProfileCount);
    EXPECT_EQ(entries, (std::set<int>{1, 2, 3, 4, 5, 6, 7, 8, 11, 12, 13, 14, 15, 16, 17}));
    EXPECT_EQ(entries.count(kMainPageAreaEntry), 0u);
}

// Only controls that show their bare piece of the background wait for the
// first frame: every latched or captioned one is in it.
TEST(MainWindowControls, LatchedAndCaptionedControlsAreInTheFirstFrame) {
    std::set<int> later;
    for (const MainControl& c : kMainControls) {
        const bool latches = c.command == MainCommand::SelectProfile || c.command == MainCommand::ShowBasicPage ||
                             c.command == MainCommand::ShowAdvancedPage;
        if (latches || c.caption) {
            EXPECT_FALSE(BuiltAfterFirstFrame(c)) << c.entry;
        }
        if (BuiltAfterFirstFrame(c)) later.insert(c.entry);
    }
    EXPECT_EQ(later, (std::set<int>{skin_main::kMinimise, skin_main::kClose, skin_main::kLogo, skin_main::kImport,
                                    skin_main::kExport}));
}

}  // namespace
