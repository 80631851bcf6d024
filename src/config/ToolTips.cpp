#include "config/ToolTips.h"

#include "framework/WinApp.h"

#include <cstddef>

namespace {
// The structure as the program has always passed it, up to lParam
// (TTTOOLINFOA_V2_SIZE, whose macro is no constant expression); every later
// comctl32 accepts the older sizes.
constexpr UINT toolInfoSize = offsetof(TTTOOLINFOA, lParam) + sizeof(LPARAM);
#ifndef _WIN64
static_assert(toolInfoSize == 44, "TOOLINFO of 44 bytes in the 32-bit program");
#endif
}  // namespace

void AddToolTip(const CToolTipCtrl& toolTip, const CWnd& control, const char* text)
{
    TOOLINFOA tool{};
    tool.cbSize = toolInfoSize;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = control.GetParent();
    tool.uId = reinterpret_cast<UINT_PTR>(control.m_hWnd);
    tool.hinst = AfxGetInstanceHandle();
    tool.lpszText = const_cast<char*>(text);
    toolTip.AddTool(tool);
}

void CreateToolTips(CToolTipCtrl& toolTip, const CWnd& page, bool active, const ControlTip* tips, size_t count)
{
    toolTip.Create(page, 0);
    toolTip.Activate(active);
    for (size_t i = 0; i < count; ++i) AddToolTip(toolTip, page.GetDlgItem(tips[i].id), tips[i].text);
}
