// The real Welcome.exe, driven through the X server: hover, Tab, Enter and a click on the exit
// button end the program.

#include "tests/welcome/controls/test_support.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// The test environment maps the folder of Welcome.exe as drive W:.
const char kWelcomeProgram[] = "W:\\Welcome.exe";
const char kWelcomeTitle[] = "Welcome To Kelvane Effects";
constexpr int kFirstInstallId = 148;
constexpr int kExitId = 131;
constexpr int kFocusedOffset = 2;
constexpr POINT kRestingPoint = {1010, 10};
constexpr DWORD kProgramStartMs = 30000;

class WelcomeProgramTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(MoveMouseTo(kRestingPoint)) << "xdotool did not run or the pointer did not move";
        char commandLine[] = "W:\\Welcome.exe";
        STARTUPINFOA startup{};
        startup.cb = sizeof(startup);
        ASSERT_TRUE(::CreateProcessA(kWelcomeProgram, commandLine, nullptr, nullptr, FALSE, 0, nullptr, "W:\\",
                                     &startup, &m_process))
            << "Welcome.exe did not start";
        // The first start in a fresh Wine environment takes a few seconds.
        ASSERT_TRUE(WaitUntil([&] { return (m_hWnd = ::FindWindowA(nullptr, kWelcomeTitle)) != nullptr; },
                              kProgramStartMs))
            << "the welcome window did not open";
        ASSERT_TRUE(WaitUntil([&] { return ::GetForegroundWindow() == m_hWnd; })) << "the welcome window is not active";
        ASSERT_TRUE(WaitUntil([&] { return ScreenShowsBitmap(Item(kFirstInstallId), kFirstInstallId + kFocusedOffset); }))
            << "the first install button does not show its focused image";
    }

    void TearDown() override
    {
        SaveScreenshotOfFailure();
        if (m_process.hProcess) {
            if (::WaitForSingleObject(m_process.hProcess, 0) != WAIT_OBJECT_0)
                ::TerminateProcess(m_process.hProcess, 1);
            ::CloseHandle(m_process.hProcess);
            ::CloseHandle(m_process.hThread);
        }
        MoveMouseTo(kRestingPoint);
    }

    HWND Item(int nID) const { return ::GetDlgItem(m_hWnd, nID); }

    int FocusId() const
    {
        GUITHREADINFO info{};
        info.cbSize = sizeof(info);
        if (!::GetGUIThreadInfo(m_process.dwThreadId, &info) || !info.hwndFocus)
            return 0;
        return ::GetDlgCtrlID(info.hwndFocus);
    }

    bool Ends()
    {
        return ::WaitForSingleObject(m_process.hProcess, kPatienceMs) == WAIT_OBJECT_0;
    }

    DWORD ExitCode() const
    {
        DWORD code = 0;
        ::GetExitCodeProcess(m_process.hProcess, &code);
        return code;
    }

    PROCESS_INFORMATION m_process{};
    HWND m_hWnd = nullptr;
};

TEST_F(WelcomeProgramTest, ShiftTabToTheExitButtonAndEnterEndTheProgram)
{
    ASSERT_TRUE(Xdotool("key shift+Tab"));
    ASSERT_TRUE(WaitUntil([&] { return FocusId() == kExitId; })) << "Shift+Tab from row 1 did not reach the exit button";
    EXPECT_TRUE(WaitUntil([&] { return ScreenShowsBitmap(Item(kExitId), kExitId + kFocusedOffset); }));
    ASSERT_TRUE(Xdotool("key Return"));
    ASSERT_TRUE(Ends()) << "Enter on the exit button did not end the program";
    EXPECT_NE(ExitCode(), static_cast<DWORD>(-1)) << "the program ended as a failed start-up";
}

TEST_F(WelcomeProgramTest, HoverAndClickOnTheExitButtonEndTheProgram)
{
    ASSERT_TRUE(MoveMouseTo(CenterOf(Item(kExitId))));
    ASSERT_TRUE(WaitUntil([&] { return FocusId() == kExitId; })) << "hover did not focus the exit button";
    EXPECT_TRUE(WaitUntil([&] { return ScreenShowsBitmap(Item(kFirstInstallId), kFirstInstallId); }))
        << "row 1 did not go back to its normal image";
    ASSERT_TRUE(Xdotool("click 1"));
    ASSERT_TRUE(Ends()) << "a click on the exit button did not end the program";
    EXPECT_NE(ExitCode(), static_cast<DWORD>(-1));
}

TEST_F(WelcomeProgramTest, EscapeAndAltEnterLeaveItOpenAndSpaceOnTheExitButtonEndsIt)
{
    ASSERT_TRUE(MoveMouseTo(CenterOf(Item(kExitId))));
    ASSERT_TRUE(WaitUntil([&] { return FocusId() == kExitId; }));
    ASSERT_TRUE(Xdotool("key Escape alt+Return"));
    // Keys are handled in order: the program is still there to move the focus on after them.
    ASSERT_TRUE(Xdotool("key shift+Tab"));
    ASSERT_TRUE(WaitUntil([&] { return FocusId() != kExitId && FocusId() != 0; }))
        << "the program did not take Shift+Tab after Escape and Alt+Enter";
    EXPECT_EQ(::WaitForSingleObject(m_process.hProcess, 0), static_cast<DWORD>(WAIT_TIMEOUT))
        << "Escape or Alt+Enter ended the program";
    ASSERT_TRUE(Xdotool("key Tab"));
    ASSERT_TRUE(WaitUntil([&] { return FocusId() == kExitId; }));
    ASSERT_TRUE(Xdotool("key space"));
    ASSERT_TRUE(Ends()) << "Space on the exit button did not end the program";
}

}  // namespace
