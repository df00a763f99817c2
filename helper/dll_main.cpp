#include <windows.h>

#include "helper_globals.h"

// The library's entry point (there is no C runtime start-up): records the module, whose dialog
// templates the search windows come from.
extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID)
{
    if (reason == DLL_PROCESS_ATTACH)
        g_hInstance = instance;
    return TRUE;
}
