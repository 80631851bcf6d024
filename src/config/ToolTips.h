// How every page of the settings sheet gives its controls their tips.
#pragma once
#include "framework/Controls.h"

// The tooltip control watches the mouse over the control by itself
// (TTF_SUBCLASS): no page relays messages to it. The text must live as
// long as the program.
void AddToolTip(const CToolTipCtrl& toolTip, const CWnd& control, const char* text);
