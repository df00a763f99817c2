#pragma once

#include "framework/object.h"

class CWnd;

// The one application object of the program. The program's entry (framework_main) calls
// InitInstance; when it answers FALSE the process ends with the exit code of a pending quit
// request, if there is one, else 0. When it answers TRUE a message loop runs until the quit
// request, whose code becomes the exit code.
class CWinApp : public CObject
{
    DECLARE_DYNAMIC(CWinApp)

public:
    explicit CWinApp(const char* pszAppName = nullptr);  // becomes AfxGetApp()
    ~CWinApp() override;
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    virtual BOOL InitInstance();  // FALSE
    virtual int ExitInstance();   // 0

    // The icon nID of AfxGetResourceHandle() at the standard icon size (LoadIconA).
    HICON LoadIcon(UINT nIDResource) const;
    // Three-dimensional dialog drawing for systems that lack it: nothing to do on these.
    static BOOL Enable3dControlsStatic() { return TRUE; }

    const char* m_pszAppName;
    CWnd* m_pMainWnd = nullptr;
    HINSTANCE m_hInstance;
};

CWinApp* AfxGetApp();
HINSTANCE AfxGetInstanceHandle();
// Where resources are loaded from: the program's own module unless set otherwise.
HINSTANCE AfxGetResourceHandle();
void AfxSetResourceHandle(HINSTANCE hInstResource);
// TRUE at once when a class of that name is registered for lpWndClass->hInstance (GetClassInfoA),
// else RegisterClassA's success.
BOOL AfxRegisterClass(WNDCLASSA* lpWndClass);

// The entry's work, callable from tests: InitInstance, then the exit rules above.
int AfxWinMain(HINSTANCE hInstance);
