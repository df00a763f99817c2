#include "search_pump.h"

#include <windows.h>

#include "helper_globals.h"

int PumpSearchMessages()
{
    if (g_bSearchCancelled)
        return g_bSearchCancelled;
    MSG message;
    while (PeekMessageA(&message, g_hSearchWnd, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            // The caller's own message loop still has to see the request, with its exit code.
            PostQuitMessage(static_cast<int>(message.wParam));
            g_bSearchCancelled = 1;
            return 1;
        }
        if (!IsDialogMessageA(g_hSearchWnd, &message)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
    }
    return g_bSearchCancelled;
}
