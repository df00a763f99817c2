// CWnd: attaching, routing through chained message tables, default processing, FromHandle.
#include "framework/menu.h"
#include "framework/thread_state.h"
#include "framework/win_app.h"
#include "framework/wnd.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const char kRecordingClass[] = "FrameworkTest:Recording";
const char kPlainClass[] = "FrameworkTest:Plain";
const UINT WM_APP_BOTH_ROWS = WM_APP + 1;   // a row in the base and in the derived table
const UINT WM_APP_UNHANDLED = WM_APP + 2;   // no row anywhere
const UINT WM_APP_TEMPORARY = WM_APP + 3;   // handler asks for a temporary object

// Every message that reaches the window class's own procedure.
std::vector<UINT> g_classProcMessages;

LRESULT CALLBACK RecordingClassProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    g_classProcMessages.push_back(message);
    if (message == WM_APP_UNHANDLED)
        return 0x5150;
    return ::DefWindowProcA(hWnd, message, wParam, lParam);
}

void RegisterTestClasses()
{
    WNDCLASSA recording{};
    recording.lpfnWndProc = &RecordingClassProc;
    recording.hInstance = ::GetModuleHandleA(nullptr);
    recording.lpszClassName = kRecordingClass;
    ::RegisterClassA(&recording);
    WNDCLASSA plain{};
    plain.lpfnWndProc = &::DefWindowProcA;
    plain.hInstance = ::GetModuleHandleA(nullptr);
    plain.lpszClassName = kPlainClass;
    ::RegisterClassA(&plain);
}

bool ClassProcSaw(UINT message)
{
    for (UINT seen : g_classProcMessages) {
        if (seen == message)
            return true;
    }
    return false;
}

class CBaseProbe : public CWnd
{
    DECLARE_DYNAMIC(CBaseProbe)

public:
    std::vector<std::string> m_events;
    std::vector<UINT> m_windowProcMessages;
    bool m_bAttachedAtNcCreate = false;
    bool m_bPostNcDestroyCalled = false;

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        m_windowProcMessages.push_back(message);
        if (message == WM_NCCREATE)
            m_bAttachedAtNcCreate = FromHandlePermanent(m_hWnd) == this;
        return CWnd::WindowProc(message, wParam, lParam);
    }
    void PostNcDestroy() override { m_bPostNcDestroyCalled = true; }

    void OnChar(UINT nChar, UINT nRepCnt, UINT) override
    {
        m_events.push_back("base-char " + std::string(1, static_cast<char>(nChar)) + " x" + std::to_string(nRepCnt));
    }
    void OnEnable(BOOL bEnable) override
    {
        m_events.push_back(bEnable ? "base-enable on" : "base-enable off");
        Default();
    }
    LRESULT OnBothRowsInBase(WPARAM, LPARAM) { return 11; }
    void OnInitMenu(CMenu* pMenu) override
    {
        m_events.push_back(pMenu != nullptr && pMenu->m_hMenu == m_hExpectedMenu ? "menu ok" : "menu wrong");
    }
    HMENU m_hExpectedMenu = nullptr;

    DECLARE_MESSAGE_MAP()
};
IMPLEMENT_DYNAMIC(CBaseProbe, CWnd)
BEGIN_MESSAGE_MAP(CBaseProbe, CWnd)
    ON_WM_CHAR()
    ON_WM_ENABLE()
    ON_WM_INITMENU()
    ON_MESSAGE(WM_APP_BOTH_ROWS, OnBothRowsInBase)
END_MESSAGE_MAP()

class CDerivedProbe : public CBaseProbe
{
    DECLARE_DYNCREATE(CDerivedProbe)

public:
    LRESULT OnBothRowsInDerived(WPARAM, LPARAM) { return 22; }
    void OnLButtonDown(UINT nFlags, CPoint point) override
    {
        m_events.push_back("derived-lbuttondown " + std::to_string(nFlags) + " " + std::to_string(point.x) + "," +
                           std::to_string(point.y));
    }
    LRESULT OnTemporary(WPARAM wParam, LPARAM)
    {
        CWnd* pForeign = FromHandle(reinterpret_cast<HWND>(wParam));
        CWnd::DeleteTempMaps();  // inside a window procedure: must keep the object alive
        return pForeign != nullptr && pForeign->m_hWnd == reinterpret_cast<HWND>(wParam) ? 1 : 0;
    }

    DECLARE_MESSAGE_MAP()
};
IMPLEMENT_DYNCREATE(CDerivedProbe, CBaseProbe)
BEGIN_MESSAGE_MAP(CDerivedProbe, CBaseProbe)
    ON_MESSAGE(WM_APP_BOTH_ROWS, OnBothRowsInDerived)
    ON_WM_LBUTTONDOWN()
    ON_MESSAGE(WM_APP_TEMPORARY, OnTemporary)
END_MESSAGE_MAP()

class FrameworkWnd : public ::testing::Test
{
protected:
    static void SetUpTestSuite() { RegisterTestClasses(); }
    void SetUp() override { g_classProcMessages.clear(); }

    static BOOL CreateProbe(CWnd& wnd, const char* pszClass, const char* pszTitle = "probe")
    {
        return wnd.Create(pszClass, pszTitle, WS_OVERLAPPEDWINDOW, CRect(10, 10, 210, 110), nullptr, 0);
    }
};

}  // namespace

TEST_F(FrameworkWnd, ObjectIsAttachedBeforeTheFirstMessage)
{
    CDerivedProbe probe;
    ASSERT_TRUE(CreateProbe(probe, kRecordingClass, "created title"));
    ASSERT_NE(probe.m_hWnd, nullptr);
    ASSERT_FALSE(probe.m_windowProcMessages.empty());
    EXPECT_EQ(probe.m_windowProcMessages, std::vector<UINT>(g_classProcMessages.begin(),
                                                            g_classProcMessages.begin() +
                                                                static_cast<long>(probe.m_windowProcMessages.size())))
        << "the object missed messages that the class procedure saw";
    EXPECT_TRUE(probe.m_bAttachedAtNcCreate) << "WM_NCCREATE arrived before the object was attached";
    bool bSawCreate = false;
    for (UINT message : probe.m_windowProcMessages)
        bSawCreate = bSawCreate || message == WM_CREATE;
    EXPECT_TRUE(bSawCreate) << "WM_CREATE did not reach the object";
    char title[64] = {};
    ::GetWindowTextA(probe.m_hWnd, title, sizeof(title));
    EXPECT_STREQ(title, "created title") << "WM_NCCREATE did not get its default processing";
    EXPECT_EQ(CWnd::FromHandlePermanent(probe.m_hWnd), &probe);
    EXPECT_EQ(CWnd::FromHandle(probe.m_hWnd), &probe);
}

TEST_F(FrameworkWnd, RoutingThroughChainedTables)
{
    CDerivedProbe derived;
    CBaseProbe base;
    ASSERT_TRUE(CreateProbe(derived, kRecordingClass));
    ASSERT_TRUE(CreateProbe(base, kRecordingClass));

    EXPECT_EQ(derived.SendMessage(WM_APP_BOTH_ROWS), 22) << "the derived row must win over the base row";
    EXPECT_EQ(base.SendMessage(WM_APP_BOTH_ROWS), 11);

    derived.SendMessage(WM_CHAR, 'k', MAKELPARAM(3, 0));
    derived.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, -2));
    base.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 7));
    const std::vector<std::string> expectedDerived = {"base-char k x3", "derived-lbuttondown 1 5,-2"};
    EXPECT_EQ(derived.m_events, expectedDerived) << "a base row must serve the derived class";
    EXPECT_TRUE(base.m_events.empty()) << "the base table has no WM_LBUTTONDOWN row";
}

TEST_F(FrameworkWnd, UnhandledMessagesAndDefaultReachTheClassProcedure)
{
    CDerivedProbe probe;
    ASSERT_TRUE(CreateProbe(probe, kRecordingClass));
    g_classProcMessages.clear();

    EXPECT_EQ(probe.SendMessage(WM_APP_UNHANDLED), 0x5150) << "an unhandled message lost the class procedure's result";
    EXPECT_TRUE(ClassProcSaw(WM_APP_UNHANDLED));

    probe.SendMessage(WM_APP_BOTH_ROWS);
    probe.SendMessage(WM_CHAR, 'a', 1);
    EXPECT_FALSE(ClassProcSaw(WM_APP_BOTH_ROWS)) << "a handled message also got default processing";
    EXPECT_FALSE(ClassProcSaw(WM_CHAR)) << "a handled message also got default processing";

    probe.EnableWindow(FALSE);
    EXPECT_TRUE(ClassProcSaw(WM_ENABLE)) << "Default() in a handler did not reach the class procedure";
    EXPECT_EQ(probe.m_events.back(), "base-enable off");
}

TEST_F(FrameworkWnd, ClassRegisteredWithDefWindowProcKeepsIt)
{
    CDerivedProbe probe;
    ASSERT_TRUE(CreateProbe(probe, kPlainClass));
    const LONG_PTR classProc = ::GetClassLongPtrA(probe.m_hWnd, GCLP_WNDPROC);
    WNDCLASSA registered{};
    ASSERT_TRUE(::GetClassInfoA(::GetModuleHandleA(nullptr), kPlainClass, &registered));
    EXPECT_EQ(classProc, reinterpret_cast<LONG_PTR>(registered.lpfnWndProc)) << "the class procedure was replaced";
    EXPECT_EQ(::GetWindowLongPtrA(probe.m_hWnd, GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(&CWnd::AfxWndProc))
        << "the window is not routed through the object";

    probe.SendMessage(WM_SETTEXT, 0, reinterpret_cast<LPARAM>("set by default"));
    char text[64] = {};
    probe.SendMessage(WM_GETTEXT, sizeof(text), reinterpret_cast<LPARAM>(text));
    EXPECT_STREQ(text, "set by default") << "DefWindowProcA did not process the unhandled messages";
}

TEST_F(FrameworkWnd, DestroyingDetachesAndTheDestructorDestroysAnAttachedWindow)
{
    CDerivedProbe probe;
    ASSERT_TRUE(CreateProbe(probe, kPlainClass));
    HWND hWnd = probe.m_hWnd;
    ASSERT_TRUE(probe.DestroyWindow());
    EXPECT_EQ(probe.m_hWnd, nullptr);
    EXPECT_TRUE(probe.m_bPostNcDestroyCalled);
    EXPECT_EQ(CWnd::FromHandlePermanent(hWnd), nullptr);
    EXPECT_FALSE(::IsWindow(hWnd));

    HWND hOther = nullptr;
    {
        CDerivedProbe scoped;
        ASSERT_TRUE(CreateProbe(scoped, kPlainClass));
        hOther = scoped.m_hWnd;
    }
    EXPECT_FALSE(::IsWindow(hOther)) << "the object's destructor left its window behind";
    EXPECT_EQ(CWnd::FromHandlePermanent(hOther), nullptr);
}

TEST_F(FrameworkWnd, FromHandleGivesTemporaryObjectsForForeignWindows)
{
    HWND hForeign = ::CreateWindowExA(0, "STATIC", "foreign", WS_POPUP, 0, 0, 20, 20, nullptr, nullptr,
                                      ::GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(hForeign, nullptr);
    EXPECT_EQ(CWnd::FromHandle(nullptr), nullptr);
    EXPECT_EQ(CWnd::FromHandlePermanent(hForeign), nullptr);

    CWnd* pForeign = CWnd::FromHandle(hForeign);
    ASSERT_NE(pForeign, nullptr);
    EXPECT_EQ(pForeign->m_hWnd, hForeign);
    EXPECT_EQ(pForeign->GetRuntimeClass(), RUNTIME_CLASS(CWnd)) << "a foreign window must yield a plain CWnd";
    EXPECT_EQ(CWnd::FromHandle(hForeign), pForeign) << "one temporary object per window";
    EXPECT_EQ(::GetWindowLongPtrA(hForeign, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(&CWnd::AfxWndProc), false)
        << "a foreign window was subclassed";

    CDerivedProbe probe;
    ASSERT_TRUE(CreateProbe(probe, kPlainClass));
    EXPECT_EQ(probe.SendMessage(WM_APP_TEMPORARY, reinterpret_cast<WPARAM>(hForeign)), 1)
        << "temporary objects were deleted while a window procedure still used them";

    CWnd::DeleteTempMaps();
    EXPECT_TRUE(AfxThreadState().temporaryWindows.empty()) << "temporary objects survived the idle point";
    EXPECT_TRUE(::IsWindow(hForeign)) << "dropping a temporary object destroyed its window";
    ::DestroyWindow(hForeign);
}

TEST_F(FrameworkWnd, InitMenuHandlerGetsTheMenu)
{
    CBaseProbe probe;
    ASSERT_TRUE(CreateProbe(probe, kPlainClass));
    CMenu* pSystemMenu = probe.GetSystemMenu(FALSE);
    ASSERT_NE(pSystemMenu, nullptr);
    probe.m_hExpectedMenu = pSystemMenu->m_hMenu;
    probe.SendMessage(WM_INITMENU, reinterpret_cast<WPARAM>(pSystemMenu->m_hMenu));
    ASSERT_FALSE(probe.m_events.empty());
    EXPECT_EQ(probe.m_events.back(), "menu ok");
}

TEST_F(FrameworkWnd, ChildWindowsGetTheirIdAndParentOwner)
{
    CBaseProbe parent;
    ASSERT_TRUE(CreateProbe(parent, kPlainClass));
    CBaseProbe child;
    ASSERT_TRUE(child.Create(kPlainClass, "child", WS_CHILD | WS_VISIBLE, CRect(5, 6, 25, 36), &parent, 1234));
    CBaseProbe grandChild;
    ASSERT_TRUE(grandChild.Create(kPlainClass, "", WS_CHILD, CRect(0, 0, 4, 4), &child, 77));
    EXPECT_EQ(child.GetDlgCtrlID(), 1234);
    EXPECT_EQ(parent.GetDlgItem(1234), &child);
    EXPECT_EQ(child.GetParent(), &parent);
    EXPECT_EQ(grandChild.GetParentOwner(), &parent);
    EXPECT_EQ(parent.GetParentOwner(), &parent);
    CRect client;
    child.GetClientRect(&client);
    EXPECT_EQ(client.Width(), 20);
    EXPECT_EQ(client.Height(), 30);
}

TEST_F(FrameworkWnd, CalcWindowRectGivesTheWantedClientAreaAndCenterWindowUsesTheWorkArea)
{
    CBaseProbe probe;
    ASSERT_TRUE(probe.CreateEx(WS_EX_CLIENTEDGE, kPlainClass, "sized", WS_POPUP | WS_CAPTION | WS_SYSMENU,
                               CRect(0, 0, 50, 50), nullptr, 0));
    CRect wanted(0, 0, 640, 480);
    probe.CalcWindowRect(&wanted, 0);
    CRect expected(0, 0, 640, 480);
    ::AdjustWindowRectEx(&expected, probe.GetStyle(), FALSE, probe.GetExStyle() & ~WS_EX_CLIENTEDGE);
    EXPECT_EQ(wanted, expected);

    probe.SetWindowPos(nullptr, 0, 0, wanted.Width(), wanted.Height(), SWP_NOMOVE | SWP_NOZORDER);
    probe.CenterWindow();
    RECT work{};
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    CRect window;
    probe.GetWindowRect(&window);
    EXPECT_EQ(window.left, (work.left + work.right) / 2 - window.Width() / 2);
    EXPECT_EQ(window.top, (work.top + work.bottom) / 2 - window.Height() / 2);

    // Larger than the work area: kept inside it, at its top left.
    probe.SetWindowPos(nullptr, 0, 0, (work.right - work.left) + 100, 100, SWP_NOMOVE | SWP_NOZORDER);
    probe.CenterWindow();
    probe.GetWindowRect(&window);
    EXPECT_EQ(window.left, work.left);
}

TEST_F(FrameworkWnd, AfxRegisterClassRegistersOnceAndReportsFailure)
{
    WNDCLASSA wndClass{};
    wndClass.lpfnWndProc = &::DefWindowProcA;
    wndClass.hInstance = AfxGetInstanceHandle();
    wndClass.lpszClassName = "FrameworkTest:RegisteredOnce";
    EXPECT_TRUE(AfxRegisterClass(&wndClass));
    EXPECT_TRUE(AfxRegisterClass(&wndClass)) << "a class that is already registered must answer TRUE";
    WNDCLASSA invalid{};
    invalid.hInstance = AfxGetInstanceHandle();
    EXPECT_FALSE(AfxRegisterClass(&invalid)) << "a class without name or procedure was registered";
    EXPECT_TRUE(::UnregisterClassA("FrameworkTest:RegisteredOnce", AfxGetInstanceHandle()));
}
