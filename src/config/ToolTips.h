// How every page of the settings sheet gives its controls their tips.
#pragma once
#include "framework/Controls.h"

#include <cstddef>

// The tooltip control watches the mouse over the control by itself
// (TTF_SUBCLASS): no page relays messages to it. The text must live as
// long as the program.
void AddToolTip(const CToolTipCtrl& toolTip, const CWnd& control, const char* text);

// A control's tip, by the control's id.
struct ControlTip {
    int id;
    const char* text;
};

// What every page with tips does when it opens: creates its tooltip
// control, active or not, and gives each control of the table its tip in
// the table's order.
void CreateToolTips(CToolTipCtrl& toolTip, const CWnd& page, bool active, const ControlTip* tips, size_t count);
template <size_t N>
void CreateToolTips(CToolTipCtrl& toolTip, const CWnd& page, bool active, const ControlTip (&tips)[N])
{
    CreateToolTips(toolTip, page, active, tips, N);
}
