// What the resident instance's menu asks of the program around it.
#pragma once
#include <windows.h>

#include <string>

class ITrayActions {
public:
    // Shows the settings sheet; true when it was confirmed with the
    // resident instance switched off.
    virtual bool ConfigureEndsTray() = 0;
    // Starts this program's own screen saver, as Windows would.
    virtual void RunOwnScreenSaver() = 0;
    // The user's Exit: the program no longer starts with Windows, and no
    // earlier version stays in the notification area either.
    virtual void StopStartingWithWindows() = 0;
    virtual bool IsTraceEnabled() const = 0;
    // The settings sheet while one is shown, else null.
    virtual HWND SettingsWindow() const = 0;
    // The collection a screen saver started now would use.
    virtual std::string CollectionInEffectNow() = 0;

protected:
    ~ITrayActions() = default;
};
