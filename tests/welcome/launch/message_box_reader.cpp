#include "message_box_reader.h"

#include <algorithm>
#include <cstring>

namespace {

// The static control that holds a message box's text.
constexpr int kBoxTextId = 0xFFFF;
constexpr int kTextSize = 2048;

MessageBoxReader* g_pReader = nullptr;

bool IsDialogWindow(HWND hWnd)
{
    char szClass[16] = {};
    GetClassNameA(hWnd, szClass, sizeof szClass);
    return std::strcmp(szClass, "#32770") == 0;
}

bool HasClass(HWND hWnd, const char* pszClass)
{
    char szClass[32] = {};
    GetClassNameA(hWnd, szClass, sizeof szClass);
    return _stricmp(szClass, pszClass) == 0;
}

BOOL CALLBACK CollectChild(HWND hChild, LPARAM lParam)
{
    auto* pBox = reinterpret_cast<ShownBox*>(lParam);
    if (HasClass(hChild, "Button")) {
        pBox->buttonIds.push_back(GetDlgCtrlID(hChild));
    } else if (HasClass(hChild, "Static") && (GetWindowLongA(hChild, GWL_STYLE) & SS_TYPEMASK) == SS_ICON) {
        const HICON hIcon = reinterpret_cast<HICON>(SendMessageA(hChild, STM_GETICON, 0, 0));
        if (hIcon != nullptr && hIcon == LoadIconA(nullptr, IDI_HAND))
            pBox->bStopIcon = true;
    }
    return TRUE;
}

}  // namespace

MessageBoxReader::MessageBoxReader()
    : m_hHook(SetWindowsHookExA(WH_CBT, &MessageBoxReader::CbtProc, nullptr, GetCurrentThreadId()))
{
    g_pReader = this;
}

MessageBoxReader::~MessageBoxReader()
{
    g_pReader = nullptr;
    if (m_hHook != nullptr)
        UnhookWindowsHookEx(m_hHook);
}

LRESULT CALLBACK MessageBoxReader::CbtProc(int nCode, WPARAM wParam, LPARAM lParam)
{
    if (nCode == HCBT_ACTIVATE && g_pReader != nullptr) {
        HWND hWnd = reinterpret_cast<HWND>(wParam);
        if (IsDialogWindow(hWnd) && GetDlgItem(hWnd, kBoxTextId) != nullptr &&
            std::find(g_pReader->m_seen.begin(), g_pReader->m_seen.end(), hWnd) == g_pReader->m_seen.end()) {
            g_pReader->m_seen.push_back(hWnd);
            g_pReader->Read(hWnd);
            PostMessageA(hWnd, WM_COMMAND, IDOK, 0);
        }
    }
    return CallNextHookEx(nullptr, nCode, wParam, lParam);
}

void MessageBoxReader::Read(HWND hBox)
{
    ShownBox box{};
    char szText[kTextSize] = {};
    GetDlgItemTextA(hBox, kBoxTextId, szText, kTextSize);
    box.text = szText;
    char szCaption[256] = {};
    GetWindowTextA(hBox, szCaption, sizeof szCaption);
    box.caption = szCaption;
    box.hOwner = GetWindow(hBox, GW_OWNER);
    EnumChildWindows(hBox, &CollectChild, reinterpret_cast<LPARAM>(&box));
    m_boxes.push_back(box);
}
