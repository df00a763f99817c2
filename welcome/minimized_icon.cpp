#include "welcome/minimized_icon.h"

int MinimizedIconOffset(int nClientExtent, int nIconExtent)
{
    return (nClientExtent - nIconExtent + 1) / 2;
}
