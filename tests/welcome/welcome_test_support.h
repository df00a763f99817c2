#pragma once
// Helpers of the welcome tests: pixel capture and comparison, message pumping with a time-out.

#include "framework/win_headers.h"

#include <functional>
#include <string>
#include <vector>

// Pixels as 0x00RRGGBB, row by row from the top.
struct PixelBlock
{
    int cx = 0;
    int cy = 0;
    std::vector<unsigned> pixels;
    unsigned At(int x, int y) const { return pixels[static_cast<size_t>(y) * cx + x]; }
};

// What a DC shows at (x, y, cx, cy).
PixelBlock CaptureDC(HDC hdc, int x, int y, int cx, int cy);
// What a window's client area shows at (x, y, cx, cy) in its client coordinates.
PixelBlock CaptureWindow(HWND hWnd, int x, int y, int cx, int cy);
// Bitmap resource nID of hModule (null: this test program), at (x, y, cx, cy). Empty when the
// bitmap is missing.
PixelBlock CaptureBitmapResource(UINT nID, int x, int y, int cx, int cy, HMODULE hModule = nullptr);
// Width and height of bitmap resource nID; (0, 0) when it is missing.
SIZE BitmapResourceSize(UINT nID, HMODULE hModule = nullptr);
// Empty when both are equal, else where and how they first differ and how many pixels do.
std::string DescribeDifference(const PixelBlock& actual, const PixelBlock& expected);

// Pumps this thread's messages until done() answers true or the time-out passes; answers done().
bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs = 10000);

// Removes a quit request that a failed start-up left for the caller; answers whether there was
// one and its exit code.
bool TakeQuitRequest(int* pExitCode);
