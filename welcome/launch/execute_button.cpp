#include "welcome/launch/execute_button.h"

#include "framework/win_app.h"
#include "framework/win_headers.h"
#include "welcome/launch/failure_text.h"
#include "welcome/launch/launch_result.h"
#include "welcome/launch/launch_target.h"
#include "welcome/launch/program_folder.h"

#include <shellapi.h>

#include <cstdint>
#include <string>

namespace {

constexpr const char* kFailureCaption = "Kelvane Effects Installer Problem";
constexpr UINT kFailureStyle = MB_ICONERROR;  // 16: the stop icon and a single OK button
constexpr DWORD kModulePathSize = 512;

// Path bytes are in the system's ANSI code page, which IsDBCSLeadByte consults.
bool IsAnsiLeadByte(unsigned char byte)
{
    return IsDBCSLeadByte(byte) != FALSE;
}

// The shell answers an HINSTANCE for compatibility with 16-bit Windows; only its low 32 bits are
// the result.
std::uint32_t LaunchResultOf(HINSTANCE hResult)
{
    return static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(hResult));
}

}  // namespace

IMPLEMENT_DYNCREATE(CExecuteButton, CWelcomeButton)

CExecuteButton::CExecuteButton() = default;

CExecuteButton::~CExecuteButton() = default;

void CExecuteButton::OnClicked()
{
    if (!IsWindowEnabled())
        return;
    std::uint32_t launchResult = kUnresolvedLaunchResult;
    if (ResolveTarget()) {
        CWnd* pParent = GetParent();
        HWND hOwner = pParent != nullptr ? pParent->GetSafeHwnd() : nullptr;
        launchResult = LaunchResultOf(
            ShellExecuteA(hOwner, GetOperation(), GetFile(), GetParameters(), GetDirectory(), SW_SHOW));
    }
    const UINT nMessageID = FailureMessageFor(launchResult);
    if (nMessageID != kNoFailureMessage)
        ShowFailure(nMessageID);
}

BOOL CExecuteButton::ResolveTarget()
{
    if (!m_strTarget.IsEmpty())
        return TRUE;
    char szModulePath[kModulePathSize];
    const DWORD nCopied = GetModuleFileNameA(AfxGetInstanceHandle(), szModulePath, kModulePathSize);
    // A cut-off path would name some other folder; better no launch than a wrong one.
    if (!TerminateModulePath(szModulePath, kModulePathSize, nCopied))
        return FALSE;
    const std::string folder = ProgramFolderOf(szModulePath, IsAnsiLeadByte);
    CString strFormat;
    if (!strFormat.LoadString(static_cast<UINT>(GetDlgCtrlID())))
        return FALSE;
    m_strTarget = FormatLaunchTarget(strFormat, folder.c_str()).c_str();
    return !m_strTarget.IsEmpty();
}

void CExecuteButton::ShowFailure(UINT nMessageID)
{
    CString strMessage;
    strMessage.LoadString(nMessageID);  // a missing text still leaves the target on show
    const std::string text = ComposeFailureText(m_strTarget, strMessage);
    MessageBox(text.c_str(), kFailureCaption, kFailureStyle);
}

LPCSTR CExecuteButton::GetOperation()
{
    return nullptr;
}

LPCSTR CExecuteButton::GetFile()
{
    return m_strTarget.IsEmpty() ? nullptr : static_cast<LPCSTR>(m_strTarget);
}

LPCSTR CExecuteButton::GetParameters()
{
    return nullptr;
}

LPCSTR CExecuteButton::GetDirectory()
{
    return nullptr;
}
