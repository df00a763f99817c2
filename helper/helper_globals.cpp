#include "helper_globals.h"

HINSTANCE g_hInstance;
HWND g_hSearchWnd;
int g_bSearchCancelled;
