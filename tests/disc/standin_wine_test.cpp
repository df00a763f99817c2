// The stand-in setup programs of the disc tree, started the way the welcome window starts them:
// from the tree mapped as CD-ROM drive E:, with host installations on the fixed drive D:.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const char kRecordVariable[] = "KFX_STANDIN_RECORD";
const char kDiscHelper[] = "E:\\helper.dll";
const char kNoExportsLibrary[] = "D:\\Lib\\disc_no_exports.dll";
const char kAppsFolder[] = "D:\\Apps";
const char kCopiesFolder[] = "D:\\Standin";
const char kStandinCaption[] = "Kelvane Effects Setup";
const DWORD kRunTimeoutMs = 120000;  // a search walks drive C: of the prefix, then D:
const DWORD kPollMs = 20;

// Exit codes of the stand-in.
const DWORD kExitOk = 0;
const DWORD kExitUnknownHostFolder = 2;
const DWORD kExitHelperNotLoaded = 3;
const DWORD kExitExportMissing = 4;

class ScopedHandle {
public:
    explicit ScopedHandle(HANDLE handle = nullptr) : m_handle(handle) {}
    ~ScopedHandle()
    {
        if (m_handle != nullptr && m_handle != INVALID_HANDLE_VALUE)
            CloseHandle(m_handle);
    }
    ScopedHandle(const ScopedHandle&) = delete;
    ScopedHandle& operator=(const ScopedHandle&) = delete;
    HANDLE Get() const { return m_handle; }

private:
    HANDLE m_handle;
};

class ScopedFind {
public:
    ScopedFind(const std::string& pattern, WIN32_FIND_DATAA& entry) : m_handle(FindFirstFileA(pattern.c_str(), &entry)) {}
    ~ScopedFind()
    {
        if (m_handle != INVALID_HANDLE_VALUE)
            FindClose(m_handle);
    }
    ScopedFind(const ScopedFind&) = delete;
    ScopedFind& operator=(const ScopedFind&) = delete;
    bool Found() const { return m_handle != INVALID_HANDLE_VALUE; }
    bool Next(WIN32_FIND_DATAA& entry) const { return FindNextFileA(m_handle, &entry) != FALSE; }

private:
    HANDLE m_handle;
};

bool Exists(const std::string& path)
{
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

void RemoveTree(const std::string& folder)
{
    WIN32_FIND_DATAA entry{};
    {
        const ScopedFind listing(folder + "\\*", entry);
        for (bool more = listing.Found(); more; more = listing.Next(entry)) {
            const std::string name = entry.cFileName;
            if (name == "." || name == "..")
                continue;
            const std::string path = folder + "\\" + name;
            if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                RemoveTree(path);
            else
                DeleteFileA(path.c_str());
        }
    }
    RemoveDirectoryA(folder.c_str());
}

void MakeFolders(const std::string& path)
{
    for (std::size_t at = path.find('\\', 3); ; at = path.find('\\', at + 1)) {
        CreateDirectoryA(path.substr(0, at).c_str(), nullptr);
        if (at == std::string::npos)
            return;
    }
}

std::string ParentOf(const std::string& path)
{
    return path.substr(0, path.rfind('\\'));
}

void MakeEmptyFile(const std::string& path)
{
    MakeFolders(ParentOf(path));
    const ScopedHandle file(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    ASSERT_NE(file.Get(), INVALID_HANDLE_VALUE) << "could not create " << path;
}

void CopyInto(const std::string& from, const std::string& to)
{
    MakeFolders(ParentOf(to));
    ASSERT_TRUE(CopyFileA(from.c_str(), to.c_str(), FALSE)) << "could not copy " << from << " to " << to;
}

std::string RecordFile()
{
    char temp[MAX_PATH] = {};
    const DWORD length = GetTempPathA(MAX_PATH, temp);
    return std::string(temp, length) + "kfx-standin-record.txt";
}

std::vector<std::string> ReadLines(const std::string& path)
{
    std::vector<std::string> lines;
    const ScopedHandle file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
    if (file.Get() == INVALID_HANDLE_VALUE)
        return lines;
    std::string text;
    char chunk[4096];
    DWORD read = 0;
    while (ReadFile(file.Get(), chunk, sizeof(chunk), &read, nullptr) && read > 0)
        text.append(chunk, read);
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t end = text.find("\r\n", start);
        if (end == std::string::npos) {
            lines.push_back(text.substr(start) + "<no CRLF line end>");
            break;
        }
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

struct StartedProgram {
    bool started = false;
    DWORD startError = 0;
    PROCESS_INFORMATION info{};

    ~StartedProgram()
    {
        if (!started)
            return;
        if (WaitForSingleObject(info.hProcess, 0) == WAIT_TIMEOUT)
            TerminateProcess(info.hProcess, 99);  // a failed test must not leave it running
        CloseHandle(info.hThread);
        CloseHandle(info.hProcess);
    }
};

void Start(const std::string& program, StartedProgram& run)
{
    std::string commandLine = "\"" + program + "\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof(startup);
    // A working folder on a drive: without z: the test's own Unix folder is none.
    run.started = CreateProcessA(program.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, "C:\\",
                                 &startup, &run.info) != FALSE;
    run.startError = run.started ? 0 : GetLastError();
}

struct RecordedRun {
    DWORD exitCode = 0xFFFFFFFF;
    std::vector<std::string> lines;
};

// Runs a stand-in with the record variable set and waits for it to end.
void RunRecorded(const std::string& program, RecordedRun& result)
{
    const std::string record = RecordFile();
    DeleteFileA(record.c_str());
    SetEnvironmentVariableA(kRecordVariable, record.c_str());
    StartedProgram run;
    Start(program, run);
    SetEnvironmentVariableA(kRecordVariable, nullptr);
    ASSERT_TRUE(run.started) << "could not start " << program << " (error " << run.startError << ")";
    ASSERT_EQ(WaitForSingleObject(run.info.hProcess, kRunTimeoutMs), WAIT_OBJECT_0)
        << program << " did not end within " << kRunTimeoutMs / 1000 << " s";
    GetExitCodeProcess(run.info.hProcess, &result.exitCode);
    result.lines = ReadLines(record);
    DeleteFileA(record.c_str());
}

struct OwnBoxSearch {
    DWORD processId;
    HWND box;
};

BOOL CALLBACK FindOwnBox(HWND window, LPARAM parameter)
{
    OwnBoxSearch& search = *reinterpret_cast<OwnBoxSearch*>(parameter);
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    char className[32] = {};
    char caption[64] = {};
    GetClassNameA(window, className, sizeof(className));
    GetWindowTextA(window, caption, sizeof(caption));
    if (processId == search.processId && IsWindowVisible(window) && std::string(className) == "#32770" &&
        std::string(caption) == kStandinCaption) {
        search.box = window;
        return FALSE;
    }
    return TRUE;
}

struct BoxedRun {
    bool boxShown = false;
    std::string boxText;
    DWORD exitCode = 0xFFFFFFFF;
};

// Runs a stand-in without the record variable, reads the message box it shows and closes it.
void RunWithMessageBox(const std::string& program, BoxedRun& result)
{
    SetEnvironmentVariableA(kRecordVariable, nullptr);
    StartedProgram run;
    Start(program, run);
    ASSERT_TRUE(run.started) << "could not start " << program << " (error " << run.startError << ")";
    OwnBoxSearch search{run.info.dwProcessId, nullptr};
    const DWORD deadline = GetTickCount() + kRunTimeoutMs;
    while (search.box == nullptr && GetTickCount() < deadline) {
        if (WaitForSingleObject(run.info.hProcess, kPollMs) == WAIT_OBJECT_0)
            break;
        EnumWindows(FindOwnBox, reinterpret_cast<LPARAM>(&search));
    }
    if (search.box != nullptr) {
        result.boxShown = true;
        char text[2048] = {};
        GetDlgItemTextA(search.box, 0xFFFF, text, sizeof(text));
        result.boxText = text;
        PostMessageA(search.box, WM_COMMAND, IDOK, 0);
    }
    ASSERT_EQ(WaitForSingleObject(run.info.hProcess, kRunTimeoutMs), WAIT_OBJECT_0)
        << program << " did not end after its message box was closed";
    GetExitCodeProcess(run.info.hProcess, &result.exitCode);
}

// One installation per host. Adobe Premiere is on D: only, so its search walks all of C: and then
// D: (the welcome window's typical case); the others sit in a subfolder of their usual folder, which
// the search walks first, so that their runs stay short and their answers differ from the fallback.
const char* const kHostInstallations[] = {
    "D:\\Apps\\Premiere 4.2\\Premiere.exe",
    "C:\\Win32App\\Razor\\v35\\RAZOR35.EXE",
    "C:\\Avid_MCX\\Bin\\mcx.exe",
    "C:\\DVision\\OnLINE 3.0\\DVEdit.exe",
    "C:\\VMSTUDIO\\Bin\\vm.exe",
    "C:\\Adobe\\After Effects 3.1\\Program\\AfterFX.exe",
};
const char* const kFixtureFolders[] = {
    kAppsFolder, kCopiesFolder, "C:\\Win32App", "C:\\Avid_MCX", "C:\\DVision", "C:\\VMSTUDIO", "C:\\Adobe",
};

void RemoveFixtures()
{
    for (const char* folder : kFixtureFolders)
        RemoveTree(folder);
}

class DiscStandin : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        RemoveFixtures();
        for (const char* program : kHostInstallations)
            MakeEmptyFile(program);
    }

    static void TearDownTestSuite() { RemoveFixtures(); }

    void SetUp() override
    {
        ASSERT_EQ(GetDriveTypeA("E:\\"), static_cast<UINT>(DRIVE_CDROM)) << "the disc tree is not mapped as CD-ROM E:";
        ASSERT_TRUE(Exists(kDiscHelper)) << kDiscHelper << " is missing: the disc tree was built without "
                                         << "helper.dll (build the helper target, then disc_tree)";
    }
};

struct HostCase {
    const char* folder;
    const char* exportName;
    const char* pluginFolder;
};

const HostCase kHostCases[] = {
    {"Premiere", "FindPremiere", "D:\\Apps\\Premiere 4.2\\Plugins\\"},
    {"Razor", "FindRazor", "C:\\Win32App\\Razor\\v35\\TRANS\\"},
    {"MCXpress", "FindMCXpress", "C:\\Avid_MCX\\Bin\\Plugins\\"},
    {"OnLINE", "FindOnLINE", "C:\\DVision\\OnLINE 3.0\\Plugins\\"},
    {"Ltd", "FindPremiere", "D:\\Apps\\Premiere 4.2\\Plugins\\"},
    {"FAST", "FindFAST", "C:\\VMSTUDIO\\Bin\\VFX_PLUG\\"},
    {"AE", "FindAE", "C:\\Adobe\\After Effects 3.1\\Program\\Plug-ins\\KelvaneFX\\"},
};

class DiscStandinHost : public DiscStandin, public ::testing::WithParamInterface<HostCase> {};

TEST_P(DiscStandinHost, RecordsItsPathExportAndTheHostsPluginFolder)
{
    const HostCase& host = GetParam();
    const std::string program = std::string("E:\\") + host.folder + "\\setup.exe";
    RecordedRun run;
    ASSERT_NO_FATAL_FAILURE(RunRecorded(program, run));
    EXPECT_EQ(run.exitCode, kExitOk);
    ASSERT_EQ(run.lines.size(), 1u) << "expected one record line";
    EXPECT_EQ(run.lines[0], program + "|" + host.exportName + "|" + host.pluginFolder);
}

INSTANTIATE_TEST_SUITE_P(EveryHostFolder, DiscStandinHost, ::testing::ValuesIn(kHostCases),
                         [](const ::testing::TestParamInfo<HostCase>& info) { return std::string(info.param.folder); });

TEST_F(DiscStandin, HostFolderInCapitalsStillFindsItsHost)
{
    // What a drive that reads only the ISO 9660 names shows.
    CopyInto(kDiscHelper, "D:\\Standin\\Upper\\HELPER.DLL");
    CopyInto("E:\\Razor\\setup.exe", "D:\\Standin\\Upper\\RAZOR\\SETUP.EXE");
    RecordedRun run;
    ASSERT_NO_FATAL_FAILURE(RunRecorded("D:\\Standin\\Upper\\RAZOR\\SETUP.EXE", run));
    EXPECT_EQ(run.exitCode, kExitOk);
    ASSERT_EQ(run.lines.size(), 1u);
    EXPECT_EQ(run.lines[0], "D:\\Standin\\Upper\\RAZOR\\SETUP.EXE|FindRazor|C:\\Win32App\\Razor\\v35\\TRANS\\");
}

struct FailureCase {
    const char* what;
    const char* library;  // copied to the root as helper.dll, or nullptr for none
    const char* program;  // where the stand-in is copied to and run from
    const char* exportName;
    DWORD exitCode;
    const char* reason;
};

const FailureCase kFailureCases[] = {
    {"NoHelperDll", nullptr, "D:\\Standin\\Lonely\\Premiere\\setup.exe", "FindPremiere", kExitHelperNotLoaded,
     "helper.dll could not be loaded from D:\\Standin\\Lonely\\helper.dll (error "},
    {"HelperWithoutTheExport", kNoExportsLibrary, "D:\\Standin\\Wrong\\AE\\setup.exe", "FindAE", kExitExportMissing,
     "D:\\Standin\\Wrong\\helper.dll has no export FindAE"},
    {"UnknownHostFolder", nullptr, "D:\\Standin\\Lonely\\Extras\\setup.exe", "", kExitUnknownHostFolder,
     "no host uses the folder \"Extras\""},
    {"NotInAnyFolder", nullptr, "D:\\setup.exe", "", kExitUnknownHostFolder,
     "the program D:\\setup.exe is not in a host folder of the disc"},
};

class DiscStandinFailure : public DiscStandin, public ::testing::WithParamInterface<FailureCase> {
protected:
    void PlaceStandin()
    {
        const FailureCase& failure = GetParam();
        if (failure.library != nullptr) {
            ASSERT_TRUE(Exists(failure.library)) << failure.library << " was not built";
            CopyInto(failure.library, ParentOf(ParentOf(failure.program)) + "\\helper.dll");
        }
        CopyInto("E:\\Premiere\\setup.exe", failure.program);
    }

    void TearDown() override { DeleteFileA("D:\\setup.exe"); }
};

TEST_P(DiscStandinFailure, EndsNonzeroAndRecordsTheReason)
{
    const FailureCase& failure = GetParam();
    ASSERT_NO_FATAL_FAILURE(PlaceStandin());
    RecordedRun run;
    ASSERT_NO_FATAL_FAILURE(RunRecorded(failure.program, run));
    EXPECT_EQ(run.exitCode, failure.exitCode);
    ASSERT_EQ(run.lines.size(), 1u) << "expected one record line";
    const std::string expectedStart = std::string(failure.program) + "|" + failure.exportName + "|ERROR: " + failure.reason;
    EXPECT_EQ(run.lines[0].compare(0, expectedStart.size(), expectedStart), 0)
        << "record line: " << run.lines[0] << "\nexpected it to start with: " << expectedStart;
}

TEST_P(DiscStandinFailure, ShowsTheReasonInItsMessageBox)
{
    const FailureCase& failure = GetParam();
    ASSERT_NO_FATAL_FAILURE(PlaceStandin());
    BoxedRun run;
    ASSERT_NO_FATAL_FAILURE(RunWithMessageBox(failure.program, run));
    ASSERT_TRUE(run.boxShown) << "no message box \"" << kStandinCaption << "\" appeared";
    EXPECT_NE(run.boxText.find(failure.reason), std::string::npos) << run.boxText;
    EXPECT_EQ(run.exitCode, failure.exitCode);
}

INSTANTIATE_TEST_SUITE_P(Cases, DiscStandinFailure, ::testing::ValuesIn(kFailureCases),
                         [](const ::testing::TestParamInfo<FailureCase>& info) { return std::string(info.param.what); });

TEST_F(DiscStandin, ShowsThePluginFolderAndSaysItIsTheStandIn)
{
    BoxedRun run;
    ASSERT_NO_FATAL_FAILURE(RunWithMessageBox("E:\\AE\\setup.exe", run));
    ASSERT_TRUE(run.boxShown) << "no message box \"" << kStandinCaption << "\" appeared";
    EXPECT_NE(run.boxText.find("\nC:\\Adobe\\After Effects 3.1\\Program\\Plug-ins\\KelvaneFX\\\n"), std::string::npos)
        << run.boxText;
    EXPECT_NE(run.boxText.find("stand-in setup program"), std::string::npos) << run.boxText;
    EXPECT_NE(run.boxText.find("real setup program"), std::string::npos) << run.boxText;
    EXPECT_EQ(run.exitCode, kExitOk);
}

}  // namespace
