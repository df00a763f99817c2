#include "tests/welcome/controls/welcome_window_run.h"

#include "tests/welcome/controls/test_support.h"
#include "welcome/controls/key_activation.h"
#include "welcome/welcome_dlg.h"

#include <memory>
#include <string>
#include <vector>

namespace {

const char kWelcomeTitle[] = "Welcome To Kelvane Effects";

UINT RunMessage()
{
    static const UINT message = ::RegisterWindowMessageA("KelvaneFX test: run on the window thread");
    return message;
}

WelcomeWindowRun* g_pCurrentRun = nullptr;

}  // namespace

struct WelcomeWindowRun::Task
{
    std::function<void()> fn;
    std::atomic<bool> bDone{false};
};

// The product's window with a counter on the close request and on the activation keys, and a
// door for running test code on its thread.
class WelcomeWindowRun::CTestWelcomeDlg : public CWelcomeDlg
{
public:
    explicit CTestWelcomeDlg(WelcomeWindowRun& run) : m_run(run) {}

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == RunMessage()) {
            Task* pTask = reinterpret_cast<Task*>(lParam);
            pTask->fn();
            pTask->bDone = true;
            return 0;
        }
        return CWelcomeDlg::WindowProc(message, wParam, lParam);
    }

protected:
    BOOL PreTranslateMessage(MSG* pMsg) override
    {
        const bool bActivationKey = IsActivationKeyMessage(pMsg->message, pMsg->wParam);
        if (bActivationKey && ::GetFocus() == nullptr)
            ++m_run.m_nActivationKeysWithoutFocus;
        const BOOL bResult = CWelcomeDlg::PreTranslateMessage(pMsg);
        if (bActivationKey && pMsg->message == WM_KEYUP)
            ++m_run.m_nActivationKeyUps;
        return bResult;
    }

    void OnClose() override
    {
        ++m_run.m_nCloseRequests;
        if (!m_run.m_bSwallowClose)
            CWelcomeDlg::OnClose();
    }

private:
    WelcomeWindowRun& m_run;
};

WelcomeWindowRun::WelcomeWindowRun()
{
    g_bKeyPressed = 0;
    g_pCurrentRun = this;
    m_thread = std::thread([this] { Run(); });
}

WelcomeWindowRun::~WelcomeWindowRun()
{
    if (!m_bEnded && m_hWnd) {
        m_bSwallowClose = false;
        ::PostMessageA(m_hWnd, WM_CLOSE, 0, 0);
    }
    m_thread.join();
    g_pCurrentRun = nullptr;
}

void WelcomeWindowRun::Run()
{
    m_nThreadId = ::GetCurrentThreadId();
    HHOOK hHook = ::SetWindowsHookExA(WH_MOUSE, MouseHook, nullptr, m_nThreadId);
    {
        CTestWelcomeDlg dlg(*this);
        m_nResult = dlg.DoModal();
    }
    if (hHook)
        ::UnhookWindowsHookEx(hHook);
    m_bEnded = true;
}

LRESULT CALLBACK WelcomeWindowRun::MouseHook(int nCode, WPARAM wParam, LPARAM lParam)
{
    if (nCode == HC_ACTION && wParam == WM_MOUSEMOVE && g_pCurrentRun) {
        const MOUSEHOOKSTRUCT* pInfo = reinterpret_cast<const MOUSEHOOKSTRUCT*>(lParam);
        std::lock_guard<std::mutex> lock(g_pCurrentRun->m_mouseLock);
        ++g_pCurrentRun->m_mouseMoves[pInfo->hwnd];
    }
    return ::CallNextHookEx(nullptr, nCode, wParam, lParam);
}

int WelcomeWindowRun::MouseMovesTo(HWND hWnd) const
{
    std::lock_guard<std::mutex> lock(m_mouseLock);
    auto it = m_mouseMoves.find(hWnd);
    return it == m_mouseMoves.end() ? 0 : it->second;
}

HWND WelcomeWindowRun::FindWindowOfThread() const
{
    HWND hFound = nullptr;
    ::EnumThreadWindows(
        m_nThreadId,
        [](HWND hWnd, LPARAM lParam) -> BOOL {
            char title[64] = {};
            ::GetWindowTextA(hWnd, title, sizeof(title));
            if (std::string(title) != kWelcomeTitle)
                return TRUE;
            *reinterpret_cast<HWND*>(lParam) = hWnd;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&hFound));
    return hFound;
}

bool WelcomeWindowRun::WaitOpen()
{
    return WaitUntil([this] {
        if (m_bEnded)
            return true;
        if (!m_hWnd && m_nThreadId)
            m_hWnd = FindWindowOfThread();
        return m_hWnd && ::IsWindowVisible(m_hWnd) && ::GetForegroundWindow() == m_hWnd;
    }) && !m_bEnded;
}

HWND WelcomeWindowRun::Focus() const
{
    GUITHREADINFO info{};
    info.cbSize = sizeof(info);
    return ::GetGUIThreadInfo(m_nThreadId, &info) ? info.hwndFocus : nullptr;
}

int WelcomeWindowRun::FocusId() const
{
    HWND hFocus = Focus();
    return hFocus && ::GetParent(hFocus) == m_hWnd ? ::GetDlgCtrlID(hFocus) : 0;
}

HWND WelcomeWindowRun::Active() const
{
    GUITHREADINFO info{};
    info.cbSize = sizeof(info);
    return ::GetGUIThreadInfo(m_nThreadId, &info) ? info.hwndActive : nullptr;
}

WelcomeWindowRun::Task* WelcomeWindowRun::StartOnWindowThread(const std::function<void()>& fn)
{
    // Kept until the run ends: a task may still be running when the test gives up on it.
    static std::mutex lock;
    static std::vector<std::unique_ptr<Task>> tasks;
    std::lock_guard<std::mutex> guard(lock);
    tasks.push_back(std::make_unique<Task>());
    Task* pTask = tasks.back().get();
    pTask->fn = fn;
    ::PostMessageA(m_hWnd, RunMessage(), 0, reinterpret_cast<LPARAM>(pTask));
    return pTask;
}

bool WelcomeWindowRun::IsDone(const Task* pTask)
{
    return pTask->bDone;
}

void WelcomeWindowRun::RunOnWindowThread(const std::function<void()>& fn)
{
    Task* pTask = StartOnWindowThread(fn);
    WaitUntil([pTask] { return IsDone(pTask); });
}

void WelcomeWindowRun::Sync()
{
    // Twice: a key message handled before the first one may have queued its character after it.
    RunOnWindowThread([] {});
    RunOnWindowThread([] {});
}

void WelcomeWindowRun::Post(HWND hTarget, UINT message, WPARAM wParam, LPARAM lParam)
{
    ::PostMessageA(hTarget, message, wParam, lParam);
}

bool WelcomeWindowRun::WaitEnded()
{
    return WaitUntil([this] { return m_bEnded.load(); });
}
