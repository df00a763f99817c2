#pragma once

#include <windows.h>

// Process-wide state of the library; zero at load, plain variables: one export call at a time.
extern HINSTANCE g_hInstance;
extern HWND g_hSearchWnd;
extern int g_bSearchCancelled;  // once set, stays set for as long as the library is loaded
