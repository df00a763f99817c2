#include "helper_library.h"

#include <cstring>

CHelperLibrary::CHelperLibrary(const char* fileName) : m_hModule(LoadLibraryA(fileName)) {}

CHelperLibrary::~CHelperLibrary()
{
    if (m_hModule != nullptr)
        FreeLibrary(m_hModule);
}

FindFunction CHelperLibrary::Export(const char* name) const
{
    if (m_hModule == nullptr)
        return nullptr;
    return reinterpret_cast<FindFunction>(reinterpret_cast<void*>(GetProcAddress(m_hModule, name)));
}

FindCall CallFind(FindFunction find, HWND owner, DWORD argument2, DWORD argument3, DWORD argument5)
{
    constexpr size_t kSize = 600;
    constexpr char kFill = '\x5A';
    char buffer[kSize];
    std::memset(buffer, kFill, kSize);
    FindCall call;
    call.answer = find(owner, argument2, argument3, buffer, argument5);
    call.result.assign(buffer, strnlen(buffer, kSize));
    call.untouchedAfterResult = true;
    for (size_t i = call.result.size() + 1; i < kSize; ++i)
        if (buffer[i] != kFill)
            call.untouchedAfterResult = false;
    return call;
}
