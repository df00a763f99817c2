#pragma once
// Waiting, real input and screen reading for the tests of the bitmap controls under Wine.

#include "framework/win_headers.h"

#include <functional>
#include <string>

// Generous: Wine and the X server are shared by the whole machine.
constexpr DWORD kPatienceMs = 8000;

// Dispatches this thread's messages until done() holds or the time runs out; answers done().
bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs = kPatienceMs);
// Dispatches every message that is already waiting for this thread.
void PumpPending();
// Polls done() without touching this thread's queue (for watching another thread's windows).
bool WaitUntil(const std::function<bool()>& done, DWORD timeoutMs = kPatienceMs);

// Runs xdotool on the X server of the Wine desktop (screen coordinates are X coordinates), pumping
// this thread's messages while it runs. TRUE when it ran and exited with 0.
bool Xdotool(const std::string& arguments);
// For a test that has failed: leaves a picture of the screen next to the X tools' folder.
void SaveScreenshotOfFailure();
// Moves the pointer and waits until the system's pointer position is there.
bool MoveMouseTo(POINT screenPoint);
POINT CenterOf(HWND hWnd);
// A point on the screen just outside the window's right edge.
POINT RightOf(HWND hWnd, int nDistance = 20);

// Real key strokes through the system's input queue (they go to the active window's thread).
void SendKey(WORD vk, bool bUp);
void TypeKey(WORD vk);

// Whether the screen at the window's place shows exactly the top-left part of bitmap resource nID
// of this program.
bool ScreenShowsBitmap(HWND hWnd, UINT nID);
// Whether the window's own surface shows it (no wait for the screen to catch up).
bool WindowShowsBitmap(HWND hWnd, UINT nID);
// Whether two bitmap resources look different over the size of the window; a look check between
// them can only fail when they do.
bool BitmapsDifferOver(HWND hWnd, UINT nFirst, UINT nSecond);

// A top-level window of another process, made active by that process; closed by the destructor.
class OtherProgramWindow
{
public:
    explicit OtherProgramWindow(POINT position);
    ~OtherProgramWindow();
    OtherProgramWindow(const OtherProgramWindow&) = delete;
    OtherProgramWindow& operator=(const OtherProgramWindow&) = delete;

    HWND Window() const { return m_hWnd; }

private:
    PROCESS_INFORMATION m_process{};
    HWND m_hWnd = nullptr;
};
