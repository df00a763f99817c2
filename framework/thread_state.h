#pragma once

#include "framework/win_headers.h"

#include <map>
#include <memory>

class CMenu;
class CWnd;

// What the framework keeps per GUI thread: which object each attached window belongs to, the
// temporary wrappers handed out by FromHandle, the message being handled (for Default()) and the
// object waiting to be attached to the next window created.
struct FrameworkThreadState
{
    FrameworkThreadState() = default;
    ~FrameworkThreadState();  // lets go of the temporary wrappers without touching their handles
    FrameworkThreadState(const FrameworkThreadState&) = delete;
    FrameworkThreadState& operator=(const FrameworkThreadState&) = delete;

    // Deletes the temporary wrappers; their windows and menus are not touched.
    void DeleteTemporaries();

    std::map<HWND, CWnd*> permanentWindows;
    std::map<HWND, std::unique_ptr<CWnd>> temporaryWindows;
    std::map<HMENU, std::unique_ptr<CMenu>> temporaryMenus;

    int nWindowProcDepth = 0;  // window procedures of this framework running on the thread
    MSG currentMessage{};      // the message that the innermost such procedure handles
    CWnd* pWndInit = nullptr;  // attached at the next HCBT_CREATEWND
};

FrameworkThreadState& AfxThreadState();
