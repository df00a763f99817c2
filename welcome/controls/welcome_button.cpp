#include "welcome/controls/welcome_button.h"

#include "framework/win_headers.h"

namespace {

constexpr DWORD kButtonStyle = WS_CHILD | WS_VISIBLE | WS_TABSTOP;

// The four images follow the control id in the resource numbering.
constexpr UINT kPressedImage = 1;
constexpr UINT kFocusedImage = 2;
constexpr UINT kDisabledImage = 3;

UINT ImageNumber(UINT nID, UINT nOffset)
{
    return (nID + nOffset) & 0xFFFF;
}

BOOL HoldsImage(const CBitmap& bitmap)
{
    return bitmap.GetSafeHandle() != nullptr;
}

}  // namespace

IMPLEMENT_DYNCREATE(CWelcomeButton, CWelcomeCtrl)

BEGIN_MESSAGE_MAP(CWelcomeButton, CWelcomeCtrl)
    ON_WM_PAINT()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
    ON_WM_MOUSEMOVE()
    ON_WM_SETFOCUS()
    ON_WM_KILLFOCUS()
    ON_WM_CHAR()
END_MESSAGE_MAP()

CWelcomeButton::CWelcomeButton() : m_nState(stateNormal)
{
}

BOOL CWelcomeButton::CreateCtrl(UINT nID, int x, int y, CWnd* pParent)
{
    m_bmNormal.LoadBitmap(ImageNumber(nID, 0));
    m_bmPressed.LoadBitmap(ImageNumber(nID, kPressedImage));
    m_bmFocused.LoadBitmap(ImageNumber(nID, kFocusedImage));
    m_bmDisabled.LoadBitmap(ImageNumber(nID, kDisabledImage));
    if (!CWelcomeCtrl::CreateCtrl(nID, x, y, pParent))
        return FALSE;
    // A button that got the focus while its window was being made never saw it as a state change;
    // its first paint is still to come, so no repaint is asked for.
    if (CWnd::GetFocus() == this)
        m_nState = stateFocused;
    return TRUE;
}

DWORD CWelcomeButton::GetCreateStyle()
{
    return kButtonStyle;
}

CBitmap* CWelcomeButton::GetStateBitmap(BOOL bEnabled)
{
    CBitmap* pCandidate = &m_bmNormal;
    if (!bEnabled)
        pCandidate = &m_bmDisabled;
    else if (m_nState == statePressed)
        pCandidate = &m_bmPressed;
    else if (m_nState == stateFocused)
        pCandidate = &m_bmFocused;
    return HoldsImage(*pCandidate) ? pCandidate : &m_bmNormal;
}

void CWelcomeButton::OnClicked()
{
    if (!IsWindowEnabled())
        return;
    // Posted, so the welcome window closes after the current message has been handled.
    if (CWnd* pParent = GetParent())
        pParent->PostMessage(WM_CLOSE, 0, 0);
}

void CWelcomeButton::SetState(int nState)
{
    if (nState == m_nState)
        return;
    if (!IsWindowEnabled())
        return;
    m_nState = nState;
    InvalidateRect(nullptr, FALSE);
    UpdateWindow();
}

void CWelcomeButton::OnLButtonDown(UINT /*nFlags*/, CPoint /*point*/)
{
    if (!IsWindowEnabled())
        return;
    SetState(statePressed);
    SetCapture();
}

void CWelcomeButton::OnLButtonUp(UINT /*nFlags*/, CPoint point)
{
    if (!HasCapture())
        return;
    ::ReleaseCapture();
    SetState(stateFocused);
    if (IsInside(point))
        OnClicked();
}

void CWelcomeButton::OnMouseMove(UINT /*nFlags*/, CPoint point)
{
    if (HasCapture()) {
        SetState(IsInside(point) ? statePressed : stateFocused);
        return;
    }
    // Hover takes the focus only inside the active welcome window, never from behind a message box
    // or another program's window.
    if (IsWindowEnabled() && IsWelcomeWindowActive())
        SetFocus();
}

void CWelcomeButton::OnSetFocus(CWnd* /*pOldWnd*/)
{
    Default();
    SetState(stateFocused);
}

void CWelcomeButton::OnKillFocus(CWnd* /*pNewWnd*/)
{
    Default();
    SetState(stateNormal);
}

void CWelcomeButton::OnChar(UINT /*nChar*/, UINT /*nRepCnt*/, UINT /*nFlags*/)
{
    // The Enter and Space characters made from the activation keys end here, unprocessed.
}

BOOL CWelcomeButton::HasCapture() const
{
    return m_hWnd != nullptr && ::GetCapture() == m_hWnd;
}

BOOL CWelcomeButton::IsInside(CPoint point)
{
    CRect client;
    GetClientRect(&client);
    return client.PtInRect(point);
}

BOOL CWelcomeButton::IsWelcomeWindowActive()
{
    CWnd* pActive = CWnd::GetActiveWindow();
    if (pActive == nullptr)
        return FALSE;
    CWnd* pActiveTop = pActive->GetParentOwner();
    CWnd* pParent = GetParent();
    return pActiveTop != nullptr && pParent != nullptr && pActiveTop->GetSafeHwnd() == pParent->GetSafeHwnd();
}
