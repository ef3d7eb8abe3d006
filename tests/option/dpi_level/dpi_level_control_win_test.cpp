// The six DPI level controls cut from the generated button page, driven with
// real mouse input; the host stands in for the page and records what the
// controls post to it.
#include <gtest/gtest.h>

#include <windows.h>

#include <array>
#include <memory>
#include <string>
#include <utility>

#include "../../shell/input_pump_win.h"
#include "../../shell/mouse_input_win.h"
#include "../../shell/skin_set_folder_win.h"
#include "../../shell/skin_list_box_host_win.h"
#include "option/dpi_level/dpi_level_control_win.h"
#include "shell/skin_layout_win.h"
#include "shell/skin_picture_win.h"
#include "skins/skin_entries.h"

namespace {

RECT ChildRect(HWND child) {
    RECT r;
    GetWindowRect(child, &r);
    MapWindowPoints(HWND_DESKTOP, GetParent(child), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

class DpiLevelControlTest : public testing::Test {
protected:
    void SetUp() override {
        PumpPosted();
        host.messages.clear();
        SetForegroundWindow(host.window);
        baseline = OwnedGdiObjectCount();
        const SkinLayout page(SkinSetFolder(), skin_button_page::kIniFile);
        UniqueBitmap sheets[3];
        const char* keys[3] = {"Normal", "Over", "Down"};
        SIZE ignored{};
        for (int i = 0; i < 3; ++i) ASSERT_TRUE(LoadSkinPicture(page.ScreenPicture(keys[i]), sheets[i], ignored));
        for (int n = 0; n < kDpiLevelCount; ++n) {
            const RECT at = page.EntryRect(skin_button_page::kDpiLevel[n]);
            const RECT shown{10, 10 + 45 * n, 10 + (at.right - at.left), 10 + 45 * n + (at.bottom - at.top)};
            levels[n] = std::make_unique<DpiLevelControl>();
            ASSERT_TRUE(levels[n]->Create(host.window, shown, kDpiLevelFirstId + n, SkinSetFolder(), "level"));
            levels[n]->SetPictures(at, sheets[0].get(), sheets[1].get(), sheets[2].get());
            levels[n]->SetValue(16 * (n + 1));
            levels[n]->SetEnabled(true);
            levels[n]->SetCurrent(n == 0);
        }
        PumpPosted();
        host.messages.clear();
    }
    // What the page does with the controls' notices: a strip click makes
    // its level the current one, whatever the strip's flag.
    void ActAsThePage() {
        for (const RecordedMessage& m : host.Received(kDpiLevelMessage))
            if (UnpackDpiLevelNotice(static_cast<uint32_t>(m.wParam)).kind == DpiLevelChange::kCurrent)
                for (int n = 0; n < kDpiLevelCount; ++n) levels[n]->SetCurrent(kDpiLevelFirstId + n == m.lParam);
    }
    // Drags the slider's thumb of `level` to `x` on the screen and lets go.
    void DragThumb(DpiLevelControl& level, int x) {
        HWND thumb = GetWindow(level.Slider(), GW_CHILD);
        const POINT grab = CentreOf(thumb);
        MoveTo(grab);
        SendInputAndPump({MouseInput(MOUSEEVENTF_LEFTDOWN)});
        MoveTo({x, grab.y});
        SendInputAndPump({MouseInput(MOUSEEVENTF_LEFTUP)});
        PumpPosted();
    }
    DpiLevelNotice LastNotice(int id) const {
        const auto notices = host.Received(kDpiLevelMessage);
        if (notices.empty()) return {};
        EXPECT_EQ(notices.back().lParam, id);
        return UnpackDpiLevelNotice(static_cast<uint32_t>(notices.back().wParam));
    }

    RecordingHost& host = SharedHost();
    long baseline = 0;  // owned GDI objects before the controls were made
    std::array<std::unique_ptr<DpiLevelControl>, kDpiLevelCount> levels;
};

}  // namespace

TEST_F(DpiLevelControlTest, PartsSitAtTheirRectanglesInAShapedControl) {
    DpiLevelControl& level = *levels[2];
    EXPECT_EQ(GetDlgCtrlID(level.Handle()), 502);
    const std::pair<HWND, SkinRect> parts[] = {
        {level.Strip(), kDpiCurrentStripRect}, {level.Switch(), kDpiEnableSwitchRect}, {level.Slider(), kDpiSliderRect}};
    for (const auto& [part, expected] : parts) {
        const RECT r = ChildRect(part);
        EXPECT_EQ((SkinRect{r.left, r.top, r.right, r.bottom}), expected);
    }
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    EXPECT_NE(GetWindowRgn(level.Handle(), region), ERROR);  // outlined by the DPI mask
    DeleteObject(region);
    EXPECT_EQ(level.Model().LabelText(), "2400");
}

TEST_F(DpiLevelControlTest, SliderDraggedToEitherEndReportsItsValueAndShowsTheDpi) {
    DpiLevelControl& level = *levels[3];
    RECT track;
    GetWindowRect(level.Slider(), &track);
    DragThumb(level, track.right + 40);
    EXPECT_EQ(LastNotice(503), (DpiLevelNotice{DpiLevelChange::kValue, 164}));
    EXPECT_EQ(level.Model().LabelText(), "8200");
    DragThumb(level, track.left - 40);
    EXPECT_EQ(LastNotice(503), (DpiLevelNotice{DpiLevelChange::kValue, 2}));
    EXPECT_EQ(level.Model().LabelText(), "100");
}

TEST_F(DpiLevelControlTest, ClickingTheCurrentStripKeepsTheLevelCurrent) {
    DpiLevelControl& current = *levels[0];
    ClickOn(current.Strip());
    EXPECT_EQ(LastNotice(500).kind, DpiLevelChange::kCurrent);
    ActAsThePage();
    EXPECT_TRUE(current.Model().IsCurrent());
    EXPECT_FALSE(IsWindowEnabled(current.Switch()));

    host.messages.clear();
    ClickOn(levels[4]->Strip());
    EXPECT_EQ(LastNotice(504), (DpiLevelNotice{DpiLevelChange::kCurrent, 1}));
    ActAsThePage();
    EXPECT_FALSE(current.Model().IsCurrent());
    EXPECT_TRUE(IsWindowEnabled(current.Switch()));
    EXPECT_FALSE(IsWindowEnabled(levels[4]->Switch()));
}

TEST_F(DpiLevelControlTest, EnableSwitchOfTheCurrentLevelCannotBeClicked) {
    ClickOn(levels[0]->Switch());
    EXPECT_TRUE(host.Received(kDpiLevelMessage).empty());
    EXPECT_TRUE(levels[0]->Model().Enabled());

    DpiLevelControl& other = *levels[1];
    ClickOn(other.Switch());
    EXPECT_EQ(LastNotice(501), (DpiLevelNotice{DpiLevelChange::kEnabled, 0}));
    EXPECT_FALSE(IsWindowEnabled(other.Strip()));
    EXPECT_FALSE(IsWindowEnabled(other.Slider()));
    ClickOn(other.Switch());
    EXPECT_EQ(LastNotice(501), (DpiLevelNotice{DpiLevelChange::kEnabled, 1}));
    EXPECT_TRUE(IsWindowEnabled(other.Slider()));
}

TEST_F(DpiLevelControlTest, PaintingMakesNoGdiObjectAndDestroyingLeavesNone) {
    const long alive = OwnedGdiObjectCount();
    for (int round = 0; round < 5; ++round) {
        for (auto& level : levels) {
            level->SetCurrent(round % 2 == 0);
            level->SetValue(2 + round);
            RedrawWindow(level->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        }
    }
    EXPECT_EQ(OwnedGdiObjectCount(), alive);
    for (auto& level : levels) level.reset();
    PumpPosted();
    EXPECT_EQ(OwnedGdiObjectCount(), baseline);
}
