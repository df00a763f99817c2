#include "welcome/ctrl_defs.h"

#include "welcome/controls/welcome_button.h"
#include "welcome/controls/welcome_label.h"
#include "welcome/launch/execute_button.h"
#include "welcome/launch/explore_button.h"
#include "welcome/launch/media_button.h"

// One row per line. The positions presuppose the sizes of the rows' first images.
const CTRLDEF g_aCtrlDefs[kCtrlDefCount] = {
    {RUNTIME_CLASS(CWelcomeLabel), 126, 268, 134, TRUE},   // label: choose the host application, 137 x 34
    {RUNTIME_CLASS(CExecuteButton), 148, 260, 173, TRUE},  // install Avid MCXpress 1.5, 304 x 33
    {RUNTIME_CLASS(CExecuteButton), 160, 260, 209, TRUE},  // install D-Vision OnLINE 3.0, 304 x 33
    {RUNTIME_CLASS(CExecuteButton), 140, 260, 245, TRUE},  // install Adobe Premiere 4.2, 304 x 33
    {RUNTIME_CLASS(CExecuteButton), 172, 260, 281, TRUE},  // install Adobe After Effects 3.1, 304 x 33
    {RUNTIME_CLASS(CExecuteButton), 168, 260, 317, TRUE},  // install FAST VM-Studio Plus 3.3, 304 x 33
    {RUNTIME_CLASS(CExecuteButton), 144, 260, 353, TRUE},  // install In:Sync Speed-Razor 3.5, 304 x 33
    {RUNTIME_CLASS(CExecuteButton), 164, 260, 389, TRUE},  // install the limited version, 304 x 33
    {RUNTIME_CLASS(CMediaButton), 155, 29, 451, TRUE},     // web site, 126 x 24
    {RUNTIME_CLASS(CMediaButton), 152, 207, 450, TRUE},    // manual (PDF), 170 x 24
    {RUNTIME_CLASS(CExploreButton), 134, 446, 451, TRUE},  // explore the disc, 79 x 24
    {RUNTIME_CLASS(CWelcomeButton), 131, 587, 450, TRUE},  // exit, 49 x 24
};
