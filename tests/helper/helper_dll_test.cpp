// helper.dll under Wine, in a prefix whose drives the test run prepared: C: the prefix's own
// drive, D: a fixed drive, E: a CD-ROM and F: a network drive, each on a fixture folder. Every test
// loads the library afresh (its cancel flag lives as long as the load) and makes the files it needs.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "drive_scan_trigger.h"
#include "fixture_files.h"
#include "helper_library.h"
#include "helper_test_support.h"
#include "message_hook.h"
#include "search_window_watch.h"

namespace {

// What each export is expected to do, written out here independently of the library's table.
struct ExportRow {
    const char* name;
    const char* exeFile;  // a file the pattern matches
    const char* defaultFolder;
    const char* subfolder;
    const wchar_t* windowText;
};

const ExportRow kExports[] = {
    {"FindPremiere", "Premiere.exe", "C:\\Win32App\\Premiere\\", "Plugins\\",
     L"Searching For Adobe Premiere\x2122\nPlease Wait..."},
    {"FindRazor", "Razor40.exe", "C:\\Win32App\\Razor\\", "TRANS\\",
     L"Searching For In:Sync Speed-Razor\x2122\nPlease Wait..."},
    {"FindMCXpress", "mcx.exe", "C:\\Avid_MCX\\", "Plugins\\", L"Searching For Avid MCXpress\x2122\nPlease Wait..."},
    {"FindOnLINE", "DVEdit.exe", "C:\\DVision\\", "Plugins\\", L"Searching For D-Vision OnLINE\x2122\nPlease Wait..."},
    {"FindFAST", "vm.exe", "C:\\VMSTUDIO\\", "VFX_PLUG\\",
     L"Searching For ///FAST VM-Studio Plus\x2122\nPlease Wait..."},
    {"FindAE", "AfterFX.exe", "C:\\Adobe\\After Effects 3.1\\", "Plug-ins\\KelvaneFX\\",
     L"Searching For Adobe After Effects\x2122\nPlease Wait..."},
    {"FindAEDemo", "AfterFX.exe", "C:\\Adobe\\After Effects 3.1\\", "Plug-ins\\KelvaneFX Demo\\",
     L"Searching For Adobe After Effects\x2122\nPlease Wait..."},
};

std::string Fallback(const ExportRow& row)
{
    return std::string(row.defaultFolder) + row.subfolder;
}

// Whatever an interrupted earlier run left on the prepared drives goes before the first test.
class LeftoverCleaner : public testing::Environment {
public:
    void SetUp() override
    {
        for (const char* folder : {"C:\\Win32App", "C:\\Avid_MCX", "C:\\VMSTUDIO", "C:\\Adobe", "C:\\DVision",
                                   "C:\\vm.exe", "D:\\", "E:\\", "F:\\"})
            CFixtureFiles::RemoveTree(folder);
    }
};

const testing::Environment* const kCleaner = testing::AddGlobalTestEnvironment(new LeftoverCleaner);

class HelperDll : public testing::Test {
protected:
    FindFunction Find(const char* name)
    {
        FindFunction find = m_library.Export(name);
        EXPECT_NE(find, nullptr) << name << " is not exported";
        return find;
    }
    void Put(const std::string& path) { ASSERT_TRUE(m_files.AddFile(path)) << "could not create " << path; }

    CHelperLibrary m_library;
    CFixtureFiles m_files;
    COwnerWindow m_owner;
};

TEST_F(HelperDll, LoadsAndExportsTheSevenFunctions)
{
    ASSERT_NE(m_library.Module(), nullptr) << "helper.dll did not load";
    for (const ExportRow& row : kExports)
        EXPECT_NE(m_library.Export(row.name), nullptr) << row.name;
}

// Where the host is installed, and what the export must answer for it.
enum class Placement { DefaultTree, DriveD, DriveRoot, CdromOrNetworkOnly, Nowhere };

struct PlacementCase {
    const ExportRow* row;
    Placement placement;
};

std::string CaseName(const testing::TestParamInfo<PlacementCase>& info)
{
    static const char* const kNames[] = {"InDefaultTree", "OnDriveD", "InDriveRoot", "OnlyOnCdromOrNetwork",
                                         "Nowhere"};
    return std::string(info.param.row->name) + "_" + kNames[static_cast<int>(info.param.placement)];
}

std::vector<PlacementCase> AllPlacements()
{
    std::vector<PlacementCase> cases;
    for (const ExportRow& row : kExports)
        for (Placement p : {Placement::DefaultTree, Placement::DriveD, Placement::DriveRoot,
                            Placement::CdromOrNetworkOnly, Placement::Nowhere})
            cases.push_back({&row, p});
    return cases;
}

void PrintTo(const PlacementCase& c, std::ostream* out)
{
    *out << c.row->name << " placement " << static_cast<int>(c.placement);
}

class ExportResult : public HelperDll, public testing::WithParamInterface<PlacementCase> {};

TEST_P(ExportResult, WritesThePluginFolderAndShowsItsWindow)
{
    const ExportRow& row = *GetParam().row;
    std::string expected = Fallback(row);
    switch (GetParam().placement) {
    case Placement::DefaultTree:
        Put(std::string(row.defaultFolder) + "Bin\\" + row.exeFile);
        expected = std::string(row.defaultFolder) + "Bin\\" + row.subfolder;
        break;
    case Placement::DriveD:
        Put(std::string("D:\\Apps\\Host 4.2\\") + row.exeFile);
        expected = std::string("D:\\Apps\\Host 4.2\\") + row.subfolder;
        break;
    case Placement::DriveRoot:
        Put(std::string("D:\\") + row.exeFile);
        expected = std::string("D:\\") + row.subfolder;
        break;
    case Placement::CdromOrNetworkOnly:
        Put(std::string("E:\\Apps\\") + row.exeFile);
        Put(std::string("F:\\") + row.exeFile);
        break;
    case Placement::Nowhere:
        break;
    }
    CSearchWindowWatch watch;
    const FindCall call = CallFind(Find(row.name), m_owner.Handle());
    EXPECT_EQ(call.answer, 1);
    EXPECT_EQ(call.result, expected);
    EXPECT_TRUE(call.untouchedAfterResult) << "written past the result";
    ASSERT_EQ(watch.Windows().size(), 1u) << "one search window per call";
    const SearchWindowRecord& window = watch.Windows()[0];
    EXPECT_TRUE(window.destroyed) << "the search window outlived the call";
    EXPECT_TRUE(window.visible);
    EXPECT_EQ(window.owner, m_owner.Handle());
    EXPECT_EQ(window.text, row.windowText);
    EXPECT_EQ(window.cancelText, L"Cancel");
}

INSTANTIATE_TEST_SUITE_P(HelperDll, ExportResult, testing::ValuesIn(AllPlacements()), CaseName);

TEST_F(HelperDll, PremiereOnDriveD)
{
    Put("D:\\Apps\\Premiere 4.2\\Premiere.exe");
    EXPECT_EQ(CallFind(Find("FindPremiere"), m_owner.Handle()).result, "D:\\Apps\\Premiere 4.2\\Plugins\\");
}

TEST_F(HelperDll, RazorPatternMatchesEitherCaseAndTwoCharactersOnly)
{
    struct Case {
        const char* file;
        bool matches;
    };
    const Case cases[] = {{"RAZOR40.EXE", true}, {"Razor35.exe", true}, {"Razor5.exe", false}, {"Razor123.exe", false}};
    for (const Case& c : cases) {
        CHelperLibrary library;
        CFixtureFiles files;
        const std::string folder = "D:\\Speed\\";
        ASSERT_TRUE(files.AddFile(folder + c.file));
        const FindCall call = CallFind(library.Export("FindRazor"), m_owner.Handle());
        EXPECT_EQ(call.result, c.matches ? "D:\\Speed\\TRANS\\" : "C:\\Win32App\\Razor\\TRANS\\") << c.file;
    }
}

TEST_F(HelperDll, FolderNamedLikeTheExecutableCounts)
{
    ASSERT_TRUE(m_files.AddFolder("D:\\Tools\\mcx.exe\\"));
    EXPECT_EQ(CallFind(Find("FindMCXpress"), m_owner.Handle()).result, "D:\\Tools\\Plugins\\");
}

TEST_F(HelperDll, HiddenFoldersAreSearched)
{
    ASSERT_TRUE(m_files.AddFolder("D:\\Secret\\", FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM));
    Put("D:\\Secret\\DVEdit.exe");
    EXPECT_EQ(CallFind(Find("FindOnLINE"), m_owner.Handle()).result, "D:\\Secret\\Plugins\\");
}

TEST_F(HelperDll, FoundInTheDefaultFolderShowsAPaintedWindowAndPumpsNothing)
{
    Put("C:\\Adobe\\After Effects 3.1\\AfterFX.exe");
    CSearchWindowWatch watch(true);
    const FindCall call = CallFind(Find("FindAE"), m_owner.Handle());
    EXPECT_EQ(call.result, "C:\\Adobe\\After Effects 3.1\\Plug-ins\\KelvaneFX\\");
    ASSERT_EQ(watch.Windows().size(), 1u);
    EXPECT_TRUE(watch.Windows()[0].visible);
    EXPECT_TRUE(watch.Windows()[0].painted) << "the window was not painted before the search";
    EXPECT_TRUE(watch.Windows()[0].probeStillQueued) << "a message was pumped although nothing was walked";
}

TEST_F(HelperDll, AeAndAeDemoShareTheWindowAndDifferInTheSubfolder)
{
    Put("D:\\AE\\AfterFX.exe");
    CSearchWindowWatch watch;
    EXPECT_EQ(CallFind(Find("FindAE"), m_owner.Handle()).result, "D:\\AE\\Plug-ins\\KelvaneFX\\");
    EXPECT_EQ(CallFind(Find("FindAEDemo"), m_owner.Handle()).result, "D:\\AE\\Plug-ins\\KelvaneFX Demo\\");
    ASSERT_EQ(watch.Windows().size(), 2u);
    EXPECT_EQ(watch.Windows()[0].text, watch.Windows()[1].text);
}

TEST_F(HelperDll, NullParentGivesAWindowWithoutOwner)
{
    Put("D:\\Apps\\vm.exe");
    CSearchWindowWatch watch;
    const FindCall call = CallFind(Find("FindFAST"), nullptr);
    EXPECT_EQ(call.answer, 1);
    EXPECT_EQ(call.result, "D:\\Apps\\VFX_PLUG\\");
    ASSERT_EQ(watch.Windows().size(), 1u);
    EXPECT_TRUE(watch.Windows()[0].visible);
    EXPECT_EQ(watch.Windows()[0].owner, nullptr);
}

TEST_F(HelperDll, IgnoredArgumentsMayHoldAnything)
{
    Put("C:\\DVision\\DVEdit.exe");
    const DWORD values[][3] = {{0, 0, 0}, {0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF}, {0xDEADBEEF, 1, 0x80000000}};
    for (const auto& v : values) {
        const FindCall call = CallFind(Find("FindOnLINE"), m_owner.Handle(), v[0], v[1], v[2]);
        EXPECT_EQ(call.answer, 1);
        EXPECT_EQ(call.result, "C:\\DVision\\Plugins\\");
    }
}

TEST_F(HelperDll, NullResultBufferIsNotWritten)
{
    CSearchWindowWatch watch;
    EXPECT_EQ(Find("FindPremiere")(m_owner.Handle(), 0, 0, nullptr, 0), 1);
    EXPECT_EQ(watch.StillOpen(), 0);
}

TEST_F(HelperDll, CallerMessagesStayQueuedWhileTheWindowExists)
{
    Put("D:\\P\\Premiere.exe");
    PostMessageA(m_owner.Handle(), COwnerWindow::kOwnerPing, 0, 0);
    EXPECT_EQ(CallFind(Find("FindPremiere"), m_owner.Handle()).result, "D:\\P\\Plugins\\");
    EXPECT_EQ(m_owner.Pings(), 0) << "the search dispatched a message of the caller's window";
    MSG message;
    EXPECT_TRUE(PeekMessageA(&message, m_owner.Handle(), COwnerWindow::kOwnerPing, COwnerWindow::kOwnerPing, PM_REMOVE));
}

// ---- Cancelling -------------------------------------------------------------------------------

using CancelAction = void (*)(HWND dialog, HWND cancelButton);

struct CancelCase {
    const char* name;
    CancelAction action;
};

void PressKey(WORD key)
{
    INPUT inputs[2] = {};
    inputs[0].type = inputs[1].type = INPUT_KEYBOARD;
    inputs[0].ki.wVk = inputs[1].ki.wVk = key;
    inputs[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, inputs, sizeof(INPUT));
}

const CancelCase kCancelCases[] = {
    {"ButtonClicked", [](HWND, HWND button) { PostMessageA(button, BM_CLICK, 0, 0); }},
    {"EscapeKey", [](HWND, HWND button) { PostMessageA(button, WM_KEYDOWN, VK_ESCAPE, 0x00010001); }},
    {"EnterOnTheButton", [](HWND, HWND button) { PostMessageA(button, WM_KEYDOWN, VK_RETURN, 0x001C0001); }},
    {"SpaceOnTheButton",
     [](HWND, HWND button) {
         PostMessageA(button, WM_KEYDOWN, VK_SPACE, 0x00390001);
         PostMessageA(button, WM_KEYUP, VK_SPACE, 0xC0390001);
     }},
    {"EscapeTyped", [](HWND, HWND) { PressKey(VK_ESCAPE); }},
};

void PrintTo(const CancelCase& c, std::ostream* out)
{
    *out << c.name;
}

// Acts on the search window the way the user would, once the drive scan has begun.
class CancelDuringDriveScan {
public:
    CancelDuringDriveScan(HMODULE helper, CancelAction action)
        : m_trigger(helper, [this, action] {
              HWND dialog = FindSearchWindow();
              m_bActed = dialog != nullptr;
              if (m_bActed)
                  action(dialog, GetDlgItem(dialog, IDCANCEL));
          })
    {
    }
    bool Acted() const { return m_bActed; }
    int DriveTypeCalls() const { return m_trigger.DriveTypeCalls(); }
    bool IsInstalled() const { return m_trigger.IsInstalled(); }

private:
    bool m_bActed = false;
    CDriveScanTrigger m_trigger;
};

class SearchCancel : public HelperDll, public testing::WithParamInterface<CancelCase> {};

TEST_P(SearchCancel, DuringTheDriveScanGivesTheFallbackAndKeepsTheWindowUntilTheCallReturns)
{
    Put("D:\\Apps\\Premiere 4.2\\Premiere.exe");  // found, unless the cancel is honoured
    CSearchWindowWatch watch;
    CancelDuringDriveScan cancel(m_library.Module(), GetParam().action);
    ASSERT_TRUE(cancel.IsInstalled());
    const FindCall call = CallFind(Find("FindPremiere"), m_owner.Handle());
    ASSERT_TRUE(cancel.Acted()) << "no search window on screen during the drive scan";
    EXPECT_EQ(call.answer, 1);
    EXPECT_EQ(call.result, "C:\\Win32App\\Premiere\\Plugins\\") << "the cancel was not honoured";
    ASSERT_EQ(watch.Windows().size(), 1u);
    EXPECT_TRUE(watch.Windows()[0].destroyed);
    EXPECT_TRUE(watch.Windows()[0].visible) << "the cancel closed the window before the call returned";
}

INSTANTIATE_TEST_SUITE_P(HelperDll, SearchCancel, testing::ValuesIn(kCancelCases),
                         [](const testing::TestParamInfo<CancelCase>& info) { return info.param.name; });

TEST_F(HelperDll, SecondCallAfterACancelShowsItsWindowAndFallsBackAtOnce)
{
    Put("D:\\Apps\\Premiere.exe");
    CSearchWindowWatch watch;
    CancelDuringDriveScan cancel(m_library.Module(), [](HWND, HWND button) { PostMessageA(button, BM_CLICK, 0, 0); });
    EXPECT_EQ(CallFind(Find("FindPremiere"), m_owner.Handle()).result, "C:\\Win32App\\Premiere\\Plugins\\");
    ASSERT_TRUE(cancel.Acted());
    const int driveTypeCalls = cancel.DriveTypeCalls();

    // Now the default tree holds the host too, below its folder: only the folder itself is tested.
    Put("C:\\Win32App\\Premiere\\Below\\Premiere.exe");
    const FindCall second = CallFind(Find("FindPremiere"), m_owner.Handle());
    EXPECT_EQ(second.answer, 1);
    EXPECT_EQ(second.result, "C:\\Win32App\\Premiere\\Plugins\\") << "searched again after the cancel";
    EXPECT_EQ(cancel.DriveTypeCalls(), driveTypeCalls) << "a drive was looked at after the cancel";
    ASSERT_EQ(watch.Windows().size(), 2u);
    EXPECT_TRUE(watch.Windows()[1].destroyed);
    EXPECT_TRUE(watch.Windows()[1].visible) << "the call after the cancel showed no window";
}

TEST_F(HelperDll, QuitRequestEndsTheSearchAndIsPutBackWithItsExitCode)
{
    constexpr int kExitCode = 7;
    Put("D:\\Apps\\Premiere.exe");
    CDriveScanTrigger quit(m_library.Module(), [] { PostQuitMessage(kExitCode); });
    const FindCall call = CallFind(Find("FindPremiere"), m_owner.Handle());
    ASSERT_EQ(quit.DriveTypeCalls(), 1) << "the search went on to further drives after the quit request";
    EXPECT_EQ(call.result, "C:\\Win32App\\Premiere\\Plugins\\");
    MSG message;
    ASSERT_TRUE(PeekMessageA(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) << "the quit request was lost";
    EXPECT_EQ(static_cast<int>(message.wParam), kExitCode);
}

TEST_F(HelperDll, InvalidParentSearchesWithoutAWindowAndPumpsTheCallersMessages)
{
    Put("D:\\Apps\\mcx.exe");
    CSearchWindowWatch watch;
    PostMessageA(m_owner.Handle(), COwnerWindow::kOwnerPing, 0, 0);
    HWND invalid = reinterpret_cast<HWND>(static_cast<ULONG_PTR>(0x7FFF1234));
    const FindCall call = CallFind(Find("FindMCXpress"), invalid);
    EXPECT_EQ(call.answer, 1);
    EXPECT_EQ(call.result, "D:\\Apps\\Plugins\\");
    EXPECT_EQ(watch.StillOpen(), 0);
    EXPECT_EQ(m_owner.Pings(), 1) << "without a window the pump takes every message of the thread";
}

TEST_F(HelperDll, NestedCallKeepsTheOuterWindowAndLeavesNone)
{
    constexpr UINT kNestedCall = WM_APP + 2;
    Put("C:\\VMSTUDIO\\sub\\vm.exe");
    Put("C:\\Win32App\\Premiere\\Premiere.exe");
    CSearchWindowWatch watch;
    watch.onCreate = [&watch](HWND window) {
        if (watch.Windows().size() == 1)
            PostMessageA(window, kNestedCall, 0, 0);
    };
    FindFunction premiere = Find("FindPremiere");
    HWND owner = m_owner.Handle();
    FindCall inner;
    CMessageHook hook([&](const MSG& message) {
        if (message.message == kNestedCall)
            inner = CallFind(premiere, owner);
    });
    const FindCall outer = CallFind(Find("FindFAST"), owner);
    EXPECT_EQ(inner.result, "C:\\Win32App\\Premiere\\Plugins\\") << "the nested call did not run";
    EXPECT_EQ(outer.result, "C:\\VMSTUDIO\\sub\\VFX_PLUG\\");
    ASSERT_EQ(watch.Windows().size(), 2u);
    EXPECT_EQ(watch.StillOpen(), 0) << "a search window is still on screen";
}

TEST(HelperDllWithoutTemplates, SearchesWithoutAWindowAndPumpsTheCallersMessages)
{
    CHelperLibrary library("helper_without_templates.dll");
    ASSERT_NE(library.Module(), nullptr);
    CFixtureFiles files;
    ASSERT_TRUE(files.AddFile("D:\\Apps\\Premiere 4.2\\Premiere.exe"));
    COwnerWindow owner;
    CSearchWindowWatch watch;
    PostMessageA(owner.Handle(), COwnerWindow::kOwnerPing, 0, 0);
    const FindCall call = CallFind(library.Export("FindPremiere"), owner.Handle());
    EXPECT_EQ(call.answer, 1);
    EXPECT_EQ(call.result, "D:\\Apps\\Premiere 4.2\\Plugins\\");
    EXPECT_TRUE(watch.Windows().empty()) << "a window without a template";
    EXPECT_EQ(owner.Pings(), 1);
}

// ---- Dialog templates -------------------------------------------------------------------------

class TemplateReader {
public:
    explicit TemplateReader(const void* data) : m_p(static_cast<const BYTE*>(data)) {}
    WORD Word() { WORD w; memcpy(&w, m_p, 2); m_p += 2; return w; }
    DWORD Dword() { DWORD d; memcpy(&d, m_p, 4); m_p += 4; return d; }
    std::wstring Text()
    {
        std::wstring text;
        for (WORD c = Word(); c != 0; c = Word())
            text += static_cast<wchar_t>(c);
        return text;
    }
    // A class or title field: 0xFFFF and an ordinal, or a text.
    std::wstring Field()
    {
        WORD first;
        memcpy(&first, m_p, 2);
        if (first == 0xFFFF) {
            Word();
            return L"#" + std::to_wstring(Word());
        }
        return Text();
    }
    void AlignDword(const void* base)
    {
        while ((m_p - static_cast<const BYTE*>(base)) % 4 != 0)
            ++m_p;
    }

private:
    const BYTE* m_p;
};

struct ItemExpectation {
    DWORD style;
    short x, y, cx, cy;
    WORD id;
    const wchar_t* windowClass;
};

class DialogTemplate : public testing::TestWithParam<int> {};

TEST_P(DialogTemplate, IsTheStandardSearchWindowWithItsText)
{
    const int id = GetParam();
    CHelperLibrary library;
    HRSRC resource = FindResourceExA(library.Module(), MAKEINTRESOURCEA(5), MAKEINTRESOURCEA(id),
                                     MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US));
    ASSERT_NE(resource, nullptr) << "no US English dialog " << id;
    const void* base = LockResource(LoadResource(library.Module(), resource));
    TemplateReader reader(base);
    const DWORD style = reader.Dword();
    EXPECT_NE(style, 0xFFFF0001u) << "extended template";
    EXPECT_EQ(style, 0x900008C0u);
    EXPECT_EQ(reader.Dword(), 0u) << "extended style";
    EXPECT_EQ(reader.Word(), 2) << "control count";
    const short frame[4] = {static_cast<short>(reader.Word()), static_cast<short>(reader.Word()),
                            static_cast<short>(reader.Word()), static_cast<short>(reader.Word())};
    EXPECT_EQ(frame[0], 0);
    EXPECT_EQ(frame[1], 0);
    EXPECT_EQ(frame[2], 186);
    EXPECT_EQ(frame[3], 48);
    EXPECT_EQ(reader.Field(), L"") << "menu";
    EXPECT_EQ(reader.Field(), L"") << "window class";
    EXPECT_EQ(reader.Text(), L"") << "caption";
    EXPECT_EQ(reader.Word(), 10) << "font size";
    EXPECT_EQ(reader.Text(), L"Courier New");

    const wchar_t* texts[] = {nullptr,
                              L"Searching For Adobe Premiere\x2122\nPlease Wait...",
                              L"Searching For In:Sync Speed-Razor\x2122\nPlease Wait...",
                              L"Searching For Avid MCXpress\x2122\nPlease Wait...",
                              L"Searching For D-Vision OnLINE\x2122\nPlease Wait...",
                              L"Searching For ///FAST VM-Studio Plus\x2122\nPlease Wait...",
                              L"Searching For Adobe After Effects\x2122\nPlease Wait..."};
    const ItemExpectation items[] = {{0x50020001, 7, 7, 172, 18, 0xFFFF, L"#130"},
                                     {0x50010001, 129, 27, 50, 14, IDCANCEL, L"#128"}};
    const wchar_t* itemTexts[] = {texts[id - 100], L"Cancel"};
    for (int i = 0; i < 2; ++i) {
        SCOPED_TRACE("control " + std::to_string(i + 1));
        reader.AlignDword(base);
        EXPECT_EQ(reader.Dword(), items[i].style);
        EXPECT_EQ(reader.Dword(), 0u) << "extended style";
        EXPECT_EQ(static_cast<short>(reader.Word()), items[i].x);
        EXPECT_EQ(static_cast<short>(reader.Word()), items[i].y);
        EXPECT_EQ(static_cast<short>(reader.Word()), items[i].cx);
        EXPECT_EQ(static_cast<short>(reader.Word()), items[i].cy);
        EXPECT_EQ(reader.Word(), items[i].id);
        EXPECT_EQ(reader.Field(), items[i].windowClass);
        EXPECT_EQ(reader.Field(), itemTexts[i]);
        EXPECT_EQ(reader.Word(), 0) << "creation data";
    }
}

INSTANTIATE_TEST_SUITE_P(HelperDll, DialogTemplate, testing::Range(101, 107));

}  // namespace
