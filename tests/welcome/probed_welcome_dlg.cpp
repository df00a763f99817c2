#include "probed_welcome_dlg.h"

#include "welcome/controls/welcome_ctrl.h"
#include "welcome/ctrl_defs.h"

#include <gtest/gtest.h>

namespace
{

constexpr UINT kRunStepMessage = WM_APP + 0x57;
constexpr UINT_PTR kTimeOutTimer = 0x7E57;
constexpr UINT kTimeOutMs = 30000;

void CALLBACK EndTimedOutDialog(HWND hWnd, UINT, UINT_PTR, DWORD)
{
    KillTimer(hWnd, kTimeOutTimer);
    if (auto* pDlg = static_cast<CDialog*>(CWnd::FromHandlePermanent(hWnd)))
        pDlg->EndDialog(static_cast<int>(CProbedWelcomeDlg::kTimedOut));
}

}  // namespace

BEGIN_MESSAGE_MAP(CProbedWelcomeDlg, CWelcomeDlg)
    ON_MESSAGE(kRunStepMessage, OnRunStep)
END_MESSAGE_MAP()

void CProbedWelcomeDlg::ReplaceCtrl(size_t row, CWelcomeCtrl* pCtrl)
{
    delete m_pCtrls[row];
    m_pCtrls[row] = pCtrl;
}

BOOL CProbedWelcomeDlg::OnInitDialog()
{
    m_bInitResult = CWelcomeDlg::OnInitDialog();

    MSG msg;
    m_bQuitPendingAfterInit = PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_NOREMOVE) != FALSE;
    GetWindowRect(&m_rcAfterInit);
    m_bVisibleAfterInit = IsWindowVisible() != FALSE;
    m_rowHadWindowAfterInit.clear();
    for (size_t row = 0; row < kCtrlDefCount; ++row)
        m_rowHadWindowAfterInit.push_back(GetDlgItem(static_cast<int>(g_aCtrlDefs[row].nID)) != nullptr);

    ::SetTimer(m_hWnd, kTimeOutTimer, kTimeOutMs, EndTimedOutDialog);
    if (!m_steps.empty())
        PostStep(0);
    return m_bInitResult;
}

void CProbedWelcomeDlg::PostStep(size_t index)
{
    PostMessage(kRunStepMessage, index);
}

LRESULT CProbedWelcomeDlg::OnRunStep(WPARAM wParam, LPARAM)
{
    const size_t index = wParam;
    if (index >= m_steps.size())
        return 0;
    ++m_nStepsRun;
    m_steps[index](*this);
    // A failed assertion leaves the rest of the steps pointless.
    if (::testing::Test::HasFatalFailure())
    {
        EndDialog(static_cast<int>(kStepFailed));
        return 0;
    }
    if (index + 1 < m_steps.size())
        PostStep(index + 1);
    return 0;
}
