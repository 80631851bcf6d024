// A kernel handle (file, process, thread, mutex, snapshot) that this code
// owns: closed when its owner goes. The system marks "no handle" with null
// or with INVALID_HANDLE_VALUE depending on the function; both count as empty.
#pragma once
#include <windows.h>

#include <utility>

class COwnedHandle {
public:
    COwnedHandle() = default;
    explicit COwnedHandle(HANDLE handle) : handle(handle) {}
    ~COwnedHandle() { Close(); }
    COwnedHandle(COwnedHandle&& other) noexcept : handle(other.release()) {}
    COwnedHandle& operator=(COwnedHandle&& other) noexcept
    {
        if (this != &other) reset(other.release());
        return *this;
    }
    COwnedHandle(const COwnedHandle&) = delete;
    COwnedHandle& operator=(const COwnedHandle&) = delete;

    explicit operator bool() const { return handle && handle != INVALID_HANDLE_VALUE; }
    HANDLE get() const { return handle; }
    // The handle is the caller's from now on.
    HANDLE release() { return std::exchange(handle, nullptr); }
    void reset(HANDLE other)
    {
        Close();
        handle = other;
    }
    // Closes now, where the order of the closing matters.
    void Close()
    {
        if (*this) CloseHandle(handle);
        handle = nullptr;
    }

private:
    HANDLE handle = nullptr;
};
