#pragma once
// What the welcome window is expected to look like, written out independently of the program's
// own layout table so that a wrong row in it shows up.

#include <cstddef>

struct ExpectedCtrl
{
    const char* pszWhat;
    unsigned nID;  // child-window id and first image
    int x;
    int y;
    int cx;
    int cy;
};

inline constexpr ExpectedCtrl kExpectedCtrls[] = {
    {"label", 126, 268, 134, 137, 34},
    {"Avid MCXpress button", 148, 260, 173, 304, 33},
    {"D-Vision OnLINE button", 160, 260, 209, 304, 33},
    {"Adobe Premiere button", 140, 260, 245, 304, 33},
    {"Adobe After Effects button", 172, 260, 281, 304, 33},
    {"FAST VM-Studio Plus button", 168, 260, 317, 304, 33},
    {"In:Sync Speed-Razor button", 144, 260, 353, 304, 33},
    {"limited version button", 164, 260, 389, 304, 33},
    {"web-site button", 155, 29, 451, 126, 24},
    {"manual button", 152, 207, 450, 170, 24},
    {"explore button", 134, 446, 451, 79, 24},
    {"exit button", 131, 587, 450, 49, 24},
};
inline constexpr std::size_t kExpectedCtrlCount = sizeof(kExpectedCtrls) / sizeof(kExpectedCtrls[0]);

inline constexpr int kClientWidth = 640;
inline constexpr int kClientHeight = 480;
inline constexpr const char* kCaption = "Welcome To Kelvane Effects";
inline constexpr const char* kCtrlClassName = "KelvaneFX:WelcomeCtrl";
inline constexpr unsigned kBackgroundImage = 130;
// A push button shows its focused image, the third of its four, while it has the focus.
inline constexpr unsigned kFocusedImageOffset = 2;
