#pragma once
// Replaces one imported function of this test program for as long as the object lives, by
// rewriting the program's own import address table. Code linked into the program (the launch
// buttons, the framework) then calls the replacement: the tests answer for the system where its
// answer cannot be arranged (a version query of NT 3.51, a shell answer of 3).

#include <windows.h>

#include <vector>

class ImportPatch
{
public:
    ImportPatch(const char* pszDll, const char* pszFunction, void* pReplacement);
    ~ImportPatch();
    ImportPatch(const ImportPatch&) = delete;
    ImportPatch& operator=(const ImportPatch&) = delete;

    // FALSE when the program imports no such function (then nothing was replaced).
    bool Patched() const { return !m_slots.empty(); }

private:
    static void Write(void** pSlot, void* pValue);

    std::vector<void**> m_slots;
    std::vector<void*> m_originals;
};
