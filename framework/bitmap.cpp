#include "framework/bitmap.h"

#include "framework/dc.h"
#include "framework/win_app.h"

IMPLEMENT_DYNAMIC(CBitmap, CGdiObject)

BOOL CBitmap::LoadBitmap(UINT nIDResource)
{
    return LoadBitmap(MAKEINTRESOURCEA(nIDResource));
}

BOOL CBitmap::LoadBitmap(LPCSTR lpszResourceName)
{
    DeleteObject();
    return Attach(::LoadBitmapA(AfxGetResourceHandle(), lpszResourceName));
}

BOOL CBitmap::CreateCompatibleBitmap(CDC* pDC, int nWidth, int nHeight)
{
    DeleteObject();
    if (pDC == nullptr || pDC->m_hDC == nullptr)
        return FALSE;
    return Attach(::CreateCompatibleBitmap(pDC->m_hDC, nWidth, nHeight));
}

int CBitmap::GetBitmap(BITMAP* pBitMap) const
{
    return GetObject(sizeof(BITMAP), pBitMap);
}
