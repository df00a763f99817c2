// The application object that the welcome window and the controls expect to find, and a window of
// the test thread made before the first test.

#include "framework/win_app.h"

#include <gtest/gtest.h>

namespace {

CWinApp g_testApp;

// Under Wine a thread learns the pointer's position from the X server only once it has had a window.
class DisplayConnection : public ::testing::Environment
{
public:
    void SetUp() override
    {
        HWND hWnd = ::CreateWindowExA(0, "STATIC", "KelvaneFX test: display connection", WS_POPUP, 0, 0, 1, 1,
                                      nullptr, nullptr, ::GetModuleHandleA(nullptr), nullptr);
        if (hWnd)
            ::DestroyWindow(hWnd);
    }
};

::testing::Environment* const g_pDisplayConnection = ::testing::AddGlobalTestEnvironment(new DisplayConnection);

}  // namespace
