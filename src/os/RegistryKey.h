// An open registry key that this code owns, closed when its owner goes.
// Functions that only use a key take its HKEY.
#pragma once
#include <windows.h>

#include <utility>

class CRegistryKey {
public:
    CRegistryKey() = default;
    ~CRegistryKey() { Close(); }
    CRegistryKey(CRegistryKey&& other) noexcept : key(std::exchange(other.key, nullptr)) {}
    CRegistryKey& operator=(CRegistryKey&& other) noexcept
    {
        if (this != &other) {
            Close();
            key = std::exchange(other.key, nullptr);
        }
        return *this;
    }
    CRegistryKey(const CRegistryKey&) = delete;
    CRegistryKey& operator=(const CRegistryKey&) = delete;

    // Each replaces the key held; the registry's result, ERROR_SUCCESS when open.
    LONG Open(HKEY root, const char* path)
    {
        return Adopt([&](HKEY* opened) { return RegOpenKeyA(root, path, opened); });
    }
    LONG OpenForReading(HKEY root, const char* path)
    {
        return Adopt([&](HKEY* opened) { return RegOpenKeyExA(root, path, 0, KEY_READ, opened); });
    }
    // Made, with the keys above it, when missing.
    LONG CreateForWriting(HKEY root, const char* path)
    {
        return Adopt([&](HKEY* opened) {
            return RegCreateKeyExA(root, path, 0, nullptr, 0, KEY_WRITE, nullptr, opened, nullptr);
        });
    }
    // The result of the closing, for the callers that report it.
    LONG Close() { return key ? RegCloseKey(std::exchange(key, nullptr)) : ERROR_SUCCESS; }

    explicit operator bool() const { return key != nullptr; }
    HKEY get() const { return key; }

private:
    // What a failed call leaves in its out value is never taken for a key.
    template <typename OpenCall>
    LONG Adopt(OpenCall open)
    {
        HKEY opened = nullptr;
        const LONG result = open(&opened);
        Close();
        if (result == ERROR_SUCCESS) key = opened;
        return result;
    }

    HKEY key = nullptr;
};
