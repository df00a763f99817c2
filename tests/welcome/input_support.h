#pragma once
// Real input for the welcome tests, through the system's input queue (SendInput).

#include "framework/win_headers.h"

#include <initializer_list>

struct KeyStroke
{
    WORD wVk;
    bool bUp;
};

// Sends the key events in order.
void SendKeys(std::initializer_list<KeyStroke> keys);
// Moves the pointer to (x, y) on the screen and clicks the left button there.
void ClickAt(int x, int y);
// Alt+F4 as real keys.
void SendAltF4();
// The messages that Alt+F4 puts in the focused window's queue, posted directly.
void PostAltF4(HWND hFocus);
