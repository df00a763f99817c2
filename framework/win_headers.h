#pragma once

// One place that decides how <windows.h> is seen by the framework and its users: ANSI names
// (MessageBox is MessageBoxA ...) and no min/max macros. <windowsx.h> is left out on purpose: its
// macros (SubclassWindow ...) collide with member names.
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
