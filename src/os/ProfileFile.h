// One INI file, read and written the way the Windows profile functions do it:
// names compared without regard to letter case, values trimmed of blanks.
// Every read is whole, whatever its size; every write says whether it
// reached the file.
#pragma once
#include "base/ProfileText.h"

#include <string>
#include <utility>
#include <vector>

using KeyValues = std::vector<std::pair<std::string, std::string>>;

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
    // The section's keys in file order, each with its value as ReadString
    // gives it.
    virtual KeyValues ReadSection(const std::string& section)
    {
        KeyValues keys;
        for (std::string& key : ReadKeyNames(section)) {
            std::string value = ReadString(section, key, "");
            keys.emplace_back(std::move(key), std::move(value));
        }
        return keys;
    }

    // Every change in order, in one write of the file: all of them reach
    // it, or none does and it says so.
    virtual bool WriteChanges(const FileChanges& changes) = 0;

    bool WriteString(const std::string& section, const std::string& key, const std::string& value)
    {
        return WriteKeys(section, {{key, value}});
    }
    bool DeleteKey(const std::string& section, const std::string& key) { return WriteKeys(section, {{key, {}}}); }
    // Every copy of the section, whatever the letter case of its name.
    bool DeleteSection(const std::string& section) { return WriteChanges({{section, true, {}}}); }
    bool WriteKeys(const std::string& section, const std::vector<KeyChange>& changes)
    {
        return changes.empty() || WriteChanges({{section, false, changes}});
    }
    // Deletes the file itself; true when it is gone.
    virtual bool Remove() = 0;
    // What tells this file from another one of its name, "" when there is
    // none: the same while the file is written in place, another once it is
    // deleted or replaced.
    virtual std::string ReadIdentity() = 0;
};
