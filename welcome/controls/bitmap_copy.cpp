#include "welcome/controls/bitmap_copy.h"

namespace
{

// Puts the memory DC's previous bitmap back on every way out, so the DC can be deleted cleanly.
class CSelectedBitmap
{
public:
    CSelectedBitmap(CDC& dc, CBitmap* pBitmap) : m_dc(dc), m_pOld(dc.SelectObject(pBitmap)) {}
    ~CSelectedBitmap()
    {
        if (m_pOld)
            m_dc.SelectObject(m_pOld);
    }
    CSelectedBitmap(const CSelectedBitmap&) = delete;
    CSelectedBitmap& operator=(const CSelectedBitmap&) = delete;

    bool IsSelected() const { return m_pOld != nullptr; }

private:
    CDC& m_dc;
    CBitmap* m_pOld;
};

}  // namespace

void CopyBitmapTo(CDC* pDC, CBitmap* pBitmap, int cx, int cy)
{
    if (!pBitmap || !pBitmap->GetSafeHandle())
        return;
    CDC dcMemory;
    if (!dcMemory.CreateCompatibleDC(pDC))
        return;
    CSelectedBitmap selection(dcMemory, pBitmap);
    if (selection.IsSelected())
        pDC->BitBlt(0, 0, cx, cy, &dcMemory, 0, 0, SRCCOPY);
}
