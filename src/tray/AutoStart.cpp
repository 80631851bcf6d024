#include "tray/AutoStart.h"

void ApplyAutoStart(const CSettings&)
{
    // The start-up shortcut arrives with the notification-area instance.
}
