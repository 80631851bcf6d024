// A table of the commands a dialog handles: control id, notification code
// and the handler, read like the list of what the dialog reacts to.
#pragma once
#include <windows.h>

#include <cstddef>

template <class T>
struct CommandMapEntry {
    UINT id;
    UINT code;
    void (T::*handler)();
};

// Runs the handler of the entry for the id and code; false when there is none.
template <class T, size_t N>
bool DispatchCommand(T& target, const CommandMapEntry<T> (&map)[N], UINT id, UINT code)
{
    for (const CommandMapEntry<T>& entry : map) {
        if (entry.id != id || entry.code != code) continue;
        (target.*entry.handler)();
        return true;
    }
    return false;
}
