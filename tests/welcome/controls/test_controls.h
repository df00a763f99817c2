#pragma once
// Test subclasses that record what the bitmap controls do, and a plain top-level parent for them.

#include "framework/wnd.h"
#include "welcome/controls/welcome_button.h"
#include "welcome/controls/welcome_label.h"

#include <vector>

// A push button that records its clicks, the state of each of its paints and the mouse messages
// that reach it. Its click still does what CWelcomeButton's does.
class CRecordingButton : public CWelcomeButton
{
public:
    int State() const { return m_nState; }
    void OnClicked() override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    int m_nClicks = 0;
    std::vector<int> m_paintedStates;
    std::vector<UINT> m_mouseMessages;

protected:
    void OnPaint() override;
};

class CRecordingLabel : public CWelcomeLabel
{
public:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    std::vector<UINT> m_mouseMessages;
};

// A top-level window standing in for the welcome window: it counts close requests instead of
// closing.
class CTestParent : public CWnd
{
public:
    BOOL CreateAt(int x, int y, int cx, int cy);

    int m_nCloseRequests = 0;

protected:
    void OnClose() override;

    DECLARE_MESSAGE_MAP()
};

// Counts the mouse messages of one kind in a recording.
int CountOf(const std::vector<UINT>& messages, UINT message);
