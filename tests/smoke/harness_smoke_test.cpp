#include <windows.h>

#include <gtest/gtest.h>

TEST(Harness, WindowsCanBeCreatedOnTheDisplay)
{
    HWND window = CreateWindowExA(0, "STATIC", "harness", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50,
                                  nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(window, nullptr) << "no X display reached Wine";
    RECT screen{};
    GetWindowRect(GetDesktopWindow(), &screen);
    EXPECT_EQ(screen.right - screen.left, 1024) << "Wine's virtual desktop is not in use";
    DestroyWindow(window);
}

TEST(Harness, DrivesAreTheMappedOnesOnly)
{
    EXPECT_EQ(GetDriveTypeA("C:\\"), static_cast<UINT>(DRIVE_FIXED));
    EXPECT_EQ(GetDriveTypeA("D:\\"), static_cast<UINT>(DRIVE_FIXED));
    EXPECT_EQ(GetDriveTypeA("E:\\"), static_cast<UINT>(DRIVE_CDROM));
    EXPECT_EQ(GetDriveTypeA("Z:\\"), static_cast<UINT>(DRIVE_NO_ROOT_DIR)) << "the whole machine is mapped";
}
