// The welcome window itself: initial focus, Tab and arrow navigation around the label, the
// Enter/Space table, hover against the active window, the latch across deactivation, and the exit
// button ending the modal run with IDOK.

#include "tests/welcome/controls/test_resources.h"
#include "tests/welcome/controls/test_support.h"
#include "tests/welcome/controls/welcome_window_run.h"
#include "welcome/controls/key_activation.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

constexpr int kLabelId = 126;
constexpr int kFirstInstallId = 148;
constexpr int kPremiereId = 140;
constexpr int kExitId = 131;
// The buttons in row order; each one's normal image has its id, the focused one id + 2.
const int kButtonIds[] = {148, 160, 140, 172, 168, 144, 164, 155, 152, 134, 131};
constexpr int kPressedOffset = 1;
constexpr int kFocusedOffset = 2;

constexpr POINT kRestingPoint = {1010, 10};
// A point of the welcome window's client area that no control covers.
constexpr POINT kEmptyBackgroundPoint = {100, 100};
// Another program's window, clear of the centred welcome window.
constexpr POINT kOtherProgramPos = {840, 640};

constexpr LPARAM kKeyDownBits = 0x001C0001;
constexpr LPARAM kRepeatBits = 0x401C0001;
constexpr LPARAM kKeyUpBits = static_cast<LPARAM>(0xC01C0001);
constexpr LPARAM kAltKeyDownBits = 0x201C0001;
constexpr LPARAM kAltKeyUpBits = static_cast<LPARAM>(0xE01C0001);

class WelcomeWindowTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(MoveMouseTo(kRestingPoint)) << "xdotool did not run or the pointer did not move";
        m_pRun = std::make_unique<WelcomeWindowRun>();
        ASSERT_TRUE(m_pRun->WaitOpen()) << "the welcome window did not open and become active";
    }

    void TearDown() override
    {
        // A test that failed half-way must not leave a key held for the next one.
        SaveScreenshotOfFailure();
        if (HasFailure()) {
            SendKey(VK_RETURN, true);
            SendKey(VK_SHIFT, true);
        }
        MoveMouseTo(kRestingPoint);
        m_pRun.reset();
    }

    HWND Item(int nID) const { return m_pRun->Item(nID); }

    // The buttons that have a window, in row order (a row may have none on some systems).
    std::vector<int> TabStops() const
    {
        std::vector<int> ids;
        for (int id : kButtonIds)
            if (Item(id))
                ids.push_back(id);
        return ids;
    }

    bool Shows(int nID, int nImageOffset) const
    {
        return WaitUntil([&] { return ScreenShowsBitmap(Item(nID), nID + nImageOffset); });
    }

    void FocusButton(int nID)
    {
        m_pRun->RunOnWindowThread([&] { ::SetFocus(Item(nID)); });
        ASSERT_EQ(m_pRun->FocusId(), nID);
        ASSERT_TRUE(Shows(nID, kFocusedOffset)) << nID << " does not show its focused image";
    }

    std::unique_ptr<WelcomeWindowRun> m_pRun;
};

TEST_F(WelcomeWindowTest, InitialFocusIsOnTheFirstInstallButton)
{
    EXPECT_EQ(m_pRun->FocusId(), kFirstInstallId);
    EXPECT_TRUE(Shows(kFirstInstallId, kFocusedOffset)) << "row 1 does not show its focused image";
    for (int id : TabStops()) {
        if (id != kFirstInstallId) {
            EXPECT_TRUE(Shows(id, 0)) << "button " << id << " does not start with its normal image";
        }
    }
    EXPECT_TRUE(WaitUntil([&] { return ScreenShowsBitmap(Item(kLabelId), kLabelEnabled); }));
}

TEST_F(WelcomeWindowTest, TabAndShiftTabCycleThroughTheButtonsNeverStoppingOnTheLabel)
{
    const std::vector<int> order = TabStops();
    ASSERT_GE(order.size(), 2u);
    ASSERT_EQ(order.front(), kFirstInstallId);
    ASSERT_EQ(order.back(), kExitId);
    for (size_t step = 1; step <= order.size(); ++step) {
        const int expected = order[step % order.size()];
        TypeKey(VK_TAB);
        ASSERT_TRUE(WaitUntil([&] { return m_pRun->FocusId() == expected; }))
            << "Tab number " << step << " did not move the focus to " << expected << " (it is on "
            << m_pRun->FocusId() << ")";
        EXPECT_TRUE(Shows(expected, kFocusedOffset)) << expected;
        EXPECT_TRUE(Shows(order[step - 1], 0)) << order[step - 1] << " did not go back to normal";
    }
    SendKey(VK_SHIFT, false);
    for (size_t step = 1; step <= order.size(); ++step) {
        const int expected = order[(order.size() - step) % order.size()];
        TypeKey(VK_TAB);
        ASSERT_TRUE(WaitUntil([&] { return m_pRun->FocusId() == expected; }))
            << "Shift+Tab number " << step << " did not move the focus to " << expected << " (it is on "
            << m_pRun->FocusId() << ")";
    }
    SendKey(VK_SHIFT, true);
}

TEST_F(WelcomeWindowTest, FocusComingBackToTheLabelFromRowOneGoesToTheExitButton)
{
    // The dialog manager's arrow keys move to the label, which hands the focus on.
    TypeKey(VK_UP);
    EXPECT_TRUE(WaitUntil([&] { return m_pRun->FocusId() == kExitId; }))
        << "Up from row 1 ended on " << m_pRun->FocusId();
    EXPECT_TRUE(Shows(kExitId, kFocusedOffset));
    TypeKey(VK_DOWN);
    EXPECT_TRUE(WaitUntil([&] { return m_pRun->FocusId() == kFirstInstallId; }))
        << "Down from the exit button ended on " << m_pRun->FocusId();
}

struct KeyStep
{
    UINT message;
    WPARAM key;
    LPARAM bits;
};

struct KeyRow
{
    const char* what;
    std::vector<KeyStep> steps;
    int nClicks;
};

const KeyStep kEnterDown = {WM_KEYDOWN, VK_RETURN, kKeyDownBits};
const KeyStep kEnterRepeat = {WM_KEYDOWN, VK_RETURN, kRepeatBits};
const KeyStep kEnterUp = {WM_KEYUP, VK_RETURN, kKeyUpBits};
const KeyStep kSpaceDown = {WM_KEYDOWN, VK_SPACE, kKeyDownBits};
const KeyStep kSpaceUp = {WM_KEYUP, VK_SPACE, kKeyUpBits};
const KeyStep kAltEnterDown = {WM_SYSKEYDOWN, VK_RETURN, kAltKeyDownBits};
const KeyStep kAltEnterUp = {WM_SYSKEYUP, VK_RETURN, kAltKeyUpBits};
const KeyStep kReturnCharacter = {WM_CHAR, '\r', kKeyDownBits};

const KeyRow kKeyRows[] = {
    {"Enter pressed and released clicks once", {kEnterDown, kEnterUp}, 1},
    {"Space pressed and released clicks once", {kSpaceDown, kSpaceUp}, 1},
    {"auto-repeated Enter clicks once, at the release", {kEnterDown, kEnterRepeat, kEnterRepeat, kEnterUp}, 1},
    {"Enter pressed and Space released clicks once", {kEnterDown, kSpaceUp}, 1},
    {"Space, Enter, Enter up, Space up clicks once", {kSpaceDown, kEnterDown, kEnterUp, kSpaceUp}, 1},
    {"Alt+Enter neither presses nor clicks", {kAltEnterDown, kAltEnterUp}, 0},
    {"a key-up without a key-down does nothing", {kEnterUp}, 0},
    {"a carriage return character alone does nothing", {kReturnCharacter}, 0},
};

TEST_F(WelcomeWindowTest, EnterAndSpaceOnTheFocusedButtonFollowTheTable)
{
    FocusButton(kExitId);
    HWND hExit = Item(kExitId);
    for (const KeyRow& row : kKeyRows) {
        const int closesBefore = m_pRun->CloseRequests();
        for (size_t i = 0; i < row.steps.size(); ++i) {
            const KeyStep& step = row.steps[i];
            m_pRun->Post(hExit, step.message, step.key, step.bits);
            m_pRun->Sync();
            if (i == 0 && step.message == WM_KEYDOWN) {
                EXPECT_TRUE(Shows(kExitId, kPressedOffset)) << row.what << ": the key-down did not press";
            }
            if (i == 0 && step.message != WM_KEYDOWN) {
                EXPECT_TRUE(ScreenShowsBitmap(hExit, kExitId + kFocusedOffset)) << row.what << ": the look changed";
            }
        }
        m_pRun->Sync();
        EXPECT_EQ(m_pRun->CloseRequests() - closesBefore, row.nClicks) << row.what;
        EXPECT_EQ(g_bKeyPressed, 0) << row.what << ": the latch was left set";
        EXPECT_TRUE(Shows(kExitId, kFocusedOffset)) << row.what << ": the button does not end focused";
        EXPECT_EQ(m_pRun->FocusId(), kExitId) << row.what;
    }
    EXPECT_FALSE(m_pRun->Ended()) << "a key ended the window on its own";
}

TEST_F(WelcomeWindowTest, WithNoFocusedButtonEnterAndSpaceDoNothing)
{
    // Without a focus the keys go to the active window itself. The keys are queued together with
    // taking the focus away: the dialog manager would soon give a control the focus again.
    const int keysBefore = m_pRun->ActivationKeysWithoutFocus();
    m_pRun->RunOnWindowThread([&] {
        ::SetFocus(nullptr);
        for (const KeyStep& step : {kEnterDown, kEnterUp, kSpaceDown, kSpaceUp})
            m_pRun->Post(m_pRun->Window(), step.message, step.key, step.bits);
    });
    m_pRun->Sync();
    EXPECT_EQ(m_pRun->ActivationKeysWithoutFocus() - keysBefore, 6)
        << "the four keys and their two characters did not all arrive while no window had the focus";
    EXPECT_FALSE(m_pRun->Ended()) << "Enter or Space ended the window";
    EXPECT_EQ(m_pRun->CloseRequests(), 0);
    EXPECT_EQ(g_bKeyPressed, 0);
    for (int id : TabStops()) {
        if (id != m_pRun->FocusId()) {
            EXPECT_TRUE(Shows(id, 0)) << "button " << id << " changed its look";
        }
    }
}

TEST_F(WelcomeWindowTest, EnterOnTheExitButtonEndsTheWindowWithIdok)
{
    FocusButton(kExitId);
    m_pRun->SwallowClose(false);
    TypeKey(VK_RETURN);
    ASSERT_TRUE(m_pRun->WaitEnded()) << "Enter on the exit button did not end the window";
    EXPECT_EQ(m_pRun->Result(), IDOK);
    EXPECT_EQ(m_pRun->CloseRequests(), 1);
}

TEST_F(WelcomeWindowTest, ClickOnTheExitButtonEndsTheWindowWithIdok)
{
    m_pRun->SwallowClose(false);
    ASSERT_TRUE(MoveMouseTo(CenterOf(Item(kExitId))));
    ASSERT_TRUE(WaitUntil([&] { return m_pRun->FocusId() == kExitId; })) << "hover did not focus the exit button";
    ASSERT_TRUE(Xdotool("click 1"));
    ASSERT_TRUE(m_pRun->WaitEnded()) << "a click on the exit button did not end the window";
    EXPECT_EQ(m_pRun->Result(), IDOK);
    EXPECT_EQ(m_pRun->CloseRequests(), 1);
}

TEST_F(WelcomeWindowTest, HoverMovesTheFocusWhileTheWindowIsActive)
{
    ASSERT_TRUE(MoveMouseTo(CenterOf(Item(kPremiereId))));
    EXPECT_TRUE(WaitUntil([&] { return m_pRun->FocusId() == kPremiereId; })) << "hover did not move the focus";
    EXPECT_TRUE(Shows(kPremiereId, kFocusedOffset));
    EXPECT_TRUE(Shows(kFirstInstallId, 0)) << "the button that had the focus is not back to normal";
}

TEST_F(WelcomeWindowTest, HoverDoesNothingWhileAnotherProgramIsActive)
{
    OtherProgramWindow other(kOtherProgramPos);
    ASSERT_NE(other.Window(), nullptr) << "the other program's window did not become the active one";
    ASSERT_TRUE(WaitUntil([&] { return m_pRun->Active() == nullptr; })) << "the welcome window stayed active";

    HWND hPremiere = Item(kPremiereId);
    const int movesBefore = m_pRun->MouseMovesTo(hPremiere);
    ASSERT_TRUE(MoveMouseTo(CenterOf(hPremiere)));
    ASSERT_TRUE(WaitUntil([&] { return m_pRun->MouseMovesTo(hPremiere) > movesBefore; }))
        << "the pointer's moves did not reach the button";
    m_pRun->Sync();
    EXPECT_NE(m_pRun->Focus(), hPremiere) << "hover took the focus while another program was active";
    EXPECT_TRUE(Shows(kPremiereId, 0));
}

TEST_F(WelcomeWindowTest, HoverDoesNothingWhileAMessageBoxIsActive)
{
    // Without an owner the welcome window stays enabled and keeps receiving the pointer's moves.
    WelcomeWindowRun::Task* pBox = m_pRun->StartOnWindowThread(
        [] { ::MessageBoxA(nullptr, "A message box of this program", "KelvaneFX test box", MB_OK); });
    HWND hBox = nullptr;
    ASSERT_TRUE(WaitUntil([&] {
        hBox = ::FindWindowA("#32770", "KelvaneFX test box");
        return hBox && m_pRun->Active() == hBox;
    })) << "the message box did not become the active window";
    ::SetWindowPos(hBox, nullptr, kOtherProgramPos.x, kOtherProgramPos.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);

    HWND hPremiere = Item(kPremiereId);
    const int movesBefore = m_pRun->MouseMovesTo(hPremiere);
    ASSERT_TRUE(MoveMouseTo(CenterOf(hPremiere)));
    const bool bMovesArrived = WaitUntil([&] { return m_pRun->MouseMovesTo(hPremiere) > movesBefore; });
    m_pRun->Sync();
    const HWND hFocus = m_pRun->Focus();
    const bool bNormal = ScreenShowsBitmap(hPremiere, kPremiereId);
    ::PostMessageA(hBox, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(WaitUntil([&] { return WelcomeWindowRun::IsDone(pBox); })) << "the message box did not close";

    ASSERT_TRUE(bMovesArrived) << "the pointer's moves did not reach the button";
    EXPECT_NE(hFocus, hPremiere) << "hover took the focus from behind a message box";
    EXPECT_TRUE(bNormal);
}

// A key released in the welcome window whose press went to another window must not click.
TEST_F(WelcomeWindowTest, KeyPressedElsewhereDoesNotClickAfterAnotherProgramWasActive)
{
    FocusButton(kExitId);
    SendKey(VK_RETURN, false);
    ASSERT_TRUE(Shows(kExitId, kPressedOffset)) << "Enter did not press the exit button";

    {
        OtherProgramWindow other(kOtherProgramPos);
        ASSERT_NE(other.Window(), nullptr) << "the other program's window did not become the active one";
        ASSERT_TRUE(WaitUntil([&] { return m_pRun->Active() == nullptr; })) << "the welcome window stayed active";
        // Released and pressed again in the other program.
        SendKey(VK_RETURN, true);
        SendKey(VK_RETURN, false);
        // Back to the welcome window with a click on its background, the key still held. (A
        // click on the caption would start the system's window-moving loop.)
        POINT background = kEmptyBackgroundPoint;
        ::ClientToScreen(m_pRun->Window(), &background);
        ASSERT_TRUE(MoveMouseTo(background));
        ASSERT_TRUE(Xdotool("click 1"));
        ASSERT_TRUE(WaitUntil([&] { return m_pRun->Active() == m_pRun->Window() && m_pRun->FocusId() == kExitId; }))
            << "the welcome window did not come back with the focus on the exit button";
    }
    const int keyUpsBefore = m_pRun->ActivationKeyUps();
    SendKey(VK_RETURN, true);
    ASSERT_TRUE(WaitUntil([&] { return m_pRun->ActivationKeyUps() > keyUpsBefore; }))
        << "the key-up did not reach the welcome window";
    m_pRun->Sync();
    EXPECT_EQ(m_pRun->CloseRequests(), 0) << "a key pressed in another program clicked the exit button";

    // The keys still work afterwards.
    TypeKey(VK_RETURN);
    EXPECT_TRUE(WaitUntil([&] { return m_pRun->CloseRequests() == 1; })) << "Enter no longer clicks";
}

TEST_F(WelcomeWindowTest, KeyPressedInAMessageBoxDoesNotClickAfterItCloses)
{
    FocusButton(kExitId);
    SendKey(VK_RETURN, false);
    ASSERT_TRUE(Shows(kExitId, kPressedOffset)) << "Enter did not press the exit button";

    WelcomeWindowRun::Task* pBox = m_pRun->StartOnWindowThread(
        [this] { ::MessageBoxA(m_pRun->Window(), "A message box of this program", "KelvaneFX test box", MB_OK); });
    ASSERT_TRUE(WaitUntil([&] {
        HWND hBox = ::FindWindowA("#32770", "KelvaneFX test box");
        return hBox && m_pRun->Active() == hBox;
    })) << "the message box did not become the active window";
    // Released in the box, then pressed again there: the box closes at that key-down.
    SendKey(VK_RETURN, true);
    SendKey(VK_RETURN, false);
    ASSERT_TRUE(WaitUntil([&] { return WelcomeWindowRun::IsDone(pBox); })) << "Enter did not close the message box";
    ASSERT_TRUE(WaitUntil([&] { return m_pRun->Active() == m_pRun->Window() && m_pRun->FocusId() == kExitId; }))
        << "the welcome window did not come back with the focus on the exit button";

    const int keyUpsBefore = m_pRun->ActivationKeyUps();
    SendKey(VK_RETURN, true);
    ASSERT_TRUE(WaitUntil([&] { return m_pRun->ActivationKeyUps() > keyUpsBefore; }))
        << "the key-up did not reach the welcome window";
    m_pRun->Sync();
    EXPECT_EQ(m_pRun->CloseRequests(), 0) << "a key pressed in the message box clicked the exit button";
    EXPECT_TRUE(Shows(kExitId, kFocusedOffset));
}

}  // namespace
