#include "tools/synthetic_input/synthetic_input_win.h"

#include <vector>

INPUT MouseInputAt(POINT screen, DWORD buttonFlags) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    // The +1 keeps the point from rounding down to the pixel before it.
    input.mi.dx = MulDiv(screen.x, 65536, GetSystemMetrics(SM_CXSCREEN)) + 1;
    input.mi.dy = MulDiv(screen.y, 65536, GetSystemMetrics(SM_CYSCREEN)) + 1;
    input.mi.dwFlags = MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_MOVE | buttonFlags;
    return input;
}

void SendMouseMove(POINT screen) {
    INPUT move = MouseInputAt(screen);
    SendInput(1, &move, sizeof move);
}

void SendClick(POINT screen, int clicks, DWORD down, DWORD up) {
    std::vector<INPUT> inputs{MouseInputAt(screen)};
    for (int i = 0; i < clicks; ++i) {
        inputs.push_back(MouseInputAt(screen, down));
        inputs.push_back(MouseInputAt(screen, up));
    }
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

INPUT KeyInput(WORD vk, bool release) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = vk;
    input.ki.wScan = static_cast<WORD>(MapVirtualKeyA(vk, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = release ? KEYEVENTF_KEYUP : 0;
    return input;
}

void SendKey(WORD vk, bool release) {
    INPUT key = KeyInput(vk, release);
    SendInput(1, &key, sizeof key);
}

void SendKeyTap(WORD vk) {
    INPUT keys[2] = {KeyInput(vk, false), KeyInput(vk, true)};
    SendInput(2, keys, sizeof(INPUT));
}
