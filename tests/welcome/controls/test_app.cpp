// The application object that the welcome window and the controls expect to find.

#include "framework/win_app.h"

namespace {

CWinApp g_testApp;

}  // namespace
