#include "helper_test_support.h"

namespace {

constexpr const char* kOwnerClass = "KelvaneFX:HelperTestOwner";

void RegisterOwnerClass(WNDPROC procedure)
{
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = kOwnerClass;
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    RegisterClassA(&windowClass);  // fails harmlessly once registered
}

}  // namespace

COwnerWindow::COwnerWindow()
{
    RegisterOwnerClass(WindowProc);
    m_hWnd = CreateWindowExA(0, kOwnerClass, "setup", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10, 300, 200,
                             nullptr, nullptr, GetModuleHandleA(nullptr), this);
}

COwnerWindow::~COwnerWindow()
{
    if (m_hWnd != nullptr)
        DestroyWindow(m_hWnd);
}

LRESULT CALLBACK COwnerWindow::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* self = reinterpret_cast<COwnerWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (message == kOwnerPing && self != nullptr) {
        ++self->m_nPings;
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}
