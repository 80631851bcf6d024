// The decisions of the notification-area icon: which shell operation an
// update needs, with which parts, and whether a left click runs a command.
#pragma once
#include <cstdint>
#include <string>

enum class ShellOperation { None, Add, Modify, Delete };

// The parts of the icon data that an operation carries; the values are the
// shell's own flags.
enum IconDataParts : uint32_t {
    PartMessage = 0x1,
    PartIcon = 0x2,
    PartTip = 0x4,
};

struct ShellRequest {
    ShellOperation operation = ShellOperation::None;
    uint32_t parts = 0;
};

class CTrayIconModel {
public:
    // The request for showing an icon (iconGiven) or removing it.
    ShellRequest PlanUpdate(bool iconGiven, bool tipEmpty, bool callbackBound) const;
    // What the shell answered: a removal, or any failure, leaves the icon
    // not shown, so that the next show adds it again.
    void Applied(const ShellRequest& request, bool succeeded);
    bool IsShown() const { return shown; }

    // True when a left click at this time runs the command: more than one
    // whole second after the last one that did.
    bool AcceptLeftClick(int64_t nowSeconds);

private:
    bool shown = false;
    int64_t lastLeftClick = 0;
};

// The icon's tip: what a click does, and with which collection, cut to
// the shell's 127 characters.
std::string TrayTip(const std::string& action, const std::string& collection);

// The resident instance's window refuses a screen saver over itself only
// while it has switched the system screen saver off (SC_SCREENSAVE,
// compared exactly).
inline bool TraySwallowsSystemCommand(uint32_t command, bool screenSaverDisabled)
{
    return command == 0xF140 && screenSaverDisabled;
}
