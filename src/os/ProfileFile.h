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

    virtual bool WriteString(const std::string& section, const std::string& key, const std::string& value) = 0;
    virtual bool DeleteKey(const std::string& section, const std::string& key) = 0;
    virtual bool DeleteSection(const std::string& section) = 0;
    // The changes in order, as WriteString and DeleteKey would make them;
    // false when one did not reach the file.
    virtual bool WriteKeys(const std::string& section, const std::vector<KeyChange>& changes)
    {
        bool written = true;
        for (const KeyChange& change : changes) {
            bool ok = change.value ? WriteString(section, change.key, *change.value) : DeleteKey(section, change.key);
            written = written && ok;
        }
        return written;
    }
    // Deletes the file itself; true when it is gone.
    virtual bool Remove() = 0;
    // What tells this file from another one of its name, "" when there is
    // none: the same while the file is written in place, another once it is
    // deleted or replaced.
    virtual std::string ReadIdentity() = 0;
};
