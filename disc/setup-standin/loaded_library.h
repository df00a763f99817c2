// Owns one LoadLibrary reference and frees it on every way out.
#pragma once

#include <windows.h>

class LoadedLibrary {
public:
    explicit LoadedLibrary(const char* path);
    ~LoadedLibrary();
    LoadedLibrary(const LoadedLibrary&) = delete;
    LoadedLibrary& operator=(const LoadedLibrary&) = delete;

    bool IsLoaded() const { return m_hModule != nullptr; }
    DWORD LoadError() const { return m_dwLoadError; }
    FARPROC Export(const char* name) const;

private:
    HMODULE m_hModule;
    DWORD m_dwLoadError;
};
