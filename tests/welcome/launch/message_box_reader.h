#pragma once
// Reads every message box that this thread opens while the reader lives (text, caption, icon,
// buttons, owner) and closes it with OK, so that code under test that shows one returns.

#include <windows.h>

#include <string>
#include <vector>

struct ShownBox
{
    std::string text;
    std::string caption;
    HWND hOwner;
    bool bStopIcon;
    std::vector<int> buttonIds;
};

class MessageBoxReader
{
public:
    MessageBoxReader();
    ~MessageBoxReader();
    MessageBoxReader(const MessageBoxReader&) = delete;
    MessageBoxReader& operator=(const MessageBoxReader&) = delete;

    const std::vector<ShownBox>& Boxes() const { return m_boxes; }

private:
    static LRESULT CALLBACK CbtProc(int nCode, WPARAM wParam, LPARAM lParam);
    void Read(HWND hBox);

    HHOOK m_hHook;
    std::vector<HWND> m_seen;
    std::vector<ShownBox> m_boxes;
};
