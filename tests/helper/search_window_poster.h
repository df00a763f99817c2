#pragma once

#include <windows.h>

#include <functional>
#include <thread>

// A second thread that waits until the given thread shows its search window (visible, with its
// Cancel button) and then acts on it once, as a user would while the search runs.
class CSearchWindowPoster {
public:
    using Action = std::function<void(HWND dialog, HWND cancelButton)>;

    explicit CSearchWindowPoster(Action action);
    ~CSearchWindowPoster();  // joins
    CSearchWindowPoster(const CSearchWindowPoster&) = delete;
    CSearchWindowPoster& operator=(const CSearchWindowPoster&) = delete;

    void Join();
    bool Acted() const { return m_bActed; }

private:
    void Run(DWORD threadId);

    Action m_action;
    bool m_bActed = false;
    std::thread m_thread;
};
