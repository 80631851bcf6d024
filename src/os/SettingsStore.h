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
    virtual void WriteInt(const std::string& section, const std::string& entry, int value) = 0;
    virtual void WriteString(const std::string& section, const std::string& entry,
                             const std::string& value) = 0;
    // Deletes every stored option of the program.
    virtual void RemoveAll() = 0;
};
