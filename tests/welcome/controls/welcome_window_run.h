#pragma once
// The welcome window run modally on a thread of its own, watched and driven from the test's
// thread: the modal loop stays the program's own, as in Welcome.exe.

#include "framework/win_headers.h"

#include <atomic>
#include <functional>
#include <map>
#include <mutex>
#include <thread>

class WelcomeWindowRun
{
public:
    WelcomeWindowRun();
    ~WelcomeWindowRun();
    WelcomeWindowRun(const WelcomeWindowRun&) = delete;
    WelcomeWindowRun& operator=(const WelcomeWindowRun&) = delete;

    // Waits until the window is shown and active.
    bool WaitOpen();
    HWND Window() const { return m_hWnd; }
    HWND Item(int nID) const { return ::GetDlgItem(m_hWnd, nID); }

    // What the window's thread sees: the focus window, its control id (0 for none), the active window.
    HWND Focus() const;
    int FocusId() const;
    HWND Active() const;

    // Runs fn on the window's thread, from whatever message loop runs there, and waits for it.
    void RunOnWindowThread(const std::function<void()>& fn);
    // The same without waiting (for a call that runs a loop of its own, such as a message box);
    // IsDone() tells when it has returned.
    struct Task;
    Task* StartOnWindowThread(const std::function<void()>& fn);
    static bool IsDone(const Task* pTask);
    // Every message posted to the window before has been handled.
    void Sync();
    void Post(HWND hTarget, UINT message, WPARAM wParam, LPARAM lParam);

    // Close requests are counted; while swallowed the window stays open.
    void SwallowClose(bool bSwallow) { m_bSwallowClose = bSwallow; }
    int CloseRequests() const { return m_nCloseRequests; }
    // Key-ups of Enter or Space that reached the window's key pre-translation.
    int ActivationKeyUps() const { return m_nActivationKeyUps; }
    // Enter and Space messages of every kind that reached it while no window had the focus.
    int ActivationKeysWithoutFocus() const { return m_nActivationKeysWithoutFocus; }
    // Mouse messages retrieved for a window on the window's thread.
    int MouseMovesTo(HWND hWnd) const;

    bool Ended() const { return m_bEnded; }
    bool WaitEnded();
    INT_PTR Result() const { return m_nResult; }

private:
    class CTestWelcomeDlg;
    friend class CTestWelcomeDlg;
    static LRESULT CALLBACK MouseHook(int nCode, WPARAM wParam, LPARAM lParam);

    void Run();
    HWND FindWindowOfThread() const;

    std::atomic<DWORD> m_nThreadId{0};
    std::atomic<HWND> m_hWnd{nullptr};
    std::atomic<bool> m_bSwallowClose{true};
    std::atomic<int> m_nCloseRequests{0};
    std::atomic<int> m_nActivationKeyUps{0};
    std::atomic<int> m_nActivationKeysWithoutFocus{0};
    std::atomic<bool> m_bEnded{false};
    std::atomic<INT_PTR> m_nResult{0};
    mutable std::mutex m_mouseLock;
    std::map<HWND, int> m_mouseMoves;
    std::thread m_thread;
};
