#include "import_patch.h"

#include <cstring>

namespace {

template <typename T>
T* At(HMODULE hModule, DWORD rva)
{
    return reinterpret_cast<T*>(reinterpret_cast<BYTE*>(hModule) + rva);
}

}  // namespace

ImportPatch::ImportPatch(const char* pszDll, const char* pszFunction, void* pReplacement)
{
    HMODULE hProgram = GetModuleHandleA(nullptr);
    const auto* pDos = reinterpret_cast<const IMAGE_DOS_HEADER*>(hProgram);
    const auto* pNt = At<const IMAGE_NT_HEADERS>(hProgram, pDos->e_lfanew);
    const IMAGE_DATA_DIRECTORY& imports = pNt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    if (imports.VirtualAddress == 0)
        return;
    for (auto* pDesc = At<IMAGE_IMPORT_DESCRIPTOR>(hProgram, imports.VirtualAddress); pDesc->Name != 0; ++pDesc) {
        if (_stricmp(At<const char>(hProgram, pDesc->Name), pszDll) != 0 || pDesc->OriginalFirstThunk == 0)
            continue;
        auto* pName = At<IMAGE_THUNK_DATA>(hProgram, pDesc->OriginalFirstThunk);
        auto* pAddress = At<IMAGE_THUNK_DATA>(hProgram, pDesc->FirstThunk);
        for (; pName->u1.AddressOfData != 0; ++pName, ++pAddress) {
            if (IMAGE_SNAP_BY_ORDINAL(pName->u1.Ordinal))
                continue;
            const auto* pByName = At<const IMAGE_IMPORT_BY_NAME>(hProgram, static_cast<DWORD>(pName->u1.AddressOfData));
            if (std::strcmp(reinterpret_cast<const char*>(pByName->Name), pszFunction) != 0)
                continue;
            void** pSlot = reinterpret_cast<void**>(&pAddress->u1.Function);
            m_slots.push_back(pSlot);
            m_originals.push_back(*pSlot);
            Write(pSlot, pReplacement);
        }
    }
}

ImportPatch::~ImportPatch()
{
    for (size_t i = 0; i < m_slots.size(); ++i)
        Write(m_slots[i], m_originals[i]);
}

void ImportPatch::Write(void** pSlot, void* pValue)
{
    DWORD oldProtect = 0;
    VirtualProtect(pSlot, sizeof *pSlot, PAGE_READWRITE, &oldProtect);
    *pSlot = pValue;
    VirtualProtect(pSlot, sizeof *pSlot, oldProtect, &oldProtect);
}
