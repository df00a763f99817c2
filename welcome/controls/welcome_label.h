#pragma once
// Static picture of the welcome window with an enabled and a disabled image. Not a tab stop, and it
// never keeps the focus: it hands it on to the neighbouring tab stop in the direction it came from.

#include "framework/bitmap.h"
#include "welcome/controls/welcome_ctrl.h"

class CWelcomeLabel : public CWelcomeCtrl
{
    DECLARE_DYNCREATE(CWelcomeLabel)

public:
    CWelcomeLabel();

    BOOL CreateCtrl(UINT nID, int x, int y, CWnd* pParent) override;
    DWORD GetCreateStyle() override;
    CBitmap* GetStateBitmap(BOOL bEnabled) override;

protected:
    void OnSetFocus(CWnd* pOldWnd) override;

    CBitmap m_bmEnabled;
    CBitmap m_bmDisabled;

    DECLARE_MESSAGE_MAP()
};
