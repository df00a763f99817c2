// Buttons and labels whose numbering has gaps: the normal (enabled) image stands in for every
// missing one; without it there is no window.

#include "tests/welcome/controls/test_controls.h"
#include "tests/welcome/controls/test_resources.h"
#include "tests/welcome/controls/test_support.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

class WithParent : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_parent.CreateAt(100, 100, 400, 200)) << "no test parent window";
        ::SetForegroundWindow(m_parent.m_hWnd);
        PumpUntil([&] { return ::GetActiveWindow() == m_parent.m_hWnd; });
    }

    void TearDown() override
    {
        SaveScreenshotOfFailure();
        m_parent.DestroyWindow();
        PumpPending();
    }

    CTestParent m_parent;
};

struct ButtonLookRow
{
    const char* what;
    unsigned nID;
    int nState;
    bool bEnabled;
    unsigned nShownImage;
};

const ButtonLookRow kButtonLooks[] = {
    {"only normal: the pressed state shows the normal image", IDB_TEST_ONLY_NORMAL, 1, true, IDB_TEST_ONLY_NORMAL},
    {"only normal: the focused state shows the normal image", IDB_TEST_ONLY_NORMAL, 2, true, IDB_TEST_ONLY_NORMAL},
    {"only normal: the disabled look is the normal image", IDB_TEST_ONLY_NORMAL, 0, false, IDB_TEST_ONLY_NORMAL},
    {"no pressed image: pressed shows the normal image", IDB_TEST_NO_PRESSED_NO_DISABLED, 1, true,
     IDB_TEST_NO_PRESSED_NO_DISABLED},
    {"focused image present: focused shows it", IDB_TEST_NO_PRESSED_NO_DISABLED, 2, true, IDB_TEST_NO_PRESSED_FOCUSED},
    {"no disabled image: disabled in the focused state shows the normal image", IDB_TEST_NO_PRESSED_NO_DISABLED, 2,
     false, IDB_TEST_NO_PRESSED_NO_DISABLED},
    {"all four images: pressed", kExitImages.nNormal, 1, true, kExitImages.nPressed},
    {"all four images: disabled shows the fourth", kExitImages.nNormal, 0, false, kExitImages.nDisabled},
};

class ButtonLooks : public WithParent, public ::testing::WithParamInterface<ButtonLookRow> {};

TEST_P(ButtonLooks, ShowTheImageOfTheStateOrTheNormalOne)
{
    const ButtonLookRow& row = GetParam();
    CRecordingButton button;
    ASSERT_TRUE(button.CreateCtrl(row.nID, 20, 20, &m_parent)) << row.what;
    button.SetState(row.nState);
    ::EnableWindow(button.m_hWnd, row.bEnabled);
    EXPECT_TRUE(WindowShowsBitmap(button.m_hWnd, row.nShownImage)) << row.what;
    EXPECT_TRUE(PumpUntil([&] { return ScreenShowsBitmap(button.m_hWnd, row.nShownImage); })) << row.what;
    button.DestroyWindow();
}

INSTANTIATE_TEST_SUITE_P(MissingImages, ButtonLooks, ::testing::ValuesIn(kButtonLooks));

TEST_F(WithParent, ButtonWithoutNormalImageGetsNoWindow)
{
    CRecordingButton button;
    EXPECT_FALSE(button.CreateCtrl(IDB_TEST_NO_NORMAL, 20, 20, &m_parent));
    EXPECT_EQ(button.GetSafeHwnd(), nullptr);
    EXPECT_EQ(button.GetWidth(), 0);
    EXPECT_EQ(button.GetHeight(), 0);
    EXPECT_EQ(::GetWindow(m_parent.m_hWnd, GW_CHILD), nullptr) << "a window was made after all";
}

struct LabelLookRow
{
    const char* what;
    unsigned nID;
    bool bEnabled;
    unsigned nShownImage;
};

const LabelLookRow kLabelLooks[] = {
    {"enabled label shows its enabled image", kLabelEnabled, true, kLabelEnabled},
    {"disabled label shows its disabled image", kLabelEnabled, false, kLabelDisabled},
    {"disabled label without a disabled image shows the enabled one", IDB_TEST_LABEL_ONLY_ENABLED, false,
     IDB_TEST_LABEL_ONLY_ENABLED},
};

class LabelLooks : public WithParent, public ::testing::WithParamInterface<LabelLookRow> {};

TEST_P(LabelLooks, ShowTheImageOfTheEnabledState)
{
    const LabelLookRow& row = GetParam();
    CRecordingLabel label;
    ASSERT_TRUE(label.CreateCtrl(row.nID, 20, 20, &m_parent)) << row.what;
    ::EnableWindow(label.m_hWnd, row.bEnabled);
    EXPECT_TRUE(PumpUntil([&] { return ScreenShowsBitmap(label.m_hWnd, row.nShownImage); })) << row.what;
    label.DestroyWindow();
}

INSTANTIATE_TEST_SUITE_P(MissingImages, LabelLooks, ::testing::ValuesIn(kLabelLooks));

TEST_F(WithParent, LabelWithoutEnabledImageGetsNoWindow)
{
    CRecordingLabel label;
    EXPECT_FALSE(label.CreateCtrl(IDB_TEST_LABEL_NO_ENABLED, 20, 20, &m_parent));
    EXPECT_EQ(label.GetSafeHwnd(), nullptr);
    EXPECT_EQ(::GetWindow(m_parent.m_hWnd, GW_CHILD), nullptr);
}

TEST_F(WithParent, LabelIsNoTabStopAndTakesTheSizeOfItsImage)
{
    CRecordingLabel label;
    ASSERT_TRUE(label.CreateCtrl(kLabelEnabled, 20, 20, &m_parent));
    EXPECT_EQ(::GetWindowLongA(label.m_hWnd, GWL_STYLE) & (WS_CHILD | WS_VISIBLE | WS_TABSTOP), WS_CHILD | WS_VISIBLE);
    RECT rect{};
    ::GetWindowRect(label.m_hWnd, &rect);
    EXPECT_EQ(rect.right - rect.left, 137);
    EXPECT_EQ(rect.bottom - rect.top, 34);
    label.DestroyWindow();
}

// The label between two buttons, first in the child order as on the welcome window.
class LabelFocus : public WithParent
{
protected:
    void SetUp() override
    {
        WithParent::SetUp();
        ASSERT_TRUE(m_label.CreateCtrl(kLabelEnabled, 20, 20, &m_parent));
        ASSERT_TRUE(m_first.CreateCtrl(kExitImages.nNormal, 20, 70, &m_parent));
        ASSERT_TRUE(m_second.CreateCtrl(kExploreImages.nNormal, 120, 70, &m_parent));
    }

    void TearDown() override
    {
        MoveMouseTo({1010, 10});
        WithParent::TearDown();
    }

    CRecordingLabel m_label;
    CRecordingButton m_first;
    CRecordingButton m_second;
};

enum class Before { Nothing, Parent, First, Second };

struct HandOnRow
{
    const char* what;
    Before before;
    bool bToFirst;
};

const HandOnRow kHandOns[] = {
    {"from no window it goes to the next tab stop", Before::Nothing, true},
    {"from the parent window it goes to the next tab stop", Before::Parent, true},
    {"from the previous tab stop (wrapping) it goes to the next", Before::Second, true},
    {"from the next tab stop it goes back to the previous (wrapping)", Before::First, false},
};

class LabelHandOn : public LabelFocus, public ::testing::WithParamInterface<HandOnRow> {};

TEST_P(LabelHandOn, PassesTheFocusOn)
{
    const HandOnRow& row = GetParam();
    switch (row.before) {
    case Before::Nothing: ::SetFocus(nullptr); break;
    case Before::Parent: ::SetFocus(m_parent.m_hWnd); break;
    case Before::First: ::SetFocus(m_first.m_hWnd); break;
    case Before::Second: ::SetFocus(m_second.m_hWnd); break;
    }
    m_label.SetFocus();
    // The hand-on happens inside the label's own focus handling.
    HWND hExpected = row.bToFirst ? m_first.m_hWnd : m_second.m_hWnd;
    EXPECT_EQ(::GetFocus(), hExpected) << row.what;
    CRecordingButton& expected = row.bToFirst ? m_first : m_second;
    EXPECT_EQ(expected.State(), CWelcomeButton::stateFocused) << row.what;
    EXPECT_TRUE(PumpUntil([&] { return ScreenShowsBitmap(m_label.m_hWnd, kLabelEnabled); })) << row.what;
}

INSTANTIATE_TEST_SUITE_P(Label, LabelHandOn, ::testing::ValuesIn(kHandOns));

TEST_F(WithParent, InitialFocusSkipsAButtonWithoutWindow)
{
    // As at start-up when row 1 gets no window: the label passes the focus to the next one that has.
    CRecordingLabel label;
    CRecordingButton missing;
    CRecordingButton next;
    ASSERT_TRUE(label.CreateCtrl(kLabelEnabled, 20, 20, &m_parent));
    ASSERT_FALSE(missing.CreateCtrl(IDB_TEST_NO_NORMAL, 20, 70, &m_parent));
    ASSERT_TRUE(next.CreateCtrl(kExitImages.nNormal, 120, 70, &m_parent));
    ::SetFocus(nullptr);
    label.SetFocus();
    EXPECT_EQ(::GetFocus(), next.m_hWnd);
    EXPECT_TRUE(PumpUntil([&] { return ScreenShowsBitmap(next.m_hWnd, kExitImages.nFocused); }));
    label.DestroyWindow();
    next.DestroyWindow();
}

TEST_F(LabelFocus, ClickOnTheLabelChangesNeitherFocusNorImages)
{
    m_first.SetFocus();
    ASSERT_TRUE(MoveMouseTo(CenterOf(m_label.m_hWnd)));
    ASSERT_TRUE(Xdotool("click 1"));
    ASSERT_TRUE(PumpUntil([&] { return CountOf(m_label.m_mouseMessages, WM_LBUTTONUP) == 1; }))
        << "the click did not reach the label";
    PumpPending();
    EXPECT_EQ(::GetFocus(), m_first.m_hWnd);
    EXPECT_TRUE(ScreenShowsBitmap(m_first.m_hWnd, kExitImages.nFocused));
    EXPECT_TRUE(ScreenShowsBitmap(m_second.m_hWnd, kExploreImages.nNormal));
    EXPECT_TRUE(ScreenShowsBitmap(m_label.m_hWnd, kLabelEnabled));
}

}  // namespace
