// Where the program's options are kept: per user, by section and name.
#pragma once
#include <string>

class ISettingsStore {
public:
    virtual ~ISettingsStore() = default;
    // A missing value, or one of another type, reads as the default.
    virtual int ReadInt(const std::string& section, const std::string& entry, int defaultValue) = 0;
    virtual std::string ReadString(const std::string& section, const std::string& entry,
                                   const std::string& defaultValue) = 0;
    // A text that may hold letters outside the ANSI code page (a folder's
    // name), as UTF-8; "" when missing.
    virtual std::string ReadUtf8String(const std::string& section, const std::string& entry)
    {
        return ReadString(section, entry, "");
    }
    // Writes say whether the value was stored.
    virtual bool WriteInt(const std::string& section, const std::string& entry, int value) = 0;
    virtual bool WriteString(const std::string& section, const std::string& entry,
                             const std::string& value) = 0;
    // Deletes every stored option of the program; true when none is left.
    virtual bool RemoveAll() = 0;
};
