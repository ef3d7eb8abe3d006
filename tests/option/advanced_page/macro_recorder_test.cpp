// Recording, the event list's rows and its context-menu commands.
#include <gtest/gtest.h>

#include "option/advanced_page/macro_editor_commands.h"
#include "tests/option/advanced_page/macro_editor_fakes.h"

namespace {

constexpr uint32_t kVkA = 0x41, kVkB = 0x42, kVkSelect = 0x29;
constexpr uint8_t kUsageA = 0x04, kUsageB = 0x05;

class RecorderTest : public testing::Test {
protected:
    RecorderTest() {
        AddGroup(store, "Games", {});
        store.Folders[0].Entries.push_back(NamedMacro("Reload"));
        store.Folders[0].Expanded = true;
        editor.RefreshTree();
        editor.SelectTreeRow(1);  // Reload
    }

    std::vector<MacroEvent> Events() const {
        return {editor.Events(), editor.Events() + editor.EventCount()};
    }
    void Press(uint32_t vk, uint32_t at) { host.now = at, editor.KeyCaptured(vk, false); }
    void Release(uint32_t vk, uint32_t at) { host.now = at, editor.KeyCaptured(vk, true); }
    void RecordAB(bool delays) {
        editor.SetRecordDelays(delays);
        editor.Record();
        Press(kVkA, 1000), Release(kVkA, 1250), Press(kVkB, 1300), Release(kVkB, 1310);
        editor.Stop();
    }
    int RowOfText(std::string_view text) const {
        for (std::size_t r = 0; r < editor.EventRows().size(); ++r)
            if (editor.EventRows()[r].text == text) return static_cast<int>(r);
        return -1;
    }
    static bool Same(const MacroEvent& e, uint8_t code, uint8_t action, uint16_t value) {
        return e.Code == code && e.Action == action && e.Value == value;
    }

    MacroStore store;
    std::unique_ptr<SharedBlock> block = std::make_unique<SharedBlock>();
    ScriptedHost host;
    UnitTexts texts;
    MacroEditorModel editor{{store, block->Profiles, host, texts, NoLayout}};
};

TEST_F(RecorderTest, HeldKeyIsRecordedOnceAndRecordingNeedsAMacro) {
    editor.Record();
    Press(kVkA, 10), Press(kVkA, 40), Press(kVkA, 70), Release(kVkA, 100);
    editor.Stop();
    ASSERT_EQ(Events().size(), 2u);
    EXPECT_TRUE(Same(Events()[0], kUsageA, kMacroPress, 0));
    EXPECT_TRUE(Same(Events()[1], kUsageA, kMacroRelease, 0));
    EXPECT_EQ(host.installs, 1);
    EXPECT_EQ(host.removes, 1);

    editor.SelectTreeRow(0);  // the group: no macro
    editor.Record();
    EXPECT_FALSE(editor.Recording());
    ASSERT_EQ(host.warnings.size(), 1u);
    EXPECT_EQ(host.warnings[0].first, WarningVariant::C);
}

TEST_F(RecorderTest, PressAndReleaseWithDelaysMeasurePausesIntoTheMacro) {
    RecordAB(true);
    ASSERT_EQ(Events().size(), 4u);
    EXPECT_TRUE(Same(Events()[0], kUsageA, kMacroPress, 250));
    EXPECT_TRUE(Same(Events()[1], kUsageA, kMacroRelease, 50));
    EXPECT_TRUE(Same(Events()[3], kUsageB, kMacroRelease, 0));
    const auto& rows = editor.EventRows();
    ASSERT_EQ(rows.size(), 7u);
    EXPECT_EQ(rows[0], (EventRow{"A", 1u << 16 | kPressIcon}));
    EXPECT_EQ(rows[1], (EventRow{"250 ms", 1u << 16 | kClockIcon}));
    EXPECT_EQ(rows[2], (EventRow{"A", 2u << 16 | kReleaseIcon}));
    // Written back into the store at the stop.
    const Macro& stored = *store.Folders[0].Entries[0];
    EXPECT_EQ(stored.EventCount, 4);
    EXPECT_EQ(stored.Events[0].Value, 250);
    EXPECT_GE(host.saves, 1);
}

TEST_F(RecorderTest, WithoutDelaysEveryValueIsZeroAndNoValueRowShows) {
    RecordAB(false);
    ASSERT_EQ(Events().size(), 4u);
    for (const MacroEvent& e : Events()) EXPECT_EQ(e.Value, 0);
    EXPECT_EQ(editor.EventRows().size(), 4u);
}

TEST_F(RecorderTest, PausesAreCappedAndMeasuredAcrossTheTickWrap) {
    editor.SetRecordDelays(true);
    editor.Record();
    Press(kVkA, 0), Release(kVkA, 70000);
    Press(kVkB, 0xFFFFFF00u), Release(kVkB, 0x100);
    editor.Stop();
    EXPECT_EQ(Events()[0].Value, kMaxPause);
    EXPECT_EQ(Events()[2].Value, 0x200);
}

TEST_F(RecorderTest, KeyWithoutUsageIsRecordedWithCodeZero) {
    editor.Record();
    Press(kVkSelect, 0);
    editor.Stop();
    ASSERT_EQ(Events().size(), 1u);
    EXPECT_TRUE(Same(Events()[0], 0, kMacroPress, 0));
}

TEST_F(RecorderTest, FiftiethEventStopsTheRecording) {
    editor.Record();
    for (int i = 0; i < 25; ++i) Press(kVkA, 0), Release(kVkA, 0);
    EXPECT_FALSE(editor.Recording());
    EXPECT_EQ(host.removes, 1);
    EXPECT_EQ(store.Folders[0].Entries[0]->EventCount, kMacroEventLimit);
    Press(kVkB, 0);  // a key still queued after the stop
    EXPECT_EQ(editor.EventCount(), kMacroEventLimit);

    // A fresh recording is not fooled by the key that ended the last one.
    editor.Record();
    Press(kVkA, 0);
    EXPECT_EQ(editor.EventCount(), 1);
}

TEST_F(RecorderTest, RecordBeforeAndAfterInsertWhileTheRecordButtonReplaces) {
    RecordAB(false);
    editor.EventCommand(kCmdRecordAfter, 3);  // after the last event
    Press(kVkSelect, 0);
    editor.Stop();
    ASSERT_EQ(Events().size(), 5u);
    EXPECT_EQ(Events()[4].Code, 0);

    editor.SetRecordDelays(true);
    editor.EventCommand(kCmdRecordBefore, 0);
    Press(kVkB, 100), Release(kVkB, 160);
    editor.Stop();
    ASSERT_EQ(Events().size(), 7u);
    EXPECT_TRUE(Same(Events()[0], kUsageB, kMacroPress, 60));  // the pause lands before the insertion point
    EXPECT_TRUE(Same(Events()[1], kUsageB, kMacroRelease, 0));
    EXPECT_EQ(Events()[2].Code, kUsageA);

    editor.Record();
    EXPECT_EQ(editor.EventCount(), 0);
    EXPECT_TRUE(editor.EventRows().empty());
}

TEST_F(RecorderTest, ContextMenusAndTheTreeWaitWhileRecording) {
    editor.Record();
    EXPECT_FALSE(editor.ContextMenusAllowed());
    editor.EventCommand(kCmdFirstMouseButton, -1);
    editor.SelectTreeRow(0);
    EXPECT_EQ(editor.EventCount(), 0);
    EXPECT_EQ(editor.SelectedTreeRow(), 1);
}

TEST_F(RecorderTest, InsertDelayOnlyBetweenEventsWithoutAPause) {
    RecordAB(false);
    editor.EventCommand(kCmdInsertDelay, 0);  // the first event has no predecessor
    EXPECT_EQ(editor.EventRows().size(), 4u);

    editor.EventCommand(kCmdInsertDelay, 2);  // B press after A release
    EXPECT_EQ(Events()[1].Value, 1);
    ASSERT_EQ(editor.EventRows().size(), 5u);
    EXPECT_EQ(editor.EventRows()[2], (EventRow{"1 ms", 2u << 16 | kClockIcon}));
    EXPECT_EQ(store.Folders[0].Entries[0]->Events[1].Value, 1);

    editor.EventCommand(kCmdInsertDelay, 3);  // B press again: its predecessor now pauses
    EXPECT_EQ(Events()[1].Value, 1);
    editor.EventCommand(kCmdInsertDelay, 2);  // a value row
    EXPECT_EQ(editor.EventRows().size(), 5u);
}

TEST_F(RecorderTest, DeletingAValueRowKeepsTheEventAndAnEventRowRemovesIt) {
    RecordAB(true);
    editor.EventCommand(kCmdDeleteRow, 1);  // "250 ms"
    ASSERT_EQ(Events().size(), 4u);
    EXPECT_TRUE(Same(Events()[0], kUsageA, kMacroPress, 0));
    EXPECT_EQ(editor.EventRows()[1].text, "A");

    editor.EventCommand(kCmdDeleteRow, RowOfText("B"));  // the B press
    ASSERT_EQ(Events().size(), 3u);
    EXPECT_TRUE(Same(Events()[2], kUsageB, kMacroRelease, 0));
    EXPECT_EQ(store.Folders[0].Entries[0]->EventCount, 3);
}

TEST_F(RecorderTest, MouseClickAndSinglePressFromTheMenu) {
    RecordAB(false);
    editor.EventCommand(kCmdFirstMouseButton + 2, 2);  // left click before the B press
    ASSERT_EQ(Events().size(), 6u);
    EXPECT_TRUE(Same(Events()[2], 0xF0, kMacroPress, 0));
    EXPECT_TRUE(Same(Events()[3], 0xF0, kMacroRelease, 0));
    EXPECT_EQ(editor.EventRows()[2], (EventRow{"Left Down", 3u << 16 | kMouseIcon}));
    EXPECT_EQ(editor.EventRows()[3].text, "Left Up");

    editor.EventCommand(kCmdFirstMouseButton + 9, -1);  // forward button press, appended
    EXPECT_TRUE(Same(Events()[6], 0xF4, kMacroPress, 10));
    EXPECT_EQ(editor.EventRows().back(), (EventRow{"10 ms", 7u << 16 | kClockIcon}));
    editor.EventCommand(kCmdLastMouseButton - 1, -1);  // back button release
    EXPECT_TRUE(Same(Events()[7], 0xF3, kMacroRelease, 10));
    EXPECT_EQ(store.Folders[0].Entries[0]->EventCount, 8);
}

TEST_F(RecorderTest, StepPairsAndClicksNeedTwoFreeEvents) {
    editor.EventCommand(kCmdLastStepPair, -1);
    ASSERT_EQ(Events().size(), 2u);
    EXPECT_TRUE(Same(Events()[0], 0xF9, kMacroStep, 1));
    EXPECT_TRUE(Same(Events()[1], 0xFC, kMacroStep, 1));
    EXPECT_EQ(editor.EventRows()[0], (EventRow{"", 1u << 16 | kMouseIcon}));
    EXPECT_EQ(editor.EventRows()[1].text, "1 steps");

    for (int i = 0; i < 47; ++i) editor.EventCommand(kCmdFirstMouseButton, -1);
    ASSERT_EQ(editor.EventCount(), 49);
    editor.EventCommand(kCmdFirstMouseButton + 2, -1);
    editor.EventCommand(kCmdFirstStepPair, -1);
    EXPECT_EQ(editor.EventCount(), 49);
    editor.EventCommand(kCmdFirstMouseButton + 1, -1);
    EXPECT_EQ(editor.EventCount(), 50);
    editor.EventCommand(kCmdFirstMouseButton + 1, -1);
    EXPECT_EQ(editor.EventCount(), 50);
}

TEST_F(RecorderTest, EditedPauseIsBoundedAndItsRowRewritten) {
    RecordAB(true);
    editor.EventCommand(kCmdEditValue, 0);  // an event row: no edit
    EXPECT_EQ(editor.EditingRow(), -1);
    editor.EventCommand(kCmdEditValue, 1);
    EXPECT_EQ(editor.EditingRow(), 1);
    EXPECT_EQ(editor.FinishEdit("75 ms"), std::nullopt);
    EXPECT_EQ(Events()[0].Value, 75);
    EXPECT_EQ(store.Folders[0].Entries[0]->Events[0].Value, 75);

    editor.EventCommand(kCmdEditValue, 1);
    EXPECT_EQ(editor.FinishEdit("-3"), (EventRow{"1 ms", 1u << 16 | kClockIcon}));
    EXPECT_EQ(Events()[0].Value, 1);
    editor.EventCommand(kCmdEditValue, 1);
    EXPECT_EQ(editor.FinishEdit("99999999999"), (EventRow{"65535 ms", 1u << 16 | kClockIcon}));
    EXPECT_EQ(Events()[0].Value, kMaxPause);
    EXPECT_EQ(editor.FinishEdit("5"), std::nullopt);  // no edit open
    EXPECT_EQ(Events()[0].Value, kMaxPause);
}

TEST_F(RecorderTest, CaretFollowsTheChangeAndMovesAheadInTheMiddle) {
    for (int i = 0; i < 20; ++i) editor.EventCommand(kCmdFirstMouseButton + 2, -1);
    EXPECT_EQ(editor.CaretRow(), 39);  // the last row
    editor.EventCommand(kCmdFirstMouseButton, 10);  // a press with its value row, before event 10
    EXPECT_EQ(editor.CaretRow(), 12);               // its row 10, two further down
    editor.EventCommand(kCmdDeleteRow, 2);
    EXPECT_EQ(editor.CaretRow(), 2);  // near the top: stays
}

TEST_F(RecorderTest, EventCommandsNeedAMacro) {
    editor.SelectTreeRow(0);
    editor.EventCommand(kCmdFirstStepPair, -1);
    EXPECT_EQ(editor.EventCount(), 0);
    ASSERT_EQ(host.warnings.size(), 1u);
    EXPECT_EQ(host.warnings[0], (std::pair{WarningVariant::C, 0}));
}

}  // namespace
