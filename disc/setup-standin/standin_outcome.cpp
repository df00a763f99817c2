#include "standin_outcome.h"

#include "standin_host_table.h"

const char kStandinCaption[] = "Kelvane Effects Setup";

namespace {

const char kRecordSeparator = '|';
const char kRecordErrorPrefix[] = "ERROR: ";

const char kStandinNote[] =
    "This is the stand-in setup program of the Kelvane Effects disc. A vendor replaces it with "
    "the real setup program for this host before the disc is pressed.";

std::string KnownFolderList()
{
    std::string list;
    for (const StandinHost* host = StandinHostsBegin(); host != StandinHostsEnd(); ++host) {
        if (!list.empty())
            list += ", ";
        list += host->folderName;
    }
    return list;
}

std::string SuccessText(const StandinOutcome& outcome)
{
    return std::string(kStandinNote) + "\n\nHost application: " + outcome.hostName +
           "\nhelper.dll (" + outcome.exportName + ") answered the plug-in folder:\n\n" + outcome.detail +
           "\n\nThe real setup program copies the Kelvane Effects plug-ins into this folder.";
}

std::string FailureText(const StandinOutcome& outcome)
{
    return "The stand-in setup program could not ask helper.dll for the plug-in folder.\n\n" + outcome.detail +
           "\n\n" + kStandinNote;
}

}  // namespace

std::string RecordLine(const StandinOutcome& outcome)
{
    std::string line = outcome.ownPath + kRecordSeparator + outcome.exportName + kRecordSeparator;
    if (!outcome.Succeeded())
        line += kRecordErrorPrefix;
    return line + outcome.detail;
}

std::string MessageText(const StandinOutcome& outcome)
{
    return outcome.Succeeded() ? SuccessText(outcome) : FailureText(outcome);
}

std::string NoOwnPathReason(unsigned long error)
{
    return "the program could not read its own path (error " + std::to_string(error) + ")";
}

std::string NotInHostFolderReason(const std::string& ownPath)
{
    return "the program " + ownPath + " is not in a host folder of the disc (one of " + KnownFolderList() + ")";
}

std::string UnknownHostFolderReason(const std::string& folderName)
{
    return "no host uses the folder \"" + folderName + "\"; the host folders of the disc are " +
           KnownFolderList();
}

std::string HelperNotLoadedReason(const std::string& helperPath, unsigned long error)
{
    return "helper.dll could not be loaded from " + helperPath + " (error " + std::to_string(error) + ")";
}

std::string ExportMissingReason(const std::string& helperPath, const std::string& exportName)
{
    return helperPath + " has no export " + exportName;
}
