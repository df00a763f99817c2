#include "tests/welcome/controls/test_controls.h"

#include "framework/win_app.h"

#include <algorithm>

namespace {

const char kParentClass[] = "KelvaneFX:TestParent";
const char kParentTitle[] = "KelvaneFX test parent";

bool IsMouseMessage(UINT message)
{
    return message >= WM_MOUSEFIRST && message <= WM_MOUSELAST;
}

}  // namespace

void CRecordingButton::OnClicked()
{
    ++m_nClicks;
    CWelcomeButton::OnClicked();
}

LRESULT CRecordingButton::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (IsMouseMessage(message))
        m_mouseMessages.push_back(message);
    return CWelcomeButton::WindowProc(message, wParam, lParam);
}

void CRecordingButton::OnPaint()
{
    m_paintedStates.push_back(m_nState);
    CWelcomeButton::OnPaint();
}

LRESULT CRecordingLabel::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (IsMouseMessage(message))
        m_mouseMessages.push_back(message);
    return CWelcomeLabel::WindowProc(message, wParam, lParam);
}

BEGIN_MESSAGE_MAP(CTestParent, CWnd)
    ON_WM_CLOSE()
END_MESSAGE_MAP()

BOOL CTestParent::CreateAt(int x, int y, int cx, int cy)
{
    WNDCLASSA wc{};
    wc.lpfnWndProc = ::DefWindowProcA;
    wc.hInstance = AfxGetInstanceHandle();
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = kParentClass;
    if (!AfxRegisterClass(&wc))
        return FALSE;
    return Create(kParentClass, kParentTitle, WS_OVERLAPPED | WS_CAPTION | WS_VISIBLE | WS_CLIPCHILDREN,
                  CRect(x, y, x + cx, y + cy), nullptr, 0);
}

void CTestParent::OnClose()
{
    ++m_nCloseRequests;
}

int CountOf(const std::vector<UINT>& messages, UINT message)
{
    return static_cast<int>(std::count(messages.begin(), messages.end(), message));
}
