#pragma once

// Where the minimized window draws its icon along one axis: centred in the client extent, with
// the odd pixel on the far side. Signed division truncating toward zero, so a client smaller than
// the icon gives (-1) / 2 = 0 for a difference of -2, and -1 for -3.
int MinimizedIconOffset(int nClientExtent, int nIconExtent);
