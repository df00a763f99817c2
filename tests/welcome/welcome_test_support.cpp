#include "welcome_test_support.h"

#include <sstream>

namespace
{

class CScreenDC
{
public:
    explicit CScreenDC(HWND hWnd) : m_hWnd(hWnd), m_hDC(GetDC(hWnd)) {}
    ~CScreenDC() { if (m_hDC) ReleaseDC(m_hWnd, m_hDC); }
    CScreenDC(const CScreenDC&) = delete;
    CScreenDC& operator=(const CScreenDC&) = delete;
    HDC Get() const { return m_hDC; }

private:
    HWND m_hWnd;
    HDC m_hDC;
};

class CMemoryDC
{
public:
    explicit CMemoryDC(HDC hCompatible) : m_hDC(CreateCompatibleDC(hCompatible)) {}
    ~CMemoryDC() { if (m_hDC) DeleteDC(m_hDC); }
    CMemoryDC(const CMemoryDC&) = delete;
    CMemoryDC& operator=(const CMemoryDC&) = delete;
    HDC Get() const { return m_hDC; }

private:
    HDC m_hDC;
};

class CGdiHandle
{
public:
    explicit CGdiHandle(HGDIOBJ h) : m_h(h) {}
    ~CGdiHandle() { if (m_h) DeleteObject(m_h); }
    CGdiHandle(const CGdiHandle&) = delete;
    CGdiHandle& operator=(const CGdiHandle&) = delete;
    HGDIOBJ Get() const { return m_h; }

private:
    HGDIOBJ m_h;
};

class CSelection
{
public:
    CSelection(HDC hDC, HGDIOBJ h) : m_hDC(hDC), m_hOld(SelectObject(hDC, h)) {}
    ~CSelection() { if (m_hOld) SelectObject(m_hDC, m_hOld); }
    CSelection(const CSelection&) = delete;
    CSelection& operator=(const CSelection&) = delete;

private:
    HDC m_hDC;
    HGDIOBJ m_hOld;
};

HMODULE ModuleOrProgram(HMODULE hModule)
{
    return hModule ? hModule : GetModuleHandleA(nullptr);
}

}  // namespace

// Copies through a top-down 32-bit DIB section, so colours come back exactly whatever the source.
PixelBlock CaptureDC(HDC hdc, int x, int y, int cx, int cy)
{
    PixelBlock block;
    if (!hdc || cx <= 0 || cy <= 0)
        return block;
    BITMAPINFO bi{};
    bi.bmiHeader.biSize = sizeof(bi.bmiHeader);
    bi.bmiHeader.biWidth = cx;
    bi.bmiHeader.biHeight = -cy;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    bi.bmiHeader.biCompression = BI_RGB;
    void* pBits = nullptr;
    CGdiHandle dib(CreateDIBSection(hdc, &bi, DIB_RGB_COLORS, &pBits, nullptr, 0));
    CMemoryDC memory(hdc);
    if (!dib.Get() || !pBits || !memory.Get())
        return block;
    {
        CSelection selection(memory.Get(), dib.Get());
        if (!BitBlt(memory.Get(), 0, 0, cx, cy, hdc, x, y, SRCCOPY))
            return block;
        GdiFlush();
    }
    const unsigned* pPixels = static_cast<const unsigned*>(pBits);
    block.cx = cx;
    block.cy = cy;
    block.pixels.reserve(static_cast<size_t>(cx) * cy);
    for (size_t i = 0; i < static_cast<size_t>(cx) * cy; ++i)
        block.pixels.push_back(pPixels[i] & 0x00FFFFFF);
    return block;
}

PixelBlock CaptureWindow(HWND hWnd, int x, int y, int cx, int cy)
{
    CScreenDC dc(hWnd);
    return CaptureDC(dc.Get(), x, y, cx, cy);
}

PixelBlock CaptureBitmapResource(UINT nID, int x, int y, int cx, int cy, HMODULE hModule)
{
    CGdiHandle bitmap(LoadBitmapA(ModuleOrProgram(hModule), MAKEINTRESOURCEA(nID)));
    if (!bitmap.Get())
        return PixelBlock();
    CScreenDC screen(nullptr);
    CMemoryDC memory(screen.Get());
    if (!memory.Get())
        return PixelBlock();
    CSelection selection(memory.Get(), bitmap.Get());
    return CaptureDC(memory.Get(), x, y, cx, cy);
}

SIZE BitmapResourceSize(UINT nID, HMODULE hModule)
{
    SIZE size{0, 0};
    CGdiHandle bitmap(LoadBitmapA(ModuleOrProgram(hModule), MAKEINTRESOURCEA(nID)));
    BITMAP bm{};
    if (bitmap.Get() && GetObjectA(bitmap.Get(), sizeof(bm), &bm))
    {
        size.cx = bm.bmWidth;
        size.cy = bm.bmHeight;
    }
    return size;
}

std::string DescribeDifference(const PixelBlock& actual, const PixelBlock& expected)
{
    std::ostringstream out;
    if (actual.cx != expected.cx || actual.cy != expected.cy)
    {
        out << "captured " << actual.cx << "x" << actual.cy << ", expected " << expected.cx << "x"
            << expected.cy;
        return out.str();
    }
    size_t nDiffering = 0;
    for (int y = 0; y < actual.cy; ++y)
    {
        for (int x = 0; x < actual.cx; ++x)
        {
            if (actual.At(x, y) == expected.At(x, y))
                continue;
            if (nDiffering++ == 0)
                out << "first difference at (" << x << ", " << y << "): 0x" << std::hex
                    << actual.At(x, y) << " instead of 0x" << expected.At(x, y) << std::dec;
        }
    }
    if (nDiffering)
        out << "; " << nDiffering << " of " << actual.pixels.size() << " pixels differ";
    return out.str();
}

bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs)
{
    const DWORD start = GetTickCount();
    while (!done())
    {
        if (GetTickCount() - start > timeoutMs)
            return done();
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
        {
            if (msg.message == WM_QUIT)
            {
                // Not ours to take: put it back for whoever waits for it.
                PostQuitMessage(static_cast<int>(msg.wParam));
                return done();
            }
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }
    return true;
}

bool TakeQuitRequest(int* pExitCode)
{
    MSG msg;
    if (!PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE))
        return false;
    *pExitCode = static_cast<int>(msg.wParam);
    return true;
}
