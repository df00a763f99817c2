#include "welcome/welcome_dlg.h"

#include "framework/menu.h"
#include "framework/paint_dc.h"
#include "framework/win_app.h"
#include "welcome/controls/bitmap_copy.h"
#include "welcome/controls/key_activation.h"
#include "welcome/controls/welcome_button.h"
#include "welcome/controls/welcome_ctrl.h"
#include "welcome/ctrl_defs.h"
#include "welcome/minimized_icon.h"
#include "welcome/welcome_resources.h"

#include <new>

BEGIN_MESSAGE_MAP(CWelcomeDlg, CDialog)
    ON_WM_PAINT()
    ON_WM_QUERYDRAGICON()
    ON_WM_CLOSE()
    ON_WM_INITMENU()
    ON_WM_ACTIVATE()
END_MESSAGE_MAP()

namespace
{

// The exit status of a start-up that failed.
constexpr int kStartupFailed = -1;

constexpr UINT kGrayed = MF_GRAYED | MF_DISABLED;

// Only moving between normal and minimized is offered; the window cannot be sized or maximized.
struct SysMenuItemState
{
    UINT nCommand;
    UINT nWhenMinimized;
    UINT nWhenNormal;
};

const SysMenuItemState kSysMenuStates[] = {
    {SC_RESTORE, MF_ENABLED, kGrayed},
    {SC_MINIMIZE, kGrayed, MF_ENABLED},
    {SC_SIZE, kGrayed, kGrayed},
    {SC_MAXIMIZE, kGrayed, kGrayed},
};

CWelcomeCtrl* CreateCtrlObject(const CTRLDEF& def)
{
    CObject* pObject = def.pClass->CreateObject();
    if (pObject && !pObject->IsKindOf(RUNTIME_CLASS(CWelcomeCtrl)))
    {
        delete pObject;
        return nullptr;
    }
    return static_cast<CWelcomeCtrl*>(pObject);
}

}  // namespace

CWelcomeDlg::CWelcomeDlg(CWnd* pParent) : CDialog(IDD_WELCOME, pParent)
{
    m_hIcon = AfxGetApp()->LoadIcon(IDR_MAINFRAME);
    if (m_bmBackground.LoadBitmap(IDB_BACKGROUND))
    {
        BITMAP bm{};
        m_bmBackground.GetBitmap(&bm);
        m_cxBackground = bm.bmWidth;
        m_cyBackground = bm.bmHeight;
    }
    CreateCtrlObjects();
}

CWelcomeDlg::~CWelcomeDlg()
{
    DeleteCtrlObjects();
}

void CWelcomeDlg::CreateCtrlObjects()
{
    m_pCtrls = new (std::nothrow) CWelcomeCtrl*[kCtrlDefCount];
    if (!m_pCtrls)
        return;
    for (std::size_t i = 0; i < kCtrlDefCount; ++i)
        m_pCtrls[i] = CreateCtrlObject(g_aCtrlDefs[i]);
}

// Runs after the windows are gone: the objects outlive their windows.
void CWelcomeDlg::DeleteCtrlObjects()
{
    if (!m_pCtrls)
        return;
    for (std::size_t i = 0; i < kCtrlDefCount; ++i)
        delete m_pCtrls[i];
    delete[] m_pCtrls;
    m_pCtrls = nullptr;
}

void CWelcomeDlg::DoDataExchange(CDataExchange* /*pDX*/)
{
}

// Enter and Space press and click the focused push button. They never reach the dialog manager, so
// neither ever acts as the dialog's default command; the loop still delivers them to their window.
BOOL CWelcomeDlg::PreTranslateMessage(MSG* pMsg)
{
    if (!IsActivationKeyMessage(pMsg->message, pMsg->wParam))
        return CDialog::PreTranslateMessage(pMsg);
    CWelcomeButton* pButton = GetFocusedButton();
    const KeyActivation action = TakeActivationKey(pMsg->message);
    if (pButton == nullptr)
        return FALSE;
    if (action == KeyActivation::Press)
    {
        pButton->SetState(CWelcomeButton::statePressed);
    }
    else if (action == KeyActivation::Click)
    {
        pButton->SetState(CWelcomeButton::stateFocused);
        pButton->OnClicked();
    }
    return FALSE;
}

CWelcomeButton* CWelcomeDlg::GetFocusedButton()
{
    CWnd* pFocus = CWnd::GetFocus();
    if (!pFocus || !pFocus->IsKindOf(RUNTIME_CLASS(CWelcomeButton)))
        return nullptr;
    return static_cast<CWelcomeButton*>(pFocus);
}

// A key pressed here and released elsewhere, or pressed elsewhere (another program, a message box),
// must not click a button here when a key is released later: the latch only lives while this
// window stays active.
void CWelcomeDlg::OnActivate(UINT nState, CWnd* /*pWndOther*/, BOOL /*bMinimized*/)
{
    Default();
    if (nState == WA_INACTIVE)
        ForgetActivationKey();
}

// A start-up that cannot finish posts a quit request: the modal loop ends on it and the program
// exits with that status, without a message.
BOOL CWelcomeDlg::OnInitDialog()
{
    // Without the background the window has no size to take.
    if (!m_pCtrls || !m_bmBackground.GetSafeHandle())
    {
        PostQuitMessage(kStartupFailed);
        return FALSE;
    }
    CDialog::OnInitDialog();

    // The small icon is the same standard-size image; the system scales it down.
    SendMessage(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_hIcon));
    SendMessage(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_hIcon));

    FitClientToBackground();
    if (!CreateCtrlWindows())
    {
        PostQuitMessage(kStartupFailed);
        return FALSE;
    }
    CenterWindow(nullptr);
    SetInitialFocus();
    return FALSE;  // the focus is set already
}

// The template's size is in dialog units, which depend on the system's dialog font.
void CWelcomeDlg::FitClientToBackground()
{
    CRect rect(0, 0, m_cxBackground, m_cyBackground);
    CalcWindowRect(&rect, 0);
    SetWindowPos(nullptr, 0, 0, rect.Width(), rect.Height(), SWP_NOMOVE | SWP_NOZORDER);
}

// Creation order is tab order. A control that gets no window leaves a gap; a row without an object
// ends the start-up.
BOOL CWelcomeDlg::CreateCtrlWindows()
{
    for (std::size_t i = 0; i < kCtrlDefCount; ++i)
    {
        const CTRLDEF& def = g_aCtrlDefs[i];
        CWelcomeCtrl* pCtrl = m_pCtrls[i];
        if (!pCtrl)
            return FALSE;
        if (pCtrl->CreateCtrl(def.nID, def.x, def.y, this))
            pCtrl->EnableWindow(def.bEnable);
    }
    return TRUE;
}

// Row 0 passes the focus on to the first button. Should row 0 have no window, the first tab stop
// takes the focus instead of nobody.
void CWelcomeDlg::SetInitialFocus()
{
    CWelcomeCtrl* pFirst = m_pCtrls[0];
    if (pFirst->GetSafeHwnd())
    {
        pFirst->SetFocus();
        return;
    }
    if (CWnd* pTabStop = GetNextDlgTabItem(nullptr))
        pTabStop->SetFocus();
}

void CWelcomeDlg::OnCancel()
{
    // Escape leaves the window open.
}

void CWelcomeDlg::OnPaint()
{
    CPaintDC dc(this);
    if (IsIconic())
    {
        PaintMinimized(dc);
        return;
    }
    // WS_CLIPCHILDREN keeps the copy off the controls.
    CopyBitmapTo(&dc, &m_bmBackground, m_cxBackground, m_cyBackground);
}

void CWelcomeDlg::PaintMinimized(CDC& dc)
{
    SendMessage(WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc.GetSafeHdc()), 0);
    CRect rect;
    GetClientRect(&rect);
    const int x = MinimizedIconOffset(rect.Width(), GetSystemMetrics(SM_CXICON));
    const int y = MinimizedIconOffset(rect.Height(), GetSystemMetrics(SM_CYICON));
    dc.DrawIcon(x, y, m_hIcon);
}

HCURSOR CWelcomeDlg::OnQueryDragIcon()
{
    return static_cast<HCURSOR>(m_hIcon);
}

void CWelcomeDlg::OnClose()
{
    EndDialog(IDOK);
}

void CWelcomeDlg::OnInitMenu(CMenu* pMenu)
{
    if (!pMenu)
        return;
    const BOOL bMinimized = IsIconic();
    for (const SysMenuItemState& item : kSysMenuStates)
        pMenu->EnableMenuItem(item.nCommand, MF_BYCOMMAND | (bMinimized ? item.nWhenMinimized : item.nWhenNormal));
}
