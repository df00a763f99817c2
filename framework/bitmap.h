#pragma once

#include "framework/gdi_object.h"

class CDC;

class CBitmap : public CGdiObject
{
    DECLARE_DYNAMIC(CBitmap)

public:
    CBitmap() = default;

    // The bitmap resource nID of AfxGetResourceHandle(); FALSE and empty when it is missing.
    BOOL LoadBitmap(UINT nIDResource);
    BOOL LoadBitmap(LPCSTR lpszResourceName);
    BOOL CreateCompatibleBitmap(CDC* pDC, int nWidth, int nHeight);
    int GetBitmap(BITMAP* pBitMap) const;
    operator HBITMAP() const { return static_cast<HBITMAP>(m_hObject); }
};
