#pragma once
// Push button of the welcome window, drawn from four bitmaps: normal, pressed and focused state,
// and the disabled look. Its own click closes the welcome window; the launch buttons derive from
// it and replace only OnClicked.

#include "framework/bitmap.h"
#include "framework/point_rect.h"
#include "welcome/controls/welcome_ctrl.h"

class CWelcomeButton : public CWelcomeCtrl
{
    DECLARE_DYNCREATE(CWelcomeButton)

public:
    // Values of m_nState.
    enum
    {
        stateNormal = 0,
        statePressed = 1,
        stateFocused = 2
    };

    CWelcomeButton();

    BOOL CreateCtrl(UINT nID, int x, int y, CWnd* pParent) override;
    DWORD GetCreateStyle() override;
    CBitmap* GetStateBitmap(BOOL bEnabled) override;
    // The click action. Reached only after SetState(stateFocused), by a mouse release over the
    // button that held the capture or by the release of Enter/Space; does nothing while disabled.
    virtual void OnClicked();

    // The only way m_nState changes after creation: refused while disabled, and a change repaints
    // the button before returning.
    void SetState(int nState);

protected:
    void OnLButtonDown(UINT nFlags, CPoint point) override;
    void OnLButtonUp(UINT nFlags, CPoint point) override;
    void OnMouseMove(UINT nFlags, CPoint point) override;
    void OnSetFocus(CWnd* pOldWnd) override;
    void OnKillFocus(CWnd* pNewWnd) override;
    void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags) override;

    BOOL HasCapture() const;
    BOOL IsInside(CPoint point);
    BOOL IsWelcomeWindowActive();

    CBitmap m_bmNormal;
    CBitmap m_bmPressed;
    CBitmap m_bmFocused;
    CBitmap m_bmDisabled;
    int m_nState;

    DECLARE_MESSAGE_MAP()
};
