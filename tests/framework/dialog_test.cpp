// CDialog: creation from a numbered template, the modal loop's order, results and the quit request.
#include "framework/dialog.h"

#include "framework_test_ids.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

const UINT WM_APP_STEP = WM_APP + 10;  // runs the test's scripted step inside the loop
const UINT WM_APP_MARK = WM_APP + 11;  // only recorded, to see which messages are pre-translated
const UINT kWatchdogMs = 10000;
const INT_PTR kWatchdogResult = -99;
const char kOwnerClass[] = "FrameworkTest:Owner";

std::vector<std::string> g_events;
HWND g_hForeign = nullptr;

class CProbeDialog;
CProbeDialog* g_pRunning = nullptr;

class CProbeDialog : public CDialog
{
public:
    explicit CProbeDialog(CWnd* pParent = nullptr, UINT nIDTemplate = IDD_PROBE_DIALOG)
        : CDialog(nIDTemplate, pParent)
    {
    }

    std::function<BOOL(CProbeDialog&)> m_onInit;           // after the base OnInitDialog
    std::function<void(CProbeDialog&)> m_onStep;           // on WM_APP_STEP
    std::function<BOOL(CProbeDialog&, MSG*)> m_preTranslate;  // replaces the base pre-translation
    std::vector<UINT> m_windowProcMessages;

    std::string NameOf(HWND hWnd) const
    {
        if (hWnd == nullptr)
            return "nobody";
        if (hWnd == m_hWnd)
            return "dialog";
        if (hWnd != nullptr && hWnd == ::GetDlgItem(m_hWnd, IDC_PROBE_EDIT))
            return "edit";
        if (hWnd != nullptr && hWnd == ::GetDlgItem(m_hWnd, IDCANCEL))
            return "cancel-button";
        if (hWnd != nullptr && hWnd == g_hForeign)
            return "foreign";
        return "other";
    }
    HWND Item(int nID) const { return ::GetDlgItem(m_hWnd, nID); }

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        m_windowProcMessages.push_back(message);
        return CDialog::WindowProc(message, wParam, lParam);
    }
    BOOL OnInitDialog() override
    {
        g_events.push_back(std::string("init ") + (::IsWindowVisible(m_hWnd) ? "visible" : "hidden") +
                           (FromHandlePermanent(m_hWnd) == this ? " attached" : " detached") +
                           (Item(IDC_PROBE_EDIT) != nullptr ? " with-controls" : " without-controls"));
        BOOL bResult = CDialog::OnInitDialog();
        if (m_onInit)
            bResult = m_onInit(*this);
        return bResult;
    }
    void OnOK() override
    {
        g_events.push_back("ok");
        CDialog::OnOK();
    }
    void OnCancel() override
    {
        g_events.push_back("cancel");
        CDialog::OnCancel();
    }
    BOOL PreTranslateMessage(MSG* pMsg) override
    {
        if (pMsg->message == WM_KEYDOWN)
            g_events.push_back("pre keydown " + NameOf(pMsg->hwnd));
        if (pMsg->message == WM_APP_MARK)
            g_events.push_back("pre mark " + NameOf(pMsg->hwnd));
        if (m_preTranslate)
            return m_preTranslate(*this, pMsg);
        return CDialog::PreTranslateMessage(pMsg);
    }
    LRESULT OnStep(WPARAM, LPARAM)
    {
        if (m_onStep)
            m_onStep(*this);
        return 0;
    }
    LRESULT OnMark(WPARAM, LPARAM)
    {
        g_events.push_back("dispatched mark dialog");
        return 0;
    }
    LRESULT OnDestroyMessage(WPARAM, LPARAM)
    {
        HWND hOwner = ::GetWindow(m_hWnd, GW_OWNER);
        if (hOwner != nullptr)
            g_events.push_back(std::string("destroy, owner ") + (::IsWindowEnabled(hOwner) ? "enabled" : "disabled"));
        return Default();
    }

    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CProbeDialog, CDialog)
    ON_MESSAGE(WM_APP_STEP, OnStep)
    ON_MESSAGE(WM_APP_MARK, OnMark)
    ON_MESSAGE(WM_DESTROY, OnDestroyMessage)
END_MESSAGE_MAP()

// A control that the dialog creates itself during its initialisation, as a bitmap control is.
class CChildProbe : public CWnd
{
public:
    void OnEnable(BOOL bEnable) override
    {
        g_events.push_back(bEnable ? "child enabled" : "child disabled");
        Default();
    }
    void OnSetFocus(CWnd*) override
    {
        g_events.push_back("child focus");
        Default();
    }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CChildProbe, CWnd)
    ON_WM_ENABLE()
    ON_WM_SETFOCUS()
END_MESSAGE_MAP()

// Ends a dialog that a broken loop would otherwise keep open for ever.
void CALLBACK WatchdogTimerProc(HWND, UINT, UINT_PTR, DWORD)
{
    g_events.push_back("watchdog");
    if (g_pRunning != nullptr)
        g_pRunning->EndDialog(static_cast<int>(kWatchdogResult));
}

class FrameworkDialog : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        WNDCLASSA owner{};
        owner.lpfnWndProc = &::DefWindowProcA;
        owner.hInstance = ::GetModuleHandleA(nullptr);
        owner.lpszClassName = kOwnerClass;
        ::RegisterClassA(&owner);
    }
    static BOOL CreateChild(CChildProbe& child, CWnd* pParent, UINT nID)
    {
        return child.Create(kOwnerClass, "", WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_DISABLED, CRect(2, 2, 22, 22),
                            pParent, nID);
    }
    void SetUp() override
    {
        g_events.clear();
        g_hForeign = nullptr;
    }

    static INT_PTR RunModal(CProbeDialog& dlg)
    {
        g_pRunning = &dlg;
        const UINT_PTR watchdog = ::SetTimer(nullptr, 0, kWatchdogMs, &WatchdogTimerProc);
        const INT_PTR nResult = dlg.DoModal();
        ::KillTimer(nullptr, watchdog);
        g_pRunning = nullptr;
        return nResult;
    }
    static void PostStep(CProbeDialog& dlg) { ::PostMessageA(dlg.m_hWnd, WM_APP_STEP, 0, 0); }

    using Events = std::vector<std::string>;
};

}  // namespace

TEST_F(FrameworkDialog, InitDialogRunsDuringCreationBeforeTheWindowIsShown)
{
    CProbeDialog dlg;
    HWND hDialog = nullptr;
    HWND hEdit = nullptr;
    dlg.m_onInit = [&](CProbeDialog& self) {
        hDialog = self.m_hWnd;
        hEdit = self.Item(IDC_PROBE_EDIT);
        PostStep(self);
        return TRUE;
    };
    dlg.m_onStep = [](CProbeDialog& self) {
        g_events.push_back(std::string("step ") + (::IsWindowVisible(self.m_hWnd) ? "visible" : "hidden") +
                           ", focus on " + self.NameOf(::GetFocus()));
        self.EndDialog(1234);
    };
    EXPECT_EQ(RunModal(dlg), 1234) << "DoModal must answer the EndDialog result";
    EXPECT_EQ(g_events, (Events{"init hidden attached with-controls", "step visible, focus on edit"}));
    EXPECT_EQ(dlg.m_hWnd, nullptr);
    EXPECT_FALSE(::IsWindow(hDialog)) << "the dialog window outlived DoModal";
    EXPECT_FALSE(::IsWindow(hEdit)) << "a child window outlived DoModal";
}

TEST_F(FrameworkDialog, InitDialogAnsweringFalseKeepsTheFocusItChose)
{
    CProbeDialog dlg;
    dlg.m_onInit = [](CProbeDialog& self) {
        ::SetFocus(self.Item(IDCANCEL));
        PostStep(self);
        return FALSE;
    };
    dlg.m_onStep = [](CProbeDialog& self) {
        g_events.push_back("focus on " + self.NameOf(::GetFocus()));
        self.EndDialog(IDOK);
    };
    EXPECT_EQ(RunModal(dlg), IDOK);
    EXPECT_EQ(g_events, (Events{"init hidden attached with-controls", "focus on cancel-button"}));
}

TEST_F(FrameworkDialog, CommandsAndKeysEndTheDialogThroughItsHandlers)
{
    struct EndCase
    {
        const char* pszWhat;
        int nTarget;  // 0: the dialog, else a control id
        UINT message;
        WPARAM wParam;
        INT_PTR nExpectedResult;
        Events expectedEvents;
    };
    const EndCase kCases[] = {
        {"WM_COMMAND IDOK", 0, WM_COMMAND, IDOK, IDOK, {"ok"}},
        {"WM_COMMAND IDCANCEL", 0, WM_COMMAND, IDCANCEL, IDCANCEL, {"cancel"}},
        {"WM_CLOSE becomes IDCANCEL in the dialog manager", 0, WM_CLOSE, 0, IDCANCEL, {"cancel"}},
        {"Escape on a child: pre-translation first, then the dialog manager", IDC_PROBE_EDIT, WM_KEYDOWN,
         VK_ESCAPE, IDCANCEL, {"pre keydown edit", "cancel"}},
        {"Enter on a child: the default button's IDOK", IDC_PROBE_EDIT, WM_KEYDOWN, VK_RETURN, IDOK,
         {"pre keydown edit", "ok"}},
    };
    for (const EndCase& endCase : kCases) {
        SCOPED_TRACE(endCase.pszWhat);
        g_events.clear();
        CProbeDialog dlg;
        dlg.m_onInit = [&](CProbeDialog& self) {
            HWND hTarget = endCase.nTarget == 0 ? self.m_hWnd : self.Item(endCase.nTarget);
            ::PostMessageA(hTarget, endCase.message, endCase.wParam, 0);
            return TRUE;
        };
        EXPECT_EQ(RunModal(dlg), endCase.nExpectedResult);
        Events expected{"init hidden attached with-controls"};
        expected.insert(expected.end(), endCase.expectedEvents.begin(), endCase.expectedEvents.end());
        EXPECT_EQ(g_events, expected);
    }
}

TEST_F(FrameworkDialog, PreTranslationThatTakesAKeyKeepsItFromTheDialogManager)
{
    CProbeDialog dlg;
    dlg.m_onInit = [](CProbeDialog& self) {
        ::PostMessageA(self.Item(IDC_PROBE_EDIT), WM_KEYDOWN, VK_ESCAPE, 0);
        PostStep(self);
        return TRUE;
    };
    dlg.m_preTranslate = [](CProbeDialog& self, MSG* pMsg) {
        if (pMsg->message == WM_KEYDOWN && pMsg->wParam == VK_ESCAPE)
            return TRUE;
        return self.CDialog::PreTranslateMessage(pMsg);
    };
    dlg.m_onStep = [](CProbeDialog& self) {
        g_events.push_back("step");
        self.EndDialog(5);
    };
    EXPECT_EQ(RunModal(dlg), 5) << "the taken Escape still cancelled the dialog";
    EXPECT_EQ(g_events, (Events{"init hidden attached with-controls", "pre keydown edit", "step"}));
}

TEST_F(FrameworkDialog, OnlyMessagesForTheDialogAndItsChildrenArePreTranslated)
{
    g_hForeign = ::CreateWindowExA(0, kOwnerClass, "foreign", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                   ::GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(g_hForeign, nullptr);
    CProbeDialog dlg;
    dlg.m_onInit = [](CProbeDialog& self) {
        ::PostMessageA(self.Item(IDC_PROBE_EDIT), WM_APP_MARK, 0, 0);
        ::PostMessageA(g_hForeign, WM_APP_MARK, 0, 0);
        ::PostMessageA(self.m_hWnd, WM_APP_MARK, 0, 0);
        PostStep(self);
        return TRUE;
    };
    dlg.m_onStep = [](CProbeDialog& self) { self.EndDialog(IDOK); };
    EXPECT_EQ(RunModal(dlg), IDOK);
    EXPECT_EQ(g_events, (Events{"init hidden attached with-controls", "pre mark edit", "pre mark dialog",
                                "dispatched mark dialog"}));
    ::DestroyWindow(g_hForeign);
}

TEST_F(FrameworkDialog, QuitRequestEndsTheLoopWithMinusOneAndIsPutBack)
{
    CProbeDialog dlg;
    HWND hDialog = nullptr;
    dlg.m_onInit = [&](CProbeDialog& self) {
        hDialog = self.m_hWnd;
        PostStep(self);
        return TRUE;
    };
    dlg.m_onStep = [](CProbeDialog&) { ::PostQuitMessage(5); };
    EXPECT_EQ(RunModal(dlg), -1);
    EXPECT_FALSE(::IsWindow(hDialog));
    MSG msg;
    ASSERT_TRUE(::PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) << "the quit request was not put back";
    EXPECT_EQ(msg.wParam, 5u) << "the quit request lost its exit code";
    EXPECT_FALSE(::PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) << "more than one quit request";
}

TEST_F(FrameworkDialog, OwnerIsDisabledWhileRunningAndEnabledBeforeTheWindowIsDestroyed)
{
    CWnd owner;
    ASSERT_TRUE(owner.Create(kOwnerClass, "owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(0, 0, 300, 200), nullptr, 0));
    CWnd ownerChild;
    ASSERT_TRUE(ownerChild.Create(kOwnerClass, "", WS_CHILD | WS_VISIBLE, CRect(0, 0, 20, 20), &owner, 9));

    CProbeDialog dlg(&ownerChild);  // a child as parent: the owner is its top-level window
    dlg.m_onInit = [](CProbeDialog& self) {
        PostStep(self);
        return TRUE;
    };
    dlg.m_onStep = [&](CProbeDialog& self) {
        g_events.push_back(std::string("running, owner ") + (::GetWindow(self.m_hWnd, GW_OWNER) == owner.m_hWnd ? "set" : "wrong") +
                           (owner.IsWindowEnabled() ? " enabled" : " disabled"));
        self.EndDialog(IDOK);
    };
    EXPECT_EQ(RunModal(dlg), IDOK);
    EXPECT_EQ(g_events, (Events{"init hidden attached with-controls", "running, owner set disabled",
                                "destroy, owner enabled"}));
    EXPECT_TRUE(owner.IsWindowEnabled());
}

TEST_F(FrameworkDialog, MissingTemplateAnswersMinusOneAndLeavesTheOwnerEnabled)
{
    CWnd owner;
    ASSERT_TRUE(owner.Create(kOwnerClass, "owner", WS_OVERLAPPEDWINDOW, CRect(0, 0, 300, 200), nullptr, 0));
    CProbeDialog dlg(&owner, IDD_MISSING_DIALOG);
    EXPECT_EQ(RunModal(dlg), -1);
    EXPECT_TRUE(g_events.empty());
    EXPECT_EQ(dlg.m_hWnd, nullptr);
    EXPECT_TRUE(owner.IsWindowEnabled());
}

TEST_F(FrameworkDialog, EveryDialogMessagePassesTheObjectAndTheDialogClassKeepsItsProcedure)
{
    CProbeDialog dlg;
    LONG_PTR classProc = 0;
    dlg.m_onInit = [&](CProbeDialog& self) {
        classProc = ::GetClassLongPtrA(self.m_hWnd, GCLP_WNDPROC);
        ::PostMessageA(self.m_hWnd, WM_COMMAND, IDOK, 0);
        return TRUE;
    };
    EXPECT_EQ(RunModal(dlg), IDOK);
    WNDCLASSA dialogClass{};
    ASSERT_TRUE(::GetClassInfoA(nullptr, MAKEINTRESOURCEA(0x8002), &dialogClass));
    EXPECT_EQ(classProc, reinterpret_cast<LONG_PTR>(dialogClass.lpfnWndProc)) << "the dialog class procedure changed";
    auto saw = [&](UINT message) {
        for (UINT seen : dlg.m_windowProcMessages) {
            if (seen == message)
                return true;
        }
        return false;
    };
    EXPECT_TRUE(saw(WM_NCCREATE)) << "the object was attached after the dialog's first messages";
    EXPECT_TRUE(saw(WM_INITDIALOG));
    EXPECT_TRUE(saw(WM_COMMAND));
    EXPECT_TRUE(saw(WM_NCDESTROY));
}

TEST_F(FrameworkDialog, ControlsCreatedDuringInitDialogAreAttachedAndDestroyedWithTheDialog)
{
    const UINT kChildId = 600;
    CProbeDialog dlg;
    CChildProbe child;
    HWND hChild = nullptr;
    dlg.m_onInit = [&](CProbeDialog& self) {
        if (!CreateChild(child, &self, kChildId))
            return TRUE;
        hChild = child.m_hWnd;
        g_events.push_back(self.GetDlgItem(static_cast<int>(kChildId)) == &child ? "child attached" : "child foreign");
        child.EnableWindow(TRUE);
        child.SetFocus();
        PostStep(self);
        return FALSE;
    };
    dlg.m_onStep = [](CProbeDialog& self) { self.EndDialog(IDOK); };
    EXPECT_EQ(RunModal(dlg), IDOK);
    EXPECT_EQ(g_events, (Events{"init hidden attached with-controls", "child attached", "child enabled",
                                "child focus"}));
    EXPECT_FALSE(::IsWindow(hChild));
    EXPECT_EQ(child.m_hWnd, nullptr) << "the control object still thinks it has a window";
}

TEST_F(FrameworkDialog, IconsSetDuringInitDialogStayWithTheWindow)
{
    HICON hIcon = ::LoadIconA(nullptr, MAKEINTRESOURCEA(32512));  // IDI_APPLICATION
    ASSERT_NE(hIcon, nullptr);
    CProbeDialog dlg;
    dlg.m_onInit = [&](CProbeDialog& self) {
        self.SetIcon(hIcon, TRUE);
        self.SetIcon(hIcon, FALSE);
        PostStep(self);
        return TRUE;
    };
    dlg.m_onStep = [&](CProbeDialog& self) {
        const bool bBig = reinterpret_cast<HICON>(self.SendMessage(WM_GETICON, ICON_BIG)) == hIcon;
        const bool bSmall = reinterpret_cast<HICON>(self.SendMessage(WM_GETICON, ICON_SMALL)) == hIcon;
        g_events.push_back(std::string(bBig ? "big kept" : "big lost") + (bSmall ? ", small kept" : ", small lost"));
        self.EndDialog(IDOK);
    };
    EXPECT_EQ(RunModal(dlg), IDOK);
    EXPECT_EQ(g_events, (Events{"init hidden attached with-controls", "big kept, small kept"}));
}

TEST_F(FrameworkDialog, EndDialogDuringInitDialogEndsItWithoutShowingIt)
{
    CProbeDialog dlg;
    bool bEverShown = false;
    dlg.m_onInit = [&](CProbeDialog& self) {
        self.EndDialog(42);
        return TRUE;
    };
    dlg.m_windowProcMessages.clear();
    EXPECT_EQ(RunModal(dlg), 42);
    for (UINT message : dlg.m_windowProcMessages)
        bEverShown = bEverShown || message == WM_SHOWWINDOW;
    EXPECT_FALSE(bEverShown) << "a dialog ended during its initialisation was shown";
    EXPECT_EQ(dlg.m_hWnd, nullptr);
}

TEST_F(FrameworkDialog, RealEscapeKeyGoesThroughPreTranslationBeforeTheDialogManager)
{
    CProbeDialog dlg;
    dlg.m_onInit = [](CProbeDialog& self) {
        PostStep(self);
        return TRUE;
    };
    dlg.m_onStep = [](CProbeDialog& self) {
        ::SetForegroundWindow(self.m_hWnd);
        g_events.push_back("typing, focus on " + self.NameOf(::GetFocus()));
        INPUT keys[2] = {};
        keys[0].type = INPUT_KEYBOARD;
        keys[0].ki.wVk = VK_ESCAPE;
        keys[1] = keys[0];
        keys[1].ki.dwFlags = KEYEVENTF_KEYUP;
        ::SendInput(2, keys, sizeof(INPUT));
    };
    EXPECT_EQ(RunModal(dlg), IDCANCEL) << "the real Escape key did not cancel the dialog";
    EXPECT_EQ(g_events, (Events{"init hidden attached with-controls", "typing, focus on edit", "pre keydown edit",
                                "cancel"}));
}

TEST_F(FrameworkDialog, EndingWhileNoWindowHasTheFocusReturnsFromDoModal)
{
    struct NoFocusCase
    {
        const char* pszWhat;
        bool bClose;  // WM_CLOSE through the dialog manager, else EndDialog from the loop
        INT_PTR nExpectedResult;
    };
    const NoFocusCase kCases[] = {
        {"WM_CLOSE", true, IDCANCEL},
        {"EndDialog", false, 77},
    };
    for (const NoFocusCase& noFocusCase : kCases) {
        SCOPED_TRACE(noFocusCase.pszWhat);
        g_events.clear();
        CProbeDialog dlg;
        dlg.m_onInit = [](CProbeDialog& self) {
            PostStep(self);
            return TRUE;
        };
        dlg.m_onStep = [&](CProbeDialog& self) {
            ::SetFocus(nullptr);
            g_events.push_back("focus on " + self.NameOf(::GetFocus()));
            if (noFocusCase.bClose)
                ::PostMessageA(self.m_hWnd, WM_CLOSE, 0, 0);
            else
                self.EndDialog(static_cast<int>(noFocusCase.nExpectedResult));
        };
        EXPECT_EQ(RunModal(dlg), noFocusCase.nExpectedResult);
        Events expected{"init hidden attached with-controls", "focus on nobody"};
        if (noFocusCase.bClose)
            expected.push_back("cancel");
        EXPECT_EQ(g_events, expected);
        EXPECT_EQ(dlg.m_hWnd, nullptr);
    }
}
