#pragma once

#include "framework/bitmap.h"
#include "framework/dc.h"

// Copies the top-left cx x cy pixels of pBitmap to (0, 0) of pDC through a temporary memory DC.
// Draws nothing when the bitmap holds no image or no memory DC can be made.
void CopyBitmapTo(CDC* pDC, CBitmap* pBitmap, int cx, int cy);
