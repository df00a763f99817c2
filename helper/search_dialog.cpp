#include "search_dialog.h"

#include "helper_globals.h"

void OpenSearchWindow(WORD templateId, HWND parent)
{
    g_hSearchWnd = CreateDialogParamA(g_hInstance, MAKEINTRESOURCEA(templateId), parent,
                                      SearchDlgProc, 0);
    if (g_hSearchWnd == nullptr)
        return;  // the search runs without a window
    ShowWindow(g_hSearchWnd, SW_SHOWNORMAL);
    UpdateWindow(g_hSearchWnd);
}

void CloseSearchWindow()
{
    if (g_hSearchWnd == nullptr)
        return;
    DestroyWindow(g_hSearchWnd);
    g_hSearchWnd = nullptr;
}

INT_PTR CALLBACK SearchDlgProc(HWND, UINT message, WPARAM wParam, LPARAM)
{
    switch (message) {
    case WM_INITDIALOG:
        return TRUE;  // the dialog manager focuses the Cancel button
    case WM_COMMAND:
        if (LOWORD(wParam) == IDCANCEL)
            g_bSearchCancelled = 1;
        return FALSE;
    default:
        return FALSE;
    }
}
