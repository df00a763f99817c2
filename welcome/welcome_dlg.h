#pragma once

#include "framework/bitmap.h"
#include "framework/dialog.h"

class CDC;
class CMenu;
class CWelcomeButton;
class CWelcomeCtrl;

// The welcome window: a fixed-size modal window whose client area is the background image, with
// the controls of the layout table on it. It owns the control objects and the background.
class CWelcomeDlg : public CDialog
{
public:
    explicit CWelcomeDlg(CWnd* pParent = nullptr);
    ~CWelcomeDlg() override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL PreTranslateMessage(MSG* pMsg) override;
    // The push button that has the keyboard focus, or null (a label, this window, another window).
    CWelcomeButton* GetFocusedButton();
    BOOL OnInitDialog() override;
    void OnCancel() override;

    void OnPaint() override;
    HCURSOR OnQueryDragIcon() override;
    void OnClose() override;
    void OnInitMenu(CMenu* pMenu) override;
    void OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized) override;

    // One entry per layout row, index = row; null entries for objects that could not be made.
    // Null when the array itself could not be allocated.
    CWelcomeCtrl** m_pCtrls = nullptr;
    HICON m_hIcon = nullptr;  // shared resource icon: never destroyed
    CBitmap m_bmBackground;
    int m_cxBackground = 0;
    int m_cyBackground = 0;

    DECLARE_MESSAGE_MAP()

private:
    void CreateCtrlObjects();
    void DeleteCtrlObjects();
    void FitClientToBackground();
    BOOL CreateCtrlWindows();
    void SetInitialFocus();
    void PaintMinimized(CDC& dc);
};
