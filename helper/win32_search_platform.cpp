#include "win32_search_platform.h"

#include "search_pump.h"

bool CWin32SearchPlatform::FindFirst(const char* pattern, Entry& entry, FindHandle& handle)
{
    handle = FindFirstFileA(pattern, &entry);
    return handle != INVALID_HANDLE_VALUE;
}

bool CWin32SearchPlatform::FindNext(FindHandle handle, Entry& entry)
{
    return FindNextFileA(handle, &entry) != FALSE;
}

void CWin32SearchPlatform::FindClose(FindHandle handle)
{
    ::FindClose(handle);
}

unsigned CWin32SearchPlatform::QueryDriveStrings(unsigned size, char* block)
{
    return GetLogicalDriveStringsA(size, block);
}

unsigned CWin32SearchPlatform::QueryDriveType(const char* root)
{
    return GetDriveTypeA(root);
}

char* CWin32SearchPlatform::AllocateBlock(unsigned chars)
{
    return static_cast<char*>(HeapAlloc(GetProcessHeap(), 0, chars));
}

void CWin32SearchPlatform::ReleaseBlock(char* block)
{
    HeapFree(GetProcessHeap(), 0, block);
}

bool CWin32SearchPlatform::ShouldStop()
{
    return PumpSearchMessages() != 0;
}
