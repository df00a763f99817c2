#pragma once

#include "framework/dc.h"

class CWnd;

// BeginPaint in the constructor, EndPaint in the destructor.
class CPaintDC : public CDC
{
    DECLARE_DYNAMIC(CPaintDC)

public:
    explicit CPaintDC(CWnd* pWnd);
    ~CPaintDC() override;

    PAINTSTRUCT m_ps{};

protected:
    HWND m_hWnd = nullptr;
};
