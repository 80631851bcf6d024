// The run's uninstall request as a test sets it.
#pragma once
#include "collections/UninstallState.h"

struct FakeUninstallState : IUninstallState {
    bool requested = false;
    bool IsUninstallRequested() const override { return requested; }
};
