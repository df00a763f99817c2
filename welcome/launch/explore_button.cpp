#include "welcome/launch/explore_button.h"

#include "framework/win_headers.h"
#include "welcome/launch/explore_version.h"

namespace {

// The structure size that every Win32 version understands.
constexpr DWORD kVersionInfoSize = 148;
static_assert(sizeof(OSVERSIONINFOA) == kVersionInfoSize, "OSVERSIONINFOA is the 148-byte structure");

OsVersionAnswer QueryOsVersion()
{
    OSVERSIONINFOA info = {};
    info.dwOSVersionInfoSize = kVersionInfoSize;
    const BOOL bQueried = GetVersionExA(&info);
    return {bQueried != FALSE, info.dwPlatformId, info.dwMajorVersion};
}

}  // namespace

IMPLEMENT_DYNCREATE(CExploreButton, CExecuteButton)

BOOL CExploreButton::CreateCtrl(UINT nID, int x, int y, CWnd* pParent)
{
    if (!IsExploreButtonWanted(QueryOsVersion()))
        return FALSE;
    return CExecuteButton::CreateCtrl(nID, x, y, pParent);
}

LPCSTR CExploreButton::GetOperation()
{
    return "explore";
}
