#pragma once

#include "framework/object.h"
#include "framework/point_rect.h"

#include <cstring>

class CMenu;
class CString;
class CWnd;

// ---- Message tables ------------------------------------------------------------------------------
// A table is plain data: rows of (message, command id, signature, member) and a pointer to the
// base class's table. Lookup walks from the class to its bases; the first matching row wins.

typedef void (CWnd::*AFX_PMSG)();

enum AfxSig : UINT
{
    AfxSig_end = 0,
    AfxSig_vv,       // void ()
    AfxSig_hv,       // HCURSOR ()                       (the result is the message's result)
    AfxSig_vMenu,    // void (CMenu*)                    wParam is the menu
    AfxSig_vb,       // void (BOOL)                      wParam
    AfxSig_vwp,      // void (UINT, CPoint)              wParam, client point in lParam
    AfxSig_vW,       // void (CWnd*)                     wParam is the other window
    AfxSig_vwww,     // void (UINT, UINT, UINT)          wParam, LOWORD(lParam), HIWORD(lParam)
    AfxSig_vwWb,     // void (UINT, CWnd*, BOOL)         LOWORD(wParam), lParam window, HIWORD(wParam)
    AfxSig_lwl,      // LRESULT (WPARAM, LPARAM)
    AfxSig_cmd,      // void ()                          WM_COMMAND whose LOWORD(wParam) is nID
};

struct AFX_MSGMAP_ENTRY
{
    UINT nMessage;
    UINT nID;        // command id for WM_COMMAND rows, else 0
    UINT nSig;       // AfxSig
    AFX_PMSG pfn;
};

struct AFX_MSGMAP
{
    const AFX_MSGMAP* pBaseMap;
    const AFX_MSGMAP_ENTRY* lpEntries;
};

#define DECLARE_MESSAGE_MAP()                                  \
public:                                                        \
    static const AFX_MSGMAP* GetThisMessageMap();              \
    const AFX_MSGMAP* GetMessageMap() const override;

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                      \
    const AFX_MSGMAP* theClass::GetMessageMap() const { return GetThisMessageMap(); } \
    const AFX_MSGMAP* theClass::GetThisMessageMap()                                 \
    {                                                                               \
        typedef theClass ThisClass;                                                 \
        typedef baseClass TheBaseClass;                                             \
        static const AFX_MSGMAP_ENTRY entries[] = {

#define END_MESSAGE_MAP()                                                           \
            {0, 0, AfxSig_end, nullptr}};                                           \
        static const AFX_MSGMAP messageMap = {TheBaseClass::GetThisMessageMap(), &entries[0]}; \
        return &messageMap;                                                         \
    }

// A row keeps its handler as a plain member pointer; the dispatcher turns it back into exactly the
// type that the row's signature names (all CWnd member pointers have the same representation).
template <typename Handler>
AFX_MSGMAP_ENTRY AfxMessageRow(UINT nMessage, UINT nID, UINT nSig, Handler pfn)
{
    static_assert(sizeof(Handler) == sizeof(AFX_PMSG), "a handler must be a member of CWnd or a derived class");
    AFX_MSGMAP_ENTRY entry{nMessage, nID, nSig, nullptr};
    std::memcpy(&entry.pfn, &pfn, sizeof(pfn));
    return entry;
}

template <typename Handler>
Handler AfxHandlerOf(const AFX_MSGMAP_ENTRY& entry)
{
    static_assert(sizeof(Handler) == sizeof(AFX_PMSG), "a handler must be a member of CWnd or a derived class");
    Handler pfn;
    std::memcpy(&pfn, &entry.pfn, sizeof(pfn));
    return pfn;
}

// The static_cast checks the handler's signature against the row's.
#define AFX_MSG_ROW_(msg, id, sig, type, fn) \
    AfxMessageRow(msg, id, sig, static_cast<type>(&ThisClass::fn)),

#define ON_WM_PAINT()         AFX_MSG_ROW_(WM_PAINT, 0, AfxSig_vv, void (CWnd::*)(), OnPaint)
#define ON_WM_CLOSE()         AFX_MSG_ROW_(WM_CLOSE, 0, AfxSig_vv, void (CWnd::*)(), OnClose)
#define ON_WM_QUERYDRAGICON() AFX_MSG_ROW_(WM_QUERYDRAGICON, 0, AfxSig_hv, HCURSOR (CWnd::*)(), OnQueryDragIcon)
#define ON_WM_INITMENU()      AFX_MSG_ROW_(WM_INITMENU, 0, AfxSig_vMenu, void (CWnd::*)(CMenu*), OnInitMenu)
#define ON_WM_ENABLE()        AFX_MSG_ROW_(WM_ENABLE, 0, AfxSig_vb, void (CWnd::*)(BOOL), OnEnable)
#define ON_WM_LBUTTONDOWN()   AFX_MSG_ROW_(WM_LBUTTONDOWN, 0, AfxSig_vwp, void (CWnd::*)(UINT, CPoint), OnLButtonDown)
#define ON_WM_LBUTTONUP()     AFX_MSG_ROW_(WM_LBUTTONUP, 0, AfxSig_vwp, void (CWnd::*)(UINT, CPoint), OnLButtonUp)
#define ON_WM_MOUSEMOVE()     AFX_MSG_ROW_(WM_MOUSEMOVE, 0, AfxSig_vwp, void (CWnd::*)(UINT, CPoint), OnMouseMove)
#define ON_WM_SETFOCUS()      AFX_MSG_ROW_(WM_SETFOCUS, 0, AfxSig_vW, void (CWnd::*)(CWnd*), OnSetFocus)
#define ON_WM_KILLFOCUS()     AFX_MSG_ROW_(WM_KILLFOCUS, 0, AfxSig_vW, void (CWnd::*)(CWnd*), OnKillFocus)
#define ON_WM_CHAR()          AFX_MSG_ROW_(WM_CHAR, 0, AfxSig_vwww, void (CWnd::*)(UINT, UINT, UINT), OnChar)
#define ON_WM_ACTIVATE()      AFX_MSG_ROW_(WM_ACTIVATE, 0, AfxSig_vwWb, void (CWnd::*)(UINT, CWnd*, BOOL), OnActivate)
#define ON_MESSAGE(msg, memberFn) \
    AFX_MSG_ROW_(msg, 0, AfxSig_lwl, LRESULT (CWnd::*)(WPARAM, LPARAM), memberFn)
#define ON_COMMAND(id, memberFn)  AFX_MSG_ROW_(WM_COMMAND, id, AfxSig_cmd, void (CWnd::*)(), memberFn)

// ---- CWnd ----------------------------------------------------------------------------------------

class CWnd : public CObject
{
    DECLARE_DYNAMIC(CWnd)

public:
    CWnd() = default;
    ~CWnd() override;  // destroys a window still attached to this object
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    HWND m_hWnd = nullptr;

    // The object attached to hWnd, or else a temporary plain CWnd (null for null). Temporary objects
    // live until the thread's message loop goes idle outside any window procedure.
    static CWnd* FromHandle(HWND hWnd);
    // The object attached to hWnd, or null.
    static CWnd* FromHandlePermanent(HWND hWnd);

    // CreateWindowExA(0, ...); the object is attached before the window's first message, and the
    // class's own procedure stays what it was registered with (that is what Default() calls).
    BOOL Create(LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                CWnd* pParentWnd, UINT nID, void* pContext = nullptr);
    BOOL CreateEx(DWORD dwExStyle, LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle,
                  const RECT& rect, CWnd* pParentWnd, UINT nID, void* pContext = nullptr);

    // Attaching an existing window: SubclassWindow routes its messages through this object (the
    // previous procedure becomes the default processing); Attach only maps the handle.
    BOOL SubclassWindow(HWND hWnd);
    BOOL SubclassDlgItem(UINT nID, CWnd* pParent);
    HWND UnsubclassWindow();
    BOOL Attach(HWND hWnd);
    HWND Detach();

    HWND GetSafeHwnd() const { return m_hWnd; }
    operator HWND() const { return m_hWnd; }
    BOOL DestroyWindow();

    // Forwarders to the Win32 calls of the same meaning.
    BOOL EnableWindow(BOOL bEnable = TRUE);
    BOOL IsWindowEnabled() const;
    BOOL IsWindowVisible() const;
    CWnd* SetFocus();
    static CWnd* GetFocus();
    static CWnd* GetActiveWindow();
    static CWnd* GetCapture();
    CWnd* SetCapture();
    CWnd* GetParent() const;
    CWnd* GetParentOwner() const;  // climbs through GetParent while the window is a child
    CWnd* GetTopLevelParent() const;
    void GetClientRect(LPRECT lpRect) const;
    void GetWindowRect(LPRECT lpRect) const;
    void ClientToScreen(LPPOINT lpPoint) const;
    void ScreenToClient(LPPOINT lpPoint) const;
    void InvalidateRect(const RECT* lpRect, BOOL bErase = TRUE);
    void Invalidate(BOOL bErase = TRUE);
    void UpdateWindow();
    BOOL SetWindowPos(const CWnd* pWndInsertAfter, int x, int y, int cx, int cy, UINT nFlags);
    void MoveWindow(int x, int y, int nWidth, int nHeight, BOOL bRepaint = TRUE);
    // Centred over pAlternateOwner, else the owner (the parent's client area for a child); with
    // neither (or a hidden or minimized one) in the work area, and kept inside it.
    void CenterWindow(CWnd* pAlternateOwner = nullptr);
    // The window rectangle for the client rectangle in lpClientRect: AdjustWindowRectEx with the
    // window's style, no menu, and (adjust type 0) the extended style without WS_EX_CLIENTEDGE.
    void CalcWindowRect(LPRECT lpClientRect, UINT nAdjustType = 0);
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
    BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
    int MessageBox(LPCSTR lpszText, LPCSTR lpszCaption = nullptr, UINT nType = MB_OK);
    BOOL IsIconic() const;
    BOOL ShowWindow(int nCmdShow);
    int GetDlgCtrlID() const;
    CWnd* GetDlgItem(int nID) const;
    CWnd* GetNextDlgTabItem(CWnd* pWndCtl, BOOL bPrevious = FALSE) const;
    DWORD GetStyle() const;
    DWORD GetExStyle() const;
    HICON SetIcon(HICON hIcon, BOOL bBigIcon);
    void SetWindowText(LPCSTR lpszString);
    int GetWindowText(LPSTR lpszStringBuf, int nMaxCount) const;
    void GetWindowText(CString& rString) const;
    CMenu* GetSystemMenu(BOOL bRevert) const;
    CMenu* GetMenu() const;
    UINT_PTR SetTimer(UINT_PTR nIDEvent, UINT nElapse);
    BOOL KillTimer(UINT_PTR nIDEvent);

    // The window's default processing of the message being handled.
    LRESULT Default();

    virtual BOOL PreTranslateMessage(MSG* pMsg);                      // FALSE
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);  // table, else DefWindowProc
    virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);  // the original procedure
    // After the window's last message (WM_NCDESTROY), when the object is no longer attached.
    virtual void PostNcDestroy();

    // Message handlers; these versions give the message its default processing.
    virtual void OnPaint();
    virtual void OnClose();
    virtual HCURSOR OnQueryDragIcon();
    virtual void OnInitMenu(CMenu* pMenu);
    virtual void OnEnable(BOOL bEnable);
    virtual void OnLButtonDown(UINT nFlags, CPoint point);
    virtual void OnLButtonUp(UINT nFlags, CPoint point);
    virtual void OnMouseMove(UINT nFlags, CPoint point);
    virtual void OnSetFocus(CWnd* pOldWnd);
    virtual void OnKillFocus(CWnd* pNewWnd);
    virtual void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    virtual void OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized);

    static const AFX_MSGMAP* GetThisMessageMap();
    virtual const AFX_MSGMAP* GetMessageMap() const;

    // The procedure that every attached window has; routes to the object's WindowProc.
    static LRESULT CALLBACK AfxWndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);

    // Drops the thread's temporary objects (CWnd and CMenu) unless a window procedure is running.
    static void DeleteTempMaps();

protected:
    // Finds the row for the message in the table chain and calls it; FALSE when there is none.
    BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    LRESULT CallHandler(const AFX_MSGMAP_ENTRY& entry, WPARAM wParam, LPARAM lParam);

    // Attaches and subclasses a window that is being created (before its first message).
    friend class CreationHook;
    void AttachToNewWindow(HWND hWnd);

    WNDPROC m_pfnSuper = nullptr;  // the window's procedure before it was attached
};
