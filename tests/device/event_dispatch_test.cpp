#include "device/event_dispatch.h"
#include "profile/message_params.h"

#include <map>

#include "connection_fixture.h"
#include "lan/string_ids.h"

namespace {

class NoticeTexts final : public TextSource {
public:
    std::string Text(int id) const override {
        static const std::map<int, std::string> texts = {{str::kNoticeText1, "Fire mode on"},
                                                         {str::kNoticeText2, "Fire mode off"}};
        const auto it = texts.find(id);
        return it == texts.end() ? std::string() : it->second;
    }
};

constexpr uint32_t Word(uint16_t high, uint16_t low) { return uint32_t{high} << 16 | low; }

class EventTest : public ConnectionTest {
protected:
    EventTest() { Connect(); }
    void Dispatch(uint32_t word) { DispatchDeviceEvent(connection, texts, word); }
    Profile& Active() { return *ActiveProfile(*local); }

    NoticeTexts texts;
};

TEST(EventWord, MessagesBecomeWords) {
    EXPECT_EQ(UnpackDeviceEvent(0x0701, 0x12340003), 0x07010003u);
    EXPECT_EQ(UnpackDeviceEvent(0x1F000, 0x0121), 0xF0000121u);
    EXPECT_EQ(UnpackPresence(1), 0x7F000001u);
    EXPECT_EQ(UnpackPresence(0), 0x7F000002u);
    EXPECT_EQ(UnpackPresence(2), 0x7F000000u);
}

TEST_F(EventTest, PresenceWordsFollowTheConnection) {
    Dispatch(Word(0x7F00, 2));
    EXPECT_EQ(connection.State(), ConnectionState::Removed);
    Dispatch(Word(0x7F00, 0));
    EXPECT_EQ(connection.State(), ConnectionState::Removed);
    Dispatch(Word(0x7F00, 1));
    EXPECT_EQ(connection.State(), ConnectionState::Connected);
    EXPECT_EQ(effects.saves, 0);
}

TEST_F(EventTest, ProfileSwitchOnTheMouseIsStoredSharedAnnouncedAndSaved) {
    Dispatch(Word(0x08FF, 4));
    EXPECT_EQ(local->CurrentProfile, 3);
    EXPECT_EQ(log, (Log{"CurrentProfile=3", "copy out", "trace Show OSD 4660\n", "option 1255",
                        "osd 1324 40 " + std::to_string(3 << 16), "save"}));
}

TEST_F(EventTest, ProfileNumberOutsideOneToFiveOnlySaves) {
    for (const uint16_t number : {0, 6}) Dispatch(Word(0x0801, number));
    EXPECT_EQ(local->CurrentProfile, 0);
    EXPECT_EQ(log, (Log{"save", "save"}));
}

TEST_F(EventTest, DpiStageChangeShowsTheLevelInDpi) {
    effects.osdExists = false;
    Dispatch(Word(0x0700, 3));
    EXPECT_EQ(Active().CpiStep, 2);
    EXPECT_EQ(effects.notice, "DPI: 2400");
    EXPECT_EQ(log, (Log{"copy out", "trace Show OSD 0\n", "option 1257", "notice 'DPI: 2400'",
                        "osd 1324 50 0 (no window)", "save"}));
}

TEST_F(EventTest, DpiStagesWithoutALevelGiveAnEmptyNotice) {
    Dispatch(Word(0x0701, 7));
    EXPECT_EQ(Active().CpiStep, 6);
    EXPECT_TRUE(Logged("option 1257"));
    EXPECT_TRUE(Logged("notice ''"));

    log.clear();
    Dispatch(Word(0x0701, 9));
    Dispatch(Word(0x0701, 0));
    EXPECT_EQ(Active().CpiStep, 6);
    EXPECT_EQ(log, (Log{"save", "save"}));
}

TEST_F(EventTest, PollingIntervalBecomesTheRateChoice) {
    const std::pair<uint16_t, int32_t> cases[] = {{8, 0}, {4, 1}, {2, 2}, {1, 3}, {3, 3}, {7, 7}};
    for (const auto& [interval, rate] : cases) {
        Dispatch(Word(0x0501, interval));
        EXPECT_EQ(Active().PollingRate, rate) << interval;
    }
    EXPECT_EQ(Count("option 1259"), 6);
    EXPECT_EQ(Count("save"), 6);

    log.clear();
    Dispatch(Word(0x0500, 9));
    EXPECT_EQ(Active().PollingRate, 7);
    EXPECT_EQ(log, (Log{"save"}));
}

TEST_F(EventTest, NoticesTakeTheirTextFromTheLanguageLibrary) {
    Dispatch(Word(0x0901, 0));
    EXPECT_EQ(log, (Log{"trace Show OSD 4660\n", "option 1257", "notice 'Fire mode on'",
                        "osd 1324 50 0", "save"}));
    Dispatch(Word(0x0902, 0));
    EXPECT_EQ(effects.notice, "Fire mode off");

    log.clear();
    Dispatch(Word(0x0901, 1));
    Dispatch(Word(0x0903, 0));
    EXPECT_TRUE(log.empty());
}

TEST_F(EventTest, SaveEventOnlySaves) {
    Dispatch(Word(0xC000, 0x1234));
    EXPECT_EQ(log, (Log{"save"}));
}

TEST_F(EventTest, RunProgramOnlyForButtonsOneToSixteen) {
    Dispatch(Word(0x000A, 1));
    Dispatch(Word(0x000A, 16));
    Dispatch(Word(0x000A, 17));
    Dispatch(Word(0x000A, 0));
    Dispatch(Word(0x000A, 0x0105));
    EXPECT_EQ(log, (Log{"run 1", "run 16"}));
}

TEST_F(EventTest, OpenOptionGoesThroughMonitorsOwnCommand) {
    Dispatch(Word(0x00A0, 0x5555));
    EXPECT_EQ(log, (Log{"post 6001"}));
}

TEST_F(EventTest, MediaCodesActOnPressOnly) {
    for (uint16_t code = 0x20; code <= 0x27; ++code) Dispatch(Word(0xF000, code));
    EXPECT_EQ(log, (Log{"player", "media 4098", "media 4099", "media 4100", "media 4101"}));

    log.clear();
    for (uint16_t code = 0x20; code <= 0x27; ++code) Dispatch(Word(0xF000, 0x0100 | code));
    Dispatch(Word(0xF000, 0x0028));
    Dispatch(Word(0xF000, 0x001F));
    EXPECT_TRUE(log.empty());
}

// With no profile selected nothing may be read or written through the
// active profile; only the profiles are saved.
TEST_F(EventTest, ChangesWithoutAnActiveProfileOnlySave) {
    local->CurrentProfile = -1;
    Dispatch(Word(0x0700, 2));
    Dispatch(Word(0x0500, 8));
    Dispatch(Word(0x000A, 1));
    Dispatch(Word(0xF000, 0x21));
    EXPECT_EQ(log, (Log{"save", "save"}));

    Dispatch(Word(0x0800, 2));
    EXPECT_EQ(local->CurrentProfile, 1);
}

TEST_F(EventTest, UnknownWordsAreIgnored) {
    for (const uint32_t word : {Word(0x0000, 0), Word(0x1234, 5), Word(0x7F01, 1), Word(0xC001, 0)}) {
        Dispatch(word);
    }
    EXPECT_TRUE(log.empty());
}

}  // namespace
