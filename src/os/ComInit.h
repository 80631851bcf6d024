// COM started on the calling thread for as long as the guard lives. Only a
// start that succeeded is matched by a stop, a repeated start included:
// the thread counts them.
#pragma once
#include <objbase.h>

class CComInit {
public:
    CComInit() : started(SUCCEEDED(CoInitialize(nullptr))) {}
    ~CComInit()
    {
        if (started) CoUninitialize();
    }
    CComInit(const CComInit&) = delete;
    CComInit& operator=(const CComInit&) = delete;

private:
    bool started;
};
