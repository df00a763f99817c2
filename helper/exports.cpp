#include "exports.h"

#include "host_search.h"
#include "host_table.h"
#include "search_window.h"
#include "win32_search_platform.h"

namespace {

constexpr char kFound = 1;  // the answer of every call: the buffer always holds a usable folder

char FindHost(HostRow row, HWND owner, char* result)
{
    const HOSTDEF& host = g_aHostDefs[row];
    const CSearchWindow window(host.nTemplateId, owner);
    if (result == nullptr)
        return kFound;
    CWin32SearchPlatform platform;
    CHostSearch<CWin32SearchPlatform> search(platform);
    search.LocateHost(host.pszExeName, host.pszDefaultFolder, host.pszPluginSubfolder, result);
    return kFound;
}

}  // namespace

char WINAPI FindPremiere(HWND owner, DWORD, DWORD, char* result, DWORD)
{
    return FindHost(kHostPremiere, owner, result);
}

char WINAPI FindRazor(HWND owner, DWORD, DWORD, char* result, DWORD)
{
    return FindHost(kHostRazor, owner, result);
}

char WINAPI FindMCXpress(HWND owner, DWORD, DWORD, char* result, DWORD)
{
    return FindHost(kHostMCXpress, owner, result);
}

char WINAPI FindFAST(HWND owner, DWORD, DWORD, char* result, DWORD)
{
    return FindHost(kHostFAST, owner, result);
}

char WINAPI FindAE(HWND owner, DWORD, DWORD, char* result, DWORD)
{
    return FindHost(kHostAE, owner, result);
}

char WINAPI FindAEDemo(HWND owner, DWORD, DWORD, char* result, DWORD)
{
    return FindHost(kHostAEDemo, owner, result);
}

char WINAPI FindOnLINE(HWND owner, DWORD, DWORD, char* result, DWORD)
{
    return FindHost(kHostOnLINE, owner, result);
}
