#include "host_search.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "fake_file_system.h"
#include "host_table.h"

namespace {

constexpr unsigned kFixed = 3;
constexpr unsigned kRemovable = 2;
constexpr unsigned kRemote = 4;
constexpr unsigned kCdrom = 5;
constexpr unsigned kRamdisk = 6;

constexpr const char* kExe = "Premiere.exe";
constexpr const char* kDefault = "C:\\Win32App\\Premiere\\";
constexpr const char* kSub = "Plugins\\";
constexpr const char* kFallback = "C:\\Win32App\\Premiere\\Plugins\\";

// A result buffer larger than any result, so that writes past the 260th character show.
struct ResultBuffer {
    static constexpr size_t kSize = 400;
    static constexpr char kFill = '\xAB';
    char bytes[kSize];
    ResultBuffer() { std::memset(bytes, kFill, kSize); }
    std::string Text() const { return std::string(bytes, strnlen(bytes, kSize)); }
    // Index of the first byte after the NUL that is no longer the fill, or kSize when none.
    size_t FirstTouchedAfterResult() const
    {
        for (size_t i = Text().size() + 1; i < kSize; ++i)
            if (bytes[i] != kFill)
                return i;
        return kSize;
    }
};

std::string Locate(CFakeFileSystem& fs, ResultBuffer& buffer, const char* exe = kExe,
                   const char* defaultFolder = kDefault, const char* sub = kSub)
{
    CHostSearch<CFakeFileSystem> search(fs);
    search.LocateHost(exe, defaultFolder, sub, buffer.bytes);
    return buffer.Text();
}

void TwoDrives(CFakeFileSystem& fs)
{
    fs.AddDrive("C:\\", kFixed);
    fs.AddDrive("D:\\", kFixed);
}

void ExpectNothingLeftOpen(const CFakeFileSystem& fs)
{
    EXPECT_EQ(fs.OpenListings(), 0) << "a listing was not closed";
    EXPECT_EQ(fs.BadCloses(), 0) << "a listing was closed twice or was never open";
    EXPECT_EQ(fs.BlocksOutstanding(), 0) << "the drive list was not released";
}

std::string Joined(const std::vector<std::string>& events)
{
    std::string text;
    for (const std::string& e : events)
        text += e + "\n";
    return text;
}

TEST(HostSearch, FoundInTheDefaultFolderMakesOneTestAndNoCheck)
{
    CFakeFileSystem fs;
    TwoDrives(fs);
    fs.AddFile("C:\\Win32App\\Premiere\\Premiere.exe");
    ResultBuffer buffer;
    EXPECT_EQ(Locate(fs, buffer), kFallback);
    const std::vector<std::string> expected = {"find C:\\Win32App\\Premiere\\Premiere.exe", "close"};
    EXPECT_EQ(fs.Events(), expected);
    EXPECT_EQ(fs.Checks(), 0);
    ExpectNothingLeftOpen(fs);
}

// The whole sequence of platform calls for a small tree: the checks stand exactly at their three
// places (once per folder after its test, once after every entry, once before every drive).
TEST(HostSearch, CallSequenceOfAFullSearchOverASmallTree)
{
    CFakeFileSystem fs;
    fs.AddDrive("C:\\", kFixed);
    fs.AddDrive("E:\\", kCdrom);
    fs.AddFile("C:\\A\\f.txt");
    fs.AddFile("E:\\Premiere.exe");
    ResultBuffer buffer;
    EXPECT_EQ(Locate(fs, buffer), kFallback);
    const std::vector<std::string> expected = {
        "find C:\\Win32App\\Premiere\\Premiere.exe",
        "check",
        "find C:\\Win32App\\Premiere\\*",
        "drives 0",
        "allocate 9",
        "drives 9",
        "check",
        "type C:\\",
        "find C:\\Premiere.exe",
        "check",
        "find C:\\*",
        "check",  // after "."
        "next",
        "check",  // after ".."
        "next",
        "find C:\\A\\Premiere.exe",
        "check",
        "find C:\\A\\*",
        "check",
        "next",
        "check",
        "next",
        "check",  // after f.txt
        "next",
        "close",
        "check",  // after A
        "next",
        "close",
        "check",
        "type E:\\",
        "release",
    };
    EXPECT_EQ(Joined(fs.Events()), Joined(expected));
    ExpectNothingLeftOpen(fs);
}

struct OrderCase {
    const char* name;
    std::function<void(CFakeFileSystem&)> setup;
    const char* expected;
};

class SearchOrder : public testing::TestWithParam<OrderCase> {};

TEST_P(SearchOrder, FirstMatchInWalkOrderWins)
{
    CFakeFileSystem fs;
    GetParam().setup(fs);
    ResultBuffer buffer;
    EXPECT_EQ(Locate(fs, buffer), GetParam().expected);
    ExpectNothingLeftOpen(fs);
}

const OrderCase kOrderCases[] = {
    {"DefaultTreeBeforeDrives",
     [](CFakeFileSystem& fs) {
         TwoDrives(fs);
         fs.AddFile("C:\\Aaa\\Premiere.exe");
         fs.AddFile("C:\\Win32App\\Premiere\\Old\\Premiere.exe");
     },
     "C:\\Win32App\\Premiere\\Old\\Plugins\\"},
    {"DriveListOrder",
     [](CFakeFileSystem& fs) {
         fs.AddDrive("D:\\", kFixed);
         fs.AddDrive("C:\\", kFixed);
         fs.AddFile("C:\\Apps\\Premiere.exe");
         fs.AddFile("D:\\Apps\\Premiere.exe");
     },
     "D:\\Apps\\Plugins\\"},
    {"FolderOwnTestBeforeItsSubfolders",
     [](CFakeFileSystem& fs) {
         TwoDrives(fs);
         fs.AddFile("D:\\Apps\\Deep\\Premiere.exe");
         fs.AddFile("D:\\Apps\\Premiere.exe");
     },
     "D:\\Apps\\Plugins\\"},
    {"ListingOrderNotAlphabetical",
     [](CFakeFileSystem& fs) {
         TwoDrives(fs);
         fs.AddFile("D:\\Zed\\Premiere.exe");
         fs.AddFile("D:\\Alpha\\Premiere.exe");
     },
     "D:\\Zed\\Plugins\\"},
    {"DepthFirstBeforeLaterSibling",
     [](CFakeFileSystem& fs) {
         TwoDrives(fs);
         fs.AddFile("D:\\One\\Two\\Premiere.exe");
         fs.AddFile("D:\\Three\\Premiere.exe");
     },
     "D:\\One\\Two\\Plugins\\"},
    {"DriveRoot",
     [](CFakeFileSystem& fs) {
         TwoDrives(fs);
         fs.AddFile("D:\\Premiere.exe");
     },
     "D:\\Plugins\\"},
    {"FolderNamedLikeTheExecutable",
     [](CFakeFileSystem& fs) {
         TwoDrives(fs);
         fs.AddFolder("D:\\Apps\\Premiere.exe\\");
     },
     "D:\\Apps\\Plugins\\"},
    {"LetterCaseIgnored",
     [](CFakeFileSystem& fs) {
         TwoDrives(fs);
         fs.AddFile("D:\\apps\\PREMIERE.EXE");
     },
     "D:\\apps\\Plugins\\"},
    {"HiddenFolderSearched",
     [](CFakeFileSystem& fs) {
         TwoDrives(fs);
         fs.AddFolder("D:\\.hidden\\", CFakeFileSystem::kHidden);
         fs.AddFile("D:\\.hidden\\Premiere.exe");
     },
     "D:\\.hidden\\Plugins\\"},
    {"OnlyOnOtherDriveTypesIsNotFound",
     [](CFakeFileSystem& fs) {
         fs.AddDrive("C:\\", kFixed);
         fs.AddDrive("A:\\", kRemovable);
         fs.AddDrive("E:\\", kCdrom);
         fs.AddDrive("F:\\", kRemote);
         fs.AddDrive("R:\\", kRamdisk);
         for (const char* root : {"A:\\", "E:\\", "F:\\", "R:\\"})
             fs.AddFile(std::string(root) + "Premiere.exe");
     },
     kFallback},
    {"NotAnywhere",
     [](CFakeFileSystem& fs) {
         TwoDrives(fs);
         fs.AddFile("D:\\Apps\\Other.exe");
     },
     kFallback},
};

INSTANTIATE_TEST_SUITE_P(HostSearch, SearchOrder, testing::ValuesIn(kOrderCases),
                         [](const testing::TestParamInfo<OrderCase>& info) { return info.param.name; });

TEST(HostSearch, DotEntriesAreNeverEntered)
{
    CFakeFileSystem fs;
    TwoDrives(fs);
    fs.AddFile("D:\\A\\B\\x.txt");
    ResultBuffer buffer;
    Locate(fs, buffer);
    for (const std::string& event : fs.Events()) {
        EXPECT_EQ(event.find("\\.\\"), std::string::npos) << event;
        EXPECT_EQ(event.find("\\..\\"), std::string::npos) << event;
    }
    EXPECT_EQ(fs.FolderListings(), 5) << "the default folder, C:, D:, D:\\A and D:\\A\\B, once each";
}

TEST(HostSearch, WildcardPatternMatchesEitherCase)
{
    for (const char* name : {"RAZOR40.EXE", "Razor35.exe"}) {
        CFakeFileSystem fs;
        TwoDrives(fs);
        fs.AddFile("D:\\Razor\\Razor5.exe");
        fs.AddFile(std::string("D:\\Speed\\") + name);
        ResultBuffer buffer;
        EXPECT_EQ(Locate(fs, buffer, "Razor??.exe", "C:\\Win32App\\Razor\\", "TRANS\\"),
                  "D:\\Speed\\TRANS\\")
            << name;
    }
}

// A small tree with the host in the last folder walked; cancelling at any check must give the
// fall-back, stop all further file system work and leave nothing open.
void CancelFixture(CFakeFileSystem& fs)
{
    fs.AddDrive("C:\\", kFixed);
    fs.AddDrive("E:\\", kCdrom);
    fs.AddDrive("D:\\", kFixed);
    fs.AddFile("C:\\Win32App\\Premiere\\readme.txt");
    fs.AddFile("C:\\A\\f.txt");
    fs.AddFolder("C:\\A\\B\\");
    fs.AddFile("D:\\x.txt");
    fs.AddFile("D:\\Last\\Premiere.exe");
}

TEST(HostSearch, CancelAtEveryCheckGivesTheFallbackAndClosesEverything)
{
    CFakeFileSystem uncancelled;
    CancelFixture(uncancelled);
    ResultBuffer found;
    ASSERT_EQ(Locate(uncancelled, found), "D:\\Last\\Plugins\\");
    const int checks = uncancelled.Checks();
    ASSERT_GT(checks, 10);
    for (int k = 1; k <= checks; ++k) {
        SCOPED_TRACE("stop at check " + std::to_string(k));
        CFakeFileSystem fs;
        CancelFixture(fs);
        fs.StopAtCheck(k);
        ResultBuffer buffer;
        EXPECT_EQ(Locate(fs, buffer), kFallback);
        ExpectNothingLeftOpen(fs);
        int seenChecks = 0;
        // The drive list may still be fetched (the drive scan asks before its first root).
        for (const std::string& event : fs.Events()) {
            if (event == "check") {
                ++seenChecks;
                continue;
            }
            const bool walks = event.rfind("find", 0) == 0 || event.rfind("next", 0) == 0 ||
                               event.rfind("type", 0) == 0;
            EXPECT_FALSE(seenChecks >= k && walks) << "after the stop answer the walk still called: " << event;
        }
    }
}

TEST(HostSearch, SearchAfterCancelMakesOnlyTheDefaultFolderTest)
{
    CFakeFileSystem fs;
    CancelFixture(fs);
    fs.StopAtCheck(1);
    ResultBuffer buffer;
    EXPECT_EQ(Locate(fs, buffer), kFallback);
    EXPECT_EQ(fs.FolderListings(), 0);
    EXPECT_EQ(fs.Events().front(), "find C:\\Win32App\\Premiere\\Premiere.exe");
    ExpectNothingLeftOpen(fs);
}

TEST(HostSearch, GrowingDriveListIsFetchedAgainWhole)
{
    CFakeFileSystem fs;
    fs.AddDrive("C:\\", kFixed);
    fs.AddDriveOnFetch("G:\\", kFixed, 1);
    fs.AddDrive("H:\\", kCdrom);
    ResultBuffer buffer;
    // G: appears during the first fetch, which then answers a larger size: the list is fetched
    // again at that size and the scan reads it whole.
    Locate(fs, buffer);
    const std::vector<std::string>& events = fs.Events();
    std::vector<std::string> driveCalls;
    for (const std::string& e : events)
        if (e.rfind("drives", 0) == 0 || e.rfind("allocate", 0) == 0 || e == "release" ||
            e.rfind("type", 0) == 0)
            driveCalls.push_back(e);
    const std::vector<std::string> expected = {"drives 0",  "allocate 9", "drives 9", "release",
                                               "allocate 13", "drives 13", "type C:\\", "type H:\\",
                                               "type G:\\", "release"};
    EXPECT_EQ(Joined(driveCalls), Joined(expected));
    ExpectNothingLeftOpen(fs);
}

TEST(HostSearch, NoDriveListMeansNoCheckAndTheFallback)
{
    for (bool failAllocation : {false, true}) {
        SCOPED_TRACE(failAllocation ? "allocation fails" : "drive list fails");
        CFakeFileSystem fs;
        TwoDrives(fs);
        fs.AddFile("D:\\Premiere.exe");
        if (failAllocation)
            fs.FailAllocation();
        else
            fs.FailDriveList();
        CHostSearch<CFakeFileSystem> search(fs);
        ResultBuffer buffer;
        EXPECT_EQ(search.SearchFixedDrives(kExe, buffer.bytes), 0);
        EXPECT_EQ(fs.Checks(), 0);
        EXPECT_EQ(buffer.FirstTouchedAfterResult(), ResultBuffer::kSize);
        EXPECT_EQ(buffer.bytes[0], ResultBuffer::kFill) << "not found must leave the buffer alone";
        ExpectNothingLeftOpen(fs);
    }
}

TEST(HostSearch, FoldersThatCannotBeListedAreSkipped)
{
    CFakeFileSystem fs;
    TwoDrives(fs);
    ResultBuffer buffer;
    CHostSearch<CFakeFileSystem> search(fs);
    EXPECT_EQ(search.SearchTree("Q:\\Missing\\", kExe, buffer.bytes), 0);
    const std::vector<std::string> expected = {"find Q:\\Missing\\Premiere.exe", "check",
                                               "find Q:\\Missing\\*"};
    EXPECT_EQ(fs.Events(), expected);
    EXPECT_EQ(buffer.bytes[0], ResultBuffer::kFill);
}

// A folder path of exactly `length` characters on D: (ending with a backslash), made of folders
// of at most 100 characters.
std::string FolderOfLength(size_t length)
{
    std::string path = "D:\\";
    while (path.size() < length) {
        const size_t room = length - path.size();  // characters still to add, backslash included
        size_t name = std::min<size_t>(room - 1, 100);
        if (room - (name + 1) == 1)  // never leave room for a bare backslash
            --name;
        path += std::string(name, 'n') + "\\";
    }
    return path;
}

struct LimitCase {
    const char* name;
    size_t folderLength;
    const char* exe;
    const char* sub;
    bool found;
};

class PathLimit : public testing::TestWithParam<LimitCase> {};

TEST_P(PathLimit, LongFoldersArePassedOverAndNothingIsWrittenPastTheBuffer)
{
    const LimitCase& c = GetParam();
    const std::string folder = FolderOfLength(c.folderLength);
    ASSERT_EQ(folder.size(), c.folderLength);
    CFakeFileSystem fs;
    TwoDrives(fs);
    fs.AddFile(folder + "Premiere.exe");
    ResultBuffer buffer;
    const std::string result = Locate(fs, buffer, c.exe, kDefault, c.sub);
    const std::string expected = (c.found ? folder : std::string(kDefault)) + c.sub;
    EXPECT_EQ(result, expected);
    EXPECT_LE(result.size(), 259u);
    EXPECT_EQ(buffer.FirstTouchedAfterResult(), ResultBuffer::kSize) << "written past the result";
    ExpectNothingLeftOpen(fs);
    for (const std::string& event : fs.Events())
        EXPECT_LE(event.size(), 5u + 259u) << "a pattern longer than 259 characters: " << event;
}

// "Premiere.exe" is 12 characters: the folder's own test allows folders up to 247; with the
// subfolder "Plugins\Plugins\" (16) the result allows folders up to 243.
const LimitCase kLimitCases[] = {
    {"PatternOf258", 246, "Premiere.exe", "S\\", true},
    {"PatternOf259", 247, "Premiere.exe", "S\\", true},
    {"PatternOf260PassedOver", 248, "Premiere.exe", "S\\", false},
    {"ResultOf258", 242, "Premiere.exe", "Plugins\\Plugins\\", true},
    {"ResultOf259", 243, "Premiere.exe", "Plugins\\Plugins\\", true},
    {"ResultOf260PassedOver", 244, "Premiere.exe", "Plugins\\Plugins\\", false},
};

INSTANTIATE_TEST_SUITE_P(HostSearch, PathLimit, testing::ValuesIn(kLimitCases),
                         [](const testing::TestParamInfo<LimitCase>& info) { return info.param.name; });

TEST(HostSearch, EntryWhosePathWouldNotFitIsSkippedAndTheWalkGoesOn)
{
    CFakeFileSystem fs;
    TwoDrives(fs);
    const std::string parent = FolderOfLength(200);
    fs.AddFolder(parent + std::string(59, 'L') + "\\");  // 200 + 59 + 1 = 260 characters
    fs.AddFile(parent + "ok\\Premiere.exe");
    ResultBuffer buffer;
    EXPECT_EQ(Locate(fs, buffer), parent + "ok\\Plugins\\");
    for (const std::string& event : fs.Events())
        EXPECT_EQ(event.find(std::string(59, 'L')), std::string::npos) << "entered: " << event;
    ExpectNothingLeftOpen(fs);
}

TEST(HostSearch, TwoLinksBackUpTheTreeEndQuickly)
{
    CFakeFileSystem fs;
    TwoDrives(fs);
    fs.AddFolder("D:\\A\\");
    fs.AddFolderLink("D:\\A\\up1", "D:\\");
    fs.AddFolderLink("D:\\A\\up2", "D:\\");
    fs.AddFile("D:\\A\\z.txt");
    ResultBuffer buffer;
    EXPECT_EQ(Locate(fs, buffer), kFallback);
    EXPECT_LT(fs.FolderListings(), 20) << "the walk repeated itself through the links";
    ExpectNothingLeftOpen(fs);
}

TEST(HostSearch, HostBehindOneLinkIsFoundNotBehindTwo)
{
    CFakeFileSystem fs;
    TwoDrives(fs);
    fs.AddDetachedFolder("elsewhere");
    fs.AddFileToDetached("elsewhere", "Premiere.exe");
    fs.AddLinkToDetached("D:\\Apps\\Premiere", "elsewhere");
    ResultBuffer buffer;
    EXPECT_EQ(Locate(fs, buffer), "D:\\Apps\\Premiere\\Plugins\\");

    // Below one link no further link is followed: a host reachable only through two is not found.
    CFakeFileSystem twice;
    TwoDrives(twice);
    twice.AddDetachedFolder("outer");
    twice.AddDetachedFolder("inner");
    twice.AddFileToDetached("inner", "Premiere.exe");
    twice.AddLinkToDetached("D:\\Apps\\Outer", "outer");
    twice.AddLinkToDetached("outer\\Inner", "inner");
    ResultBuffer second;
    EXPECT_EQ(Locate(twice, second), kFallback);
    const std::vector<std::string>& events = twice.Events();
    EXPECT_NE(std::find(events.begin(), events.end(), "find D:\\Apps\\Outer\\Premiere.exe"), events.end())
        << "the first link was not followed";
    for (const std::string& event : events)
        EXPECT_EQ(event.find("D:\\Apps\\Outer\\Inner\\"), std::string::npos) << event;
    ExpectNothingLeftOpen(twice);
}

TEST(HostTable, EveryFallbackFitsAndEndsWithABackslash)
{
    for (const HOSTDEF& host : g_aHostDefs) {
        const std::string folder = host.pszDefaultFolder;
        const std::string sub = host.pszPluginSubfolder;
        EXPECT_EQ(folder.back(), '\\') << folder;
        EXPECT_EQ(sub.back(), '\\') << sub;
        EXPECT_LE(folder.size() + sub.size(), 259u) << folder;
        EXPECT_GE(host.nTemplateId, 101);
        EXPECT_LE(host.nTemplateId, 106);
    }
}

}  // namespace
