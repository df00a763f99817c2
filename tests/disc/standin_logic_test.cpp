// The window-free logic of the stand-in setup program: which export each host folder calls, how
// its own path splits into host folder and disc root, and what it records.
#include "standin_host_table.h"
#include "standin_location.h"
#include "standin_outcome.h"

#include <gtest/gtest.h>

#include <cctype>
#include <string>

namespace {

struct HostRow {
    const char* folder;
    const char* exportName;
};

const HostRow kHostRows[] = {
    {"Premiere", "FindPremiere"}, {"Razor", "FindRazor"}, {"MCXpress", "FindMCXpress"},
    {"OnLINE", "FindOnLINE"},     {"Ltd", "FindPremiere"}, {"FAST", "FindFAST"},
    {"AE", "FindAE"},
    // An ISO 9660 reading without Joliet names shows the folders in capitals.
    {"PREMIERE", "FindPremiere"}, {"online", "FindOnLINE"}, {"ltd", "FindPremiere"},
};

void PrintTo(const HostRow& row, std::ostream* out)
{
    *out << row.folder;
}

class HostFolder : public ::testing::TestWithParam<HostRow> {};

TEST_P(HostFolder, CallsItsHostsExport)
{
    const StandinHost* host = FindStandinHost(GetParam().folder);
    ASSERT_NE(host, nullptr) << GetParam().folder << " is not known";
    EXPECT_STREQ(host->exportName, GetParam().exportName);
}

INSTANTIATE_TEST_SUITE_P(EveryFolder, HostFolder, ::testing::ValuesIn(kHostRows),
                         [](const ::testing::TestParamInfo<HostRow>& info) { return std::string(info.param.folder); });

TEST(HostFolder, UnknownNamesHaveNoHost)
{
    for (const char* name : {"", "Extras", "Premier", "Premiere2", "AE ", "Manual", "FindAE"})
        EXPECT_EQ(FindStandinHost(name), nullptr) << "\"" << name << "\"";
    EXPECT_EQ(FindStandinHost(nullptr), nullptr);
}

TEST(HostFolder, TableHasTheSevenFoldersOfTheDisc)
{
    EXPECT_EQ(StandinHostsEnd() - StandinHostsBegin(), 7);
}

bool NoLeadBytes(unsigned char)
{
    return false;
}

// Lead bytes of code page 932 (Shift JIS).
bool ShiftJisLeadByte(unsigned char byte)
{
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

struct PathRow {
    const char* what;
    std::string path;
    LeadBytePredicate isLeadByte;
    bool located;
    std::string folderName;
    std::string discRoot;
};

const PathRow kPathRows[] = {
    {"disc root", "E:\\Premiere\\setup.exe", NoLeadBytes, true, "Premiere", "E:\\"},
    {"disc below a folder", "E:\\Setup\\Ltd\\setup.exe", NoLeadBytes, true, "Ltd", "E:\\Setup\\"},
    {"network share", "\\\\server\\cd\\AE\\setup.exe", NoLeadBytes, true, "AE", "\\\\server\\cd\\"},
    {"no folder", "E:\\setup.exe", NoLeadBytes, false, "", ""},
    {"no backslash", "setup.exe", NoLeadBytes, false, "", ""},
    {"empty", "", NoLeadBytes, false, "", ""},
    // 0x95 0x5C is one Shift JIS character: its trail byte is no separator.
    {"double-byte folder name", "E:\\\x95\\\\Premiere\\setup.exe", ShiftJisLeadByte, true, "Premiere", "E:\\\x95\\\\"},
    {"double-byte host folder", "E:\\Disc\\A\x95\\\\setup.exe", ShiftJisLeadByte, true, "A\x95\\", "E:\\Disc\\"},
    {"same bytes read without a code page", "E:\\Disc\\A\x95\\\\setup.exe", NoLeadBytes, false, "", ""},
};

void PrintTo(const PathRow& row, std::ostream* out)
{
    *out << row.what;
}

class StandinPath : public ::testing::TestWithParam<PathRow> {};

TEST_P(StandinPath, SplitsIntoHostFolderAndDiscRoot)
{
    const PathRow& row = GetParam();
    StandinLocation location;
    ASSERT_EQ(LocateStandin(row.path, row.isLeadByte, location), row.located);
    if (!row.located)
        return;
    EXPECT_EQ(location.folderName, row.folderName);
    EXPECT_EQ(location.discRoot, row.discRoot);
    EXPECT_EQ(HelperPathOnDisc(location), row.discRoot + "helper.dll");
}

INSTANTIATE_TEST_SUITE_P(Paths, StandinPath, ::testing::ValuesIn(kPathRows),
                         [](const ::testing::TestParamInfo<PathRow>& info) {
                             std::string name;
                             for (const char c : std::string(info.param.what))
                                 name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
                             return name;
                         });

StandinOutcome Outcome(StandinExit code, const std::string& exportName, const std::string& detail)
{
    StandinOutcome outcome;
    outcome.exitCode = code;
    outcome.ownPath = "E:\\Premiere\\setup.exe";
    outcome.exportName = exportName;
    outcome.hostName = "Adobe Premiere 4.2";
    outcome.detail = detail;
    return outcome;
}

TEST(StandinRecord, SuccessLineIsPathExportAndFolder)
{
    const StandinOutcome outcome = Outcome(StandinExit::Ok, "FindPremiere", "D:\\Apps\\Premiere 4.2\\Plugins\\");
    EXPECT_EQ(RecordLine(outcome), "E:\\Premiere\\setup.exe|FindPremiere|D:\\Apps\\Premiere 4.2\\Plugins\\");
}

TEST(StandinRecord, FailureLineCarriesTheReason)
{
    const std::string reason = HelperNotLoadedReason("E:\\helper.dll", 126);
    const StandinOutcome outcome = Outcome(StandinExit::HelperNotLoaded, "FindPremiere", reason);
    EXPECT_EQ(RecordLine(outcome),
              "E:\\Premiere\\setup.exe|FindPremiere|ERROR: helper.dll could not be loaded from E:\\helper.dll (error 126)");
}

TEST(StandinMessage, SuccessSaysItIsTheStandInAndShowsTheFolder)
{
    const std::string text =
        MessageText(Outcome(StandinExit::Ok, "FindPremiere", "D:\\Apps\\Premiere 4.2\\Plugins\\"));
    EXPECT_NE(text.find("stand-in setup program"), std::string::npos) << text;
    EXPECT_NE(text.find("replaces it with the real setup program"), std::string::npos) << text;
    EXPECT_NE(text.find("\n\nD:\\Apps\\Premiere 4.2\\Plugins\\\n"), std::string::npos) << text;
    EXPECT_NE(text.find("FindPremiere"), std::string::npos) << text;
    EXPECT_NE(text.find("Adobe Premiere 4.2"), std::string::npos) << text;
}

TEST(StandinMessage, FailureShowsTheReason)
{
    const std::string reason = ExportMissingReason("E:\\helper.dll", "FindAE");
    const std::string text = MessageText(Outcome(StandinExit::ExportMissing, "FindAE", reason));
    EXPECT_NE(text.find("E:\\helper.dll has no export FindAE"), std::string::npos) << text;
    EXPECT_NE(text.find("stand-in setup program"), std::string::npos) << text;
}

TEST(StandinMessage, UnknownFolderListsTheHostFolders)
{
    const std::string reason = UnknownHostFolderReason("Extras");
    EXPECT_EQ(reason, "no host uses the folder \"Extras\"; the host folders of the disc are "
                      "Premiere, Razor, MCXpress, OnLINE, Ltd, FAST, AE");
}

}  // namespace
