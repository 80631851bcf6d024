#include "framework/Controls.h"

#include "framework/WinApp.h"

#include <vector>

std::string detail::ItemText(const CWnd& control, UINT lengthMessage, UINT textMessage, int index)
{
    LRESULT length = SendMessageW(control, lengthMessage, static_cast<WPARAM>(index), 0);
    if (length <= 0) return "";
    std::vector<wchar_t> wide(static_cast<size_t>(length) + 1, L'\0');
    LRESULT copied = SendMessageW(control, textMessage, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(wide.data()));
    if (copied <= 0) return "";
    int size = WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(copied), nullptr, 0, nullptr, nullptr);
    std::string text(static_cast<size_t>(size > 0 ? size : 0), '\0');
    if (size > 0) WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(copied), &text[0], size, nullptr, nullptr);
    return text;
}

bool CToolTipCtrl::Create(const CWnd& parent, DWORD style)
{
    m_hWnd = CreateWindowExA(0, TOOLTIPS_CLASSA, nullptr, WS_POPUP | style, CW_USEDEFAULT, CW_USEDEFAULT,
                             CW_USEDEFAULT, CW_USEDEFAULT, parent, nullptr, AfxGetInstanceHandle(), nullptr);
    return m_hWnd != nullptr;
}
