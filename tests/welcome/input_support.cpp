#include "input_support.h"

#include <vector>

namespace
{
// Context code (Alt held) and scan code of F4 in a key message's lParam.
constexpr LPARAM kAltContext = LPARAM(1) << 29;
constexpr LPARAM kF4ScanCode = LPARAM(0x3E) << 16;
constexpr LPARAM kKeyUpBits = (LPARAM(1) << 30) | (LPARAM(1) << 31);
}  // namespace

void SendKeys(std::initializer_list<KeyStroke> keys)
{
    std::vector<INPUT> inputs;
    for (const KeyStroke& key : keys)
    {
        INPUT input{};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = key.wVk;
        input.ki.wScan = static_cast<WORD>(MapVirtualKeyA(key.wVk, MAPVK_VK_TO_VSC));
        input.ki.dwFlags = key.bUp ? KEYEVENTF_KEYUP : 0;
        inputs.push_back(input);
    }
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

void ClickAt(int x, int y)
{
    SetCursorPos(x, y);
    INPUT inputs[2]{};
    inputs[0].type = INPUT_MOUSE;
    inputs[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    inputs[1].type = INPUT_MOUSE;
    inputs[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    SendInput(2, inputs, sizeof(INPUT));
}

void SendAltF4()
{
    SendKeys({{VK_MENU, false}, {VK_F4, false}, {VK_F4, true}, {VK_MENU, true}});
}

void PostAltF4(HWND hFocus)
{
    PostMessageA(hFocus, WM_SYSKEYDOWN, VK_F4, 1 | kF4ScanCode | kAltContext);
    PostMessageA(hFocus, WM_SYSKEYUP, VK_F4, 1 | kF4ScanCode | kAltContext | kKeyUpBits);
}
