#pragma once

#include <windows.h>

#include <string>

using FindFunction = char(WINAPI*)(HWND owner, DWORD, DWORD, char* result, DWORD);

// helper.dll (or a variant of it) loaded for one test: a fresh load starts with a clear cancel
// flag, as a new setup program would.
class CHelperLibrary {
public:
    explicit CHelperLibrary(const char* fileName = "helper.dll");
    ~CHelperLibrary();
    CHelperLibrary(const CHelperLibrary&) = delete;
    CHelperLibrary& operator=(const CHelperLibrary&) = delete;

    HMODULE Module() const { return m_hModule; }
    FindFunction Export(const char* name) const;

private:
    HMODULE m_hModule;
};

// One export call with a buffer larger than any result, filled beforehand, so that the test sees
// the answer, the text and whether anything was written after the result's NUL.
struct FindCall {
    char answer = 0;
    std::string result;
    bool untouchedAfterResult = false;
};

FindCall CallFind(FindFunction find, HWND owner, DWORD argument2 = 0, DWORD argument3 = 0,
                  DWORD argument5 = 0);
