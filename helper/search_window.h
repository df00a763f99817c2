#pragma once

#include <windows.h>

// Ties the search window to one export call: open from construction to destruction. It puts back
// the window it found recorded, so a call nested in a message that the pump dispatched neither
// leaves its own window on screen nor loses the outer call's.
class CSearchWindow {
public:
    CSearchWindow(WORD templateId, HWND parent);
    ~CSearchWindow();

    CSearchWindow(const CSearchWindow&) = delete;
    CSearchWindow& operator=(const CSearchWindow&) = delete;

private:
    HWND m_hOuterWnd;
};
