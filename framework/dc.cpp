#include "framework/dc.h"

#include "framework/temporary_wrapper.h"

IMPLEMENT_DYNAMIC(CDC, CObject)

CDC::~CDC()
{
    if (m_bOwnsDC)
        DeleteDC();
    RestoreSelection();
}

BOOL CDC::CreateCompatibleDC(CDC* pDC)
{
    if (m_hDC != nullptr)
        return FALSE;
    return Attach(::CreateCompatibleDC(pDC != nullptr ? pDC->m_hDC : nullptr));
}

BOOL CDC::DeleteDC()
{
    if (m_hDC == nullptr || !m_bOwnsDC)
        return FALSE;
    RestoreSelection();
    return ::DeleteDC(Detach());
}

BOOL CDC::Attach(HDC hDC)
{
    if (hDC == nullptr || m_hDC != nullptr)
        return FALSE;
    m_hDC = hDC;
    m_bOwnsDC = true;
    return TRUE;
}

HDC CDC::Detach()
{
    m_hOriginalBitmap = nullptr;
    HDC hDC = m_hDC;
    m_hDC = nullptr;
    m_bOwnsDC = false;
    return hDC;
}

void CDC::RestoreSelection()
{
    if (m_hDC != nullptr && m_hOriginalBitmap != nullptr)
        ::SelectObject(m_hDC, m_hOriginalBitmap);
    m_hOriginalBitmap = nullptr;

    // The wrappers only borrowed their handles: the bitmaps belong to whoever selected them.
    for (auto& entry : m_temporaryBitmaps)
        entry.second->Detach();
    m_temporaryBitmaps.clear();
}

CBitmap* CDC::TemporaryBitmapFor(HBITMAP hBitmap)
{
    return FindOrMakeTemporary(m_temporaryBitmaps, hBitmap,
                               [](CBitmap& bitmap, HBITMAP h) { bitmap.Attach(h); });
}

CBitmap* CDC::SelectObject(CBitmap* pBitmap)
{
    if (m_hDC == nullptr || pBitmap == nullptr || pBitmap->m_hObject == nullptr)
        return nullptr;
    HGDIOBJ hPrevious = ::SelectObject(m_hDC, pBitmap->m_hObject);
    if (hPrevious == nullptr || hPrevious == HGDI_ERROR)
        return nullptr;
    if (m_hOriginalBitmap == nullptr)
        m_hOriginalBitmap = hPrevious;
    return TemporaryBitmapFor(static_cast<HBITMAP>(hPrevious));
}

HGDIOBJ CDC::SelectObject(HGDIOBJ hObject)
{
    if (m_hDC == nullptr || hObject == nullptr)
        return nullptr;
    return ::SelectObject(m_hDC, hObject);
}

BOOL CDC::BitBlt(int x, int y, int nWidth, int nHeight, CDC* pSrcDC, int xSrc, int ySrc, DWORD dwRop)
{
    return ::BitBlt(m_hDC, x, y, nWidth, nHeight, pSrcDC != nullptr ? pSrcDC->m_hDC : nullptr, xSrc,
                    ySrc, dwRop);
}

BOOL CDC::DrawIcon(int x, int y, HICON hIcon)
{
    return ::DrawIcon(m_hDC, x, y, hIcon);
}

void CDC::FillSolidRect(const RECT* pRect, COLORREF color)
{
    const COLORREF previous = ::SetBkColor(m_hDC, color);
    ::ExtTextOutA(m_hDC, 0, 0, ETO_OPAQUE, pRect, nullptr, 0, nullptr);
    ::SetBkColor(m_hDC, previous);
}

COLORREF CDC::GetPixel(int x, int y) const
{
    return ::GetPixel(m_hDC, x, y);
}
