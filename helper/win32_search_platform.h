#pragma once

#include <windows.h>

// The host search's view of Win32: each operation forwards to the call of the same meaning.
class CWin32SearchPlatform {
public:
    using Entry = WIN32_FIND_DATAA;
    using FindHandle = HANDLE;

    bool FindFirst(const char* pattern, Entry& entry, FindHandle& handle);
    bool FindNext(FindHandle handle, Entry& entry);
    void FindClose(FindHandle handle);
    unsigned QueryDriveStrings(unsigned size, char* block);
    unsigned QueryDriveType(const char* root);
    char* AllocateBlock(unsigned chars);
    void ReleaseBlock(char* block);
    bool ShouldStop();

    static unsigned EntryAttributes(const Entry& entry) { return entry.dwFileAttributes; }
    static const char* EntryName(const Entry& entry) { return entry.cFileName; }
};
