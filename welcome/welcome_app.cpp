#include "welcome/welcome_app.h"

#include "welcome/welcome_dlg.h"

// The one application object; the framework's entry point runs it.
CWelcomeApp theApp;

CWelcomeApp::CWelcomeApp() : CWinApp(nullptr)
{
}

CWelcomeApp::~CWelcomeApp() = default;

BOOL CWelcomeApp::InitInstance()
{
    Enable3dControlsStatic();
    {
        CWelcomeDlg dlg;
        m_pMainWnd = &dlg;
        dlg.DoModal();
        // The window object is about to go; nothing may reach it through the application.
        m_pMainWnd = nullptr;
    }
    return FALSE;
}
