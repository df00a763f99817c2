#pragma once

#include <windows.h>

#include <functional>

#include "import_patch.h"

// Runs a test's action on the search's own thread when the library first asks for a drive's type,
// that is once the drive scan has begun and before any drive is walked.
class CDriveScanTrigger {
public:
    CDriveScanTrigger(HMODULE helper, std::function<void()> action);
    ~CDriveScanTrigger();
    CDriveScanTrigger(const CDriveScanTrigger&) = delete;
    CDriveScanTrigger& operator=(const CDriveScanTrigger&) = delete;

    bool IsInstalled() const { return m_patch.IsInstalled(); }
    int DriveTypeCalls() const { return m_nCalls; }

private:
    static UINT WINAPI DriveType(LPCSTR root);

    static CDriveScanTrigger* s_pActive;
    std::function<void()> m_action;
    int m_nCalls = 0;
    CImportPatch m_patch;
};

// The visible search window of the calling thread, or null.
HWND FindSearchWindow();
