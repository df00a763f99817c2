#include "tests/welcome/controls/test_support.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cstdio>
#include <memory>
#include <vector>

namespace {

// The test environment maps drive X: to a folder with links to a shell and the X tools; the build
// tells its Unix path.
const char kXToolsDrive[] = "X:\\";
const char kShell[] = "X:\\sh";
const char kXToolsUnixFolder[] = KFX_CONTROLS_XTOOLS;
// The test environment maps the folder of the test programs as drive T:.
const char kOtherProgram[] = "T:\\controls_other_program.exe";
const char kOtherProgramTitle[] = "KelvaneFX test: another program";

struct ScreenDC
{
    HDC hDC = GetDC(nullptr);
    ~ScreenDC() { ReleaseDC(nullptr, hDC); }
};

struct WindowDC
{
    explicit WindowDC(HWND h) : hWnd(h), hDC(GetDC(h)) {}
    ~WindowDC() { ReleaseDC(hWnd, hDC); }
    HWND hWnd;
    HDC hDC;
};

struct MemoryDC
{
    HDC hDC = CreateCompatibleDC(nullptr);
    ~MemoryDC() { DeleteDC(hDC); }
};

class SelectedObject
{
public:
    SelectedObject(HDC hDC, HGDIOBJ hObject) : m_hDC(hDC), m_hOld(SelectObject(hDC, hObject)) {}
    ~SelectedObject() { SelectObject(m_hDC, m_hOld); }

private:
    HDC m_hDC;
    HGDIOBJ m_hOld;
};

struct GdiObject
{
    HGDIOBJ h;
    ~GdiObject() { if (h) DeleteObject(h); }
};

// Pixels of a cx x cy area, 32 bits each, top row first, without the unused byte.
using Pixels = std::vector<DWORD>;

Pixels CopyToPixels(HDC hSource, int x, int y, int cx, int cy)
{
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = cx;
    info.bmiHeader.biHeight = -cy;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* pBits = nullptr;
    GdiObject dib{CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &pBits, nullptr, 0)};
    if (!dib.h || !pBits)
        return {};
    MemoryDC memory;
    {
        SelectedObject selected(memory.hDC, dib.h);
        BitBlt(memory.hDC, 0, 0, cx, cy, hSource, x, y, SRCCOPY);
    }
    GdiFlush();
    const DWORD* pFirst = static_cast<const DWORD*>(pBits);
    Pixels pixels(pFirst, pFirst + static_cast<size_t>(cx) * cy);
    for (DWORD& pixel : pixels)
        pixel &= 0x00FFFFFF;
    return pixels;
}

SIZE SizeOf(HWND hWnd)
{
    RECT rect{};
    GetWindowRect(hWnd, &rect);
    return {rect.right - rect.left, rect.bottom - rect.top};
}

Pixels BitmapPixels(UINT nID, SIZE size)
{
    GdiObject bitmap{LoadBitmapA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(nID))};
    if (!bitmap.h)
        return {};
    MemoryDC memory;
    SelectedObject selected(memory.hDC, bitmap.h);
    return CopyToPixels(memory.hDC, 0, 0, size.cx, size.cy);
}

Pixels ScreenPixels(HWND hWnd)
{
    RECT rect{};
    GetWindowRect(hWnd, &rect);
    ScreenDC screen;
    return CopyToPixels(screen.hDC, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
}

Pixels WindowPixels(HWND hWnd)
{
    const SIZE size = SizeOf(hWnd);
    WindowDC window(hWnd);
    return CopyToPixels(window.hDC, 0, 0, size.cx, size.cy);
}

bool StartProgram(const std::string& commandLine)
{
    std::vector<char> buffer(commandLine.begin(), commandLine.end());
    buffer.push_back('\0');
    STARTUPINFOA startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    if (!CreateProcessA(nullptr, buffer.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return false;
    // A Unix program started this way comes without handles: it is waited for through its marker.
    // Wine 8 then fills the process information with whatever its stack held, which can be a live
    // handle of this process (seen: the standard output's). Only handles that name the started
    // process and thread are ours to close.
    if (process.dwProcessId != 0 && GetProcessId(process.hProcess) == process.dwProcessId)
        CloseHandle(process.hProcess);
    if (process.dwThreadId != 0 && GetThreadId(process.hThread) == process.dwThreadId)
        CloseHandle(process.hThread);
    return true;
}

}  // namespace

void PumpPending()
{
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs)
{
    const DWORD start = GetTickCount();
    for (;;) {
        PumpPending();
        if (done())
            return true;
        const DWORD waited = GetTickCount() - start;
        if (waited >= timeoutMs)
            return false;
        // Wakes for any new message, or after a short while for state that changes without one
        // (what the screen shows).
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
    }
}

bool WaitUntil(const std::function<bool()>& done, DWORD timeoutMs)
{
    const DWORD start = GetTickCount();
    while (!done()) {
        if (GetTickCount() - start >= timeoutMs)
            return false;
        Sleep(10);
    }
    return true;
}

namespace {

// Runs a command line in the Unix shell. The shell leaves the command's exit status in a marker
// file once it has finished, so each call's input reaches the X server before the next one's.
bool RunInShell(const std::string& command)
{
    static int s_nCall = 0;
    const std::string marker = "done-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(++s_nCall);
    const std::string windowsMarker = std::string(kXToolsDrive) + marker;
    DeleteFileA(windowsMarker.c_str());
    const std::string commandLine = std::string(kShell) + " -c \"" + command + "; echo $? > " + kXToolsUnixFolder +
                                    "/" + marker + "\"";
    if (!StartProgram(commandLine))
        return false;
    std::string status;
    const bool bFinished = PumpUntil([&] {
        FILE* pFile = std::fopen(windowsMarker.c_str(), "r");
        if (!pFile)
            return false;
        char line[16] = {};
        const bool bRead = std::fgets(line, sizeof(line), pFile) != nullptr;
        std::fclose(pFile);
        status = line;
        return bRead && !status.empty() && status.back() == '\n';
    });
    DeleteFileA(windowsMarker.c_str());
    return bFinished && status == "0\n";
}

}  // namespace

bool Xdotool(const std::string& arguments)
{
    return RunInShell(std::string(kXToolsUnixFolder) + "/xdotool " + arguments);
}

void SaveScreenshotOfFailure()
{
    const ::testing::TestInfo* pTest = ::testing::UnitTest::GetInstance()->current_test_info();
    if (!pTest || !pTest->result()->Failed())
        return;
    std::string name = std::string(pTest->test_suite_name()) + "." + pTest->name();
    for (char& c : name)
        if (!std::isalnum(static_cast<unsigned char>(c)) && c != '.')
            c = '_';
    const std::string path = std::string(kXToolsUnixFolder) + "/../failed-" + name + ".png";
    if (RunInShell(std::string(kXToolsUnixFolder) + "/import -window root " + path))
        std::printf("screen at the failure: %s\n", path.c_str());
}

bool MoveMouseTo(POINT screenPoint)
{
    // Through a neighbouring point: a move to where the pointer already is reports nothing.
    const std::string target = std::to_string(screenPoint.x) + " " + std::to_string(screenPoint.y);
    const std::string neighbour = std::to_string(screenPoint.x > 0 ? screenPoint.x - 1 : 1) + " " +
                                  std::to_string(screenPoint.y);
    if (!Xdotool("mousemove " + neighbour + " mousemove " + target))
        return false;
    // The system has seen the move once its pointer position is there.
    return PumpUntil([&] {
        POINT cursor{};
        GetCursorPos(&cursor);
        return cursor.x == screenPoint.x && cursor.y == screenPoint.y;
    });
}

POINT CenterOf(HWND hWnd)
{
    RECT rect{};
    GetWindowRect(hWnd, &rect);
    return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

POINT RightOf(HWND hWnd, int nDistance)
{
    RECT rect{};
    GetWindowRect(hWnd, &rect);
    return {rect.right + nDistance, (rect.top + rect.bottom) / 2};
}

void SendKey(WORD vk, bool bUp)
{
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = vk;
    input.ki.wScan = static_cast<WORD>(MapVirtualKeyA(vk, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = bUp ? KEYEVENTF_KEYUP : 0;
    SendInput(1, &input, sizeof(input));
}

void TypeKey(WORD vk)
{
    SendKey(vk, false);
    SendKey(vk, true);
}

bool ScreenShowsBitmap(HWND hWnd, UINT nID)
{
    const Pixels expected = BitmapPixels(nID, SizeOf(hWnd));
    return !expected.empty() && ScreenPixels(hWnd) == expected;
}

bool WindowShowsBitmap(HWND hWnd, UINT nID)
{
    const Pixels expected = BitmapPixels(nID, SizeOf(hWnd));
    return !expected.empty() && WindowPixels(hWnd) == expected;
}

bool BitmapsDifferOver(HWND hWnd, UINT nFirst, UINT nSecond)
{
    const SIZE size = SizeOf(hWnd);
    return BitmapPixels(nFirst, size) != BitmapPixels(nSecond, size);
}

OtherProgramWindow::OtherProgramWindow(POINT position)
{
    std::string commandLine = std::string(kOtherProgram) + " " + std::to_string(position.x) + " " +
                              std::to_string(position.y);
    std::vector<char> buffer(commandLine.begin(), commandLine.end());
    buffer.push_back('\0');
    STARTUPINFOA startup{};
    startup.cb = sizeof(startup);
    if (!CreateProcessA(nullptr, buffer.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &m_process))
        return;
    // It shows itself and takes the foreground.
    PumpUntil([this] {
        m_hWnd = FindWindowA(nullptr, kOtherProgramTitle);
        return m_hWnd != nullptr && GetForegroundWindow() == m_hWnd;
    });
}

OtherProgramWindow::~OtherProgramWindow()
{
    if (m_hWnd)
        PostMessageA(m_hWnd, WM_CLOSE, 0, 0);
    if (m_process.hProcess) {
        if (WaitForSingleObject(m_process.hProcess, kPatienceMs) != WAIT_OBJECT_0)
            TerminateProcess(m_process.hProcess, 1);
        CloseHandle(m_process.hProcess);
        CloseHandle(m_process.hThread);
    }
}
