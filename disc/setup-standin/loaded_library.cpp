#include "loaded_library.h"

LoadedLibrary::LoadedLibrary(const char* path)
    // The altered search path makes the library's own imports resolve next to it, on the disc.
    : m_hModule(LoadLibraryExA(path, nullptr, LOAD_WITH_ALTERED_SEARCH_PATH)),
      m_dwLoadError(m_hModule == nullptr ? GetLastError() : ERROR_SUCCESS)
{
}

LoadedLibrary::~LoadedLibrary()
{
    if (m_hModule != nullptr)
        FreeLibrary(m_hModule);
}

FARPROC LoadedLibrary::Export(const char* name) const
{
    return m_hModule != nullptr ? GetProcAddress(m_hModule, name) : nullptr;
}
