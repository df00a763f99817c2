#pragma once

#include "framework/bitmap.h"
#include "framework/wnd.h"

// The common base of the welcome window's bitmap controls: a child window without text, frame or
// background of its own, exactly as large as its enabled-state image, that paints itself by copying
// the image its subclass chooses for the current enabled state.
class CWelcomeCtrl : public CWnd
{
    DECLARE_DYNAMIC(CWelcomeCtrl)

public:
    // The one window class that every bitmap control is a window of.
    static constexpr const char* kClassName = "KelvaneFX:WelcomeCtrl";

    CWelcomeCtrl();

    // Creates the window at (x, y) in pParent's client coordinates, sized after GetStateBitmap(TRUE).
    // Overrides load their bitmaps first and then call this one. FALSE when no window was made.
    virtual BOOL CreateCtrl(UINT nID, int x, int y, CWnd* pParent);
    // The window style; WS_CHILD is added by CreateCtrl.
    virtual DWORD GetCreateStyle() = 0;
    // The bitmap to show for the enabled or the disabled state; it may hold no image. The caller
    // neither keeps nor frees it.
    virtual CBitmap* GetStateBitmap(BOOL bEnabled) = 0;

    int GetWidth() const { return m_cx; }
    int GetHeight() const { return m_cy; }

protected:
    void OnPaint() override;
    void OnEnable(BOOL bEnable) override;

    int m_cx = 0;  // set once by CreateCtrl from the enabled-state bitmap
    int m_cy = 0;

    DECLARE_MESSAGE_MAP()

private:
    static BOOL RegisterCtrlClass();
};
