// CGdiObject/CBitmap ownership, CDC/CPaintDC selection and copying, CMenu item states.
#include "framework/bitmap.h"
#include "framework/dc.h"
#include "framework/menu.h"
#include "framework/paint_dc.h"
#include "framework/thread_state.h"
#include "framework/wnd.h"

#include "framework_test_ids.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const COLORREF kRed = RGB(255, 0, 0);
const COLORREF kBlue = RGB(0, 0, 255);
const char kPaintClass[] = "FrameworkTest:Paint";
const int kLoadRounds = 50;

bool IsLiveGdiObject(HGDIOBJ hObject)
{
    return ::GetObjectType(hObject) != 0;
}

// Copies the loaded bitmap into its client area the way a bitmap control paints, and records what
// the memory DC held before, during and after.
class CPaintProbe : public CWnd
{
public:
    CBitmap m_image;
    std::vector<std::string> m_events;

    void OnPaint() override
    {
        CPaintDC dc(this);
        CDC memory;
        if (!memory.CreateCompatibleDC(&dc)) {
            m_events.push_back("no memory dc");
            return;
        }
        HGDIOBJ hOriginal = ::GetCurrentObject(memory.m_hDC, OBJ_BITMAP);
        CBitmap* pOld = memory.SelectObject(&m_image);
        const bool bSelected = ::GetCurrentObject(memory.m_hDC, OBJ_BITMAP) == m_image.m_hObject;
        dc.BitBlt(0, 0, RED_BLUE_WIDTH, RED_BLUE_HEIGHT, &memory, 0, 0, SRCCOPY);
        memory.SelectObject(pOld);
        const bool bRestored = ::GetCurrentObject(memory.m_hDC, OBJ_BITMAP) == hOriginal;
        m_events.push_back(std::string("painted") + (pOld != nullptr && pOld->m_hObject == hOriginal ? " old-ok" : " old-wrong") +
                           (bSelected ? " selected" : " not-selected") + (bRestored ? " restored" : " not-restored"));
    }

    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CPaintProbe, CWnd)
    ON_WM_PAINT()
END_MESSAGE_MAP()

}  // namespace

TEST(FrameworkBitmap, LoadBitmapHoldsTheResourceOrNothing)
{
    CBitmap bitmap;
    ASSERT_TRUE(bitmap.LoadBitmap(IDB_RED_BLUE));
    ASSERT_NE(bitmap.m_hObject, nullptr);
    BITMAP info{};
    EXPECT_EQ(bitmap.GetBitmap(&info), static_cast<int>(sizeof(BITMAP)));
    EXPECT_EQ(info.bmWidth, RED_BLUE_WIDTH);
    EXPECT_EQ(info.bmHeight, RED_BLUE_HEIGHT);

    CBitmap missing;
    EXPECT_FALSE(missing.LoadBitmap(IDB_MISSING));
    EXPECT_EQ(missing.m_hObject, nullptr) << "a missing bitmap left an image behind";
    EXPECT_EQ(missing.GetSafeHandle(), nullptr);
}

TEST(FrameworkBitmap, DestructionDeletesTheImage)
{
    HGDIOBJ hLoaded = nullptr;
    {
        CBitmap bitmap;
        ASSERT_TRUE(bitmap.LoadBitmap(IDB_RED_BLUE));
        hLoaded = bitmap.m_hObject;
        ASSERT_TRUE(IsLiveGdiObject(hLoaded));
    }
    EXPECT_FALSE(IsLiveGdiObject(hLoaded)) << "the destructor did not delete the bitmap";

    // Wine's GetGuiResources answers 0 for GDI objects, so every handle is checked instead.
    std::vector<HGDIOBJ> loaded;
    for (int nRound = 0; nRound < kLoadRounds; ++nRound) {
        CBitmap bitmap;
        ASSERT_TRUE(bitmap.LoadBitmap(IDB_RED_BLUE));
        loaded.push_back(bitmap.m_hObject);
        ASSERT_TRUE(bitmap.LoadBitmap(IDB_RED_BLUE)) << "loading again must replace the image";
        loaded.push_back(bitmap.m_hObject);
    }
    for (HGDIOBJ hObject : loaded)
        EXPECT_FALSE(IsLiveGdiObject(hObject)) << "a loaded or replaced bitmap was never deleted";
}

TEST(FrameworkBitmap, AttachAndDetachHandOwnershipOver)
{
    HBITMAP hBitmap = ::CreateBitmap(4, 4, 1, 1, nullptr);
    ASSERT_NE(hBitmap, nullptr);
    CBitmap owner;
    EXPECT_TRUE(owner.Attach(hBitmap));
    EXPECT_FALSE(owner.Attach(hBitmap)) << "a second Attach replaced the held image";
    EXPECT_EQ(static_cast<HBITMAP>(owner), hBitmap);
    EXPECT_EQ(owner.Detach(), hBitmap);
    EXPECT_EQ(owner.m_hObject, nullptr);
    EXPECT_TRUE(IsLiveGdiObject(hBitmap)) << "Detach deleted the image";
    {
        CGdiObject scoped;
        ASSERT_TRUE(scoped.Attach(hBitmap));
    }
    EXPECT_FALSE(IsLiveGdiObject(hBitmap)) << "an attached image outlived its owner";
    CGdiObject empty;
    EXPECT_FALSE(empty.DeleteObject());
}

TEST(FrameworkDC, SelectObjectAnswersThePreviousBitmapAndSelectingItBackRestores)
{
    CBitmap image;
    ASSERT_TRUE(image.LoadBitmap(IDB_RED_BLUE));
    // Compatible with the screen, not with a fresh memory DC (that one holds a monochrome bitmap).
    CBitmap target;
    HDC hScreen = ::GetDC(nullptr);
    ASSERT_TRUE(target.Attach(::CreateCompatibleBitmap(hScreen, RED_BLUE_WIDTH, RED_BLUE_HEIGHT)));
    ::ReleaseDC(nullptr, hScreen);

    CDC source;
    CDC destination;
    ASSERT_TRUE(source.CreateCompatibleDC(nullptr));
    ASSERT_TRUE(destination.CreateCompatibleDC(nullptr));
    HGDIOBJ hOriginal = ::GetCurrentObject(source.m_hDC, OBJ_BITMAP);
    CBitmap* pOld = source.SelectObject(&image);
    ASSERT_NE(pOld, nullptr);
    EXPECT_EQ(pOld->m_hObject, hOriginal);
    CBitmap* pOldDestination = destination.SelectObject(&target);
    ASSERT_NE(pOldDestination, nullptr);

    ASSERT_TRUE(destination.BitBlt(0, 0, RED_BLUE_WIDTH, RED_BLUE_HEIGHT, &source, 0, 0, SRCCOPY));
    EXPECT_EQ(destination.GetPixel(0, 0), kRed);
    EXPECT_EQ(destination.GetPixel(RED_BLUE_WIDTH - 1, RED_BLUE_HEIGHT - 1), kBlue);

    CBitmap* pImageBack = source.SelectObject(pOld);
    ASSERT_NE(pImageBack, nullptr);
    EXPECT_EQ(pImageBack->m_hObject, image.m_hObject);
    EXPECT_EQ(::GetCurrentObject(source.m_hDC, OBJ_BITMAP), hOriginal);
    destination.SelectObject(pOldDestination);
    EXPECT_TRUE(source.DeleteDC());
    EXPECT_EQ(source.m_hDC, nullptr);
    EXPECT_TRUE(IsLiveGdiObject(image.m_hObject)) << "deleting the DC deleted a borrowed bitmap";
}

TEST(FrameworkDC, DestructionDeletesTheDCItCreatedAndLeavesTheBitmapDeletable)
{
    CBitmap image;
    ASSERT_TRUE(image.LoadBitmap(IDB_RED_BLUE));
    HDC hMemory = nullptr;
    {
        CDC memory;
        ASSERT_TRUE(memory.CreateCompatibleDC(nullptr));
        hMemory = memory.m_hDC;
        ASSERT_NE(memory.SelectObject(&image), nullptr);
    }
    EXPECT_EQ(::GetObjectType(hMemory), 0u) << "the DC outlived its owner";
    EXPECT_TRUE(image.DeleteObject()) << "the bitmap stayed selected in a deleted DC";
}

TEST(FrameworkDC, PaintDCCopiesTheImageIntoTheWindow)
{
    WNDCLASSA paintClass{};
    paintClass.lpfnWndProc = &::DefWindowProcA;
    paintClass.hInstance = ::GetModuleHandleA(nullptr);
    paintClass.lpszClassName = kPaintClass;
    paintClass.hbrBackground = static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH));
    ::RegisterClassA(&paintClass);

    CPaintProbe probe;
    ASSERT_TRUE(probe.m_image.LoadBitmap(IDB_RED_BLUE));
    ASSERT_TRUE(probe.Create(kPaintClass, "paint", WS_POPUP | WS_VISIBLE, CRect(100, 100, 140, 130), nullptr, 0));
    probe.UpdateWindow();
    ASSERT_EQ(probe.m_events, (std::vector<std::string>{"painted old-ok selected restored"}));
    EXPECT_FALSE(::GetUpdateRect(probe.m_hWnd, nullptr, FALSE)) << "EndPaint did not validate the window";

    HDC hWindow = ::GetDC(probe.m_hWnd);
    EXPECT_EQ(::GetPixel(hWindow, 0, 0), kRed);
    EXPECT_EQ(::GetPixel(hWindow, RED_BLUE_WIDTH - 1, 0), kBlue);
    EXPECT_EQ(::GetPixel(hWindow, RED_BLUE_WIDTH + 2, 0), RGB(255, 255, 255)) << "painted outside the image";
    ::ReleaseDC(probe.m_hWnd, hWindow);
}

TEST(FrameworkMenu, EnableMenuItemChangesAndReportsTheItemState)
{
    HMENU hMenu = ::CreatePopupMenu();
    ASSERT_NE(hMenu, nullptr);
    ::AppendMenuA(hMenu, MF_STRING, 100, "Item");
    CMenu* pMenu = CMenu::FromHandle(hMenu);
    ASSERT_NE(pMenu, nullptr);
    EXPECT_EQ(CMenu::FromHandle(hMenu), pMenu);
    EXPECT_EQ(CMenu::FromHandle(nullptr), nullptr);

    struct StateCase
    {
        UINT nEnable;
        UINT nExpectedPrevious;
        UINT nExpectedState;
    };
    const StateCase kCases[] = {
        {MF_BYCOMMAND | MF_GRAYED | MF_DISABLED, MF_ENABLED, MF_GRAYED | MF_DISABLED},
        {MF_BYCOMMAND | MF_ENABLED, MF_GRAYED | MF_DISABLED, MF_ENABLED},
        {MF_BYCOMMAND | MF_GRAYED, MF_ENABLED, MF_GRAYED},
    };
    for (const StateCase& stateCase : kCases) {
        SCOPED_TRACE(stateCase.nEnable);
        EXPECT_EQ(pMenu->EnableMenuItem(100, stateCase.nEnable), stateCase.nExpectedPrevious);
        EXPECT_EQ(pMenu->GetMenuState(100, MF_BYCOMMAND) & (MF_GRAYED | MF_DISABLED), stateCase.nExpectedState);
    }
    EXPECT_EQ(pMenu->EnableMenuItem(999, MF_BYCOMMAND | MF_GRAYED), static_cast<UINT>(-1)) << "a missing item";

    CWnd::DeleteTempMaps();
    EXPECT_TRUE(AfxThreadState().temporaryMenus.empty());
    EXPECT_TRUE(::IsMenu(hMenu)) << "dropping the temporary object destroyed the menu";
    {
        CMenu owner;
        ASSERT_TRUE(owner.Attach(hMenu));
    }
    EXPECT_FALSE(::IsMenu(hMenu)) << "an attached menu outlived its owner";
}
