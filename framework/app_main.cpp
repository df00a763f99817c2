#include "framework/win_app.h"

int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE, LPSTR, int)
{
    return AfxWinMain(hInstance);
}
