// A library without any host export: stands in for a wrong helper.dll in the stand-in's tests.
#include <windows.h>

BOOL WINAPI DllMain(HINSTANCE, DWORD, LPVOID)
{
    return TRUE;
}
