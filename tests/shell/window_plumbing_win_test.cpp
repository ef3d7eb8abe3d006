// How objects meet their windows: the window base, the subclass helper and
// the parent's reflection of control messages.
#include <gtest/gtest.h>

#include <windows.h>

#include <memory>
#include <vector>

#include "shell/attached_window_win.h"
#include "shell/bitmap_edit_win.h"
#include "shell/reflect_win.h"
#include "shell/skin_list_box_win.h"
#include "shell/window_subclass_win.h"
#include "skin_list_box_host_win.h"

namespace {

class Probe {
public:
    std::vector<UINT> seen;
    std::vector<bool> boundWhenSeen;
    HWND Window() const { return window_; }

private:
    friend LRESULT CALLBACK ::AttachedWindowProc<Probe>(HWND, UINT, WPARAM, LPARAM);
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
        seen.push_back(message);
        boundWhenSeen.push_back(window_ != nullptr);
        return DefWindowProcA(window_, message, wParam, lParam);
    }
    HWND window_ = nullptr;
};

bool Saw(const std::vector<UINT>& seen, UINT message) {
    for (UINT m : seen)
        if (m == message) return true;
    return false;
}

HWND MakeChild(HWND parent, const char* cls, int id) {
    return CreateWindowExA(0, cls, "", WS_CHILD | WS_VISIBLE, 0, 0, 50, 20, parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleA(nullptr), nullptr);
}

}  // namespace

TEST(AttachedWindow, BoundFromNcCreateToNcDestroy) {
    ASSERT_TRUE(RegisterAttachedClass<Probe>("PlumbingProbe"));
    ASSERT_TRUE(RegisterAttachedClass<Probe>("PlumbingProbe"));  // a second registration is harmless
    Probe probe;
    HWND window = CreateWindowExA(0, "PlumbingProbe", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                  GetModuleHandleA(nullptr), &probe);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(probe.Window(), window);
    ASSERT_FALSE(probe.seen.empty());
    EXPECT_EQ(probe.seen.front(), static_cast<UINT>(WM_NCCREATE));
    EXPECT_TRUE(probe.boundWhenSeen.front());
    DestroyWindow(window);
    EXPECT_EQ(probe.Window(), nullptr);
    EXPECT_EQ(probe.seen.back(), static_cast<UINT>(WM_NCDESTROY));
    EXPECT_TRUE(probe.boundWhenSeen.back());  // the object sees its window's last message
}

TEST(AttachedWindow, WindowWithoutObjectGetsTheDefaultHandling) {
    ASSERT_TRUE(RegisterAttachedClass<Probe>("PlumbingProbe"));
    HWND window = CreateWindowExA(0, "PlumbingProbe", "plain", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                  GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(window, nullptr);
    char title[16] = {};
    GetWindowTextA(window, title, sizeof title);
    EXPECT_STREQ(title, "plain");
    DestroyWindow(window);
}

TEST(WindowSubclass, RemovesItselfWhenTheWindowGoes) {
    RecordingHost& host = SharedHost();
    HWND button = MakeChild(host.window, "BUTTON", 7);
    WindowSubclass subclass;
    std::vector<UINT> seen;
    ASSERT_TRUE(subclass.Attach(button, [&](UINT message, WPARAM, LPARAM, LRESULT& result) {
        seen.push_back(message);
        if (message != WM_GETDLGCODE) return false;
        result = 0x1234;
        return true;
    }));
    EXPECT_FALSE(subclass.Attach(button, nullptr));  // one window per helper
    EXPECT_EQ(SendMessageA(button, WM_GETDLGCODE, 0, 0), 0x1234);
    DestroyWindow(button);
    EXPECT_FALSE(subclass.Attached());
    EXPECT_TRUE(Saw(seen, WM_NCDESTROY));
}

TEST(WindowSubclass, ObjectGoingFirstGivesTheWindowBackItsOwnProcedure) {
    RecordingHost& host = SharedHost();
    HWND button = MakeChild(host.window, "BUTTON", 8);
    {
        WindowSubclass subclass;
        subclass.Attach(button, [](UINT message, WPARAM, LPARAM, LRESULT& result) {
            result = 0x1234;
            return message == WM_GETDLGCODE;
        });
    }
    EXPECT_NE(SendMessageA(button, WM_GETDLGCODE, 0, 0), 0x1234);
    DestroyWindow(button);
}

TEST(WindowSubclass, SeveralOnOneWindowAnswerNewestFirstAndLeaveInAnyOrder) {
    RecordingHost& host = SharedHost();
    HWND button = MakeChild(host.window, "BUTTON", 9);
    const auto own = GetWindowLongPtrA(button, GWLP_WNDPROC);
    std::vector<char> order;
    auto older = std::make_unique<WindowSubclass>();
    WindowSubclass newer;
    // The older one answers WM_GETDLGCODE; the newer one only looks and
    // passes it on, once through CallNext and once by declining.
    ASSERT_TRUE(older->Attach(button, [&](UINT message, WPARAM, LPARAM, LRESULT& result) {
        if (message != WM_GETDLGCODE) return false;
        order.push_back('o');
        result = 0x55;
        return true;
    }));
    bool callNext = true;
    ASSERT_TRUE(newer.Attach(button, [&](UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
        if (message != WM_GETDLGCODE) return false;
        order.push_back('n');
        if (!callNext) return false;
        result = newer.CallNext(message, wParam, lParam) + 1;
        return true;
    }));
    EXPECT_EQ(SendMessageA(button, WM_GETDLGCODE, 0, 0), 0x56);
    callNext = false;
    EXPECT_EQ(SendMessageA(button, WM_GETDLGCODE, 0, 0), 0x55);
    EXPECT_EQ(order, (std::vector<char>{'n', 'o', 'n', 'o'}));

    // The older one goes first: the newer one still works, over the
    // window's own procedure.
    older.reset();
    order.clear();
    EXPECT_NE(SendMessageA(button, WM_GETDLGCODE, 0, 0), 0x55);
    EXPECT_EQ(order, std::vector<char>{'n'});
    newer.Detach();
    EXPECT_EQ(GetWindowLongPtrA(button, GWLP_WNDPROC), own);
    DestroyWindow(button);
}

TEST(WindowSubclass, EverySubclassSeesTheWindowGoAndMayDeleteItself) {
    RecordingHost& host = SharedHost();
    HWND button = MakeChild(host.window, "BUTTON", 10);
    // Owned by its window, as the parent's forwarder is.
    struct SelfOwned : WindowSubclass {
        int* gone;
        explicit SelfOwned(int* counter) : gone(counter) {}
        void OnWindowGone() override {
            ++*gone;
            delete this;
        }
    };
    int gone = 0;
    std::vector<UINT> lastSeen(2, 0);
    for (int i = 0; i < 2; ++i) {
        auto* subclass = new SelfOwned(&gone);
        ASSERT_TRUE(subclass->Attach(button, [&lastSeen, i](UINT message, WPARAM, LPARAM, LRESULT&) {
            lastSeen[i] = message;
            return false;
        }));
    }
    DestroyWindow(button);
    EXPECT_EQ(gone, 2);
    EXPECT_EQ(lastSeen, (std::vector<UINT>{WM_NCDESTROY, WM_NCDESTROY}));
}

TEST(Reflection, ParentHandsControlMessagesToReflectedControlsOnly) {
    RecordingHost& host = SharedHost();
    HWND reflected = MakeChild(host.window, "STATIC", 11);
    HWND plain = MakeChild(host.window, "STATIC", 12);
    WindowSubclass control;
    std::vector<UINT> seen;
    control.Attach(reflected, [&](UINT message, WPARAM, LPARAM, LRESULT& result) {
        if (message < kReflectBase) return false;
        seen.push_back(message);
        result = message == Reflected(WM_CTLCOLORSTATIC) ? reinterpret_cast<LRESULT>(GetStockObject(BLACK_BRUSH))
                                                          : TRUE;
        return true;
    });
    ASSERT_TRUE(ReflectToControl(reflected));
    ASSERT_TRUE(ReflectToControl(reflected));  // once is enough, twice is harmless
    const WindowDc dc(reflected);
    const auto colour = [&](HWND which) {
        return SendMessageA(host.window, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc.get()),
                            reinterpret_cast<LPARAM>(which));
    };
    EXPECT_EQ(colour(reflected), reinterpret_cast<LRESULT>(GetStockObject(BLACK_BRUSH)));
    EXPECT_NE(colour(plain), reinterpret_cast<LRESULT>(GetStockObject(BLACK_BRUSH)));

    DRAWITEMSTRUCT draw{};
    draw.CtlType = ODT_STATIC;
    draw.hwndItem = reflected;
    EXPECT_EQ(SendMessageA(host.window, WM_DRAWITEM, 11, reinterpret_cast<LPARAM>(&draw)), TRUE);
    draw.CtlType = ODT_MENU;  // menus are not controls
    SendMessageA(host.window, WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&draw));

    // Commands reach the control too.
    SendMessageA(host.window, WM_COMMAND, MAKEWPARAM(11, STN_CLICKED), reinterpret_cast<LPARAM>(reflected));
    EXPECT_EQ(seen, (std::vector<UINT>{Reflected(WM_CTLCOLORSTATIC), Reflected(WM_DRAWITEM), Reflected(WM_COMMAND)}));

    // A control that is gone no longer gets its parent's messages.
    StopReflecting(reflected);
    seen.clear();
    colour(reflected);
    EXPECT_TRUE(seen.empty());
    DestroyWindow(reflected);
    DestroyWindow(plain);
}

TEST(Reflection, ControlsOutlivedByTheirObjectsOrParentsLeaveNothingBehind) {
    // A parent destroyed with its controls' objects still alive, then objects
    // destroyed before their parent: no message reaches a freed object.
    RecordingHost& host = SharedHost();
    for (int round = 0; round < 3; ++round) {
        HWND parent = MakeChild(host.window, "STATIC", 20);
        auto edit = std::make_unique<BitmapEdit>();
        auto list = std::make_unique<SkinListBox>();
        ASSERT_TRUE(edit->Create(parent, 1, RECT{0, 0, 50, 20}));
        ASSERT_TRUE(list->Create(parent, 2, RECT{0, 30, 50, 90}));
        HWND editWindow = edit->Handle();
        if (round == 0) {
            DestroyWindow(parent);
            EXPECT_EQ(edit->Handle(), nullptr);
            EXPECT_EQ(list->Handle(), nullptr);
        } else {
            edit.reset();
            list.reset();
            EXPECT_FALSE(IsWindow(editWindow));
            // The parent keeps answering on its own.
            const WindowDc dc(parent);
            SendMessageA(parent, WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc.get()),
                         reinterpret_cast<LPARAM>(editWindow));
            DestroyWindow(parent);
        }
    }
}
