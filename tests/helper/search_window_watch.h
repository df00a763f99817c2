#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

// What a test sees of each search window (a dialog of the calling thread): recorded by a CBT
// hook when the window is created and when it is destroyed.
struct SearchWindowRecord {
    HWND window = nullptr;
    bool destroyed = false;
    // At destruction:
    bool visible = false;
    bool painted = false;  // nothing left to paint in the window or its controls
    HWND owner = nullptr;
    std::wstring text;         // the static text, id -1
    std::wstring cancelText;   // the button with id IDCANCEL
    bool probeStillQueued = false;  // the probe posted at creation was never pumped
};

class CSearchWindowWatch {
public:
    static constexpr UINT kProbe = WM_APP + 40;

    // postProbe: post kProbe to each search window as it is created, to learn whether the
    // search pumped its messages at all.
    explicit CSearchWindowWatch(bool postProbe = false);
    ~CSearchWindowWatch();
    CSearchWindowWatch(const CSearchWindowWatch&) = delete;
    CSearchWindowWatch& operator=(const CSearchWindowWatch&) = delete;

    const std::vector<SearchWindowRecord>& Windows() const { return m_windows; }
    int StillOpen() const;

    // Called at the creation of each search window (the window exists; its controls do not yet).
    std::function<void(HWND)> onCreate;

private:
    static LRESULT CALLBACK CbtHook(int code, WPARAM wParam, LPARAM lParam);
    void Created(HWND window);
    void Destroyed(HWND window);

    static CSearchWindowWatch* s_pActive;
    HHOOK m_hHook;
    bool m_bPostProbe;
    std::vector<SearchWindowRecord> m_windows;
};

bool IsSearchWindowClass(HWND window);
