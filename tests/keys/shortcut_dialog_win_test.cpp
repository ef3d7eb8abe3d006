// The shortcut dialog under real input: toggles clicked with the mouse and
// keys pressed on the keyboard while its capture runs. Captured keys reach
// the dialog as posted messages, so a marker key pressed last tells when
// every key before it has been handled.
#include <gtest/gtest.h>

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "../shell/input_pump_win.h"
#include "../shell/mouse_input_win.h"
#include "../shell/skin_set_folder_win.h"
#include "keys/key_capture_win.h"
#include "keys/shortcut_dialog_win.h"
#include "skins/skin_entries.h"

namespace {

constexpr int kToggleEntries[] = {skin_key::kKeyAlone, skin_key::kShift, skin_key::kCtrl, skin_key::kAlt,
                                  skin_key::kWin};

class Captions : public TextSource {
public:
    std::string Text(int) const override { return "caption"; }
};

std::string TextOf(HWND window) {
    char text[64] = {};
    GetWindowTextA(window, text, sizeof text);
    return text;
}

// The dialog's owner: records every keyboard message it gets and runs
// `onDisabled` once a modal dialog has disabled it.
class Owner {
public:
    Owner() {
        WNDCLASSA cls{};
        cls.lpfnWndProc = Proc;
        cls.hInstance = GetModuleHandleA(nullptr);
        cls.hCursor = LoadCursor(nullptr, IDC_ARROW);
        cls.lpszClassName = "ShortcutDialogTestOwner";
        RegisterClassA(&cls);
        window = CreateWindowExA(0, cls.lpszClassName, "owner", WS_POPUP | WS_VISIBLE, 200, 150, 600, 400, nullptr,
                                 nullptr, cls.hInstance, nullptr);
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    }
    ~Owner() { DestroyWindow(window); }
    Owner(const Owner&) = delete;
    Owner& operator=(const Owner&) = delete;

    void Focus() const {
        SetForegroundWindow(window);
        SetFocus(window);
    }
    bool GotKey(WPARAM vk) const {
        for (const MSG& m : keys)
            if (m.wParam == vk) return true;
        return false;
    }

    HWND window = nullptr;
    std::vector<MSG> keys;
    std::function<void()> onDisabled;

private:
    static constexpr UINT kDrive = WM_APP + 1;
    static LRESULT CALLBACK Proc(HWND w, UINT m, WPARAM wp, LPARAM lp) {
        auto* self = reinterpret_cast<Owner*>(GetWindowLongPtrA(w, GWLP_USERDATA));
        if (!self) return DefWindowProcA(w, m, wp, lp);
        if (m >= WM_KEYFIRST && m <= WM_KEYLAST) self->keys.push_back({w, m, wp, lp, 0, {}});
        // Posted, so it runs inside the dialog's loop with the dialog shown.
        if (m == WM_ENABLE && !wp && self->onDisabled) PostMessageA(w, kDrive, 0, 0);
        if (m == kDrive && self->onDisabled) std::exchange(self->onDisabled, nullptr)();
        return DefWindowProcA(w, m, wp, lp);
    }
};

Owner& SharedOwner() {
    static Owner* owner = new Owner();  // top-level windows are slow to make under Wine
    owner->keys.clear();
    owner->Focus();
    return *owner;
}

INPUT ExtendedKey(WORD vk, bool up) {
    INPUT input = KeyInput(vk, up);
    input.ki.dwFlags |= KEYEVENTF_EXTENDEDKEY;
    return input;
}

// Clicks the middle of `window`. Keys are captured, so a middle-button
// release (not handled) marks the end of the click instead of a key.
bool ClickAndPump(HWND window) {
    const POINT at = CentreOf(window);
    SetCursorPos(at.x, at.y);
    std::vector<INPUT> inputs = {MouseInput(MOUSEEVENTF_MOVE), MouseInput(MOUSEEVENTF_LEFTDOWN),
                                 MouseInput(MOUSEEVENTF_LEFTUP), MouseInput(MOUSEEVENTF_MIDDLEDOWN),
                                 MouseInput(MOUSEEVENTF_MIDDLEUP)};
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
    return PumpUntil([](const MSG& msg) { return msg.message == WM_MBUTTONUP; });
}

// Sends keys while capture runs, then the marker key, and handles messages
// until the marker's release is captured. The marker's press is not handled
// either, so the dialog keeps the key captured before it.
bool SendCapturedAndPump(std::vector<INPUT> inputs) {
    inputs.push_back(KeyInput(kInputMarkerKey, false));
    inputs.push_back(KeyInput(kInputMarkerKey, true));
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
    const auto marker = [](LPARAM released) {
        return [released](const MSG& msg) {
            return msg.message == WM_KEY_CAPTURED && msg.wParam == kInputMarkerKey && msg.lParam == released;
        };
    };
    return PumpUntil(marker(0)) && PumpUntil(marker(kKeyReleased));
}

class ShortcutDialogTest : public testing::Test {
protected:
    void Open(uint8_t key, uint8_t modifiers) {
        dialog = std::make_unique<ShortcutDialog>(SkinSetFolder(), captions, ShortcutChoice(key, modifiers));
        ASSERT_NE(dialog->Create(owner.window), nullptr);
        for (int i = 0; i < ShortcutChoice::kToggleCount; ++i)
            toggles[i] = GetDlgItem(dialog->Handle(), kToggleEntries[i]);
        keyField = GetDlgItem(dialog->Handle(), kShortcutKeyFieldId);
        ASSERT_NE(keyField, nullptr);
        ASSERT_TRUE(PumpPosted());
    }
    std::vector<bool> Enabled() const {
        std::vector<bool> enabled;
        for (HWND t : toggles) enabled.push_back(IsWindowEnabled(t) != FALSE);
        return enabled;
    }
    void TearDown() override {
        dialog.reset();
        RemoveKeyCaptureHook();  // in case a test failed with the dialog open
    }

    Owner& owner = SharedOwner();
    Captions captions;
    std::unique_ptr<ShortcutDialog> dialog;
    HWND toggles[ShortcutChoice::kToggleCount] = {};
    HWND keyField = nullptr;
};

}  // namespace

TEST_F(ShortcutDialogTest, KeyAloneDisablesTheOtherTogglesAndWinsTheModifierByte) {
    Open(0x04, 0x01);
    EXPECT_EQ(TextOf(keyField), "A");
    EXPECT_EQ(Enabled(), (std::vector<bool>{true, false, false, false, false}));

    ASSERT_TRUE(ClickAndPump(toggles[ShortcutChoice::kAlone]));
    EXPECT_EQ(Enabled(), (std::vector<bool>{true, true, true, true, true}));
    ASSERT_TRUE(ClickAndPump(toggles[ShortcutChoice::kShift]));
    ASSERT_TRUE(ClickAndPump(toggles[ShortcutChoice::kCtrl]));
    EXPECT_EQ(dialog->Choice().ModifierByte(), 0x06);

    ASSERT_TRUE(ClickAndPump(toggles[ShortcutChoice::kAlone]));
    EXPECT_EQ(dialog->Choice().ModifierByte(), 0x01);
    EXPECT_EQ(Enabled(), (std::vector<bool>{true, false, false, false, false}));
    EXPECT_TRUE(dialog->Choice().IsOn(ShortcutChoice::kShift));  // kept while disabled
}

TEST_F(ShortcutDialogTest, CapturesEveryKeyUntilItIsDestroyed) {
    Open(0x04, 0x06);
    ASSERT_TRUE(SendCapturedAndPump(Typing({VK_RETURN, VK_ESCAPE, 'Q'})));
    EXPECT_EQ(TextOf(keyField), "Q");
    ASSERT_TRUE(SendCapturedAndPump({ExtendedKey(VK_RMENU, false), ExtendedKey(VK_RMENU, true)}));
    EXPECT_EQ(TextOf(keyField), "Right Alt");
    EXPECT_EQ(dialog->Choice().Key(), 0xE6);
    EXPECT_NE(dialog->Handle(), nullptr);  // neither Enter nor Escape ended it
    EXPECT_TRUE(owner.keys.empty());

    dialog.reset();
    owner.Focus();
    ASSERT_TRUE(SendInputAndPump(Typing({VK_F5})));
    EXPECT_TRUE(owner.GotKey(VK_F5));  // typing reaches windows again
    EXPECT_FALSE(owner.GotKey(VK_RETURN));
    EXPECT_FALSE(owner.GotKey('Q'));
}

TEST_F(ShortcutDialogTest, ModalOnItsOwnerUntilOk) {
    ShortcutDialog modal(SkinSetFolder(), captions, ShortcutChoice(0x28, 0x10));
    HWND shown = nullptr;
    RECT at{}, ownerAt{};
    owner.onDisabled = [&] {
        shown = FindWindowA(nullptr, "Shortcut Dialog");
        GetWindowRect(shown, &at);
        GetWindowRect(owner.window, &ownerAt);
        // Escape first: swallowed like every key, it must not cancel.
        INPUT escape[2] = {KeyInput(VK_ESCAPE, false), KeyInput(VK_ESCAPE, true)};
        SendInput(2, escape, sizeof(INPUT));
        const POINT ok = CentreOf(GetDlgItem(shown, skin_key::kOk));
        SetCursorPos(ok.x, ok.y);
        INPUT click[3] = {MouseInput(MOUSEEVENTF_MOVE), MouseInput(MOUSEEVENTF_LEFTDOWN),
                          MouseInput(MOUSEEVENTF_LEFTUP)};
        SendInput(3, click, sizeof(INPUT));
    };
    EXPECT_EQ(modal.RunModal(owner.window), IDOK);
    ASSERT_NE(shown, nullptr);
    EXPECT_EQ(modal.Choice().Key(), 0x29);  // the Escape it captured
    EXPECT_EQ(modal.Choice().ModifierByte(), 0x10);
    EXPECT_EQ((at.left + at.right) / 2, (ownerAt.left + ownerAt.right) / 2);
    EXPECT_EQ((at.top + at.bottom) / 2, (ownerAt.top + ownerAt.bottom) / 2);
    EXPECT_FALSE(IsWindow(shown));
}
