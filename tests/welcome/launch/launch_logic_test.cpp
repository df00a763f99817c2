// The launch buttons' window-free decisions: program folder, target, result table, failure
// text and the explore button's version test.
#include "welcome/launch/explore_version.h"
#include "welcome/launch/failure_text.h"
#include "welcome/launch/launch_result.h"
#include "welcome/launch/launch_target.h"
#include "welcome/launch/program_folder.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

bool NoLeadBytes(unsigned char)
{
    return false;
}

// Lead bytes of code page 932 (Shift JIS).
bool IsShiftJisLeadByte(unsigned char byte)
{
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

struct FolderCase
{
    const char* what;
    const char* path;
    LeadByteTest isLeadByte;
    const char* folder;
};

// "\x95\x5C" is the kanji U+8868 in code page 932: its trail byte is 0x5C.
const FolderCase kFolderCases[] = {
    {"root of a drive", "E:\\Welcome.exe", NoLeadBytes, "E:"},
    {"subfolder", "E:\\Setup\\Welcome.exe", NoLeadBytes, "E:\\Setup"},
    {"no backslash at all", "Welcome.exe", NoLeadBytes, "Welcome.exe"},
    {"empty path", "", NoLeadBytes, ""},
    {"cp932 folder ending in a 0x5C trail byte", "E:\\\x95\x5C\\Welcome.exe", IsShiftJisLeadByte,
     "E:\\\x95\x5C"},
    {"cp932 file name with a 0x5C trail byte", "E:\\Setup\\\x95\x5C.exe", IsShiftJisLeadByte, "E:\\Setup"},
    {"cp932 trail byte 0x5C is the only 0x5C", "\x95\x5CWelcome.exe", IsShiftJisLeadByte,
     "\x95\x5CWelcome.exe"},
    {"same bytes read as a single-byte code page", "E:\\Setup\\\x95\x5C.exe", NoLeadBytes, "E:\\Setup\\\x95"},
    {"cp932 lead byte right before the end", "E:\\Setup\\x\x95", IsShiftJisLeadByte, "E:\\Setup"},
    {"cp932 high katakana byte is a single byte", "E:\\\xB1\\Welcome.exe", IsShiftJisLeadByte, "E:\\\xB1"},
};

class ProgramFolder : public testing::TestWithParam<FolderCase> {};

TEST_P(ProgramFolder, IsEverythingBeforeTheLastRealBackslash)
{
    const FolderCase& c = GetParam();
    EXPECT_EQ(ProgramFolderOf(c.path, c.isLeadByte), c.folder) << c.what;
}

INSTANTIATE_TEST_SUITE_P(Paths, ProgramFolder, testing::ValuesIn(kFolderCases));

struct TerminateCase
{
    const char* what;
    std::size_t copied;
    bool bWhole;
    std::size_t terminatorAt;
};

constexpr std::size_t kModulePathSize = 512;

const TerminateCase kTerminateCases[] = {
    {"call failed", 0, false, 0},
    {"short path", 14, true, 14},
    {"longest whole path", kModulePathSize - 1, true, kModulePathSize - 1},
    {"path filled the buffer unterminated", kModulePathSize, false, kModulePathSize - 1},
};

class ModulePath : public testing::TestWithParam<TerminateCase> {};

TEST_P(ModulePath, IsTerminatedInsideTheBuffer)
{
    const TerminateCase& c = GetParam();
    char buffer[kModulePathSize + 1];
    std::memset(buffer, 'x', sizeof buffer);  // the extra byte is a guard against overruns
    EXPECT_EQ(TerminateModulePath(buffer, kModulePathSize, c.copied), c.bWhole) << c.what;
    EXPECT_EQ(buffer[c.terminatorAt], '\0') << c.what;
    EXPECT_EQ(std::strlen(buffer), c.terminatorAt) << c.what;
    EXPECT_EQ(buffer[kModulePathSize], 'x') << c.what << ": wrote past the buffer";
}

INSTANTIATE_TEST_SUITE_P(Results, ModulePath, testing::ValuesIn(kTerminateCases));

struct TargetCase
{
    const char* what;
    const char* format;
    const char* folder;
    const char* target;
};

const TargetCase kTargetCases[] = {
    {"setup program at the root", "%s\\Premiere\\setup.exe", "E:", "E:\\Premiere\\setup.exe"},
    {"setup program in a subfolder", "%s\\Premiere\\setup.exe", "E:\\Setup", "E:\\Setup\\Premiere\\setup.exe"},
    {"no backslash in the program path", "%s\\Premiere\\setup.exe", "Welcome.exe",
     "Welcome.exe\\Premiere\\setup.exe"},
    {"manual", "%s\\Manual\\MainTOC.pdf", "E:", "E:\\Manual\\MainTOC.pdf"},
    {"explore folder keeps its backslash", "%s\\", "E:\\Setup", "E:\\Setup\\"},
    {"web address has no folder", "www.kelvane-effects.com", "E:\\Setup", "www.kelvane-effects.com"},
    {"percent sign escaped", "%s\\100%%", "E:", "E:\\100%"},
    {"other conversions stay literal", "%d%s%n", "E:", "%dE:%n"},
    {"lone percent at the end", "%s%", "E:", "E:%"},
    {"folder with a percent sign is not reread", "%s\\a", "E:\\%s", "E:\\%s\\a"},
};

class LaunchTarget : public testing::TestWithParam<TargetCase> {};

TEST_P(LaunchTarget, PutsTheFolderIntoTheFormat)
{
    const TargetCase& c = GetParam();
    EXPECT_EQ(FormatLaunchTarget(c.format, c.folder), c.target) << c.what;
}

INSTANTIATE_TEST_SUITE_P(Formats, LaunchTarget, testing::ValuesIn(kTargetCases));

// Expected message for every result from 0 to 33, written out in full.
const unsigned kExpectedMessages[34] = {
    1,  // 0
    3,  // 1
    7,  // 2 file not found
    8,  // 3 path not found
    3, 3, 3, 3,  // 4 to 7 (5: access denied, also the unresolved target)
    1,           // 8 not enough memory
    3, 3,        // 9, 10
    6,           // 11 invalid image
    3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3,  // 12 to 25
    16,          // 26 sharing violation
    3,           // 27 incomplete association
    13,          // 28 DDE time-out
    12,          // 29 DDE failure
    11,          // 30 DDE busy
    15,          // 31 no association
    14,          // 32 DLL not found
    0,           // 33 started
};

TEST(LaunchResult, MapsEveryResultUpTo33)
{
    for (std::uint32_t result = 0; result <= 33; ++result)
        EXPECT_EQ(FailureMessageFor(result), kExpectedMessages[result]) << "launch result " << result;
}

TEST(LaunchResult, ResultsAbove32AreSuccessEvenWithTheHighestBitSet)
{
    const std::uint32_t kStarted[] = {34, 42, 0x7FFFFFFFu, 0x80000000u, 0x80000002u, 0xFFFFFFFFu};
    for (std::uint32_t result : kStarted)
        EXPECT_EQ(FailureMessageFor(result), kNoFailureMessage) << "launch result " << result;
}

TEST(LaunchResult, UnresolvedTargetGivesTheGenericMessage)
{
    EXPECT_EQ(FailureMessageFor(kUnresolvedLaunchResult), kMsgGenericFailure);
}

struct FailureTextCase
{
    const char* what;
    const char* target;
    const char* message;
    const char* text;
};

const FailureTextCase kFailureTextCases[] = {
    {"target above a two-line message", "E:\\AE\\setup.exe",
     "The specified file was not found.\nPlease make sure you are installing from the original CD-ROM.",
     "E:\\AE\\setup.exe\nThe specified file was not found.\nPlease make sure you are installing from the "
     "original CD-ROM."},
    {"empty target leaves an empty first line", "",
     "Sorry, but for some reason I could not perform the command.",
     "\nSorry, but for some reason I could not perform the command."},
    {"missing message text", "E:\\", "", "E:\\\n"},
};

class FailureText : public testing::TestWithParam<FailureTextCase> {};

TEST_P(FailureText, IsTargetLineFeedMessage)
{
    const FailureTextCase& c = GetParam();
    EXPECT_EQ(ComposeFailureText(c.target, c.message), c.text) << c.what;
}

INSTANTIATE_TEST_SUITE_P(Texts, FailureText, testing::ValuesIn(kFailureTextCases));

struct VersionCase
{
    const char* what;
    OsVersionAnswer answer;
    bool bWanted;
};

const VersionCase kVersionCases[] = {
    {"Windows NT 3.51", {true, 2, 3}, false},
    {"Windows NT 4.0", {true, 2, 4}, true},
    {"Windows 2000", {true, 2, 5}, true},
    {"Windows 95", {true, 1, 4}, true},
    {"Win32s on Windows 3.1", {true, 0, 3}, true},
    {"failed query (fields left as they were)", {false, 2, 3}, true},
    {"failed query (fields zero)", {false, 0, 0}, true},
};

class ExploreVersion : public testing::TestWithParam<VersionCase> {};

TEST_P(ExploreVersion, LeavesTheButtonOutOnlyOnNt3)
{
    const VersionCase& c = GetParam();
    EXPECT_EQ(IsExploreButtonWanted(c.answer), c.bWanted) << c.what;
}

INSTANTIATE_TEST_SUITE_P(Systems, ExploreVersion, testing::ValuesIn(kVersionCases));

} // namespace
