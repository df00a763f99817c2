// The launch buttons in this process, on real windows and real message boxes. Where the system's
// answer cannot be arranged (the shell answering 3, a version query of NT 3.51, a module path of
// E:\Setup\Welcome.exe) the imported function is replaced for the test and records its call.
#include "expected_strings.h"
#include "import_patch.h"
#include "message_box_reader.h"

#include "framework/win_app.h"
#include "welcome/controls/welcome_button.h"
#include "welcome/launch/execute_button.h"
#include "welcome/launch/explore_button.h"
#include "welcome/launch/media_button.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr DWORD kModulePathSize = 512;
constexpr DWORD kVersionInfoSize = 148;
constexpr UINT kExitId = 131;  // has images but no string in Welcome
constexpr std::uintptr_t kStarted = 42;

// ---- What the replaced functions record and answer ----

struct ShellCall
{
    HWND hOwner;
    bool bDefaultVerb;
    std::string verb;
    std::string file;
    bool bNoParameters;
    bool bNoDirectory;
    INT nShow;
};

std::vector<ShellCall> g_shellCalls;
std::uintptr_t g_shellAnswer = kStarted;

HINSTANCE WINAPI FakeShellExecuteA(HWND hOwner, LPCSTR pszVerb, LPCSTR pszFile, LPCSTR pszParameters,
                                   LPCSTR pszDirectory, INT nShow)
{
    g_shellCalls.push_back({hOwner, pszVerb == nullptr, pszVerb ? pszVerb : "", pszFile ? pszFile : "<null>",
                            pszParameters == nullptr, pszDirectory == nullptr, nShow});
    return reinterpret_cast<HINSTANCE>(g_shellAnswer);
}

std::string g_modulePath;
int g_modulePathCalls = 0;
HMODULE g_modulePathModule = nullptr;
DWORD g_modulePathSize = 0;

// Copies as the system does: a path that does not fit fills the buffer without a terminator.
DWORD WINAPI FakeGetModuleFileNameA(HMODULE hModule, LPSTR pszBuffer, DWORD nSize)
{
    ++g_modulePathCalls;
    g_modulePathModule = hModule;
    g_modulePathSize = nSize;
    const DWORD nLength = static_cast<DWORD>(g_modulePath.size());
    if (nLength >= nSize) {
        memcpy(pszBuffer, g_modulePath.data(), nSize);
        return nSize;
    }
    memcpy(pszBuffer, g_modulePath.c_str(), nLength + 1);
    return nLength;
}

struct VersionAnswer
{
    BOOL bSucceeds;
    DWORD dwPlatformId;
    DWORD dwMajor;
    DWORD dwMinor;
};

VersionAnswer g_version = {TRUE, VER_PLATFORM_WIN32_NT, 4, 0};
DWORD g_versionSizeAsked = 0;
int g_versionQueries = 0;

BOOL WINAPI FakeGetVersionExA(LPOSVERSIONINFOA pInfo)
{
    ++g_versionQueries;
    g_versionSizeAsked = pInfo->dwOSVersionInfoSize;
    if (!g_version.bSucceeds)
        return FALSE;
    pInfo->dwPlatformId = g_version.dwPlatformId;
    pInfo->dwMajorVersion = g_version.dwMajor;
    pInfo->dwMinorVersion = g_version.dwMinor;
    pInfo->dwBuildNumber = 1057;
    return TRUE;
}

// ---- Helpers ----

std::string FailureText(const char* target, unsigned messageId)
{
    return std::string(target) + "\n" + ExpectedMessage(messageId);
}

// Resource module with a different string table, for changing the strings between two clicks.
class AltStrings
{
public:
    AltStrings() : m_hModule(LoadLibraryA("launch_alt_strings.dll")) {}
    ~AltStrings()
    {
        AfxSetResourceHandle(nullptr);
        if (m_hModule != nullptr)
            FreeLibrary(m_hModule);
    }
    bool Use()
    {
        AfxSetResourceHandle(m_hModule);
        return m_hModule != nullptr;
    }

private:
    HMODULE m_hModule;
};

class CProbeExploreButton : public CExploreButton
{
public:
    bool HoldsAnyImage() const
    {
        return m_bmNormal.GetSafeHandle() || m_bmPressed.GetSafeHandle() || m_bmFocused.GetSafeHandle() ||
               m_bmDisabled.GetSafeHandle();
    }
};

class LaunchButtonTest : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_shellPatch.Patched()) << "ShellExecuteA is not imported";
        ASSERT_TRUE(m_modulePathPatch.Patched()) << "GetModuleFileNameA is not imported";
        ASSERT_TRUE(m_versionPatch.Patched()) << "GetVersionExA is not imported";
        g_shellCalls.clear();
        g_shellAnswer = kStarted;
        g_modulePath = "E:\\Welcome.exe";
        g_modulePathCalls = 0;
        g_modulePathModule = nullptr;
        g_modulePathSize = 0;
        g_version = {TRUE, VER_PLATFORM_WIN32_NT, 4, 0};
        g_versionSizeAsked = 0;
        g_versionQueries = 0;
        m_hParent = CreateWindowExA(0, "STATIC", "launch test parent", WS_POPUP | WS_VISIBLE, 100, 100, 640, 480,
                                    nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
        ASSERT_NE(m_hParent, nullptr);
    }

    void TearDown() override
    {
        m_buttons.clear();
        DestroyWindow(m_hParent);
    }

    // Created through the class's run-time record, as the welcome window does.
    CExecuteButton* Make(const CRuntimeClass* pClass, UINT nID)
    {
        CObject* pObject = pClass->CreateObject();
        if (pObject == nullptr || !pObject->IsKindOf(RUNTIME_CLASS(CExecuteButton))) {
            delete pObject;
            return nullptr;
        }
        auto* pButton = static_cast<CExecuteButton*>(pObject);
        m_buttons.emplace_back(pButton);
        if (!pButton->CreateCtrl(nID, 10, 10, CWnd::FromHandle(m_hParent)))
            return nullptr;
        return pButton;
    }

    bool CloseWasPosted()
    {
        MSG msg;
        return PeekMessageA(&msg, m_hParent, WM_CLOSE, WM_CLOSE, PM_REMOVE) != FALSE;
    }

    void Click(CWnd* pButton)
    {
        pButton->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
        pButton->SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    }

    ImportPatch m_shellPatch{"shell32.dll", "ShellExecuteA", reinterpret_cast<void*>(&FakeShellExecuteA)};
    ImportPatch m_modulePathPatch{"kernel32.dll", "GetModuleFileNameA",
                                  reinterpret_cast<void*>(&FakeGetModuleFileNameA)};
    ImportPatch m_versionPatch{"kernel32.dll", "GetVersionExA", reinterpret_cast<void*>(&FakeGetVersionExA)};
    HWND m_hParent = nullptr;
    std::vector<std::unique_ptr<CObject>> m_buttons;
};

// ---- Run-time records ----

struct RecordRow
{
    const CRuntimeClass* pClass;
    const char* name;
    const CRuntimeClass* pBase;
};

TEST(LaunchRecords, NameTheClassAndItsBaseAndCreateAKindOfPushButton)
{
    const RecordRow rows[] = {
        {RUNTIME_CLASS(CExecuteButton), "CExecuteButton", RUNTIME_CLASS(CWelcomeButton)},
        {RUNTIME_CLASS(CMediaButton), "CMediaButton", RUNTIME_CLASS(CExecuteButton)},
        {RUNTIME_CLASS(CExploreButton), "CExploreButton", RUNTIME_CLASS(CExecuteButton)},
    };
    for (const RecordRow& row : rows) {
        EXPECT_STREQ(row.pClass->m_lpszClassName, row.name);
        EXPECT_EQ(row.pClass->m_pBaseClass, row.pBase) << row.name;
        std::unique_ptr<CObject> pObject(row.pClass->CreateObject());
        ASSERT_NE(pObject, nullptr) << row.name << ": the record creates nothing";
        EXPECT_EQ(pObject->GetRuntimeClass(), row.pClass) << row.name;
        EXPECT_TRUE(pObject->IsKindOf(RUNTIME_CLASS(CWelcomeButton))) << row.name;
        EXPECT_TRUE(pObject->IsKindOf(RUNTIME_CLASS(CExecuteButton))) << row.name;
    }
    std::unique_ptr<CObject> pPlain(RUNTIME_CLASS(CWelcomeButton)->CreateObject());
    EXPECT_FALSE(pPlain->IsKindOf(RUNTIME_CLASS(CExecuteButton))) << "the exit button passes for a launch button";
}

// ---- String table ----

TEST(LaunchStrings, HoldTheFormatsAndMessagesExactly)
{
    char szText[1024];
    for (const ExpectedString& s : kExpectedFormats) {
        ASSERT_GT(LoadStringA(GetModuleHandleA(nullptr), s.id, szText, sizeof szText), 0) << "string " << s.id;
        EXPECT_STREQ(szText, s.text) << "string " << s.id;
    }
    for (const ExpectedString& s : kExpectedMessages) {
        ASSERT_GT(LoadStringA(GetModuleHandleA(nullptr), s.id, szText, sizeof szText), 0) << "string " << s.id;
        EXPECT_STREQ(szText, s.text) << "string " << s.id;
    }
}

TEST(LaunchStrings, WebAddressIsABareHostName)
{
    const std::string address = kWebAddress;
    EXPECT_EQ(address.find_first_of("%:/\\ "), std::string::npos) << address;
    EXPECT_NE(address.find('.'), std::string::npos) << address;
}

// ---- Launches ----

struct LaunchRow
{
    const char* what;
    const CRuntimeClass* pClass;
    UINT nID;
    const char* modulePath;
    const char* verb;  // null: the default action
    const char* file;
};

const LaunchRow kLaunchRows[] = {
    {"Premiere setup", RUNTIME_CLASS(CExecuteButton), 140, "E:\\Welcome.exe", nullptr, "E:\\Premiere\\setup.exe"},
    {"Razor setup", RUNTIME_CLASS(CExecuteButton), 144, "E:\\Welcome.exe", nullptr, "E:\\Razor\\setup.exe"},
    {"MCXpress setup", RUNTIME_CLASS(CExecuteButton), 148, "E:\\Welcome.exe", nullptr, "E:\\MCXpress\\setup.exe"},
    {"OnLINE setup", RUNTIME_CLASS(CExecuteButton), 160, "E:\\Welcome.exe", nullptr, "E:\\OnLINE\\setup.exe"},
    {"limited version setup", RUNTIME_CLASS(CExecuteButton), 164, "E:\\Welcome.exe", nullptr, "E:\\Ltd\\setup.exe"},
    {"FAST setup", RUNTIME_CLASS(CExecuteButton), 168, "E:\\Welcome.exe", nullptr, "E:\\FAST\\setup.exe"},
    {"After Effects setup", RUNTIME_CLASS(CExecuteButton), 172, "E:\\Welcome.exe", nullptr, "E:\\AE\\setup.exe"},
    {"Premiere setup from a subfolder", RUNTIME_CLASS(CExecuteButton), 140, "E:\\Setup\\Welcome.exe", nullptr,
     "E:\\Setup\\Premiere\\setup.exe"},
    {"Premiere setup, program path without a backslash", RUNTIME_CLASS(CExecuteButton), 140, "Welcome.exe",
     nullptr, "Welcome.exe\\Premiere\\setup.exe"},
    {"manual", RUNTIME_CLASS(CMediaButton), 152, "E:\\Welcome.exe", "open", "E:\\Manual\\MainTOC.pdf"},
    {"web site, whatever the folder", RUNTIME_CLASS(CMediaButton), 155, "E:\\Setup\\Welcome.exe", "open",
     kWebAddress},
    {"explore the disc", RUNTIME_CLASS(CExploreButton), 134, "E:\\Welcome.exe", "explore", "E:\\"},
    {"explore a subfolder", RUNTIME_CLASS(CExploreButton), 134, "E:\\Setup\\Welcome.exe", "explore", "E:\\Setup\\"},
};

TEST_F(LaunchButtonTest, EachButtonAsksTheShellForItsTargetAndShowsNothingOnSuccess)
{
    for (const LaunchRow& row : kLaunchRows) {
        g_shellCalls.clear();
        g_modulePath = row.modulePath;
        CExecuteButton* pButton = Make(row.pClass, row.nID);
        ASSERT_NE(pButton, nullptr) << row.what << ": no window";
        MessageBoxReader boxes;
        pButton->OnClicked();
        ASSERT_EQ(g_shellCalls.size(), 1u) << row.what;
        const ShellCall& call = g_shellCalls[0];
        EXPECT_EQ(call.hOwner, m_hParent) << row.what << ": the owner is not the welcome window";
        EXPECT_EQ(call.bDefaultVerb, row.verb == nullptr) << row.what;
        EXPECT_EQ(call.verb, row.verb ? row.verb : "") << row.what;
        EXPECT_EQ(call.file, row.file) << row.what;
        EXPECT_TRUE(call.bNoParameters) << row.what;
        EXPECT_TRUE(call.bNoDirectory) << row.what;
        EXPECT_EQ(call.nShow, SW_SHOW) << row.what;
        EXPECT_EQ(g_modulePathModule, AfxGetInstanceHandle()) << row.what;
        EXPECT_EQ(g_modulePathSize, kModulePathSize) << row.what;
        EXPECT_TRUE(boxes.Boxes().empty()) << row.what << ": a successful launch showed a message";
        EXPECT_FALSE(CloseWasPosted()) << row.what << ": the click closed the welcome window";
        EXPECT_TRUE(IsWindow(pButton->GetSafeHwnd())) << row.what;
    }
}

// "\x95\x5C" is one character of code page 932 whose second byte is 0x5C. Run with a Japanese
// locale (ctest's launch_button_test_cp932, KFX_EXPECT_ACP=932), where Wine's ANSI code page is 932.
TEST_F(LaunchButtonTest, CodePage932TrailByteIsNoSeparator)
{
    const char* pszExpected = getenv("KFX_EXPECT_ACP");
    if (pszExpected != nullptr)
        ASSERT_EQ(GetACP(), static_cast<UINT>(atoi(pszExpected))) << "the locale did not set the code page";
    else if (GetACP() != 932)
        GTEST_SKIP() << "the ANSI code page is " << GetACP();
    const struct
    {
        const char* modulePath;
        const char* file;
    } rows[] = {
        {"E:\\Disc\\\x95\x5C.exe", "E:\\Disc\\Premiere\\setup.exe"},
        {"E:\\\x95\x5C\\Welcome.exe", "E:\\\x95\x5C\\Premiere\\setup.exe"},
    };
    for (const auto& row : rows) {
        g_shellCalls.clear();
        g_modulePath = row.modulePath;
        CExecuteButton* pButton = Make(RUNTIME_CLASS(CExecuteButton), 140);
        ASSERT_NE(pButton, nullptr);
        pButton->OnClicked();
        ASSERT_EQ(g_shellCalls.size(), 1u) << row.modulePath;
        EXPECT_EQ(g_shellCalls[0].file, row.file) << row.modulePath;
    }
}

TEST_F(LaunchButtonTest, MouseClickLaunchesInsteadOfClosingTheWindow)
{
    CExecuteButton* pButton = Make(RUNTIME_CLASS(CExecuteButton), 140);
    ASSERT_NE(pButton, nullptr);
    Click(pButton);
    ASSERT_EQ(g_shellCalls.size(), 1u) << "the release over the button did not launch";
    EXPECT_EQ(g_shellCalls[0].file, "E:\\Premiere\\setup.exe");
    EXPECT_FALSE(CloseWasPosted()) << "the launch button closed the welcome window";
}

struct ResultRow
{
    std::uintptr_t answer;
    unsigned messageId;  // 0: nothing shown
};

const ResultRow kResultRows[] = {
    {0, 1},  {1, 3},  {2, 7},  {3, 8},  {5, 3},  {8, 1},  {11, 6},  {26, 16}, {27, 3},
    {28, 13}, {29, 12}, {30, 11}, {31, 15}, {32, 14}, {33, 0}, {kStarted, 0},
    {0x80000000u, 0},                          // highest bit of the 32-bit result set
    {static_cast<std::uintptr_t>(-0x7FFFFFFE), 0},  // the same, sign-extended by a 64-bit handle
};

TEST_F(LaunchButtonTest, FailedLaunchShowsTheTargetAndTheMessageInAStopBox)
{
    CExecuteButton* pButton = Make(RUNTIME_CLASS(CExecuteButton), 172);
    ASSERT_NE(pButton, nullptr);
    for (const ResultRow& row : kResultRows) {
        g_shellAnswer = row.answer;
        const size_t callsBefore = g_shellCalls.size();
        MessageBoxReader boxes;
        pButton->OnClicked();
        EXPECT_EQ(g_shellCalls.size(), callsBefore + 1) << "result " << row.answer << ": not launched again";
        if (row.messageId == 0) {
            EXPECT_TRUE(boxes.Boxes().empty()) << "result " << row.answer << " counts as a failure";
            continue;
        }
        ASSERT_EQ(boxes.Boxes().size(), 1u) << "result " << row.answer << ": no message box";
        const ShownBox& box = boxes.Boxes()[0];
        EXPECT_EQ(box.text, FailureText("E:\\AE\\setup.exe", row.messageId)) << "result " << row.answer;
        EXPECT_EQ(box.caption, kFailureCaption) << "result " << row.answer;
        EXPECT_TRUE(box.bStopIcon) << "result " << row.answer << ": no stop icon";
        EXPECT_EQ(box.buttonIds, std::vector<int>{IDOK}) << "result " << row.answer << ": not a single OK button";
        EXPECT_EQ(box.hOwner, m_hParent) << "result " << row.answer << ": the box is not owned from the button";
    }
    EXPECT_FALSE(CloseWasPosted());
    EXPECT_TRUE(pButton->IsWindowEnabled());
}

TEST_F(LaunchButtonTest, MissingStringShowsMessage3UnderAnEmptyLineAndIsLookedUpAgain)
{
    AltStrings altStrings;
    CExecuteButton* pButton = Make(RUNTIME_CLASS(CExecuteButton), kExitId);
    ASSERT_NE(pButton, nullptr);
    for (int nClick = 1; nClick <= 2; ++nClick) {
        MessageBoxReader boxes;
        pButton->OnClicked();
        EXPECT_TRUE(g_shellCalls.empty()) << "click " << nClick << ": launched without a target";
        ASSERT_EQ(boxes.Boxes().size(), 1u) << "click " << nClick;
        EXPECT_EQ(boxes.Boxes()[0].text, FailureText("", 3)) << "click " << nClick;
        EXPECT_EQ(boxes.Boxes()[0].caption, kFailureCaption) << "click " << nClick;
        EXPECT_EQ(g_modulePathCalls, nClick) << "click " << nClick << ": the resolution was not tried again";
    }
    // The string turns up: the next click finds it.
    ASSERT_TRUE(altStrings.Use()) << "launch_alt_strings.dll did not load";
    MessageBoxReader boxes;
    pButton->OnClicked();
    ASSERT_EQ(g_shellCalls.size(), 1u) << "the string was not looked up again";
    EXPECT_EQ(g_shellCalls[0].file, "E:\\Later\\setup.exe");
    EXPECT_TRUE(boxes.Boxes().empty());
}

TEST_F(LaunchButtonTest, SecondClickReusesTheResolvedTarget)
{
    AltStrings altStrings;
    CExecuteButton* pButton = Make(RUNTIME_CLASS(CExecuteButton), 140);
    ASSERT_NE(pButton, nullptr);
    g_shellAnswer = 2;
    {
        MessageBoxReader boxes;
        pButton->OnClicked();
        ASSERT_EQ(boxes.Boxes().size(), 1u);
        EXPECT_EQ(boxes.Boxes()[0].text, FailureText("E:\\Premiere\\setup.exe", 7));
    }
    // Another program folder and another string table: neither may be consulted again.
    g_modulePath = "X:\\Other\\Welcome.exe";
    ASSERT_TRUE(altStrings.Use()) << "launch_alt_strings.dll did not load";
    g_shellAnswer = kStarted;
    MessageBoxReader boxes;
    pButton->OnClicked();
    ASSERT_EQ(g_shellCalls.size(), 2u);
    EXPECT_EQ(g_shellCalls[1].file, "E:\\Premiere\\setup.exe") << "the target was resolved again";
    EXPECT_EQ(g_modulePathCalls, 1) << "the program path was read again";
    EXPECT_TRUE(boxes.Boxes().empty());
}

TEST_F(LaunchButtonTest, CutOffModulePathLaunchesNothing)
{
    g_modulePath = "E:\\" + std::string(kModulePathSize, 'x') + "\\Welcome.exe";
    CExecuteButton* pButton = Make(RUNTIME_CLASS(CExecuteButton), 140);
    ASSERT_NE(pButton, nullptr);
    MessageBoxReader boxes;
    pButton->OnClicked();
    EXPECT_TRUE(g_shellCalls.empty()) << "launched a target in a cut-off folder";
    ASSERT_EQ(boxes.Boxes().size(), 1u);
    EXPECT_EQ(boxes.Boxes()[0].text, FailureText("", 3));
}

TEST_F(LaunchButtonTest, DisabledButtonDoesNothing)
{
    const LaunchRow* rows[] = {&kLaunchRows[0], &kLaunchRows[9], &kLaunchRows[11]};
    for (const LaunchRow* pRow : rows) {
        g_shellCalls.clear();
        g_modulePathCalls = 0;
        CExecuteButton* pButton = Make(pRow->pClass, pRow->nID);
        ASSERT_NE(pButton, nullptr) << pRow->what;
        pButton->EnableWindow(FALSE);
        MessageBoxReader boxes;
        pButton->OnClicked();
        Click(pButton);
        EXPECT_TRUE(g_shellCalls.empty()) << pRow->what << ": a disabled button launched";
        EXPECT_EQ(g_modulePathCalls, 0) << pRow->what << ": a disabled button resolved its target";
        EXPECT_TRUE(boxes.Boxes().empty()) << pRow->what << ": a disabled button showed a message";
        pButton->EnableWindow(TRUE);
        pButton->OnClicked();
        EXPECT_EQ(g_shellCalls.size(), 1u) << pRow->what << ": enabled again, it does not launch";
    }
}

struct VersionRow
{
    const char* what;
    VersionAnswer answer;
    bool bCreated;
};

const VersionRow kVersionRows[] = {
    {"Windows NT 3.51", {TRUE, VER_PLATFORM_WIN32_NT, 3, 51}, false},
    {"Windows NT 4.0", {TRUE, VER_PLATFORM_WIN32_NT, 4, 0}, true},
    {"Windows 95", {TRUE, VER_PLATFORM_WIN32_WINDOWS, 4, 0}, true},
    {"failed version query", {FALSE, 0, 0, 0}, true},
};

TEST_F(LaunchButtonTest, ExploreButtonHasNoWindowOnNt3Only)
{
    for (const VersionRow& row : kVersionRows) {
        g_version = row.answer;
        g_versionQueries = 0;
        CProbeExploreButton button;
        const BOOL bCreated = button.CreateCtrl(134, 10, 10, CWnd::FromHandle(m_hParent));
        EXPECT_EQ(g_versionQueries, 1) << row.what;
        EXPECT_EQ(g_versionSizeAsked, kVersionInfoSize) << row.what;
        EXPECT_EQ(bCreated != FALSE, row.bCreated) << row.what;
        EXPECT_EQ(GetDlgItem(m_hParent, 134) != nullptr, row.bCreated) << row.what;
        EXPECT_EQ(button.HoldsAnyImage(), row.bCreated) << row.what << ": images loaded for no window";
    }
}

TEST_F(LaunchButtonTest, OtherLaunchButtonsDoNotAskForTheVersion)
{
    g_version = {TRUE, VER_PLATFORM_WIN32_NT, 3, 51};
    EXPECT_NE(Make(RUNTIME_CLASS(CExecuteButton), 140), nullptr);
    EXPECT_NE(Make(RUNTIME_CLASS(CMediaButton), 152), nullptr);
    EXPECT_EQ(g_versionQueries, 0);
}

}  // namespace
