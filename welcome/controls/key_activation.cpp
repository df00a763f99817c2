#include "welcome/controls/key_activation.h"

int g_bKeyPressed = 0;

bool IsActivationKeyMessage(unsigned message, std::uintptr_t wParam)
{
    if (message < kFirstKeyMessage || message > kLastKeyMessage)
        return false;
    return wParam == kReturnKey || wParam == kSpaceKey;
}

KeyActivation TakeActivationKey(unsigned message)
{
    if (message == kKeyDownMessage) {
        g_bKeyPressed = 1;
        return KeyActivation::Press;
    }
    if (message == kKeyUpMessage && g_bKeyPressed == 1) {
        g_bKeyPressed = 0;
        return KeyActivation::Click;
    }
    return KeyActivation::None;
}

void ForgetActivationKey()
{
    g_bKeyPressed = 0;
}
