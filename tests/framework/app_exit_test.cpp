// The exit code of a program on the framework's entry, read from a real process.
#include "framework/win_headers.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// The test program's folder is drive D: (see CMakeLists.txt).
const char kAppPath[] = "D:\\framework_test_app.exe";
const char kAppFolder[] = "D:\\";
const DWORD kGenerousWaitMs = 30000;

struct ExitCase
{
    const char* pszArgument;
    int nExpectedExitCode;
    const char* pszWhat;
};

const ExitCase kExitCases[] = {
    {"fail-after-quit", -1, "InitInstance FALSE after PostQuitMessage(-1) ends with -1"},
    {"fail-plain", 0, "InitInstance FALSE without a quit request ends with 0"},
    {"run-until-quit", 7, "InitInstance TRUE runs the loop until the quit request, whose code is the exit code"},
    {"dialog-init-fails", -1, "a dialog whose initialisation posts quit(-1): DoModal -1, quit put back, exit -1"},
    {"dialog-closed", 0, "a dialog closed with IDOK, then InitInstance FALSE: exit 0"},
};

int RunAppAndGetExitCode(const char* pszArgument)
{
    std::string commandLine = std::string("\"") + kAppPath + "\" " + pszArgument;
    STARTUPINFOA startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    if (!::CreateProcessA(kAppPath, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, kAppFolder, &startup,
                          &process)) {
        ADD_FAILURE() << "could not start " << kAppPath << " (error " << ::GetLastError() << ")";
        return 12345;
    }
    const DWORD wait = ::WaitForSingleObject(process.hProcess, kGenerousWaitMs);
    DWORD exitCode = 12345;
    if (wait == WAIT_OBJECT_0)
        ::GetExitCodeProcess(process.hProcess, &exitCode);
    else {
        ADD_FAILURE() << "the program did not end within " << kGenerousWaitMs << " ms";
        ::TerminateProcess(process.hProcess, 1);
    }
    ::CloseHandle(process.hThread);
    ::CloseHandle(process.hProcess);
    return static_cast<int>(exitCode);
}

}  // namespace

TEST(FrameworkAppEntry, ExitCodeFollowsInitInstanceAndThePendingQuitRequest)
{
    for (const ExitCase& exitCase : kExitCases) {
        SCOPED_TRACE(exitCase.pszWhat);
        EXPECT_EQ(RunAppAndGetExitCode(exitCase.pszArgument), exitCase.nExpectedExitCode);
    }
}
