#include "tray/TrayIconModel.h"

ShellRequest CTrayIconModel::PlanUpdate(bool iconGiven, bool tipEmpty, bool callbackBound) const
{
    ShellRequest request;
    if (iconGiven) {
        request.operation = shown ? ShellOperation::Modify : ShellOperation::Add;
        request.parts |= PartIcon;
    } else if (!shown) {
        return request;   // nothing shown, nothing to remove
    } else {
        request.operation = ShellOperation::Delete;
    }
    // Without a tip of its own the icon keeps the one the shell shows.
    if (!tipEmpty) request.parts |= PartTip;
    if (callbackBound) request.parts |= PartMessage;
    return request;
}

void CTrayIconModel::Applied(const ShellRequest& request, bool succeeded)
{
    if (request.operation == ShellOperation::None) return;
    shown = succeeded && request.operation != ShellOperation::Delete;
}

bool CTrayIconModel::AcceptLeftClick(int64_t nowSeconds)
{
    if (nowSeconds - lastLeftClick <= 1) return false;
    lastLeftClick = nowSeconds;
    return true;
}

std::string TrayTip(const std::string& action, const std::string& collection)
{
    constexpr size_t tipLength = 127;
    std::string tip = collection.empty() ? action : action + " - " + collection;
    if (tip.size() > tipLength) tip = tip.substr(0, tipLength - 3) + "...";
    return tip;
}
