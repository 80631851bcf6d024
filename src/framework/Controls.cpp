#include "framework/Controls.h"

#include "framework/WinApp.h"

bool CToolTipCtrl::Create(const CWnd& parent, DWORD style)
{
    m_hWnd = CreateWindowExA(0, TOOLTIPS_CLASSA, nullptr, WS_POPUP | style, CW_USEDEFAULT, CW_USEDEFAULT,
                             CW_USEDEFAULT, CW_USEDEFAULT, parent, nullptr, AfxGetInstanceHandle(), nullptr);
    return m_hWnd != nullptr;
}
