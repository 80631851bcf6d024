// One INI file, read and written the way the Windows profile functions do it:
// names compared without regard to letter case, values trimmed of blanks.
// Every read is whole, whatever its size; every write says whether it
// reached the file.
#pragma once
#include <string>
#include <vector>

class IProfileFile {
public:
    virtual ~IProfileFile() = default;
    // The key's value, or the default when the section or key is missing.
    virtual std::string ReadString(const std::string& section, const std::string& key,
                                   const std::string& defaultValue) = 0;
    virtual int ReadInt(const std::string& section, const std::string& key, int defaultValue) = 0;
    // Section names and a section's key names in file order.
    virtual std::vector<std::string> ReadSectionNames() = 0;
    virtual std::vector<std::string> ReadKeyNames(const std::string& section) = 0;

    virtual bool WriteString(const std::string& section, const std::string& key, const std::string& value) = 0;
    virtual bool DeleteKey(const std::string& section, const std::string& key) = 0;
    virtual bool DeleteSection(const std::string& section) = 0;
    // Deletes the file itself; true when it is gone.
    virtual bool Remove() = 0;
};
