// One INI file, read and written the way the Windows profile functions do it:
// names compared without regard to letter case, values trimmed of blanks,
// every result cut to the caller's buffer size.
#pragma once
#include <string>
#include <vector>

class IProfileFile {
public:
    virtual ~IProfileFile() = default;
    // The key's value, or the default when the section or key is missing;
    // at most bufferSize - 1 characters.
    virtual std::string ReadString(const std::string& section, const std::string& key,
                                   const std::string& defaultValue, size_t bufferSize) = 0;
    virtual int ReadInt(const std::string& section, const std::string& key, int defaultValue) = 0;
    // Section names and a section's key names in file order, as far as a
    // buffer of bufferSize bytes holds them.
    virtual std::vector<std::string> ReadSectionNames(size_t bufferSize) = 0;
    virtual std::vector<std::string> ReadKeyNames(const std::string& section, size_t bufferSize) = 0;

    virtual void WriteString(const std::string& section, const std::string& key,
                             const std::string& value) = 0;
    virtual void DeleteKey(const std::string& section, const std::string& key) = 0;
    virtual void DeleteSection(const std::string& section) = 0;
    // Deletes the file itself.
    virtual void Remove() = 0;
};
