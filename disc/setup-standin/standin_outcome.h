// What one run of the stand-in setup program ends with, and the texts it reports that in.
#pragma once

#include <string>

extern const char kStandinCaption[];

// Exit codes of the stand-in; 0 only when the export answered a folder and it was reported.
enum class StandinExit : int {
    Ok = 0,
    NoOwnPath = 1,
    UnknownHostFolder = 2,
    HelperNotLoaded = 3,
    ExportMissing = 4,
    RecordNotWritten = 5,
    Internal = 6,
};

struct StandinOutcome {
    StandinExit exitCode = StandinExit::Internal;
    std::string ownPath;
    std::string exportName;  // empty while the host is not known
    std::string hostName;
    std::string detail;      // the plug-in folder on success, the one-line reason on failure

    bool Succeeded() const { return exitCode == StandinExit::Ok; }
};

// One line for the test record file, without its line end:
// "<own path>|<export>|<folder>" on success, "<own path>|<export>|ERROR: <reason>" on failure.
std::string RecordLine(const StandinOutcome& outcome);

// The text of the message box that reports the outcome to a user.
std::string MessageText(const StandinOutcome& outcome);

// One-line reasons, shared by the record line and the message box.
std::string NoOwnPathReason(unsigned long error);
std::string NotInHostFolderReason(const std::string& ownPath);
std::string UnknownHostFolderReason(const std::string& folderName);
std::string HelperNotLoadedReason(const std::string& helperPath, unsigned long error);
std::string ExportMissingReason(const std::string& helperPath, const std::string& exportName);
