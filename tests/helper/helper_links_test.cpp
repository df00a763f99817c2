// helper.dll against folder links, in a prefix whose drive D: holds Unix symlinks made when the
// build was configured (Win32 under Wine cannot make them): two links back up to the drive root,
// and one link to a folder outside the drive that holds the host.
#include <windows.h>

#include <gtest/gtest.h>

#include "helper_library.h"

namespace {

constexpr DWORD kLinkAttributes = FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT;

TEST(HelperDllLinks, FixtureHoldsFolderLinks)
{
    for (const char* link : {"D:\\Apps\\up1", "D:\\Apps\\up2", "D:\\Apps\\Linked"}) {
        const DWORD attributes = GetFileAttributesA(link);
        ASSERT_NE(attributes, INVALID_FILE_ATTRIBUTES) << link;
        EXPECT_EQ(attributes & kLinkAttributes, kLinkAttributes) << link << " is not listed as a folder link";
    }
}

TEST(HelperDllLinks, HostBehindOneLinkIsFound)
{
    CHelperLibrary library;
    const FindCall call = CallFind(library.Export("FindPremiere"), nullptr);
    EXPECT_EQ(call.answer, 1);
    EXPECT_EQ(call.result, "D:\\Apps\\Linked\\Plugins\\");
}

TEST(HelperDllLinks, TwoLinksBackUpTheTreeDoNotMakeTheSearchEndless)
{
    CHelperLibrary library;
    const DWORD start = GetTickCount();
    const FindCall call = CallFind(library.Export("FindOnLINE"), nullptr);
    EXPECT_EQ(call.result, "C:\\DVision\\Plugins\\");
    EXPECT_LT(GetTickCount() - start, 20000u) << "the walk went round the links";
}

}  // namespace
