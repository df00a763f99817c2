// The test program's application object: the welcome window and its controls load their
// resources and register their class through it, as in Welcome.exe.
#include "framework/win_app.h"

CWinApp theTestApp;
