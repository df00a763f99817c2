// Welcome.exe itself, started as E:\Welcome.exe from the disc tree mapped as a CD-ROM drive, and
// as F:\Welcome.exe from a copy of it whose host folders are missing. The stand-in setup programs
// of the disc record that they ran; the shell's programs for a folder, a web address and a PDF
// document are pointed at a recorder of this test, which records what the shell passed on.
#include "expected_strings.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

namespace {

const char kWelcomeCaption[] = "Welcome To Kelvane Effects";
const char kRecordFolder[] = "C:\\kfx-launch";
const char kStandinRecord[] = "C:\\kfx-launch\\standin.txt";
const char kShellRecord[] = "C:\\kfx-launch\\shell.txt";
const char kRecorder[] = "D:\\launch_shell_recorder.exe";
const char kPdfProgId[] = "KelvaneFX.TestDocument";
const char kAppDefaultsKey[] = "Software\\Wine\\AppDefaults\\Welcome.exe";

constexpr DWORD kOpenTimeoutMs = 30000;
constexpr DWORD kLaunchTimeoutMs = 180000;  // a stand-in's host search walks drive C: of the prefix
constexpr DWORD kPollMs = 20;
constexpr int kBoxTextId = 0xFFFF;

constexpr int kExploreId = 134;
constexpr int kManualId = 152;
constexpr int kWebId = 155;
constexpr int kPremiereId = 140;
constexpr int kAfterEffectsId = 172;
constexpr int kExitId = 131;

struct SetupButton
{
    int nID;
    const char* folder;
    const char* exportName;
};

const SetupButton kSetupButtons[] = {
    {148, "MCXpress", "FindMCXpress"}, {160, "OnLINE", "FindOnLINE"}, {140, "Premiere", "FindPremiere"},
    {172, "AE", "FindAE"},             {168, "FAST", "FindFAST"},     {144, "Razor", "FindRazor"},
    {164, "Ltd", "FindPremiere"},
};

const int kAllButtons[] = {148, 160, 140, 172, 168, 144, 164, 155, 152, 134, 131};

bool WaitFor(const std::function<bool()>& condition, DWORD timeoutMs)
{
    const DWORD start = GetTickCount();
    while (!condition()) {
        if (GetTickCount() - start > timeoutMs)
            return false;
        Sleep(kPollMs);  // polling another process's files and windows: nothing to wait on
    }
    return true;
}

std::vector<std::string> ReadLines(const char* path)
{
    std::vector<std::string> lines;
    std::ifstream file(path, std::ios::binary);
    std::string line;
    while (std::getline(file, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (!line.empty())
            lines.push_back(line);
    }
    return lines;
}

std::vector<std::string> Split(const std::string& line, char separator)
{
    std::vector<std::string> fields;
    std::stringstream stream(line);
    std::string field;
    while (std::getline(stream, field, separator))
        fields.push_back(field);
    return fields;
}

bool SetClassCommand(const std::string& key, const std::string& value)
{
    return RegSetValueA(HKEY_CLASSES_ROOT, key.c_str(), REG_SZ, value.c_str(), static_cast<DWORD>(value.size())) ==
           ERROR_SUCCESS;
}

std::string RecorderCommand(const char* kind)
{
    return std::string("\"") + kRecorder + "\" " + kind + " \"%1\"";
}

// The Windows version that Wine reports to Welcome.exe ("nt351", "nt40", "win95"), or its default.
class WineVersionForWelcome
{
public:
    explicit WineVersionForWelcome(const char* pszVersion)
    {
        HKEY hKey = nullptr;
        if (RegCreateKeyExA(HKEY_CURRENT_USER, kAppDefaultsKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &hKey,
                            nullptr) != ERROR_SUCCESS)
            return;
        m_bSet = RegSetValueExA(hKey, "Version", 0, REG_SZ, reinterpret_cast<const BYTE*>(pszVersion),
                                static_cast<DWORD>(strlen(pszVersion) + 1)) == ERROR_SUCCESS;
        RegCloseKey(hKey);
    }
    ~WineVersionForWelcome() { RegDeleteKeyA(HKEY_CURRENT_USER, kAppDefaultsKey); }
    WineVersionForWelcome(const WineVersionForWelcome&) = delete;
    WineVersionForWelcome& operator=(const WineVersionForWelcome&) = delete;
    bool Set() const { return m_bSet; }

private:
    bool m_bSet = false;
};

struct FindWindowOf
{
    DWORD processId;
    const char* className;
    const char* caption;
    HWND found;
};

BOOL CALLBACK MatchWindow(HWND hWnd, LPARAM lParam)
{
    auto* pFind = reinterpret_cast<FindWindowOf*>(lParam);
    DWORD processId = 0;
    GetWindowThreadProcessId(hWnd, &processId);
    char szClass[64] = {};
    char szCaption[128] = {};
    GetClassNameA(hWnd, szClass, sizeof szClass);
    GetWindowTextA(hWnd, szCaption, sizeof szCaption);
    if (processId == pFind->processId && IsWindowVisible(hWnd) && strcmp(szClass, pFind->className) == 0 &&
        strcmp(szCaption, pFind->caption) == 0) {
        pFind->found = hWnd;
        return FALSE;
    }
    return TRUE;
}

struct ShownBox
{
    std::string text;
    bool bStopIcon = false;
    int nButtons = 0;
    bool bOkButton = false;
    HWND hOwner = nullptr;
};

// Memory DC with a bitmap of its own selected, released in reverse order.
class MemoryImage
{
public:
    MemoryImage(HDC hScreen, int cx, int cy)
        : m_hDC(CreateCompatibleDC(hScreen)), m_hBitmap(CreateCompatibleBitmap(hScreen, cx, cy)),
          m_hOld(SelectObject(m_hDC, m_hBitmap))
    {
    }
    ~MemoryImage()
    {
        SelectObject(m_hDC, m_hOld);
        DeleteObject(m_hBitmap);
        DeleteDC(m_hDC);
    }
    MemoryImage(const MemoryImage&) = delete;
    MemoryImage& operator=(const MemoryImage&) = delete;
    HDC DC() const { return m_hDC; }

private:
    HDC m_hDC;
    HBITMAP m_hBitmap;
    HGDIOBJ m_hOld;
};

class ScreenDC
{
public:
    ScreenDC() : m_hDC(GetDC(nullptr)) {}
    ~ScreenDC() { ReleaseDC(nullptr, m_hDC); }
    ScreenDC(const ScreenDC&) = delete;
    ScreenDC& operator=(const ScreenDC&) = delete;
    HDC Get() const { return m_hDC; }

private:
    HDC m_hDC;
};

// Whether the icon control shows the system icon `idIcon`: the screen under the control against
// the icon drawn on the control's own background colour.
bool ShowsIcon(HWND hStatic, LPCSTR idIcon)
{
    UpdateWindow(GetParent(hStatic));
    const int cx = GetSystemMetrics(SM_CXICON);
    const int cy = GetSystemMetrics(SM_CYICON);
    POINT origin = {0, 0};
    ClientToScreen(hStatic, &origin);
    ScreenDC screen;
    MemoryImage shown(screen.Get(), cx, cy);
    MemoryImage expected(screen.Get(), cx, cy);
    BitBlt(shown.DC(), 0, 0, cx, cy, screen.Get(), origin.x, origin.y, SRCCOPY);
    const COLORREF background = GetPixel(shown.DC(), 0, 0);
    HBRUSH hBrush = CreateSolidBrush(background);
    const RECT all = {0, 0, cx, cy};
    FillRect(expected.DC(), &all, hBrush);
    DeleteObject(hBrush);
    DrawIcon(expected.DC(), 0, 0, LoadIconA(nullptr, idIcon));
    int nDifferent = 0;
    for (int y = 0; y < cy; ++y)
        for (int x = 0; x < cx; ++x)
            nDifferent += GetPixel(shown.DC(), x, y) != GetPixel(expected.DC(), x, y) ? 1 : 0;
    return nDifferent == 0;
}

BOOL CALLBACK InspectBoxChild(HWND hChild, LPARAM lParam)
{
    auto* pBox = reinterpret_cast<ShownBox*>(lParam);
    char szClass[32] = {};
    GetClassNameA(hChild, szClass, sizeof szClass);
    if (_stricmp(szClass, "Button") == 0 && IsWindowVisible(hChild)) {
        ++pBox->nButtons;
        pBox->bOkButton = pBox->bOkButton || GetDlgCtrlID(hChild) == IDOK;
    } else if (_stricmp(szClass, "Static") == 0 && (GetWindowLongA(hChild, GWL_STYLE) & SS_TYPEMASK) == SS_ICON) {
        // The box's icon handle means nothing in this process; compare what it painted instead.
        pBox->bStopIcon = pBox->bStopIcon || (ShowsIcon(hChild, IDI_HAND) && !ShowsIcon(hChild, IDI_EXCLAMATION));
    }
    return TRUE;
}

// One run of Welcome.exe from a drive of the environment.
class WelcomeRun
{
public:
    explicit WelcomeRun(const char* program)
    {
        STARTUPINFOA startup{};
        startup.cb = sizeof startup;
        std::string commandLine = std::string("\"") + program + "\"";
        m_bStarted = CreateProcessA(program, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, "C:\\",
                                    &startup, &m_process) != FALSE;
        if (!m_bStarted)
            return;
        WaitFor([this] { return (m_hWindow = FindOwnWindow("#32770", kWelcomeCaption)) != nullptr &&
                                GetDlgItem(m_hWindow, kExitId) != nullptr; },
                kOpenTimeoutMs);
    }

    ~WelcomeRun()
    {
        if (!m_bStarted)
            return;
        if (m_hWindow != nullptr)
            PostMessageA(m_hWindow, WM_CLOSE, 0, 0);
        if (WaitForSingleObject(m_process.hProcess, kOpenTimeoutMs) != WAIT_OBJECT_0)
            TerminateProcess(m_process.hProcess, 1);
        CloseHandle(m_process.hThread);
        CloseHandle(m_process.hProcess);
    }

    WelcomeRun(const WelcomeRun&) = delete;
    WelcomeRun& operator=(const WelcomeRun&) = delete;

    HWND Window() const { return m_hWindow; }
    HWND Item(int nID) const { return GetDlgItem(m_hWindow, nID); }
    bool Running() const { return WaitForSingleObject(m_process.hProcess, 0) == WAIT_TIMEOUT; }

    // Press and release inside the button, as the mouse does.
    void Click(int nID) const
    {
        HWND hButton = Item(nID);
        PostMessageA(hButton, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
        PostMessageA(hButton, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    }

    // Every message posted before has been handled once this returns (unless a modal loop runs).
    void Sync() const { SendMessageTimeoutA(m_hWindow, WM_NULL, 0, 0, SMTO_NORMAL, kOpenTimeoutMs, nullptr); }

    HWND FindOwnWindow(const char* className, const char* caption) const
    {
        FindWindowOf find = {m_process.dwProcessId, className, caption, nullptr};
        EnumWindows(&MatchWindow, reinterpret_cast<LPARAM>(&find));
        return find.found;
    }

    HWND WaitForFailureBox() const
    {
        HWND hBox = nullptr;
        WaitFor([&] { return (hBox = FindOwnWindow("#32770", kFailureCaption)) != nullptr; }, kOpenTimeoutMs);
        return hBox;
    }

    static ShownBox ReadAndClose(HWND hBox)
    {
        ShownBox box;
        char szText[2048] = {};
        GetDlgItemTextA(hBox, kBoxTextId, szText, sizeof szText);
        box.text = szText;
        box.hOwner = GetWindow(hBox, GW_OWNER);
        EnumChildWindows(hBox, &InspectBoxChild, reinterpret_cast<LPARAM>(&box));
        PostMessageA(hBox, WM_COMMAND, IDOK, 0);
        WaitFor([&] { return !IsWindow(hBox); }, kOpenTimeoutMs);
        return box;
    }

private:
    bool m_bStarted = false;
    PROCESS_INFORMATION m_process{};
    HWND m_hWindow = nullptr;
};

class LaunchWelcomeTest : public testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        CreateDirectoryA(kRecordFolder, nullptr);
        SetEnvironmentVariableA("KFX_STANDIN_RECORD", kStandinRecord);
        SetEnvironmentVariableA("KFX_SHELL_RECORD", kShellRecord);
        // What the shell runs to explore a folder, to open a web address and to open a PDF document.
        s_bShellPointed = SetClassCommand("Folder\\shell\\explore\\command", RecorderCommand("explore")) &&
                          SetClassCommand("http\\shell\\open\\command", RecorderCommand("http")) &&
                          SetClassCommand(".pdf", kPdfProgId) &&
                          SetClassCommand(std::string(kPdfProgId) + "\\shell\\open\\command", RecorderCommand("pdf"));
    }

    void SetUp() override
    {
        ASSERT_TRUE(s_bShellPointed) << "the shell's commands could not be pointed at the recorder";
        DeleteFileA(kStandinRecord);
        DeleteFileA(kShellRecord);
    }

    static std::vector<std::string> WaitForLines(const char* path, size_t nCount)
    {
        std::vector<std::string> lines;
        WaitFor([&] { return (lines = ReadLines(path)).size() >= nCount; }, kLaunchTimeoutMs);
        return lines;
    }

    static bool s_bShellPointed;
};

bool LaunchWelcomeTest::s_bShellPointed = false;

TEST_F(LaunchWelcomeTest, EverySetupButtonStartsItsStandInFromTheDisc)
{
    WelcomeRun run("E:\\Welcome.exe");
    ASSERT_NE(run.Window(), nullptr) << "E:\\Welcome.exe did not open its window";
    size_t nRuns = 0;
    for (const SetupButton& button : kSetupButtons) {
        const std::string target = std::string("E:\\") + button.folder + "\\setup.exe";
        ASSERT_NE(run.Item(button.nID), nullptr) << target << ": no button " << button.nID;
        run.Click(button.nID);
        const std::vector<std::string> lines = WaitForLines(kStandinRecord, ++nRuns);
        ASSERT_EQ(lines.size(), nRuns) << target << " did not run";
        const std::vector<std::string> fields = Split(lines.back(), '|');
        ASSERT_EQ(fields.size(), 3u) << lines.back();
        EXPECT_EQ(_stricmp(fields[0].c_str(), target.c_str()), 0) << "started " << fields[0] << " for " << target;
        EXPECT_EQ(fields[1], button.exportName) << target;
        EXPECT_EQ(fields[2].rfind("ERROR", 0), std::string::npos) << target << ": " << fields[2];
        EXPECT_EQ(run.FindOwnWindow("#32770", kFailureCaption), nullptr) << target << ": a failure was reported";
        EXPECT_TRUE(run.Running() && IsWindowVisible(run.Window())) << target << ": the welcome window closed";
    }
}

TEST_F(LaunchWelcomeTest, SecondClickStartsTheSameTargetAgain)
{
    WelcomeRun run("E:\\Welcome.exe");
    ASSERT_NE(run.Window(), nullptr);
    for (size_t nClick = 1; nClick <= 2; ++nClick) {
        run.Click(kPremiereId);
        const std::vector<std::string> lines = WaitForLines(kStandinRecord, nClick);
        ASSERT_EQ(lines.size(), nClick) << "click " << nClick << " started nothing";
        EXPECT_EQ(_stricmp(Split(lines.back(), '|')[0].c_str(), "E:\\Premiere\\setup.exe"), 0) << lines.back();
    }
}

struct ShellRow
{
    const char* what;
    int nID;
    const char* kind;    // which registered command the shell ran
    const char* target;  // what it was handed, or contains for the web address
    bool bExact;
};

const ShellRow kShellRows[] = {
    {"manual", kManualId, "pdf", "E:\\Manual\\MainTOC.pdf", true},
    {"explore button", kExploreId, "explore", "E:\\", true},
    {"web-site button", kWebId, "http", kWebAddress, false},
};

TEST_F(LaunchWelcomeTest, ManualExploreAndWebButtonsAskTheShell)
{
    WelcomeRun run("E:\\Welcome.exe");
    ASSERT_NE(run.Window(), nullptr);
    size_t nRecorded = 0;
    for (const ShellRow& row : kShellRows) {
        ASSERT_NE(run.Item(row.nID), nullptr) << row.what << ": no button";
        run.Click(row.nID);
        const std::vector<std::string> lines = WaitForLines(kShellRecord, ++nRecorded);
        ASSERT_EQ(lines.size(), nRecorded) << row.what << ": the shell ran nothing";
        const std::vector<std::string> fields = Split(lines.back(), '|');
        ASSERT_EQ(fields.size(), 2u) << lines.back();
        EXPECT_EQ(fields[0], row.kind) << row.what;
        if (row.bExact) {
            EXPECT_EQ(_stricmp(fields[1].c_str(), row.target), 0) << row.what << ": the shell was handed " << fields[1];
        } else {
            EXPECT_NE(fields[1].find(row.target), std::string::npos) << row.what << ": the shell was handed " << fields[1];
        }
        run.Sync();
        EXPECT_EQ(run.FindOwnWindow("#32770", kFailureCaption), nullptr) << row.what << ": a failure was reported";
        EXPECT_TRUE(run.Running()) << row.what << ": the welcome window closed";
    }
}

struct FailureRow
{
    const char* what;
    int nID;
    const char* target;
    unsigned messageId;
};

// The copy on F: has an AE folder without its setup program and no Premiere folder at all. Wine's
// shell answers 2 (file not found) for a missing folder as well; the answer 3 and its message 8
// are shown by the in-process tests.
const FailureRow kFailureRows[] = {
    {"setup program missing", kAfterEffectsId, "F:\\AE\\setup.exe", 7},
    {"setup folder missing", kPremiereId, "F:\\Premiere\\setup.exe", 7},
    {"manual missing", kManualId, "F:\\Manual\\MainTOC.pdf", 7},
};

TEST_F(LaunchWelcomeTest, MissingTargetShowsItWithTheMessageInAStopBoxAndTheWindowStays)
{
    WelcomeRun run("F:\\Welcome.exe");
    ASSERT_NE(run.Window(), nullptr) << "F:\\Welcome.exe did not open its window";
    for (const FailureRow& row : kFailureRows) {
        for (int nClick = 1; nClick <= 2; ++nClick) {
            run.Click(row.nID);
            HWND hBox = run.WaitForFailureBox();
            ASSERT_NE(hBox, nullptr) << row.what << ", click " << nClick << ": no message box";
            const ShownBox box = WelcomeRun::ReadAndClose(hBox);
            EXPECT_EQ(box.text, std::string(row.target) + "\n" + ExpectedMessage(row.messageId))
                << row.what << ", click " << nClick;
            EXPECT_TRUE(box.bStopIcon) << row.what << ": no stop icon";
            EXPECT_EQ(box.nButtons, 1) << row.what;
            EXPECT_TRUE(box.bOkButton) << row.what;
            EXPECT_EQ(box.hOwner, run.Window()) << row.what;
        }
    }
    run.Sync();
    EXPECT_TRUE(run.Running() && IsWindowVisible(run.Window())) << "the welcome window closed";
    EXPECT_TRUE(ReadLines(kStandinRecord).empty()) << "something was started";
}

TEST_F(LaunchWelcomeTest, DisabledLaunchButtonDoesNothing)
{
    WelcomeRun run("E:\\Welcome.exe");
    ASSERT_NE(run.Window(), nullptr);
    EnableWindow(run.Item(kAfterEffectsId), FALSE);
    EnableWindow(run.Item(kManualId), FALSE);
    run.Click(kAfterEffectsId);
    run.Click(kManualId);
    run.Click(kPremiereId);  // the clicks are handled in order: once this one ran, so did those
    const std::vector<std::string> lines = WaitForLines(kStandinRecord, 1);
    ASSERT_EQ(lines.size(), 1u) << "the enabled Premiere button started nothing";
    EXPECT_EQ(_stricmp(Split(lines[0], '|')[0].c_str(), "E:\\Premiere\\setup.exe"), 0) << lines[0];
    run.Sync();
    EXPECT_EQ(ReadLines(kStandinRecord).size(), 1u) << "the disabled After Effects button started its setup";
    EXPECT_TRUE(ReadLines(kShellRecord).empty()) << "the disabled manual button opened the manual";
    EXPECT_EQ(run.FindOwnWindow("#32770", kFailureCaption), nullptr);
}

struct VersionRow
{
    const char* wineVersion;
    bool bExplore;
};

TEST_F(LaunchWelcomeTest, ExploreButtonIsAbsentOnNt351Only)
{
    const VersionRow rows[] = {{"nt351", false}, {"nt40", true}, {"win95", true}};
    for (const VersionRow& row : rows) {
        WineVersionForWelcome version(row.wineVersion);
        ASSERT_TRUE(version.Set()) << row.wineVersion;
        WelcomeRun run("E:\\Welcome.exe");
        ASSERT_NE(run.Window(), nullptr) << row.wineVersion << ": no welcome window";
        EXPECT_EQ(run.Item(kExploreId) != nullptr, row.bExplore) << row.wineVersion;
        for (int nID : kAllButtons) {
            if (nID != kExploreId) {
                EXPECT_NE(run.Item(nID), nullptr) << row.wineVersion << ": button " << nID << " is missing";
            }
        }
    }
}

}  // namespace
