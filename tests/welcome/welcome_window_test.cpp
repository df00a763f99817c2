// The welcome window in this process: a CWelcomeDlg run modally from the test, with test steps
// running inside its modal loop.
#include "expected_layout.h"
#include "input_support.h"
#include "probed_welcome_dlg.h"
#include "welcome_test_support.h"

#include "framework/win_app.h"
#include "welcome/controls/welcome_ctrl.h"
#include "welcome/ctrl_defs.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

namespace
{

std::string ClassNameOf(HWND hWnd)
{
    char name[256] = "";
    GetClassNameA(hWnd, name, sizeof(name));
    return name;
}

CRect ClientRectOf(HWND hWnd)
{
    CRect rect;
    ::GetClientRect(hWnd, &rect);
    return rect;
}

// Where the child lies in its parent's client area.
CRect RectInParent(HWND hChild)
{
    CRect rect;
    ::GetWindowRect(hChild, &rect);
    MapWindowPoints(nullptr, GetParent(hChild), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

CRect WorkArea()
{
    CRect work;
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    return work;
}

// The window's top-left corner when it is centred in the work area.
POINT CentredOrigin(const RECT& window)
{
    const CRect work = WorkArea();
    const CRect rect(window);
    return {work.left + (work.Width() - rect.Width()) / 2, work.top + (work.Height() - rect.Height()) / 2};
}

void ExpectCentred(const RECT& window)
{
    const POINT expected = CentredOrigin(window);
    // Rounding the half of an odd difference either way is centred too.
    EXPECT_NEAR(window.left, expected.x, 1) << "not centred horizontally in the work area";
    EXPECT_NEAR(window.top, expected.y, 1) << "not centred vertically in the work area";
}

class WelcomeWindow : public ::testing::Test
{
protected:
    // The pointer off the window: hovering over a button would move the focus.
    void SetUp() override { SetCursorPos(0, 0); }
    void TearDown() override
    {
        int nExitCode = 0;
        TakeQuitRequest(&nExitCode);
    }
};

// ---- Window, template and resources -------------------------------------------------------------

TEST_F(WelcomeWindow, ClientAreaIsExactlyTheBackgroundAndTheWindowIsCentred)
{
    CProbedWelcomeDlg dlg;
    dlg.AddStep([](CProbedWelcomeDlg& d) {
        EXPECT_EQ(d.BackgroundWidth(), kClientWidth);
        EXPECT_EQ(d.BackgroundHeight(), kClientHeight);
        const CRect client = ClientRectOf(d.m_hWnd);
        EXPECT_EQ(client.Width(), kClientWidth) << "the template's 427 dialog units were kept";
        EXPECT_EQ(client.Height(), kClientHeight) << "the template's 295 dialog units were kept";
        CRect window;
        d.GetWindowRect(&window);
        ExpectCentred(window);
        EXPECT_TRUE(d.IsWindowVisible());
        d.PostMessage(WM_CLOSE);
    });
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(dlg.m_bInitResult, FALSE) << "the window sets the focus itself";
    EXPECT_FALSE(dlg.m_bVisibleAfterInit) << "the window was shown before its final size and position";
}

TEST_F(WelcomeWindow, HasItsCaptionStylesAndBothIcons)
{
    CProbedWelcomeDlg dlg;
    dlg.AddStep([](CProbedWelcomeDlg& d) {
        char caption[64] = "";
        d.GetWindowText(caption, sizeof(caption));
        EXPECT_STREQ(caption, kCaption);

        const DWORD style = d.GetStyle();
        EXPECT_EQ(style & (WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN | WS_POPUP),
                  DWORD(WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN | WS_POPUP));
        EXPECT_EQ(style & (WS_MAXIMIZEBOX | WS_THICKFRAME), 0u) << "the window can be sized or maximized";
        EXPECT_TRUE(d.GetExStyle() & WS_EX_APPWINDOW) << "no task-bar button";
        EXPECT_EQ(::GetWindow(d.m_hWnd, GW_OWNER), nullptr) << "the window has an owner";

        ASSERT_NE(d.Icon(), nullptr) << "icon 128 was not loaded";
        EXPECT_EQ(reinterpret_cast<HICON>(d.SendMessage(WM_GETICON, ICON_BIG)), d.Icon());
        EXPECT_EQ(reinterpret_cast<HICON>(d.SendMessage(WM_GETICON, ICON_SMALL)), d.Icon());
        EXPECT_EQ(reinterpret_cast<HICON>(d.SendMessage(WM_QUERYDRAGICON)), d.Icon())
            << "the drag icon of the minimized window is not the program's icon";
        d.PostMessage(WM_CLOSE);
    });
    EXPECT_EQ(dlg.DoModal(), IDOK);
}

// ---- Closing ------------------------------------------------------------------------------------

struct ClosePath
{
    const char* pszName;
    std::function<void(CProbedWelcomeDlg&)> close;
};

void ClickCaptionCloseButton(CProbedWelcomeDlg& d)
{
    CRect window;
    d.GetWindowRect(&window);
    const int frame = GetSystemMetrics(SM_CXFIXEDFRAME);
    const int button = GetSystemMetrics(SM_CXSIZE);
    const int caption = GetSystemMetrics(SM_CYCAPTION);
    ClickAt(window.right - frame - button / 2, window.top + GetSystemMetrics(SM_CYFIXEDFRAME) + caption / 2);
}

// The exit button is the last row.
void ClickExitButton(CProbedWelcomeDlg& d)
{
    const ExpectedCtrl& exitButton = kExpectedCtrls[kExpectedCtrlCount - 1];
    POINT centre{exitButton.x + exitButton.cx / 2, exitButton.y + exitButton.cy / 2};
    d.ClientToScreen(&centre);
    ClickAt(centre.x, centre.y);
}

const ClosePath kClosePaths[] = {
    {"WM_CLOSE posted", [](CProbedWelcomeDlg& d) { d.PostMessage(WM_CLOSE); }},
    {"WM_CLOSE sent", [](CProbedWelcomeDlg& d) { d.SendMessage(WM_CLOSE); }},
    {"system menu Close", [](CProbedWelcomeDlg& d) { d.PostMessage(WM_SYSCOMMAND, SC_CLOSE); }},
    {"Alt+F4 posted to the focused control", [](CProbedWelcomeDlg&) { PostAltF4(::GetFocus()); }},
    {"Alt+F4 keys",
     [](CProbedWelcomeDlg& d) {
         SetForegroundWindow(d.m_hWnd);
         SendAltF4();
     }},
    {"caption close button clicked",
     [](CProbedWelcomeDlg& d) {
         SetForegroundWindow(d.m_hWnd);
         ClickCaptionCloseButton(d);
     }},
    {"exit button clicked", [](CProbedWelcomeDlg& d) {
         SetForegroundWindow(d.m_hWnd);
         ClickExitButton(d);
     }},
};

TEST_F(WelcomeWindow, EveryClosePathEndsTheModalLoopWithIdOk)
{
    for (const ClosePath& path : kClosePaths)
    {
        SCOPED_TRACE(path.pszName);
        SetCursorPos(0, 0);
        CProbedWelcomeDlg dlg;
        dlg.AddStep(path.close);
        EXPECT_EQ(dlg.DoModal(), IDOK) << path.pszName << " did not close the window with IDOK";
        EXPECT_EQ(dlg.m_hWnd, nullptr);
    }
}

TEST_F(WelcomeWindow, EscapeLeavesTheWindowOpen)
{
    CProbedWelcomeDlg dlg;
    dlg.AddStep([](CProbedWelcomeDlg&) {
        HWND hFocus = ::GetFocus();
        PostMessageA(hFocus, WM_KEYDOWN, VK_ESCAPE, 1 | (LPARAM(MapVirtualKeyA(VK_ESCAPE, 0)) << 16));
        PostMessageA(hFocus, WM_KEYUP, VK_ESCAPE, 1 | (LPARAM(MapVirtualKeyA(VK_ESCAPE, 0)) << 16) | (LPARAM(3) << 30));
    });
    dlg.AddStep([](CProbedWelcomeDlg& d) {
        EXPECT_TRUE(d.IsWindowVisible()) << "Escape hid the window";
        d.PostMessage(WM_CLOSE);
    });
    EXPECT_EQ(dlg.DoModal(), IDOK) << "Escape ended the window";
    EXPECT_EQ(dlg.m_nStepsRun, 2u) << "the window ended before the step after Escape";
}

TEST_F(WelcomeWindow, EscapeKeyThenAltF4KeysEndsWithIdOkNotCancel)
{
    CProbedWelcomeDlg dlg;
    dlg.AddStep([](CProbedWelcomeDlg& d) {
        SetForegroundWindow(d.m_hWnd);
        SendKeys({{VK_ESCAPE, false}, {VK_ESCAPE, true}});
        SendAltF4();
    });
    EXPECT_EQ(dlg.DoModal(), IDOK) << "IDCANCEL here means Escape ended the window";
}

// ---- System menu --------------------------------------------------------------------------------

constexpr UINT kGrayed = MF_GRAYED | MF_DISABLED;

struct MenuItemExpectation
{
    UINT nCommand;
    const char* pszName;
    UINT nWhenNormal;
    UINT nWhenMinimized;
};

const MenuItemExpectation kSysMenuItems[] = {
    {SC_RESTORE, "Restore", kGrayed, MF_ENABLED},
    {SC_MINIMIZE, "Minimize", MF_ENABLED, kGrayed},
    {SC_SIZE, "Size", kGrayed, kGrayed},
    {SC_MAXIMIZE, "Maximize", kGrayed, kGrayed},
};

UINT GrayState(HMENU hMenu, UINT nCommand)
{
    return GetMenuState(hMenu, nCommand, MF_BYCOMMAND) & kGrayed;
}

void ExpectSysMenuStates(CProbedWelcomeDlg& d, bool bMinimized)
{
    HMENU hMenu = ::GetSystemMenu(d.m_hWnd, FALSE);
    ASSERT_NE(hMenu, nullptr);
    const UINT nMoveBefore = GrayState(hMenu, SC_MOVE);
    const UINT nCloseBefore = GrayState(hMenu, SC_CLOSE);
    d.SendMessage(WM_INITMENU, reinterpret_cast<WPARAM>(hMenu));
    for (const MenuItemExpectation& item : kSysMenuItems)
        EXPECT_EQ(GrayState(hMenu, item.nCommand), bMinimized ? item.nWhenMinimized : item.nWhenNormal)
            << item.pszName << (bMinimized ? " of the minimized window" : " of the normal window");
    EXPECT_EQ(GrayState(hMenu, SC_MOVE), nMoveBefore) << "Move was changed";
    EXPECT_EQ(GrayState(hMenu, SC_CLOSE), nCloseBefore) << "Close was changed";
    EXPECT_EQ(GrayState(hMenu, SC_CLOSE), 0u) << "Close is not available";
}

TEST_F(WelcomeWindow, SystemMenuItemStatesNormalAndMinimized)
{
    CProbedWelcomeDlg dlg;
    dlg.AddStep([](CProbedWelcomeDlg& d) {
        ASSERT_FALSE(d.IsIconic());
        ExpectSysMenuStates(d, false);
        d.PostMessage(WM_SYSCOMMAND, SC_MINIMIZE);
    });
    dlg.AddStep([](CProbedWelcomeDlg& d) {
        ASSERT_TRUE(PumpUntil([&] { return d.IsIconic() != FALSE; })) << "the window did not minimize";
        ExpectSysMenuStates(d, true);
        // Painting while minimized draws the icon, never the background; it must not fail.
        d.InvalidateRect(nullptr, TRUE);
        d.UpdateWindow();
        d.PostMessage(WM_SYSCOMMAND, SC_RESTORE);
    });
    dlg.AddStep([](CProbedWelcomeDlg& d) {
        ASSERT_TRUE(PumpUntil([&] { return d.IsIconic() == FALSE; })) << "the window did not restore";
        ExpectSysMenuStates(d, false);
        EXPECT_EQ(ClientRectOf(d.m_hWnd).Width(), kClientWidth) << "restoring changed the size";
        d.PostMessage(WM_CLOSE);
    });
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(dlg.m_nStepsRun, 3u);
}

TEST_F(WelcomeWindow, SystemMenuHandlerIgnoresANullMenu)
{
    CProbedWelcomeDlg dlg;
    dlg.AddStep([](CProbedWelcomeDlg& d) {
        d.SendMessage(WM_INITMENU, 0);
        d.PostMessage(WM_CLOSE);
    });
    EXPECT_EQ(dlg.DoModal(), IDOK);
}

// ---- Controls -----------------------------------------------------------------------------------

TEST_F(WelcomeWindow, ControlsStandAtTheirPositionsInRowOrderOfOneClass)
{
    CProbedWelcomeDlg dlg;
    dlg.AddStep([](CProbedWelcomeDlg& d) {
        HWND hChild = ::GetWindow(d.m_hWnd, GW_CHILD);
        ATOM classAtom = 0;
        for (const ExpectedCtrl& ctrl : kExpectedCtrls)
        {
            SCOPED_TRACE(ctrl.pszWhat);
            ASSERT_NE(hChild, nullptr) << "fewer child windows than rows";
            EXPECT_EQ(GetDlgCtrlID(hChild), int(ctrl.nID)) << "child windows are not in row order";
            EXPECT_EQ(RectInParent(hChild), CRect(ctrl.x, ctrl.y, ctrl.x + ctrl.cx, ctrl.y + ctrl.cy));
            EXPECT_EQ(ClassNameOf(hChild), kCtrlClassName);
            EXPECT_TRUE(IsWindowEnabled(hChild));
            EXPECT_TRUE(IsWindowVisible(hChild));
            const ATOM atom = static_cast<ATOM>(GetClassLongPtrA(hChild, GCW_ATOM));
            if (classAtom == 0)
                classAtom = atom;
            EXPECT_EQ(atom, classAtom) << "controls of different classes";
            auto* pCtrl = dynamic_cast<CWelcomeCtrl*>(CWnd::FromHandlePermanent(hChild));
            EXPECT_NE(pCtrl, nullptr) << "the child window is not attached to a control object";
            hChild = ::GetWindow(hChild, GW_HWNDNEXT);
        }
        EXPECT_EQ(hChild, nullptr) << "more child windows than rows";
        d.PostMessage(WM_CLOSE);
    });
    EXPECT_EQ(dlg.DoModal(), IDOK);
}

// Every control lies inside the client area and no two overlap, so every row can be seen.
TEST(WelcomeLayout, TableMatchesTheExpectedRowsInsideTheClientArea)
{
    ASSERT_EQ(kCtrlDefCount, kExpectedCtrlCount);
    for (size_t row = 0; row < kCtrlDefCount; ++row)
    {
        const CTRLDEF& def = g_aCtrlDefs[row];
        const ExpectedCtrl& expected = kExpectedCtrls[row];
        SCOPED_TRACE(expected.pszWhat);
        EXPECT_EQ(def.nID, expected.nID);
        EXPECT_EQ(def.x, expected.x);
        EXPECT_EQ(def.y, expected.y);
        EXPECT_TRUE(def.bEnable);
        ASSERT_NE(def.pClass, nullptr);
        EXPECT_TRUE(def.pClass->IsDerivedFrom(RUNTIME_CLASS(CWelcomeCtrl)));
        EXPECT_NE(def.pClass->m_pfnCreateObject, nullptr) << "the row's class cannot be created by class";
        const SIZE image = BitmapResourceSize(expected.nID);
        EXPECT_EQ(image.cx, expected.cx) << "first image width";
        EXPECT_EQ(image.cy, expected.cy) << "first image height";
        const CRect rect(expected.x, expected.y, expected.x + expected.cx, expected.y + expected.cy);
        EXPECT_TRUE(rect.left >= 0 && rect.top >= 0 && rect.right <= kClientWidth && rect.bottom <= kClientHeight);
        for (size_t other = 0; other < row; ++other)
        {
            const ExpectedCtrl& o = kExpectedCtrls[other];
            CRect overlap;
            const CRect otherRect(o.x, o.y, o.x + o.cx, o.y + o.cy);
            EXPECT_FALSE(IntersectRect(&overlap, &rect, &otherRect)) << "overlaps the " << o.pszWhat;
        }
    }
}

// The background shows wherever no control stands; each control shows its first image, or its
// focused image while it is the push button that has the focus.
TEST_F(WelcomeWindow, PaintsTheBackgroundAndEachControlsImage)
{
    CProbedWelcomeDlg dlg;
    dlg.AddStep([](CProbedWelcomeDlg& d) {
        d.UpdateWindow();
        const PixelBlock shown = CaptureWindow(d.m_hWnd, 0, 0, kClientWidth, kClientHeight);
        const PixelBlock background = CaptureBitmapResource(kBackgroundImage, 0, 0, kClientWidth, kClientHeight);
        ASSERT_EQ(shown.pixels.size(), background.pixels.size()) << "no capture of the window";
        size_t nDiffering = 0;
        size_t nCompared = 0;
        for (int y = 0; y < kClientHeight; ++y)
        {
            for (int x = 0; x < kClientWidth; ++x)
            {
                bool bUnderCtrl = false;
                for (const ExpectedCtrl& c : kExpectedCtrls)
                    bUnderCtrl |= x >= c.x && x < c.x + c.cx && y >= c.y && y < c.y + c.cy;
                if (bUnderCtrl)
                    continue;
                ++nCompared;
                nDiffering += shown.At(x, y) != background.At(x, y);
            }
        }
        EXPECT_EQ(nDiffering, 0u) << "of " << nCompared << " background pixels";

        for (const ExpectedCtrl& c : kExpectedCtrls)
        {
            SCOPED_TRACE(c.pszWhat);
            HWND hCtrl = ::GetDlgItem(d.m_hWnd, c.nID);
            ASSERT_NE(hCtrl, nullptr);
            const PixelBlock ctrl = CaptureWindow(hCtrl, 0, 0, c.cx, c.cy);
            const std::string normal = DescribeDifference(ctrl, CaptureBitmapResource(c.nID, 0, 0, c.cx, c.cy));
            if (normal.empty())
                continue;
            if (hCtrl == ::GetFocus())
            {
                const UINT nFocused = c.nID + kFocusedImageOffset;
                EXPECT_EQ(DescribeDifference(ctrl, CaptureBitmapResource(nFocused, 0, 0, c.cx, c.cy)), "")
                    << "the focused control shows neither its first nor its focused image";
                continue;
            }
            ADD_FAILURE() << "the control does not show its first image: " << normal;
        }
        d.PostMessage(WM_CLOSE);
    });
    EXPECT_EQ(dlg.DoModal(), IDOK);
}

// ---- Failed start-up ----------------------------------------------------------------------------

// Counts the dialog-class windows that this thread creates: the welcome window is one, and a
// message box would be another. (The system makes helper windows of its own, so all top-level
// windows are not counted.)
class CDialogCreationCount
{
public:
    CDialogCreationCount()
    {
        s_nCount = 0;
        m_hHook = SetWindowsHookExA(WH_CBT, &CDialogCreationCount::Hook, nullptr, GetCurrentThreadId());
    }
    ~CDialogCreationCount()
    {
        if (m_hHook)
            UnhookWindowsHookEx(m_hHook);
    }
    CDialogCreationCount(const CDialogCreationCount&) = delete;
    CDialogCreationCount& operator=(const CDialogCreationCount&) = delete;
    int Count() const { return s_nCount; }
    bool IsHooked() const { return m_hHook != nullptr; }

private:
    static bool IsDialogClass(LPCSTR lpszClass)
    {
        constexpr ATOM kDialogClassAtom = 0x8002;  // "#32770"
        if (IS_INTRESOURCE(lpszClass))
            return reinterpret_cast<ULONG_PTR>(lpszClass) == kDialogClassAtom;
        return lstrcmpiA(lpszClass, "#32770") == 0;
    }
    static LRESULT CALLBACK Hook(int nCode, WPARAM wParam, LPARAM lParam)
    {
        if (nCode == HCBT_CREATEWND)
        {
            const auto* pCreate = reinterpret_cast<const CBT_CREATEWNDA*>(lParam);
            if (IsDialogClass(pCreate->lpcs->lpszClass))
                ++s_nCount;
        }
        return CallNextHookEx(nullptr, nCode, wParam, lParam);
    }
    static int s_nCount;
    HHOOK m_hHook;
};
int CDialogCreationCount::s_nCount = 0;

class NullRow : public WelcomeWindow, public ::testing::WithParamInterface<size_t>
{
};

TEST_P(NullRow, EndsStartUpWithMinusOneAfterCreatingTheRowsBeforeIt)
{
    const size_t nullRow = GetParam();
    CDialogCreationCount creations;
    ASSERT_TRUE(creations.IsHooked());
    INT_PTR result = 0;
    std::vector<bool> rowHadWindow;
    RECT rcAfterInit{};
    {
        CProbedWelcomeDlg dlg;
        dlg.ReplaceCtrl(nullRow, nullptr);
        result = dlg.DoModal();
        EXPECT_EQ(dlg.m_bInitResult, FALSE);
        EXPECT_TRUE(dlg.m_bQuitPendingAfterInit) << "no quit request after the failed start-up";
        rowHadWindow = dlg.m_rowHadWindowAfterInit;
        rcAfterInit = dlg.m_rcAfterInit;
    }
    EXPECT_EQ(result, -1);
    int nExitCode = 0;
    EXPECT_TRUE(TakeQuitRequest(&nExitCode)) << "the quit request was not put back for the caller";
    EXPECT_EQ(nExitCode, -1);
    EXPECT_EQ(creations.Count(), 1) << "a window other than the welcome window was made (a message?)";

    ASSERT_EQ(rowHadWindow.size(), kCtrlDefCount);
    for (size_t row = 0; row < kCtrlDefCount; ++row)
        EXPECT_EQ(rowHadWindow[row], row < nullRow) << "row " << row;

    const CRect window(rcAfterInit);
    const POINT centred = CentredOrigin(window);
    EXPECT_FALSE(std::abs(window.left - centred.x) <= 1 && std::abs(window.top - centred.y) <= 1)
        << "the window was centred although start-up failed";
}

INSTANTIATE_TEST_SUITE_P(Rows, NullRow, ::testing::Values(0u, 1u, 6u, 11u),
                         [](const ::testing::TestParamInfo<size_t>& info) {
                             return "Row" + std::to_string(info.param);
                         });

TEST_F(WelcomeWindow, MissingBackgroundEndsStartUpWithMinusOneAndNoMessage)
{
    CDialogCreationCount creations;
    INT_PTR result = 0;
    {
        CProbedWelcomeDlg dlg;
        dlg.DropBackground();
        result = dlg.DoModal();
        for (size_t row = 0; row < kCtrlDefCount; ++row)
            EXPECT_FALSE(dlg.m_rowHadWindowAfterInit[row]) << "row " << row << " was created";
    }
    EXPECT_EQ(result, -1);
    int nExitCode = 0;
    EXPECT_TRUE(TakeQuitRequest(&nExitCode)) << "the quit request was not put back for the caller";
    EXPECT_EQ(nExitCode, -1);
    EXPECT_EQ(creations.Count(), 1) << "a window other than the welcome window was made (a message?)";
}

// ---- Ownership ----------------------------------------------------------------------------------

// A control that writes down when it is deleted and whether its window was gone by then.
class CRecordingCtrl : public CWelcomeCtrl
{
public:
    struct Deletion
    {
        size_t row;
        bool bWindowGone;
    };

    CRecordingCtrl(size_t row, std::vector<Deletion>& log, bool bWithImage)
        : m_row(row), m_log(log), m_bWithImage(bWithImage)
    {
    }
    ~CRecordingCtrl() override { m_log.push_back({m_row, m_hCreated == nullptr || !IsWindow(m_hCreated)}); }

    BOOL CreateCtrl(UINT nID, int x, int y, CWnd* pParent) override
    {
        if (m_bWithImage)
            m_bmImage.LoadBitmap(nID);
        const BOOL bCreated = CWelcomeCtrl::CreateCtrl(nID, x, y, pParent);
        m_hCreated = m_hWnd;
        return bCreated;
    }
    DWORD GetCreateStyle() override { return WS_VISIBLE | WS_TABSTOP; }
    CBitmap* GetStateBitmap(BOOL) override { return &m_bmImage; }

private:
    size_t m_row;
    std::vector<Deletion>& m_log;
    bool m_bWithImage;
    CBitmap m_bmImage;
    HWND m_hCreated = nullptr;
};

TEST_F(WelcomeWindow, ClosingDeletesEveryControlOnceInRowOrderAfterTheWindowsAreGone)
{
    const size_t kWindowlessRow = 4;
    std::vector<CRecordingCtrl::Deletion> log;
    {
        CProbedWelcomeDlg dlg;
        for (size_t row = 0; row < kCtrlDefCount; ++row)
            dlg.ReplaceCtrl(row, new CRecordingCtrl(row, log, row != kWindowlessRow));
        dlg.AddStep([&](CProbedWelcomeDlg& d) {
            EXPECT_EQ(::GetDlgItem(d.m_hWnd, kExpectedCtrls[kWindowlessRow].nID), nullptr);
            EXPECT_NE(::GetDlgItem(d.m_hWnd, kExpectedCtrls[kWindowlessRow + 1].nID), nullptr)
                << "a control without a window stopped the rows after it";
            d.PostMessage(WM_CLOSE);
        });
        EXPECT_EQ(dlg.DoModal(), IDOK);
        EXPECT_TRUE(log.empty()) << "controls deleted before the window object";
    }
    ASSERT_EQ(log.size(), kCtrlDefCount) << "not every control object was deleted exactly once";
    for (size_t i = 0; i < log.size(); ++i)
    {
        EXPECT_EQ(log[i].row, i) << "deletion out of row order";
        EXPECT_TRUE(log[i].bWindowGone) << "row " << i << " was deleted while its window existed";
    }
}

// Should row 0 get no window, the first button takes the focus rather than nobody.
TEST_F(WelcomeWindow, FirstTabStopGetsTheFocusWhenRowZeroHasNoWindow)
{
    std::vector<CRecordingCtrl::Deletion> log;
    CProbedWelcomeDlg dlg;
    dlg.ReplaceCtrl(0, new CRecordingCtrl(0, log, false));
    dlg.AddStep([](CProbedWelcomeDlg& d) {
        EXPECT_EQ(::GetDlgItem(d.m_hWnd, kExpectedCtrls[0].nID), nullptr);
        EXPECT_EQ(::GetFocus(), ::GetDlgItem(d.m_hWnd, kExpectedCtrls[1].nID)) << "the first button has no focus";
        d.PostMessage(WM_CLOSE);
    });
    EXPECT_EQ(dlg.DoModal(), IDOK);
}

}  // namespace
