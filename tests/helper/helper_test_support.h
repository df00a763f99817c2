#pragma once

#include <windows.h>

#include <string>

// A plain top-level window of the test, as the caller's own window: it counts the kOwnerPing
// messages that reach its procedure.
class COwnerWindow {
public:
    static constexpr UINT kOwnerPing = WM_APP + 1;

    COwnerWindow();
    ~COwnerWindow();
    COwnerWindow(const COwnerWindow&) = delete;
    COwnerWindow& operator=(const COwnerWindow&) = delete;

    HWND Handle() const { return m_hWnd; }
    int Pings() const { return m_nPings; }

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    HWND m_hWnd;
    int m_nPings = 0;
};
