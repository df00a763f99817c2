#include "framework/win_app.h"

#include "framework/wnd.h"

IMPLEMENT_DYNAMIC(CWinApp, CObject)

namespace {

CWinApp* g_pApp = nullptr;
HINSTANCE g_hResourceInstance = nullptr;

// The exit code of a quit request still in the queue, else 0.
int PendingQuitCode()
{
    MSG msg;
    if (::PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE))
        return static_cast<int>(msg.wParam);
    return 0;
}

int RunMessageLoop()
{
    MSG msg{};
    for (;;) {
        if (!::PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE))
            CWnd::DeleteTempMaps();
        const BOOL bGot = ::GetMessageA(&msg, nullptr, 0, 0);
        if (bGot == 0)
            return static_cast<int>(msg.wParam);
        if (bGot == -1)
            return -1;
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
}

}  // namespace

CWinApp::CWinApp(const char* pszAppName) : m_pszAppName(pszAppName), m_hInstance(::GetModuleHandleA(nullptr))
{
    g_pApp = this;
}

CWinApp::~CWinApp()
{
    if (g_pApp == this)
        g_pApp = nullptr;
}

BOOL CWinApp::InitInstance()
{
    return TRUE;
}

int CWinApp::ExitInstance()
{
    return 0;
}

HICON CWinApp::LoadIcon(UINT nIDResource) const
{
    return ::LoadIconA(AfxGetResourceHandle(), MAKEINTRESOURCEA(nIDResource));
}

CWinApp* AfxGetApp()
{
    return g_pApp;
}

HINSTANCE AfxGetInstanceHandle()
{
    if (g_pApp != nullptr && g_pApp->m_hInstance != nullptr)
        return g_pApp->m_hInstance;
    return ::GetModuleHandleA(nullptr);
}

HINSTANCE AfxGetResourceHandle()
{
    return g_hResourceInstance != nullptr ? g_hResourceInstance : AfxGetInstanceHandle();
}

void AfxSetResourceHandle(HINSTANCE hInstResource)
{
    g_hResourceInstance = hInstResource;
}

BOOL AfxRegisterClass(WNDCLASSA* lpWndClass)
{
    if (lpWndClass == nullptr)
        return FALSE;
    WNDCLASSA existing{};
    if (::GetClassInfoA(lpWndClass->hInstance, lpWndClass->lpszClassName, &existing))
        return TRUE;
    return ::RegisterClassA(lpWndClass) != 0;
}

int AfxWinMain(HINSTANCE hInstance)
{
    CWinApp* pApp = AfxGetApp();
    if (pApp == nullptr)
        return -1;
    if (hInstance != nullptr)
        pApp->m_hInstance = hInstance;
    try {
        if (!pApp->InitInstance()) {
            pApp->ExitInstance();
            return PendingQuitCode();
        }
        const int nExitCode = RunMessageLoop();
        pApp->ExitInstance();
        return nExitCode;
    } catch (...) {
        return -1;
    }
}
