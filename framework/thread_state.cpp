#include "framework/thread_state.h"

#include "framework/menu.h"
#include "framework/wnd.h"

FrameworkThreadState::~FrameworkThreadState()
{
    DeleteTemporaries();
}

void FrameworkThreadState::DeleteTemporaries()
{
    for (auto& entry : temporaryWindows)
        entry.second->m_hWnd = nullptr;
    temporaryWindows.clear();
    for (auto& entry : temporaryMenus)
        entry.second->Detach();
    temporaryMenus.clear();
}

FrameworkThreadState& AfxThreadState()
{
    thread_local FrameworkThreadState state;
    return state;
}
