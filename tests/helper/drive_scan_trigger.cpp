#include "drive_scan_trigger.h"

#include "search_window_watch.h"

CDriveScanTrigger* CDriveScanTrigger::s_pActive = nullptr;

CDriveScanTrigger::CDriveScanTrigger(HMODULE helper, std::function<void()> action)
    : m_action(std::move(action)), m_patch(helper, "KERNEL32.dll", "GetDriveTypeA", reinterpret_cast<void*>(DriveType))
{
    s_pActive = this;
}

CDriveScanTrigger::~CDriveScanTrigger()
{
    s_pActive = nullptr;
}

UINT WINAPI CDriveScanTrigger::DriveType(LPCSTR root)
{
    CDriveScanTrigger* self = s_pActive;
    if (self->m_nCalls++ == 0)
        self->m_action();
    return reinterpret_cast<UINT(WINAPI*)(LPCSTR)>(self->m_patch.Original())(root);
}

namespace {

BOOL CALLBACK FindVisibleSearchWindow(HWND window, LPARAM context)
{
    if (IsSearchWindowClass(window) && IsWindowVisible(window)) {
        *reinterpret_cast<HWND*>(context) = window;
        return FALSE;
    }
    return TRUE;
}

}  // namespace

HWND FindSearchWindow()
{
    HWND found = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), FindVisibleSearchWindow, reinterpret_cast<LPARAM>(&found));
    return found;
}
