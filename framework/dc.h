#pragma once

#include "framework/bitmap.h"
#include "framework/object.h"

#include <map>
#include <memory>

class CDC : public CObject
{
    DECLARE_DYNAMIC(CDC)

public:
    CDC() = default;
    ~CDC() override;  // deletes a DC it created, after selecting its first bitmap back
    CDC(const CDC&) = delete;
    CDC& operator=(const CDC&) = delete;

    HDC m_hDC = nullptr;

    // A memory DC compatible with pDC (the screen when pDC is null).
    BOOL CreateCompatibleDC(CDC* pDC);
    BOOL DeleteDC();
    // Takes ownership of a DC that DeleteDC() will delete.
    BOOL Attach(HDC hDC);
    HDC Detach();
    HDC GetSafeHdc() const { return m_hDC; }
    operator HDC() const { return m_hDC; }

    // Selects the bitmap and returns the one selected before as a wrapper owned by this DC (valid
    // until the DC is deleted; selecting it back restores the DC). Null on failure.
    CBitmap* SelectObject(CBitmap* pBitmap);
    HGDIOBJ SelectObject(HGDIOBJ hObject);

    BOOL BitBlt(int x, int y, int nWidth, int nHeight, CDC* pSrcDC, int xSrc, int ySrc, DWORD dwRop);
    BOOL DrawIcon(int x, int y, HICON hIcon);
    void FillSolidRect(const RECT* pRect, COLORREF color);
    COLORREF GetPixel(int x, int y) const;

protected:
    // Puts back the bitmap that the DC held before the first SelectObject(CBitmap*), so that no
    // bitmap stays selected when the DC is released, and drops the temporary wrappers.
    void RestoreSelection();

private:
    CBitmap* TemporaryBitmapFor(HBITMAP hBitmap);

    bool m_bOwnsDC = false;
    HGDIOBJ m_hOriginalBitmap = nullptr;
    std::map<HBITMAP, std::unique_ptr<CBitmap>> m_temporaryBitmaps;
};
