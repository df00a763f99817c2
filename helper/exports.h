#pragma once

#include <windows.h>

// The library's entry points, called by the setup programs on the disc. Each shows its search
// window (a child of owner, which may be null), writes the host's plug-in folder into result and
// answers 1. The second, third and fifth arguments are not used.
extern "C" {
char WINAPI FindPremiere(HWND owner, DWORD, DWORD, char* result, DWORD);
char WINAPI FindRazor(HWND owner, DWORD, DWORD, char* result, DWORD);
char WINAPI FindMCXpress(HWND owner, DWORD, DWORD, char* result, DWORD);
char WINAPI FindFAST(HWND owner, DWORD, DWORD, char* result, DWORD);
char WINAPI FindAE(HWND owner, DWORD, DWORD, char* result, DWORD);
char WINAPI FindAEDemo(HWND owner, DWORD, DWORD, char* result, DWORD);
char WINAPI FindOnLINE(HWND owner, DWORD, DWORD, char* result, DWORD);
}
