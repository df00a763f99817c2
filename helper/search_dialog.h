#pragma once

#include <windows.h>

// The modeless search window: created from one of the library's dialog templates, recorded in
// g_hSearchWnd; its Cancel command sets the cancel flag and leaves the window open.
void OpenSearchWindow(WORD templateId, HWND parent);
void CloseSearchWindow();
INT_PTR CALLBACK SearchDlgProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
