#include "welcome/controls/welcome_ctrl.h"

#include "framework/paint_dc.h"
#include "framework/win_app.h"
#include "welcome/controls/bitmap_copy.h"

IMPLEMENT_DYNAMIC(CWelcomeCtrl, CWnd)

BEGIN_MESSAGE_MAP(CWelcomeCtrl, CWnd)
    ON_WM_PAINT()
    ON_WM_ENABLE()
END_MESSAGE_MAP()

namespace
{
// Double clicks arrive as WM_LBUTTONDBLCLK; the whole control is redrawn when it is resized.
constexpr UINT kCtrlClassStyle = CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS;
}  // namespace

CWelcomeCtrl::CWelcomeCtrl()
{
    // A failure shows later, as the window creation of CreateCtrl failing.
    RegisterCtrlClass();
}

// The class keeps DefWindowProcA as its procedure: the framework routes each window's messages to
// its object. No background brush: a control paints every pixel itself.
BOOL CWelcomeCtrl::RegisterCtrlClass()
{
    WNDCLASSA wc{};
    wc.style = kCtrlClassStyle;
    wc.lpfnWndProc = ::DefWindowProcA;
    wc.hInstance = AfxGetInstanceHandle();
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.lpszClassName = kClassName;
    return AfxRegisterClass(&wc);
}

BOOL CWelcomeCtrl::CreateCtrl(UINT nID, int x, int y, CWnd* pParent)
{
    CBitmap* pBitmap = GetStateBitmap(TRUE);
    if (!pBitmap || !pBitmap->GetSafeHandle())
        return FALSE;

    BITMAP bm{};
    pBitmap->GetBitmap(&bm);
    m_cx = bm.bmWidth;
    m_cy = bm.bmHeight;

    const CRect rect(x, y, x + m_cx, y + m_cy);
    return Create(kClassName, nullptr, GetCreateStyle() | WS_CHILD, rect, pParent, nID);
}

void CWelcomeCtrl::OnPaint()
{
    CPaintDC dc(this);
    CopyBitmapTo(&dc, GetStateBitmap(IsWindowEnabled()), m_cx, m_cy);
}

// The look is chosen at paint time from the window's enabled state; repainting here makes the
// change visible before EnableWindow returns.
void CWelcomeCtrl::OnEnable(BOOL /*bEnable*/)
{
    Default();
    InvalidateRect(nullptr, FALSE);
    UpdateWindow();
}
