#include "welcome/controls/standin_ctrl.h"

IMPLEMENT_DYNCREATE(CStandInCtrl, CWelcomeCtrl)

BOOL CStandInCtrl::CreateCtrl(UINT nID, int x, int y, CWnd* pParent)
{
    m_bmImage.LoadBitmap(nID);
    return CWelcomeCtrl::CreateCtrl(nID, x, y, pParent);
}

DWORD CStandInCtrl::GetCreateStyle()
{
    return WS_CHILD | WS_VISIBLE | WS_TABSTOP;
}

CBitmap* CStandInCtrl::GetStateBitmap(BOOL /*bEnabled*/)
{
    return &m_bmImage;
}
