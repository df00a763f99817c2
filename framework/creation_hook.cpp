#include "framework/creation_hook.h"

#include "framework/thread_state.h"
#include "framework/wnd.h"

CreationHook::CreationHook(CWnd* pWnd)
{
    FrameworkThreadState& state = AfxThreadState();
    m_pPreviousInit = state.pWndInit;
    state.pWndInit = pWnd;
    m_hHook = ::SetWindowsHookExA(WH_CBT, &CreationHook::HookProc, nullptr, ::GetCurrentThreadId());
}

CreationHook::~CreationHook()
{
    if (m_hHook != nullptr)
        ::UnhookWindowsHookEx(m_hHook);
    AfxThreadState().pWndInit = m_pPreviousInit;
}

LRESULT CALLBACK CreationHook::HookProc(int nCode, WPARAM wParam, LPARAM lParam)
{
    FrameworkThreadState& state = AfxThreadState();
    if (nCode == HCBT_CREATEWND && state.pWndInit != nullptr) {
        CWnd* pWnd = state.pWndInit;
        state.pWndInit = nullptr;
        pWnd->AttachToNewWindow(reinterpret_cast<HWND>(wParam));
    }
    return ::CallNextHookEx(nullptr, nCode, wParam, lParam);
}
