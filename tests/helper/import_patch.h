#pragma once

#include <windows.h>

// Points one import of a loaded module at a function of the test, for as long as the patch lives:
// a way to act from inside the real search at a chosen point of its walk (the replacement calls
// the original through Original()).
class CImportPatch {
public:
    CImportPatch(HMODULE module, const char* dllName, const char* functionName, void* replacement);
    ~CImportPatch();
    CImportPatch(const CImportPatch&) = delete;
    CImportPatch& operator=(const CImportPatch&) = delete;

    bool IsInstalled() const { return m_pSlot != nullptr; }
    void* Original() const { return m_pOriginal; }

private:
    static void Write(void** slot, void* value);

    void** m_pSlot = nullptr;
    void* m_pOriginal = nullptr;
};
