#include "os/RegistryValue.h"

#include <algorithm>
#include <cstring>

namespace {
// Most values the program reads are short numbers and paths.
constexpr DWORD firstBufferBytes = 256;

// query(type, buffer, size) is one RegQueryValueEx call.
template <typename Query>
RegistryValue ReadGrowing(DWORD mostBytes, Query query)
{
    RegistryValue value;
    value.bytes.resize(std::min(firstBufferBytes, mostBytes));
    for (;;) {
        DWORD size = static_cast<DWORD>(value.bytes.size());
        value.result = query(&value.type, reinterpret_cast<BYTE*>(&value.bytes[0]), &size);
        // The size asked for may be more than the text needs (the ANSI
        // functions may give the size of the UTF-16 text): at the limit, a
        // buffer of the limit's size has the last word. A value that grew
        // between two calls is asked for again.
        if (value.result == ERROR_MORE_DATA && size > value.bytes.size() && value.bytes.size() < mostBytes) {
            value.bytes.resize(std::min(size, mostBytes));
            continue;
        }
        value.bytes.resize(value.IsRead() ? std::min<size_t>(size, value.bytes.size()) : 0);
        return value;
    }
}
}  // namespace

std::string RegistryValue::TextToEnd() const
{
    return std::string(bytes.c_str(), strnlen(bytes.c_str(), bytes.size()));
}

bool RegistryValue::HasTextEnd() const
{
    return memchr(bytes.data(), '\0', bytes.size()) != nullptr;
}

std::optional<int32_t> RegistryValue::Number() const
{
    if (type != REG_DWORD || bytes.size() != sizeof(int32_t)) return std::nullopt;
    int32_t number;
    memcpy(&number, bytes.data(), sizeof number);
    return number;
}

RegistryValue ReadRegistryValue(HKEY key, const char* name, DWORD mostBytes)
{
    return ReadGrowing(mostBytes, [&](DWORD* type, BYTE* buffer, DWORD* size) {
        return RegQueryValueExA(key, name, nullptr, type, buffer, size);
    });
}

RegistryValue ReadRegistryValue(HKEY key, const wchar_t* name)
{
    return ReadGrowing(anyValueSize, [&](DWORD* type, BYTE* buffer, DWORD* size) {
        return RegQueryValueExW(key, name, nullptr, type, buffer, size);
    });
}
