// Stand-in for the per-host setup programs of the Kelvane Effects disc. It sits in a host folder
// (E:\Premiere\setup.exe), loads helper.dll from the disc root, asks the host's export for the
// plug-in folder and shows the answer, so that the way from the welcome window to the host search
// works before a vendor puts the real setup programs on the disc.
//
// For tests: when KFX_STANDIN_RECORD names a file, one line "<own path>|<export>|<folder>" (or
// "...|ERROR: <reason>") is appended to it instead of showing a message box.
#include <windows.h>

#include <cstdio>
#include <memory>
#include <string>

#include "loaded_library.h"
#include "standin_host_table.h"
#include "standin_location.h"
#include "standin_outcome.h"

namespace {

// The calling interface of every helper.dll export: owner window, two ignored values, the result
// buffer, one ignored value; only the low byte of the answer is defined.
typedef char(__stdcall* FindFn)(HWND, DWORD, DWORD, char*, DWORD);

const DWORD kModulePathSize = 1024;
const DWORD kResultBufferSize = 1024;
const DWORD kRecordPathSize = 1024;
const char kRecordVariable[] = "KFX_STANDIN_RECORD";
const char kRecordLineEnd[] = "\r\n";

bool IsLeadByteInAnsiCodePage(unsigned char byte)
{
    return IsDBCSLeadByte(byte) != FALSE;
}

StandinOutcome Failure(StandinOutcome outcome, StandinExit code, const std::string& reason)
{
    outcome.exitCode = code;
    outcome.detail = reason;
    return outcome;
}

std::string OwnPath()
{
    char path[kModulePathSize] = {};
    const DWORD length = GetModuleFileNameA(nullptr, path, kModulePathSize);
    if (length == 0 || length >= kModulePathSize)
        return std::string();  // failed or truncated: a cut path would name the wrong folder
    return std::string(path, length);
}

std::string AskHelper(FindFn find)
{
    char folder[kResultBufferSize] = {};
    find(nullptr, 0, 0, folder, 0);
    folder[kResultBufferSize - 1] = '\0';
    return folder;
}

StandinOutcome Run()
{
    StandinOutcome outcome;
    outcome.ownPath = OwnPath();
    if (outcome.ownPath.empty())
        return Failure(outcome, StandinExit::NoOwnPath, NoOwnPathReason(GetLastError()));

    StandinLocation location;
    if (!LocateStandin(outcome.ownPath, IsLeadByteInAnsiCodePage, location))
        return Failure(outcome, StandinExit::UnknownHostFolder, NotInHostFolderReason(outcome.ownPath));
    const StandinHost* host = FindStandinHost(location.folderName.c_str());
    if (host == nullptr)
        return Failure(outcome, StandinExit::UnknownHostFolder, UnknownHostFolderReason(location.folderName));
    outcome.exportName = host->exportName;
    outcome.hostName = host->hostName;

    const std::string helperPath = HelperPathOnDisc(location);
    const LoadedLibrary helper(helperPath.c_str());
    if (!helper.IsLoaded())
        return Failure(outcome, StandinExit::HelperNotLoaded, HelperNotLoadedReason(helperPath, helper.LoadError()));
    FARPROC exported = helper.Export(host->exportName);
    if (exported == nullptr)
        return Failure(outcome, StandinExit::ExportMissing, ExportMissingReason(helperPath, host->exportName));

    outcome.detail = AskHelper(reinterpret_cast<FindFn>(reinterpret_cast<void*>(exported)));
    outcome.exitCode = StandinExit::Ok;
    return outcome;
}

std::string RecordPath()
{
    char path[kRecordPathSize] = {};
    const DWORD length = GetEnvironmentVariableA(kRecordVariable, path, kRecordPathSize);
    if (length == 0 || length >= kRecordPathSize)
        return std::string();
    return std::string(path, length);
}

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

bool AppendRecord(const std::string& recordPath, const StandinOutcome& outcome)
{
    std::unique_ptr<std::FILE, FileCloser> file(std::fopen(recordPath.c_str(), "ab"));
    if (!file)
        return false;
    const std::string line = RecordLine(outcome) + kRecordLineEnd;
    return std::fwrite(line.data(), 1, line.size(), file.get()) == line.size() && std::fflush(file.get()) == 0;
}

void ShowOutcome(const StandinOutcome& outcome)
{
    const UINT icon = outcome.Succeeded() ? MB_ICONINFORMATION : MB_ICONERROR;
    MessageBoxA(nullptr, MessageText(outcome).c_str(), kStandinCaption, MB_OK | icon | MB_SETFOREGROUND);
}

int Report(const StandinOutcome& outcome)
{
    const std::string recordPath = RecordPath();
    if (recordPath.empty()) {
        ShowOutcome(outcome);
    } else if (!AppendRecord(recordPath, outcome)) {
        return static_cast<int>(StandinExit::RecordNotWritten);
    }
    return static_cast<int>(outcome.exitCode);
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    // A program on a CD-ROM: no "There is no disk in the drive" boxes from the system.
    SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
    try {
        return Report(Run());
    } catch (...) {
        return static_cast<int>(StandinExit::Internal);
    }
}
