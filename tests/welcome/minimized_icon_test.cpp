#include "welcome/minimized_icon.h"

#include <gtest/gtest.h>

namespace
{

struct OffsetCase
{
    int nClient;
    int nIcon;
    int nExpected;
    const char* pszWhy;
};

// d = client - icon; the offset is (d + 1) / 2, truncated toward zero.
const OffsetCase kOffsetCases[] = {
    {32, 32, 0, "d = 0: the icon fills the client"},
    {33, 32, 1, "d = 1: the odd pixel goes before the icon"},
    {34, 32, 1, "d = 2: centred"},
    {30, 32, 0, "d = -2: (-1) / 2 truncates to 0, not -1"},
    {29, 32, -1, "d = -3: (-2) / 2 = -1"},
    {640, 32, 304, "a full-size client"},
    {0, 32, -15, "no client area: (-31) / 2 truncates to -15"},
};

TEST(WelcomeMinimizedIcon, OffsetCentresWithTruncationTowardZero)
{
    for (const OffsetCase& c : kOffsetCases)
        EXPECT_EQ(MinimizedIconOffset(c.nClient, c.nIcon), c.nExpected) << c.pszWhy;
}

}  // namespace
