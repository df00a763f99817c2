#include "search_window_watch.h"

CSearchWindowWatch* CSearchWindowWatch::s_pActive = nullptr;

bool IsSearchWindowClass(HWND window)
{
    char name[32] = {};
    GetClassNameA(window, name, sizeof name);
    return lstrcmpA(name, "#32770") == 0;
}

namespace {

constexpr int kStaticId = 0xFFFF;  // id -1 as the template stores it

std::wstring ItemText(HWND dialog, int id)
{
    wchar_t text[256] = {};
    GetDlgItemTextW(dialog, id, text, 256);
    return text;
}

bool NothingToPaint(HWND window)
{
    if (GetUpdateRect(window, nullptr, FALSE))
        return false;
    for (HWND child = GetWindow(window, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT))
        if (GetUpdateRect(child, nullptr, FALSE))
            return false;
    return true;
}

}  // namespace

CSearchWindowWatch::CSearchWindowWatch(bool postProbe)
    : m_hHook(SetWindowsHookExA(WH_CBT, CbtHook, nullptr, GetCurrentThreadId())), m_bPostProbe(postProbe)
{
    s_pActive = this;
}

CSearchWindowWatch::~CSearchWindowWatch()
{
    if (m_hHook != nullptr)
        UnhookWindowsHookEx(m_hHook);
    s_pActive = nullptr;
}

int CSearchWindowWatch::StillOpen() const
{
    int open = 0;
    for (const SearchWindowRecord& record : m_windows)
        if (!record.destroyed)
            ++open;
    return open;
}

void CSearchWindowWatch::Created(HWND window)
{
    SearchWindowRecord record;
    record.window = window;
    m_windows.push_back(record);
    if (m_bPostProbe)
        PostMessageA(window, kProbe, 0, 0);
    if (onCreate)
        onCreate(window);
}

void CSearchWindowWatch::Destroyed(HWND window)
{
    for (SearchWindowRecord& record : m_windows) {
        if (record.window != window || record.destroyed)
            continue;
        record.destroyed = true;
        record.visible = IsWindowVisible(window) != FALSE;
        record.painted = NothingToPaint(window);
        record.owner = GetWindow(window, GW_OWNER);
        record.text = ItemText(window, kStaticId);
        record.cancelText = ItemText(window, IDCANCEL);
        MSG message;
        record.probeStillQueued = PeekMessageA(&message, window, kProbe, kProbe, PM_NOREMOVE) != FALSE;
    }
}

LRESULT CALLBACK CSearchWindowWatch::CbtHook(int code, WPARAM wParam, LPARAM lParam)
{
    CSearchWindowWatch* watch = s_pActive;
    if (watch != nullptr) {
        HWND window = reinterpret_cast<HWND>(wParam);
        if (code == HCBT_CREATEWND && IsSearchWindowClass(window))
            watch->Created(window);
        else if (code == HCBT_DESTROYWND && IsSearchWindowClass(window))
            watch->Destroyed(window);
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}
