#include "os/MachineMutex.h"

namespace {
// Long enough for the largest save of another process, short enough that a
// hung holder does not hang us for good.
constexpr DWORD lockTimeoutMs = 30000;
}

CMachineMutex::CMachineMutex(const std::string& name)
{
    // An empty access list lets the processes of every user open the mutex
    // that the first of them created.
    SECURITY_DESCRIPTOR descriptor;
    InitializeSecurityDescriptor(&descriptor, SECURITY_DESCRIPTOR_REVISION);
    SetSecurityDescriptorDacl(&descriptor, TRUE, nullptr, FALSE);
    SECURITY_ATTRIBUTES attributes{sizeof attributes, &descriptor, FALSE};
    // "Global\" reaches across the sessions of fast user switching and
    // remote desktops; a system without them knows only the plain name.
    mutex.reset(CreateMutexA(&attributes, FALSE, ("Global\\" + name).c_str()));
    if (!mutex) mutex.reset(OpenMutexA(SYNCHRONIZE, FALSE, ("Global\\" + name).c_str()));
    if (!mutex) mutex.reset(CreateMutexA(&attributes, FALSE, name.c_str()));
}

bool CMachineMutex::Lock()
{
    if (!mutex) return false;
    // A holder that ended without releasing leaves the file as its last
    // whole profile call wrote it: the lock is ours all the same.
    DWORD result = WaitForSingleObject(mutex.get(), lockTimeoutMs);
    return result == WAIT_OBJECT_0 || result == WAIT_ABANDONED;
}

void CMachineMutex::Unlock()
{
    if (mutex) ReleaseMutex(mutex.get());
}
