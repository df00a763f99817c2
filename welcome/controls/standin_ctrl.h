#pragma once

#include "framework/bitmap.h"
#include "welcome/controls/welcome_ctrl.h"

// Holds a row of the layout table until its real control class exists: shows image nID in both
// enabled states and takes part in the tab order.
class CStandInCtrl : public CWelcomeCtrl
{
    DECLARE_DYNCREATE(CStandInCtrl)

public:
    BOOL CreateCtrl(UINT nID, int x, int y, CWnd* pParent) override;
    DWORD GetCreateStyle() override;
    CBitmap* GetStateBitmap(BOOL bEnabled) override;

private:
    CBitmap m_bmImage;
};
