#include "search_window_poster.h"

#include "search_window_watch.h"

namespace {

constexpr DWORD kWaitLimitMs = 20000;

struct Search {
    HWND dialog = nullptr;
};

BOOL CALLBACK FindVisibleSearchWindow(HWND window, LPARAM context)
{
    if (IsSearchWindowClass(window) && IsWindowVisible(window) && GetDlgItem(window, IDCANCEL) != nullptr) {
        reinterpret_cast<Search*>(context)->dialog = window;
        return FALSE;
    }
    return TRUE;
}

}  // namespace

CSearchWindowPoster::CSearchWindowPoster(Action action)
    : m_action(std::move(action)), m_thread(&CSearchWindowPoster::Run, this, GetCurrentThreadId())
{
}

CSearchWindowPoster::~CSearchWindowPoster()
{
    Join();
}

void CSearchWindowPoster::Join()
{
    if (m_thread.joinable())
        m_thread.join();
}

void CSearchWindowPoster::Run(DWORD threadId)
{
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < kWaitLimitMs) {
        Search search;
        EnumThreadWindows(threadId, FindVisibleSearchWindow, reinterpret_cast<LPARAM>(&search));
        if (search.dialog != nullptr) {
            m_action(search.dialog, GetDlgItem(search.dialog, IDCANCEL));
            m_bActed = true;
            return;
        }
        Sleep(1);  // polling the other thread's state, not waiting for time to pass
    }
}
