#pragma once

#include "framework/wnd.h"

class CDialog;

// Present for the data-exchange step of the dialog's initialisation; this library moves no data.
class CDataExchange
{
public:
    CDataExchange(CDialog* pDlgWnd, BOOL bSaveAndValidate)
        : m_bSaveAndValidate(bSaveAndValidate), m_pDlgWnd(pDlgWnd)
    {
    }
    BOOL m_bSaveAndValidate;
    CDialog* m_pDlgWnd;
};

// A modal dialog built on a numbered dialog template of AfxGetResourceHandle().
class CDialog : public CWnd
{
    DECLARE_DYNAMIC(CDialog)

public:
    explicit CDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
    ~CDialog() override;

    // Creates the window (OnInitDialog runs during creation, before it is shown) and runs the
    // modal loop: each message retrieved for the dialog or one of its children goes first to
    // PreTranslateMessage and, when that answers FALSE, to TranslateMessage and DispatchMessageA.
    // EndDialog ends the loop; the owner is then re-enabled, the window hidden and destroyed with
    // its children. Answers the EndDialog result; -1 when the window cannot be created, when it is
    // destroyed without EndDialog, or when a quit request ends the loop (the quit request is then
    // posted again with its exit code, for the caller's loop).
    INT_PTR DoModal();
    void EndDialog(int nResult);

    virtual BOOL OnInitDialog();  // TRUE: the dialog manager focuses the first tab stop
    virtual void OnOK();          // EndDialog(IDOK), reached by WM_COMMAND IDOK
    virtual void OnCancel();      // EndDialog(IDCANCEL), reached by WM_COMMAND IDCANCEL
    virtual void DoDataExchange(CDataExchange* pDX);
    BOOL UpdateData(BOOL bSaveAndValidate = TRUE);

    BOOL PreTranslateMessage(MSG* pMsg) override;  // IsDialogMessageA(m_hWnd, pMsg)

    DECLARE_MESSAGE_MAP()

protected:
    // The dialog procedure that the dialog manager calls; it answers only WM_INITDIALOG.
    static INT_PTR CALLBACK AfxDlgProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);

    BOOL CreateModelessFromTemplate(HWND hWndOwner);
    void RunModalLoop();
    bool IsForThisDialog(const MSG& msg) const;
    BOOL PreTranslateGuarded(MSG* pMsg);

    UINT m_nIDTemplate;
    CWnd* m_pParentWnd;
    int m_nModalResult = -1;
    bool m_bContinueModal = false;
    bool m_bQuitEndedLoop = false;
    int m_nQuitCode = 0;
};
