// Whether the user has asked in this run for the program to be removed.
#pragma once

class IUninstallState {
public:
    virtual ~IUninstallState() = default;
    // Once true, nothing writes the collections file again in this run.
    virtual bool IsUninstallRequested() const = 0;
};
