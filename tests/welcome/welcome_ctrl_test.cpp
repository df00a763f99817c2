// The control base in this process: a test subclass of CWelcomeCtrl on a plain parent window.
#include "expected_layout.h"
#include "welcome_test_support.h"

#include "framework/win_app.h"
#include "welcome/controls/welcome_ctrl.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace
{

constexpr UINT kNoImage = 0;  // no bitmap resource has number 0
constexpr UINT kExitNormalImage = 131;      // 49 x 24
constexpr UINT kExitPressedImage = 132;     // 49 x 24, a different look
constexpr UINT kInstallNormalImage = 148;   // 304 x 33
constexpr UINT kLabelImage = 126;           // 137 x 34

// Shows one bitmap when enabled and another when disabled; kNoImage leaves a bitmap empty.
class CTestCtrl : public CWelcomeCtrl
{
    DECLARE_DYNCREATE(CTestCtrl)

public:
    CTestCtrl() = default;
    CTestCtrl(UINT nEnabledImage, UINT nDisabledImage, DWORD dwStyle = WS_VISIBLE)
        : m_nEnabledImage(nEnabledImage), m_nDisabledImage(nDisabledImage), m_dwStyle(dwStyle)
    {
    }

    BOOL CreateCtrl(UINT nID, int x, int y, CWnd* pParent) override
    {
        if (m_nEnabledImage != kNoImage)
            m_bmEnabled.LoadBitmap(m_nEnabledImage);
        if (m_nDisabledImage != kNoImage)
            m_bmDisabled.LoadBitmap(m_nDisabledImage);
        return CWelcomeCtrl::CreateCtrl(nID, x, y, pParent);
    }
    DWORD GetCreateStyle() override { return m_dwStyle; }
    CBitmap* GetStateBitmap(BOOL bEnabled) override { return bEnabled ? &m_bmEnabled : &m_bmDisabled; }

private:
    UINT m_nEnabledImage = kNoImage;
    UINT m_nDisabledImage = kNoImage;
    DWORD m_dwStyle = WS_VISIBLE;
    CBitmap m_bmEnabled;
    CBitmap m_bmDisabled;
};

IMPLEMENT_DYNCREATE(CTestCtrl, CWelcomeCtrl)

// A visible top-level window with no background of its own, standing in for the welcome window.
class CParentWindow
{
public:
    CParentWindow()
    {
        WNDCLASSA wc{};
        wc.lpfnWndProc = DefWindowProcA;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
        wc.lpszClassName = "KfxTestParent";
        RegisterClassA(&wc);
        m_hWnd = CreateWindowExA(0, wc.lpszClassName, "parent", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0,
                                 700, 520, nullptr, nullptr, wc.hInstance, nullptr);
        UpdateWindow(m_hWnd);
    }
    ~CParentWindow()
    {
        if (m_hWnd)
            DestroyWindow(m_hWnd);
    }
    CParentWindow(const CParentWindow&) = delete;
    CParentWindow& operator=(const CParentWindow&) = delete;

    HWND Handle() const { return m_hWnd; }
    CWnd* Wnd() const { return CWnd::FromHandle(m_hWnd); }

private:
    HWND m_hWnd = nullptr;
};

std::string ClassNameOf(HWND hWnd)
{
    char name[256] = "";
    GetClassNameA(hWnd, name, sizeof(name));
    return name;
}

PixelBlock Shown(CWelcomeCtrl& ctrl)
{
    return CaptureWindow(ctrl.m_hWnd, 0, 0, ctrl.GetWidth(), ctrl.GetHeight());
}

PixelBlock Image(UINT nID, const CWelcomeCtrl& ctrl)
{
    return CaptureBitmapResource(nID, 0, 0, ctrl.GetWidth(), ctrl.GetHeight());
}

class WelcomeCtrl : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_NE(parent.Handle(), nullptr) << "no parent window"; }
    CParentWindow parent;
};

// ---- Run-time class records and the window class ------------------------------------------------

TEST(WelcomeCtrlClass, BaseRecordCreatesNothingAndSubclassesAreKinds)
{
    const CRuntimeClass* pBase = RUNTIME_CLASS(CWelcomeCtrl);
    EXPECT_STREQ(pBase->m_lpszClassName, "CWelcomeCtrl");
    EXPECT_EQ(pBase->m_pBaseClass, RUNTIME_CLASS(CWnd));
    EXPECT_EQ(pBase->CreateObject(), nullptr) << "the abstract base was created by class";

    std::unique_ptr<CObject> pObject(RUNTIME_CLASS(CTestCtrl)->CreateObject());
    ASSERT_NE(pObject, nullptr);
    EXPECT_TRUE(pObject->IsKindOf(RUNTIME_CLASS(CWelcomeCtrl)));
    EXPECT_TRUE(pObject->IsKindOf(RUNTIME_CLASS(CWnd)));
    EXPECT_EQ(static_cast<CWelcomeCtrl*>(pObject.get())->m_hWnd, nullptr) << "construction made a window";
}

TEST(WelcomeCtrlClass, ConstructionRegistersTheOneWindowClassOnceWithItsValues)
{
    const HINSTANCE hInstance = AfxGetInstanceHandle();
    CTestCtrl first;
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof(wc);
    const ATOM atom = static_cast<ATOM>(GetClassInfoExA(hInstance, kCtrlClassName, &wc));
    ASSERT_NE(atom, 0) << "constructing a control did not register the class";
    EXPECT_EQ(wc.style, UINT(CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS));
    EXPECT_EQ(wc.style, 0x000Bu);
    EXPECT_EQ(reinterpret_cast<void*>(wc.lpfnWndProc),
              reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("user32.dll"), "DefWindowProcA")))
        << "the class procedure is not the default one";
    EXPECT_EQ(wc.cbClsExtra, 0);
    EXPECT_EQ(wc.cbWndExtra, 0);
    EXPECT_EQ(wc.hInstance, hInstance);
    EXPECT_EQ(wc.hIcon, nullptr);
    EXPECT_EQ(wc.hCursor, LoadCursorA(nullptr, IDC_ARROW)) << "the pointer over a control is not the arrow";
    EXPECT_EQ(wc.hbrBackground, nullptr) << "the system would erase the control before it paints";
    EXPECT_EQ(wc.lpszMenuName, nullptr);

    // Later controls find the class registered and leave it as it is.
    CTestCtrl second;
    CTestCtrl third;
    WNDCLASSEXA again{};
    again.cbSize = sizeof(again);
    EXPECT_EQ(static_cast<ATOM>(GetClassInfoExA(hInstance, kCtrlClassName, &again)), atom);
    EXPECT_EQ(again.style, wc.style);
    EXPECT_EQ(again.hCursor, wc.hCursor);
}

// ---- Creation -----------------------------------------------------------------------------------

struct CreationCase
{
    const char* pszWhat;
    UINT nImage;
    DWORD dwStyle;  // as the subclass answers it
    int cx;
    int cy;
};

const CreationCase kCreationCases[] = {
    {"exit button image", kExitNormalImage, WS_VISIBLE | WS_TABSTOP, 49, 24},
    {"install button image", kInstallNormalImage, WS_VISIBLE | WS_TABSTOP, 304, 33},
    {"label image, style without WS_CHILD", kLabelImage, WS_VISIBLE, 137, 34},
    {"hidden control", kExitNormalImage, 0, 49, 24},
};

TEST_F(WelcomeCtrl, CreateCtrlMakesAChildOfItsImageSizeAtThePosition)
{
    for (const CreationCase& c : kCreationCases)
    {
        SCOPED_TRACE(c.pszWhat);
        const UINT nID = 1000 + c.nImage;
        CTestCtrl ctrl(c.nImage, kNoImage, c.dwStyle);
        ASSERT_TRUE(ctrl.CreateCtrl(nID, 17, 29, parent.Wnd()));
        ASSERT_NE(ctrl.m_hWnd, nullptr);
        EXPECT_EQ(ctrl.GetWidth(), c.cx);
        EXPECT_EQ(ctrl.GetHeight(), c.cy);
        CRect rect;
        ::GetWindowRect(ctrl.m_hWnd, &rect);
        MapWindowPoints(nullptr, parent.Handle(), reinterpret_cast<POINT*>(&rect), 2);
        EXPECT_EQ(rect, CRect(17, 29, 17 + c.cx, 29 + c.cy));
        EXPECT_EQ(GetParent(ctrl.m_hWnd), parent.Handle());
        EXPECT_EQ(GetDlgCtrlID(ctrl.m_hWnd), int(nID));
        EXPECT_EQ(ClassNameOf(ctrl.m_hWnd), kCtrlClassName);
        const DWORD style = static_cast<DWORD>(GetWindowLongA(ctrl.m_hWnd, GWL_STYLE));
        EXPECT_TRUE(style & WS_CHILD);
        EXPECT_EQ(style & (WS_VISIBLE | WS_TABSTOP), c.dwStyle);
        EXPECT_EQ(GetWindowLongA(ctrl.m_hWnd, GWL_EXSTYLE) & ~WS_EX_NOPARENTNOTIFY, 0);
        EXPECT_EQ(GetWindowTextLengthA(ctrl.m_hWnd), 0) << "a bitmap control has no text";
        EXPECT_EQ(CWnd::FromHandlePermanent(ctrl.m_hWnd), &ctrl) << "the window is not attached to its object";
    }
}

TEST_F(WelcomeCtrl, MissingEnabledImageMeansNoWindow)
{
    CTestCtrl ctrl(kNoImage, kExitNormalImage, WS_VISIBLE);
    EXPECT_FALSE(ctrl.CreateCtrl(1234, 5, 5, parent.Wnd()));
    EXPECT_EQ(ctrl.m_hWnd, nullptr);
    EXPECT_EQ(ctrl.GetWidth(), 0);
    EXPECT_EQ(ctrl.GetHeight(), 0);
    EXPECT_EQ(::GetWindow(parent.Handle(), GW_CHILD), nullptr) << "a window was made anyway";
}

// ---- Painting and WM_ENABLE ---------------------------------------------------------------------

TEST_F(WelcomeCtrl, PaintCopiesTheEnabledImage)
{
    CTestCtrl ctrl(kExitNormalImage, kExitPressedImage);
    ASSERT_TRUE(ctrl.CreateCtrl(1, 40, 40, parent.Wnd()));
    ctrl.UpdateWindow();
    EXPECT_EQ(DescribeDifference(Shown(ctrl), Image(kExitNormalImage, ctrl)), "");
}

// EnableWindow sends WM_ENABLE; the control has repainted before EnableWindow returns, so no
// message is pumped between the change and the capture.
TEST_F(WelcomeCtrl, EnablingAndDisablingRepaintAtOnce)
{
    CTestCtrl ctrl(kExitNormalImage, kExitPressedImage);
    ASSERT_TRUE(ctrl.CreateCtrl(1, 40, 40, parent.Wnd()));
    ctrl.UpdateWindow();
    ASSERT_NE(DescribeDifference(Image(kExitNormalImage, ctrl), Image(kExitPressedImage, ctrl)), "")
        << "the two test images look the same";

    ctrl.EnableWindow(FALSE);
    RECT pending{};
    EXPECT_FALSE(GetUpdateRect(ctrl.m_hWnd, &pending, FALSE)) << "the repaint was left for later";
    EXPECT_EQ(DescribeDifference(Shown(ctrl), Image(kExitPressedImage, ctrl)), "") << "disabled look";

    ctrl.EnableWindow(TRUE);
    EXPECT_FALSE(GetUpdateRect(ctrl.m_hWnd, &pending, FALSE)) << "the repaint was left for later";
    EXPECT_EQ(DescribeDifference(Shown(ctrl), Image(kExitNormalImage, ctrl)), "") << "enabled look";
}

TEST_F(WelcomeCtrl, LargerStateImageShowsOnlyItsTopLeftPart)
{
    CTestCtrl ctrl(kExitNormalImage, kBackgroundImage);
    ASSERT_TRUE(ctrl.CreateCtrl(1, 40, 40, parent.Wnd()));
    ctrl.EnableWindow(FALSE);
    EXPECT_EQ(ctrl.GetWidth(), 49) << "the control took the size of a later image";
    EXPECT_EQ(DescribeDifference(Shown(ctrl), Image(kBackgroundImage, ctrl)), "");
}

TEST_F(WelcomeCtrl, StateImageWithoutPictureDrawsNothing)
{
    CTestCtrl ctrl(kExitNormalImage, kNoImage);
    ASSERT_TRUE(ctrl.CreateCtrl(1, 40, 40, parent.Wnd()));
    ctrl.UpdateWindow();
    ctrl.EnableWindow(FALSE);
    EXPECT_EQ(DescribeDifference(Shown(ctrl), Image(kExitNormalImage, ctrl)), "")
        << "the screen did not keep what was there";
}

TEST_F(WelcomeCtrl, DeletingTheObjectDestroysAWindowThatStillExists)
{
    HWND hCtrl = nullptr;
    {
        CTestCtrl ctrl(kExitNormalImage, kNoImage);
        ASSERT_TRUE(ctrl.CreateCtrl(1, 40, 40, parent.Wnd()));
        hCtrl = ctrl.m_hWnd;
    }
    EXPECT_FALSE(IsWindow(hCtrl));
}

}  // namespace
