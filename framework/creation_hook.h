#pragma once

#include "framework/win_headers.h"

class CWnd;

// While it exists, the next window created on this thread is attached to the given object from
// its very first message on (a WH_CBT hook sees HCBT_CREATEWND before WM_GETMINMAXINFO and
// WM_NCCREATE). Nested creations each have their own.
class CreationHook
{
public:
    explicit CreationHook(CWnd* pWnd);
    ~CreationHook();
    CreationHook(const CreationHook&) = delete;
    CreationHook& operator=(const CreationHook&) = delete;

    bool IsInstalled() const { return m_hHook != nullptr; }

private:
    static LRESULT CALLBACK HookProc(int nCode, WPARAM wParam, LPARAM lParam);

    HHOOK m_hHook = nullptr;
    CWnd* m_pPreviousInit = nullptr;
};
