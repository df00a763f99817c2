// A program on the framework's entry whose start-up is chosen by its first argument, so that the
// tests can read the exit code that each kind of start-up gives the process.
#include "framework/dialog.h"
#include "framework/win_app.h"

#include "framework_test_ids.h"

#include <cstring>

namespace {

const int kDoModalWasNotMinusOne = 99;

bool HasArgument(const char* pszWord)
{
    return std::strstr(::GetCommandLineA(), pszWord) != nullptr;
}

// Fails its initialisation the way a program does that cannot start: quit request -1.
class CFailingDialog : public CDialog
{
public:
    CFailingDialog() : CDialog(IDD_PROBE_DIALOG) {}
    BOOL OnInitDialog() override
    {
        CDialog::OnInitDialog();
        ::PostQuitMessage(-1);
        return TRUE;
    }
};

class CClosingDialog : public CDialog
{
public:
    CClosingDialog() : CDialog(IDD_PROBE_DIALOG) {}
    BOOL OnInitDialog() override
    {
        CDialog::OnInitDialog();
        PostMessage(WM_COMMAND, IDOK);
        return TRUE;
    }
};

class CTestApp : public CWinApp
{
public:
    BOOL InitInstance() override
    {
        if (HasArgument("fail-after-quit")) {
            ::PostQuitMessage(-1);
            return FALSE;
        }
        if (HasArgument("run-until-quit")) {
            ::PostQuitMessage(7);
            return TRUE;
        }
        if (HasArgument("dialog-init-fails"))
            return RunDialog<CFailingDialog>(-1);
        if (HasArgument("dialog-closed"))
            return RunDialog<CClosingDialog>(IDOK);
        return FALSE;
    }

private:
    template <typename Dialog>
    BOOL RunDialog(INT_PTR nExpected)
    {
        Dialog dlg;
        m_pMainWnd = &dlg;
        const INT_PTR nResult = dlg.DoModal();
        m_pMainWnd = nullptr;
        if (nResult != nExpected) {
            MSG msg;
            ::PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
            ::PostQuitMessage(kDoModalWasNotMinusOne);
        }
        return FALSE;
    }
};

CTestApp theApp;

}  // namespace
