// The one lock over the collections file. Every read-modify-write of the
// file holds it, in every process of the machine: all users share the file,
// and each profile call rewrites it whole.
#pragma once

class IFileLock {
public:
    virtual ~IFileLock() = default;
    // Waits for the lock; false when it could not be had in time. The
    // holder may take it again (the lock counts).
    virtual bool Lock() = 0;
    virtual void Unlock() = 0;
};

// Holds the lock, if there is one, for a scope.
class CFileLockGuard {
public:
    explicit CFileLockGuard(IFileLock* lock) : lock(lock), held(lock && lock->Lock()) {}
    ~CFileLockGuard()
    {
        if (held) lock->Unlock();
    }
    CFileLockGuard(const CFileLockGuard&) = delete;
    CFileLockGuard& operator=(const CFileLockGuard&) = delete;

    // There is a lock and it could not be had in time.
    bool Refused() const { return lock && !held; }

private:
    IFileLock* lock;
    bool held;
};
