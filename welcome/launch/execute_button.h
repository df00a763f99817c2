#pragma once
// Launch button: a push button whose click starts a target through the shell instead of closing
// the welcome window. The target is the program's folder put into the format that the string
// table holds under the button's control id; it is resolved at the first click that succeeds and
// kept for the button's life. A failed launch is reported in a message box.

#include "framework/string.h"
#include "welcome/controls/welcome_button.h"

class CExecuteButton : public CWelcomeButton
{
    DECLARE_DYNCREATE(CExecuteButton)

public:
    CExecuteButton();
    ~CExecuteButton() override;

    // Starts the target; does nothing while the button is disabled. Shared by every launch button.
    void OnClicked() override;

    // What the shell is asked to do. Each answers null for "none"; the verb null is the target's
    // default action.
    virtual LPCSTR GetOperation();
    virtual LPCSTR GetFile();
    virtual LPCSTR GetParameters();
    virtual LPCSTR GetDirectory();

protected:
    // Makes sure m_strTarget holds the target; once it does, nothing is looked up again.
    BOOL ResolveTarget();

    CString m_strTarget;

private:
    void ShowFailure(UINT nMessageID);
};
