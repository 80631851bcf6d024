// A named mutex that every process of the machine shares, whichever user
// runs it.
#pragma once
#include "os/FileLock.h"
#include "os/OwnedHandle.h"

#include <windows.h>
#include <string>

class CMachineMutex : public IFileLock {
public:
    explicit CMachineMutex(const std::string& name);

    bool Lock() override;
    void Unlock() override;

private:
    COwnedHandle mutex;
};
