// Another program for the tests: a plain top-level window at the position given on the command
// line that makes itself the active window, until it is closed.

#include <windows.h>

#include <cstdlib>

namespace {

const char kTitle[] = "KelvaneFX test: another program";
const char kClassName[] = "KelvaneFX:TestOtherProgram";

LRESULT CALLBACK WindowProcedure(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(hWnd, message, wParam, lParam);
}

}  // namespace

int main(int argc, char** argv)
{
    const int x = argc > 1 ? std::atoi(argv[1]) : 0;
    const int y = argc > 2 ? std::atoi(argv[2]) : 0;
    WNDCLASSA wc{};
    wc.lpfnWndProc = WindowProcedure;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.lpszClassName = kClassName;
    RegisterClassA(&wc);
    HWND hWnd = CreateWindowExA(0, kClassName, kTitle, WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_VISIBLE, x, y,
                                200, 120, nullptr, nullptr, wc.hInstance, nullptr);
    if (!hWnd)
        return 1;
    SetForegroundWindow(hWnd);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return 0;
}
