// The push button in a top-level window of its own: images, the mouse state machine with real
// pointer input from the X server, hover focus and the active window, the disabled look.

#include "tests/welcome/controls/test_controls.h"
#include "tests/welcome/controls/test_resources.h"
#include "tests/welcome/controls/test_support.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

// Client positions in the test parent, apart from each other.
constexpr POINT kFirstPos = {20, 30};
constexpr POINT kSecondPos = {160, 30};
// Where the pointer rests between tests: outside every test window.
constexpr POINT kRestingPoint = {1010, 10};
// Another program's window, away from the test parent.
constexpr POINT kOtherProgramPos = {620, 520};

// The looks a button went through: its painted states without repeats of the same state.
std::vector<int> Looks(const std::vector<int>& paintedStates)
{
    std::vector<int> looks;
    for (int state : paintedStates)
        if (looks.empty() || looks.back() != state)
            looks.push_back(state);
    return looks;
}

std::vector<UINT> ButtonMessagesOnly(const std::vector<UINT>& messages)
{
    std::vector<UINT> buttons;
    for (UINT message : messages)
        if (message != WM_MOUSEMOVE)
            buttons.push_back(message);
    return buttons;
}

class ButtonTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(MoveMouseTo(kRestingPoint)) << "xdotool did not run or the pointer did not move";
        ASSERT_TRUE(m_parent.CreateAt(100, 100, 400, 200)) << "no test parent window";
        m_pFirst = MakeButton(kExitImages.nNormal, kFirstPos);
        m_pSecond = MakeButton(kExploreImages.nNormal, kSecondPos);
        ASSERT_TRUE(m_pFirst && m_pSecond) << "a button got no window";
        ::SetForegroundWindow(m_parent.m_hWnd);
        ASSERT_TRUE(PumpUntil([&] { return ::GetActiveWindow() == m_parent.m_hWnd; }))
            << "the test parent did not become the active window";
        ASSERT_TRUE(PumpUntil([&] {
            return ScreenShowsBitmap(First(), kExitImages.nNormal) && ScreenShowsBitmap(Second(), kExploreImages.nNormal);
        })) << "the buttons do not show their normal images";
    }

    void TearDown() override
    {
        // A test that failed half-way must not leave the button held for the next one.
        SaveScreenshotOfFailure();
        if (HasFailure())
            Xdotool("mouseup 1");
        MoveMouseTo(kRestingPoint);
        m_parent.DestroyWindow();
        PumpPending();
    }

    std::unique_ptr<CRecordingButton> MakeButton(UINT nID, POINT pos)
    {
        auto pButton = std::make_unique<CRecordingButton>();
        if (!pButton->CreateCtrl(nID, pos.x, pos.y, &m_parent))
            return nullptr;
        return pButton;
    }

    HWND First() const { return m_pFirst->m_hWnd; }
    HWND Second() const { return m_pSecond->m_hWnd; }

    // Hovering gives the button the focus, as the user's pointer does before a press.
    void HoverFirst()
    {
        ASSERT_TRUE(MoveMouseTo(CenterOf(First())));
        ASSERT_TRUE(PumpUntil([&] { return ::GetFocus() == First() && m_pFirst->State() == CWelcomeButton::stateFocused; }))
            << "hovering did not focus the button";
    }

    CTestParent m_parent;
    std::unique_ptr<CRecordingButton> m_pFirst;
    std::unique_ptr<CRecordingButton> m_pSecond;
};

TEST_F(ButtonTest, ImagesOfTheStatesDiffer)
{
    // Every look check below relies on it.
    EXPECT_TRUE(BitmapsDifferOver(First(), kExitImages.nNormal, kExitImages.nPressed));
    EXPECT_TRUE(BitmapsDifferOver(First(), kExitImages.nNormal, kExitImages.nFocused));
    EXPECT_TRUE(BitmapsDifferOver(First(), kExitImages.nPressed, kExitImages.nFocused));
    EXPECT_TRUE(BitmapsDifferOver(First(), kExitImages.nNormal, kExitImages.nDisabled));
    EXPECT_TRUE(BitmapsDifferOver(First(), kExitImages.nFocused, kExitImages.nDisabled));
}

TEST_F(ButtonTest, TakesTheSizeOfItsNormalImage)
{
    RECT rect{};
    ::GetWindowRect(First(), &rect);
    EXPECT_EQ(rect.right - rect.left, 49);
    EXPECT_EQ(rect.bottom - rect.top, 24);
    EXPECT_EQ(::GetWindowLongA(First(), GWL_STYLE) & (WS_CHILD | WS_VISIBLE | WS_TABSTOP),
              WS_CHILD | WS_VISIBLE | WS_TABSTOP);
}

TEST_F(ButtonTest, PressAndReleaseInsideClicksOnceAndEndsFocused)
{
    HoverFirst();
    ASSERT_TRUE(Xdotool("mousedown 1"));
    EXPECT_TRUE(PumpUntil([&] { return ::GetCapture() == First() && ScreenShowsBitmap(First(), kExitImages.nPressed); }))
        << "the press did not capture the mouse and show the pressed image";
    EXPECT_EQ(m_pFirst->State(), CWelcomeButton::statePressed);
    EXPECT_EQ(m_pFirst->m_nClicks, 0) << "the press alone clicked";

    ASSERT_TRUE(Xdotool("mouseup 1"));
    EXPECT_TRUE(PumpUntil([&] { return m_pFirst->m_nClicks >= 1; })) << "the release inside did not click";
    EXPECT_TRUE(PumpUntil([&] { return m_parent.m_nCloseRequests >= 1; }))
        << "the exit button's click did not ask its parent to close";
    PumpPending();
    EXPECT_EQ(m_pFirst->m_nClicks, 1);
    EXPECT_EQ(m_parent.m_nCloseRequests, 1);
    EXPECT_EQ(::GetCapture(), nullptr) << "the capture was kept after the release";
    EXPECT_EQ(m_pFirst->State(), CWelcomeButton::stateFocused);
    EXPECT_TRUE(PumpUntil([&] { return ScreenShowsBitmap(First(), kExitImages.nFocused); }))
        << "the button does not show its focused image after the click";
    EXPECT_EQ(Looks(m_pFirst->m_paintedStates), (std::vector<int>{0, 2, 1, 2}));
}

TEST_F(ButtonTest, DragOutShowsFocusedBackInPressedReleaseOutsideDoesNotClick)
{
    HoverFirst();
    ASSERT_TRUE(Xdotool("mousedown 1"));
    ASSERT_TRUE(PumpUntil([&] { return ::GetCapture() == First(); })) << "the press did not capture the mouse";

    ASSERT_TRUE(MoveMouseTo(RightOf(First())));
    EXPECT_TRUE(PumpUntil([&] {
        return m_pFirst->State() == CWelcomeButton::stateFocused && ScreenShowsBitmap(First(), kExitImages.nFocused);
    })) << "dragged out, the button does not show its focused image";

    ASSERT_TRUE(MoveMouseTo(CenterOf(First())));
    EXPECT_TRUE(PumpUntil([&] {
        return m_pFirst->State() == CWelcomeButton::statePressed && ScreenShowsBitmap(First(), kExitImages.nPressed);
    })) << "dragged back in, the button does not show its pressed image";

    ASSERT_TRUE(MoveMouseTo(RightOf(First())));
    ASSERT_TRUE(PumpUntil([&] { return m_pFirst->State() == CWelcomeButton::stateFocused; }));
    ASSERT_TRUE(Xdotool("mouseup 1"));
    EXPECT_TRUE(PumpUntil([&] { return CountOf(m_pFirst->m_mouseMessages, WM_LBUTTONUP) == 1; }))
        << "the captured release did not reach the button";
    PumpPending();
    EXPECT_EQ(m_pFirst->m_nClicks, 0) << "a release outside clicked";
    EXPECT_EQ(m_parent.m_nCloseRequests, 0);
    EXPECT_EQ(::GetCapture(), nullptr) << "the capture was kept after the release";
    EXPECT_EQ(m_pFirst->State(), CWelcomeButton::stateFocused);
    EXPECT_TRUE(ScreenShowsBitmap(First(), kExitImages.nFocused));
    EXPECT_EQ(Looks(m_pFirst->m_paintedStates), (std::vector<int>{0, 2, 1, 2, 1, 2}));
}

TEST_F(ButtonTest, DoubleClickActsOnce)
{
    HoverFirst();
    ASSERT_TRUE(Xdotool("click --repeat 2 --delay 60 1"));
    EXPECT_TRUE(PumpUntil([&] { return CountOf(m_pFirst->m_mouseMessages, WM_LBUTTONUP) == 2; }))
        << "the two releases did not reach the button";
    PumpPending();
    EXPECT_EQ(ButtonMessagesOnly(m_pFirst->m_mouseMessages),
              (std::vector<UINT>{WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP}))
        << "the second press did not arrive as a double click";
    EXPECT_EQ(m_pFirst->m_nClicks, 1);
    EXPECT_EQ(m_parent.m_nCloseRequests, 1);
    EXPECT_EQ(m_pFirst->State(), CWelcomeButton::stateFocused);
}

TEST_F(ButtonTest, ReleaseWithoutAPressDoesNothing)
{
    ::SendMessageA(First(), WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    PumpPending();
    EXPECT_EQ(m_pFirst->m_nClicks, 0);
    EXPECT_EQ(m_pFirst->State(), CWelcomeButton::stateNormal);
}

TEST_F(ButtonTest, HoverMovesTheFocusAndTheFocusedImage)
{
    HoverFirst();
    EXPECT_TRUE(PumpUntil([&] { return ScreenShowsBitmap(First(), kExitImages.nFocused); }));
    EXPECT_TRUE(ScreenShowsBitmap(Second(), kExploreImages.nNormal));

    ASSERT_TRUE(MoveMouseTo(CenterOf(Second())));
    EXPECT_TRUE(PumpUntil([&] { return ::GetFocus() == Second(); })) << "hovering the second button did not focus it";
    EXPECT_TRUE(PumpUntil([&] {
        return ScreenShowsBitmap(First(), kExitImages.nNormal) && ScreenShowsBitmap(Second(), kExploreImages.nFocused);
    })) << "the old button is not back to normal or the new one does not show its focused image";
    EXPECT_EQ(m_pFirst->State(), CWelcomeButton::stateNormal);
    EXPECT_EQ(m_pSecond->State(), CWelcomeButton::stateFocused);

    // Leaving a button keeps the focus on it.
    ASSERT_TRUE(MoveMouseTo(RightOf(Second(), 60)));
    PumpPending();
    EXPECT_EQ(::GetFocus(), Second());
    EXPECT_TRUE(ScreenShowsBitmap(Second(), kExploreImages.nFocused));
}

TEST_F(ButtonTest, HoverDoesNothingWhileAnotherProgramIsActive)
{
    HoverFirst();
    OtherProgramWindow other(kOtherProgramPos);
    ASSERT_NE(other.Window(), nullptr) << "the other program's window did not become the active one";
    ASSERT_TRUE(PumpUntil([&] { return ::GetActiveWindow() == nullptr; }))
        << "the test parent stayed active";

    const int movesBefore = CountOf(m_pSecond->m_mouseMessages, WM_MOUSEMOVE);
    ASSERT_TRUE(MoveMouseTo(CenterOf(Second())));
    ASSERT_TRUE(PumpUntil([&] { return CountOf(m_pSecond->m_mouseMessages, WM_MOUSEMOVE) > movesBefore; }))
        << "the pointer's moves did not reach the button of the inactive window";
    PumpPending();
    EXPECT_NE(::GetFocus(), Second()) << "hover took the focus while another program was active";
    EXPECT_EQ(m_pSecond->State(), CWelcomeButton::stateNormal);
    EXPECT_TRUE(ScreenShowsBitmap(Second(), kExploreImages.nNormal));
}

// The message box runs its own loop; the check runs from a timer inside it.
struct MessageBoxHover
{
    ButtonTest* pTest = nullptr;
    CRecordingButton* pButton = nullptr;
    bool bBoxWasActive = false;
    bool bMovesArrived = false;
    HWND hFocusDuringBox = nullptr;
    int nStateDuringBox = -1;
    bool bNormalImageDuringBox = false;
};
MessageBoxHover* g_pMessageBoxHover = nullptr;

void CALLBACK HoverWhileBoxIsUp(HWND, UINT, UINT_PTR idEvent, DWORD)
{
    ::KillTimer(nullptr, idEvent);
    MessageBoxHover& hover = *g_pMessageBoxHover;
    HWND hBox = ::GetActiveWindow();
    char className[16] = {};
    ::GetClassNameA(hBox, className, sizeof(className));
    hover.bBoxWasActive = std::string(className) == "#32770";
    if (hover.bBoxWasActive) {
        ::SetWindowPos(hBox, nullptr, kOtherProgramPos.x, kOtherProgramPos.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        const int movesBefore = CountOf(hover.pButton->m_mouseMessages, WM_MOUSEMOVE);
        MoveMouseTo(CenterOf(hover.pButton->m_hWnd));
        hover.bMovesArrived = PumpUntil([&] { return CountOf(hover.pButton->m_mouseMessages, WM_MOUSEMOVE) > movesBefore; });
        PumpPending();
        hover.hFocusDuringBox = ::GetFocus();
        hover.nStateDuringBox = hover.pButton->State();
        hover.bNormalImageDuringBox = ScreenShowsBitmap(hover.pButton->m_hWnd, kExploreImages.nNormal);
    }
    ::PostMessageA(hBox, WM_COMMAND, IDOK, 0);
}

TEST_F(ButtonTest, HoverDoesNothingWhileAMessageBoxIsActive)
{
    HoverFirst();
    MessageBoxHover hover;
    hover.pButton = m_pSecond.get();
    g_pMessageBoxHover = &hover;
    ::SetTimer(nullptr, 0, 50, HoverWhileBoxIsUp);
    // No owner: the test parent stays enabled and keeps receiving the pointer's moves.
    ::MessageBoxA(nullptr, "A message box of this program", "KelvaneFX test box", MB_OK);
    g_pMessageBoxHover = nullptr;

    ASSERT_TRUE(hover.bBoxWasActive) << "the message box was not the active window";
    ASSERT_TRUE(hover.bMovesArrived) << "the pointer's moves did not reach the button";
    EXPECT_NE(hover.hFocusDuringBox, Second()) << "hover took the focus from behind a message box";
    EXPECT_EQ(hover.nStateDuringBox, CWelcomeButton::stateNormal);
    EXPECT_TRUE(hover.bNormalImageDuringBox);
}

TEST_F(ButtonTest, DisabledButtonIgnoresPressesAndStateChangesAndKeepsItsState)
{
    m_pFirst->SetFocus();
    ASSERT_EQ(m_pFirst->State(), CWelcomeButton::stateFocused);

    ::EnableWindow(First(), FALSE);
    EXPECT_TRUE(WindowShowsBitmap(First(), kExitImages.nDisabled)) << "disabling did not repaint at once";
    EXPECT_TRUE(PumpUntil([&] { return ScreenShowsBitmap(First(), kExitImages.nDisabled); }))
        << "the disabled button does not show its disabled image";
    EXPECT_EQ(m_pFirst->State(), CWelcomeButton::stateFocused) << "disabling changed the state";

    const size_t paintsBefore = m_pFirst->m_paintedStates.size();
    m_pFirst->SetState(CWelcomeButton::statePressed);
    EXPECT_EQ(m_pFirst->State(), CWelcomeButton::stateFocused) << "SetState changed a disabled button";
    ::SendMessageA(First(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    EXPECT_NE(::GetCapture(), First()) << "a disabled button took the capture";
    ::SendMessageA(First(), WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    m_pFirst->OnClicked();
    PumpPending();
    EXPECT_EQ(m_pFirst->State(), CWelcomeButton::stateFocused);
    EXPECT_EQ(m_parent.m_nCloseRequests, 0) << "a disabled exit button asked to close";
    EXPECT_EQ(m_pFirst->m_paintedStates.size(), paintsBefore) << "a refused change repainted";

    ::EnableWindow(First(), TRUE);
    EXPECT_TRUE(PumpUntil([&] { return ScreenShowsBitmap(First(), kExitImages.nFocused); }))
        << "re-enabled, the button does not show the image of its kept state";
}

TEST_F(ButtonTest, DisabledLookShowsTheTopLeftOfALargerImage)
{
    // The explore button's disabled number holds a larger picture.
    ::EnableWindow(Second(), FALSE);
    EXPECT_TRUE(PumpUntil([&] { return ScreenShowsBitmap(Second(), kExploreImages.nDisabled); }));
    m_pSecond->SetState(CWelcomeButton::stateFocused);
    EXPECT_EQ(m_pSecond->State(), CWelcomeButton::stateNormal);
    ::EnableWindow(Second(), TRUE);
    EXPECT_TRUE(PumpUntil([&] { return ScreenShowsBitmap(Second(), kExploreImages.nNormal); }));
}

TEST_F(ButtonTest, SetStateRepaintsAtOnceAndOnlyOnAChange)
{
    const size_t paintsBefore = m_pFirst->m_paintedStates.size();
    m_pFirst->SetState(CWelcomeButton::stateNormal);
    EXPECT_EQ(m_pFirst->m_paintedStates.size(), paintsBefore) << "setting the current state repainted";

    m_pFirst->SetState(CWelcomeButton::statePressed);
    EXPECT_EQ(m_pFirst->m_paintedStates.size(), paintsBefore + 1) << "the change was not painted before SetState returned";
    EXPECT_TRUE(WindowShowsBitmap(First(), kExitImages.nPressed));
    m_pFirst->SetState(CWelcomeButton::statePressed);
    EXPECT_EQ(m_pFirst->m_paintedStates.size(), paintsBefore + 1);

    m_pFirst->SetState(CWelcomeButton::stateFocused);
    EXPECT_TRUE(WindowShowsBitmap(First(), kExitImages.nFocused));
    EXPECT_TRUE(PumpUntil([&] { return ScreenShowsBitmap(First(), kExitImages.nFocused); }));
    EXPECT_TRUE(ScreenShowsBitmap(Second(), kExploreImages.nNormal)) << "another button changed";
}

TEST_F(ButtonTest, CharactersChangeNothing)
{
    m_pFirst->SetFocus();
    const size_t paintsBefore = m_pFirst->m_paintedStates.size();
    for (WPARAM character : {WPARAM('\r'), WPARAM(' '), WPARAM('x')})
        ::SendMessageA(First(), WM_CHAR, character, 1);
    PumpPending();
    EXPECT_EQ(m_pFirst->State(), CWelcomeButton::stateFocused);
    EXPECT_EQ(m_pFirst->m_paintedStates.size(), paintsBefore);
    EXPECT_EQ(m_pFirst->m_nClicks, 0);
}

TEST(ButtonRecord, IsAKindOfControlAndCreatable)
{
    std::unique_ptr<CObject> pObject(RUNTIME_CLASS(CWelcomeButton)->CreateObject());
    ASSERT_NE(pObject, nullptr);
    EXPECT_TRUE(pObject->IsKindOf(RUNTIME_CLASS(CWelcomeCtrl)));
    EXPECT_STREQ(RUNTIME_CLASS(CWelcomeButton)->m_lpszClassName, "CWelcomeButton");
    EXPECT_EQ(RUNTIME_CLASS(CWelcomeButton)->m_pBaseClass, RUNTIME_CLASS(CWelcomeCtrl));
    std::unique_ptr<CObject> pLabel(RUNTIME_CLASS(CWelcomeLabel)->CreateObject());
    ASSERT_NE(pLabel, nullptr);
    EXPECT_FALSE(pLabel->IsKindOf(RUNTIME_CLASS(CWelcomeButton))) << "a label passes for a push button";
    EXPECT_STREQ(RUNTIME_CLASS(CWelcomeLabel)->m_lpszClassName, "CWelcomeLabel");
}

}  // namespace
