#pragma once

#include "framework/object.h"

class CMenu : public CObject
{
    DECLARE_DYNAMIC(CMenu)

public:
    CMenu() = default;
    ~CMenu() override;  // destroys a menu it owns (Attach); never a temporary object's menu
    CMenu(const CMenu&) = delete;
    CMenu& operator=(const CMenu&) = delete;

    HMENU m_hMenu = nullptr;

    BOOL Attach(HMENU hMenu);
    HMENU Detach();
    BOOL DestroyMenu();
    HMENU GetSafeHmenu() const { return m_hMenu; }
    operator HMENU() const { return m_hMenu; }

    // Answers the previous state (MF_ENABLED, MF_GRAYED, MF_DISABLED) or (UINT)-1 when the item
    // does not exist.
    UINT EnableMenuItem(UINT nIDEnableItem, UINT nEnable);
    UINT GetMenuState(UINT nID, UINT nFlags) const;
    int GetMenuItemCount() const;
    UINT GetMenuItemID(int nPos) const;

    // A temporary object for hMenu (null for null). Temporary objects live until the thread's
    // message loop goes idle outside any window procedure.
    static CMenu* FromHandle(HMENU hMenu);
};
