// The welcome window built from a resource script that lacks the first image of row 1 (the Avid
// MCXpress install button, image 148).
#include "expected_layout.h"
#include "probed_welcome_dlg.h"
#include "welcome_test_support.h"

#include <gtest/gtest.h>

namespace
{

constexpr size_t kRowWithoutImage = 1;

TEST(WelcomeMissingImage, RowWithoutItsFirstImageGetsNoWindowAndTheRestWork)
{
    SetCursorPos(0, 0);
    const ExpectedCtrl& missing = kExpectedCtrls[kRowWithoutImage];
    ASSERT_EQ(BitmapResourceSize(missing.nID).cx, 0) << "the test program still has image " << missing.nID;

    CProbedWelcomeDlg dlg;
    dlg.AddStep([&](CProbedWelcomeDlg& d) {
        EXPECT_TRUE(d.IsWindowVisible()) << "start-up did not go on after the missing image";
        EXPECT_EQ(::GetDlgItem(d.m_hWnd, missing.nID), nullptr) << "a window was made without its image";
        for (size_t row = 0; row < kExpectedCtrlCount; ++row)
        {
            if (row == kRowWithoutImage)
                continue;
            EXPECT_NE(::GetDlgItem(d.m_hWnd, kExpectedCtrls[row].nID), nullptr) << kExpectedCtrls[row].pszWhat;
        }
        EXPECT_NE(::GetFocus(), nullptr) << "nothing has the focus";
        EXPECT_EQ(::GetFocus(), ::GetDlgItem(d.m_hWnd, kExpectedCtrls[kRowWithoutImage + 1].nID))
            << "the initial focus did not skip the gap to the next button";

        // The gap shows the background.
        d.UpdateWindow();
        const PixelBlock gap = CaptureWindow(d.m_hWnd, missing.x, missing.y, missing.cx, missing.cy);
        EXPECT_EQ(DescribeDifference(gap, CaptureBitmapResource(kBackgroundImage, missing.x, missing.y,
                                                                missing.cx, missing.cy)),
                  "");
        d.PostMessage(WM_CLOSE);
    });
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(dlg.m_nStepsRun, 1u);
}

}  // namespace
