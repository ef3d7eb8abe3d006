// The repeated-click dialog under real input: keys captured only while the
// key field has the focus, the number fields bounded as they are typed,
// Enter and Escape ending nothing.
#include <gtest/gtest.h>

#include "../../shell/skin_set_folder_win.h"
#include "../dialog_driver/dialog_driver_win.h"
#include "keys/key_capture_win.h"
#include "option/fire_button/fire_button_dialog_win.h"
#include "shell/gallery/gallery_screenshot_win.h"
#include "skins/skin_entries.h"

namespace {

namespace skin = skin_fire_button;

// The wording lan.dll ships, so that the screenshot shows real lengths.
class Texts : public TextSource {
public:
    std::string Text(int id) const override {
        switch (id) {
            case 265: return "Repeated click";
            case 266: return "Key";
            case 267: return "Count";
            case 268: return "Interval";
            case 269: return "Notes:";
            case 270: return "Count 0 repeats while the button is held down.";
            case 271: return "Interval in milliseconds between two clicks, 5 to 255.";
            default: return "OK";
        }
    }
};

class FireButtonDialogTest : public testing::Test {
protected:
    void Open(const RepeatedClickValues& seed) {
        dialog = std::make_unique<FireButtonDialog>(SkinSetFolder(), texts, seed);
        ASSERT_NE(dialog->Create(owner.window), nullptr);
        count = GetDlgItem(dialog->Handle(), skin::kCountField);
        interval = GetDlgItem(dialog->Handle(), skin::kIntervalField);
        key = GetDlgItem(dialog->Handle(), skin::kKeyField);
        SetForegroundWindow(dialog->Handle());
        SetFocus(key);
        ASSERT_TRUE(PumpPosted());
    }
    void TearDown() override {
        dialog.reset();
        RemoveKeyCaptureHook();
    }

    DialogOwner owner;
    Texts texts;
    std::unique_ptr<FireButtonDialog> dialog;
    HWND count = nullptr, interval = nullptr, key = nullptr;
};

}  // namespace

TEST_F(FireButtonDialogTest, KeyFieldCapturesOnlyWhileItHasTheFocus) {
    Open({0, 5, 0x04});
    EXPECT_EQ(TextOf(count), "0");
    EXPECT_EQ(TextOf(interval), "5");
    EXPECT_EQ(TextOf(key), "A");
    EXPECT_EQ(GetFocus(), key);

    ASSERT_TRUE(SendAndPump(dialog->Handle(), Typing({'Q'})));
    EXPECT_EQ(TextOf(key), "Q");

    std::vector<INPUT> input;
    AddClickOn(input, count);
    ASSERT_TRUE(SendAndPump(dialog->Handle(), input));
    ASSERT_TRUE(SendAndPump(dialog->Handle(), Typing({VK_END, VK_BACK, '3', '0', '0'})));
    EXPECT_EQ(TextOf(count), "255");
    EXPECT_EQ(TextOf(key), "Q");  // typed into the count field, not captured

    input.clear();
    AddClickOn(input, interval);
    AddKeys(input, Typing({VK_END, VK_BACK, '3'}));
    ASSERT_TRUE(SendAndPump(dialog->Handle(), input));
    EXPECT_EQ(TextOf(interval), "3");  // still being typed
    input.clear();
    AddClickOn(input, count);
    ASSERT_TRUE(SendAndPump(dialog->Handle(), input));
    EXPECT_EQ(TextOf(interval), "5");  // left below its limit

    input.clear();
    AddClickOn(input, key);
    ASSERT_TRUE(SendAndPump(dialog->Handle(), input));
    ASSERT_TRUE(SendAndPump(dialog->Handle(), Typing({VK_F5})));
    EXPECT_EQ(TextOf(key), "F5");
    EXPECT_EQ(dialog->Values(), (RepeatedClickValues{255, 5, 0x3E}));
}

TEST_F(FireButtonDialogTest, ScreenshotShowsTitleLabelsAndNotes) {
    Open({10, 30, 0x2C});
    RedrawWindow(dialog->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    ASSERT_TRUE(PumpPosted());
    RECT at{};
    GetWindowRect(dialog->Handle(), &at);
    EXPECT_TRUE(SaveScreenRect(at, SCREENSHOT_DIR "fire_button_dialog.bmp"));
}

TEST(FireButtonDialogModal, EnterAndEscapeEndNothingOkHandsBackTheFields) {
    DialogOwner owner;
    Texts texts;
    FireButtonDialog dialog(SkinSetFolder(), texts, {7, 20, 0x04});
    owner.onDisabled = [&] {
        const HWND shown = FindWindowA(nullptr, "FireClick Dialog");
        std::vector<INPUT> input;
        AddClickOn(input, GetDlgItem(shown, skin::kCountField));  // out of the capture
        ASSERT_TRUE(SendAndPump(shown, input));
        input = Typing({VK_ESCAPE, VK_RETURN, VK_END, '1'});
        AddClickOn(input, GetDlgItem(shown, skin::kOk));
        Send(input);
    };
    EXPECT_EQ(dialog.RunModal(owner.window), IDOK);
    EXPECT_EQ(dialog.Values(), (RepeatedClickValues{71, 20, 0x04}));
}

TEST(FireButtonDialogModal, CloseButtonCancels) {
    DialogOwner owner;
    Texts texts;
    FireButtonDialog dialog(SkinSetFolder(), texts, {});
    owner.onDisabled = [&] {
        std::vector<INPUT> input;
        AddClickOn(input, GetDlgItem(FindWindowA(nullptr, "FireClick Dialog"), skin::kClose));
        Send(input);
    };
    EXPECT_EQ(dialog.RunModal(owner.window), IDCANCEL);
}
