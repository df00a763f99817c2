#pragma once

#include "framework/win_headers.h"

class CPoint : public POINT
{
public:
    CPoint() { x = 0; y = 0; }
    CPoint(int initX, int initY) { x = initX; y = initY; }
    // The packed client coordinates of a mouse message; both halves are signed.
    CPoint(LPARAM lParam)
    {
        x = static_cast<short>(LOWORD(lParam));
        y = static_cast<short>(HIWORD(lParam));
    }
    CPoint(const POINT& pt) { x = pt.x; y = pt.y; }

    bool operator==(const POINT& pt) const { return x == pt.x && y == pt.y; }
    bool operator!=(const POINT& pt) const { return !(*this == pt); }
};

class CRect : public RECT
{
public:
    CRect() { left = top = right = bottom = 0; }
    CRect(int l, int t, int r, int b) { left = l; top = t; right = r; bottom = b; }
    CRect(const RECT& rc) { left = rc.left; top = rc.top; right = rc.right; bottom = rc.bottom; }

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    BOOL PtInRect(POINT pt) const { return ::PtInRect(this, pt); }
    BOOL IsRectEmpty() const { return ::IsRectEmpty(this); }

    operator LPRECT() { return this; }
    operator LPCRECT() const { return this; }

    bool operator==(const RECT& rc) const { return ::EqualRect(this, &rc) != FALSE; }
    bool operator!=(const RECT& rc) const { return !(*this == rc); }
};
