#include "message_hook.h"

CMessageHook* CMessageHook::s_pActive = nullptr;

CMessageHook::CMessageHook(std::function<void(const MSG&)> action)
    : m_action(std::move(action)), m_hHook(SetWindowsHookExA(WH_GETMESSAGE, Hook, nullptr, GetCurrentThreadId()))
{
    s_pActive = this;
}

CMessageHook::~CMessageHook()
{
    if (m_hHook != nullptr)
        UnhookWindowsHookEx(m_hHook);
    s_pActive = nullptr;
}

LRESULT CALLBACK CMessageHook::Hook(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HC_ACTION && wParam == PM_REMOVE && s_pActive != nullptr)
        s_pActive->m_action(*reinterpret_cast<const MSG*>(lParam));
    return CallNextHookEx(nullptr, code, wParam, lParam);
}
