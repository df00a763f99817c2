// The real Welcome.exe, started as a process of its own and inspected from this one.
#include "expected_layout.h"
#include "input_support.h"
#include "welcome_test_support.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{

// The test's Wine environment maps D: to the folder of Welcome.exe and E: to the test programs.
constexpr const char* kWelcomePath = "D:\\Welcome.exe";
constexpr const char* kWelcomeFolder = "D:\\";
constexpr const char* kNoBackgroundPath = "E:\\welcome_no_background.exe";
constexpr const char* kNoBackgroundFolder = "E:\\";
constexpr DWORD kStartTimeoutMs = 20000;
constexpr DWORD kEndTimeoutMs = 10000;
constexpr DWORD kFailedStartUp = static_cast<DWORD>(-1);

// A started program; ended by force if a test leaves it running.
class CProgram
{
public:
    CProgram(const char* pszPath, const char* pszFolder)
    {
        STARTUPINFOA si{};
        si.cb = sizeof(si);
        std::string commandLine = std::string("\"") + pszPath + "\"";
        if (CreateProcessA(pszPath, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, pszFolder, &si, &m_pi))
            return;
        m_dwStartError = GetLastError();
        m_pi = PROCESS_INFORMATION{};
    }
    ~CProgram()
    {
        if (!m_pi.hProcess)
            return;
        if (WaitForSingleObject(m_pi.hProcess, 0) == WAIT_TIMEOUT)
        {
            TerminateProcess(m_pi.hProcess, 0xDEAD);
            WaitForSingleObject(m_pi.hProcess, kEndTimeoutMs);
        }
        CloseHandle(m_pi.hThread);
        CloseHandle(m_pi.hProcess);
    }
    CProgram(const CProgram&) = delete;
    CProgram& operator=(const CProgram&) = delete;

    bool Started() const { return m_pi.hProcess != nullptr; }
    DWORD StartError() const { return m_dwStartError; }
    DWORD ProcessId() const { return m_pi.dwProcessId; }

    // Its visible window with the welcome caption, or null after the time-out.
    HWND WaitForWelcomeWindow() const
    {
        HWND hFound = nullptr;
        PumpUntil(
            [&] {
                hFound = FindWindowA(nullptr, kCaption);
                DWORD pid = 0;
                if (hFound)
                    GetWindowThreadProcessId(hFound, &pid);
                if (pid != m_pi.dwProcessId || !IsWindowVisible(hFound))
                    hFound = nullptr;
                return hFound != nullptr || HasEnded();
            },
            kStartTimeoutMs);
        return hFound;
    }

    bool HasEnded() const { return WaitForSingleObject(m_pi.hProcess, 0) == WAIT_OBJECT_0; }

    // The exit status once the program has ended, or STILL_ACTIVE after the time-out.
    DWORD WaitForExit() const
    {
        DWORD code = STILL_ACTIVE;
        if (WaitForSingleObject(m_pi.hProcess, kEndTimeoutMs) == WAIT_OBJECT_0)
            GetExitCodeProcess(m_pi.hProcess, &code);
        return code;
    }

private:
    PROCESS_INFORMATION m_pi{};
    DWORD m_dwStartError = 0;
};

// The program's file opened for its resources only.
class CResourceModule
{
public:
    explicit CResourceModule(const char* pszPath)
        : m_hModule(LoadLibraryExA(pszPath, nullptr, LOAD_LIBRARY_AS_DATAFILE))
    {
    }
    ~CResourceModule()
    {
        if (m_hModule)
            FreeLibrary(m_hModule);
    }
    CResourceModule(const CResourceModule&) = delete;
    CResourceModule& operator=(const CResourceModule&) = delete;
    HMODULE Get() const { return m_hModule; }

private:
    HMODULE m_hModule;
};

std::string ClassNameOf(HWND hWnd)
{
    char name[256] = "";
    GetClassNameA(hWnd, name, sizeof(name));
    return name;
}

BOOL CALLBACK CollectChild(HWND hChild, LPARAM lParam)
{
    reinterpret_cast<std::vector<HWND>*>(lParam)->push_back(hChild);
    return TRUE;
}

std::vector<HWND> ChildrenOf(HWND hParent)
{
    std::vector<HWND> children;
    EnumChildWindows(hParent, CollectChild, reinterpret_cast<LPARAM>(&children));
    return children;
}

HWND FocusOf(HWND hWindow)
{
    GUITHREADINFO info{};
    info.cbSize = sizeof(info);
    GetGUIThreadInfo(GetWindowThreadProcessId(hWindow, nullptr), &info);
    return info.hwndFocus;
}

class WelcomeProgram : public ::testing::Test
{
protected:
    void SetUp() override
    {
        // Off the window: hovering over a button would move the focus.
        SetCursorPos(0, 0);
        ASSERT_TRUE(program.Started()) << "CreateProcess of " << kWelcomePath << " failed, error "
                                       << program.StartError();
        window = program.WaitForWelcomeWindow();
        ASSERT_NE(window, nullptr) << "the welcome window did not appear";
    }

    CProgram program{kWelcomePath, kWelcomeFolder};
    HWND window = nullptr;
};

TEST_F(WelcomeProgram, OpensCentredInTheWorkAreaWithA640x480ClientArea)
{
    RECT client{};
    GetClientRect(window, &client);
    EXPECT_EQ(client.right - client.left, kClientWidth);
    EXPECT_EQ(client.bottom - client.top, kClientHeight);

    RECT rect{};
    GetWindowRect(window, &rect);
    RECT work{};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    EXPECT_NEAR(rect.left, work.left + (work.right - work.left - width) / 2, 1) << "not centred horizontally";
    EXPECT_NEAR(rect.top, work.top + (work.bottom - work.top - height) / 2, 1) << "not centred vertically";
}

TEST_F(WelcomeProgram, HasItsCaptionTaskBarStyleAndNoSizingOrMaximizing)
{
    char caption[64] = "";
    GetWindowTextA(window, caption, sizeof(caption));
    EXPECT_STREQ(caption, kCaption);

    const auto style = static_cast<DWORD>(GetWindowLongA(window, GWL_STYLE));
    EXPECT_EQ(style & (WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX), DWORD(WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX));
    EXPECT_EQ(style & (WS_MAXIMIZEBOX | WS_THICKFRAME), 0u);
    EXPECT_TRUE(GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_APPWINDOW) << "no task-bar button";

    // The icons are checked in-process: WM_GETICON to another process's window fails under Wine.
}

TEST_F(WelcomeProgram, ShowsTheControlsOfTheTableAsChildrenOfOneClass)
{
    const std::vector<HWND> children = ChildrenOf(window);
    ASSERT_EQ(children.size(), kExpectedCtrlCount);
    for (size_t row = 0; row < kExpectedCtrlCount; ++row)
    {
        const ExpectedCtrl& c = kExpectedCtrls[row];
        SCOPED_TRACE(c.pszWhat);
        HWND hChild = children[row];
        EXPECT_EQ(GetDlgCtrlID(hChild), int(c.nID)) << "not in row order";
        RECT rect{};
        GetWindowRect(hChild, &rect);
        MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&rect), 2);
        EXPECT_EQ(rect.left, c.x);
        EXPECT_EQ(rect.top, c.y);
        EXPECT_EQ(rect.right - rect.left, c.cx);
        EXPECT_EQ(rect.bottom - rect.top, c.cy);
        EXPECT_EQ(ClassNameOf(hChild), kCtrlClassName);
        EXPECT_EQ(GetClassLongPtrA(hChild, GCW_ATOM), GetClassLongPtrA(children[0], GCW_ATOM));
        EXPECT_TRUE(IsWindowEnabled(hChild));
    }
    EXPECT_NE(FocusOf(window), children[0]) << "the label kept the focus";
}

// Read back from the screen: what the user sees is the background and each control's image.
TEST_F(WelcomeProgram, ScreenShowsTheBackgroundAndTheControlImages)
{
    CResourceModule module(kWelcomePath);
    ASSERT_NE(module.Get(), nullptr);
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    POINT origin{0, 0};
    ClientToScreen(window, &origin);

    // The strip above the label holds no control.
    const int stripHeight = kExpectedCtrls[0].y;
    const PixelBlock strip = CaptureWindow(nullptr, origin.x, origin.y, kClientWidth, stripHeight);
    EXPECT_EQ(DescribeDifference(strip, CaptureBitmapResource(kBackgroundImage, 0, 0, kClientWidth, stripHeight,
                                                              module.Get())),
              "")
        << "the top of the background";

    const HWND hFocus = FocusOf(window);
    for (const ExpectedCtrl& c : kExpectedCtrls)
    {
        SCOPED_TRACE(c.pszWhat);
        const PixelBlock shown = CaptureWindow(nullptr, origin.x + c.x, origin.y + c.y, c.cx, c.cy);
        const bool bFocused = hFocus && GetDlgCtrlID(hFocus) == int(c.nID);
        const UINT nImage = bFocused ? c.nID + kFocusedImageOffset : c.nID;
        EXPECT_EQ(DescribeDifference(shown, CaptureBitmapResource(nImage, 0, 0, c.cx, c.cy, module.Get())), "")
            << (bFocused ? "focused image" : "first image");
    }
}

TEST_F(WelcomeProgram, ItsTemplateIsTheExtendedDialog102)
{
    CResourceModule module(kWelcomePath);
    ASSERT_NE(module.Get(), nullptr);
    HRSRC hInfo = FindResourceA(module.Get(), MAKEINTRESOURCEA(102), MAKEINTRESOURCEA(5) /* RT_DIALOG */);
    ASSERT_NE(hInfo, nullptr) << "no dialog template 102";
    const auto* p = static_cast<const WORD*>(LockResource(LoadResource(module.Get(), hInfo)));
    ASSERT_NE(p, nullptr);
    // DLGTEMPLATEEX: version, signature, help id, extended style, style, item count, x, y, cx, cy.
    EXPECT_EQ(p[0], 1);
    EXPECT_EQ(p[1], 0xFFFF);
    const auto dword = [&](size_t wordIndex) { return DWORD(p[wordIndex]) | (DWORD(p[wordIndex + 1]) << 16); };
    EXPECT_EQ(dword(2), 0u) << "help id";
    EXPECT_EQ(dword(4), 0x00040000u) << "extended style";
    EXPECT_EQ(dword(6), 0x92CA00C0u) << "style";
    EXPECT_EQ(p[8], 0) << "controls";
    EXPECT_EQ(short(p[9]), 0);
    EXPECT_EQ(short(p[10]), 0);
    EXPECT_EQ(short(p[11]), 427);
    EXPECT_EQ(short(p[12]), 295);
    size_t i = 13;
    EXPECT_EQ(p[i++], 0) << "menu";
    EXPECT_EQ(p[i++], 0) << "window class";
    std::string title;
    while (p[i])
        title += static_cast<char>(p[i++]);
    ++i;
    EXPECT_EQ(title, kCaption);
    EXPECT_EQ(p[i++], 8) << "point size";
    EXPECT_EQ(p[i++], 0) << "weight";
    EXPECT_EQ(p[i] & 0xFF, 0) << "italic";
    EXPECT_EQ(p[i++] >> 8, DEFAULT_CHARSET) << "character set";
    std::string face;
    while (p[i])
        face += static_cast<char>(p[i++]);
    EXPECT_EQ(face, "MS Sans Serif");
}

struct ProgramClosePath
{
    const char* pszName;
    void (*close)(HWND window);
};

void ClickExitButton(HWND window)
{
    const ExpectedCtrl& exitButton = kExpectedCtrls[kExpectedCtrlCount - 1];
    POINT centre{exitButton.x + exitButton.cx / 2, exitButton.y + exitButton.cy / 2};
    ClientToScreen(window, &centre);
    SetForegroundWindow(window);
    ClickAt(centre.x, centre.y);
}

const ProgramClosePath kProgramClosePaths[] = {
    {"WM_CLOSE posted", [](HWND w) { PostMessageA(w, WM_CLOSE, 0, 0); }},
    {"system menu Close", [](HWND w) { PostMessageA(w, WM_SYSCOMMAND, SC_CLOSE, 0); }},
    {"Alt+F4 posted to the focused control", [](HWND w) { PostAltF4(FocusOf(w)); }},
    {"Alt+F4 keys",
     [](HWND w) {
         SetForegroundWindow(w);
         SendAltF4();
     }},
    {"exit button clicked", ClickExitButton},
};

TEST(WelcomeProgramClose, EveryClosePathEndsTheProgramNormally)
{
    for (const ProgramClosePath& path : kProgramClosePaths)
    {
        SCOPED_TRACE(path.pszName);
        SetCursorPos(0, 0);
        CProgram program(kWelcomePath, kWelcomeFolder);
        ASSERT_TRUE(program.Started());
        HWND window = program.WaitForWelcomeWindow();
        ASSERT_NE(window, nullptr) << "the welcome window did not appear";
        path.close(window);
        EXPECT_EQ(program.WaitForExit(), 0u) << path.pszName << " did not end the program normally";
    }
}

TEST_F(WelcomeProgram, EscapeLeavesTheWindowOpen)
{
    HWND hFocus = FocusOf(window);
    ASSERT_NE(hFocus, nullptr);
    const LPARAM scan = LPARAM(MapVirtualKeyA(VK_ESCAPE, 0)) << 16;
    PostMessageA(hFocus, WM_KEYDOWN, VK_ESCAPE, 1 | scan);
    PostMessageA(hFocus, WM_KEYUP, VK_ESCAPE, 1 | scan | (LPARAM(3) << 30));
    // Posted after the keys, so handled after them: once the window is minimized, Escape is done.
    PostMessageA(window, WM_SYSCOMMAND, SC_MINIMIZE, 0);
    EXPECT_TRUE(PumpUntil([&] { return IsIconic(window) != FALSE || program.HasEnded(); }))
        << "the window neither minimized nor ended";
    EXPECT_FALSE(program.HasEnded()) << "Escape ended the program";
    EXPECT_TRUE(IsWindow(window));
    PostMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(program.WaitForExit(), 0u);
}

TEST(WelcomeProgramStartUp, MissingBackgroundEndsWithMinusOneAndNoWindowStays)
{
    CProgram program(kNoBackgroundPath, kNoBackgroundFolder);
    ASSERT_TRUE(program.Started()) << "CreateProcess of " << kNoBackgroundPath << " failed, error "
                                   << program.StartError();
    EXPECT_EQ(program.WaitForExit(), kFailedStartUp);
    EXPECT_EQ(FindWindowA(nullptr, kCaption), nullptr);
}

}  // namespace
