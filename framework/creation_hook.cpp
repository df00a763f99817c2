#include "framework/creation_hook.h"

#include "framework/thread_state.h"
#include "framework/wnd.h"

#include <cstring>

namespace {

// Windows that the system creates on its own for a thread's first window (input method windows);
// they are never the window that the object waits for.
const char* const kSystemWindowClasses[] = {"IME", "MSCTFIME UI"};

bool IsSystemWindow(HWND hWnd)
{
    char className[32] = {};
    if (::GetClassNameA(hWnd, className, sizeof(className)) == 0)
        return false;
    for (const char* pszSystemClass : kSystemWindowClasses) {
        if (std::strcmp(className, pszSystemClass) == 0)
            return true;
    }
    return false;
}

}  // namespace

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
    if (nCode == HCBT_CREATEWND && state.pWndInit != nullptr && !IsSystemWindow(reinterpret_cast<HWND>(wParam))) {
        CWnd* pWnd = state.pWndInit;
        state.pWndInit = nullptr;
        pWnd->AttachToNewWindow(reinterpret_cast<HWND>(wParam));
    }
    return ::CallNextHookEx(nullptr, nCode, wParam, lParam);
}
