#include "welcome/controls/welcome_label.h"

#include "framework/win_headers.h"

namespace {

constexpr DWORD kLabelStyle = WS_CHILD | WS_VISIBLE;
constexpr UINT kDisabledImage = 1;

UINT ImageNumber(UINT nID, UINT nOffset)
{
    return (nID + nOffset) & 0xFFFF;
}

HWND SafeHwnd(const CWnd* pWnd)
{
    return pWnd != nullptr ? pWnd->GetSafeHwnd() : nullptr;
}

}  // namespace

IMPLEMENT_DYNCREATE(CWelcomeLabel, CWelcomeCtrl)

BEGIN_MESSAGE_MAP(CWelcomeLabel, CWelcomeCtrl)
    ON_WM_SETFOCUS()
END_MESSAGE_MAP()

CWelcomeLabel::CWelcomeLabel()
{
}

BOOL CWelcomeLabel::CreateCtrl(UINT nID, int x, int y, CWnd* pParent)
{
    m_bmEnabled.LoadBitmap(ImageNumber(nID, 0));
    m_bmDisabled.LoadBitmap(ImageNumber(nID, kDisabledImage));
    return CWelcomeCtrl::CreateCtrl(nID, x, y, pParent);
}

DWORD CWelcomeLabel::GetCreateStyle()
{
    return kLabelStyle;
}

CBitmap* CWelcomeLabel::GetStateBitmap(BOOL bEnabled)
{
    if (!bEnabled && m_bmDisabled.GetSafeHandle() != nullptr)
        return &m_bmDisabled;
    return &m_bmEnabled;
}

// The focus moves on at once, inside this handler; it goes back the way it came when it arrived
// from the next tab stop (backward navigation), else forward. No default processing.
void CWelcomeLabel::OnSetFocus(CWnd* pOldWnd)
{
    CWnd* pParent = GetParent();
    if (pParent == nullptr)
        return;
    HWND hPrevious = SafeHwnd(pParent->GetNextDlgTabItem(this, TRUE));
    HWND hNext = SafeHwnd(pParent->GetNextDlgTabItem(this, FALSE));
    HWND hTarget = (pOldWnd != nullptr && SafeHwnd(pOldWnd) == hNext) ? hPrevious : hNext;
    // With no other tab stop there is nowhere to go: the label keeps the focus.
    if (hTarget == nullptr || hTarget == m_hWnd)
        return;
    CWnd::FromHandle(hTarget)->SetFocus();
}
