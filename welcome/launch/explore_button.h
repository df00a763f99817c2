#pragma once
// Launch button that shows the program's folder (the disc) in the file explorer. Windows NT 3.x
// has no explorer, so there the button makes no window at all.

#include "welcome/launch/execute_button.h"

class CExploreButton : public CExecuteButton
{
    DECLARE_DYNCREATE(CExploreButton)

public:
    BOOL CreateCtrl(UINT nID, int x, int y, CWnd* pParent) override;
    LPCSTR GetOperation() override;
};
