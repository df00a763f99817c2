#pragma once

#include "framework/win_app.h"

// The application object of Welcome: runs the welcome window modally during start-up and ends the
// program when it closes.
class CWelcomeApp : public CWinApp
{
public:
    CWelcomeApp();
    ~CWelcomeApp() override;

    // Always FALSE: the program has no message loop beyond the welcome window's own.
    BOOL InitInstance() override;
};
