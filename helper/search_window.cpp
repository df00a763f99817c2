#include "search_window.h"

#include "helper_globals.h"
#include "search_dialog.h"

CSearchWindow::CSearchWindow(WORD templateId, HWND parent) : m_hOuterWnd(g_hSearchWnd)
{
    OpenSearchWindow(templateId, parent);
}

CSearchWindow::~CSearchWindow()
{
    CloseSearchWindow();
    g_hSearchWnd = m_hOuterWnd;
}
