// The icon in the notification area: shown, changed and removed through the
// shell, with its tooltip, and its mouse notifications turned into the
// commands of the window it is bound to. Icon, tooltip string and popup menu
// share one resource id.
#pragma once
#include "tray/TrayIconModel.h"

#include <windows.h>
#include <shellapi.h>

#include <string>

class CTrayIcon {
public:
    explicit CTrayIcon(UINT id);
    virtual ~CTrayIcon();
    CTrayIcon(const CTrayIcon&) = delete;
    CTrayIcon& operator=(const CTrayIcon&) = delete;

    void BindWindow(HWND window, UINT callbackMessage);
    // The tip names the collection from now on.
    void SetCollection(const std::string& name);
    // Shows, changes or (for 0) removes the icon.
    bool ShowIcon(UINT id);
    bool ApplyIcon(HICON icon);
    // The callback message's parameters: 1 when handled.
    virtual LRESULT HandleNotify(WPARAM iconId, LPARAM mouseMessage);


private:
    void LoadTip(UINT id);

    NOTIFYICONDATAA data{};
    std::string collection;
    UINT resourceId;
    CTrayIconModel model;
};
