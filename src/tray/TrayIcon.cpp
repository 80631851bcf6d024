#include "tray/TrayIcon.h"

#include "framework/WinApp.h"
#include "os/OwnedMenu.h"

#include <ctime>

namespace {
// The layout with the 128-character tooltip.
constexpr DWORD notifyDataSize = NOTIFYICONDATAA_V2_SIZE;
#ifndef _WIN64
static_assert(notifyDataSize == 488, "NOTIFYICONDATAA with the 128-character tooltip");
#endif

DWORD ShellMessageOf(ShellOperation operation)
{
    switch (operation) {
    case ShellOperation::Add:    return NIM_ADD;
    case ShellOperation::Modify: return NIM_MODIFY;
    default:                     return NIM_DELETE;
    }
}
}  // namespace

CTrayIcon::CTrayIcon(UINT id) : resourceId(id)
{
    data.cbSize = notifyDataSize;
    data.uID = id;
    LoadTip(id);
}

CTrayIcon::~CTrayIcon()
{
    ShowIcon(0);
}

void CTrayIcon::LoadTip(UINT id)
{
    char action[128] = "";
    LoadStringA(AfxGetInstanceHandle(), id, action, sizeof action);
    // Without a tip of its own the icon keeps the one shown.
    const std::string tip = action[0] ? TrayTip(action, collection) : "";
    // TrayTip keeps within the field's 127 characters.
    data.szTip[tip.copy(data.szTip, sizeof data.szTip - 1)] = '\0';
}

void CTrayIcon::SetCollection(const std::string& name)
{
    if (name == collection) return;
    collection = name;
    LoadTip(resourceId);
    if (!model.IsShown() || !data.szTip[0]) return;
    data.uFlags = PartTip;
    Shell_NotifyIconA(NIM_MODIFY, &data);
}

void CTrayIcon::BindWindow(HWND window, UINT callbackMessage)
{
    data.hWnd = window;
    data.uCallbackMessage = callbackMessage;
}

bool CTrayIcon::ShowIcon(UINT id)
{
    if (id == 0) return ApplyIcon(nullptr);
    LoadTip(id);
    // Drawn at the size the notification area shows at the screen's DPI,
    // which the icon file holds (16 to 32 pixels).
    auto icon = static_cast<HICON>(LoadImageA(AfxGetInstanceHandle(), MAKEINTRESOURCEA(id), IMAGE_ICON,
                                              GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON),
                                              LR_SHARED));
    resourceId = id;
    return ApplyIcon(icon);
}

bool CTrayIcon::ApplyIcon(HICON icon)
{
    ShellRequest request = model.PlanUpdate(icon != nullptr, data.szTip[0] == '\0',
                                            data.uCallbackMessage != 0 && data.hWnd != nullptr);
    if (request.operation == ShellOperation::None) return true;
    if (icon) data.hIcon = icon;
    data.uFlags = request.parts;
    bool succeeded = Shell_NotifyIconA(ShellMessageOf(request.operation), &data) != FALSE;
    model.Applied(request, succeeded);
    // hIcon is non-null exactly while the icon is shown.
    if (!model.IsShown()) data.hIcon = nullptr;
    return succeeded;
}

LRESULT CTrayIcon::HandleNotify(WPARAM iconId, LPARAM mouseMessage)
{
    if (iconId != data.uID) return 0;
    if (mouseMessage != WM_RBUTTONUP && mouseMessage != WM_LBUTTONUP && mouseMessage != WM_LBUTTONDBLCLK) return 0;

    // Loaded afresh, so that the popup follows the icon shown.
    COwnedMenu menu(LoadMenuA(AfxGetInstanceHandle(), MAKEINTRESOURCEA(resourceId)));
    if (!menu) return 0;
    HMENU popup = GetSubMenu(menu.get(), 0);
    if (!popup) return 0;
    if (mouseMessage == WM_RBUTTONUP) {
        SetMenuDefaultItem(popup, 0, TRUE);
        POINT cursor;
        GetCursorPos(&cursor);
        // The menu closes properly only when its owner is in the foreground.
        SetForegroundWindow(data.hWnd);
        TrackPopupMenu(popup, TPM_RIGHTBUTTON, cursor.x, cursor.y, 0, data.hWnd, nullptr);
        PostMessageA(data.hWnd, WM_NULL, 0, 0);
    } else if (mouseMessage == WM_LBUTTONUP) {
        if (model.AcceptLeftClick(_time64(nullptr)))
            SendMessageA(data.hWnd, WM_COMMAND, GetMenuItemID(popup, 0), 0);
    }
    return 1;
}
