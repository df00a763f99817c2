#include "framework/wnd.h"

#include "framework/creation_hook.h"
#include "framework/menu.h"
#include "framework/string.h"
#include "framework/temporary_wrapper.h"
#include "framework/thread_state.h"
#include "framework/win_app.h"

#include <vector>

IMPLEMENT_DYNAMIC(CWnd, CObject)

namespace {

const int kMaxWindowText = 0x10000;

bool IsChildWindow(HWND hWnd)
{
    return (::GetWindowLongA(hWnd, GWL_STYLE) & WS_CHILD) != 0;
}

bool IsCommandRowFor(const AFX_MSGMAP_ENTRY& entry, WPARAM wParam, LPARAM lParam)
{
    if (LOWORD(wParam) != entry.nID)
        return false;
    // Menu items, buttons (BN_CLICKED) and accelerators; other notifications are not commands.
    const UINT nCode = HIWORD(wParam);
    return nCode == 0 || (nCode == 1 && lParam == 0);
}

bool RowMatches(const AFX_MSGMAP_ENTRY& entry, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (entry.nMessage != message)
        return false;
    if (entry.nSig == AfxSig_cmd)
        return IsCommandRowFor(entry, wParam, lParam);
    return true;
}

}  // namespace

// ---- Message table of the root class --------------------------------------------------------------

const AFX_MSGMAP* CWnd::GetThisMessageMap()
{
    static const AFX_MSGMAP_ENTRY entries[] = {{0, 0, AfxSig_end, nullptr}};
    static const AFX_MSGMAP messageMap = {nullptr, &entries[0]};
    return &messageMap;
}

const AFX_MSGMAP* CWnd::GetMessageMap() const
{
    return GetThisMessageMap();
}

// ---- Attaching -------------------------------------------------------------------------------------

CWnd::~CWnd()
{
    if (m_hWnd != nullptr && FromHandlePermanent(m_hWnd) == this)
        DestroyWindow();
}

CWnd* CWnd::FromHandlePermanent(HWND hWnd)
{
    if (hWnd == nullptr)
        return nullptr;
    const auto& windows = AfxThreadState().permanentWindows;
    auto found = windows.find(hWnd);
    return found != windows.end() ? found->second : nullptr;
}

CWnd* CWnd::FromHandle(HWND hWnd)
{
    if (hWnd == nullptr)
        return nullptr;
    if (CWnd* pWnd = FromHandlePermanent(hWnd))
        return pWnd;
    return FindOrMakeTemporary(AfxThreadState().temporaryWindows, hWnd,
                               [](CWnd& wnd, HWND h) { wnd.m_hWnd = h; });
}

void CWnd::DeleteTempMaps()
{
    FrameworkThreadState& state = AfxThreadState();
    if (state.nWindowProcDepth != 0)
        return;
    state.DeleteTemporaries();
}

void CWnd::AttachToNewWindow(HWND hWnd)
{
    if (!Attach(hWnd))
        return;
    m_pfnSuper = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrA(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CWnd::AfxWndProc)));
}

BOOL CWnd::Attach(HWND hWnd)
{
    if (hWnd == nullptr || m_hWnd != nullptr || FromHandlePermanent(hWnd) != nullptr)
        return FALSE;
    AfxThreadState().permanentWindows[hWnd] = this;
    m_hWnd = hWnd;
    return TRUE;
}

HWND CWnd::Detach()
{
    HWND hWnd = m_hWnd;
    if (hWnd != nullptr && FromHandlePermanent(hWnd) == this)
        AfxThreadState().permanentWindows.erase(hWnd);
    m_hWnd = nullptr;
    return hWnd;
}

BOOL CWnd::SubclassWindow(HWND hWnd)
{
    if (!::IsWindow(hWnd) || ::GetWindowThreadProcessId(hWnd, nullptr) != ::GetCurrentThreadId())
        return FALSE;
    if (!Attach(hWnd))
        return FALSE;
    ::SetLastError(0);
    const LONG_PTR previous =
        ::SetWindowLongPtrA(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CWnd::AfxWndProc));
    if (previous == 0 && ::GetLastError() != 0) {
        Detach();
        return FALSE;
    }
    m_pfnSuper = reinterpret_cast<WNDPROC>(previous);
    return TRUE;
}

BOOL CWnd::SubclassDlgItem(UINT nID, CWnd* pParent)
{
    if (pParent == nullptr || pParent->m_hWnd == nullptr)
        return FALSE;
    return SubclassWindow(::GetDlgItem(pParent->m_hWnd, static_cast<int>(nID)));
}

HWND CWnd::UnsubclassWindow()
{
    if (m_hWnd == nullptr)
        return nullptr;
    if (m_pfnSuper != nullptr)
        ::SetWindowLongPtrA(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_pfnSuper));
    m_pfnSuper = nullptr;
    return Detach();
}

BOOL CWnd::Create(LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                  CWnd* pParentWnd, UINT nID, void* pContext)
{
    return CreateEx(0, lpszClassName, lpszWindowName, dwStyle, rect, pParentWnd, nID, pContext);
}

BOOL CWnd::CreateEx(DWORD dwExStyle, LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle,
                    const RECT& rect, CWnd* pParentWnd, UINT nID, void* pContext)
{
    if (m_hWnd != nullptr)
        return FALSE;
    HWND hParent = pParentWnd != nullptr ? pParentWnd->m_hWnd : nullptr;
    // A child's menu argument is its id.
    HMENU hMenuOrId = (dwStyle & WS_CHILD) ? reinterpret_cast<HMENU>(static_cast<UINT_PTR>(nID)) : nullptr;
    HWND hWnd = nullptr;
    {
        CreationHook hook(this);
        if (!hook.IsInstalled())
            return FALSE;
        hWnd = ::CreateWindowExA(dwExStyle, lpszClassName, lpszWindowName, dwStyle, rect.left, rect.top,
                                 rect.right - rect.left, rect.bottom - rect.top, hParent, hMenuOrId,
                                 AfxGetInstanceHandle(), pContext);
    }
    if (hWnd == nullptr)
        return FALSE;
    if (m_hWnd == nullptr)
        return SubclassWindow(hWnd);
    return m_hWnd == hWnd;
}

BOOL CWnd::DestroyWindow()
{
    HWND hWnd = m_hWnd;
    if (hWnd == nullptr)
        return FALSE;
    const BOOL bDestroyed = ::DestroyWindow(hWnd);
    // A window that was only attached (not subclassed) never shows this object its WM_NCDESTROY.
    if (m_hWnd == hWnd && !::IsWindow(hWnd))
        Detach();
    return bDestroyed;
}

// ---- Routing -----------------------------------------------------------------------------------

LRESULT CALLBACK CWnd::AfxWndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    // Attaching happens before a window's first message, so no object means one that has already
    // let go of its window (or a message sent from a hook meanwhile): plain default processing.
    CWnd* pWnd = FromHandlePermanent(hWnd);
    if (pWnd == nullptr)
        return ::DefWindowProcA(hWnd, message, wParam, lParam);

    FrameworkThreadState& state = AfxThreadState();
    const MSG previousMessage = state.currentMessage;
    state.currentMessage = MSG{hWnd, message, wParam, lParam, 0, {0, 0}};
    ++state.nWindowProcDepth;

    LRESULT lResult = 0;
    try {
        lResult = pWnd->WindowProc(message, wParam, lParam);
    } catch (...) {
        lResult = 0;
    }
    if (message == WM_NCDESTROY && FromHandlePermanent(hWnd) == pWnd) {
        // The window's last message: give the window back its own procedure and let go of it.
        if (pWnd->m_pfnSuper != nullptr &&
            ::GetWindowLongPtrA(hWnd, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(&CWnd::AfxWndProc))
            ::SetWindowLongPtrA(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(pWnd->m_pfnSuper));
        pWnd->m_pfnSuper = nullptr;
        pWnd->Detach();
        try {
            pWnd->PostNcDestroy();
        } catch (...) {
        }
    }

    --state.nWindowProcDepth;
    state.currentMessage = previousMessage;
    return lResult;
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT lResult = 0;
    if (!OnWndMsg(message, wParam, lParam, &lResult))
        lResult = DefWindowProc(message, wParam, lParam);
    return lResult;
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (m_pfnSuper != nullptr)
        return ::CallWindowProcA(m_pfnSuper, m_hWnd, message, wParam, lParam);
    return ::DefWindowProcA(m_hWnd, message, wParam, lParam);
}

LRESULT CWnd::Default()
{
    const MSG& current = AfxThreadState().currentMessage;
    if (m_hWnd == nullptr || current.hwnd != m_hWnd)
        return 0;
    return DefWindowProc(current.message, current.wParam, current.lParam);
}

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    for (const AFX_MSGMAP* pMap = GetMessageMap(); pMap != nullptr; pMap = pMap->pBaseMap) {
        for (const AFX_MSGMAP_ENTRY* pEntry = pMap->lpEntries; pEntry->nSig != AfxSig_end; ++pEntry) {
            if (!RowMatches(*pEntry, message, wParam, lParam))
                continue;
            *pResult = CallHandler(*pEntry, wParam, lParam);
            return TRUE;
        }
    }
    return FALSE;
}

LRESULT CWnd::CallHandler(const AFX_MSGMAP_ENTRY& entry, WPARAM wParam, LPARAM lParam)
{
    // Each row's member pointer is cast back to exactly the type its row macro checked.
    switch (entry.nSig) {
    case AfxSig_vv:
    case AfxSig_cmd:
        (this->*entry.pfn)();
        return 0;
    case AfxSig_hv:
        return reinterpret_cast<LRESULT>((this->*AfxHandlerOf<HCURSOR (CWnd::*)()>(entry))());
    case AfxSig_vMenu:
        (this->*AfxHandlerOf<void (CWnd::*)(CMenu*)>(entry))(CMenu::FromHandle(reinterpret_cast<HMENU>(wParam)));
        return 0;
    case AfxSig_vb:
        (this->*AfxHandlerOf<void (CWnd::*)(BOOL)>(entry))(static_cast<BOOL>(wParam));
        return 0;
    case AfxSig_vwp:
        (this->*AfxHandlerOf<void (CWnd::*)(UINT, CPoint)>(entry))(static_cast<UINT>(wParam), CPoint(lParam));
        return 0;
    case AfxSig_vW:
        (this->*AfxHandlerOf<void (CWnd::*)(CWnd*)>(entry))(FromHandle(reinterpret_cast<HWND>(wParam)));
        return 0;
    case AfxSig_vwww:
        (this->*AfxHandlerOf<void (CWnd::*)(UINT, UINT, UINT)>(entry))(static_cast<UINT>(wParam), LOWORD(lParam),
                                                                         HIWORD(lParam));
        return 0;
    case AfxSig_vwWb:
        (this->*AfxHandlerOf<void (CWnd::*)(UINT, CWnd*, BOOL)>(entry))(
            LOWORD(wParam), FromHandle(reinterpret_cast<HWND>(lParam)), HIWORD(wParam));
        return 0;
    case AfxSig_lwl:
        return (this->*AfxHandlerOf<LRESULT (CWnd::*)(WPARAM, LPARAM)>(entry))(wParam, lParam);
    default:
        return 0;
    }
}

BOOL CWnd::PreTranslateMessage(MSG*)
{
    return FALSE;
}

void CWnd::PostNcDestroy()
{
}

// ---- Default handlers ----------------------------------------------------------------------------

void CWnd::OnPaint() { Default(); }
void CWnd::OnClose() { Default(); }
HCURSOR CWnd::OnQueryDragIcon() { return reinterpret_cast<HCURSOR>(Default()); }
void CWnd::OnInitMenu(CMenu*) { Default(); }
void CWnd::OnEnable(BOOL) { Default(); }
void CWnd::OnLButtonDown(UINT, CPoint) { Default(); }
void CWnd::OnLButtonUp(UINT, CPoint) { Default(); }
void CWnd::OnMouseMove(UINT, CPoint) { Default(); }
void CWnd::OnSetFocus(CWnd*) { Default(); }
void CWnd::OnKillFocus(CWnd*) { Default(); }
void CWnd::OnChar(UINT, UINT, UINT) { Default(); }
void CWnd::OnActivate(UINT, CWnd*, BOOL) { Default(); }

// ---- Forwarders ----------------------------------------------------------------------------------

BOOL CWnd::EnableWindow(BOOL bEnable) { return ::EnableWindow(m_hWnd, bEnable); }
BOOL CWnd::IsWindowEnabled() const { return ::IsWindowEnabled(m_hWnd); }
BOOL CWnd::IsWindowVisible() const { return ::IsWindowVisible(m_hWnd); }
CWnd* CWnd::SetFocus() { return FromHandle(::SetFocus(m_hWnd)); }
CWnd* CWnd::GetFocus() { return FromHandle(::GetFocus()); }
CWnd* CWnd::GetActiveWindow() { return FromHandle(::GetActiveWindow()); }
CWnd* CWnd::GetCapture() { return FromHandle(::GetCapture()); }
CWnd* CWnd::SetCapture() { return FromHandle(::SetCapture(m_hWnd)); }
CWnd* CWnd::GetParent() const { return FromHandle(::GetParent(m_hWnd)); }

CWnd* CWnd::GetParentOwner() const
{
    HWND hWnd = m_hWnd;
    while (hWnd != nullptr && IsChildWindow(hWnd))
        hWnd = ::GetParent(hWnd);
    return FromHandle(hWnd);
}

CWnd* CWnd::GetTopLevelParent() const
{
    HWND hWnd = m_hWnd;
    while (hWnd != nullptr && IsChildWindow(hWnd))
        hWnd = ::GetParent(hWnd);
    for (HWND hOwner = hWnd != nullptr ? ::GetWindow(hWnd, GW_OWNER) : nullptr; hOwner != nullptr;
         hOwner = ::GetWindow(hWnd, GW_OWNER))
        hWnd = hOwner;
    return FromHandle(hWnd);
}

void CWnd::GetClientRect(LPRECT lpRect) const { ::GetClientRect(m_hWnd, lpRect); }
void CWnd::GetWindowRect(LPRECT lpRect) const { ::GetWindowRect(m_hWnd, lpRect); }
void CWnd::ClientToScreen(LPPOINT lpPoint) const { ::ClientToScreen(m_hWnd, lpPoint); }
void CWnd::ScreenToClient(LPPOINT lpPoint) const { ::ScreenToClient(m_hWnd, lpPoint); }
void CWnd::InvalidateRect(const RECT* lpRect, BOOL bErase) { ::InvalidateRect(m_hWnd, lpRect, bErase); }
void CWnd::Invalidate(BOOL bErase) { ::InvalidateRect(m_hWnd, nullptr, bErase); }
void CWnd::UpdateWindow() { ::UpdateWindow(m_hWnd); }

BOOL CWnd::SetWindowPos(const CWnd* pWndInsertAfter, int x, int y, int cx, int cy, UINT nFlags)
{
    return ::SetWindowPos(m_hWnd, pWndInsertAfter != nullptr ? pWndInsertAfter->m_hWnd : nullptr, x, y, cx,
                          cy, nFlags);
}

void CWnd::MoveWindow(int x, int y, int nWidth, int nHeight, BOOL bRepaint)
{
    ::MoveWindow(m_hWnd, x, y, nWidth, nHeight, bRepaint);
}

namespace {

RECT WorkAreaNear(HWND hWnd)
{
    RECT area{};
    MONITORINFO info{};
    info.cbSize = sizeof(info);
    HMONITOR hMonitor = ::MonitorFromWindow(hWnd, MONITOR_DEFAULTTOPRIMARY);
    if (hMonitor != nullptr && ::GetMonitorInfoA(hMonitor, &info))
        return info.rcWork;
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
    return area;
}

int CentredStart(LONG centreFrom, LONG centreTo, int nSize, LONG areaFrom, LONG areaTo)
{
    int nStart = (centreFrom + centreTo) / 2 - nSize / 2;
    if (nStart + nSize > areaTo)
        nStart = areaTo - nSize;
    if (nStart < areaFrom)
        nStart = areaFrom;
    return nStart;
}

}  // namespace

void CWnd::CenterWindow(CWnd* pAlternateOwner)
{
    HWND hCentre = pAlternateOwner != nullptr ? pAlternateOwner->m_hWnd : nullptr;
    RECT area{};
    RECT centreOn{};
    if (IsChildWindow(m_hWnd)) {
        HWND hParent = ::GetParent(m_hWnd);
        if (hCentre == nullptr)
            hCentre = hParent;
        ::GetClientRect(hParent, &area);
        ::GetClientRect(hCentre, &centreOn);
        ::MapWindowPoints(hCentre, hParent, reinterpret_cast<LPPOINT>(&centreOn), 2);
    } else {
        if (hCentre == nullptr)
            hCentre = ::GetWindow(m_hWnd, GW_OWNER);
        if (hCentre != nullptr && (!::IsWindowVisible(hCentre) || ::IsIconic(hCentre)))
            hCentre = nullptr;
        area = WorkAreaNear(hCentre != nullptr ? hCentre : m_hWnd);
        if (hCentre != nullptr)
            ::GetWindowRect(hCentre, &centreOn);
        else
            centreOn = area;
    }
    RECT window{};
    ::GetWindowRect(m_hWnd, &window);
    const int nWidth = window.right - window.left;
    const int nHeight = window.bottom - window.top;
    const int x = CentredStart(centreOn.left, centreOn.right, nWidth, area.left, area.right);
    const int y = CentredStart(centreOn.top, centreOn.bottom, nHeight, area.top, area.bottom);
    ::SetWindowPos(m_hWnd, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CWnd::CalcWindowRect(LPRECT lpClientRect, UINT nAdjustType)
{
    DWORD dwExStyle = GetExStyle();
    if (nAdjustType == 0)
        dwExStyle &= ~static_cast<DWORD>(WS_EX_CLIENTEDGE);
    ::AdjustWindowRectEx(lpClientRect, GetStyle(), FALSE, dwExStyle);
}

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    return ::SendMessageA(m_hWnd, message, wParam, lParam);
}

BOOL CWnd::PostMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    return ::PostMessageA(m_hWnd, message, wParam, lParam);
}

int CWnd::MessageBox(LPCSTR lpszText, LPCSTR lpszCaption, UINT nType)
{
    if (lpszCaption == nullptr && AfxGetApp() != nullptr)
        lpszCaption = AfxGetApp()->m_pszAppName;
    return ::MessageBoxA(m_hWnd, lpszText, lpszCaption, nType);
}

BOOL CWnd::IsIconic() const { return ::IsIconic(m_hWnd); }
BOOL CWnd::ShowWindow(int nCmdShow) { return ::ShowWindow(m_hWnd, nCmdShow); }
int CWnd::GetDlgCtrlID() const { return ::GetDlgCtrlID(m_hWnd); }
CWnd* CWnd::GetDlgItem(int nID) const { return FromHandle(::GetDlgItem(m_hWnd, nID)); }

CWnd* CWnd::GetNextDlgTabItem(CWnd* pWndCtl, BOOL bPrevious) const
{
    return FromHandle(::GetNextDlgTabItem(m_hWnd, pWndCtl != nullptr ? pWndCtl->m_hWnd : nullptr, bPrevious));
}

DWORD CWnd::GetStyle() const { return static_cast<DWORD>(::GetWindowLongA(m_hWnd, GWL_STYLE)); }
DWORD CWnd::GetExStyle() const { return static_cast<DWORD>(::GetWindowLongA(m_hWnd, GWL_EXSTYLE)); }

HICON CWnd::SetIcon(HICON hIcon, BOOL bBigIcon)
{
    return reinterpret_cast<HICON>(
        SendMessage(WM_SETICON, bBigIcon ? ICON_BIG : ICON_SMALL, reinterpret_cast<LPARAM>(hIcon)));
}

void CWnd::SetWindowText(LPCSTR lpszString) { ::SetWindowTextA(m_hWnd, lpszString); }

int CWnd::GetWindowText(LPSTR lpszStringBuf, int nMaxCount) const
{
    return ::GetWindowTextA(m_hWnd, lpszStringBuf, nMaxCount);
}

void CWnd::GetWindowText(CString& rString) const
{
    const int nLength = ::GetWindowTextLengthA(m_hWnd);
    if (nLength <= 0 || nLength >= kMaxWindowText) {
        rString.Empty();
        return;
    }
    std::vector<char> buffer(static_cast<size_t>(nLength) + 1, '\0');
    const int nCopied = ::GetWindowTextA(m_hWnd, buffer.data(), static_cast<int>(buffer.size()));
    rString = CString(buffer.data(), nCopied);
}

CMenu* CWnd::GetSystemMenu(BOOL bRevert) const { return CMenu::FromHandle(::GetSystemMenu(m_hWnd, bRevert)); }
CMenu* CWnd::GetMenu() const { return CMenu::FromHandle(::GetMenu(m_hWnd)); }
UINT_PTR CWnd::SetTimer(UINT_PTR nIDEvent, UINT nElapse) { return ::SetTimer(m_hWnd, nIDEvent, nElapse, nullptr); }
BOOL CWnd::KillTimer(UINT_PTR nIDEvent) { return ::KillTimer(m_hWnd, nIDEvent); }
