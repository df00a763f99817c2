#pragma once

#include <windows.h>

#include <functional>

// Runs a test's action on this thread whenever a message is taken out of its queue (WH_GETMESSAGE):
// a way to act from inside the search's own message pump.
class CMessageHook {
public:
    explicit CMessageHook(std::function<void(const MSG&)> action);
    ~CMessageHook();
    CMessageHook(const CMessageHook&) = delete;
    CMessageHook& operator=(const CMessageHook&) = delete;

private:
    static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam);

    static CMessageHook* s_pActive;
    std::function<void(const MSG&)> m_action;
    HHOOK m_hHook;
};
