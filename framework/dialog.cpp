#include "framework/dialog.h"

#include "framework/creation_hook.h"
#include "framework/win_app.h"

IMPLEMENT_DYNAMIC(CDialog, CWnd)

BEGIN_MESSAGE_MAP(CDialog, CWnd)
    ON_COMMAND(IDOK, OnOK)
    ON_COMMAND(IDCANCEL, OnCancel)
END_MESSAGE_MAP()

namespace {

bool IsKeyOrMouseMessage(UINT message)
{
    return (message >= WM_KEYFIRST && message <= WM_KEYLAST) ||
           (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST);
}

}  // namespace

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd) : m_nIDTemplate(nIDTemplate), m_pParentWnd(pParentWnd)
{
}

CDialog::~CDialog() = default;

INT_PTR CDialog::DoModal()
{
    if (m_hWnd != nullptr)
        return -1;

    // The owner is the top-level window of the given parent; it stays disabled while the dialog runs.
    CWnd* pOwner = m_pParentWnd != nullptr && m_pParentWnd->m_hWnd != nullptr ? m_pParentWnd->GetParentOwner()
                                                                           : nullptr;
    HWND hOwner = pOwner != nullptr ? pOwner->m_hWnd : nullptr;
    const bool bEnableOwner = hOwner != nullptr && ::IsWindowEnabled(hOwner);
    if (bEnableOwner)
        ::EnableWindow(hOwner, FALSE);

    m_nModalResult = -1;
    m_bQuitEndedLoop = false;
    m_nQuitCode = 0;
    m_bContinueModal = true;  // before creation: EndDialog in OnInitDialog ends it at once
    if (CreateModelessFromTemplate(hOwner) && m_bContinueModal) {
        if (!::IsWindowVisible(m_hWnd))
            ::ShowWindow(m_hWnd, SW_SHOWNORMAL);
        RunModalLoop();
    }
    m_bContinueModal = false;

    // Enabling the owner first lets activation return to it rather than to another program.
    if (bEnableOwner)
        ::EnableWindow(hOwner, TRUE);
    if (m_hWnd != nullptr) {
        ::SetWindowPos(m_hWnd, nullptr, 0, 0, 0, 0,
                       SWP_HIDEWINDOW | SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_NOZORDER);
        if (hOwner != nullptr && ::GetActiveWindow() == m_hWnd)
            ::SetActiveWindow(hOwner);
        DestroyWindow();
    }

    if (m_bQuitEndedLoop) {
        // The quit request belongs to the caller's loop.
        ::PostQuitMessage(m_nQuitCode);
        return -1;
    }
    return m_nModalResult;
}

BOOL CDialog::CreateModelessFromTemplate(HWND hWndOwner)
{
    HWND hWnd = nullptr;
    {
        // The dialog window is the first one created; its controls follow and are not attached.
        CreationHook hook(this);
        if (!hook.IsInstalled())
            return FALSE;
        hWnd = ::CreateDialogParamA(AfxGetResourceHandle(), MAKEINTRESOURCEA(m_nIDTemplate), hWndOwner,
                                    &CDialog::AfxDlgProc, reinterpret_cast<LPARAM>(this));
    }
    if (hWnd == nullptr)
        return FALSE;
    return m_hWnd == hWnd;
}

void CDialog::RunModalLoop()
{
    while (m_bContinueModal && m_hWnd != nullptr) {
        MSG msg;
        if (!::PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE))
            CWnd::DeleteTempMaps();
        const BOOL bGot = ::GetMessageA(&msg, nullptr, 0, 0);
        if (bGot == -1)
            break;
        if (bGot == 0) {
            m_bQuitEndedLoop = true;
            m_nQuitCode = static_cast<int>(msg.wParam);
            break;
        }
        if (IsForThisDialog(msg) && PreTranslateGuarded(&msg))
            continue;
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
}

BOOL CDialog::PreTranslateGuarded(MSG* pMsg)
{
    // An override that throws must not leave the owner disabled: the message just goes on.
    try {
        return PreTranslateMessage(pMsg);
    } catch (...) {
        return FALSE;
    }
}

bool CDialog::IsForThisDialog(const MSG& msg) const
{
    if (msg.hwnd == nullptr || m_hWnd == nullptr)
        return false;
    return msg.hwnd == m_hWnd || ::IsChild(m_hWnd, msg.hwnd);
}

void CDialog::EndDialog(int nResult)
{
    m_nModalResult = nResult;
    if (!m_bContinueModal)
        return;
    m_bContinueModal = false;
    // Wakes the loop should EndDialog come from a message that it did not dispatch itself.
    if (m_hWnd != nullptr)
        ::PostMessageA(m_hWnd, WM_NULL, 0, 0);
}

INT_PTR CALLBACK CDialog::AfxDlgProc(HWND hWnd, UINT message, WPARAM, LPARAM)
{
    // Everything else reaches the object through its subclassed window procedure first; the
    // dialog manager only needs the answer to WM_INITDIALOG (TRUE: focus the first tab stop).
    if (message != WM_INITDIALOG)
        return FALSE;
    CWnd* pWnd = FromHandlePermanent(hWnd);
    if (pWnd == nullptr || !pWnd->IsKindOf(RUNTIME_CLASS(CDialog)))
        return TRUE;
    try {
        return static_cast<CDialog*>(pWnd)->OnInitDialog();
    } catch (...) {
        return FALSE;
    }
}

BOOL CDialog::OnInitDialog()
{
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::OnOK()
{
    if (!UpdateData(TRUE))
        return;
    EndDialog(IDOK);
}

void CDialog::OnCancel()
{
    EndDialog(IDCANCEL);
}

void CDialog::DoDataExchange(CDataExchange*)
{
}

BOOL CDialog::UpdateData(BOOL bSaveAndValidate)
{
    CDataExchange exchange(this, bSaveAndValidate);
    DoDataExchange(&exchange);
    return TRUE;
}

BOOL CDialog::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg == nullptr || m_hWnd == nullptr || !IsKeyOrMouseMessage(pMsg->message))
        return FALSE;
    return ::IsDialogMessageA(m_hWnd, pMsg);
}
