#pragma once
// The welcome window's Enter/Space handling, apart from any window system: which key messages the
// window takes for itself, and what each one does to the focused push button and to the latch.

#include <cstdint>

// One latch for both keys and all buttons: 1 after a key-down of Enter or Space, back to 0 at the
// first key-up that finds it set.
extern int g_bKeyPressed;

enum class KeyActivation
{
    None,   // taken, but neither presses nor clicks
    Press,  // the focused push button shows its pressed state
    Click   // the focused push button shows its focused state and is clicked
};

// Key messages from WM_KEYDOWN to WM_SYSDEADCHAR; the platform's own "last key message" constant
// has grown beyond this range over time, so the range is written out here.
constexpr unsigned kFirstKeyMessage = 0x0100;
constexpr unsigned kLastKeyMessage = 0x0107;
constexpr unsigned kKeyDownMessage = 0x0100;
constexpr unsigned kKeyUpMessage = 0x0101;
constexpr std::uintptr_t kReturnKey = 0x0D;
constexpr std::uintptr_t kSpaceKey = 0x20;

// TRUE for every key message of Enter or Space (character messages of them included): those never
// reach the dialog manager, so they never act as the dialog's default command.
bool IsActivationKeyMessage(unsigned message, std::uintptr_t wParam);

// Updates g_bKeyPressed for a message that IsActivationKeyMessage took and says what it does to
// the focused push button. The latch changes whether or not a push button has the focus.
KeyActivation TakeActivationKey(unsigned message);

// A key whose press went to another window must not click a button here.
void ForgetActivationKey();
