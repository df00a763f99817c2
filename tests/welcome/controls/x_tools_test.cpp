// The X tools run through a Unix shell started with CreateProcessA. Wine 8 answers such a start
// with process information taken from whatever its stack held; the tests' own handles must survive
// it (a closed standard output once made the whole test program fall silent half-way).

#include "tests/welcome/controls/test_support.h"

#include <gtest/gtest.h>

namespace {

constexpr int kPaintedSlots = 4096;  // 32 KiB below the caller: deeper than the start goes

// Leaves the value in every slot of the stack below the caller, where the start's own frames
// come to lie next.
__attribute__((noinline)) void PaintStackBelow(ULONG_PTR value)
{
    volatile ULONG_PTR slots[kPaintedSlots];
    for (int i = 0; i < kPaintedSlots; ++i)
        slots[i] = value;
    (void)slots[0];
}

bool IsOpen(HANDLE h)
{
    DWORD flags = 0;
    return GetHandleInformation(h, &flags) != FALSE;
}

}  // namespace

TEST(XToolsTest, AShellRunLeavesTheProgramsOwnHandlesOpen)
{
    HANDLE hEvent = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    ASSERT_NE(hEvent, nullptr);
    PaintStackBelow(reinterpret_cast<ULONG_PTR>(hEvent));
    ASSERT_TRUE(Xdotool("getmouselocation")) << "the shell did not run xdotool";
    EXPECT_TRUE(IsOpen(hEvent)) << "starting the shell closed a handle that the stack happened to hold";
    EXPECT_TRUE(IsOpen(GetStdHandle(STD_OUTPUT_HANDLE))) << "starting the shell closed the standard output";
    CloseHandle(hEvent);
}
