// Registry values read whole, into a buffer that grows to the value's size.
// Every read of a value in the program goes through here; the callers keep
// their own rules of which types count.
#pragma once
#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>

struct RegistryValue {
    LONG result = ERROR_FILE_NOT_FOUND;   // ERROR_SUCCESS when read
    DWORD type = REG_NONE;
    std::string bytes;                    // exactly what the registry returned

    bool IsRead() const { return result == ERROR_SUCCESS; }
    // The bytes up to the first zero, or all of them when the end is missing.
    std::string TextToEnd() const;
    // Whether a zero ends the text within the bytes returned.
    bool HasTextEnd() const;
    // A REG_DWORD of exactly four bytes, signed.
    std::optional<int32_t> Number() const;
};

// No limit but the value's own size.
constexpr DWORD anyValueSize = MAXDWORD;

// A value of an open key (borrowed). A value longer than mostBytes fails
// with ERROR_MORE_DATA, as in a buffer of that size.
RegistryValue ReadRegistryValue(HKEY key, const char* name, DWORD mostBytes = anyValueSize);
// The same through the wide functions, for names and texts in any script:
// bytes holds the UTF-16 units.
RegistryValue ReadRegistryValue(HKEY key, const wchar_t* name);
