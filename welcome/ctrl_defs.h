#pragma once

#include "framework/object.h"

#include <cstddef>

// One row of the welcome window's control layout: the control's class, its id (child-window id,
// first image and, for a launch button, its target string), its top-left corner in the window's
// client coordinates (those of the background image) and its enabled state once created.
struct CTRLDEF
{
    const CRuntimeClass* pClass;
    UINT nID;
    int x;
    int y;
    BOOL bEnable;
};

// The row count is the only count of controls: everything that walks the controls walks all rows.
constexpr std::size_t kCtrlDefCount = 12;

// Row order is creation order, hence tab order; row 0 gets the initial focus.
extern const CTRLDEF g_aCtrlDefs[kCtrlDefCount];
